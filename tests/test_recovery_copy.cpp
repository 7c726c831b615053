// The recovery copy on the editor's real main window: what reaches it, that
// it always reads back, and what a later start offers and restores. Copies
// live in a scratch local application-data folder, and the registry's
// current-user root is a scratch key, so the recent files are this test's.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "res/resource.h"
#include "support/dialog_answer.h"
#include "support/temp_folder.h"
#include "ui/bracket_swap.h"
#include "ui/main_dialog.h"
#include "ui/recent_files.h"
#include "ui/recovery_copy.h"

namespace {

struct RecoveryCopyTest : ::testing::Test {
    TempFolder folder;
    std::wstring scratchKey = L"Software\\Duelmark tests\\recovery " + std::to_wstring(GetCurrentProcessId());
    HKEY scratch = NULL;
    Bracket bracket;
    DocumentState state;
    HWND window = NULL;
    int offers = 0;

    void SetUp() override
    {
        CoInitialize(NULL);
        SetEnvironmentVariableW(L"LOCALAPPDATA", folder.path.c_str());
        RegCreateKeyExW(HKEY_CURRENT_USER, scratchKey.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &scratch, NULL);
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, scratch));
        initBracket(&bracket, GetModuleHandleW(NULL));
    }
    void TearDown() override
    {
        close();
        RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
        RegCloseKey(scratch);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchKey.c_str());
        SetEnvironmentVariableW(L"LOCALAPPDATA", NULL);
        CoUninitialize();
    }
    // The editor starts on file (or on none) and answers the recovery offer.
    void start(int answer = IDC_DISCARD, const std::wstring &file = L"")
    {
        close();
        state = DocumentState{};
        state.bracket = &bracket;
        state.keepsRecoveryCopies = 1;
        lstrcpynW(state.path, file.c_str(), PATH_CAPACITY);
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        ScopedDialogAnswer offer(answer);
        MSG message;  // the offer is posted once the window stands
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        offers = offer.answer.count;
    }
    void close()
    {
        if (window)
            DestroyWindow(window);
        window = NULL;
        resetBracket(&bracket);
    }
    // New with four teams, and a name typed.
    void newBracket()
    {
        showFreshBracket(window, &state, L"Cup", [](Bracket *b, void *) { return buildBracket(b, 4); }, NULL);
        SendMessageW(bracket.nodeTable[0]->control, WM_SETTEXT, 0, (LPARAM)L"Zoe");
    }
    // The window is killed: its last copy stays, named for a process that
    // is gone.
    void crash()
    {
        keepRecoveryCopy(&state);
        ASSERT_TRUE(MoveFileW(state.recovery.path, folder.file(L"Duelmark\\Recovery\\recovery-fffffff0-1.xml").c_str()));
        close();
    }
    std::vector<std::wstring> recentFiles()
    {
        std::vector<std::wstring> paths;
        for (WCHAR path[PATH_CAPACITY]; recentFilePath((int)paths.size(), path);)
            paths.push_back(path);
        return paths;
    }
};

TEST_F(RecoveryCopyTest, EveryChangeSaveWouldWriteReachesTheCopyAtTheNextTick)
{
    start();
    newBracket();
    lstrcpyW(bracket.nodeTable[4]->name, L"Zoe");
    struct {
        const char *change;
        std::function<void()> make;
    } changes[] = {
        {"a result", [&] { lstrcpyW(bracket.nodeTable[4]->result, L"6:3 6:4"); }},
        {"the third-place match", [&] { bracket.thirdPlace.on = 1; }},
        {"a seed", [&] { bracket.nodeTable[1]->seed = 1; }},
        {"a bye", [&] { bracket.nodeTable[3]->bye = 1; }},
        {"the lock on the names", [&] { SendMessageW(window, WM_COMMAND, IDM_EDIT_LOCK_BASE, 0); }},
    };
    keepRecoveryCopy(&state);
    for (auto &c : changes) {
        std::string before = readFileBytes(state.recovery.path);
        c.make();
        keepRecoveryCopy(&state);
        EXPECT_NE(before, readFileBytes(state.recovery.path)) << c.change << " did not reach the copy";
    }
}

// A reader that keeps looking, as the next start after a kill would, finds
// the copy there through every rewrite.
TEST_F(RecoveryCopyTest, TheCopyIsNeverMissingWhileItIsRewritten)
{
    start();
    newBracket();
    keepRecoveryCopy(&state);
    std::atomic<bool> done{false};
    std::atomic<int> missing{0};
    std::thread reader([&] {
        while (!done)
            missing += GetFileAttributesW(state.recovery.path) == INVALID_FILE_ATTRIBUTES;
    });
    for (int i = 0; i < 100; i++) {
        wsprintfW(bracket.nodeTable[1]->name, L"Team %d", i);
        keepRecoveryCopy(&state);
    }
    done = true;
    reader.join();
    EXPECT_EQ(0, (int)missing);
}

TEST_F(RecoveryCopyTest, AResultWithAControlCharacterStillLeavesACopyTheReaderTakes)
{
    start();
    newBracket();
    lstrcpyW(bracket.nodeTable[4]->name, L"Zoe");
    lstrcpyW(bracket.nodeTable[4]->result, L"6:3\x01 6:4");
    keepRecoveryCopy(&state);
    Bracket copy;
    initBracket(&copy, NULL);
    OpenReport report;
    ASSERT_TRUE(readBracketFile(state.recovery.path, &copy, &report));
    EXPECT_STREQ(L"Zoe", copy.nodeTable[0]->name);
    EXPECT_STREQ(L"6:3\xFFFD 6:4", copy.nodeTable[4]->result);
    resetBracket(&copy);
}

// A fresh session hands out the ids of the last one again.
TEST_F(RecoveryCopyTest, ACopyUnderThisVeryProcessIdFromAnEarlierRunIsOffered)
{
    WCHAR name[64];
    wsprintfW(name, L"Duelmark\\Recovery\\recovery-%lx-1.xml", GetCurrentProcessId());
    CreateDirectoryW(folder.file(L"Duelmark").c_str(), NULL);
    CreateDirectoryW(folder.file(L"Duelmark\\Recovery").c_str(), NULL);
    writeFileBytes(folder.file(name), "<Games><Title>Cup</Title><Teams>4</Teams></Games>");
    start(IDC_DISCARD);
    EXPECT_EQ(1, offers);
    EXPECT_FALSE(fileExists(folder.file(name))) << "discarded";
}

TEST_F(RecoveryCopyTest, ARestoredNewBracketComesBackOpenForTypingAndUnlisted)
{
    start();
    newBracket();
    crash();
    start(IDC_RESTORE);
    ASSERT_EQ(1, offers);
    EXPECT_STREQ(L"Zoe", bracket.nodeTable[0]->name);
    EXPECT_FALSE(GetWindowLongW(bracket.nodeTable[0]->control, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(recentFiles().empty());
}

TEST_F(RecoveryCopyTest, ARestoredFilesBracketListsThatFile)
{
    std::wstring file = folder.file(L"cup.xml");
    writeFileBytes(file, "<Games><Title>Cup</Title><Teams>4</Teams></Games>");
    start(IDC_DISCARD, file);
    lstrcpyW(bracket.title, L"Changed");
    bracket.dirty = 1;
    crash();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Duelmark");
    start(IDC_RESTORE);
    EXPECT_EQ(std::vector<std::wstring>{file}, recentFiles());
}

} // namespace
