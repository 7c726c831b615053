// Notifications that reach the main window while a layout is being built,
// or from controls that carry no slot, must change nothing: no name, no
// pick, no dirty flag. The window is the real one, with mainDialogProc.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "support/editor_window.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "ui/document/open_bracket.h"

namespace {

const char CUP8_XML[] =
    "<Games><Title>Cup</Title><Teams>8</Teams>"
    "<Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
    "<Team Name=\"E\" id=\"5\"/><Team Name=\"F\" id=\"6\"/><Team Name=\"G\" id=\"7\"/><Team Name=\"H\" id=\"8\"/>"
    "<Team Name=\"A\" id=\"9\"/><Team Name=\"D\" id=\"10\"/><Team Name=\"A\" id=\"13\"/><Team Name=\"A\" id=\"15\"/>"
    "</Games>";

HWND mainWindow;
int notificationsSent;

// Sends every slot notification a control can raise, as if the user had
// acted on it at that very moment.
void notifyFromEveryChild()
{
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id == IDC_TEAM_EDIT) {
            SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE), (LPARAM)child);
            notificationsSent++;
        } else if (id == IDC_PICK_COMBO) {
            SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)child);
            SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN), (LPARAM)child);
            notificationsSent += 2;
        }
    }
}

// Fires the notifications each time a slot control has just been created,
// before the layout has bound it to its slot.
HHOOK creationHook;
LRESULT CALLBACK afterEachCreation(int code, WPARAM wParam, LPARAM lParam)
{
    CWPRETSTRUCT *call = (CWPRETSTRUCT *)lParam;
    if (code == HC_ACTION && call->message == WM_CREATE && GetParent(call->hwnd) == mainWindow)
        notifyFromEveryChild();
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

struct ReentrancyTest : EditorWindowTest {
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        openEmpty();
        mainWindow = window;
        notificationsSent = 0;
    }
    std::vector<std::wstring> names()
    {
        std::vector<std::wstring> all;
        for (int i = 0; i < 2 * bracket.slotCount - 1; i++)
            all.push_back(bracket.nodeTable[i]->name);
        return all;
    }
};

TEST_F(ReentrancyTest, NotificationsDuringALoadsLayoutChangeNothing)
{
    std::wstring path = folder.file(L"cup.xml");
    writeFileBytes(path, CUP8_XML);
    creationHook = SetWindowsHookExW(WH_CALLWNDPROCRET, afterEachCreation, NULL, GetCurrentThreadId());
    int loaded = loadBracketFile(&bracket, mainWindow, path.c_str());
    UnhookWindowsHookEx(creationHook);
    ASSERT_EQ(1, loaded);
    EXPECT_GT(notificationsSent, 100) << "the hook must have fired during the layout";
    EXPECT_EQ(0, bracket.dirty) << "a load leaves the bracket clean";
    std::vector<std::wstring> expected = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H",
                                          L"A", L"D", L"",  L"",  L"A", L"",  L"A"};
    EXPECT_EQ(expected, names());
}

TEST_F(ReentrancyTest, NotificationsDuringNewsLayoutLeaveAnEmptyBracket)
{
    SetupAnswer user = {L"Fresh", 1, 0, 0};  // 8 teams
    DialogAnswer answer;
    armDialogChooser(&answer, answerSetupThenNo, &user);
    creationHook = SetWindowsHookExW(WH_CALLWNDPROCRET, afterEachCreation, NULL, GetCurrentThreadId());
    SendMessageW(mainWindow, WM_COMMAND, IDM_FILE_NEW, 0);
    UnhookWindowsHookEx(creationHook);
    disarmDialogAnswer();
    ASSERT_EQ(8, bracket.slotCount);
    EXPECT_GT(notificationsSent, 100);
    EXPECT_EQ(std::vector<std::wstring>(15, L""), names()) << "no slot may take a name from a stray notification";
    EXPECT_STREQ(L"Fresh", bracket.title);
}

TEST_F(ReentrancyTest, ControlsWithoutASlotAreIgnored)
{
    std::wstring path = folder.file(L"cup.xml");
    writeFileBytes(path, CUP8_XML);
    ASSERT_EQ(1, loadBracketFile(&bracket, mainWindow, path.c_str()));
    std::vector<std::wstring> before = names();

    // Controls with the slot ids but no slot behind them raise their own
    // notifications: a typed text, a drop-down, a keyboard selection.
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 78, 16, mainWindow,
                                (HMENU)IDC_TEAM_EDIT, NULL, NULL);
    HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
                                 0, 0, 78, 100, mainWindow, (HMENU)IDC_PICK_COMBO, NULL, NULL);
    ASSERT_TRUE(edit && combo);
    SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)L"A");
    SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)L"Stranger");
    SetWindowTextW(edit, L"Stranger");
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(2, SendMessageW(combo, CB_GETCOUNT, 0, 0)) << "a control without a slot is not refilled";
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(before, names());
    EXPECT_EQ(0, bracket.dirty);

    // With no bracket open, even a real slot's notification finds nothing.
    HWND champion = bracket.root.control;
    resetBracket(&bracket);
    SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN), (LPARAM)champion);
    SetWindowTextW(edit, L"Nobody");
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ(0, bracket.slotCount);
}

}  // namespace
