// An event in groups on duelmark.exe driven from outside, as an organiser
// runs the day: 16 entrants in 4 groups from New from list, every group
// match decided through Match result on the Groups page, the knockout
// filled from the groups, a group result changed once the knockout has
// started (the editor asks first), saved, reopened with every result.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <commctrl.h>

#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/editor_process.h"
#include "support/temp_folder.h"

namespace {

// One cell of each group match (both of a match's cells carry its id),
// in the page's order.
std::vector<HWND> groupMatchCells(HWND window)
{
    std::vector<HWND> cells;
    std::set<LONG_PTR> seen;
    HWND page = GetDlgItem(window, IDC_GROUPS_PAGE);
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == IDC_GROUP_CELL && seen.insert(GetWindowLongPtrW(child, GWLP_USERDATA)).second)
            cells.push_back(child);
    }
    return cells;
}

// Match result on the focused group match: the entrant with the lower
// number wins (so every group ends in seed order) unless upset is set.
std::string decideFocused(Editor &editor, bool upset, const std::function<void(DialogScript &)> &question = {})
{
    return editor.command(IDM_EDIT_MATCH_RESULT, [&](DialogScript &s) {
        HWND dialog = s.next("a group match's Match result dialog");
        if (!dialog)
            return;
        std::wstring first = Editor::text(GetDlgItem(dialog, IDC_RESULT_FIRST_TEAM));
        std::wstring second = Editor::text(GetDlgItem(dialog, IDC_RESULT_SECOND_TEAM));
        std::wstring winner = (first < second) != upset ? first : second;
        HWND combo = GetDlgItem(dialog, IDC_RESULT_WINNER);
        LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)winner.c_str());
        if (index == CB_ERR)
            s.fail("no choice " + DialogScript::narrow(winner));
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        s.type(GetDlgItem(dialog, IDC_RESULT_TEXT), L"3:1");
        s.press(dialog, IDOK);
        if (question)
            question(s);
    });
}

TEST(GroupsSession, AGroupsDayFromListToReopenedResults)
{
    TempFolder folder;
    std::wstring saved = folder.file(L"spring.xml");
    std::wstring list;
    for (int k = 1; k <= 16; k++)
        list += std::wstring(L"P") + (k < 10 ? L"0" : L"") + std::to_wstring(k) + L"\r\n";
    {
        Editor editor;
        ASSERT_TRUE(editor.start(L""));
        ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
        EXPECT_EQ("", editor.command(IDM_FILE_NEW_FROM_LIST, [&](DialogScript &s) {
            HWND d = s.next("New from list");
            if (!d)
                return;
            s.type(GetDlgItem(d, IDC_LIST_TITLE_EDIT), L"Spring");
            s.type(GetDlgItem(d, IDC_LIST_ENTRANTS_EDIT), list);
            // "Groups, then knockout", four groups of which two go through.
            HWND format = GetDlgItem(d, IDC_LIST_FORMAT);
            SendMessageW(format, CB_SETCURSEL, 2, 0);
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_LIST_FORMAT, CBN_SELCHANGE), (LPARAM)format);
            s.type(GetDlgItem(d, IDC_LIST_GROUP_COUNT), L"4");
            s.type(GetDlgItem(d, IDC_LIST_ADVANCING), L"2");
            s.press(d, IDC_LIST_OK);
        }));
        std::vector<HWND> cells;
        for (DWORD start = GetTickCount(); cells.size() < 24 && GetTickCount() - start < 30000; Sleep(50))
            cells = groupMatchCells(editor.window);
        ASSERT_EQ(24u, cells.size()) << "four groups of four play six matches each";

        for (HWND cell : cells) {
            ASSERT_TRUE(editor.focus(cell));
            EXPECT_EQ("", decideFocused(editor, false));
        }
        // Seeds went into the groups in a snake (A: 1 8 9 16, B: 2 7 10 15,
        // C: 3 6 11 14, D: 4 5 12 13) and every group ended in seed order,
        // so the first eight seeds stand in the knockout.
        std::set<std::wstring> knockout;
        for (HWND edit : editor.baseEdits())
            if (!Editor::text(edit).empty())
                knockout.insert(Editor::text(edit));
        EXPECT_EQ((std::set<std::wstring>{L"P01", L"P02", L"P03", L"P04", L"P05", L"P06", L"P07", L"P08"}), knockout);

        // The knockout's first round is played (P08, group A's runner-up,
        // wins its match; elsewhere the upper entrant), then group A's
        // P08-P09 turns: P09 goes through instead, and the editor names
        // the knockout result that change clears before it clears it.
        HWND tabs = GetDlgItem(editor.window, IDC_STAGE_TABS);
        SendMessageW(tabs, TCM_SETCURFOCUS, 1, 0);
        int played = 0;
        for (HWND combo : editor.picks()) {
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            if (SendMessageW(combo, CB_GETCOUNT, 0, 0) == 2 && Editor::text(combo).empty()) {
                LRESULT p08 = SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"P08");
                SendMessageW(combo, CB_SETCURSEL, p08 == CB_ERR ? 0 : p08, 0);
                SendMessageW(editor.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
                played++;
            }
        }
        EXPECT_LE(4, played) << "the knockout's first round";
        SendMessageW(tabs, TCM_SETCURFOCUS, 0, 0);
        HWND turned = NULL;
        for (HWND cell : groupMatchCells(editor.window)) {
            ASSERT_TRUE(editor.focus(cell));
            std::string asked;
            std::string failures = editor.command(IDM_EDIT_MATCH_RESULT, [&](DialogScript &s) {
                HWND dialog = s.next("a group match's Match result dialog");
                if (!dialog)
                    return;
                std::wstring pair = Editor::text(GetDlgItem(dialog, IDC_RESULT_FIRST_TEAM)) + L"-" +
                                    Editor::text(GetDlgItem(dialog, IDC_RESULT_SECOND_TEAM));
                if (pair != L"P08-P09" && pair != L"P09-P08") {
                    s.press(dialog, IDCANCEL);
                    return;
                }
                turned = cell;
                HWND combo = GetDlgItem(dialog, IDC_RESULT_WINNER);
                SendMessageW(combo, CB_SETCURSEL,
                             SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"P09"), 0);
                s.press(dialog, IDOK);
                HWND question = s.next("the question naming the knockout result cleared");
                if (!question)
                    return;
                asked = DialogScript::narrow(DialogScript::messageText(question));
                s.press(question, IDOK);
            });
            EXPECT_EQ("", failures);
            if (turned) {
                EXPECT_NE(std::string::npos, asked.find("P08")) << "P08's knockout win is named: " << asked;
                break;
            }
        }
        ASSERT_NE(nullptr, turned) << "P08-P09 was not found on the Groups page";
        bool p09Through = false;
        for (HWND edit : editor.baseEdits())
            p09Through |= Editor::text(edit) == L"P09";
        EXPECT_TRUE(p09Through) << "the runner-up of group A changed";

        EXPECT_EQ("", editor.command(IDM_FILE_SAVE, [&](DialogScript &s) {
            s.chooseFile(s.next("the Save dialog"), saved);
        }));
        EXPECT_EQ("", editor.command(IDCANCEL));
        EXPECT_TRUE(editor.endedCleanly());
    }

    // Reopened: every group match shows its result on both of its cells.
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(saved, L"Duelmark - spring"));
    int shown = 0, cells = 0;
    HWND page = GetDlgItem(editor.window, IDC_GROUPS_PAGE);
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == IDC_GROUP_CELL) {
            cells++;
            shown += !Editor::text(child).empty();
        }
    }
    EXPECT_EQ(48, cells);
    EXPECT_EQ(48, shown) << "a result missing after reopening";
    EXPECT_EQ("", editor.command(IDCANCEL));
    EXPECT_TRUE(editor.endedCleanly());
}

}  // namespace
