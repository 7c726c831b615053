// View > Hall display on the real main window: a borderless window over a
// whole monitor, owned by the editor, that leaves the editor usable and
// closes with Esc, F11 or the editor. On a real display, F11 typed in the
// editor opens it, a pick made in the editor changes its pixels within a
// second, and F11 typed on it closes it.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "support/on_display.h"
#include "ui/picture/hall_display.h"

namespace {

struct HallDisplayTest : EditorWindowTest {
    HWND openDisplay()
    {
        command(IDM_VIEW_HALL_DISPLAY);
        return state.hallDisplay;
    }
};

// The display's client area as it is on the screen, 0x00RRGGBB.
std::vector<DWORD> pixels(HWND display)
{
    RECT client;
    GetClientRect(display, &client);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC screen = GetDC(display);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> out((const DWORD *)bits, (const DWORD *)bits + client.right * client.bottom);
    for (DWORD &pixel : out)
        pixel &= 0xFFFFFF;
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(display, screen);
    return out;
}

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

TEST_F(HallDisplayTest, CoversAMonitorBorderlessAndClosesWithEscF11OrTheEditor)
{
    openOn(SIXTEEN_TEAMS_XML);
    HWND display = openDisplay();
    ASSERT_NE(nullptr, display);
    EXPECT_EQ(display, FindWindowW(HALL_DISPLAY_CLASS, NULL));
    EXPECT_TRUE(IsWindowVisible(display));
    LONG style = GetWindowLongW(display, GWL_STYLE);
    EXPECT_EQ(0, style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << "the display has a frame";
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(display, MONITOR_DEFAULTTONEAREST), &monitor));
    RECT placed;
    GetWindowRect(display, &placed);
    EXPECT_TRUE(EqualRect(&monitor.rcMonitor, &placed)) << "the display does not cover its monitor";
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

TEST_F(HallDisplayTest, FollowsAPickWithinASecondOnDisplay)
{
    SKIP_UNLESS_ON_DISPLAY();
    openOn(SIXTEEN_TEAMS_XML);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(control(1));
    pumpMessages(window, 200);
    sendKey(VK_F11);
    pumpMessages(window, 500);
    HWND display = state.hallDisplay;
    ASSERT_NE(nullptr, display) << "F11 in the editor did not open the display";
    std::vector<DWORD> before = pixels(display);
    EXPECT_GT(darkPixels(before), before.size() / 1000) << "the display shows no bracket";

    ASSERT_TRUE(pickItem(17, 1));
    DWORD start = GetTickCount(), waited = 0;
    std::vector<DWORD> after = before;
    while (after == before && waited < 5000) {
        pumpMessages(window, 20);
        after = pixels(display);
        waited = GetTickCount() - start;
    }
    EXPECT_NE(before, after) << "the pick never showed on the display";
    EXPECT_LT(waited, 1000u) << "the pick took " << waited << " ms to show";
    printf("the pick showed on the display after %lu ms\n", waited);

    // On the editor's only monitor the display took the keyboard: F11
    // typed now reaches it.
    SetForegroundWindow(display);
    pumpMessages(window, 200);
    sendKey(VK_F11);
    pumpMessages(window, 500);
    EXPECT_FALSE(IsWindow(display)) << "F11 typed on the display left it open";
}

} // namespace
