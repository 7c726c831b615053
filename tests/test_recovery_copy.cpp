// The recovery copy on the real main window, with a scratch folder for copies
// and a scratch current-user key for the recent files.
#include <atomic>
#include <functional>
#include <thread>

#include "file/bracket_reader.h"
#include "res/resource.h"
#include "support/dialog_answer.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "ui/document/document.h"
#include "ui/document/recent_files.h"
#include "ui/document/recovery_copy.h"

namespace {

struct RecoveryCopyTest : EditorWindowTest {
    std::wstring key = L"Software\\Duelmark tests\\recovery " + std::to_wstring(GetCurrentProcessId());
    HKEY scratch = NULL;

    void SetUp() override
    {
        EditorWindowTest::SetUp();
        SetEnvironmentVariableW(L"LOCALAPPDATA", folder.path.c_str());
        RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &scratch, NULL);
        RegOverridePredefKey(HKEY_CURRENT_USER, scratch);
        state.keepsRecoveryCopies = 1;
    }
    void TearDown() override
    {
        EditorWindowTest::TearDown();
        RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
        RegCloseKey(scratch);
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        SetEnvironmentVariableW(L"LOCALAPPDATA", NULL);
    }
    // The editor starts (on state.path, if set); returns how many copies
    // it offered, each answered with answer.
    int start(int answer = IDC_DISCARD)
    {
        openEmpty();
        ScopedDialogAnswer offer(answer);
        pumpMessages(window, 0);  // the offer is posted once the window stands
        return offer.answer.count;
    }
    // The window goes, as when the editor ends, and the next start
    // finds whatever copies the folder holds.
    void end()
    {
        DestroyWindow(window);
        window = NULL;
        resetBracket(&bracket);
        state.path[0] = 0;
    }
    std::wstring copyPath(const WCHAR *name) { return folder.file(std::wstring(L"Duelmark\\Recovery\\") + name); }
    // New with four teams, a name typed.
    void startNew()
    {
        start();
        showFreshBracket(window, &state, L"Cup", [](Bracket *b, void *) { return buildBracket(b, 4); }, NULL);
        typeText(1, L"Zoe");
    }
    // Killed: its last copy stays, named for a process that has ended.
    void crash()
    {
        keepRecoveryCopy(&state);
        ASSERT_TRUE(MoveFileW(state.recovery.path, folder.file(L"Duelmark\\Recovery\\recovery-fffffff0-1.xml").c_str()));
        DestroyWindow(window);
        window = NULL;
        resetBracket(&bracket);
        state.path[0] = 0;
    }
};

TEST_F(RecoveryCopyTest, EveryChangeSaveWouldWriteReachesTheCopyAtTheNextTick)
{
    startNew();
    lstrcpyW(slot(5)->name, L"Zoe");
    std::function<void()> changes[] = {
        [&] { lstrcpyW(slot(5)->result, L"6:3 6:4"); },
        [&] { bracket.thirdPlaceOn = 1; },
        [&] { slot(2)->seed = 1; },
        [&] { slot(4)->bye = 1; },
        [&] { command(IDM_EDIT_LOCK_BASE); },
    };
    for (size_t i = 0; i < sizeof changes / sizeof *changes; i++) {
        keepRecoveryCopy(&state);
        std::string before = readFileBytes(state.recovery.path);
        changes[i]();
        keepRecoveryCopy(&state);
        EXPECT_NE(before, readFileBytes(state.recovery.path)) << "change " << i << " did not reach the copy";
    }
}

// As the next start after a kill would, a reader finds the copy at every
// moment of a rewrite.
TEST_F(RecoveryCopyTest, TheCopyIsNeverMissingWhileItIsRewritten)
{
    startNew();
    keepRecoveryCopy(&state);
    std::atomic<bool> done{false};
    std::atomic<int> missing{0};
    std::thread reader([&] {
        while (!done)
            missing += GetFileAttributesW(state.recovery.path) == INVALID_FILE_ATTRIBUTES;
    });
    for (int i = 0; i < 100; i++) {
        wsprintfW(slot(2)->name, L"Team %d", i);
        keepRecoveryCopy(&state);
    }
    done = true;
    reader.join();
    EXPECT_EQ(0, (int)missing);
}

TEST_F(RecoveryCopyTest, AResultWithAControlCharacterStillLeavesACopyTheReaderTakes)
{
    startNew();
    lstrcpyW(slot(5)->name, L"Zoe");
    lstrcpyW(slot(5)->result, L"6:3\x01 6:4");
    keepRecoveryCopy(&state);
    Bracket copy;
    OpenReport report;
    ASSERT_TRUE(readBracketFile(state.recovery.path, initBracket(&copy, NULL), &report));
    EXPECT_STREQ(L"Zoe", copy.nodeTable[0]->name);
    EXPECT_STREQ(L"6:3\xFFFD 6:4", copy.nodeTable[4]->result);
    resetBracket(&copy);
}

// A fresh session hands out the ids of the last one again.
TEST_F(RecoveryCopyTest, ACopyUnderThisVeryProcessIdFromAnEarlierRunIsOffered)
{
    start();
    WCHAR copy[64];
    wsprintfW(copy, L"Duelmark\\Recovery\\recovery-%lx-1.xml", GetCurrentProcessId());
    writeFileBytes(folder.file(copy), "<Games><Title>Cup</Title><Teams>4</Teams></Games>");
    ScopedDialogAnswer offer(IDC_DISCARD);
    SendMessageW(window, RECOVERY_OFFER_MESSAGE, 0, 0);
    EXPECT_EQ(1, offer.answer.count);
    EXPECT_FALSE(fileExists(folder.file(copy))) << "discarded";
}

TEST_F(RecoveryCopyTest, ARestoredNewBracketComesBackOpenForTypingAndUnlisted)
{
    startNew();
    crash();
    ASSERT_EQ(1, start(IDC_RESTORE));
    EXPECT_EQ(L"Zoe", name(1));
    EXPECT_FALSE(GetWindowLongW(control(1), GWL_STYLE) & ES_READONLY);
    WCHAR listed[PATH_CAPACITY];
    EXPECT_FALSE(recentFilePath(0, listed)) << utf8(listed);
}

TEST_F(RecoveryCopyTest, ARestoredFilesBracketListsThatFile)
{
    std::wstring file = folder.file(L"cup.xml");
    writeFileBytes(file, "<Games><Title>Cup</Title><Teams>4</Teams></Games>");
    lstrcpyW(state.path, file.c_str());
    start();
    command(IDM_EDIT_UNLOCK_BASE);
    typeText(1, L"Zoe");
    crash();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Duelmark");
    start(IDC_RESTORE);
    WCHAR listed[PATH_CAPACITY];
    EXPECT_TRUE(recentFilePath(0, listed) && file == listed && !recentFilePath(1, listed));
}

// A copy the reader refuses, whether it is no XML or no bracket, is told
// about once, kept under another name byte for byte, and never offered
// again.
TEST_F(RecoveryCopyTest, ACopyThatCannotBeReadIsSetAsideOnceAndKept)
{
    start(IDOK);
    end();
    const char *unreadable[] = {"<Games><Title>Cup</Title><Teams>four</Teams></Games>", "\x01\x02 not XML"};
    writeFileBytes(copyPath(L"recovery-fffffff0-1.xml"), unreadable[0]);
    writeFileBytes(copyPath(L"recovery-fffffff1-1.xml"), unreadable[1]);
    EXPECT_EQ(2, start(IDOK)) << "one message per copy";
    EXPECT_FALSE(fileExists(copyPath(L"recovery-fffffff0-1.xml")));
    EXPECT_EQ(unreadable[0], readFileBytes(copyPath(L"unreadable-recovery-fffffff0-1.xml")));
    EXPECT_EQ(unreadable[1], readFileBytes(copyPath(L"unreadable-recovery-fffffff1-1.xml")));
    end();
    EXPECT_EQ(0, start(IDOK)) << "nothing is offered or told again";
}

// A copy's file name Save could not write to as it stands counts as none:
// Save will ask for a name rather than write into the current folder or
// to a name cut short.
TEST_F(RecoveryCopyTest, ARelativeOrOverlongFileNameInACopyCountsAsNone)
{
    start();
    end();
    std::wstring overlong = L"C:\\" + std::wstring(MAX_PATH - 3, L'a');
    for (const std::wstring &file : {std::wstring(L"cup.xml"), overlong}) {
        writeFileBytes(copyPath(L"recovery-fffffff0-1.xml"),
                       "<Games File=\"" + utf8(file) + "\"><Title>Cup</Title><Teams>4</Teams></Games>");
        ASSERT_EQ(1, start(IDC_RESTORE)) << utf8(file);
        EXPECT_STREQ(L"Cup", bracket.title);
        EXPECT_STREQ(L"", state.path) << utf8(file);
        end();
    }
}

// Killed after the save finished but before the copy went: the work is in
// the file and is not offered; a copy that differs from its file is.
TEST_F(RecoveryCopyTest, ACopyWhoseWorkIsAlreadyInItsFileIsNotOffered)
{
    start();
    end();
    std::wstring file = folder.file(L"cup.xml");
    writeFileBytes(file, "<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/></Games>");
    for (const char *title : {"Cup", "Cup 2"}) {
        writeFileBytes(copyPath(L"recovery-fffffff0-1.xml"),
                       "<Games File=\"" + utf8(file) + "\"><Title>" + title +
                           "</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/></Games>");
        EXPECT_EQ(title[3] ? 1 : 0, start(IDC_DISCARD)) << title;
        EXPECT_FALSE(fileExists(copyPath(L"recovery-fffffff0-1.xml"))) << title;
        end();
    }
}

// A temporary file whose process is gone (no such process, or one that
// started after the file was written, as ids come round again) is removed
// at start in the copies' folder and beside a file opened; one a running
// process may still be writing, and any backup, stay.
TEST_F(RecoveryCopyTest, TemporaryFilesOfGoneProcessesAreRemovedAtStartAndOnOpen)
{
    std::wstring cup = folder.file(L"cup.xml");
    writeFileBytes(cup, "<Games><Title>Cup</Title><Teams>4</Teams></Games>");
    start();
    end();
    WCHAR own[32], earlier[32];
    wsprintfW(own, L"~dm%lx-1.tmp", GetCurrentProcessId());
    wsprintfW(earlier, L"~dm%lx-4.tmp", GetCurrentProcessId());
    FILETIME longAgo = {0, 0x01000000};  // 1609, before any process here
    for (const std::wstring &beside : {copyPath(L""), folder.file(L"")}) {
        writeFileBytes(beside + L"~dmfffffff0-2.tmp", "gone");
        writeFileBytes(beside + L"~dmfffffff0-3.bak", "a backup");
        writeFileBytes(beside + own, "running");
        writeFileBytes(beside + earlier, "an earlier run under this id");
        HANDLE old = CreateFileW((beside + earlier).c_str(), FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
        SetFileTime(old, &longAgo, &longAgo, &longAgo);
        CloseHandle(old);
    }
    start();
    ASSERT_EQ(1, openDocument(window, &state, cup.c_str()));
    for (const std::wstring &beside : {copyPath(L""), folder.file(L"")}) {
        EXPECT_FALSE(fileExists(beside + L"~dmfffffff0-2.tmp")) << utf8(beside);
        EXPECT_TRUE(fileExists(beside + L"~dmfffffff0-3.bak")) << utf8(beside);
        EXPECT_TRUE(fileExists(beside + own)) << utf8(beside);
        EXPECT_FALSE(fileExists(beside + earlier)) << utf8(beside) << ": this process started after it";
    }
}

} // namespace
