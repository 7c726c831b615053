// Starts a program the way Windows' shell does and reports what a user sees:
// its main window's caption and, through New, the setup dialog's team-count
// label, which tells the interface language (a menu cannot be read from
// another process under Wine, a dialog's texts can). Then it closes the
// window as the close box does and reports how the process ended. The
// package tests run it on the unpacked and the installed editor, on the
// Start-menu shortcut and on an .xml file through the Open-with entry.
//
// Usage: window_probe [--class <ProgId>] <file>
// Prints, in UTF-8, one line each: "caption: ...", "setup: ...", "exit: N";
// for a shortcut (.lnk) first "target: ..." (Wine's shell starts a shortcut
// through a helper, so the probe follows the link itself).
// Exit code 0 when a window appeared and the process ended by itself after
// being closed; 1 otherwise (the reason is printed).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>
#include "res/resource.h"

namespace {

void print(const std::wstring &line)
{
    std::wstring text = line + L"\n";
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &utf8[0], bytes, NULL, NULL);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), (DWORD)utf8.size(), &written, NULL);
}

struct Search {
    DWORD processId;
    HWND owner;  // NULL: an unowned window
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM param)
{
    Search *search = (Search *)param;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The process's first visible top-level window with that owner, waiting up
// to the timeout.
HWND waitForWindow(HANDLE process, HWND owner, DWORD timeoutMs)
{
    Search search = {GetProcessId(process), owner, NULL};
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        EnumWindows(findVisibleWindow, (LPARAM)&search);
        if (search.found || WaitForSingleObject(process, 50) == WAIT_OBJECT_0)
            break;
    }
    return search.found;
}

std::wstring windowText(HWND window)
{
    WCHAR text[512] = L"";
    GetWindowTextW(window, text, ARRAYSIZE(text));
    return text;
}

// Chooses New, reads the setup dialog's team-count label and cancels the
// dialog again; the open bracket (none) is left as it was.
std::wstring setupLabel(HANDLE process, HWND main)
{
    PostMessageW(main, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND setup = waitForWindow(process, main, 30000);
    if (!setup)
        return L"<no setup dialog>";
    std::wstring label = windowText(GetDlgItem(setup, IDC_TEAMS_LABEL));
    PostMessageW(setup, WM_COMMAND, IDCANCEL, 0);
    for (DWORD start = GetTickCount(); IsWindow(setup) && GetTickCount() - start < 30000;)
        Sleep(50);
    return label;
}

// The program a shortcut starts, or empty when the link cannot be read.
std::wstring shortcutTarget(const wchar_t *link)
{
    WCHAR target[MAX_PATH] = L"";
    IShellLinkW *shellLink = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void **)&shellLink)))
        return L"";
    IPersistFile *file = NULL;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, (void **)&file))) {
        if (SUCCEEDED(file->Load(link, STGM_READ)))
            shellLink->GetPath(target, ARRAYSIZE(target), NULL, 0);
        file->Release();
    }
    shellLink->Release();
    return target;
}

bool isShortcut(const wchar_t *path)
{
    int length = lstrlenW(path);
    return length > 4 && lstrcmpiW(path + length - 4, L".lnk") == 0;
}

}  // namespace

int wmain(int argc, wchar_t **argv)
{
    int at = 1;
    const wchar_t *progId = NULL;
    if (argc > 2 && lstrcmpW(argv[1], L"--class") == 0) {
        progId = argv[2];
        at = 3;
    }
    if (at >= argc) {
        print(L"usage: window_probe [--class <ProgId>] <file>");
        return 1;
    }
    CoInitialize(NULL);
    std::wstring file = argv[at];
    if (isShortcut(argv[at])) {
        file = shortcutTarget(argv[at]);
        print(L"target: " + file);
        if (file.empty())
            return 1;
    }
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | (progId ? SEE_MASK_CLASSNAME : 0);
    run.lpClass = progId;
    run.lpFile = file.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run) || !run.hProcess) {
        print(L"could not start " + file + L": error " + std::to_wstring(GetLastError()));
        return 1;
    }
    HWND window = waitForWindow(run.hProcess, NULL, 30000);
    if (!window) {
        print(L"no window appeared");
        TerminateProcess(run.hProcess, 1);
        CloseHandle(run.hProcess);
        return 1;
    }
    print(L"caption: " + windowText(window));
    print(L"setup: " + setupLabel(run.hProcess, window));

    // What the close box sends: the editor must end by itself, exit code 0.
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(run.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(run.hProcess, &exitCode);
    else
        TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hProcess);
    print(exitCode == STILL_ACTIVE ? L"exit: still running" : L"exit: " + std::to_wstring(exitCode));
    return exitCode == 0 ? 0 : 1;
}
