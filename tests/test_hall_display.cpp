// View > Hall display on the real main window: a borderless window owned
// by the editor, that leaves the editor usable and closes with Esc, F11 or
// the editor. On a real display, the shipped editor run as its own
// process: F11 typed in it opens the display over the whole screen, a pick
// made in the editor changes the display's pixels, its undo too, and F11
// typed on the display closes it. How fast it follows is the benchmark's
// to measure: a busy machine may take seconds here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_process.h"
#include "support/editor_window.h"
#include "support/on_display.h"
#include "support/sample_brackets.h"
#include "support/screen_pixels.h"
#include "support/temp_folder.h"
#include "ui/picture/hall_display.h"

namespace {

struct HallDisplayTest : EditorWindowTest {
    HWND openDisplay()
    {
        command(IDM_VIEW_HALL_DISPLAY);
        return state.hallDisplay;
    }
};

size_t darkPixels(const std::vector<DWORD> &image)
{
    size_t dark = 0;
    for (DWORD pixel : image)
        dark += (pixel & 0xFF) < 128 && ((pixel >> 8) & 0xFF) < 128 && ((pixel >> 16) & 0xFF) < 128;
    return dark;
}

void sendKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

TEST_F(HallDisplayTest, IsBorderlessOwnedAndClosesWithEscF11OrTheEditor)
{
    openOn(SIXTEEN_TEAMS_XML);
    HWND display = openDisplay();
    ASSERT_NE(nullptr, display);
    EXPECT_EQ(display, FindWindowW(HALL_DISPLAY_CLASS, NULL));
    EXPECT_TRUE(IsWindowVisible(display));
    LONG style = GetWindowLongW(display, GWL_STYLE);
    EXPECT_EQ(0, style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << "the display has a frame";
    EXPECT_EQ(window, GetWindow(display, GW_OWNER));

    // The editor goes on taking picks and commands meanwhile.
    EXPECT_TRUE(IsWindowEnabled(window));
    ASSERT_TRUE(pickItem(17, 1));
    EXPECT_EQ(L"T2", name(17));
    command(IDM_EDIT_UNDO);
    EXPECT_EQ(L"T1", name(17));

    SendMessageW(display, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(display)) << "Esc left the display open";
    EXPECT_EQ(nullptr, state.hallDisplay);

    display = openDisplay();
    SendMessageW(display, WM_KEYDOWN, VK_F11, 0);
    EXPECT_FALSE(IsWindow(display)) << "F11 left the display open";

    display = openDisplay();
    ASSERT_NE(nullptr, display);
    command(IDM_VIEW_HALL_DISPLAY);
    EXPECT_FALSE(IsWindow(display)) << "the command did not close the display again";

    display = openDisplay();
    DestroyWindow(window);
    window = NULL;
    EXPECT_FALSE(IsWindow(display)) << "the display outlived the editor";
}

// The display repaints as soon as the editor changes anything, a bracket
// closed included, and rests while nothing changes.
TEST_F(HallDisplayTest, RepaintsOnEveryChangeAndRestsBetween)
{
    openOn(SIXTEEN_TEAMS_XML);
    HWND display = openDisplay();
    ASSERT_NE(nullptr, display);
    auto waiting = [&] {
        RECT area;
        return GetUpdateRect(display, &area, FALSE) != 0;
    };
    UpdateWindow(display);
    MSG message;
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_FALSE(waiting()) << "the display repaints with nothing changed";
    ASSERT_TRUE(pickItem(17, 1));
    EXPECT_TRUE(waiting()) << "a pick";
    UpdateWindow(display);
    command(IDM_EDIT_UNDO);
    EXPECT_TRUE(waiting()) << "an undo";
    UpdateWindow(display);
    command(IDM_FILE_CLOSE);
    ASSERT_EQ(0, bracket.slotCount);
    EXPECT_TRUE(waiting()) << "the bracket closed";
}

// A draw too large to read whole turns its pages with the arrow keys; one
// that fits whole, with no court in use, has one page and stays put.
TEST_F(HallDisplayTest, ArrowKeysTurnThePagesOfADrawTooLargeToReadWhole)
{
    std::string xml = "<Games><Title>Open</Title><Teams>128</Teams>";
    for (int id = 1; id <= 128; id++)
        xml += "<Team Name=\"Club " + std::to_string(id) + "\" id=\"" + std::to_string(id) + "\"/>";
    openOn((xml + "</Games>").c_str());
    HWND display = openDisplay();
    ASSERT_NE(nullptr, display);
    auto turnsOn = [&](WPARAM key) {
        UpdateWindow(display);
        SendMessageW(display, WM_KEYDOWN, key, 0);
        RECT area;
        return GetUpdateRect(display, &area, FALSE) != 0;
    };
    EXPECT_TRUE(turnsOn(VK_RIGHT)) << "Right did not turn the page";
    EXPECT_TRUE(turnsOn(VK_LEFT)) << "Left did not turn the page";
    SendMessageW(display, WM_KEYDOWN, VK_ESCAPE, 0);

    // Left alone, the pages turn on their own after the time the user set.
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Duelmark\\Hall Display", 0, NULL, 0,
                                             KEY_SET_VALUE, NULL, &key, NULL));
    DWORD seconds = 3;
    RegSetValueExW(key, L"Seconds per page", 0, REG_DWORD, (const BYTE *)&seconds, sizeof seconds);
    display = openDisplay();
    ASSERT_NE(nullptr, display);
    UpdateWindow(display);
    DWORD opened = GetTickCount();
    bool turned = false;
    while (!turned && GetTickCount() - opened < 30000) {
        MSG message;
        if (!PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            Sleep(20);
            continue;
        }
        bool tick = message.hwnd == display && message.message == WM_TIMER;
        DispatchMessageW(&message);
        RECT area;
        turned = tick && GetUpdateRect(display, &area, FALSE);
    }
    RegDeleteValueW(key, L"Seconds per page");
    RegCloseKey(key);
    EXPECT_TRUE(turned) << "the pages did not turn on their own";
    EXPECT_GE(GetTickCount() - opened, 2500u) << "a page did not get its time";
    SendMessageW(display, WM_KEYDOWN, VK_ESCAPE, 0);

    openOn("<Games><Title>Cup</Title><Teams>2</Teams><Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/>"
           "<Team Name=\"\" id=\"3\"/></Games>");
    display = openDisplay();
    ASSERT_NE(nullptr, display);
    EXPECT_FALSE(turnsOn(VK_RIGHT)) << "a picture shown whole has no other page";
}

// The hall display window of process, once it is shown; NULL after a
// generous wait.
HWND waitForDisplay(DWORD process)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(20)) {
        for (HWND w = FindWindowW(HALL_DISPLAY_CLASS, NULL); w; w = FindWindowExW(NULL, w, HALL_DISPLAY_CLASS, NULL)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process && IsWindowVisible(w))
                return w;
        }
    }
    return NULL;
}

TEST(HallDisplayEndToEnd, FollowsAPickInTheEditorWithinASecond)
{
    SKIP_UNLESS_ON_DISPLAY();
    TempFolder folder;
    std::wstring file = folder.file(L"cup.xml");
    writeFileBytes(file, CUP_XML);
    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Cup"));
    // A key goes to the foreground window: on a busy machine the new
    // process's window may take a while to become it.
    for (DWORD start = GetTickCount(); GetForegroundWindow() != editor.window && GetTickCount() - start < 30000;
         Sleep(50))
        SetForegroundWindow(editor.window);
    SetFocus(editor.baseEdits()[0]);
    sendKey(VK_F11);
    HWND display = waitForDisplay(editor.process.dwProcessId);
    ASSERT_NE(nullptr, display) << "F11 in the editor did not open the display";
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(display, MONITOR_DEFAULTTONEAREST), &monitor));
    RECT placed;
    GetWindowRect(display, &placed);
    EXPECT_TRUE(EqualRect(&monitor.rcMonitor, &placed)) << "the display does not cover the monitor";

    // The display paints at once from a picture drawn off screen: white
    // paper to its corners, with the bracket in dark ink.
    std::vector<DWORD> before;
    auto painted = [&] { return before[0] == 0xFFFFFF && darkPixels(before) > before.size() / 1000; };
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(50)) {
        before = screenPixels(NULL, placed);
        if (painted())
            break;
    }
    ASSERT_TRUE(painted()) << "the display shows no bracket on white";

    // The right semi-final: D, where the bracket had no pick.
    editor.pick(editor.picks()[1], L"D");
    DWORD start = GetTickCount(), waited = 0;
    std::vector<DWORD> after = before;
    while (after == before && waited < 20000) {
        Sleep(20);
        after = screenPixels(NULL, placed);
        waited = GetTickCount() - start;
    }
    EXPECT_NE(before, after) << "the pick never showed on the display";
    printf("the pick showed on the display after %lu ms\n", waited);

    // Undone, the display shows the bracket as it was.
    EXPECT_EQ("", editor.command(IDM_EDIT_UNDO));
    for (start = GetTickCount(); after != before && GetTickCount() - start < 5000; Sleep(20))
        after = screenPixels(NULL, placed);
    EXPECT_EQ(before, after) << "the undone pick stayed on the display";

    // Alone on the screen the display took the keyboard: F11 closes it.
    for (start = GetTickCount(); GetForegroundWindow() != display && GetTickCount() - start < 30000; Sleep(50))
        SetForegroundWindow(display);
    sendKey(VK_F11);
    for (start = GetTickCount(); IsWindow(display) && GetTickCount() - start < 30000;)
        Sleep(20);
    EXPECT_FALSE(IsWindow(display)) << "F11 typed on the display left it open";
    PostMessageW(editor.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.endedCleanly()) << "back at the loaded file, the editor should close without a question";
}

} // namespace
