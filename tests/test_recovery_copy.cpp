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
        [&] { bracket.thirdPlace.on = 1; },
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

} // namespace
