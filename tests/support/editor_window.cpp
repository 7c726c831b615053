#include "support/editor_window.h"

#include <shlobj.h>

#include "res/resource.h"
#include "support/dialog_answer.h"
#include "ui/main_dialog.h"

const char SIXTEEN_TEAMS_XML[] =
    "<Games><Title>Spring Cup</Title><Teams>16</Teams>"
    "<Team Name=\"T1\" id=\"1\"/><Team Name=\"T2\" id=\"2\"/><Team Name=\"T3\" id=\"3\"/>"
    "<Team Name=\"T4\" id=\"4\"/><Team Name=\"T5\" id=\"5\"/><Team Name=\"T6\" id=\"6\"/>"
    "<Team Name=\"T7\" id=\"7\"/><Team Name=\"T8\" id=\"8\"/><Team Name=\"T9\" id=\"9\"/>"
    "<Team Name=\"T10\" id=\"10\"/><Team Name=\"T11\" id=\"11\"/><Team Name=\"T12\" id=\"12\"/>"
    "<Team Name=\"T13\" id=\"13\"/><Team Name=\"T14\" id=\"14\"/><Team Name=\"T15\" id=\"15\"/>"
    "<Team Name=\"T16\" id=\"16\"/>"
    "<Team Name=\"T1\" id=\"17\"/><Team Name=\"T5\" id=\"19\"/><Team Name=\"T1\" id=\"25\"/>"
    "<Team Name=\"T5\" id=\"26\"/><Team Name=\"T1\" id=\"29\"/><Team Name=\"T1\" id=\"31\"/></Games>";

void EditorWindowTest::SetUp()
{
    CoInitialize(NULL);
    initBracket(&bracket, GetModuleHandleW(NULL));
    state.bracket = &bracket;
    state.path[0] = 0;
}

void EditorWindowTest::TearDown()
{
    if (window)
        DestroyWindow(window);
    resetBracket(&bracket);
    CoUninitialize();
}

void EditorWindowTest::openEmpty()
{
    if (!window)
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
    ASSERT_NE(nullptr, window) << "IDD_MAIN could not be created";
}

void EditorWindowTest::openOn(const char *xml, int answer)
{
    std::wstring path = folder.file(L"bracket.xml");
    writeFileBytes(path, xml);
    openEmpty();
    if (!window)
        return;
    // Dropped rather than named at start: the answering hook must only
    // see the question, never the main window being created.
    HGLOBAL handle = GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(WCHAR));
    DROPFILES *header = (DROPFILES *)GlobalLock(handle);
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    lstrcpyW((WCHAR *)(header + 1), path.c_str());
    GlobalUnlock(handle);
    {
        ScopedDialogAnswer question(answer);
        SendMessageW(window, WM_DROPFILES, (WPARAM)handle, 0);
    }
    ASSERT_NE(0, bracket.slotCount) << "the file did not load";
    command(IDM_EDIT_UNLOCK_BASE);
}

std::wstring EditorWindowTest::shown(int id)
{
    WCHAR text[NAME_CAPACITY] = L"";
    GetWindowTextW(control(id), text, NAME_CAPACITY);
    return text;
}

void EditorWindowTest::leaveSlot(int id)
{
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TEAM_EDIT, EN_KILLFOCUS), (LPARAM)control(id));
}

bool EditorWindowTest::pickItem(int id, int index)
{
    HWND combo = control(id);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    if (SendMessageW(combo, CB_SETCURSEL, index, 0) == CB_ERR)
        return false;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    return true;
}

void EditorWindowTest::setClipboardText(const std::wstring &text)
{
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
    WCHAR *units = (WCHAR *)GlobalLock(block);
    lstrcpyW(units, text.c_str());
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}
