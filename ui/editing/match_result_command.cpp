#include "ui/editing/match_result_command.h"

#include "model/entrant_name.h"
#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/losers_bracket.h"
#include "model/match_kind.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/slot_control.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/editing/edit_history.h"
#include "ui/editing/entrant_commands.h"
#include "ui/editing/result_change_question.h"
#include "ui/editing/group_result_question.h"
#include "ui/common/fallback_string.h"
#include "ui/dialogs/match_result_dialog.h"
#include "ui/window/third_place_view.h"
#include "ui/window/losers_view.h"
#include "ui/groups/groups_page.h"

/* The match a control stands for: 1 with *node, 0 when the control is no
 * pick of the open bracket. A name box
 * stands for the first-round match its entrant plays. */
static int matchOfControl(HWND window, Bracket *bracket, HWND control, BracketNode **node)
{
    *node = NULL;
    if (!bracket->slotCount || !control || !IsChild(window, control))
        return 0;
    if (control == bracket->thirdPlace.control) {
        *node = &bracket->thirdPlace;
        return 1;
    }
    int id = GetDlgCtrlID(control);
    int group, match;
    if (groupMatchOfCell(bracket, control, &group, &match)) {
        *node = &stageGroup(bracket, group)->match[match];
        return 1;
    }
    if (id == IDC_TEAM_EDIT) {
        BracketNode *entrant = slotOfControl(control);
        *node = entrant && !entrant->left ? entrant->parent : NULL;
        return *node != NULL;
    }
    if (id != IDC_PICK_COMBO && id != IDC_LOSERS_COMBO)
        return 0;
    *node = slotOfControl(control);
    return *node && ((*node)->left || losersNumberOf(bracket, *node));
}

/* A first-round match against a bye was decided when the bracket was
 * made; the third-place match has one when a semi-final was. */
static int againstBye(const BracketNode *match)
{
    return match && match->left && (match->left->bye || match->right->bye);
}

/* A losers' match is decided by hand once both its entrants are known;
 * one against nobody went through when the other was known. */
static int losersMatchHasTwo(Bracket *bracket, BracketNode *match)
{
    const WCHAR *first, *second;
    losersEntrants(bracket, match, &first, &second);
    return first[0] && second[0];
}

static int hasTwoEntrants(Bracket *bracket, BracketNode *node)
{
    switch (matchKindOf(bracket, node)) {
    case MATCH_THIRD_PLACE:
        return !againstBye(bracket->root.left) && !againstBye(bracket->root.right);
    case MATCH_WINNERS:
    case MATCH_NONE:
        return !againstBye(node);
    case MATCH_GROUP:
        return 1;
    case MATCH_LOSERS:
    case MATCH_GRAND_FINAL:
    case MATCH_RESET:
        break;
    }
    return losersMatchHasTwo(bracket, node);
}

int matchResultCanAct(HWND window, DocumentState *state)
{
    BracketNode *node;
    return !matchOfControl(window, state->bracket, GetFocus(), &node) || hasTwoEntrants(state->bracket, node);
}

static void fillChoice(Bracket *bracket, BracketNode *node, MatchResultChoice *choice)
{
    const WCHAR *first, *second;
    matchEntrants(bracket, node, &first, &second);
    lstrcpyW(choice->first, first);
    lstrcpyW(choice->second, second);
    lstrcpyW(choice->winner, node->name);
    lstrcpyW(choice->result, node->result);
    choice->outcome = node->details.outcome;
    lstrcpyW(choice->court, node->details.court);
    lstrcpyW(choice->time, node->details.time);
    choice->drawAllowed = 0;
    choice->drawn = 0;
}

/* A group match: a winner, or a draw where the rules count draws. */
static void editGroupMatchResult(HWND window, Bracket *bracket, int groupIndex, int match)
{
    StageGroup *group = stageGroup(bracket, groupIndex);
    BracketNode *node = &group->match[match];
    const WCHAR *home, *away;
    groupMatchNames(group, match, &home, &away);
    MatchResultChoice choice;
    fillChoice(bracket, node, &choice);
    lstrcpyW(choice.first, home);
    lstrcpyW(choice.second, away);
    choice.drawAllowed = groupRulesAllowDraws(bracket->groups.rules);
    choice.drawn = groupMatchWinner(group, match) == GROUP_DRAWN;
    if (!runMatchResultDialog(window, bracket->resourceModule, &choice) || !bracket->slotCount)
        return;
    int winner = choice.drawn                      ? GROUP_DRAWN
                 : !choice.winner[0]               ? GROUP_UNDECIDED
                 : sameName(choice.winner, home) ? GROUP_HOME_WON
                                                   : GROUP_AWAY_WON;
    /* A result that changes who goes through asks first. */
    if (!confirmGroupResult(window, bracket, groupIndex, match, winner, choice.result, choice.outcome))
        return;
    beginUndoStep(bracket, 0);
    setGroupMatchResult(bracket, groupIndex, match, winner, choice.result, choice.outcome);
    setMatchSchedule(bracket, node, choice.court, choice.time);
    showWholeKnockout(window, bracket);
    endUndoStep(bracket);
}

struct ChosenResult {
    BracketNode *node;
    const MatchResultChoice *choice;
};

static void takeChosenResult(HWND window, Bracket *bracket, void *context)
{
    const ChosenResult *chosen = (const ChosenResult *)context;
    BracketNode *node = chosen->node;
    const MatchResultChoice *choice = chosen->choice;
    setMatchOutcome(bracket, node, choice->winner, choice->result, choice->outcome);
    setMatchSchedule(bracket, node, choice->court, choice->time);
    MatchKind kind = matchKindOf(bracket, node);
    if (kind == MATCH_THIRD_PLACE)
        showThirdPlaceMatch(window, bracket);
    else if (kind == MATCH_WINNERS)
        showSlotName(node);
    else
        showLosersBracket(window, bracket);
}

void editMatchResult(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    BracketNode *node;
    if (!matchOfControl(window, bracket, GetFocus(), &node) || !hasTwoEntrants(bracket, node))
        return;
    int group, match;
    if (findGroupMatch(&bracket->groups, node, &group, &match))
        return editGroupMatchResult(window, bracket, group, match);
    MatchResultChoice choice;
    fillChoice(bracket, node, &choice);
    if (!runMatchResultDialog(window, bracket->resourceModule, &choice) || !bracket->slotCount)
        return;
    ChosenResult chosen = {node, &choice};
    changeAskingFirst(window, state, node, takeChosenResult, &chosen, IDS_CHANGE_CLEARS_RESULTS, NULL, 0, 0);
}

/* The chosen item goes to the window as the menu command itself, so it is
 * judged and recorded exactly as the Edit menu's item would be. */
void showPickMenu(HWND window, DocumentState *state, HWND control, LPARAM where)
{
    Bracket *bracket = state->bracket;
    BracketNode *node;
    if (!matchOfControl(window, bracket, control, &node))
        return;
    WCHAR text[64], rename[64];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_MATCH_RESULT_ITEM, text, 64) ||
        !loadStringWithFallback(bracket->resourceModule, IDS_RENAME_ENTRANT_ITEM, rename, 64))
        return;
    POINT at = {(short)LOWORD(where), (short)HIWORD(where)};
    /* From the keyboard (Shift+F10): under the control. */
    if (where == (LPARAM)-1) {
        RECT box;
        GetWindowRect(control, &box);
        at.x = box.left;
        at.y = box.bottom;
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendMenuW(menu, MF_STRING | (hasTwoEntrants(bracket, node) ? 0 : MF_GRAYED), IDM_EDIT_MATCH_RESULT, text);
    SetFocus(control);
    AppendMenuW(menu, MF_STRING | (renameEntrantCanAct(window, state) ? 0 : MF_GRAYED), IDM_EDIT_RENAME_ENTRANT,
                rename);
    UINT chosen = (UINT)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, NULL);
    DestroyMenu(menu);
    if (chosen == IDM_EDIT_MATCH_RESULT || chosen == IDM_EDIT_RENAME_ENTRANT)
        SendMessageW(window, WM_COMMAND, chosen, 0);
}
