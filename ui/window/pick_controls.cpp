#include "ui/window/pick_controls.h"
#include "model/slot_control.h"
#include "model/entrant_name.h"
#include "model/pick_rules.h"
#include "ui/common/choice_list.h"
#include "res/resource.h"
#include "ui/window/display_scale.h"
#include "ui/window/name_clash_tip.h"
#include "ui/window/slot_geometry.h"

enum { PICK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST };

/* The DPI of the window the pick stands on. */
static int pickDpi(HWND control)
{
    HWND parent = GetParent(control);
    return windowDpi(parent ? parent : control);
}

void showSoleChoice(HWND control, const WCHAR *name)
{
    SendMessageW(control, CB_RESETCONTENT, 0, 0);
    SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)name);
    SendMessageW(control, CB_SETCURSEL, 0, 0);
}

static void showRuledPick(BracketNode *match)
{
    if (match->control)
        showSoleChoice(match->control, match->name);
}

void showRuledPicks(Bracket *bracket)
{
    bracket->pickRuled = showRuledPick;
}

void shownName(HWND control, WCHAR text[NAME_CAPACITY])
{
    text[0] = 0;
    SendMessageW(control, WM_GETTEXT, NAME_CAPACITY, (LPARAM)text);
    text[NAME_CAPACITY - 1] = 0;
}

/* The node a slot control carries and, when there is one, what the control
 * shows (for a pick, the selected item) cut to a name's capacity; NULL when
 * the control is not a slot of the open bracket. Layout binds the node
 * last, so the notifications a control raises while it is being created
 * and filled land here unbound. */
static BracketNode *boundSlot(Bracket *bracket, HWND control, WCHAR *text)
{
    if (bracket->slotCount == 0)
        return NULL;
    BracketNode *node = slotOfControl(control);
    if (!node)
        return NULL;
    shownName(control, text);
    return node;
}

void handleSlotTextChange(HWND control, Bracket *bracket)
{
    WCHAR text[NAME_CAPACITY];
    BracketNode *node = boundSlot(bracket, control, text);
    if (!node)
        return;
    applySlotText(bracket, node, text);
    if (!node->left)
        tellNameClash(control, bracket);
}

int addChoiceMeasured(HWND control, HDC dc, const WCHAR *name)
{
    if (!name[0])
        return 0;
    SIZE extent;
    /* A name that cannot be measured must not widen the list by whatever
     * happened to be in extent; it counts as the control's own width. */
    int width = columnWidthAt(pickDpi(control));
    if (dc && GetTextExtentPoint32W(dc, name, lstrlenW(name), &extent))
        width = extent.cx + scalePixels(8, pickDpi(control));
    SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)name);
    return width;
}

int addChoicesMeasured(HWND control, const WCHAR *const *names, int count, int width)
{
    HFONT font = (HFONT)SendMessageW(control, WM_GETFONT, 0, 0);
    HDC dc = GetDC(control);
    HGDIOBJ replaced = NULL;
    if (dc && font)
        replaced = SelectObject(dc, font);
    for (int i = 0; i < count; i++) {
        int w = addChoiceMeasured(control, dc, names[i]);
        if (w > width)
            width = w;
    }
    if (dc) {
        if (replaced)
            SelectObject(dc, replaced);
        ReleaseDC(control, dc);
    }
    return width;
}

void offerEntrants(HWND control, const WCHAR *const names[2], const WCHAR *pick)
{
    const WCHAR *offered[2];
    int count = 0;
    for (int side = 0; side < 2; side++) {
        if (names[side] && names[side][0] && !(count && sameName(offered[0], names[side])))
            offered[count++] = names[side];
    }
    SendMessageW(control, CB_RESETCONTENT, 0, 0);
    int width = addChoicesMeasured(control, offered, count, columnWidthAt(pickDpi(control)));
    LRESULT index = findChoice(control, pick);
    if (index != CB_ERR)
        SendMessageW(control, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageW(control, CB_SETDROPPEDWIDTH, (WPARAM)width, 0);
}

/* Refilling sends no CBN_SELCHANGE (list messages never do), so reselecting
 * the pick is not a change: the node keeps its name until the user chooses
 * an item. The item reselected is the name the node holds, not the first
 * the list's case-blind search would find, or a click on the highlighted
 * item would swap "ann" for "Ann". */
void fillPickChoices(Bracket *bracket, HWND control)
{
    WCHAR previous[NAME_CAPACITY];
    BracketNode *node = boundSlot(bracket, control, previous);
    if (!node)
        return;
    SendMessageW(control, CB_RESETCONTENT, 0, 0);
    int width = columnWidthAt(pickDpi(control));
    if (node->left && node->right) {
        const WCHAR *feeders[2] = {node->left->name, node->right->name};
        width = addChoicesMeasured(control, feeders, 2, width);
    }
    LRESULT index = findChoice(control, node->name);
    if (index != CB_ERR)
        SendMessageW(control, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageW(control, CB_SETDROPPEDWIDTH, (WPARAM)width, 0);
}

HWND createPickControl(HINSTANCE instance, HWND parent, int left, int top, BracketNode *node,
                       const SlotGeometry *geometry, int id)
{
    HWND control = CreateWindowExW(0, L"ComboBox", NULL, PICK_STYLE, left, top, geometry->columnWidth,
                                   geometry->pickHeight, parent, (HMENU)(INT_PTR)id, instance, NULL);
    if (!control)
        return NULL;
    SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
    if (node->name[0]) {
        SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)node->name);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    }
    return control;
}
