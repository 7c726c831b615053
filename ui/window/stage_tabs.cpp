#include "ui/window/stage_tabs.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/window/display_scale.h"
#include "ui/window/slot_geometry.h"

static void addTab(HWND tabs, HMODULE module, int index, UINT text)
{
    WCHAR label[64];
    loadStringWithFallback(module, text, label, 64);
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = label;
    SendMessageW(tabs, TCM_INSERTITEMW, (WPARAM)index, (LPARAM)&item);
}

static HWND createStageTabs(HWND window, Bracket *bracket)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    /* First in the Tab order: the page below it follows. */
    HWND tabs = CreateWindowExW(WS_EX_NOPARENTNOTIFY, WC_TABCONTROLW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN, 0, 0,
                                0, 0, window, (HMENU)(INT_PTR)IDC_STAGE_TABS, GetModuleHandleW(NULL), NULL);
    if (!tabs)
        return NULL;
    SetWindowPos(tabs, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    addTab(tabs, bracket->resourceModule, STAGE_GROUPS, IDS_STAGE_GROUPS_TAB);
    addTab(tabs, bracket->resourceModule, STAGE_KNOCKOUT, IDS_STAGE_KNOCKOUT_TAB);
    SendMessageW(tabs, TCM_SETCURSEL, STAGE_GROUPS, 0);
    return tabs;
}

void placeStageTabs(HWND window, Bracket *bracket)
{
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    if (!bracket->slotCount || !bracket->groups.on) {
        removeStageTabs(window);
        return;
    }
    if (!tabs && !(tabs = createStageTabs(window, bracket)))
        return;
    RECT box;
    GetWindowRect(tabs, &box);
    int band = scalePixels(STAGE_TAB_BAND, windowDpi(window));
    SetWindowPos(tabs, NULL, 0, 0, box.right - box.left, band, SWP_NOZORDER | SWP_NOACTIVATE);
}

void fitStageTabs(HWND window, HFONT font, int width)
{
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    RECT box;
    if (!tabs || !GetWindowRect(tabs, &box))
        return;
    SendMessageW(tabs, WM_SETFONT, (WPARAM)font, TRUE);
    SetWindowPos(tabs, NULL, 0, 0, width, box.bottom - box.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void removeStageTabs(HWND window)
{
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    if (tabs)
        DestroyWindow(tabs);
}

int chosenStagePage(HWND window)
{
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    if (!tabs)
        return STAGE_KNOCKOUT;
    return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == STAGE_GROUPS ? STAGE_GROUPS : STAGE_KNOCKOUT;
}

void chooseStageTab(HWND window, int page)
{
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    if (tabs)
        SendMessageW(tabs, TCM_SETCURSEL, (WPARAM)page, 0);
}
