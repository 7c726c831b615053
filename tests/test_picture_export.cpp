// Export picture on a real main window: what a failed export tells the
// user, and that the picture commands wait for an open bracket.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "ui/picture/picture_export.h"

namespace {

using PictureExport = BracketWindowTest;

// The message names the file and the platform's reason; the old file
// stays as it was.
TEST_F(PictureExport, AFailedExportSaysSoNamingTheFile)
{
    build(4, L"Cup", true, false);
    std::wstring locked = pathOf(L"locked.png");
    writeFileBytes(locked, "old picture");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    std::wstring missing = pathOf(L"gone\\cup.png");
    for (const std::wstring &path : {locked, missing}) {
        ScopedDialogAnswer box(IDOK);
        EXPECT_EQ(0, exportPictureTo(window, &bracket, path.c_str()));
        ASSERT_EQ(1, box.answer.count) << "one message expected for " << utf8(path);
        std::wstring text = box.answer.text;
        EXPECT_NE(std::wstring::npos, text.find(path)) << "the message should name the file: " << utf8(text);
        EXPECT_GT(text.size(), path.size() + 20) << "the message should give a reason: " << utf8(text);
        EXPECT_EQ(window, box.answer.owner);
        EXPECT_EQ(std::wstring(L"Duelmark"), std::wstring(box.answer.caption));
    }
    EXPECT_EQ("old picture", readFileBytes(locked));

    ScopedDialogAnswer none(IDOK);
    EXPECT_EQ(1, exportPictureTo(window, &bracket, pathOf(L"cup.png").c_str()));
    EXPECT_EQ(0, none.answer.count) << "a successful export shows nothing";
}

// With no bracket open, export, copy and print show no dialog and leave the
// clipboard alone.
TEST_F(PictureExport, PictureCommandsDoNothingWithoutABracket)
{
    DocumentState state = {};
    state.bracket = &bracket;
    state.path[0] = 0;
    // The answering hook would take the new main window for a box.
    disarmDialogAnswer();
    HWND main = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                   (LPARAM)&state);
    resumeDialogAnswer(&unexpected);
    ASSERT_NE(nullptr, main);
    DWORD clipboard = GetClipboardSequenceNumber();
    ScopedDialogAnswer box(IDCANCEL);
    for (WPARAM command : {IDM_FILE_EXPORT_PICTURE, IDM_EDIT_COPY_PICTURE, IDM_FILE_PRINT}) {
        SendMessageW(main, WM_COMMAND, command, 0);
        EXPECT_EQ(0, box.answer.count) << "command " << command << " showed a dialog with no bracket open";
    }
    EXPECT_EQ(clipboard, GetClipboardSequenceNumber()) << "the clipboard changed with no bracket open";
    DestroyWindow(main);
}

} // namespace
