#include "ui/window/losers_view.h"

#include "model/losers_bracket.h"
#include "model/slot_control.h"
#include "res/resource.h"
#include "ui/window/drawing_pause.h"
#include "ui/window/pick_controls.h"
#include "ui/window/pick_tooltips.h"
#include "ui/window/scroll_view.h"
#include "ui/window/third_place_view.h"

static int isWanted(Bracket *bracket, int k)
{
    return bracket->losers.on && losersAllowed(bracket) && (k < bracket->slotCount || bracket->losers.reset);
}

void showLosersPick(BracketNode *match)
{
    if (match->control)
        showSoleChoice(match->control, match->name);
}

/* Made in match order, so Tab goes through the losers' bracket round by
 * round after the winners' bracket; made where it stands, in its font and
 * with its pick, as the winners' picks are, so a large bracket opens in
 * one pass over its controls. */
static HWND createLosersControl(HWND mainWindow, BracketNode *match, POINT at, const SlotGeometry *geometry)
{
    HWND control = createPickControl(GetModuleHandleW(NULL), mainWindow, at.x, at.y, match, geometry, IDC_LOSERS_COMBO);
    if (!control)
        return NULL;
    SendMessageW(control, WM_SETFONT, (WPARAM)geometry->font, FALSE);
    bindSlotControl(control, match);
    return control;
}

static void moveLosersControl(BracketNode *match, POINT at, const SlotGeometry *geometry)
{
    SendMessageW(match->control, WM_SETFONT, (WPARAM)geometry->font, FALSE);
    SendMessageW(match->control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
    SetWindowPos(match->control, NULL, at.x, at.y, geometry->columnWidth, geometry->pickHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    showLosersPick(match);
}

int placeLosersControls(HWND mainWindow, Bracket *bracket, const SlotGeometry *geometry, int withTips)
{
    int changed = 0;
    for (int k = 1; bracket->losers.matches && k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (!isWanted(bracket, k)) {
            if (match->control) {
                destroySlotControl(&match->control);
                changed = 1;
            }
            continue;
        }
        POINT at = losersMatchPlace(bracket, geometry, k);
        if (match->control) {
            moveLosersControl(match, at, geometry);
            continue;
        }
        match->control = createLosersControl(mainWindow, match, at, geometry);
        if (match->control && withTips)
            addPickTooltip(mainWindow, match->control);
        changed = 1;
        keepHeldWindowDrawn(match->control);
    }
    return changed;
}

void showLosersBracket(HWND mainWindow, Bracket *bracket)
{
    if (!bracket->slotCount)
        return;
    resetScrollView(mainWindow);
    SlotGeometry geometry = currentSlotGeometry(mainWindow, bracket);
    int paused = pauseDrawing(mainWindow);
    int changed = placeLosersControls(mainWindow, bracket, &geometry, 1);
    changed |= placeThirdPlaceControls(mainWindow, bracket, &geometry);
    resumeDrawing(mainWindow, paused);
    if (changed) {
        SIZE content = bracketContentSize(bracket, &geometry);
        placeScrollView(mainWindow, content.cx, content.cy);
    }
    InvalidateRect(mainWindow, NULL, TRUE);
}

/* Refilling sends no CBN_SELCHANGE, so reselecting the pick changes
 * nothing; a name both entrants carry is offered once. */
void fillLosersChoices(Bracket *bracket, HWND control)
{
    BracketNode *match = bracket->slotCount ? slotOfControl(control) : NULL;
    if (!losersNumberOf(bracket, match))
        return;
    const WCHAR *names[2];
    losersEntrants(bracket, match, &names[0], &names[1]);
    offerEntrants(control, names, match->name);
}
