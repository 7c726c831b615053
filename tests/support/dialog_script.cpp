#include "support/dialog_script.h"

#include <algorithm>

namespace {

struct Search {
    DWORD processId;
    HWND mainWindow;
    const std::vector<HWND> *answered;
    HWND found;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM data)
{
    Search *search = (Search *)data;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->mainWindow)
        return TRUE;
    WCHAR className[32] = L"";
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    if (std::find(search->answered->begin(), search->answered->end(), window) != search->answered->end())
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ChildSearch {
    HWND found;
};

BOOL CALLBACK considerFileNameEdit(HWND child, LPARAM data)
{
    WCHAR own[32] = L"", parent[32] = L"", grandparent[32] = L"";
    GetClassNameW(child, own, 32);
    GetClassNameW(GetParent(child), parent, 32);
    GetClassNameW(GetParent(GetParent(child)), grandparent, 32);
    if (lstrcmpiW(own, L"Edit") == 0 && lstrcmpiW(parent, L"ComboBox") == 0 &&
        lstrcmpiW(grandparent, L"ComboBoxEx32") == 0) {
        ((ChildSearch *)data)->found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

DialogScript::DialogScript(HWND mainWindow, std::function<void(DialogScript &)> steps) : mainWindow(mainWindow)
{
    processId = 0;
    GetWindowThreadProcessId(mainWindow, &processId);
    start(steps);
}

DialogScript::DialogScript(DWORD processId, std::function<void(DialogScript &)> steps)
    : mainWindow(NULL), processId(processId)
{
    start(steps);
}

void DialogScript::start(std::function<void(DialogScript &)> steps)
{
    worker = std::thread([this, steps]() {
        steps(*this);
        // Whatever opens after the script ran out would keep the command
        // waiting for ever: cancel it and say so.
        while (!commandDone) {
            HWND stray = findOpenDialog();
            if (stray) {
                fail("unexpected dialog \"" + narrow(caption(stray)) + "\" " + narrow(messageText(stray)));
                press(stray, IDCANCEL);
            }
            Sleep(20);
        }
    });
}

DialogScript::~DialogScript()
{
    if (worker.joinable())
        finish();
}

HWND DialogScript::findOpenDialog()
{
    Search search = {processId, mainWindow, &answered, NULL};
    EnumWindows(considerWindow, (LPARAM)&search);
    return search.found;
}

HWND DialogScript::next(const char *expected, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND dialog = findOpenDialog();
        if (dialog) {
            // Its thread answers only once it is back in its message loop:
            // WM_INITDIALOG has run and the dialog is ready to be talked to.
            SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, NULL);
            return dialog;
        }
        Sleep(10);
    }
    fail(std::string("expected ") + expected + ", but no dialog opened");
    return NULL;
}

int waitForFocusIn(HWND window, DWORD timeoutMs)
{
    DWORD thread = GetWindowThreadProcessId(window, NULL);
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(10)) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
            (info.hwndFocus == window || IsChild(window, info.hwndFocus)))
            return 1;
    }
    return 0;
}

void DialogScript::press(HWND dialog, int id)
{
    if (!dialog)
        return;
    answered.push_back(dialog);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void DialogScript::type(HWND edit, const std::wstring &text)
{
    SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

// On a loaded machine the dialog can be visible a moment before its
// children are all in place, so the field is looked for a while.
HWND DialogScript::fileNameEdit(HWND fileDialog)
{
    DWORD start = GetTickCount();
    do {
        ChildSearch search = {NULL};
        EnumChildWindows(fileDialog, considerFileNameEdit, (LPARAM)&search);
        if (search.found)
            return search.found;
        Sleep(20);
    } while (GetTickCount() - start < 30000);
    return NULL;
}

void DialogScript::chooseFile(HWND fileDialog, const std::wstring &path)
{
    HWND edit = fileNameEdit(fileDialog);
    if (!edit) {
        fail("the file dialog has no file-name field");
        return;
    }
    type(edit, path);
    press(fileDialog, IDOK);
}

std::string DialogScript::finish()
{
    commandDone = true;
    if (worker.joinable())
        worker.join();
    std::string all;
    for (const std::string &failure : failures)
        all += failure + "\n";
    failures.clear();
    return all;
}

std::wstring DialogScript::caption(HWND window)
{
    WCHAR text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring DialogScript::messageText(HWND messageBox)
{
    WCHAR text[512] = L"";
    GetDlgItemTextW(messageBox, 0xFFFF, text, 512);
    return text;
}

std::string DialogScript::narrow(const std::wstring &text)
{
    char buffer[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, NULL, NULL);
    return buffer;
}

void pumpMessages(HWND dialog, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(dialog, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}
