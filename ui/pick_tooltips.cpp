#include "ui/pick_tooltips.h"

#include <commctrl.h>

#include "res/resource.h"

/* The tooltip control lives as a property of the main window: the window
 * outlives every bracket, and a new layout brings a new tooltip control. */
static const WCHAR TOOLTIP_PROPERTY[] = L"DuelmarkPickTooltips";

void addPickTooltip(HWND mainWindow, HWND control)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (!tooltip || !control)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = mainWindow;
    tool.uId = (UINT_PTR)control;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, (LPARAM)&tool);
}

void attachPickTooltips(Bracket *bracket, HWND mainWindow)
{
    HWND old = (HWND)RemovePropW(mainWindow, TOOLTIP_PROPERTY);
    if (old)
        DestroyWindow(old);
    if (!bracket->slotCount)
        return;
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, NULL, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow, NULL,
                                   GetModuleHandleW(NULL), NULL);
    if (!tooltip)
        return;
    SetPropW(mainWindow, TOOLTIP_PROPERTY, tooltip);
    for (int id = bracket->slotCount + 1; id <= 2 * bracket->slotCount - 1; id++)
        addPickTooltip(mainWindow, bracket->nodeTable[id - 1]->control);
    addPickTooltip(mainWindow, bracket->thirdPlace.control);
}

int answerPickTooltip(Bracket *bracket, HWND mainWindow, NMHDR *header)
{
    if (header->code != TTN_GETDISPINFOW || !bracket->slotCount ||
        header->hwndFrom != (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY))
        return 0;
    NMTTDISPINFOW *info = (NMTTDISPINFOW *)header;
    HWND control = (HWND)header->idFrom;
    info->szText[0] = 0;
    info->lpszText = info->szText;
    if (control == bracket->thirdPlace.control && control) {
        info->lpszText = bracket->thirdPlace.result;
        return 1;
    }
    if (!IsChild(mainWindow, control) || GetDlgCtrlID(control) != IDC_PICK_COMBO)
        return 1;
    BracketNode *node = (BracketNode *)GetWindowLongPtrW(control, GWLP_USERDATA);
    if (node && node->left)
        info->lpszText = node->result;
    return 1;
}
