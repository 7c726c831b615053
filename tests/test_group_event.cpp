// An event played in groups, then a knockout, held in the bracket: its file
// reopens identical, a file whose groups contradict themselves is refused
// saying what and where, undo walks back through every group decision, and
// the knockout fills as groups are decided.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "file/bracket_reader.h"
#include "file/bracket_writer.h"
#include "model/entrant_changes.h"
#include "model/group_event.h"
#include "model/group_consequences.h"
#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/losers_rounds.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/seeding.h"
#include "model/undo_history.h"
#include "support/bracket_file_fixture.h"
#include "support/bracket_invariants.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "res/resource.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"
#include "ui/document/group_file_fault.h"
#include "ui/editing/edit_history.h"
#include "ui/editing/group_result_question.h"

namespace {

std::wstring entrantList(int count)
{
    std::wstring text;
    for (int k = 1; k <= count; k++)
        text += L"P" + std::to_wstring(k) + L"\n";
    return text;
}

struct GroupEventTest : BracketFileTest {
    std::mt19937 random{7};

    void buildEvent(int entrants, int groups, int advancing, int rules)
    {
        resetBracket(&bracket);
        GroupEventFormat format = {groups, 0, advancing, rules, PLACE_SEEDED};
        ASSERT_EQ(1, buildGroupEventFromList(&bracket, entrantList(entrants).c_str(), &format, cryptoRandomBelow,
                                             NULL));
        lstrcpyW(bracket.title, L"Groups Cup");
    }

    // A random decision of a group match: a win either way with a score
    // and sometimes an outcome, a draw where the rules allow, both
    // withdrawn, or no result.
    void decideAtRandom(int g, int m, bool always)
    {
        static const wchar_t *const scores[] = {L"11:7 9:11 11:5", L"3:1", L"2-2", L"", L"w.o."};
        int kind = (int)(random() % (always ? 8 : 10));
        int winner = kind < 4 ? GROUP_HOME_WON : kind < 7 ? GROUP_AWAY_WON : kind == 7 ? GROUP_DRAWN : GROUP_UNDECIDED;
        if (winner == GROUP_DRAWN && !groupRulesAllowDraws(bracket.groups.rules))
            winner = GROUP_HOME_WON;
        int outcome = winner == GROUP_HOME_WON && random() % 5 == 0 ? OUTCOME_WALKOVER : OUTCOME_PLAYED;
        if (winner == GROUP_UNDECIDED && kind == 8)
            outcome = OUTCOME_DOUBLE_WALKOVER;
        ASSERT_EQ(1, setGroupMatchResult(&bracket, g, m, winner, scores[random() % 5], outcome));
        if (random() % 3 == 0) {
            ASSERT_EQ(1, setMatchSchedule(&bracket, &stageGroup(&bracket, g)->match[m], L"Table 3",
                                          L"2026-12-08T10:30"));
        }
    }

    // Orders whatever the rules left level as the table stands.
    void drawLots(int g)
    {
        GroupStandings standings;
        ASSERT_EQ(1, groupStandingsOf(&bracket, g, &standings));
        if (!standings.awaitingLots)
            return;
        int order[MAX_GROUP_SIZE];
        for (int k = 0; k < standings.count; k++)
            order[k] = standings.rows[k].entrant;
        ASSERT_EQ(1, setGroupTiedOrder(&bracket, g, order, standings.count));
    }

    void decideEveryGroup()
    {
        for (int g = 0; g < bracket.groups.groupCount; g++) {
            for (int m = 0; m < stageGroup(&bracket, g)->matchCount; m++)
                decideAtRandom(g, m, true);
            drawLots(g);
        }
    }

    // Picks a winner in every knockout match whose two entrants are known.
    void playKnockoutRound()
    {
        for (int id = bracket.slotCount + 1; id <= 2 * bracket.slotCount - 1; id++) {
            BracketNode *node = slot(id);
            if (isMatchReady(&bracket, node)) {
                ASSERT_EQ(1, setMatchOutcome(&bracket, node, node->left->name, L"3:0", OUTCOME_PLAYED));
            }
        }
    }

    std::vector<std::wstring> baseNames()
    {
        std::vector<std::wstring> names;
        for (int id = 1; id <= bracket.slotCount; id++)
            names.push_back(slot(id)->name);
        return names;
    }
};

TEST_F(GroupEventTest, ASavedEventReopensIdentical)
{
    struct Case {
        int entrants, groups, advancing, rules;
        bool doubleElimination;
    } cases[] = {
        {16, 4, 2, RULES_TABLE_TENNIS, false},
        {22, 4, 2, RULES_FOOTBALL, true},     // groups of 5 and 6: odd groups sit a round out
        {15, 3, 1, RULES_HEAD_TO_HEAD, false}, // a knockout with a bye
        {24, 3, 4, RULES_BADMINTON, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("rules " + std::to_string(c.rules));
        buildEvent(c.entrants, c.groups, c.advancing, c.rules);
        if (c.doubleElimination) {
            ASSERT_EQ(1, prepareLosersBracket(&bracket));
            setDoubleEliminationOn(&bracket, 1);
        }
        decideEveryGroup();
        // The last group's last match left open: its slots stay empty.
        int last = bracket.groups.groupCount - 1;
        setGroupMatchResult(&bracket, last, stageGroup(&bracket, last)->matchCount - 1, GROUP_UNDECIDED, L"",
                            OUTCOME_PLAYED);
        playKnockoutRound();
        std::wstring before = matchFingerprint(&bracket);
        std::wstring path = pathOf(L"groups.xml");
        SaveReport saved;
        ASSERT_EQ(1, writeBracketFile(&bracket, path.c_str(), &saved));
        resetBracket(&bracket);
        ASSERT_EQ(1, readFile(path));
        EXPECT_EQ(before, matchFingerprint(&bracket));
        EXPECT_EQ(0, bracket.dirty);
        EXPECT_EQ(c.doubleElimination, bracket.losers.on != 0);
    }
}

TEST_F(GroupEventTest, AGroupGivenWithoutItsMatchesGetsThemFromTheTable)
{
    std::string entrants;
    for (int k = 1; k <= 5; k++)
        entrants += "<Entrant Name=\"E" + std::to_string(k) + "\"/>";
    ASSERT_EQ(1, readFile(fileWith(teamsFile("<Teams>2</Teams><Team Name=\"\" id=\"1\"/><Team Name=\"\" id=\"2\"/>"
                                             "<Team Name=\"\" id=\"3\"/>",
                                             "<Groups Advance=\"2\" Rules=\"badminton\"><Group Name=\"A\">" +
                                                 entrants + "</Group></Groups>"))));
    StageGroup *group = stageGroup(&bracket, 0);
    ASSERT_NE(nullptr, group);
    ASSERT_EQ(10, group->matchCount);
    for (int m = 0; m < group->matchCount; m++) {
        const WCHAR *home, *away;
        groupMatchNames(group, m, &home, &away);
        EXPECT_NE(std::wstring(home), std::wstring(away));
        EXPECT_FALSE(isGroupMatchDecided(group, m));
    }
}

TEST_F(GroupEventTest, ContradictingFilesAreRefusedSayingWhatAndWhere)
{
    // Two groups of three, two through: a knockout of four.
    auto groupOf = [](const std::string &letter, const std::string &names, const std::string &rest) {
        std::string text = "<Group Name=\"" + letter + "\">";
        for (char c : names)
            text += std::string("<Entrant Name=\"") + c + "\"/>";
        return text + rest + "</Group>";
    };
    auto file = [&](const std::string &groups, int teams = 4, const std::string &attributes =
                                                                  "Advance=\"2\" Rules=\"football\"") {
        std::string team = "<Teams>" + std::to_string(teams) + "</Teams>";
        for (int id = 1; id <= 2 * teams - 1; id++)
            team += "<Team Name=\"\" id=\"" + std::to_string(id) + "\"/>";
        return teamsFile(team, "<Groups " + attributes + ">" + groups + "</Groups>");
    };
    std::string fine = groupOf("B", "DEF", "");
    struct Case {
        std::string bytes;
        int fault, group, item;
        const wchar_t *named;  // what the message must name besides the group
    } cases[] = {
        {file(groupOf("A", "ABC", "<Match Home=\"1\" Away=\"4\"/>") + fine), GROUP_FAULT_NUMBER, 0, 1, L"1"},
        {file(groupOf("A", "ABC", "<Match Home=\"2\" Away=\"2\"/>") + fine), GROUP_FAULT_NUMBER, 0, 1, L"1"},
        {file(fine + groupOf("C", "GHI", "<Match Home=\"1\" Away=\"2\"/><Match Home=\"3\" Away=\"1\"/>"
                                         "<Match Home=\"2\" Away=\"1\" Winner=\"2\"/>")),
         GROUP_FAULT_PAIRING_TWICE, 1, 3, L"3"},
        {file(groupOf("A", "ABC", "<Match Home=\"1\" Away=\"2\" Winner=\"3\"/>") + fine), GROUP_FAULT_NUMBER, 0, 1,
         L"1"},
        {file(groupOf("A", "ABD", "") + fine), GROUP_FAULT_OTHER_GROUP, 1, 1, L"D"},
        {file(groupOf("A", "AB", "") + fine), GROUP_FAULT_SIZE, 0, 2, L"2"},
        {file(groupOf("A", "ABC", "<Tied><Entrant Number=\"4\"/></Tied>") + fine), GROUP_FAULT_TIED, 0, 0, L"A"},
        {file(groupOf("A", "ABC", "") + fine, 8), GROUP_FAULT_KNOCKOUT, 0, 4, L"4"},
        {file(groupOf("A", "ABC", "") + fine, 4, "Advance=\"2\" Rules=\"chess\""), GROUP_FAULT_FORMAT, 0, 0, L""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes);
        OpenReport report = {};
        EXPECT_EQ(0, readFile(fileWith(c.bytes), &report));
        EXPECT_EQ(OPEN_FAULT_GROUPS, report.fault);
        EXPECT_EQ(c.fault, report.groupFault);
        EXPECT_EQ(c.group, report.group);
        EXPECT_EQ(c.item, report.item);
        WCHAR text[512];
        groupFileFaultText(NULL, &report, text, 512);
        std::wstring message = text;
        if (c.fault != GROUP_FAULT_FORMAT && c.fault != GROUP_FAULT_KNOCKOUT) {
            EXPECT_NE(std::wstring::npos, message.find(std::wstring(1, L'A' + c.group))) << utf8(message);
        }
        EXPECT_NE(std::wstring::npos, message.find(c.named)) << utf8(message);
    }
}

TEST_F(GroupEventTest, UndoReturnsToEveryEarlierStateOverRandomGroupDecisions)
{
    buildEvent(14, 3, 2, RULES_FOOTBALL);
    markUndoSavePoint(&bracket);
    std::vector<std::wstring> states = {matchFingerprint(&bracket)};
    for (int step = 0; step < 120; step++) {
        beginUndoStep(&bracket, 0);
        int g = (int)(random() % 3);
        if (step % 10 == 9) {
            drawLots(g);
            playKnockoutRound();
        } else {
            decideAtRandom(g, (int)(random() % stageGroup(&bracket, g)->matchCount), false);
        }
        endUndoStep(&bracket);
        if (matchFingerprint(&bracket) != states.back())
            states.push_back(matchFingerprint(&bracket));
    }
    ASSERT_GT(states.size(), 60u);
    for (size_t k = states.size() - 1; k > 0; k--) {
        ASSERT_EQ(states[k], matchFingerprint(&bracket)) << "state " << k;
        ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
    }
    EXPECT_EQ(states[0], matchFingerprint(&bracket));
    EXPECT_EQ(0, bracket.dirty);
    while (redoStep(&bracket, NULL, NULL)) {
    }
    EXPECT_EQ(states.back(), matchFingerprint(&bracket));
}

// A rename after the groups are played: the name changes in the group, its
// matches' winners and the knockout, every table stands as it stood, a name
// some group holds is refused, and one undo step takes it all back.
TEST_F(GroupEventTest, RenameInAGroupEventKeepsEveryResultAndUndoesInOneStep)
{
    buildEvent(14, 3, 2, RULES_FOOTBALL);
    decideEveryGroup();
    playKnockoutRound();
    auto tables = [&](const std::wstring &from, const std::wstring &to) {
        std::wstring text;
        for (int g = 0; g < bracket.groups.groupCount; g++) {
            GroupStandings standings;
            EXPECT_EQ(1, groupStandingsOf(&bracket, g, &standings));
            for (int k = 0; k < standings.count; k++) {
                const StandingRow &row = standings.rows[k];
                std::wstring name = stageGroup(&bracket, g)->entrant[row.entrant - 1];
                text += (name == from ? to : name) + L" " + std::to_wstring(row.place) + L" " +
                        std::to_wstring(row.matchPoints) + L" " + std::to_wstring(row.gamesFor) + L";";
            }
        }
        return text;
    };
    auto whole = [&]() {
        std::wstring text = matchFingerprint(&bracket);
        for (int g = 0; g < bracket.groups.groupCount; g++)
            for (int k = 0; k < stageGroup(&bracket, g)->count; k++)
                text += L"|" + std::wstring(stageGroup(&bracket, g)->entrant[k]);
        return text + L"|";
    };
    // The one with the most group wins, so its name stands in many picks.
    std::wstring renamed;
    int mostWins = -1;
    for (int g = 0; g < bracket.groups.groupCount; g++) {
        StageGroup *group = stageGroup(&bracket, g);
        for (int k = 0; k < group->count; k++) {
            int wins = 0;
            for (int m = 0; m < group->matchCount; m++)
                wins += lstrcmpW(group->match[m].name, group->entrant[k]) == 0;
            if (wins > mostWins) {
                mostWins = wins;
                renamed = group->entrant[k];
            }
        }
    }
    ASSERT_GT(mostWins, 0);
    std::wstring before = whole(), tablesBefore = tables(renamed, L"Pat Renamed");
    markUndoSavePoint(&bracket);

    EXPECT_EQ(0, renameEntrant(&bracket, renamed.c_str(), stageGroup(&bracket, 2)->entrant[0])) << "a group's name";
    EXPECT_EQ(before, whole());
    beginUndoStep(&bracket, 0);
    ASSERT_EQ(1, renameEntrant(&bracket, renamed.c_str(), L"Pat Renamed"));
    endUndoStep(&bracket);
    EXPECT_EQ(tablesBefore, tables(L"", L""));
    EXPECT_EQ(std::wstring::npos, whole().find(L"|" + renamed + L"|")) << "no trace of the old name";
    EXPECT_NE(std::wstring::npos, matchFingerprint(&bracket).find(L"Pat Renamed")) << "the winners carry it";

    ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
    EXPECT_EQ(before, whole());
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(GroupEventTest, TheKnockoutFillsWhenAGroupIsDecidedAndAChangeNamesWhatItWouldClear)
{
    // Four groups of four, two through: 1A-2B, 1C-2D | 1B-2A, 1D-2C.
    buildEvent(16, 4, 2, RULES_TABLE_TENNIS);
    StageGroup *a = stageGroup(&bracket, 0);
    // Entrant 1 wins everything, 2 beats 3 and 4, 3 beats 4.
    for (int m = 0; m < a->matchCount; m++) {
        int home, away;
        groupMatchEntrants(a, m, &home, &away);
        EXPECT_EQ(L"", std::wstring(slot(1)->name)) << "group A is not decided yet";
        ASSERT_EQ(1, setGroupMatchResult(&bracket, 0, m, home < away ? GROUP_HOME_WON : GROUP_AWAY_WON, L"3:0",
                                         OUTCOME_PLAYED));
    }
    EXPECT_EQ(std::wstring(a->entrant[0]), slot(1)->name);
    EXPECT_EQ(std::wstring(a->entrant[1]), slot(6)->name);
    EXPECT_EQ(L"", std::wstring(slot(2)->name)) << "2B waits for group B";
    for (int g = 1; g < 4; g++)
        for (int m = 0; m < stageGroup(&bracket, g)->matchCount; m++)
            ASSERT_EQ(1, setGroupMatchResult(&bracket, g, m, GROUP_HOME_WON, L"3:1", OUTCOME_PLAYED));
    for (int g = 1; g < 4; g++)
        drawLots(g);
    playKnockoutRound();
    playKnockoutRound();
    ASSERT_EQ(std::wstring(a->entrant[0]), slot(15)->name) << "A's winner took the final by the left side";

    // A score changed without changing who goes through clears nothing.
    int match12 = 0, home, away;
    for (int m = 0; m < a->matchCount; m++)
        if (groupMatchEntrants(a, m, &home, &away) && home + away == 3)
            match12 = m;
    groupMatchEntrants(a, match12, &home, &away);
    int firstWins = home == 1 ? GROUP_HOME_WON : GROUP_AWAY_WON;
    int secondWins = home == 1 ? GROUP_AWAY_WON : GROUP_HOME_WON;
    BracketNode *cleared[8];
    EXPECT_EQ(0, knockoutResultsCleared(&bracket, 0, match12, firstWins, L"3:2", OUTCOME_PLAYED, cleared, 8));
    // Entrant 2 beating 1 swaps A's first and second: the picks that
    // carried A's winner go, and the match 2A played loses its result.
    std::wstring fingerprint = matchFingerprint(&bracket);
    int count = knockoutResultsCleared(&bracket, 0, match12, secondWins, L"3:2", OUTCOME_PLAYED, cleared, 8);
    EXPECT_EQ(fingerprint, matchFingerprint(&bracket)) << "asking changes nothing";
    ASSERT_GE(count, 3);
    std::vector<BracketNode *> named(cleared, cleared + (count < 8 ? count : 8));
    for (BracketNode *node : {slot(9), slot(11), slot(13), slot(15)})
        EXPECT_NE(named.end(), std::find(named.begin(), named.end(), node)) << "match " << node->id;

    // The question: none for the score alone; Cancel keeps all as it was,
    // OK goes ahead; the question names the group and the final's result.
    {
        ScopedDialogAnswer none(IDCANCEL);
        EXPECT_EQ(1, confirmGroupResult(NULL, &bracket, 0, match12, firstWins, L"3:2", OUTCOME_PLAYED));
        EXPECT_EQ(0, none.answer.count);
    }
    {
        ScopedDialogAnswer cancel(IDCANCEL);
        EXPECT_EQ(0, confirmGroupResult(NULL, &bracket, 0, match12, secondWins, L"3:2", OUTCOME_PLAYED));
        EXPECT_EQ(1, cancel.answer.count);
        std::wstring question = cancel.answer.text;
        EXPECT_NE(std::wstring::npos, question.find(L" A")) << utf8(question);
        EXPECT_NE(std::wstring::npos, question.find(std::wstring(a->entrant[0]) + L" 3:0")) << utf8(question);
        EXPECT_EQ(fingerprint, matchFingerprint(&bracket));
    }
    {
        ScopedDialogAnswer ok(IDOK);
        EXPECT_EQ(1, confirmGroupResult(NULL, &bracket, 0, match12, secondWins, L"3:2", OUTCOME_PLAYED));
    }
    ASSERT_EQ(1, setGroupMatchResult(&bracket, 0, match12, secondWins, L"3:2", OUTCOME_PLAYED));
    for (BracketNode *node : named)
        EXPECT_EQ(L"", std::wstring(node->result)) << "match " << node->id << " was cleared as named";
}


// The window: New from list with groups, the knockout's slots closed and
// saying whose place they are, filled as the groups are decided, and the
// event saved and opened again whole.
using GroupEventWindowTest = EditorWindowTest;

std::wstring cueOf(HWND edit)
{
    WCHAR text[64] = L"";
    SendMessageW(edit, EM_GETCUEBANNER, (WPARAM)text, 64);
    return text;
}

TEST_F(GroupEventWindowTest, NewFromListMakesGroupsWhoseWinnersFillTheKnockoutAndReopen)
{
    openEmpty();
    ASSERT_NE(nullptr, window);
    DialogScript script(window, [&](DialogScript &s) {
        HWND list = s.next("the New from list dialog");
        if (!list)
            return;
        s.type(GetDlgItem(list, IDC_LIST_TITLE_EDIT), L"Club groups");
        std::wstring names;
        for (int k = 1; k <= 16; k++)
            names += L"P" + std::to_wstring(k) + L"\r\n";
        s.type(GetDlgItem(list, IDC_LIST_ENTRANTS_EDIT), names);
        HWND format = GetDlgItem(list, IDC_LIST_FORMAT);
        SendMessageW(format, CB_SETCURSEL, 2, 0);
        SendMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_FORMAT, CBN_SELCHANGE), (LPARAM)format);
        if (!IsWindowEnabled(GetDlgItem(list, IDC_LIST_GROUP_COUNT)))
            s.fail("the groups' boxes stay greyed with groups chosen");
        s.type(GetDlgItem(list, IDC_LIST_GROUP_COUNT), L"4");
        s.type(GetDlgItem(list, IDC_LIST_ADVANCING), L"2");
        s.press(list, IDC_LIST_OK);
    });
    command(IDM_FILE_NEW_FROM_LIST);
    ASSERT_EQ("", script.finish());
    ASSERT_EQ(4, bracket.groups.groupCount);
    ASSERT_EQ(8, bracket.slotCount);
    for (int id = 1; id <= 8; id++) {
        EXPECT_FALSE(IsWindowEnabled(control(id))) << "slot " << id;
        EXPECT_EQ(L"", shown(id)) << "slot " << id;
    }
    // 1A-2B, 1C-2D | 1B-2A, 1D-2C: each slot says its group.
    const wchar_t letters[] = L"ABCDBADC";
    for (int id = 1; id <= 8; id++)
        EXPECT_NE(std::wstring::npos, cueOf(control(id)).find(letters[id - 1])) << utf8(cueOf(control(id)));

    // Every group match won by the lower number, through the one call any
    // match takes; group A's slots fill when its last match is decided.
    for (int g = 0; g < 4; g++) {
        StageGroup *group = stageGroup(&bracket, g);
        for (int m = 0; m < group->matchCount; m++) {
            const WCHAR *home, *away;
            groupMatchNames(group, m, &home, &away);
            int first, second;
            groupMatchEntrants(group, m, &first, &second);
            beginUndoStep(&bracket, 0);
            ASSERT_EQ(1, setMatchOutcome(&bracket, &group->match[m], first < second ? home : away, L"3:1",
                                         OUTCOME_PLAYED));
            endUndoStep(&bracket);
            showBaseSlotNames(&bracket);  // as the Match result command does
        }
        EXPECT_EQ(std::wstring(group->entrant[0]), shown(g == 0 ? 1 : g == 1 ? 5 : g == 2 ? 3 : 7));
    }
    EXPECT_EQ(L"P1", shown(1));
    EXPECT_EQ(L"P7", shown(2)) << "B's runner-up: the snake gives B seeds 2, 7, 10, 15";

    // Rename reaches an entrant who stands only in a group: the dialog
    // offers it, and the group's cross table shows the new name.
    DialogScript rename(window, [&](DialogScript &s) {
        HWND dialog = s.next("the Rename entrant dialog");
        if (!dialog)
            return;
        HWND entrants = GetDlgItem(dialog, IDC_CHANGE_ENTRANT);
        LRESULT item = SendMessageW(entrants, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"P16");
        if (item == CB_ERR)
            s.fail("the dialog does not offer P16, who stands only in group A");
        SendMessageW(entrants, CB_SETCURSEL, (WPARAM)item, 0);
        s.type(GetDlgItem(dialog, IDC_CHANGE_OTHER), L"Pia");
        s.press(dialog, IDOK);
    });
    command(IDM_EDIT_RENAME_ENTRANT);
    ASSERT_EQ("", rename.finish());
    EXPECT_EQ(L"Pia", std::wstring(stageGroup(&bracket, 0)->entrant[3]));
    struct Found {
        bool pia = false;
    } found;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            WCHAR text[64] = L"";
            GetWindowTextW(child, text, 64);
            if (lstrcmpW(text, L"4  Pia") == 0)
                ((Found *)context)->pia = true;
            return TRUE;
        },
        (LPARAM)&found);
    EXPECT_TRUE(found.pia) << "group A's row 4 shows the new name";

    std::wstring path = folder.file(L"groups.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    std::wstring before = matchFingerprint(&bracket);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(before, matchFingerprint(&bracket));
    EXPECT_EQ(L"P1", shown(1));
    EXPECT_FALSE(IsWindowEnabled(control(1))) << "the groups still fill the knockout after opening";
}

}  // namespace
