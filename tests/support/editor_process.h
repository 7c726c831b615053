// duelmark.exe run as its own process, driven from the test only through
// window messages, as a user would drive it.
#ifndef DUELMARK_TESTS_SUPPORT_EDITOR_PROCESS_H
#define DUELMARK_TESTS_SUPPORT_EDITOR_PROCESS_H

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/dialog_script.h"

// build/duelmark.exe, beside the tests folder this program runs from.
inline std::wstring editorPath()
{
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring own = path;
    own = own.substr(0, own.find_last_of(L"\\/"));
    own = own.substr(0, own.find_last_of(L"\\/"));
    return own + L"\\duelmark.exe";
}

// One run of duelmark.exe as its own process.
inline std::wstring quotedArgument(const std::wstring &path)
{
    return L" \"" + path + L"\"";
}

struct Editor {
    PROCESS_INFORMATION process = {};
    HWND window = NULL;
    std::wstring program = editorPath();

    // When set, the process's local application-data folder, where it
    // keeps its recovery copies, instead of the prefix's shared one.
    std::wstring localAppData;

    // commandTail is appended after the quoted program path; folder, when
    // given, is the process's current folder.
    bool start(const std::wstring &commandTail, const std::wstring &folder = L"")
    {
        std::wstring line = L"\"" + program + L"\"" + commandTail;
        std::vector<WCHAR> buffer(line.begin(), line.end());
        buffer.push_back(0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::vector<WCHAR> environment = environmentBlock();
        return CreateProcessW(NULL, buffer.data(), NULL, NULL, FALSE, CREATE_UNICODE_ENVIRONMENT,
                              environment.empty() ? NULL : environment.data(),
                              folder.empty() ? NULL : folder.c_str(), &startup, &process) != 0;
    }

    // This process's environment with LOCALAPPDATA replaced; empty when
    // the child simply inherits it.
    std::vector<WCHAR> environmentBlock()
    {
        std::vector<WCHAR> block;
        if (localAppData.empty())
            return block;
        WCHAR *strings = GetEnvironmentStringsW();
        for (const WCHAR *p = strings; *p; p += lstrlenW(p) + 1) {
            if (_wcsnicmp(p, L"LOCALAPPDATA=", 13) != 0)
                block.insert(block.end(), p, p + lstrlenW(p) + 1);
        }
        FreeEnvironmentStringsW(strings);
        std::wstring own = L"LOCALAPPDATA=" + localAppData;
        block.insert(block.end(), own.c_str(), own.c_str() + own.size() + 1);
        block.push_back(0);
        return block;
    }

    // Starts on file, named as one quoted argument, and waits for its main
    // window under caption.
    HWND startOn(const std::wstring &file, const WCHAR *caption)
    {
        return start(quotedArgument(file)) ? waitForWindow(caption) : NULL;
    }

    // The main window: the program's visible dialog with this caption that
    // no other window owns. The questions it asks (the recovery offer, a
    // start-up file's failure) share its caption but are owned by it, and
    // may be up already when the search comes round, the later the busier
    // the machine. The limit allows for a process starting on a busy one.
    HWND waitForWindow(const WCHAR *caption, DWORD timeoutMs = 30000)
    {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            for (HWND w = FindWindowW(L"#32770", caption); w; w = FindWindowExW(NULL, w, L"#32770", caption)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process.dwProcessId && IsWindowVisible(w) && !GetWindow(w, GW_OWNER))
                    return window = w;
            }
            if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
                return NULL;
        }
        return NULL;
    }

    // Ends with exit code 0 within the time given: true.
    bool endedCleanly(DWORD timeoutMs = 30000)
    {
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return false;
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        return code == 0;
    }

    // Moves the editor's keyboard focus to control through its own dialog
    // manager until the editor's thread reports it there: in a full run
    // another test's window may hold the session's foreground, and the
    // editor takes it back first. True once the focus is there.
    bool focus(HWND control, DWORD timeoutMs = 60000)
    {
        DWORD thread = GetWindowThreadProcessId(window, NULL);
        for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
            SetForegroundWindow(window);
            SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == control)
                return true;
        }
        return false;
    }

    std::string command(WPARAM wParam, std::function<void(DialogScript &)> steps = [](DialogScript &) {})
    {
        LRESULT ignored;
        return send(WM_COMMAND, wParam, steps, &ignored);
    }

    // Any message, with what the window answered in result.
    std::string send(UINT message, WPARAM wParam, std::function<void(DialogScript &)> steps, LRESULT *result)
    {
        DialogScript script(window, steps);
        *result = SendMessageW(window, message, wParam, 0);
        return script.finish();
    }

    // Slot controls in reading order for a 4-team bracket: the base edits
    // of the left column top to bottom, then the right column's; the picks
    // as left semi-final, right semi-final, champion.
    std::vector<HWND> children(const WCHAR *className)
    {
        std::vector<HWND> found;
        for (HWND c = FindWindowExW(window, NULL, className, NULL); c; c = FindWindowExW(window, c, className, NULL))
            found.push_back(c);
        std::sort(found.begin(), found.end(), [&](HWND a, HWND b) {
            RECT ra, rb;
            GetWindowRect(a, &ra);
            GetWindowRect(b, &rb);
            return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
        });
        return found;
    }
    std::vector<HWND> baseEdits() { return children(L"Edit"); }
    std::vector<HWND> picks()
    {
        std::vector<HWND> byColumn = children(L"ComboBox");
        if (byColumn.size() == 3)
            return {byColumn[0], byColumn[2], byColumn[1]};
        return byColumn;
    }
    static std::wstring text(HWND control)
    {
        // GetWindowTextW does not ask a control of another process.
        WCHAR buffer[128] = L"";
        SendMessageW(control, WM_GETTEXT, 128, (LPARAM)buffer);
        return buffer;
    }
    void pick(HWND combo, const WCHAR *name)
    {
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
        ASSERT_NE(CB_ERR, index) << "the drop-down list does not offer the name";
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    }

    // A test that failed half-way kills its editor, which may leave a
    // recovery copy in the prefix's shared folder: every later editor would
    // offer it, and one failure would become every later test's.
    void forgetRecoveryCopies()
    {
        WCHAR folder[MAX_PATH];
        if (!localAppData.empty() || !GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH))
            return;
        std::wstring recovery = std::wstring(folder) + L"\\Duelmark\\Recovery\\";
        WCHAR pattern[32];
        wsprintfW(pattern, L"recovery-%lx-*.xml", (unsigned long)process.dwProcessId);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((recovery + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do
            DeleteFileW((recovery + found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }

    ~Editor()
    {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 30000);
                forgetRecoveryCopies();
            }
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }
};

#endif
