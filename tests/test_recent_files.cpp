// The File menu's recent files, on the editor's real main window: files
// opened or saved come first, the list outlives the window, a file that
// has gone is reported and dropped. The registry's current-user root is
// redirected to a scratch key of this process, so tests running beside
// this one, which open files of their own, cannot reorder the list.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/dialog_answer.h"
#include "support/temp_folder.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "ui/document/recent_files.h"

namespace {

std::string fourTeams(const char *title)
{
    return std::string("<Games><Title>") + title +
           "</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/>"
           "<Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/><Team Name=\"\" id=\"5\"/>"
           "<Team Name=\"\" id=\"6\"/><Team Name=\"\" id=\"7\"/></Games>";
}

struct RecentFilesTest : ::testing::Test {
    HKEY scratch = NULL;
    std::wstring scratchName;
    TempFolder folder;
    Bracket bracket;
    DocumentState state;
    HWND window = NULL;

    void SetUp() override
    {
        CoInitialize(NULL);
        scratchName = L"Software\\Duelmark tests\\recent files " + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, scratchName.c_str(), 0, NULL, 0, KEY_ALL_ACCESS,
                                                 NULL, &scratch, NULL));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, scratch));
        initBracket(&bracket, GetModuleHandleW(NULL));
    }
    void TearDown() override
    {
        closeWindow();
        resetBracket(&bracket);
        RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
        RegCloseKey(scratch);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchName.c_str());
        CoUninitialize();
    }

    // A start of the editor, on a file or on none.
    void start(const std::wstring &file = L"")
    {
        closeWindow();
        state.bracket = &bracket;
        lstrcpynW(state.path, file.c_str(), PATH_CAPACITY);
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        ASSERT_NE(nullptr, window);
    }
    void closeWindow()
    {
        if (window)
            DestroyWindow(window);
        window = NULL;
        resetBracket(&bracket);
    }
    std::wstring caption()
    {
        WCHAR text[256] = L"";
        return GetWindowTextW(window, text, 256) ? text : L"";
    }
    // The File menu's recent entries as shown, newest first.
    std::vector<std::wstring> menuEntries()
    {
        std::vector<std::wstring> entries;
        HMENU file = GetSubMenu(GetMenu(window), 0);
        for (int id = IDM_FILE_RECENT_FIRST; id <= IDM_FILE_RECENT_LAST; id++) {
            WCHAR text[256];
            if (GetMenuStringW(file, id, text, 256, MF_BYCOMMAND) > 0)
                entries.push_back(text);
        }
        return entries;
    }
    std::wstring bracketFile(const std::wstring &name, const char *title)
    {
        std::wstring path = folder.file(name);
        writeFileBytes(path, fourTeams(title));
        return path;
    }
    // What the menu shows for entry number n (from 1) on path.
    static std::wstring entry(int n, const std::wstring &path)
    {
        WCHAR shortened[RECENT_FILE_SHOWN_UNITS + 1];
        shortenPathInMiddle(path.c_str(), shortened, RECENT_FILE_SHOWN_UNITS);
        std::wstring text = L"&" + std::to_wstring(n) + L" ";
        for (const WCHAR *c = shortened; *c; c++)
            text += *c == L'&' ? L"&&" : std::wstring(1, *c);
        return text;
    }
};

TEST_F(RecentFilesTest, OpenedFilesAreListedNewestFirstAfterARestart)
{
    std::wstring a = bracketFile(L"alpha.xml", "Alpha");
    std::wstring b = bracketFile(L"Q&A beta.xml", "Beta");
    std::wstring c = bracketFile(L"gamma.xml", "Gamma");
    start(a);
    ASSERT_EQ(L"Duelmark - Alpha", caption());
    start(b);
    ASSERT_EQ(L"Duelmark - Beta", caption());
    start(c);
    ASSERT_EQ(L"Duelmark - Gamma", caption());

    start();
    EXPECT_EQ((std::vector<std::wstring>{entry(1, c), entry(2, b), entry(3, a)}), menuEntries());

    // Choosing the second entry opens that file, which becomes the newest.
    SendMessageW(window, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
    EXPECT_EQ(L"Duelmark - Beta", caption());
    EXPECT_EQ(b, std::wstring(state.path));
    EXPECT_EQ((std::vector<std::wstring>{entry(1, b), entry(2, c), entry(3, a)}), menuEntries());
}

TEST_F(RecentFilesTest, AFileThatIsGoneIsReportedAndDropped)
{
    std::wstring a = bracketFile(L"alpha.xml", "Alpha");
    std::wstring b = bracketFile(L"beta.xml", "Beta");
    start(a);
    start(b);
    start();
    ASSERT_TRUE(DeleteFileW(a.c_str()));
    {
        ScopedDialogAnswer ok(IDOK);
        SendMessageW(window, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
        EXPECT_EQ(1, ok.answer.count) << "expected one message about the missing file";
        EXPECT_NE(std::wstring::npos, std::wstring(ok.answer.text).find(a)) << "the message does not name the file";
    }
    EXPECT_EQ(L"Duelmark", caption()) << "nothing was to be opened";
    EXPECT_EQ(std::vector<std::wstring>{entry(1, b)}, menuEntries());
    start();
    EXPECT_EQ(std::vector<std::wstring>{entry(1, b)}, menuEntries()) << "the file came back after a restart";
}

// Eight are kept; a file listed again moves up instead of appearing twice,
// whatever the case of its letters.
TEST_F(RecentFilesTest, TheListKeepsTheEightNewestOnceEach)
{
    start();
    std::vector<std::wstring> files;
    for (int i = 1; i <= 9; i++) {
        files.push_back(folder.file(L"cup " + std::to_wstring(i) + L".xml"));
        rememberRecentFile(window, files.back().c_str());
    }
    std::wstring again = files[4];
    CharUpperW(&again[0]);
    rememberRecentFile(window, again.c_str());
    std::vector<std::wstring> expected = {entry(1, again)};
    for (int i = 9, n = 2; i >= 2; i--)
        if (i != 5)
            expected.push_back(entry(n++, files[i - 1]));
    EXPECT_EQ(expected, menuEntries());
}

// Another program left the first entry far too long: the rest still show,
// and the next file opened keeps them.
TEST_F(RecentFilesTest, AnEntryThatCannotBeReadIsPassedOverAndTheRestKept)
{
    start();
    std::wstring a = folder.file(L"a.xml"), b = folder.file(L"b.xml"), c = folder.file(L"c.xml");
    for (const std::wstring &file : {a, b, c})
        rememberRecentFile(window, file.c_str());
    std::wstring oversized(600, L'x');
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Duelmark\\Recent Files", L"File1", REG_SZ, oversized.c_str(),
                    (DWORD)(oversized.size() + 1) * sizeof(WCHAR));
    start();
    EXPECT_EQ((std::vector<std::wstring>{entry(1, b), entry(2, a)}), menuEntries());
    rememberRecentFile(window, c.c_str());
    EXPECT_EQ((std::vector<std::wstring>{entry(1, c), entry(2, b), entry(3, a)}), menuEntries());
}

// The start and the end of a long path stay, with "..." between them; the
// file name stays whole when it fits, and no character is cut in half.
TEST(RecentFileText, LongPathsAreShortenedInTheMiddle)
{
    const std::wstring trophy = L"\U0001F3C6";  // two units
    struct Case {
        std::wstring path, expected;
    } cases[] = {
        {L"C:\\cup.xml", L"C:\\cup.xml"},
        {L"C:\\Users\\someone\\Documents\\Tournaments\\2026\\Spring 2\\cup.xml",  // 60 units: fits
         L"C:\\Users\\someone\\Documents\\Tournaments\\2026\\Spring 2\\cup.xml"},
        {L"C:\\Users\\someone\\Documents\\Tournaments\\2026\\Spring league\\cup.xml",
         L"C:\\Users\\someone\\Documents\\Tournaments\\2026\\Sprin...\\cup.xml"},
        {L"D:\\brackets\\a very long file name for the spring league final of twenty twenty-six.xml",
         L"D:\\...e for the spring league final of twenty twenty-six.xml"},
        // The cut would fall between the two units of the trophy.
        {L"C:\\" + std::wstring(45, L'a') + trophy + std::wstring(20, L'b') + L"\\cup.xml",
         L"C:\\" + std::wstring(45, L'a') + L"...\\cup.xml"},
    };
    for (const Case &c : cases) {
        WCHAR shown[RECENT_FILE_SHOWN_UNITS + 1];
        shortenPathInMiddle(c.path.c_str(), shown, RECENT_FILE_SHOWN_UNITS);
        EXPECT_EQ(c.expected, std::wstring(shown));
    }
}

}  // namespace
