#include "ui/window/layout.h"
#include "model/group_stage.h"
#include "model/slot_control.h"
#include "res/resource.h"
#include "ui/window/scroll_view.h"
#include "ui/window/drawing_pause.h"
#include "ui/window/bye_slots.h"
#include "ui/common/message_text.h"
#include "ui/window/pick_tooltips.h"
#include "ui/window/third_place_view.h"
#include "ui/window/losers_view.h"
#include "ui/window/pick_controls.h"
#include "ui/window/stage_tabs.h"

enum {
    EDIT_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
    EDIT_EX_STYLE = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY
};

/* Notifications the control raised while it was being filled found no
 * slot and were ignored; from here on they reach the slot. */
static void bindControl(HWND control, BracketNode *node, HFONT font)
{
    if (!control)
        return;
    SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    bindSlotControl(control, node);
}

HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       const SlotGeometry *geometry, int isPick, int editable, int held)
{
    int left = x + geometry->margin;
    int top = y + geometry->margin;
    HWND control;
    if (isPick) {
        control = createPickControl(instance, parent, left, top, node, geometry, IDC_PICK_COMBO);
    } else {
        /* Disabled from the start: disabling a made edit costs a round of
         * messages, which a group event's whole first round paid at every
         * open. */
        DWORD style = EDIT_STYLE | (editable ? 0 : ES_READONLY) | (held ? WS_DISABLED : 0);
        control = CreateWindowExW(EDIT_EX_STYLE, L"Edit", node->name, style, left, top, geometry->columnWidth,
                                  geometry->editHeight, parent, (HMENU)(INT_PTR)IDC_TEAM_EDIT, instance, NULL);
        if (control)
            SendMessageW(control, EM_LIMITTEXT, NAME_CAPACITY - 1, 0);
    }
    bindControl(control, node, geometry->font);
    return control;
}

struct SlotCreation {
    HINSTANCE instance;
    HWND parent;
    const SlotGeometry *geometry;
    int editable;
    const GroupKnockout *seats; /* the groups' seats, or NULL */
};

static void createPlacedSlot(BracketNode *node, int x, int y, int isPick, void *context)
{
    SlotCreation *creation = (SlotCreation *)context;
    keepHeldWindowDrawn(createSlotControl(creation->instance, creation->parent, x, y, node, creation->geometry,
                                          isPick, creation->editable, !isPick && isHeldBaseSlot(node, creation->seats)));
}

static void movePlacedSlot(BracketNode *node, int x, int y, int isPick, void *context)
{
    const SlotGeometry *geometry = (const SlotGeometry *)context;
    HWND control = node->control;
    if (!control)
        return;
    SendMessageW(control, WM_SETFONT, (WPARAM)geometry->font, FALSE);
    if (isPick)
        SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
    SetWindowPos(control, NULL, x + geometry->margin, y + geometry->margin, geometry->columnWidth,
                 isPick ? geometry->pickHeight : geometry->editHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeSlotControls(Bracket *bracket, const SlotGeometry *geometry)
{
    walkSlotPlaces(bracket, geometry, movePlacedSlot, (void *)geometry);
}

void showNameFromStart(HWND control)
{
    if (!control)
        return;
    SendMessageW(control, EM_SETSEL, 0, 0);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

void setBracketCaption(HWND mainWindow, Bracket *bracket)
{
    WCHAR caption[512];
    bracket->title[TITLE_CAPACITY - 1] = 0;
    const WCHAR *inserts[] = {bracket->title};
    /* A satellite without the caption's text shows the title alone. */
    if (!LoadStringW(bracket->resourceModule, IDS_TITLE_FORMAT, caption, 2) ||
        !loadMessageText(bracket->resourceModule, IDS_TITLE_FORMAT, inserts, 1, caption, 512))
        lstrcpynW(caption, bracket->title, 512);
    SendMessageW(mainWindow, WM_SETTEXT, 0, (LPARAM)caption);
}

/* Resizes the window so its client area fits the bracket exactly and
 * centres it in the work area. A bracket larger than the work area scrolls
 * inside it (ui/window/scroll_view); the tree refuses more than MAX_TEAM_COUNT
 * teams, so the client area is at most 2580 high at 96 DPI. */
void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase)
{
    /* The largest brackets take seconds to lay out: the caption names the
     * bracket from the start. The window keeps its size until the end:
     * resized first, each drawing on the way would cover the whole of it. */
    if (bracket->slotCount != 0)
        setBracketCaption(mainWindow, bracket);
    showRuledPicks(bracket);
    placeStageTabs(mainWindow, bracket);
    SlotGeometry geometry = slotGeometryFor(mainWindow, bracket);
    GroupKnockout seats;
    int seated = groupKnockoutOf(bracket, &seats);
    SlotCreation creation = {GetModuleHandleW(NULL), mainWindow, &geometry, editableBase, seated ? &seats : NULL};
    resetScrollView(mainWindow);
    /* On a shown window (New) every control would otherwise be drawn as it
     * is made; the window is drawn now and then instead. */
    int paused = pauseDrawing(mainWindow);
    walkSlotPlaces(bracket, &geometry, createPlacedSlot, &creation);
    SIZE content = bracketContentSize(bracket, &geometry);
    showByeSlots(bracket, creation.seats);
    placeThirdPlaceControls(mainWindow, bracket, &geometry);
    placeLosersControls(mainWindow, bracket, &geometry, 0);
    attachPickTooltips(mainWindow, bracket);
    resumeDrawing(mainWindow, paused);
    fitStageTabs(mainWindow, geometry.font, content.cx);
    placeScrollView(mainWindow, content.cx, content.cy);
}
