#include "ui/window/pick_tooltips.h"
#include "model/slot_control.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"

/* The tooltip control lives as a property of the main window, made on the
 * first layout and destroyed with the window; each layout replaces its
 * tools. */
static const WCHAR TOOLTIP_PROPERTY[] = L"DuelmarkPickTooltips";

enum { RELAY_SUBCLASS_ID = 23, HEADING_CAPACITY = 64 };

/* Hands the pick's mouse messages to the tooltip. The tooltip's own
 * subclassing (TTF_SUBCLASS) is not undone when a control is destroyed
 * before its tool is removed, and every bracket's controls are; this one
 * removes itself as the control goes. */
static LRESULT CALLBACK relayMouse(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR tooltip)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        MSG relayed = {control, message, wParam, lParam, 0, {0, 0}};
        SendMessageW((HWND)tooltip, TTM_RELAYEVENT, 0, (LPARAM)&relayed);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, relayMouse, id);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

/* The tool alone, its text asked for when the tip shows; 1 when added. */
static int addTool(HWND tooltip, HWND mainWindow, HWND control)
{
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = mainWindow;
    tool.uId = (UINT_PTR)control;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return SendMessageW(tooltip, TTM_ADDTOOLW, 0, (LPARAM)&tool) != FALSE;
}

void addPickTooltip(HWND mainWindow, HWND control)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (!tooltip || !control)
        return;
    SetWindowSubclass(control, relayMouse, RELAY_SUBCLASS_ID, (DWORD_PTR)tooltip);
    addTool(tooltip, mainWindow, control);
}

/* A first-round box's tip is wanted on few of a bracket's many boxes, and
 * hooking every box at each open, then unhooking each as it goes, cost
 * more than a tenth of opening the file: the box gets its tool now and its
 * relay when the pointer first comes over it (relayTipOnHover). */
static void addHoverTooltip(HWND mainWindow, HWND control)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (tooltip && control)
        addTool(tooltip, mainWindow, control);
}

void relayTipOnHover(HWND mainWindow, HWND control)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (!tooltip || !control || GetParent(control) != mainWindow)
        return;
    WCHAR text[80];
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = mainWindow;
    tool.uId = (UINT_PTR)control;
    tool.lpszText = text;
    /* A relay already there only has its tooltip named again. */
    if (SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, (LPARAM)&tool))
        SetWindowSubclass(control, relayMouse, RELAY_SUBCLASS_ID, (DWORD_PTR)tooltip);
}

/* The tools of the previous bracket name controls that are gone. */
static void removeAllTools(HWND tooltip)
{
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    while (SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0) > 0 && SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, (LPARAM)&tool))
        SendMessageW(tooltip, TTM_DELTOOLW, 0, (LPARAM)&tool);
}

void attachPickTooltips(HWND mainWindow, Bracket *bracket)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (tooltip) {
        removeAllTools(tooltip);
        /* A list dropped when its bracket went never closed up. */
        SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
    } else {
        tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, NULL, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mainWindow, NULL,
                                  GetModuleHandleW(NULL), NULL);
        if (!tooltip)
            return;
        SetPropW(mainWindow, TOOLTIP_PROPERTY, tooltip);
    }
    if (!bracket->slotCount)
        return;
    /* A seed may find no room beside its box in the usual geometry; the
     * first-round box's tip tells it whole. */
    for (int id = 1; id <= 2 * bracket->slotCount - 1; id++) {
        BracketNode *slot = bracket->nodeTable[id - 1];
        if (slot->left)
            addPickTooltip(mainWindow, slot->control);
        else
            addHoverTooltip(mainWindow, slot->control);
    }
    addPickTooltip(mainWindow, bracket->thirdPlace.control);
    for (int k = 1; k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (match)
            addPickTooltip(mainWindow, match->control);
    }
}

/* The match named in words ("Losers' final", "Grand final reset"), where
 * both entrants come from ("Winner of L1 2 v Loser of QF 3"), then the
 * match's marks: longer than the tooltip's own copy holds, so the text
 * stays here until the next tip. */
static const WCHAR *losersTip(Bracket *bracket, BracketNode *match)
{
    static WCHAR tip[HEADING_CAPACITY + 2 * FEEDER_TEXT_CAPACITY + MARK_CAPACITY + 16];
    int k = losersNumberOf(bracket, match);
    LosersFeeder feeders[2];
    losersFeeders(bracket, k, feeders);
    WCHAR heading[HEADING_CAPACITY], first[FEEDER_TEXT_CAPACITY], second[FEEDER_TEXT_CAPACITY],
        marks[MARK_CAPACITY];
    losersMatchHeading(bracket, k, heading, HEADING_CAPACITY);
    feederText(bracket, &feeders[0], first);
    feederText(bracket, &feeders[1], second);
    matchMarkText(bracket, match, 1, marks);
    wsprintfW(tip, marks[0] ? L"%s \x00B7 %s v %s \x00B7 %s" : L"%s \x00B7 %s v %s", heading, first, second, marks);
    return tip;
}

void removePickTooltip(HWND mainWindow, HWND control)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (!tooltip || !control)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = mainWindow;
    tool.uId = (UINT_PTR)control;
    SendMessageW(tooltip, TTM_DELTOOLW, 0, (LPARAM)&tool);
}

void quietPickTooltips(HWND mainWindow, int quiet)
{
    HWND tooltip = (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY);
    if (!tooltip)
        return;
    if (quiet)
        SendMessageW(tooltip, TTM_POP, 0, 0);
    SendMessageW(tooltip, TTM_ACTIVATE, !quiet, 0);
}

int answerPickTooltip(HWND mainWindow, Bracket *bracket, NMHDR *header)
{
    if (header->code != TTN_GETDISPINFOW || !bracket->slotCount ||
        header->hwndFrom != (HWND)GetPropW(mainWindow, TOOLTIP_PROPERTY))
        return 0;
    NMTTDISPINFOW *info = (NMTTDISPINFOW *)header;
    HWND control = (HWND)header->idFrom;
    info->szText[0] = 0;
    info->lpszText = info->szText;
    /* The tooltip's own copy holds 79 units; a mark left out or cut beside
     * its match is told here whole, so the text stays until the next tip. */
    static WCHAR summary[NAME_CAPACITY + MARK_CAPACITY];
    summary[0] = 0;
    BracketNode *slot = IsChild(mainWindow, control) ? slotOfControl(control) : NULL;
    if (slot && !slot->left && slot->id >= 1 && slot->id <= (UINT)bracket->slotCount &&
        bracket->nodeTable[slot->id - 1] == slot) {
        if (slot->seed > 0 && slot->name[0])
            wsprintfW(summary, L"(%d) %s", slot->seed, slot->name);
        info->lpszText = summary;
        return 1;
    }
    BracketNode *losers = IsChild(mainWindow, control) && GetDlgCtrlID(control) == IDC_LOSERS_COMBO
                              ? slotOfControl(control)
                              : NULL;
    if (losersNumberOf(bracket, losers)) {
        info->lpszText = (WCHAR *)losersTip(bracket, losers);
        return 1;
    }
    if (control == bracket->thirdPlace.control && control) {
        matchMarkText(bracket, &bracket->thirdPlace, 1, summary);
    } else {
        if (!IsChild(mainWindow, control) || GetDlgCtrlID(control) != IDC_PICK_COMBO)
            return 1;
        BracketNode *node = slotOfControl(control);
        if (!node || !node->left)
            return 1;
        matchMarkText(bracket, node, 1, summary);
    }
    info->lpszText = summary;
    return 1;
}
