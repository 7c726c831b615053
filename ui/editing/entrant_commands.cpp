#include "ui/editing/entrant_commands.h"

#include "model/entrant_changes.h"
#include "model/entrant_name.h"
#include "model/group_stage.h"
#include "model/slot_control.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/dialogs/entrant_change_dialog.h"
#include "ui/editing/edit_history.h"
#include "ui/editing/result_change_question.h"
#include "ui/window/losers_view.h"
#include "ui/window/third_place_view.h"

enum { NOTICE_CAPACITY = 1024 };

/* The first-round entrant whose name the focused slot control shows, or
 * NULL. */
static BracketNode *focusedEntrant(HWND window, Bracket *bracket)
{
    HWND control = GetFocus();
    if (!bracket->slotCount || !control || !IsChild(window, control))
        return NULL;
    BracketNode *node = NULL;
    if (control == bracket->thirdPlace.control)
        node = &bracket->thirdPlace;
    else if (GetDlgCtrlID(control) == IDC_TEAM_EDIT || GetDlgCtrlID(control) == IDC_PICK_COMBO ||
             GetDlgCtrlID(control) == IDC_LOSERS_COMBO)
        node = slotOfControl(control);
    return node && node->name[0] ? firstRoundSlotNamed(bracket, node->name) : NULL;
}

int renameEntrantCanAct(HWND window, DocumentState *state)
{
    /* Group entrants are chosen in the dialog: the Groups page has no
     * slot to focus. */
    return focusedEntrant(window, state->bracket) != NULL || state->bracket->groups.groupCount > 0;
}

/* After the first round's names, the group entrants not yet in it (the
 * knockout's slots stay empty until their group is decided). Returns the
 * count of names. */
static int addGroupEntrants(Bracket *bracket, const WCHAR **names, int count)
{
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        const StageGroup *group = &bracket->groups.groups[g];
        for (int k = 0; k < group->count && count < MAX_TEAM_COUNT; k++) {
            if (!firstRoundSlotNamed(bracket, group->entrant[k]))
                names[count++] = group->entrant[k];
        }
    }
    return count;
}

/* The first round's named entrants in bracket order, and the place among
 * them of preferred (-1 when it is not one). Returns their count. */
static int firstRoundNames(Bracket *bracket, const WCHAR **names, const BracketNode *preferred, int *place)
{
    int count = 0;
    *place = -1;
    for (int i = 0; i < bracket->slotCount && bracket->depth > 0; i++) {
        BracketNode *slot = bracket->nodeTable[i];
        if (!slot->name[0])
            continue;
        if (slot == preferred)
            *place = count;
        names[count++] = slot->name;
    }
    return count;
}

static void tell(HWND window, Bracket *bracket, UINT id, const WCHAR *name)
{
    WCHAR caption[128], message[NOTICE_CAPACITY];
    const WCHAR *inserts[] = {name};
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(bracket->resourceModule, id, inserts, 1, message, NOTICE_CAPACITY))
        lstrcpynW(message, name, NOTICE_CAPACITY);
    MessageBoxW(window, message, caption, MB_OK | MB_ICONWARNING);
}

/* Every control shows its slot again: a change after the draw may touch
 * any of them. */
static void showEveryMatch(HWND window, Bracket *bracket)
{
    for (int i = 0; i < 2 * bracket->slotCount - 1; i++)
        showSlotName(bracket->nodeTable[i]);
    showThirdPlaceMatch(window, bracket);
    showLosersBracket(window, bracket);
}

/* Runs the dialog of kind with the first round's entrants, the focused one
 * chosen. Returns the slot of the entrant chosen, or NULL for Cancel. */
static BracketNode *askEntrantChange(HWND window, Bracket *bracket, EntrantChange *change,
                                     const WCHAR **names)
{
    change->entrants = names;
    change->entrantCount = firstRoundNames(bracket, names, focusedEntrant(window, bracket), &change->first);
    if (change->first < 0)
        change->first = 0;
    if (change->choices == names)
        change->choiceCount = change->entrantCount;
    if (!change->entrantCount || !runEntrantChangeDialog(window, bracket->resourceModule, change) ||
        !bracket->slotCount)
        return NULL;
    return firstRoundSlotNamed(bracket, names[change->first]);
}

void renameEntrantCommand(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    const WCHAR *names[MAX_TEAM_COUNT];
    EntrantChange change = {};
    change.kind = CHANGE_RENAME;
    change.secondChoice = -1;
    change.entrants = names;
    change.entrantCount = firstRoundNames(bracket, names, focusedEntrant(window, bracket), &change.first);
    change.entrantCount = addGroupEntrants(bracket, names, change.entrantCount);
    if (change.first < 0)
        change.first = 0;
    if (!change.entrantCount || !runEntrantChangeDialog(window, bracket->resourceModule, &change))
        return;
    WCHAR oldName[NAME_CAPACITY];
    lstrcpynW(oldName, names[change.first], NAME_CAPACITY);
    if (sameName(oldName, change.second))
        return;
    if (!renameEntrant(bracket, oldName, change.second)) {
        tell(window, bracket, IDS_ENTRANT_NAME_TAKEN, change.second);
        return;
    }
    showEveryMatch(window, bracket);
}

struct SwapPair {
    BracketNode *first;
    BracketNode *second;
};

static void swapPair(HWND window, Bracket *bracket, void *context)
{
    SwapPair *pair = (SwapPair *)context;
    swapEntrants(bracket, pair->first, pair->second);
    showEveryMatch(window, bracket);
}

void swapEntrantsCommand(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    const WCHAR *names[MAX_TEAM_COUNT];
    EntrantChange change = {};
    change.kind = CHANGE_SWAP;
    change.choices = names;
    BracketNode *first = askEntrantChange(window, bracket, &change, names);
    if (!first)
        return;
    BracketNode *second = firstRoundSlotNamed(bracket, change.second);
    if (!second || second == first) {
        tell(window, bracket, IDS_SWAP_SAME_ENTRANT, L"");
        return;
    }
    WCHAR firstName[NAME_CAPACITY], secondName[NAME_CAPACITY];
    lstrcpyW(firstName, first->name);
    lstrcpyW(secondName, second->name);
    const WCHAR *inserts[] = {firstName, secondName};
    SwapPair pair = {first, second};
    changeAskingFirst(window, state, NULL, swapPair, &pair, IDS_SWAP_CLEARS_RESULTS, inserts, 2, 1);
}

void withdrawEntrantCommand(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    const WCHAR *names[MAX_TEAM_COUNT];
    const WCHAR *reserves[MAX_ENTRANT_LIST_COUNT];
    EntrantChange change = {};
    change.kind = CHANGE_WITHDRAW;
    change.secondChoice = -1;
    change.choices = reserves;
    for (int i = 0; i < bracket->entrants.count; i++) {
        if (isReserve(bracket, bracket->entrants.items[i].name))
            reserves[change.choiceCount++] = bracket->entrants.items[i].name;
    }
    BracketNode *slot = askEntrantChange(window, bracket, &change, names);
    if (!slot)
        return;
    WCHAR name[NAME_CAPACITY];
    lstrcpyW(name, slot->name);
    if (change.second[0] && !entrantHasPlayed(bracket, slot)) {
        if (!replaceEntrant(bracket, slot, change.second))
            tell(window, bracket, IDS_ENTRANT_NAME_TAKEN, change.second);
    } else {
        int outcome = withdrawEntrant(bracket, slot);
        if (outcome == WITHDRAW_NO_OPPONENT)
            tell(window, bracket, IDS_WITHDRAW_NO_OPPONENT, name);
        else if (outcome == WITHDRAW_NO_MATCH_LEFT)
            tell(window, bracket, IDS_WITHDRAW_NO_MATCH, name);
    }
    showEveryMatch(window, bracket);
}
