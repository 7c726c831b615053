// Shows one of the editor's dialogs from the executable's resources or from a
// satellite, so that scripts/screenshots.sh can photograph it. Not shipped.
//
//   show_dialogs setup|file-menu|edit-menu|view-menu READY-FILE [SATELLITE]
//   show_dialogs hall-display READY-FILE CAPTION
//
// When the dialog is drawn (and for the menu views the popup is dropped
// down) it creates READY-FILE, then waits until the script deletes it and
// closes. The icon always comes from this program, as in the editor.
// hall-display sends View > Hall display, as the menu does, to the
// editor's window of that caption once it is there, and creates
// READY-FILE once the display is up.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "res/resource.h"

namespace {

enum { TIMER_DROP_MENU = 1, TIMER_READY = 2, TIMER_POLL = 3 };

const WCHAR *readyFile;
WCHAR menuKey;  // mnemonic of the popup to drop, or 0 for none
int waited;

void finish(HWND dialog)
{
    EndMenu();
    EndDialog(dialog, 0);
}

INT_PTR CALLBACK showProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
        SendMessageW(dialog, WM_SETICON, ICON_BIG, (LPARAM)icon);
        SendMessageW(dialog, WM_SETICON, ICON_SMALL, (LPARAM)icon);
        HWND combo = GetDlgItem(dialog, IDC_TEAMS_COMBO);
        if (combo) {
            static const WCHAR *const counts[] = {L"4", L"8", L"16", L"32", L"64"};
            for (const WCHAR *count : counts)
                SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)count);
            SendMessageW(combo, CB_SETCURSEL, 1, 0);
        }
        SetTimer(dialog, menuKey ? TIMER_DROP_MENU : TIMER_READY, 700, NULL);
        return 1;
    }
    case WM_TIMER:
        KillTimer(dialog, wParam);
        if (wParam == TIMER_DROP_MENU) {
            SetTimer(dialog, TIMER_READY, 700, NULL);
            // The menu loop runs inside this call's handling, and keeps
            // dispatching the timers that follow.
            PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, menuKey);
        } else if (wParam == TIMER_READY) {
            HANDLE file = CreateFileW(readyFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            if (file != INVALID_HANDLE_VALUE)
                CloseHandle(file);
            SetTimer(dialog, TIMER_POLL, 200, NULL);
        } else if (wParam == TIMER_POLL) {
            // Deleted by the script once the screen is captured; give up
            // after a minute so that a failed script leaves nothing behind.
            if (GetFileAttributesW(readyFile) == INVALID_FILE_ATTRIBUTES || ++waited > 300)
                finish(dialog);
            else
                SetTimer(dialog, TIMER_POLL, 200, NULL);
        }
        return 1;
    case WM_COMMAND:
        if (wParam == IDCANCEL || wParam == IDC_SETUP_OK)
            finish(dialog);
        return 1;
    }
    return 0;
}

// The editor's hall display, as ui/picture/hall_display.cpp registers it.
const WCHAR HALL_DISPLAY_CLASS[] = L"DuelmarkHallDisplay";

// Each wait gives up after a minute, so a failed script leaves nothing
// behind.
bool waitUntil(bool (*condition)(const WCHAR *), const WCHAR *argument)
{
    for (int tries = 0; tries < 600; tries++, Sleep(100))
        if (condition(argument))
            return true;
    return false;
}

int showHallDisplay(const WCHAR *ready, const WCHAR *caption)
{
    if (!waitUntil([](const WCHAR *name) { return FindWindowW(L"#32770", name) != NULL; }, caption))
        return 5;
    PostMessageW(FindWindowW(L"#32770", caption), WM_COMMAND, IDM_VIEW_HALL_DISPLAY, 0);
    if (!waitUntil([](const WCHAR *) {
            HWND display = FindWindowW(HALL_DISPLAY_CLASS, NULL);
            return display && IsWindowVisible(display);
        }, NULL))
        return 6;
    // The display paints from a picture drawn off screen before it shows.
    HANDLE file = CreateFileW(ready, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    waitUntil([](const WCHAR *name) { return GetFileAttributesW(name) == INVALID_FILE_ATTRIBUTES; }, ready);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int count = 0;
    WCHAR **args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 3)
        return 2;
    if (lstrcmpW(args[1], L"hall-display") == 0)
        return count > 3 ? showHallDisplay(args[2], args[3]) : 2;
    readyFile = args[2];
    HMODULE module = GetModuleHandleW(NULL);
    if (count > 3) {
        module = LoadLibraryExW(args[3], NULL, LOAD_LIBRARY_AS_DATAFILE);
        if (!module)
            return 3;
    }
    int dialogId = IDD_MAIN;
    if (lstrcmpW(args[1], L"setup") == 0)
        dialogId = IDD_SETUP;
    else if (lstrcmpW(args[1], L"file-menu") == 0)
        menuKey = L'f';
    else if (lstrcmpW(args[1], L"edit-menu") == 0)
        menuKey = L'e';
    else if (lstrcmpW(args[1], L"view-menu") == 0)
        menuKey = L'v';
    else
        return 2;
    InitCommonControls();
    return DialogBoxParamW(module, MAKEINTRESOURCEW(dialogId), NULL, showProc, 0) == -1 ? 4 : 0;
}
