#include "ui/window/third_place_view.h"

#include "model/third_place.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/pick_controls.h"
#include "ui/window/pick_tooltips.h"
#include "ui/window/scroll_view.h"

enum {
    PICK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST,
    LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX
};

static void showThirdPlacePick(BracketNode *match)
{
    if (match->control)
        showSoleChoice(match->control, match->name);
}

/* The heading is the window's, not the match's: the window keeps it as its
 * child under its id, beside the drop-down it names. */
static HWND thirdPlaceHeading(HWND mainWindow)
{
    return GetDlgItem(mainWindow, IDC_THIRD_PLACE_LABEL);
}

void removeThirdPlaceHeading(HWND mainWindow)
{
    HWND heading = thirdPlaceHeading(mainWindow);
    if (heading)
        DestroyWindow(heading);
}

/* The heading and the drop-down stand at the slots' scale, in their font. */
static void moveThirdPlaceControls(HWND mainWindow, Bracket *bracket, const SlotGeometry *geometry)
{
    BracketNode *match = &bracket->thirdPlace;
    HWND heading = thirdPlaceHeading(mainWindow);
    if (heading) {
        POINT at = thirdPlaceLabelPlace(bracket, geometry);
        SendMessageW(heading, WM_SETFONT, (WPARAM)geometry->font, FALSE);
        SetWindowPos(heading, NULL, at.x, at.y, geometry->columnWidth, geometry->labelHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (match->control) {
        POINT at = thirdPlaceComboPlace(bracket, geometry);
        SendMessageW(match->control, WM_SETFONT, (WPARAM)geometry->font, FALSE);
        SendMessageW(match->control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
        SetWindowPos(match->control, NULL, at.x, at.y, geometry->columnWidth, geometry->pickHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

static void createThirdPlaceControls(Bracket *bracket, HWND mainWindow)
{
    BracketNode *match = &bracket->thirdPlace;
    HINSTANCE instance = GetModuleHandleW(NULL);
    WCHAR heading[64];
    loadStringWithFallback(bracket->resourceModule, IDS_THIRD_PLACE_LABEL, heading, 64);
    CreateWindowExW(0, L"Static", heading, LABEL_STYLE, 0, 0, COLUMN_WIDTH, THIRD_PLACE_LABEL_HEIGHT, mainWindow,
                    (HMENU)(INT_PTR)IDC_THIRD_PLACE_LABEL, instance, NULL);
    match->control = CreateWindowExW(0, L"ComboBox", NULL, PICK_STYLE, 0, 0, COLUMN_WIDTH, PICK_HEIGHT, mainWindow,
                                     (HMENU)(INT_PTR)IDC_THIRD_PLACE_COMBO, instance, NULL);
    if (match->control)
        addPickTooltip(mainWindow, match->control);
}

static void destroyThirdPlaceControls(HWND mainWindow, BracketNode *match)
{
    if (match->control)
        DestroyWindow(match->control);
    match->control = NULL;
    removeThirdPlaceHeading(mainWindow);
}

int placeThirdPlaceControls(HWND mainWindow, Bracket *bracket, const SlotGeometry *geometry)
{
    BracketNode *match = &bracket->thirdPlace;
    int wanted = bracket->thirdPlaceOn && bracket->slotCount >= 4;
    int changed = 0;
    if (wanted && !match->control) {
        /* A heading left from a bracket emptied without the window (its
         * drop-down went with the bracket) goes before the new pair comes. */
        removeThirdPlaceHeading(mainWindow);
        createThirdPlaceControls(bracket, mainWindow);
        changed = 1;
    } else if (!wanted && (match->control || thirdPlaceHeading(mainWindow))) {
        destroyThirdPlaceControls(mainWindow, match);
        changed = 1;
    }
    moveThirdPlaceControls(mainWindow, bracket, geometry);
    showThirdPlacePick(match);
    return changed;
}

void showThirdPlaceMatch(HWND mainWindow, Bracket *bracket)
{
    if (!bracket->slotCount)
        return;
    /* Controls are placed where they stand with the view at its origin. */
    resetScrollView(mainWindow);
    SlotGeometry geometry = currentSlotGeometry(mainWindow, bracket);
    if (placeThirdPlaceControls(mainWindow, bracket, &geometry)) {
        SIZE content = bracketContentSize(bracket, &geometry);
        placeScrollView(mainWindow, content.cx, content.cy);
    }
}

void fillThirdPlaceChoices(HWND control, Bracket *bracket)
{
    if (!bracket->slotCount || control != bracket->thirdPlace.control)
        return;
    /* The same team cannot have lost both semi-finals, but two teams may
     * carry one name: it is offered once. */
    const WCHAR *losers[2] = {semiFinalLoser(bracket, 0), semiFinalLoser(bracket, 1)};
    offerEntrants(control, losers, bracket->thirdPlace.name);
}
