#include "ui/window/scale_change.h"
#include "ui/window/display_scale.h"
#include "ui/window/drawing_pause.h"
#include "ui/window/layout.h"
#include "ui/window/scroll_view.h"
#include "ui/window/third_place_view.h"
#include "ui/window/losers_view.h"
#include "ui/window/stage_tabs.h"

/* Every slot, third-place and losers' control moved to geometry, drawn
 * once at the end; returns the size the bracket then takes. */
static SIZE placeEveryControl(HWND window, Bracket *bracket, const SlotGeometry *geometry)
{
    int paused = pauseDrawing(window);
    placeSlotControls(bracket, geometry);
    placeThirdPlaceControls(window, bracket, geometry);
    placeLosersControls(window, bracket, geometry, 1);
    resumeDrawing(window, paused);
    return bracketContentSize(bracket, geometry);
}

/* The controls are moved rather than made again: what they show, the caret
 * and the focus all stay with them. */
void followDisplayScale(HWND window, Bracket *bracket, int dpi, const RECT *suggested)
{
    int oldDpi = windowDpi(window);
    rememberWindowDpi(window, dpi);
    if (!bracket->slotCount) {
        SetWindowPos(window, NULL, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    POINT offset;
    scrollViewOffset(window, &offset);
    resetScrollView(window);
    placeStageTabs(window, bracket);
    SlotGeometry geometry = slotGeometryFor(window, bracket);
    SIZE content = placeEveryControl(window, bracket, &geometry);
    fitStageTabs(window, geometry.font, content.cx);
    placeScrollViewNear(window, content.cx, content.cy, suggested);
    offset.x = MulDiv(offset.x, dpi, oldDpi);
    offset.y = MulDiv(offset.y, dpi, oldDpi);
    scrollViewTo(window, offset);
}

void layOutAgain(HWND window, Bracket *bracket)
{
    if (!bracket->slotCount)
        return;
    resetScrollView(window);
    SlotGeometry geometry = slotGeometryFor(window, bracket);
    SIZE content = placeEveryControl(window, bracket, &geometry);
    placeScrollView(window, content.cx, content.cy);
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        scrollIntoView(window, focus);
    InvalidateRect(window, NULL, TRUE);
}
