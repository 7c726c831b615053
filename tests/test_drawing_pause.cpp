// Drawing held back while controls come and go: a shown window is held and
// shown again, a hidden or already-held one is left alone, and New, Close
// and a load on the real main window each end with the window and every
// slot control shown, the layout never releasing a hold the reader made.
#include <windows.h>
#include <gtest/gtest.h>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "support/editor_window.h"
#include "ui/common/document_state.h"
#include "ui/window/drawing_pause.h"
#include "ui/main_dialog.h"
#include "ui/document/open_bracket.h"

namespace {

// WM_SETREDRAW as the main window receives it, in order: 'F' for off, 'T'
// for on; and how often it was painted.
HHOOK redrawHook;
HWND watched;
std::string redraws;
int paints;
LRESULT CALLBACK noteRedraw(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *message = (const CWPSTRUCT *)lParam;
    if (code == HC_ACTION && message->hwnd == watched && message->message == WM_SETREDRAW)
        redraws += message->wParam ? 'T' : 'F';
    paints += code == HC_ACTION && message->hwnd == watched && message->message == WM_PAINT;
    return CallNextHookEx(redrawHook, code, wParam, lParam);
}

// Holds in turn, off then on, at least holds of them. Work that outlasts a
// blink has the window drawn once in a while, an on and off of its own.
bool heldInTurn(const std::string &sequence, size_t holds)
{
    return sequence.size() >= 2 * holds && sequence.front() == 'F' && sequence.back() == 'T' &&
           sequence.find("FF") == std::string::npos && sequence.find("TT") == std::string::npos;
}

struct DrawingPauseTest : EditorWindowTest {
    // The setup dialog gets "Cup" and 16 teams, the save-changes question No.
    SetupAnswer user = {L"Cup", 2, 0, 0};
    DialogAnswer answer;

    void SetUp() override
    {
        EditorWindowTest::SetUp();
        openEmpty();
        ASSERT_TRUE(IsWindowVisible(window)) << "the main window's template shows it";
        watched = window;
        redraws.clear();
        redrawHook = SetWindowsHookExW(WH_CALLWNDPROC, noteRedraw, NULL, GetCurrentThreadId());
        armDialogChooser(&answer, answerSetupThenNo, &user);
    }
    void TearDown() override
    {
        disarmDialogAnswer();
        UnhookWindowsHookEx(redrawHook);
        EditorWindowTest::TearDown();
    }
    // Slot controls that are not visible, or -1 when a slot has none.
    int hiddenSlotControls()
    {
        int hidden = 0;
        for (int id = 1; id <= 2 * bracket.slotCount - 1; id++) {
            HWND control = bracket.nodeTable[id - 1]->control;
            if (!control)
                return -1;
            hidden += !IsWindowVisible(control);
        }
        return hidden;
    }
};

TEST_F(DrawingPauseTest, AShownWindowIsHeldAndShownAgainAHiddenOrHeldOneIsLeftAlone)
{
    int paused = pauseDrawing(window);
    EXPECT_EQ(1, paused) << "a shown window is held";
    EXPECT_EQ(0, pauseDrawing(window)) << "a held window is not held twice";
    resumeDrawing(window, 0);
    EXPECT_FALSE(IsWindowVisible(window)) << "resuming a pause that did nothing released the outer hold";
    resumeDrawing(window, paused);
    EXPECT_TRUE(IsWindowVisible(window)) << "the window is shown again";
    EXPECT_EQ("FT", redraws);

    ShowWindow(window, SW_HIDE);
    redraws.clear();
    paused = pauseDrawing(window);
    resumeDrawing(window, paused);
    EXPECT_EQ(0, paused);
    EXPECT_FALSE(IsWindowVisible(window)) << "a window not shown yet must stay hidden";
    EXPECT_EQ("", redraws);
}

TEST_F(DrawingPauseTest, NewAndCloseOnAShownWindowHoldDrawingAndLeaveEverythingShown)
{
    SendMessageW(window, WM_COMMAND, IDM_FILE_NEW, 0);
    ASSERT_EQ(16, bracket.slotCount) << "New did not build the 16-team bracket";
    EXPECT_TRUE(heldInTurn(redraws, 2)) << "held around the reset and around the controls' creation";
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(0, hiddenSlotControls()) << "every slot control is shown";

    redraws.clear();
    SendMessageW(window, WM_COMMAND, IDM_FILE_CLOSE, 0);
    ASSERT_EQ(0, bracket.slotCount) << "Close did not empty the bracket";
    EXPECT_EQ("FT", redraws) << "held around the reset";
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(DrawingPauseTest, ALoadIsHeldOnceTheLayoutInsideAddsNoHoldOfItsOwn)
{
    std::wstring path = folder.file(L"cup.xml");
    writeFileBytes(path, "<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/>"
                         "<Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/></Games>");
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_TRUE(heldInTurn(redraws, 1)) << "the layout released the reader's hold before the load was done";
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(0, hiddenSlotControls()) << "every slot control is shown";
}

// A layout that outlasts a blink (its first control takes a second here,
// as on a slow machine) runs under the wait cursor, and the window is drawn
// as it stands before the last control is made.
int creations, underWait, paintsAtFirst, paintsAtLast;
LRESULT CALLBACK slowCreation(int code, WPARAM wParam, LPARAM lParam)
{
    const CREATESTRUCTW *create = ((CBT_CREATEWNDW *)lParam)->lpcs;
    if (code == HCBT_CREATEWND && create->hwndParent == watched && (create->style & WS_CHILD)) {
        if (creations++ == 0) {
            for (DWORD start = GetTickCount(); GetTickCount() - start < 1000;)
                Sleep(10);
            paintsAtFirst = paints;
        }
        underWait += GetCursor() == LoadCursorW(NULL, IDC_WAIT);
        paintsAtLast = paints;
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_F(DrawingPauseTest, ALongLayoutShowsTheWaitCursorAndDrawsTheWindowAsItGoes)
{
    creations = underWait = 0;
    SetCursor(LoadCursorW(NULL, IDC_ARROW));
    HHOOK slow = SetWindowsHookExW(WH_CBT, slowCreation, NULL, GetCurrentThreadId());
    SendMessageW(window, WM_COMMAND, IDM_FILE_NEW, 0);
    UnhookWindowsHookEx(slow);
    ASSERT_EQ(16, bracket.slotCount) << "New did not build the 16-team bracket";
    EXPECT_EQ(creations, underWait) << "every control was made under the wait cursor";
    EXPECT_GT(paintsAtLast, paintsAtFirst) << "the window was not drawn while its controls were being made";
    EXPECT_NE(LoadCursorW(NULL, IDC_WAIT), GetCursor()) << "the wait cursor outlived the work";
}

}  // namespace
