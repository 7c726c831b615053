#include "ui/window/slot_geometry.h"
#include "ui/window/display_scale.h"
#include "model/losers_bracket.h"
#include "res/resource.h"
#include "ui/common/match_marks.h"

/* Whether the window is laid out wide, and the column width its slots were
 * last placed at there. */
static const WCHAR WIDE_PROPERTY[] = L"DuelmarkWideLayout";
static const WCHAR WIDE_COLUMN_PROPERTY[] = L"DuelmarkWideColumn";

enum {
    WIDE_NAME_ROOM = 40,   /* characters a wide column holds at most */
    WIDE_GAP = 2
};

int wideLayoutOn(HWND mainWindow)
{
    return GetPropW(mainWindow, WIDE_PROPERTY) != NULL;
}

void setWideLayoutOn(HWND mainWindow, int on)
{
    if (on)
        SetPropW(mainWindow, WIDE_PROPERTY, (HANDLE)1);
    else
        RemovePropW(mainWindow, WIDE_PROPERTY);
}

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

static int textWidth(HDC dc, const WCHAR *text)
{
    SIZE extent;
    return text[0] && GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent) ? extent.cx : 0;
}

/* The widest text a column of the bracket shows: a name, a score line, a
 * time and court, a round's name; at most WIDE_NAME_ROOM characters. */
static int widestColumnText(HWND window, HFONT font, Bracket *bracket)
{
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    HGDIOBJ replaced = SelectObject(dc, font);
    TEXTMETRICW metrics;
    int room = GetTextMetricsW(dc, &metrics) ? WIDE_NAME_ROOM * metrics.tmAveCharWidth : 0;
    int widest = 0, withDate = bracketSpansDays(bracket);
    for (int level = 0; level <= bracket->depth; level++) {
        WCHAR heading[64];
        roundHeading(bracket, level, heading, 64);
        int width = textWidth(dc, heading);
        widest = width > widest ? width : widest;
    }
    int matches = 2 * bracket->slotCount - 1;
    int losers = bracket->losers.on && losersAllowed(bracket) ? bracket->slotCount : 0;
    for (int i = 0; i < matches + 1 + losers; i++) {
        BracketNode *node = i < matches    ? bracket->nodeTable[i]
                            : i == matches ? &bracket->thirdPlace
                                           : losersMatch(bracket, i - matches);
        if (!node)
            continue;
        WCHAR text[MARK_CAPACITY];
        int width = textWidth(dc, node->name);
        widest = width > widest ? width : widest;
        if (node->left || i >= matches) {
            matchMarkText(bracket, node, withDate, text);
            width = textWidth(dc, text);
            widest = width > widest ? width : widest;
        }
    }
    SelectObject(dc, replaced);
    ReleaseDC(window, dc);
    return widest < room ? widest : room;
}

/* What a closed drop-down adds to its text: the button and both edges. */
static int pickChrome(int dpi)
{
    return GetSystemMetrics(SM_CXVSCROLL) + 4 * GetSystemMetrics(SM_CXEDGE) + scalePixels(4, dpi);
}

/* Wide layout: every column holds the bracket's widest text; the rows are
 * spaced so that between two first-round picks there is a line for the
 * upper one's result and one for the lower one's time and court; a strip
 * beside the first round holds the seeds. */
static void widenGeometry(SlotGeometry *geometry, HWND mainWindow, Bracket *bracket, int columnWidth)
{
    int gap = scalePixels(WIDE_GAP, geometry->dpi);
    int line = fontLineHeight(mainWindow, geometry->font);
    if (columnWidth)
        geometry->columnWidth = columnWidth;
    else {
        int widest = widestColumnText(mainWindow, geometry->font, bracket) + pickChrome(geometry->dpi);
        if (widest > geometry->columnWidth)
            geometry->columnWidth = widest;
    }
    int field = geometry->fieldHeight > line ? geometry->fieldHeight : line;
    int pickBox = field + 4 * GetSystemMetrics(SM_CYEDGE) + scalePixels(4, geometry->dpi);
    int half = (pickBox + 2 * line + 3 * gap + 3) / 4;
    if (half > geometry->halfPitch)
        geometry->halfPitch = half;
    half = (geometry->editHeight + gap + 1) / 2;
    if (half > geometry->halfPitch)
        geometry->halfPitch = half;
    HDC dc = GetDC(mainWindow);
    if (dc) {
        HGDIOBJ replaced = SelectObject(dc, geometry->font);
        geometry->seedGutter = textWidth(dc, L"(888)") + 3 * gap;
        SelectObject(dc, replaced);
        ReleaseDC(mainWindow, dc);
    }
    geometry->topClearance = line + gap;
    if (2 * line + 2 * gap - geometry->halfPitch > geometry->topClearance)
        geometry->topClearance = 2 * line + 2 * gap - geometry->halfPitch;
    SetPropW(mainWindow, WIDE_COLUMN_PROPERTY, (HANDLE)(INT_PTR)geometry->columnWidth);
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
    geometry.seedGutter = 0;
    geometry.topClearance = 0;
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

SlotGeometry slotGeometryFor(HWND mainWindow, Bracket *bracket)
{
    int dpi = windowDpi(mainWindow);
    SlotGeometry geometry = slotGeometryWithFont(mainWindow, dpi, slotFontForDpi(mainWindow, dpi));
    RemovePropW(mainWindow, WIDE_COLUMN_PROPERTY);
    if (wideLayoutOn(mainWindow))
        widenGeometry(&geometry, mainWindow, bracket, 0);
    return geometry;
}

SlotGeometry currentSlotGeometry(HWND mainWindow, const Bracket *bracket)
{
    HFONT font = bracket->root.control ? (HFONT)SendMessageW(bracket->root.control, WM_GETFONT, 0, 0) : NULL;
    if (!font)
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    SlotGeometry geometry = slotGeometryWithFont(mainWindow, windowDpi(mainWindow), font);
    /* Laid out wide: the same measures, at the width the slots were given. */
    if (GetPropW(mainWindow, WIDE_COLUMN_PROPERTY)) {
        widenGeometry(&geometry, mainWindow, (Bracket *)bracket,
                      (int)(INT_PTR)GetPropW(mainWindow, WIDE_COLUMN_PROPERTY));
    }
    return geometry;
}

int wideColumnsHold(HWND mainWindow, Bracket *bracket)
{
    INT_PTR laidOut = (INT_PTR)GetPropW(mainWindow, WIDE_COLUMN_PROPERTY);
    if (!laidOut || !bracket->slotCount)
        return 1;
    HFONT font = currentSlotGeometry(mainWindow, bracket).font;
    return widestColumnText(mainWindow, font, bracket) + pickChrome(windowDpi(mainWindow)) <= laidOut;
}

void forgetWideLayout(HWND mainWindow)
{
    RemovePropW(mainWindow, WIDE_PROPERTY);
    RemovePropW(mainWindow, WIDE_COLUMN_PROPERTY);
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
    if (!geometry->topClearance)
        return hidden > 0 ? hidden : 0;
    /* Wide: the champion's time line stands below the round names' line too. */
    hidden += geometry->margin + 2 * geometry->topClearance;
    return hidden > geometry->topClearance ? hidden : geometry->topClearance;
}

int slotsTopOffset(const Bracket *bracket, const SlotGeometry *geometry)
{
    return championClearance(bracket, geometry);
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
    /* The seeds' strips stand between the first round and the second, on
     * both sides. */
    int gutter = geometry->seedGutter;
    for (int m = bracket->slotCount / 2; m > 0; m /= 2) {
        BracketNode *node = leftmostAtLevel(walked, k);
        int shift = col != 0 ? gutter : 0;
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, col + shift, top + i * step, col != 0, context);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, 2 * width * depth - col + 2 * gutter - shift, top + i * step, col != 0, context);
        if (m > 1) {
            k--;
            top += step / 2;
            step *= 2;
        }
        col += width;
    }
    /* The champion stands a row above the final's two slots. */
    placed(&walked->root, col + gutter, top - 2 * geometry->margin, 1, context);
}

/* Top of the final's two slots (level 1), in client coordinates: where the
 * walk above puts them. */
static int finalSlotsTop(const Bracket *bracket, const SlotGeometry *geometry)
{
    return geometry->top + geometry->margin + championClearance(bracket, geometry) +
           geometry->halfPitch * ((1 << (bracket->depth - 1)) - 1);
}

POINT thirdPlaceLabelPlace(const Bracket *bracket, const SlotGeometry *geometry)
{
    POINT place;
    place.x = geometry->margin + geometry->columnWidth * bracket->depth + geometry->seedGutter;
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
    size.cx = 2 * geometry->columnWidth * bracket->depth + geometry->columnWidth + 2 * geometry->margin +
              2 * geometry->seedGutter;
    size.cy = winnersHeight(bracket, geometry);
    if (bracket->losers.on && losersAllowed(bracket))
        size.cy = losersHeadingBottom(bracket, geometry) + geometry->losersPitch * (bracket->slotCount / 4) +
                  geometry->margin;
    /* The match for third place may need room below the columns. */
    if (bracket->thirdPlaceOn && bracket->slotCount >= 4) {
        int needed = thirdPlaceComboPlace(bracket, geometry).y + geometry->thirdPlaceField + geometry->margin;
        if (needed > size.cy)
            size.cy = needed;
    }
    return size;
}
