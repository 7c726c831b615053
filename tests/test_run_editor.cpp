// The editor's run between start-up and teardown, in process: the main
// window runs modally from the module's template, and without a bracket
// record it does not run at all.
#include <gtest/gtest.h>

#include "app/run_editor.h"
#include "support/dialog_answer.h"
#include "support/dialog_script.h"
#include "support/failing_allocation.h"
#include "support/temp_folder.h"

namespace {

TEST(RunEditor, WithoutABracketRecordNoWindowRunsAtAll)
{
    // Refused, so a wrongly started window cannot hang the test.
    ScopedDialogAnswer mainWindows(DIALOG_REFUSED);
    int result;
    {
        FailingAllocations failing;
        result = runEditor(GetModuleHandleW(NULL));
    }
    EXPECT_EQ(0, result);
    EXPECT_EQ(0, mainWindows.answer.count) << "the main window must not be started with no bracket";
}

// The real template, run modally; the script plays the user who opens a
// new bracket (so slot controls exist) and exits without saving.
TEST(RunEditor, RunsTheMainWindowUntilExitAndTearsEverythingDown)
{
    // Recovery copies left by other runs would be offered first: this run
    // keeps its own, in a folder of its own.
    TempFolder appData;
    SetEnvironmentVariableW(L"LOCALAPPDATA", appData.path.c_str());
    CoInitialize(NULL);
    HWND seenMain = NULL;
    DialogScript script(GetCurrentProcessId(), [&](DialogScript &s) {
        HWND main = s.next("the main window");
        // Run with arguments of its own (CTest's filter), this program hands
        // the editor a start-up file that does not exist: the editor says so
        // before its window shows, and the window then stands empty.
        if (main && !GetMenu(main)) {
            s.press(main, IDOK);
            main = s.next("the main window");
        }
        seenMain = main;
        if (!main)
            return;
        s.handled(main);
        EXPECT_EQ(L"Duelmark", DialogScript::caption(main));
        PostMessageW(main, WM_COMMAND, 30, 0);
        HWND setup = s.next("the setup dialog");
        s.type(GetDlgItem(setup, 11), L"Short-lived");
        s.press(setup, 12);
        HWND edit = NULL;
        for (DWORD start = GetTickCount(); !edit && GetTickCount() - start < 30000; Sleep(50))
            edit = FindWindowExW(main, NULL, L"Edit", NULL);
        EXPECT_NE(nullptr, edit) << "New must have laid out slots";
        PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
        HWND question = s.next("the save-changes question");
        s.press(question, IDNO);
    });
    EXPECT_EQ(1, runEditor(GetModuleHandleW(NULL)));
    EXPECT_EQ("", script.finish());
    EXPECT_FALSE(IsWindow(seenMain)) << "the main window is gone after the run";
    CoUninitialize();
    SetEnvironmentVariableW(L"LOCALAPPDATA", NULL);
}

} // namespace
