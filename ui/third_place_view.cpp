#include "ui/third_place_view.h"

#include "model/pick_rules.h"
#include "model/third_place.h"
#include "res/resource.h"
#include "ui/fallback_string.h"
#include "ui/layout.h"
#include "ui/pick_controls.h"
#include "ui/pick_tooltips.h"
#include "ui/scroll_view.h"

enum {
    LABEL_GAP = 24,          /* from the top of the final's slots to the heading */
    LABEL_HEIGHT = 14,
    THIRD_PLACE_FIELD = 20,  /* the closed drop-down, frame included */
    PICK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST,
    LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX
};

/* Top of the final's two slots (level 1), in client coordinates. */
static int finalSlotsTop(Bracket *bracket)
{
    return LAYOUT_MARGIN * (1 << (bracket->depth - 1)) + LAYOUT_MARGIN;
}

static int labelTop(Bracket *bracket)
{
    return finalSlotsTop(bracket) + LABEL_GAP;
}

static int comboTop(Bracket *bracket)
{
    return labelTop(bracket) + LABEL_HEIGHT;
}

static int middleColumnLeft(Bracket *bracket)
{
    return LAYOUT_MARGIN + COLUMN_WIDTH * bracket->depth;
}

int bracketClientHeight(Bracket *bracket)
{
    int height = 10 * bracket->slotCount + 2 * LAYOUT_MARGIN;
    if (!bracket->thirdPlace.on || bracket->slotCount < 4)
        return height;
    int needed = comboTop(bracket) + THIRD_PLACE_FIELD + LAYOUT_MARGIN;
    return needed > height ? needed : height;
}

static void showThirdPlacePick(ThirdPlaceMatch *match)
{
    if (match->control)
        showSoleChoice(match->control, match->name);
}

static void createThirdPlaceControls(Bracket *bracket, HWND mainWindow)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    HINSTANCE instance = GetModuleHandleW(NULL);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    WCHAR heading[64];
    loadStringWithFallback(bracket->resourceModule, IDS_THIRD_PLACE_LABEL, heading, 64);
    int left = middleColumnLeft(bracket);
    match->label = CreateWindowExW(0, L"Static", heading, LABEL_STYLE, left, labelTop(bracket), COLUMN_WIDTH,
                                   LABEL_HEIGHT, mainWindow, (HMENU)(INT_PTR)IDC_THIRD_PLACE_LABEL, instance, NULL);
    if (match->label)
        SendMessageW(match->label, WM_SETFONT, (WPARAM)font, TRUE);
    match->control = CreateWindowExW(0, L"ComboBox", NULL, PICK_STYLE, left, comboTop(bracket), COLUMN_WIDTH,
                                     PICK_HEIGHT, mainWindow, (HMENU)(INT_PTR)IDC_THIRD_PLACE_COMBO, instance, NULL);
    if (!match->control)
        return;
    SendMessageW(match->control, CB_SETITEMHEIGHT, (WPARAM)-1, PICK_FIELD_HEIGHT);
    SendMessageW(match->control, WM_SETFONT, (WPARAM)font, TRUE);
    addPickTooltip(mainWindow, match->control);
}

static void destroyThirdPlaceControls(ThirdPlaceMatch *match)
{
    if (match->control)
        DestroyWindow(match->control);
    if (match->label)
        DestroyWindow(match->label);
    match->control = NULL;
    match->label = NULL;
}

int placeThirdPlaceControls(Bracket *bracket, HWND mainWindow)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    int wanted = match->on && bracket->slotCount >= 4;
    int changed = 0;
    if (wanted && !match->control) {
        createThirdPlaceControls(bracket, mainWindow);
        changed = 1;
    } else if (!wanted && (match->control || match->label)) {
        destroyThirdPlaceControls(match);
        changed = 1;
    }
    showThirdPlacePick(match);
    return changed;
}

void showThirdPlaceMatch(Bracket *bracket, HWND mainWindow)
{
    if (!bracket->slotCount)
        return;
    /* Controls are placed where they stand with the view at its origin. */
    resetScrollView(mainWindow);
    if (placeThirdPlaceControls(bracket, mainWindow))
        placeScrollView(mainWindow, 2 * COLUMN_WIDTH * bracket->depth + COLUMN_WIDTH + 2 * LAYOUT_MARGIN,
                        bracketClientHeight(bracket));
}

void fillThirdPlaceChoices(Bracket *bracket, HWND control)
{
    if (!bracket->slotCount || control != bracket->thirdPlace.control)
        return;
    SendMessageW(control, CB_RESETCONTENT, 0, 0);
    const WCHAR *losers[2];
    int count = 0;
    for (int side = 0; side < 2; side++) {
        const WCHAR *loser = semiFinalLoser(bracket, side);
        /* The same team cannot have lost both semi-finals, but two teams
         * may carry one name: it is offered once, as the list would find it. */
        if (loser && !(count && lstrcmpiW(losers[0], loser) == 0))
            losers[count++] = loser;
    }
    int width = addChoicesMeasured(control, losers, count, COLUMN_WIDTH);
    LRESULT index = SendMessageW(control, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)bracket->thirdPlace.name);
    if (bracket->thirdPlace.name[0] && index != CB_ERR)
        SendMessageW(control, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageW(control, CB_SETDROPPEDWIDTH, (WPARAM)width, 0);
}

void recordThirdPlaceChange(Bracket *bracket, HWND control)
{
    if (!bracket->slotCount || control != bracket->thirdPlace.control)
        return;
    WCHAR text[NAME_CAPACITY];
    text[0] = 0;
    SendMessageW(control, WM_GETTEXT, NAME_CAPACITY, (LPARAM)text);
    text[NAME_CAPACITY - 1] = 0;
    beginUndoStep(bracket, 0);
    setThirdPlacePick(bracket, text);
    endUndoStep(bracket);
}

void toggleThirdPlaceMatch(HWND mainWindow, Bracket *bracket)
{
    if (!thirdPlaceAllowed(bracket))
        return;
    beginUndoStep(bracket, 0);
    setThirdPlaceOn(bracket, !bracket->thirdPlace.on);
    endUndoStep(bracket);
    showThirdPlaceMatch(bracket, mainWindow);
}
