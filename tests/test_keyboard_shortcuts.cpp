// Keys in the real main window, through the dialog loop's message filter:
// shortcuts typed for real (SendInput, on a display of its own), and Up and
// Down on a pick whose list was never opened.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "res/resource.h"
#include "support/bracket_invariants.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "support/on_display.h"
#include "ui/main_dialog.h"

namespace {

void sendKey(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Presses key with the modifiers held, as fingers would.
void chord(std::vector<WORD> held, WORD key)
{
    for (WORD modifier : held)
        sendKey(modifier, 0);
    sendKey(key, 0);
    sendKey(key, KEYEVENTF_KEYUP);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        sendKey(*it, KEYEVENTF_KEYUP);
}

// A key nothing in the editor answers, sent after the keys under test:
// input arrives in order, so once its release has been taken from the
// window's queue, by whichever message loop runs there, so has every key
// before it.
const WORD SENTINEL_KEY = VK_F24;
std::atomic<int> sentinelsSent{0};
std::atomic<int> sentinelsTaken{0};

LRESULT CALLBACK countSentinels(int code, WPARAM removal, LPARAM lParam)
{
    const MSG *message = (const MSG *)lParam;
    if (code == HC_ACTION && removal == PM_REMOVE && message->message == WM_KEYUP && message->wParam == SENTINEL_KEY)
        sentinelsTaken++;
    return CallNextHookEx(NULL, code, removal, lParam);
}

struct KeyboardShortcutsTest : EditorWindowTest {
    DWORD windowThread = GetCurrentThreadId();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, countSentinels, NULL, GetCurrentThreadId());

    KeyboardShortcutsTest() { sentinelsSent = sentinelsTaken.load(); }
    ~KeyboardShortcutsTest() { UnhookWindowsHookEx(hook); }

    // Waits, from any thread, until the keys sent so far have been handled;
    // the window's own thread pumps meanwhile. Every sentinel sent so far is
    // awaited, not just one more: a dialog script's keys can follow keys the
    // window thread has not taken yet, whose sentinel would otherwise pass
    // for theirs. The limit is generous: on a busy machine input can take
    // seconds to come through.
    void settleKeys()
    {
        int sent = ++sentinelsSent;
        sendKey(SENTINEL_KEY, 0);
        sendKey(SENTINEL_KEY, KEYEVENTF_KEYUP);
        for (DWORD start = GetTickCount(); sentinelsTaken < sent && GetTickCount() - start < 30000;) {
            if (GetCurrentThreadId() == windowThread)
                pumpMessages(window, 0);
            else
                Sleep(10);
        }
    }
    void showAndFocus(int id)
    {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetFocus(control(id));
        settleKeys();
        chord({}, VK_END);  // type after the name, not before it
        settleKeys();
    }
    void keys(std::vector<WORD> held, WORD key)
    {
        chord(held, key);
        settleKeys();
    }
    // A key that reaches the pick's own window procedure, as the dialog loop
    // hands it on; posted, so handled once the queue is empty.
    void arrow(int id, WORD key)
    {
        PostMessageW(control(id), WM_KEYDOWN, key, 1);
        PostMessageW(control(id), WM_KEYUP, key, 0xC0000001);
        pumpMessages(window, 0);
    }
};

TEST_F(KeyboardShortcutsTest, UndoAndRedoKeysWorkFromASlotAndTheWindow)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    showAndFocus(1);
    keys({}, 'X');
    keys({}, 'Y');
    EXPECT_EQ(L"T1xy", name(1)) << "real keys reach the slot";
    EXPECT_EQ(L"", name(17));
    keys({VK_CONTROL}, 'Z');
    EXPECT_EQ(L"T1", name(1)) << "both keystrokes were one step";
    EXPECT_EQ(L"T1", shown(17));
    EXPECT_EQ(0, bracket.dirty);
    keys({VK_CONTROL}, 'Y');
    EXPECT_EQ(L"T1xy", shown(1));
    keys({VK_CONTROL}, 'Z');
    SetFocus(window);
    keys({VK_CONTROL, VK_SHIFT}, 'Z');
    EXPECT_EQ(L"T1xy", shown(1)) << "Ctrl+Shift+Z redoes, from the window itself too";
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(KeyboardShortcutsTest, SaveNewAndOpenKeysRunTheirCommands)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    showAndFocus(2);
    keys({}, 'Q');
    keys({VK_CONTROL}, 'S');
    EXPECT_EQ(0, bracket.dirty) << "Ctrl+S saved to the bracket's file";
    EXPECT_NE(std::string::npos, readFileBytes(state.path).find("T2q"));

    DialogScript saveAs(window, [](DialogScript &s) {
        HWND dialog = s.next("the Save As dialog");
        if (dialog)
            s.press(dialog, IDCANCEL);
    });
    keys({VK_CONTROL, VK_SHIFT}, 'S');
    EXPECT_EQ("", saveAs.finish());

    DialogScript setup(window, [&](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        if (!dialog)
            return;
        // Keys while a modal dialog is up are the dialog's: no undo.
        if (!waitForFocusIn(dialog))
            s.fail("the setup dialog never took the keyboard");
        chord({VK_CONTROL}, 'Z');
        settleKeys();
        s.press(dialog, IDCANCEL);
    });
    keys({VK_CONTROL}, 'N');
    EXPECT_EQ("", setup.finish());
    EXPECT_EQ(L"T2q", name(2));

    DialogScript open(window, [](DialogScript &s) {
        HWND dialog = s.next("the Open dialog");
        if (dialog)
            s.press(dialog, IDCANCEL);
    });
    keys({VK_CONTROL}, 'O');
    EXPECT_EQ("", open.finish());
}

// A satellite made for the first menus has no shortcut table: the
// executable's serves. (Any module without one stands in for it here.)
TEST_F(KeyboardShortcutsTest, AResourceModuleWithoutShortcutsFallsBackToTheExecutables)
{
    SKIP_UNLESS_ON_DISPLAY();
    bracket.resourceModule = GetModuleHandleW(L"kernel32.dll");
    ASSERT_EQ(nullptr, LoadAcceleratorsW(bracket.resourceModule, MAKEINTRESOURCEW(IDR_ACCELERATORS)));
    openOn(SIXTEEN_TEAMS_XML);
    showAndFocus(6);
    keys({}, 'W');
    keys({VK_CONTROL}, 'Z');
    EXPECT_EQ(L"T6", shown(6));
}

// While a pick's list is down, Ctrl+Z is the list's.
TEST_F(KeyboardShortcutsTest, NoShortcutWhileAListIsDown)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    showAndFocus(3);
    keys({}, 'Z');
    showAndFocus(18);
    SendMessageW(control(18), CB_SHOWDROPDOWN, TRUE, 0);
    keys({VK_CONTROL}, 'Z');
    SendMessageW(control(18), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(L"T3z", name(3));
}

// The real modal loop of the editor, not a test's: a slot changed, Ctrl+Z,
// and Exit goes through without a question since undo made it clean.
TEST_F(KeyboardShortcutsTest, TheModalMainWindowTakesShortcuts)
{
    SKIP_UNLESS_ON_DISPLAY();
    std::wstring path = folder.file(L"bracket.xml");
    writeFileBytes(path, SIXTEEN_TEAMS_XML);
    lstrcpyW(state.path, path.c_str());
    std::wstring seen;
    int dirtyAfterUndo = -1;
    std::thread user([&] {
        HWND main = NULL;
        for (DWORD start = GetTickCount(); !main && GetTickCount() - start < 30000; Sleep(25))
            main = FindWindowW(L"#32770", L"Duelmark - Spring Cup");
        if (!main)
            return;
        // Answered once the window is in its modal loop.
        SendMessageW(main, WM_NULL, 0, 0);
        SendMessageW(bracket.nodeTable[4]->control, WM_SETTEXT, 0, (LPARAM)L"Otters");
        waitForFocusIn(main);
        chord({VK_CONTROL}, 'Z');
        settleKeys();
        SendMessageW(main, WM_NULL, 0, 0);
        seen = bracket.nodeTable[4]->name;
        dirtyAfterUndo = bracket.dirty;
        PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    });
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                     (LPARAM)&state);
    user.join();
    EXPECT_EQ(0, result);
    EXPECT_EQ(L"T5", seen);
    EXPECT_EQ(0, dirtyAfterUndo);
}

// The menu state the user sees when a menu opens.
struct MenuStates {
    HWND window;
    HMENU menu;
    MenuStates(HWND owner, int position) : window(owner), menu(GetSubMenu(GetMenu(owner), position))
    {
        SendMessageW(window, WM_INITMENUPOPUP, (WPARAM)menu, MAKELPARAM(position, FALSE));
    }
    bool grey(int id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED; }
};

// What cannot act is grey when its menu opens, and its key does nothing;
// what can act is not.
TEST_F(KeyboardShortcutsTest, CommandsThatCannotActAreGreyAndTheirKeysDoNothing)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    command(IDM_EDIT_LOCK_BASE);
    {
        MenuStates edit(window, 1);
        for (int id : {IDM_EDIT_UNDO, IDM_EDIT_REDO, IDM_EDIT_LOCK_BASE, IDM_EDIT_PASTE_LIST, IDM_EDIT_DRAW_TEAMS})
            EXPECT_TRUE(edit.grey(id)) << "item " << id << " on a locked, unchanged bracket";
        for (int id : {IDM_EDIT_UNLOCK_BASE, IDM_EDIT_TITLE, IDM_EDIT_VALIDATE, IDM_EDIT_CLEAR_PICKS,
                        IDM_EDIT_COPY_PICTURE})
            EXPECT_FALSE(edit.grey(id)) << "item " << id << " on a locked bracket";
    }
    command(IDM_EDIT_UNLOCK_BASE);
    showAndFocus(1);
    keys({}, 'X');
    keys({VK_CONTROL}, 'Z');
    EXPECT_EQ(L"T1", shown(1));
    {
        MenuStates edit(window, 1);
        EXPECT_TRUE(edit.grey(IDM_EDIT_UNDO)) << "everything was undone";
        EXPECT_FALSE(edit.grey(IDM_EDIT_REDO));
        EXPECT_TRUE(edit.grey(IDM_EDIT_UNLOCK_BASE));
        EXPECT_FALSE(edit.grey(IDM_EDIT_LOCK_BASE));
        EXPECT_FALSE(edit.grey(IDM_EDIT_PASTE_LIST));
    }

    command(IDM_FILE_CLOSE);
    {
        MenuStates file(window, 0);
        for (int id : {IDM_FILE_CLOSE, IDM_FILE_SAVE, IDM_FILE_SAVE_AS, IDM_FILE_EXPORT_PICTURE, IDM_FILE_PRINT})
            EXPECT_TRUE(file.grey(id)) << "item " << id << " without a bracket";
        for (int id : {IDM_FILE_NEW, IDM_FILE_OPEN, IDCANCEL})
            EXPECT_FALSE(file.grey(id)) << "item " << id << " without a bracket";
    }
    // Without the check the Save dialog or the print dialog would open.
    DialogScript none(window, [](DialogScript &) {});
    SetForegroundWindow(window);
    keys({VK_CONTROL}, 'S');
    keys({VK_CONTROL, VK_SHIFT}, 'S');
    keys({VK_CONTROL}, 'P');
    EXPECT_EQ("", none.finish());
}

// Shift+Insert, typed for real, takes a list as Ctrl+V does.
TEST_F(KeyboardShortcutsTest, ShiftInsertPastesTheWholeList)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    setClipboardText(L"Lions\r\nTigers\r\nBears");
    showAndFocus(5);
    keys({VK_SHIFT}, VK_INSERT);
    EXPECT_EQ(L"Lions", shown(5));
    EXPECT_EQ(L"Tigers", shown(6));
    EXPECT_EQ(L"Bears", name(7));
}

// Up and Down on a pick never opened choose between its feeders, as they
// would after a drop-down; tabbing across the slots changes nothing shown.
TEST_F(KeyboardShortcutsTest, ArrowsOnAnUnopenedPickChooseBetweenItsFeeders)
{
    openOn(SIXTEEN_TEAMS_XML);
    BracketSnapshot before = takeSnapshot(&bracket, window);
    for (int i = 0; i < 40; i++) {
        PostMessageW(GetFocus() ? GetFocus() : window, WM_KEYDOWN, VK_TAB, 1);
        pumpMessages(window, 0);
    }
    EXPECT_TRUE(sameSnapshot(before, takeSnapshot(&bracket, window)));

    arrow(18, VK_DOWN);
    EXPECT_EQ(L"T3", name(18)) << "the first feeder";
    EXPECT_EQ(L"T3", shown(18));
    arrow(18, VK_DOWN);
    EXPECT_EQ(L"T4", name(18));
    arrow(18, VK_UP);
    EXPECT_EQ(L"T3", name(18));
    arrow(17, VK_DOWN);
    EXPECT_EQ(L"T2", name(17)) << "from the kept pick T1 to the next feeder";
    EXPECT_EQ(L"", name(25)) << "with the cascade of a pick";
    command(IDM_EDIT_UNDO);
    EXPECT_EQ(L"T1", shown(17));
    EXPECT_EQ(L"T1", shown(25));
}

}  // namespace
