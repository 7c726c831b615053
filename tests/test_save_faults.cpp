// Saves that cannot succeed, asked for by Exit through the save-changes
// question on the real main window: whatever the fault, the user's file
// keeps every byte, no temporary file is left beside it, the changes stay
// unsaved, the window stays open and one message names the file.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "support/editor_window.h"
#include "support/sample_brackets.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"

namespace {

const WCHAR READ_ONLY[] = L"read-only";
const WCHAR HELD_OPEN[] = L"held open";


// Answers the save-changes question Yes and the failed save's message OK,
// keeping the message's text and owner.
int questionsAnswered;
int messagesShown;
std::wstring messageText;
HWND messageOwner;
int answerYes(HWND box, DialogAnswer *answer)
{
    if (GetDlgItem(box, IDYES)) {
        questionsAnswered++;
        return IDYES;
    }
    messagesShown++;
    messageText = answer->text;
    messageOwner = answer->owner;
    return IDOK;
}

struct SaveFaultTest : EditorWindowTest {
    DialogAnswer answer;

    void SetUp() override
    {
        EditorWindowTest::SetUp();
        questionsAnswered = 0;
        messagesShown = 0;
        messageText.clear();
        messageOwner = NULL;
    }
    void TearDown() override
    {
        disarmDialogAnswer();
        EditorWindowTest::TearDown();
    }

    // Opens target as the start-up file and renames a team, so there is
    // something to save.
    void openAndChange(const std::wstring &target)
    {
        writeFileBytes(target, CUP_XML);
        lstrcpynW(state.path, target.c_str(), PATH_CAPACITY);
        openEmpty();
        // Armed once the main window stands, which is no box to answer.
        armDialogChooser(&answer, answerYes, NULL);
        ASSERT_EQ(4, bracket.slotCount) << "the start-up file did not load";
        SetWindowTextW(bracket.nodeTable[2]->control, L"Cora");
        ASSERT_EQ(1, bracket.dirty);
    }

    // The one message of a failed save: owned by the main window, naming
    // the file and giving the platform's reason.
    void expectOneMessageNaming(const std::wstring &target, const WCHAR *reason)
    {
        EXPECT_EQ(1, messagesShown) << "a failed save says so, once";
        EXPECT_EQ(window, messageOwner) << "the message belongs to the main window";
        EXPECT_NE(std::wstring::npos, messageText.find(target)) << "the message must name the file";
        if (reason) {
            WCHAR expected[512] = L"";
            FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                           reason == READ_ONLY ? ERROR_ACCESS_DENIED : ERROR_SHARING_VIOLATION, 0, expected, 512,
                           NULL);
            std::wstring system = expected;
            while (!system.empty() && (system.back() == L'\n' || system.back() == L'\r' || system.back() == L' '))
                system.pop_back();
            EXPECT_FALSE(system.empty());
            EXPECT_NE(std::wstring::npos, messageText.find(system)) << "the message must give the platform's reason";
        }
    }

    // Exit, Yes to the question: the save fails, so nothing may be lost.
    void exitAndExpectNothingLost(const std::wstring &target, const std::string &bytes, const std::string &listing)
    {
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(1, questionsAnswered) << "Exit with changes asks first";
        expectOneMessageNaming(target, nullptr);
        EXPECT_TRUE(IsWindowVisible(window)) << "a failed save must not let Exit go on";
        EXPECT_EQ(1, bracket.dirty) << "the changes are still unsaved";
        EXPECT_STREQ(L"Cora", bracket.nodeTable[2]->name);
        EXPECT_STREQ(target.c_str(), state.path) << "the path stays as it was";
        EXPECT_EQ(bytes, readFileBytes(target)) << "the old file must keep every byte";
        EXPECT_EQ(listing, folderListing(folder.path)) << "no temporary file may be left behind";
    }
};

TEST_F(SaveFaultTest, AReadOnlyTargetIsLeftAlone)
{
    std::wstring target = folder.path + L"\\cup.xml";
    openAndChange(target);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    exitAndExpectNothingLost(target, CUP_XML, "cup.xml");
    expectOneMessageNaming(target, READ_ONLY);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SaveFaultTest, ATargetHeldOpenWithoutSharingIsLeftAlone)
{
    std::wstring target = folder.path + L"\\cup.xml";
    openAndChange(target);
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(window)) << "a failed save must not let Exit go on";
    EXPECT_EQ(1, bracket.dirty);
    expectOneMessageNaming(target, HELD_OPEN);
    CloseHandle(held);
    EXPECT_EQ(CUP_XML, readFileBytes(target));
    EXPECT_EQ("cup.xml", folderListing(folder.path));
}

TEST_F(SaveFaultTest, AFolderThatWentMissingCreatesNothing)
{
    std::wstring inner = folder.path + L"\\gone";
    ASSERT_TRUE(CreateDirectoryW(inner.c_str(), NULL));
    std::wstring target = inner + L"\\cup.xml";
    openAndChange(target);
    DeleteFileW(target.c_str());
    ASSERT_TRUE(RemoveDirectoryW(inner.c_str()));
    exitAndExpectNothingLost(target, "<missing>", "");
}

TEST_F(SaveFaultTest, APathThatNowNamesAFolderIsLeftAlone)
{
    std::wstring target = folder.path + L"\\cup.xml";
    openAndChange(target);
    DeleteFileW(target.c_str());
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), NULL));
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(window)) << "a failed save must not let Exit go on";
    EXPECT_EQ(1, bracket.dirty);
    expectOneMessageNaming(target, nullptr);
    DWORD attributes = GetFileAttributesW(target.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        << "the folder must still be there";
    EXPECT_EQ("cup.xml", folderListing(folder.path));
    RemoveDirectoryW(target.c_str());
}

// Run by full_disk/run_full_disk.sh on a 64 KiB tmpfs (root only).
TEST_F(SaveFaultTest, OnAFullDiskTheOldFileKeepsEveryByte)
{
    WCHAR disk[MAX_PATH];
    if (!GetEnvironmentVariableW(L"DUELMARK_FULL_DISK_FOLDER", disk, MAX_PATH))
        GTEST_SKIP() << "needs the tmpfs that full_disk/run_full_disk.sh mounts";
    removeScratchFolder(folder.path);
    folder.path = disk;
    std::wstring target = folder.path + L"\\cup.xml";
    openAndChange(target);
    // A long title makes the new file larger than the room that is left.
    std::wstring title(250, L'\u676f');
    lstrcpynW(bracket.title, title.c_str(), TITLE_CAPACITY);
    std::wstring filler = folder.path + L"\\filler";
    HANDLE file = CreateFileW(filler.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::string block(512, 'f');
    DWORD written = 0;
    while (WriteFile(file, block.data(), (DWORD)block.size(), &written, NULL) && written == block.size())
        ;
    CloseHandle(file);
    exitAndExpectNothingLost(target, CUP_XML, "cup.xml filler");
    DeleteFileW(filler.c_str());
    DeleteFileW(target.c_str());
    folder.path = makeScratchFolder();  // for TearDown
}

}  // namespace
