// Copy picture when another program holds the clipboard open.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/picture/picture_clipboard.h"

namespace {

using PictureClipboard = BracketWindowTest;

// The copy fails, says so, and what was on the clipboard stays; once the
// clipboard is free again the copy goes through.
TEST_F(PictureClipboard, ABusyClipboardIsReportedNotPassedOffAsCopied)
{
    build(4, L"Cup", true, false);
    HANDLE opened = CreateEventW(NULL, TRUE, FALSE, NULL), release = CreateEventW(NULL, TRUE, FALSE, NULL);
    std::thread holder([&] {
        OpenClipboard(NULL);
        SetEvent(opened);
        WaitForSingleObject(release, 30000);
        CloseClipboard();
    });
    WaitForSingleObject(opened, 30000);
    DWORD before = GetClipboardSequenceNumber();
    {
        ScopedDialogAnswer box(IDOK);
        EXPECT_EQ(0, copyPictureToClipboard(window, &bracket));
        EXPECT_EQ(1, box.answer.count) << "a failed copy must say so";
        EXPECT_NE(std::wstring::npos, std::wstring(box.answer.text).find(L"Cup")) << utf8(box.answer.text);
    }
    EXPECT_EQ(before, GetClipboardSequenceNumber()) << "the clipboard changed although the copy failed";
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);

    EXPECT_EQ(1, copyPictureToClipboard(window, &bracket));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(PNG_CLIPBOARD_FORMAT)));
}

} // namespace
