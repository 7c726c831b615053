#include "ui/window/slot_geometry.h"
#include "ui/window/display_scale.h"
#include "model/losers_bracket.h"
#include "res/resource.h"

/* The line the font draws, from the top of its tallest letter to the bottom
 * of its lowest descender. */
static int fontLineHeight(HWND window, HFONT font)
{
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    HGDIOBJ replaced = SelectObject(dc, font);
    TEXTMETRICW metrics;
    int height = GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
    SelectObject(dc, replaced);
    ReleaseDC(window, dc);
    return height;
}

static SlotGeometry slotGeometryWithFont(HWND mainWindow, int dpi, HFONT font)
{
    SlotGeometry geometry;
    geometry.dpi = dpi;
    geometry.columnWidth = columnWidthAt(dpi);
    geometry.margin = scalePixels(LAYOUT_MARGIN, dpi);
    geometry.halfPitch = scalePixels(BASE_ROW_PITCH / 2, dpi);
    geometry.pickHeight = scalePixels(PICK_HEIGHT, dpi);
    geometry.fieldHeight = scalePixels(PICK_FIELD_HEIGHT, dpi);
    geometry.thirdPlaceGap = scalePixels(THIRD_PLACE_GAP, dpi);
    geometry.labelHeight = scalePixels(THIRD_PLACE_LABEL_HEIGHT, dpi);
    geometry.thirdPlaceField = scalePixels(THIRD_PLACE_FIELD, dpi);
    geometry.losersPitch = scalePixels(LOSERS_ROW_PITCH, dpi);
    geometry.font = font;
    /* An event with groups shows its tab strip over the knockout, which
     * then stands below it. */
    geometry.top = GetDlgItem(mainWindow, IDC_STAGE_TABS) ? scalePixels(STAGE_TAB_BAND, dpi) : 0;
    /* The client edge takes its width from the text area at the top and the
     * bottom; a box of the plain height would cut the descenders. */
    int needed = fontLineHeight(mainWindow, geometry.font) + 2 * GetSystemMetrics(SM_CYEDGE);
    int height = scalePixels(EDIT_HEIGHT, dpi);
    geometry.editHeight = needed > height ? needed : height;
    return geometry;
}

SlotGeometry slotGeometryFor(HWND mainWindow)
{
    int dpi = windowDpi(mainWindow);
    return slotGeometryWithFont(mainWindow, dpi, slotFontForDpi(mainWindow, dpi));
}

SlotGeometry currentSlotGeometry(HWND mainWindow, const Bracket *bracket)
{
    HFONT font = bracket->root.control ? (HFONT)SendMessageW(bracket->root.control, WM_GETFONT, 0, 0) : NULL;
    if (!font)
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    return slotGeometryWithFont(mainWindow, windowDpi(mainWindow), font);
}

int columnWidthAt(int dpi)
{
    return scalePixels(COLUMN_WIDTH, dpi);
}

/* The champion stands a margin above the final's two slots, which puts
 * it above the client area when the final is the first round (two slots,
 * or one): everything then moves down by what would be hidden, and the
 * client area grows by as much. Larger brackets stand where they always
 * did. */
static int championClearance(const Bracket *bracket, const SlotGeometry *geometry)
{
    int finalTop = bracket->depth > 1 ? geometry->halfPitch * ((1 << (bracket->depth - 1)) - 1) : 0;
    int hidden = geometry->margin - finalTop;
    return hidden > 0 ? hidden : 0;
}

void walkSlotPlaces(const Bracket *bracket, const SlotGeometry *geometry, SlotPlaced placed, void *context)
{
    Bracket *walked = (Bracket *)bracket;
    int depth = bracket->depth;
    int width = geometry->columnWidth;
    int col = 0;
    int top = geometry->top + championClearance(bracket, geometry);
    int step = 2 * geometry->halfPitch;
    int k = depth;
    for (int m = bracket->slotCount / 2; m > 0; m /= 2) {
        BracketNode *node = leftmostAtLevel(walked, k);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, col, top + i * step, col != 0, context);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, 2 * width * depth - col, top + i * step, col != 0, context);
        if (m > 1) {
            k--;
            top += step / 2;
            step *= 2;
        }
        col += width;
    }
    /* The champion stands a row above the final's two slots. */
    placed(&walked->root, col, top - 2 * geometry->margin, 1, context);
}

/* Top of the final's two slots (level 1), in client coordinates: where the
 * walk above puts them. */
static int finalSlotsTop(const Bracket *bracket, const SlotGeometry *geometry)
{
    return geometry->top + geometry->margin + geometry->halfPitch * ((1 << (bracket->depth - 1)) - 1);
}

POINT thirdPlaceLabelPlace(const Bracket *bracket, const SlotGeometry *geometry)
{
    POINT place;
    place.x = geometry->margin + geometry->columnWidth * bracket->depth;
    place.y = finalSlotsTop(bracket, geometry) + geometry->thirdPlaceGap;
    return place;
}

POINT thirdPlaceComboPlace(const Bracket *bracket, const SlotGeometry *geometry)
{
    POINT place = thirdPlaceLabelPlace(bracket, geometry);
    place.y += geometry->labelHeight;
    return place;
}

/* The winners' bracket's own height. */
static int winnersHeight(const Bracket *bracket, const SlotGeometry *geometry)
{
    return geometry->top + geometry->halfPitch * bracket->slotCount + 2 * geometry->margin +
           championClearance(bracket, geometry);
}

int losersHeadingBottom(const Bracket *bracket, const SlotGeometry *geometry)
{
    return winnersHeight(bracket, geometry) + 2 * geometry->labelHeight;
}

POINT losersMatchPlace(const Bracket *bracket, const SlotGeometry *geometry, int k)
{
    int count = bracket->slotCount, round, position;
    if (k >= count - 1) {
        /* Level with the losers' final, in the two columns after it. */
        POINT place = losersMatchPlace(bracket, geometry, count - 2);
        place.x += geometry->columnWidth * (k - count + 2);
        return place;
    }
    losersRoundOf(bracket, k, &round, &position);
    int step = geometry->losersPitch << ((round + 1) / 2 - 1);
    POINT place;
    place.x = geometry->margin + geometry->columnWidth * (round - 1);
    place.y = losersHeadingBottom(bracket, geometry) + (step - geometry->losersPitch) / 2 + (position - 1) * step +
              geometry->labelHeight;
    return place;
}

SIZE bracketContentSize(const Bracket *bracket, const SlotGeometry *geometry)
{
    SIZE size;
    size.cx = 2 * geometry->columnWidth * bracket->depth + geometry->columnWidth + 2 * geometry->margin;
    size.cy = winnersHeight(bracket, geometry);
    if (bracket->losers.on && losersAllowed(bracket))
        size.cy = losersHeadingBottom(bracket, geometry) + geometry->losersPitch * (bracket->slotCount / 4) +
                  geometry->margin;
    /* The match for third place may need room below the columns. */
    if (bracket->thirdPlace.on && bracket->slotCount >= 4) {
        int needed = thirdPlaceComboPlace(bracket, geometry).y + geometry->thirdPlaceField + geometry->margin;
        if (needed > size.cy)
            size.cy = needed;
    }
    return size;
}
