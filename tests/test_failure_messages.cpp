// Commands that fail say what failed and why, on the real main window: a
// file dialog that fails is told from one the user cancelled, and the
// order of play and the hall display say why they could not be copied or
// shown rather than beep or do nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "res/resource.h"
#include "support/dialog_answer.h"
#include "support/editor_window.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/picture/hall_display.h"

namespace {

// Keeps windows of one class from being created on this thread, as a
// system out of resources would.
struct RefusedWindows {
    static const WCHAR *refusedClass;
    static int refused;
    HHOOK hook;
    explicit RefusedWindows(const WCHAR *className)
    {
        refusedClass = className;
        refused = 0;
        hook = SetWindowsHookExW(WH_CBT, refuse, NULL, GetCurrentThreadId());
    }
    ~RefusedWindows() { UnhookWindowsHookEx(hook); }
    static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            WCHAR name[64] = L"";
            GetClassNameW((HWND)wParam, name, 64);
            if (lstrcmpW(name, refusedClass) == 0) {
                refused++;
                return 1;
            }
        }
        return CallNextHookEx(NULL, code, wParam, lParam);
    }
};
const WCHAR *RefusedWindows::refusedClass;
int RefusedWindows::refused;

using FailureMessageTest = EditorWindowTest;

// Open, Save and Export share this call. A dialog the library refuses
// (here for a record of the wrong size, the one failure Wine lets a test
// provoke without crashing) returns what a cancel returns.
TEST_F(FailureMessageTest, AFileDialogThatFailsSaysSoWhereACancelledOneSaysNothing)
{
    openEmpty();
    WCHAR buffer[PATH_CAPACITY];
    OPENFILENAMEW dialog;
    {
        ScopedDialogAnswer cancelled(IDCANCEL);
        fillBracketFileDialog(&dialog, window, buffer, OPEN_DIALOG_FLAGS);
        EXPECT_FALSE(showOpenFileDialog(&dialog, bracket.resourceModule));
        EXPECT_EQ(1, cancelled.answer.count) << "only the Open dialog, cancelled";
    }
    for (auto show : {showOpenFileDialog, showSaveFileDialog}) {
        ScopedDialogAnswer told(IDOK);
        fillBracketFileDialog(&dialog, window, buffer, SAVE_DIALOG_FLAGS);
        dialog.lStructSize = 0;
        EXPECT_FALSE(show(&dialog, bracket.resourceModule));
        EXPECT_EQ(1, told.answer.count) << "a failed dialog must be told from a cancel";
        EXPECT_EQ(window, told.answer.owner);
        EXPECT_NE(nullptr, wcsstr(told.answer.text, L"0x")) << utf8(told.answer.text) << ": the reason, as the system gives it";
    }
}

TEST_F(FailureMessageTest, CopyOrderOfPlaySaysWhyWhileAnotherProgramHoldsTheClipboard)
{
    openOn(SIXTEEN_TEAMS_XML);
    std::atomic<int> stage{0};
    std::thread holder([&] {
        if (OpenClipboard(NULL)) {
            stage = 1;
            while (stage != 2)
                Sleep(1);
            CloseClipboard();
        }
        stage = 3;
    });
    for (int waited = 0; stage == 0 && waited < 10000; waited++)
        Sleep(1);
    ASSERT_EQ(1, stage) << "the other thread holds the clipboard";
    {
        ScopedDialogAnswer told(IDOK);
        command(IDM_EDIT_COPY_ORDER);
        EXPECT_EQ(1, told.answer.count);
        EXPECT_NE(nullptr, wcsstr(told.answer.text, L"Spring Cup")) << utf8(told.answer.text);
    }
    stage = 2;
    holder.join();
}

TEST_F(FailureMessageTest, AHallDisplayThatCannotOpenSaysSo)
{
    openOn(SIXTEEN_TEAMS_XML);
    ScopedDialogAnswer told(IDOK);
    RefusedWindows noDisplay(HALL_DISPLAY_CLASS);
    command(IDM_VIEW_HALL_DISPLAY);
    EXPECT_EQ(nullptr, state.hallDisplay);
    EXPECT_EQ(1, told.answer.count);
    EXPECT_NE(nullptr, wcsstr(told.answer.text, L"Spring Cup")) << utf8(told.answer.text);
}

} // namespace
