#include "ui/groups/groups_page.h"

#include <commctrl.h>

#include "model/group_stage.h"
#include "model/slot_control.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_marks.h"
#include "ui/common/message_text.h"
#include "ui/common/standing_text.h"
#include "ui/window/display_scale.h"
#include "ui/window/scroll_view.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/stage_tabs.h"

/* The page's sizes at 96 DPI. */
enum {
    PAGE_MARGIN = 10,
    GROUP_HEADING = 18,
    ENTRANT_COLUMN = 120,
    CELL_WIDTH = 84,
    CELL_HEIGHT = 20,
    GROUP_GAP = 16,
    STANDINGS_GAP = 14,
    STANDINGS_COLUMNS = 9
};

static const int STANDINGS_WIDTHS[STANDINGS_COLUMNS] = {44, 110, 52, 40, 52, 40, 52, 64, 88};

static const WCHAR PAGE_CLASS[] = L"DuelmarkGroupsPage";
/* Set on the knockout's controls the Groups page hid, so that only they
 * come back with the Knockout tab. */
static const WCHAR HIDDEN_PROPERTY[] = L"DuelmarkHiddenByGroups";

struct PageScale {
    int dpi;
    int margin, heading, entrantColumn, cellWidth, cellHeight, groupGap, standingsGap;
    int standingsWidth;
};

static PageScale pageScaleAt(int dpi)
{
    PageScale scale;
    scale.dpi = dpi;
    scale.margin = scalePixels(PAGE_MARGIN, dpi);
    scale.heading = scalePixels(GROUP_HEADING, dpi);
    scale.entrantColumn = scalePixels(ENTRANT_COLUMN, dpi);
    scale.cellWidth = scalePixels(CELL_WIDTH, dpi);
    scale.cellHeight = scalePixels(CELL_HEIGHT, dpi);
    scale.groupGap = scalePixels(GROUP_GAP, dpi);
    scale.standingsGap = scalePixels(STANDINGS_GAP, dpi);
    scale.standingsWidth = 0;
    for (int width : STANDINGS_WIDTHS)
        scale.standingsWidth += scalePixels(width, dpi);
    /* The list's frame takes its width from inside: without room for it a
     * horizontal scroll bar would cover the last row. */
    scale.standingsWidth += 4 * GetSystemMetrics(SM_CXEDGE);
    return scale;
}

/* The page's own window forwards what its controls tell it to the main
 * window, which runs the commands. */
static LRESULT CALLBACK pageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageW(GetParent(page), message, wParam, lParam);
    }
    return DefWindowProcW(page, message, wParam, lParam);
}

static int registerPageClass(void)
{
    WNDCLASSEXW type = {};
    type.cbSize = sizeof type;
    HINSTANCE instance = GetModuleHandleW(NULL);
    if (GetClassInfoExW(instance, PAGE_CLASS, &type))
        return 1;
    type.cbSize = sizeof type;
    type.lpfnWndProc = pageProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    type.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    type.lpszClassName = PAGE_CLASS;
    return RegisterClassExW(&type) != 0;
}

static HWND groupsPage(HWND window)
{
    return GetDlgItem(window, IDC_GROUPS_PAGE);
}

static HWND addControl(HWND page, const WCHAR *type, const WCHAR *text, DWORD style, int x, int y, int width,
                       int height, UINT id, HFONT font)
{
    HWND control = CreateWindowExW(WS_EX_NOPARENTNOTIFY, type, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                   height, page, (HMENU)(INT_PTR)id, GetModuleHandleW(NULL), NULL);
    if (control)
        SendMessageW(control, WM_SETFONT, (WPARAM)font, FALSE);
    return control;
}

static void addStandingsColumns(HWND list, HMODULE module, const PageScale *scale)
{
    WCHAR headings[256];
    loadStringWithFallback(module, IDS_STANDINGS_HEADINGS, headings, 256);
    WCHAR *start = headings;
    for (int column = 0; column < STANDINGS_COLUMNS; column++) {
        WCHAR *end = start;
        while (*end && *end != L'\t')
            end++;
        WCHAR kept = *end;
        *end = 0;
        LVCOLUMNW item = {};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        item.fmt = column == 1 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        item.cx = scalePixels(STANDINGS_WIDTHS[column], scale->dpi);
        item.pszText = start;
        SendMessageW(list, LVM_INSERTCOLUMNW, (WPARAM)column, (LPARAM)&item);
        start = kept ? end + 1 : end;
    }
}

static void setListText(HWND list, int row, int column, const WCHAR *text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = (WCHAR *)text;
    SendMessageW(list, LVM_SETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
}

/* The standings' rows, best first: "=" before the place of entrants the
 * rules left level (and no lot has ordered yet). */
static void showStandings(HWND list, Bracket *bracket, int groupIndex)
{
    StageGroup *group = stageGroup(bracket, groupIndex);
    GroupStandings standings;
    if (!group || !groupStandingsOf(bracket, groupIndex, &standings))
        return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < standings.count; row++) {
        const StandingRow &line = standings.rows[row];
        WCHAR text[STANDING_TEXT_CAPACITY];
        standingCellText(&line, STANDING_COLUMN_PLACE, text);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text;
        SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
        setListText(list, row, STANDING_COLUMN_ENTRANT, group->entrant[line.entrant - 1]);
        for (int column = STANDING_COLUMN_ENTRANT + 1; column < STANDING_COLUMN_COUNT; column++) {
            standingCellText(&line, column, text);
            setListText(list, row, column, text);
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, NULL, TRUE);
}

/* A cell's text changes only when its result does: setting the same text
 * again would make the page flicker at every keystroke of the knockout. */
static void showCell(HWND cell, Bracket *bracket)
{
    int groupIndex, match, home, away;
    if (!groupMatchOfCell(bracket, cell, &groupIndex, &match))
        return;
    StageGroup *group = stageGroup(bracket, groupIndex);
    groupMatchEntrants(group, match, &home, &away);
    WCHAR text[MARK_CAPACITY], shown[MARK_CAPACITY];
    groupCellText(bracket, group, match, cell == group->match[match].control ? home : away, text);
    GetWindowTextW(cell, shown, MARK_CAPACITY);
    if (lstrcmpW(text, shown))
        SetWindowTextW(cell, text);
}

/* A cross table row's label: its number and the entrant's name. */
static void rowLabel(const StageGroup *group, int row, WCHAR *text)
{
    wsprintfW(text, L"%d  ", row);
    lstrcpynW(text + lstrlenW(text), group->entrant[row - 1], NAME_CAPACITY);
}

/* Row labels come before their group's standings in the page's children,
 * so counting both finds each row's group; a rename shows in them too. */
static void showGroupResults(HWND window, Bracket *bracket)
{
    HWND page = groupsPage(window);
    int groupIndex = 0, row = 0;
    for (HWND child = page ? GetWindow(page, GW_CHILD) : NULL; child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id == IDC_GROUP_CELL) {
            showCell(child, bracket);
        } else if (id == IDC_GROUP_ROW_NAME && stageGroup(bracket, groupIndex) &&
                   row < stageGroup(bracket, groupIndex)->count) {
            WCHAR name[NAME_CAPACITY + 8];
            rowLabel(stageGroup(bracket, groupIndex), ++row, name);
            SetWindowTextW(child, name);
        } else if (id == IDC_GROUP_STANDINGS) {
            showStandings(child, bracket, groupIndex++);
            row = 0;
        }
    }
}

/* One group's block at top: its heading, the cross table (a row and a
 * column per entrant, the row's own column left blank) and its standings
 * to the right. Each match's home cell is its control; both cells lead to
 * it. Returns the block's height. */
static int addGroupBlock(HWND page, Bracket *bracket, int groupIndex, int top, const PageScale *scale, HFONT font,
                         int tableWidth)
{
    StageGroup *group = stageGroup(bracket, groupIndex);
    WCHAR letter[2] = {groupLetter(groupIndex), 0};
    WCHAR heading[64];
    const WCHAR *inserts[] = {letter};
    loadMessageText(bracket->resourceModule, IDS_GROUP_HEADING, inserts, 1, heading, 64);
    int x = scale->margin;
    addControl(page, L"Static", heading, SS_LEFT | SS_NOPREFIX, x, top, tableWidth, scale->heading, IDC_GROUP_LABEL,
               font);
    int tableTop = top + scale->heading;
    int n = group->count;
    for (int column = 1; column <= n; column++) {
        WCHAR number[8];
        wsprintfW(number, L"%d", column);
        addControl(page, L"Static", number, SS_CENTER, x + scale->entrantColumn + (column - 1) * scale->cellWidth,
                   tableTop, scale->cellWidth, scale->cellHeight, IDC_GROUP_LABEL, font);
    }
    HWND cells[MAX_GROUP_MATCHES][2] = {};
    for (int row = 1; row <= n; row++) {
        int y = tableTop + row * scale->cellHeight;
        WCHAR name[NAME_CAPACITY + 8];
        rowLabel(group, row, name);
        addControl(page, L"Static", name, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_CENTERIMAGE, x, y,
                   scale->entrantColumn - 4, scale->cellHeight, IDC_GROUP_ROW_NAME, font);
        for (int column = 1; column <= n; column++) {
            PairingPlace place;
            if (column == row || !findPairing(n, row, column, &place))
                continue;
            /* Arrows walk one group's cells; Tab leaves for the standings. */
            DWORD style = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY | (row == 1 && column == 2 ? WS_GROUP : 0);
            cells[place.match][place.home ? 0 : 1] =
                addControl(page, L"Button", L"", style, x + scale->entrantColumn + (column - 1) * scale->cellWidth, y,
                           scale->cellWidth, scale->cellHeight, IDC_GROUP_CELL, font);
        }
    }
    /* Both cells lead to the match; the home side's is its control. */
    for (int match = 0; match < group->matchCount; match++) {
        for (int side = 1; side >= 0; side--) {
            if (cells[match][side])
                bindSlotControl(cells[match][side], &group->match[match]);
        }
    }
    int tableHeight = (n + 1) * scale->cellHeight;
    HWND list = addControl(page, WC_LISTVIEWW, L"",
                           WS_TABSTOP | WS_BORDER | WS_GROUP | LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL |
                               LVS_SHOWSELALWAYS,
                           x + tableWidth + scale->standingsGap, tableTop, scale->standingsWidth, tableHeight,
                           IDC_GROUP_STANDINGS, font);
    int height = tableHeight;
    if (list) {
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        addStandingsColumns(list, bracket->resourceModule, scale);
        showStandings(list, bracket, groupIndex);
        /* The whole table in view, however tall the font's rows are. */
        DWORD needed = (DWORD)SendMessageW(list, LVM_APPROXIMATEVIEWRECT, (WPARAM)n, MAKELPARAM(-1, -1));
        int listHeight = HIWORD(needed) + 4;
        if (listHeight > height)
            height = listHeight;
        SetWindowPos(list, NULL, 0, 0, scale->standingsWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return scale->heading + height + scale->groupGap;
}

/* The match nodes forget the cells first, so nothing is left pointing at
 * a destroyed window. */
static void destroyGroupsPage(HWND window, Bracket *bracket)
{
    HWND page = groupsPage(window);
    if (!page)
        return;
    for (int groupIndex = 0; groupIndex < bracket->groups.groupCount; groupIndex++) {
        StageGroup *group = stageGroup(bracket, groupIndex);
        for (int match = 0; group && match < group->matchCount; match++)
            destroySlotControl(&group->match[match].control);
    }
    DestroyWindow(page);
}

static int widestGroup(Bracket *bracket)
{
    int widest = 0;
    for (int groupIndex = 0; groupIndex < bracket->groups.groupCount; groupIndex++) {
        StageGroup *group = stageGroup(bracket, groupIndex);
        if (group && group->count > widest)
            widest = group->count;
    }
    return widest;
}

/* The page stands below the tab strip, hidden until its tab is shown. */
static void buildGroupsPage(HWND window, Bracket *bracket)
{
    destroyGroupsPage(window, bracket);
    if (!bracket->slotCount || !bracket->groups.on || !registerPageClass())
        return;
    PageScale scale = pageScaleAt(windowDpi(window));
    HFONT font = currentSlotGeometry(window, bracket).font;
    int tableWidth = scale.entrantColumn + widestGroup(bracket) * scale.cellWidth;
    int band = scalePixels(STAGE_TAB_BAND, scale.dpi);
    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, PAGE_CLASS, L"",
                                WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, band, 0, 0, window,
                                (HMENU)(INT_PTR)IDC_GROUPS_PAGE, GetModuleHandleW(NULL), NULL);
    if (!page)
        return;
    /* Right after the tab strip in the Tab order. */
    HWND tabs = GetDlgItem(window, IDC_STAGE_TABS);
    SetWindowPos(page, tabs ? tabs : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    int top = scale.margin;
    for (int groupIndex = 0; groupIndex < bracket->groups.groupCount; groupIndex++)
        top += addGroupBlock(page, bracket, groupIndex, top, &scale, font, tableWidth);
    int width = scale.margin + tableWidth + scale.standingsGap + scale.standingsWidth + scale.margin;
    showGroupResults(window, bracket);
    SetWindowPos(page, NULL, 0, 0, width, top - scale.groupGap + scale.margin, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* The knockout's controls: every child but the tab strip, the page and
 * the parked button, which never shows. */
static int isKnockoutControl(HWND control)
{
    int id = GetDlgCtrlID(control);
    return id != IDC_STAGE_TABS && id != IDC_GROUPS_PAGE && id != IDC_PARKED_BUTTON;
}

/* A control's own visible style, not IsWindowVisible: the window's drawing
 * may be paused (WM_SETREDRAW), which hides the window itself meanwhile. */
static void hideKnockout(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isKnockoutControl(child) && (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) {
            SetPropW(child, HIDDEN_PROPERTY, (HANDLE)1);
            ShowWindow(child, SW_HIDE);
        }
    }
}

static void showKnockout(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (RemovePropW(child, HIDDEN_PROPERTY))
            ShowWindow(child, SW_SHOWNA);
    }
}

void showChosenStagePage(HWND window, Bracket *bracket)
{
    HWND page = groupsPage(window);
    int groups = page && chosenStagePage(window) == STAGE_GROUPS;
    HWND focus = GetFocus();
    resetScrollView(window);
    SIZE content;
    if (groups) {
        hideKnockout(window);
        ShowWindow(page, SW_SHOWNA);
        RECT box;
        GetWindowRect(page, &box);
        content.cx = box.right - box.left;
        content.cy = scalePixels(STAGE_TAB_BAND, windowDpi(window)) + box.bottom - box.top;
    } else {
        if (page)
            ShowWindow(page, SW_HIDE);
        showKnockout(window);
        SlotGeometry geometry = currentSlotGeometry(window, bracket);
        content = bracketContentSize(bracket, &geometry);
    }
    fitStageTabs(window, currentSlotGeometry(window, bracket).font, content.cx);
    placeScrollView(window, content.cx, content.cy);
    /* The keyboard stays in the window: a control just hidden hands the
     * focus to the tab strip. */
    if (focus && IsChild(window, focus) && !IsWindowVisible(focus))
        SetFocus(GetDlgItem(window, IDC_STAGE_TABS));
    InvalidateRect(window, NULL, TRUE);
}

/* Another bracket (or none) rebuilds the page and opens on the Groups
 * tab; any other change shows its results, and a knockout control that a
 * replayed step brought back stays hidden under the Groups page. */
static void followBracketChange(Bracket *bracket, BracketNode *node, void *context)
{
    HWND window = (HWND)context;
    if (node == UNDO_ALL_SHOWN) {
        if (!bracket->slotCount)
            removeStageTabs(window);
        buildGroupsPage(window, bracket);
        if (groupsPage(window)) {
            chooseStageTab(window, STAGE_GROUPS);
            showChosenStagePage(window, bracket);
        }
        return;
    }
    if (!groupsPage(window))
        return;
    showGroupResults(window, bracket);
    if (chosenStagePage(window) == STAGE_GROUPS)
        hideKnockout(window);
}

void followGroupsPage(HWND window, Bracket *bracket)
{
    watchUndoSteps(bracket, followBracketChange, window);
}

void forgetGroupsPage(HWND window, Bracket *bracket)
{
    unwatchUndoSteps(bracket, followBracketChange, window);
    destroyGroupsPage(window, bracket);
}

void followGroupsPageScale(HWND window, Bracket *bracket)
{
    if (!groupsPage(window))
        return;
    HWND focus = GetFocus();
    int group = -1, match = -1, home = IsChild(window, focus) && slotOfControl(focus) &&
                                           focus == slotOfControl(focus)->control;
    groupMatchOfCell(bracket, focus, &group, &match);
    buildGroupsPage(window, bracket);
    showChosenStagePage(window, bracket);
    /* The cell that had the focus keeps it in its new size. */
    StageGroup *stage = group >= 0 ? stageGroup(bracket, group) : NULL;
    if (stage && home && stage->match[match].control)
        SetFocus(stage->match[match].control);
}

int groupMatchOfCell(Bracket *bracket, HWND control, int *group, int *match)
{
    if (!control || GetDlgCtrlID(control) != IDC_GROUP_CELL)
        return 0;
    return findGroupMatch(&bracket->groups, slotOfControl(control), group, match);
}
