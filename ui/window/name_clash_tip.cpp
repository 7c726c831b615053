#include "ui/window/name_clash_tip.h"
#include "model/slot_control.h"
#include "model/team_list.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/message_text.h"
#include "ui/window/display_scale.h"

/* One tracking tooltip per main window, made the first time a name clashes
 * and destroyed with the window it belongs to; a second property names the
 * edit it points at while it shows. */
static const WCHAR TIP_PROPERTY[] = L"DuelmarkNameClashTip";
static const WCHAR EDIT_PROPERTY[] = L"DuelmarkNameClashEdit";

enum { TIP_TOOL_ID = 1, TIP_TEXT_CAPACITY = 512, TIP_WIDTH = 280 };

static void describeTool(HWND mainWindow, TOOLINFOW *tool)
{
    ZeroMemory(tool, sizeof *tool);
    tool->cbSize = sizeof *tool;
    tool->uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool->hwnd = mainWindow;
    tool->uId = TIP_TOOL_ID;
}

static HWND tipOf(HWND mainWindow)
{
    HWND tip = (HWND)GetPropW(mainWindow, TIP_PROPERTY);
    return tip && IsWindow(tip) ? tip : NULL;
}

static HWND makeTip(HWND mainWindow)
{
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, NULL, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow, NULL,
                               (HINSTANCE)GetWindowLongPtrW(mainWindow, GWLP_HINSTANCE), NULL);
    if (!tip)
        return NULL;
    TOOLINFOW tool;
    describeTool(mainWindow, &tool);
    tool.lpszText = (WCHAR *)L"";
    if (!SendMessageW(tip, TTM_ADDTOOLW, 0, (LPARAM)&tool)) {
        DestroyWindow(tip);
        return NULL;
    }
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, scalePixels(TIP_WIDTH, windowDpi(mainWindow)));
    SetPropW(mainWindow, TIP_PROPERTY, tip);
    return tip;
}

void hideNameClashTip(HWND mainWindow)
{
    HWND tip = tipOf(mainWindow);
    RemovePropW(mainWindow, EDIT_PROPERTY);
    if (!tip)
        return;
    TOOLINFOW tool;
    describeTool(mainWindow, &tool);
    SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&tool);
}

void forgetNameClashTip(HWND mainWindow, HWND control)
{
    if (control && (HWND)GetPropW(mainWindow, EDIT_PROPERTY) == control)
        hideNameClashTip(mainWindow);
}

/* The stem points at the middle of the edit's lower edge, so the balloon
 * hangs below the name and leaves the typing in sight. */
static void showTip(HWND mainWindow, HWND tip, HWND edit, WCHAR *text)
{
    TOOLINFOW tool;
    describeTool(mainWindow, &tool);
    tool.lpszText = text;
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, (LPARAM)&tool);
    RECT place;
    GetWindowRect(edit, &place);
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM((place.left + place.right) / 2, place.bottom));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&tool);
    SetPropW(mainWindow, EDIT_PROPERTY, edit);
}

void tellNameClash(HWND edit, Bracket *bracket)
{
    BracketNode *node = slotOfControl(edit);
    HWND mainWindow = GetAncestor(edit, GA_ROOT);
    if (!node || node->left || !mainWindow)
        return;
    BracketNode *twin = baseNameTwin(bracket, node);
    if (!twin) {
        forgetNameClashTip(mainWindow, edit);
        return;
    }
    HWND tip = tipOf(mainWindow);
    if (!tip)
        tip = makeTip(mainWindow);
    if (!tip)
        return;
    WCHAR text[TIP_TEXT_CAPACITY];
    const WCHAR *inserts[] = {twin->name};
    if (!loadMessageText(bracket->resourceModule, IDS_NAME_TAKEN, inserts, 1, text, TIP_TEXT_CAPACITY))
        lstrcpynW(text, twin->name, TIP_TEXT_CAPACITY);
    showTip(mainWindow, tip, edit, text);
}
