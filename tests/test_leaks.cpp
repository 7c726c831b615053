// Long use must not grow the editor: a thousand New/Close cycles of a
// 64-team bracket through the real main window, and ten thousand load/save
// cycles, keep the editor's heap blocks, the process's memory, handles and
// window-manager objects flat. Figures the platform does not provide are
// reported as such.
#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "file/bracket_file.h"
#include "model/bracket.h"
#include "model/heap.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "ui/document_state.h"
#include "ui/main_dialog.h"

namespace {

struct Usage {
    LONG blocks;
    SIZE_T privateBytes;
    SIZE_T committedBytes;
    DWORD handles;
    DWORD windows;
    DWORD userObjects;
    DWORD gdiObjects;
};

BOOL CALLBACK countWindow(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*(DWORD *)count;
        EnumChildWindows(window, countWindow, count);
    }
    return TRUE;
}

Usage measure()
{
    Usage usage = {};
    usage.blocks = liveBlockCount();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS *)&memory, sizeof memory);
    usage.privateBytes = memory.PrivateUsage;
    usage.committedBytes = memory.PagefileUsage;
    GetProcessHandleCount(GetCurrentProcess(), &usage.handles);
    EnumWindows(countWindow, (LPARAM)&usage.windows);
    usage.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    usage.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return usage;
}

std::string figure(SIZE_T before, SIZE_T after)
{
    if (before == 0 && after == 0)
        return "not reported by the platform";
    char text[64];
    snprintf(text, sizeof text, "%zu -> %zu", before, after);
    return text;
}

void report(const char *what, const Usage &a, const Usage &b)
{
    printf("%s: heap blocks %ld -> %ld; private bytes %s; committed bytes %s; handles %s; windows %lu -> %lu; "
           "USER objects %s; GDI objects %s\n",
           what, a.blocks, b.blocks, figure(a.privateBytes, b.privateBytes).c_str(),
           figure(a.committedBytes, b.committedBytes).c_str(), figure(a.handles, b.handles).c_str(), a.windows,
           b.windows,
           figure(a.userObjects, b.userObjects).c_str(), figure(a.gdiObjects, b.gdiObjects).c_str());
}

// Growth allowed for memory the platform itself keeps (caches, handle and
// atom tables): a tenth of what one leaked 64-team tree per cycle would add
// over a thousand cycles (127 nodes of about 300 bytes each).
const SIZE_T MEMORY_SLACK = 4 * 1024 * 1024;

void expectFlat(const Usage &a, const Usage &b)
{
    EXPECT_EQ(a.blocks, b.blocks) << "the editor's own heap blocks grew";
    EXPECT_LE(b.handles, a.handles + 2) << "handles grew from " << a.handles << " to " << b.handles;
    EXPECT_EQ(a.windows, b.windows) << "windows of the process were left behind";
    EXPECT_LE(b.userObjects, a.userObjects) << "USER objects grew";
    EXPECT_LE(b.gdiObjects, a.gdiObjects) << "GDI objects grew";
    EXPECT_LE(b.privateBytes, a.privateBytes + MEMORY_SLACK) << "private bytes grew";
    EXPECT_LE(b.committedBytes, a.committedBytes + MEMORY_SLACK) << "committed bytes grew";
}

// Answers, on this thread, the setup dialog (title "Cup", 64 teams, OK) and
// the save-changes question (No), as a user who never saves would.
HHOOK answerHook;
int setupsAnswered, questionsAnswered;
LRESULT CALLBACK answerAsUser(int code, WPARAM wParam, LPARAM lParam)
{
    /* A box can be activated more than once; each is answered once. */
    if (code == HCBT_ACTIVATE && !GetPropW((HWND)wParam, L"answered")) {
        HWND dialog = (HWND)wParam;
        SetPropW(dialog, L"answered", (HANDLE)1);
        if (GetDlgItem(dialog, IDC_TEAMS_COMBO) && GetDlgItem(dialog, IDC_TITLE_EDIT)) {
            SetDlgItemTextW(dialog, IDC_TITLE_EDIT, L"Cup");
            SendDlgItemMessageW(dialog, IDC_TEAMS_COMBO, CB_SETCURSEL, 4, 0);
            PostMessageW(dialog, WM_COMMAND, IDC_SETUP_OK, 0);
            setupsAnswered++;
        } else if (GetDlgItem(dialog, IDNO)) {
            PostMessageW(dialog, WM_COMMAND, IDNO, 0);
            questionsAnswered++;
        }
    }
    return CallNextHookEx(answerHook, code, wParam, lParam);
}

struct LeakTest : ::testing::Test {
    Bracket bracket;
    DocumentState state;
    HWND window = NULL;

    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
        initBracket(&bracket, GetModuleHandleW(NULL));
        state.bracket = &bracket;
        state.path[0] = 0;
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        ASSERT_NE(nullptr, window);
        answerHook = SetWindowsHookExW(WH_CBT, answerAsUser, NULL, GetCurrentThreadId());
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(answerHook);
        resetBracket(&bracket);
        DestroyWindow(window);
        CoUninitialize();
    }
    void newThenClose()
    {
        SendMessageW(window, WM_COMMAND, IDM_FILE_NEW, 0);
        ASSERT_EQ(64, bracket.slotCount) << "New did not build the 64-team bracket";
        SendMessageW(window, WM_COMMAND, IDM_FILE_CLOSE, 0);
        ASSERT_EQ(0, bracket.slotCount) << "Close did not empty the bracket";
    }
};

TEST_F(LeakTest, AThousandNewCloseCyclesOfSixtyFourTeamsStayFlat)
{
    for (int i = 0; i < 20; i++)  // let the platform fill its caches first
        newThenClose();
    Usage before = measure();
    for (int i = 0; i < 1000; i++) {
        newThenClose();
        if (HasFatalFailure())
            return;
    }
    Usage after = measure();
    report("1000 New/Close cycles of 64 teams", before, after);
    EXPECT_EQ(1020, setupsAnswered);
    EXPECT_EQ(1020, questionsAnswered) << "Close of a new bracket asks first";
    expectFlat(before, after);
}

TEST_F(LeakTest, TenThousandLoadSaveCyclesStayFlat)
{
    std::wstring folder = makeScratchFolder();
    std::wstring path = folder + L"\\cup.xml";
    writeFileBytes(path, "<Games><Title>Cup &amp; Plate</Title><Teams>4</Teams>"
                         "<Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/>"
                         "<Team Name=\"D\" id=\"4\"/><Team Name=\"A\" id=\"5\"/><Team Name=\"D\" id=\"6\"/>"
                         "<Team Name=\"A\" id=\"7\"/></Games>");
    Usage before = {};
    for (int i = 0; i < 10050; i++) {
        if (i == 50)
            before = measure();
        ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str())) << "load " << i;
        ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str())) << "save " << i;
    }
    Usage after = measure();
    report("10000 load/save cycles", before, after);
    EXPECT_EQ(0, questionsAnswered) << "a valid file asks nothing";
    EXPECT_STREQ(L"A", bracket.root.name);
    EXPECT_EQ("cup.xml", folderListing(folder)) << "every save must clean up after itself";
    expectFlat(before, after);
    removeScratchFolder(folder);
}

}  // namespace
