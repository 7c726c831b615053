// The Groups page on the real main window: the tab strip, each group's
// cross table and standings read back from the controls, every match
// reached by the keyboard and decided through Match result as one undo step.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "model/change_cascade.h"
#include "model/group_stage.h"
#include "model/match_details.h"
#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "ui/command_table.h"
#include "ui/common/group_marks.h"
#include "ui/document/document.h"

namespace {

struct GroupEvent {
    int rules;
    const WCHAR *names[8];  // group A's four, then group B's
};

int buildTwoGroups(Bracket *bracket, void *context)
{
    const GroupEvent *event = (const GroupEvent *)context;
    const int sizes[2] = {4, 4};
    if (!buildBracket(bracket, 4) || !prepareGroupStage(bracket, 2, sizes, event->rules, 2))
        return 0;
    for (int i = 0; i < 8; i++)
        lstrcpyW(stageGroup(bracket, i / 4)->entrant[i % 4], event->names[i]);
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}

struct GroupsPageTest : EditorWindowTest {
    void openGroups(int rules)
    {
        static const GroupEvent events[RULES_COUNT] = {
            {RULES_TABLE_TENNIS, {L"Ann", L"Bea", L"Cal", L"Dov", L"Eli", L"Fay", L"Gil", L"Hu"}},
            {RULES_BADMINTON, {L"Ann", L"Bea", L"Cal", L"Dov", L"Eli", L"Fay", L"Gil", L"Hu"}},
            {RULES_FOOTBALL, {L"Ann", L"Bea", L"Cal", L"Dov", L"Eli", L"Fay", L"Gil", L"Hu"}},
            {RULES_HEAD_TO_HEAD, {L"Ann", L"Bea", L"Cal", L"Dov", L"Eli", L"Fay", L"Gil", L"Hu"}}};
        openEmpty();
        ASSERT_TRUE(showFreshBracket(window, &state, L"Groups", buildTwoGroups, (void *)&events[rules]));
    }
    HWND page() { return GetDlgItem(window, IDC_GROUPS_PAGE); }
    // The cell in row entrant `row` and column `column` (1-based) of a group.
    HWND cell(int group, int row, int column)
    {
        PairingPlace place;
        StageGroup *stage = stageGroup(&bracket, group);
        if (!findPairing(stage->count, row, column, &place))
            return NULL;
        HWND home = stage->match[place.match].control;
        if (place.home)
            return home;
        // The away cell stands level with the row, in the column's place.
        RECT box;
        GetWindowRect(home, &box);
        for (HWND child = GetWindow(page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT other;
            GetWindowRect(child, &other);
            if (child != home && GetDlgCtrlID(child) == IDC_GROUP_CELL && GetWindowLongPtrW(child, GWLP_USERDATA) ==
                                                                              GetWindowLongPtrW(home, GWLP_USERDATA))
                return child;
        }
        return NULL;
    }
    std::wstring text(HWND control)
    {
        WCHAR shown[128] = L"";
        GetWindowTextW(control, shown, 128);
        return shown;
    }
    HWND standings(int group)
    {
        int seen = 0;
        for (HWND child = GetWindow(page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgCtrlID(child) == IDC_GROUP_STANDINGS && seen++ == group)
                return child;
        return NULL;
    }
    // One row of a group's standings as shown: its columns joined by "|".
    std::wstring standingsRow(int group, int row)
    {
        std::wstring line;
        for (int column = 0; column < 9; column++) {
            WCHAR cellText[64] = L"";
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = cellText;
            item.cchTextMax = 64;
            SendMessageW(standings(group), LVM_GETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
            line += (column ? L"|" : L"") + std::wstring(cellText);
        }
        return line;
    }
    void pressKey(WPARAM key)
    {
        MSG down = {};
        down.hwnd = GetFocus();
        down.message = WM_KEYDOWN;
        down.wParam = key;
        if (!IsDialogMessageW(window, &down)) {
            TranslateMessage(&down);
            DispatchMessageW(&down);
        }
    }
    // Enter on the focused control, as the editor's message loop hands it
    // to the dialog manager; the Match result dialog chooses winner (a
    // name, "Draw" or empty) and types result.
    void decideFocused(const std::wstring &winner, const std::wstring &result)
    {
        DialogScript script(window, [&](DialogScript &s) {
            HWND dialog = s.next("the Match result dialog");
            HWND combo = GetDlgItem(dialog, IDC_RESULT_WINNER);
            // "Draw" comes after the two entrants, in whichever language.
            LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
            LRESULT index = winner == L"Draw" ? (count == 3 ? 2 : CB_ERR)
                                              : SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)winner.c_str());
            EXPECT_NE(CB_ERR, index) << "no choice " << DialogScript::narrow(winner);
            SendMessageW(combo, CB_SETCURSEL, index, 0);
            s.type(GetDlgItem(dialog, IDC_RESULT_TEXT), result);
            s.press(dialog, index == CB_ERR ? IDCANCEL : IDOK);
        });
        pressKey(VK_RETURN);
        EXPECT_EQ("", script.finish());
    }
};

// The tab strip shows only for an event with groups; its pages take
// turns, each hiding the other's controls.
TEST_F(GroupsPageTest, TheTabStripSwitchesBetweenTheGroupsAndTheKnockout)
{
    openOn(SIXTEEN_TEAMS_XML);
    EXPECT_EQ(nullptr, GetDlgItem(window, IDC_STAGE_TABS)) << "a bracket without groups";
    GroupsPageTest::openGroups(RULES_TABLE_TENNIS);
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    ASSERT_NE(nullptr, tabs);
    EXPECT_TRUE(IsWindowVisible(page()));
    EXPECT_FALSE(IsWindowVisible(control(1))) << "the knockout's first slot under the Groups page";
    TabCtrl_SetCurFocus(tabs, 1);
    EXPECT_FALSE(IsWindowVisible(page()));
    EXPECT_TRUE(IsWindowVisible(control(1)));
    RECT tabBox, slotBox;
    GetWindowRect(tabs, &tabBox);
    GetWindowRect(control(1), &slotBox);
    EXPECT_GE(slotBox.top, tabBox.bottom) << "the knockout stands below the tab strip";
    TabCtrl_SetCurFocus(tabs, 0);
    EXPECT_TRUE(IsWindowVisible(page()));
    EXPECT_FALSE(IsWindowVisible(control(1)));
}

// An event opened from its file shows its results at once, the knockout's
// controls hidden under the Groups page even though the file is laid out
// with the window's drawing paused.
TEST_F(GroupsPageTest, AnOpenedEventShowsItsResultsOverAHiddenKnockout)
{
    std::string xml = "<Games><Title>Open</Title><Teams>4</Teams>";
    for (int id = 1; id <= 7; id++)
        xml += "<Team Name=\"\" id=\"" + std::to_string(id) + "\"/>";
    xml += "<Groups Advance=\"2\" Rules=\"table-tennis\">";
    for (const char *group : {"A", "B"}) {
        xml += std::string("<Group Name=\"") + group + "\"><Entrant Name=\"" + group + "1\"/><Entrant Name=\"" + group +
               "2\"/><Entrant Name=\"" + group + "3\"/></Group>";
    }
    xml += "</Groups></Games>";
    // Group A's first match in table order is 1 against 3, won by 3.
    size_t at = xml.find("</Group>");
    xml.insert(at, "<Match Home=\"1\" Away=\"3\" Winner=\"3\" Score=\"11:4 11:5\"/>");
    openOn(xml.c_str());
    ASSERT_NE(nullptr, page());
    EXPECT_TRUE(IsWindowVisible(page()));
    EXPECT_FALSE(GetWindowLongPtrW(control(1), GWL_STYLE) & WS_VISIBLE) << "a knockout slot shows over the page";
    EXPECT_EQ(L"11:4 11:5", text(cell(0, 3, 1)));
    EXPECT_EQ(L"4:11 5:11", text(cell(0, 1, 3)));
    // The knockout's first round is the groups' to fill.
    EXPECT_FALSE(commandCanAct(window, &state, IDM_EDIT_PASTE_LIST));
    EXPECT_FALSE(commandCanAct(window, &state, IDM_EDIT_DRAW_TEAMS));
}

// Group A played out through the keyboard alone: Tab from the tab strip
// reaches every cell of both groups, Enter on a cell decides its match,
// each match one undo step; the cross table shows each result from its
// row's side and the standings follow. By hand, table tennis (a win 2, a
// loss 1): Ann beats everyone (6), Bea Cal and Dov (5; points 16+30+22 for,
// 22+28+12 against), Cal Dov (4), Dov none (3). Without Cal-Dov the two
// are level on 2 with no match between them to tell them apart.
TEST_F(GroupsPageTest, KeyboardReachesEveryMatchAndMatchResultDecidesItAsOneStep)
{
    GroupsPageTest::openGroups(RULES_TABLE_TENNIS);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, IDC_STAGE_TABS));
    std::set<HWND> reached;
    for (int i = 0; i < 60; i++) {
        pressKey(VK_TAB);
        if (GetDlgCtrlID(GetFocus()) == IDC_GROUP_CELL)
            reached.insert(GetFocus());
    }
    EXPECT_EQ(24u, reached.size()) << "Tab: both cells of each of the 12 matches";
    std::set<HWND> walked;
    SetFocus(cell(0, 1, 2));
    for (int i = 0; i < 12; i++) {
        walked.insert(GetFocus());
        pressKey(VK_RIGHT);
    }
    EXPECT_EQ(12u, walked.size()) << "arrows: the 12 cells of group A";

    struct Played {
        int row, column;
        const WCHAR *winner, *result;
    } played[] = {{1, 2, L"Ann", L"11:7 11:9"},  {3, 1, L"Ann", L"11:5 11:5"}, {1, 4, L"Ann", L"11:2 11:3"},
                  {2, 3, L"Bea", L"11:8 8:11 11:9"}, {4, 2, L"Bea", L"11:6 11:6"}, {3, 4, L"Cal", L"11:9 11:9"}};
    int steps = bracket.history.position;
    for (const Played &match : played) {
        SetFocus(cell(0, match.row, match.column));
        decideFocused(match.winner, match.result);
        EXPECT_EQ(++steps, bracket.history.position) << "one undo step per result";
    }
    EXPECT_EQ(L"11:7 11:9", text(cell(0, 1, 2)));
    EXPECT_EQ(L"7:11 9:11", text(cell(0, 2, 1))) << "the loser's row, from the loser's side";
    EXPECT_EQ(L"8:11 11:8 9:11", text(cell(0, 3, 2)));
    EXPECT_EQ(L"1|Ann|3|3|0|0|6:0|66:31|6", standingsRow(0, 0));
    EXPECT_EQ(L"2|Bea|3|2|0|1|4:3|68:62|5", standingsRow(0, 1));
    EXPECT_EQ(L"4|Dov|3|0|0|3|0:6|35:66|3", standingsRow(0, 3));
    EXPECT_EQ(L"Ann", name(1)) << "group A decided: its winner in the knockout";

    SendMessageW(window, WM_COMMAND, IDM_EDIT_UNDO, 0);
    EXPECT_EQ(L"", text(cell(0, 3, 4)));
    EXPECT_EQ(L"=3|Cal|2|0|0|2|1:4|38:52|2", standingsRow(0, 2)) << "Cal and Dov level again";
}

// Football counts draws: "Draw" is offered and shows on both rows, the
// result turned for the away side; table tennis offers no draw. A result
// that cannot be read is marked.
TEST_F(GroupsPageTest, DrawsWhereTheRulesCountThemAndUnreadableResultsMarked)
{
    GroupsPageTest::openGroups(RULES_FOOTBALL);
    SetFocus(cell(1, 1, 2));
    decideFocused(L"Draw", L"2:2");
    EXPECT_EQ(L"2:2", text(cell(1, 1, 2)));
    EXPECT_EQ(L"2:2", text(cell(1, 2, 1)));
    EXPECT_EQ(L"=1|Eli|1|0|1|0|2:2|0:0|1", standingsRow(1, 0));
    SetFocus(cell(1, 3, 4));
    decideFocused(L"Gil", L"two-nil");
    EXPECT_NE(std::wstring::npos, text(cell(1, 3, 4)).find(L"(?)")) << text(cell(1, 3, 4));
}

// The result seen from the other side: each pair turned, nothing else.
TEST(GroupCellTextTest, ResultsTurnPairByPair)
{
    const struct {
        const WCHAR *result, *turned;
    } cases[] = {{L"11:7 9:11 11:5", L"7:11 11:9 5:11"}, {L"3-1", L"1-3"}, {L"6:4, 7:5", L"4:6, 5:7"},
                 {L"w/o", L"w/o"}, {L"21", L"21"}, {L"", L""}};
    for (const auto &c : cases) {
        WCHAR turned[RESULT_CAPACITY];
        turnResultAround(c.result, turned);
        EXPECT_STREQ(c.turned, turned) << DialogScript::narrow(c.result);
    }
}

}  // namespace
