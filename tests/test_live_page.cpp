// File > Publish on the shipped executable: the folder remembered for a
// bracket file brings the live page back when the file opens, each change
// reaches the page within the pace, and a folder that takes no file says
// so once and leaves the bracket as it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/dialog_script.h"
#include "support/editor_process.h"
#include "support/temp_folder.h"
#include "ui/document/live_page.h"

namespace {

const char EVENT_XML[] =
    "<Games><Title>Harbour Open</Title><Teams>8</Teams>"
    "<Team Name=\"Alpha Ants\" id=\"1\"/><Team Name=\"Bravo Bees\" id=\"2\"/>"
    "<Team Name=\"Cobalt Cats\" id=\"3\"/><Team Name=\"Delta Dogs\" id=\"4\"/>"
    "<Team Name=\"Echo Eels\" id=\"5\"/><Team Name=\"Foxtrot Flies\" id=\"6\"/>"
    "<Team Name=\"Golf Gnus\" id=\"7\"/><Team Name=\"Hotel Hens\" id=\"8\"/></Games>";

const WCHAR CAPTION[] = L"Duelmark - Harbour Open";

std::wstring fullPath(const std::wstring &path)
{
    WCHAR full[MAX_PATH];
    GetFullPathNameW(path.c_str(), MAX_PATH, full, NULL);
    return full;
}

// What the editor finds for the file when it opens: the folder chosen for
// it in an earlier session. Removed again when the test ends.
struct RememberedFolder {
    std::wstring file;
    RememberedFolder(const std::wstring &file, const std::wstring &folder) : file(fullPath(file))
    {
        HKEY key;
        RegCreateKeyExW(HKEY_CURRENT_USER, LIVE_PAGE_KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL);
        RegSetValueExW(key, this->file.c_str(), 0, REG_SZ, (const BYTE *)folder.c_str(),
                       (DWORD)(folder.size() + 1) * sizeof(WCHAR));
        RegCloseKey(key);
    }
    ~RememberedFolder()
    {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, LIVE_PAGE_KEY, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, file.c_str());
            RegCloseKey(key);
        }
    }
};

// Polls the page until it holds part; the milliseconds it took, or -1.
long waitForPage(const std::wstring &page, const std::string &part, bool present, DWORD limitMs)
{
    DWORD started = GetTickCount();
    do {
        bool holds = fileExists(page) && readFileBytes(page).find(part) != std::string::npos;
        if (holds == present)
            return (long)(GetTickCount() - started);
        Sleep(50);
    } while (GetTickCount() - started < limitMs);
    return -1;
}

// A message box the editor shows over its window, or NULL within limitMs.
HWND waitForMessageBox(const Editor &editor, DWORD limitMs)
{
    DWORD started = GetTickCount();
    do {
        for (HWND w = FindWindowW(L"#32770", NULL); w; w = FindWindowExW(NULL, w, L"#32770", NULL)) {
            if (GetWindow(w, GW_OWNER) == editor.window && IsWindowVisible(w))
                return w;
        }
        Sleep(50);
    } while (GetTickCount() - started < limitMs);
    return NULL;
}

// A busy machine stretches every wait; the pace itself must still show.
const DWORD GENEROUS_MS = 30000;

TEST(LivePage, ReopenedFileResumesAndEachChangeReachesThePageAtTheSetPace)
{
    TempFolder folder;
    std::wstring file = folder.file(L"harbour open.xml"), site = folder.file(L"site");
    writeFileBytes(file, EVENT_XML);
    CreateDirectoryW(site.c_str(), NULL);
    RememberedFolder remembered(file, site);
    std::wstring page = site + L"\\index.html";
    const std::string firstMatch = "<td>Alpha Ants</td><td>Bravo Bees</td>";
    const std::string secondMatch = "<td>Cobalt Cats</td><td>Delta Dogs</td>";

    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, CAPTION));
    ASSERT_GE(waitForPage(page, firstMatch, true, GENEROUS_MS), 0) << "opening the file did not publish its page";
    std::string opened = readFileBytes(page);
    EXPECT_NE(std::string::npos, opened.find("<h1>Harbour Open</h1>"));
    EXPECT_NE(std::string::npos, opened.find("<svg")) << "the page lacks the picture";

    // Decided, a match leaves the order of play; the page follows within
    // the pace, and a second change straight after waits for the pace.
    editor.pick(editor.picks()[0], L"Alpha Ants");
    long first = waitForPage(page, firstMatch, false, GENEROUS_MS);
    ASSERT_GE(first, 0) << "a decided match stayed on the page";
    EXPECT_LE(first, (long)LIVE_PAGE_INTERVAL_MS + 5000) << "the page followed a change too late";
    editor.pick(editor.picks()[1], L"Delta Dogs");
    long second = waitForPage(page, secondMatch, false, GENEROUS_MS);
    ASSERT_GE(second, 0) << "the second change never reached the page";
    EXPECT_GE(second, (long)LIVE_PAGE_INTERVAL_MS - 1000) << "two writes came closer than the pace allows";

    // Choosing the command again stops publishing: the folder is forgotten.
    EXPECT_EQ("", editor.command(IDM_FILE_PUBLISH));
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, LIVE_PAGE_KEY, 0, KEY_QUERY_VALUE, &key));
    EXPECT_NE(ERROR_SUCCESS, RegQueryValueExW(key, remembered.file.c_str(), NULL, NULL, NULL, NULL))
        << "a stopped page is still remembered for the file";
    RegCloseKey(key);
}

TEST(LivePage, AFolderThatTakesNoFileSaysSoOnceAndTheBracketStays)
{
    TempFolder folder;
    std::wstring file = folder.file(L"harbour open.xml"), blocked = folder.file(L"not a folder");
    writeFileBytes(file, EVENT_XML);
    // A file where the folder should be: no page can go in it.
    writeFileBytes(blocked, "x");
    RememberedFolder remembered(file, blocked);

    Editor editor;
    ASSERT_NE(nullptr, editor.startOn(file, CAPTION));
    HWND box = waitForMessageBox(editor, GENEROUS_MS);
    ASSERT_NE(nullptr, box) << "a folder that takes no page went unmentioned";
    std::wstring message = DialogScript::messageText(box);
    EXPECT_NE(std::wstring::npos, message.find(blocked)) << "the message does not name the folder";
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    // Further changes fail as quietly as the first was loud.
    editor.pick(editor.picks()[0], L"Alpha Ants");
    EXPECT_EQ(nullptr, waitForMessageBox(editor, LIVE_PAGE_INTERVAL_MS * 2 + 2000)) << "the failure was told again";
    EXPECT_EQ(L"Alpha Ants", Editor::text(editor.picks()[0])) << "the failure touched the bracket";

    // Once the folder can take it, the page comes, with the bracket as it
    // now stands.
    DeleteFileW(blocked.c_str());
    CreateDirectoryW(blocked.c_str(), NULL);
    editor.pick(editor.picks()[1], L"Delta Dogs");
    EXPECT_GE(waitForPage(blocked + L"\\index.html", "<td>Alpha Ants</td><td>Delta Dogs</td>", true, GENEROUS_MS), 0)
        << "the page did not come once the folder could take it";
}

} // namespace
