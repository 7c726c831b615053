#include "ui/window/window_marks.h"

#include "model/losers_bracket.h"
#include "model/match_outcome.h"
#include "model/undo_history.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/window/slot_geometry.h"

/* Whether the marks last painted show dates (2) or not (1): a change of
 * that redraws every time shown. */
static const WCHAR DATES_PROPERTY[] = L"DuelmarkMarksShowDates";

/* Contrast ratio of two colours, times 100, by their relative luminance. */
static int contrastTimes100(COLORREF a, COLORREF b)
{
    double luminance[2];
    COLORREF colours[2] = {a, b};
    for (int i = 0; i < 2; i++) {
        double channels[3] = {GetRValue(colours[i]) / 255.0, GetGValue(colours[i]) / 255.0,
                              GetBValue(colours[i]) / 255.0};
        /* A square stands in for the sRGB curve: near enough to choose
         * between two inks. */
        for (double &c : channels)
            c = c * c;
        luminance[i] = 0.2126 * channels[0] + 0.7152 * channels[1] + 0.0722 * channels[2];
    }
    double light = luminance[0] > luminance[1] ? luminance[0] : luminance[1];
    double dark = luminance[0] > luminance[1] ? luminance[1] : luminance[0];
    return (int)(100 * (light + 0.05) / (dark + 0.05));
}

/* The dialogs' text colour on their face, or black or white where a colour
 * scheme makes that pair too faint (below 4.5:1). */
static COLORREF legibleInk(void)
{
    COLORREF face = GetSysColor(COLOR_BTNFACE), ink = GetSysColor(COLOR_BTNTEXT);
    if (contrastTimes100(ink, face) >= 450)
        return ink;
    return contrastTimes100(RGB(0, 0, 0), face) >= contrastTimes100(RGB(255, 255, 255), face) ? RGB(0, 0, 0)
                                                                                                : RGB(255, 255, 255);
}

/* The seeds' ink: a third of the way from the text's ink to the face, so
 * a seed does not read as part of a score beside it, and never fainter
 * than 4.5:1. */
static COLORREF seedInk(COLORREF ink)
{
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF mixed = RGB((2 * GetRValue(ink) + GetRValue(face)) / 3, (2 * GetGValue(ink) + GetGValue(face)) / 3,
                         (2 * GetBValue(ink) + GetBValue(face)) / 3);
    return contrastTimes100(mixed, face) >= 450 ? mixed : ink;
}

static RECT clientRectOf(HWND window, HWND control)
{
    RECT box = {0, 0, 0, 0};
    if (control && GetWindowRect(control, &box))
        MapWindowPoints(NULL, window, (POINT *)&box, 2);
    return box;
}

struct MarkPainter {
    HWND window;
    HDC dc;
    Bracket *bracket;
    RECT paint;         /* what needs painting now */
    int lineHeight;
    int descent;
    RECT centre;        /* the champion's box: left of it is the left half */
    int seedReserve;    /* kept free for seeds beside the first round's picks */
    int withDate;
};

static void drawMark(MarkPainter *painter, const WCHAR *text, RECT cell, UINT align)
{
    RECT overlap;
    if (!text[0] || !IntersectRect(&overlap, &cell, &painter->paint))
        return;
    DrawTextW(painter->dc, text, -1, &cell, align | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

/* Toward the middle of the bracket, away from the seeds on the outer side. */
static UINT alignFor(const MarkPainter *painter, RECT box)
{
    if (box.right <= painter->centre.left)
        return DT_RIGHT;
    if (box.left >= painter->centre.right)
        return DT_LEFT;
    return DT_CENTER;
}

/* The round names in one row just above the first-round boxes, each over
 * its column's top box; the columns of later rounds have room above that. */
static void drawHeadings(MarkPainter *painter)
{
    Bracket *bracket = painter->bracket;
    int depth = bracket->depth;
    if (depth == 0)
        return;
    RECT base = clientRectOf(painter->window, leftmostAtLevel(bracket, depth)->control);
    int bottom = base.top - 1 + painter->descent;
    for (int level = 0; level <= depth; level++) {
        BracketNode *tops[2] = {leftmostAtLevel(bracket, level), NULL};
        if (level > 0) {
            tops[1] = tops[0];
            for (int i = 0; i < 1 << (level - 1) && tops[1]; i++)
                tops[1] = nextInLevel(tops[1]);
        }
        WCHAR name[64];
        roundHeading(bracket, level, name, 64);
        for (int side = 0; side < 2; side++) {
            if (!tops[side] || !tops[side]->control)
                continue;
            RECT cell = clientRectOf(painter->window, tops[side]->control);
            cell.bottom = bottom;
            cell.top = bottom - painter->lineHeight;
            drawMark(painter, name, cell, DT_CENTER | DT_BOTTOM);
        }
    }
}

static int seedTextWidth(HDC dc, int seed, WCHAR *text)
{
    wsprintfW(text, L"(%d)", seed);
    SIZE extent;
    return GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent) ? extent.cx : 0;
}

/* "(3)" just outside the first-round box on its inner side, where the
 * match it feeds leaves room: above that pick for the upper entrant,
 * below it for the lower. */
static void drawSeed(MarkPainter *painter, BracketNode *entrant)
{
    BracketNode *match = entrant->parent;
    if (entrant->seed <= 0 || !entrant->control || !match || !match->control)
        return;
    WCHAR text[16];
    int width = seedTextWidth(painter->dc, entrant->seed, text);
    RECT box = clientRectOf(painter->window, entrant->control);
    RECT pick = clientRectOf(painter->window, match->control);
    int gap = painter->descent;
    RECT cell;
    int leftHalf = box.right <= painter->centre.left;
    cell.left = leftHalf ? box.right + gap : box.left - gap - width;
    cell.right = cell.left + width;
    cell.top = match->left == entrant ? pick.top - painter->lineHeight : pick.bottom;
    cell.bottom = cell.top + painter->lineHeight;
    COLORREF ink = SetTextColor(painter->dc, seedInk(GetTextColor(painter->dc)));
    drawMark(painter, text, cell, leftHalf ? DT_LEFT : DT_RIGHT);
    SetTextColor(painter->dc, ink);
}

/* A text longer than its column reaches on into the next column toward the
 * middle, as far as it needs and that column has room at its height: the
 * next round's box there is the only thing it could meet. */
static void reachInward(MarkPainter *painter, BracketNode *node, const WCHAR *text, RECT *cell, UINT align)
{
    SIZE extent;
    int width = cell->right - cell->left;
    if (!text[0] || !node->parent || !node->parent->control ||
        !GetTextExtentPoint32W(painter->dc, text, lstrlenW(text), &extent) || extent.cx <= width)
        return;
    RECT next = clientRectOf(painter->window, node->parent->control);
    if (next.top < cell->bottom && next.bottom > cell->top)
        return;
    int more = extent.cx - width + 1;
    int column = next.right - next.left;
    more = more < column ? more : column;
    if (align == DT_RIGHT)
        cell->right += more;
    else
        cell->left -= more;
}

/* Under a decided pick its score and outcome; above an undecided match
 * when and where it is played (below for the third-place match, whose
 * heading stands above it). */
static void drawMatchMarks(MarkPainter *painter, BracketNode *node, HWND control)
{
    if (!control)
        return;
    RECT box = clientRectOf(painter->window, control);
    RECT cell = box;
    int thirdPlace = node == &painter->bracket->thirdPlace;
    UINT align = thirdPlace ? DT_CENTER : alignFor(painter, box);
    /* The first round's picks share their gaps with the seeds. */
    if (!thirdPlace && !node->left->left && align != DT_CENTER) {
        if (align == DT_RIGHT)
            cell.left += painter->seedReserve;
        else
            cell.right -= painter->seedReserve;
    }
    WCHAR text[MARK_CAPACITY];
    int below = matchMarkText(painter->bracket, node, painter->withDate, text) || thirdPlace;
    cell.top = below ? box.bottom : box.top - painter->lineHeight;
    cell.bottom = cell.top + painter->lineHeight;
    if (!thirdPlace && align != DT_CENTER)
        reachInward(painter, node, text, &cell, align);
    drawMark(painter, text, cell, align);
}

/* Over each losers' round its heading, over each match where its entrants
 * drop in from, under it its score or its time and court. */
static void paintLosersMarks(MarkPainter *painter)
{
    Bracket *bracket = painter->bracket;
    SlotGeometry geometry = currentSlotGeometry(painter->window, bracket);
    for (int k = 1; k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (!match || !match->control)
            continue;
        RECT box = clientRectOf(painter->window, match->control);
        int round, position;
        losersRoundOf(bracket, k, &round, &position);
        WCHAR text[MARK_CAPACITY];
        if (position <= 1) {
            /* The view may be scrolled: the band moves with the boxes. A
             * heading longer than its column takes a second line. */
            int shift = box.top - losersMatchPlace(bracket, &geometry, k).y;
            RECT band = {box.left, 0, box.right, losersHeadingBottom(bracket, &geometry) + shift};
            band.top = band.bottom - 2 * painter->lineHeight;
            losersMatchHeading(bracket, k, text, MARK_CAPACITY);
            RECT overlap;
            if (IntersectRect(&overlap, &band, &painter->paint))
                DrawTextW(painter->dc, text, -1, &band, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        RECT cell = {box.left, box.top - painter->lineHeight, box.right, box.top};
        /* The losers' final has the grand final's empty line beside it. */
        if (round == losersRoundCount(bracket))
            cell.right += box.right - box.left;
        SIZE extent;
        dropInText(bracket, k, 0, text);
        if (GetTextExtentPoint32W(painter->dc, text, lstrlenW(text), &extent) && extent.cx > cell.right - cell.left)
            dropInText(bracket, k, 1, text);
        drawMark(painter, text, cell, DT_LEFT);
        cell.top = box.bottom;
        cell.bottom = box.bottom + painter->lineHeight;
        matchMarkText(bracket, match, painter->withDate, text);
        drawMark(painter, text, cell, DT_LEFT);
    }
}

static void paintMarks(MarkPainter *painter)
{
    Bracket *bracket = painter->bracket;
    drawHeadings(painter);
    int matches = 2 * bracket->slotCount - 1;
    for (int id = 1; id <= matches; id++) {
        BracketNode *node = bracket->nodeTable[id - 1];
        if (node->left)
            drawMatchMarks(painter, node, node->control);
        else if (bracket->depth > 0)
            drawSeed(painter, node);
    }
    if (bracket->thirdPlace.on)
        drawMatchMarks(painter, &bracket->thirdPlace, bracket->thirdPlace.control);
    if (bracket->losers.on)
        paintLosersMarks(painter);
}

/* The widest seed's text, and a gap: what the first round's marks leave. */
static int seedReserveOf(MarkPainter *painter)
{
    Bracket *bracket = painter->bracket;
    int widest = 0;
    for (int id = 1; bracket->depth > 0 && id <= bracket->slotCount; id++) {
        WCHAR text[16];
        int seed = bracket->nodeTable[id - 1]->seed;
        int width = seed > 0 ? seedTextWidth(painter->dc, seed, text) : 0;
        if (width > widest)
            widest = width;
    }
    return widest ? widest + painter->descent + painter->lineHeight / 2 : 0;
}

/* The band a match's marks stand in, above and below its control, and the
 * seeds beside its feeders; a box wide on either side, where a text longer
 * than its column reaches (the next column toward the middle, the grand
 * final's empty line beside the losers' final). */
static void invalidateMatch(HWND window, HWND control)
{
    if (!control)
        return;
    RECT band = clientRectOf(window, control);
    InflateRect(&band, band.right - band.left, band.bottom - band.top);
    InvalidateRect(window, &band, TRUE);
}

static void redrawChangedMarks(Bracket *bracket, BracketNode *node, void *context)
{
    HWND window = (HWND)context;
    if (!node)
        return;
    if (node == UNDO_ALL_SHOWN || !bracket->slotCount) {
        InvalidateRect(window, NULL, TRUE);
        return;
    }
    int withDate = bracketSpansDays(bracket) ? 2 : 1;
    if ((INT_PTR)GetPropW(window, DATES_PROPERTY) != withDate) {
        InvalidateRect(window, NULL, TRUE);
        return;
    }
    if (node == UNDO_THIRD_PLACE_SHOWN)
        invalidateMatch(window, bracket->thirdPlace.control);
    else if (node == UNDO_FORMAT_SHOWN)
        InvalidateRect(window, NULL, TRUE);
    else if (losersNumberOf(bracket, node))
        invalidateMatch(window, node->control);
    else
        invalidateMatch(window, node->left ? node->control : node->parent ? node->parent->control : NULL);
}

void followWindowMarks(HWND window, Bracket *bracket)
{
    watchUndoSteps(bracket, redrawChangedMarks, window);
}

void forgetWindowMarks(HWND window, Bracket *bracket)
{
    unwatchUndoSteps(bracket, redrawChangedMarks, window);
    RemovePropW(window, DATES_PROPERTY);
}

void drawWindowMarks(HWND window, Bracket *bracket, HDC dc, const RECT *area)
{
    if (bracket->slotCount && bracket->root.control) {
        /* The slots' own font, as they stand now. */
        HGDIOBJ oldFont = SelectObject(dc, currentSlotGeometry(window, bracket).font);
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        MarkPainter painter = {window, dc, bracket, *area, metrics.tmHeight, metrics.tmDescent,
                               clientRectOf(window, bracket->root.control), 0, bracketSpansDays(bracket)};
        painter.seedReserve = seedReserveOf(&painter);
        SetPropW(window, DATES_PROPERTY, (HANDLE)(INT_PTR)(painter.withDate ? 2 : 1));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, legibleInk());
        paintMarks(&painter);
        SelectObject(dc, oldFont);
    }
}

INT_PTR paintWindowMarks(HWND window, Bracket *bracket)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc)
        return TRUE;
    drawWindowMarks(window, bracket, dc, &paint.rcPaint);
    EndPaint(window, &paint);
    return TRUE;
}
