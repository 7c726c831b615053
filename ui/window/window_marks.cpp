#include "ui/window/window_marks.h"

#include "model/losers_bracket.h"
#include "model/match_outcome.h"
#include "model/undo_history.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/mark_places.h"
#include "ui/window/scroll_view.h"
#include "ui/window/scale_change.h"

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

static int textWidthIn(HDC dc, const WCHAR *text)
{
    SIZE extent;
    return text[0] && GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent) ? extent.cx : 0;
}

/* What the marks are gathered with: the window as it stands, the slots'
 * font selected into dc. */
struct MarkGathering {
    HWND window;
    HDC dc;
    Bracket *bracket;
    SlotGeometry geometry;
    int lineHeight;
    int descent;
    int ellipsis;       /* the width of "..." */
    RECT centre;        /* the champion's box: left of it is the left half */
    int withDate;
    WindowMark *marks;
    int count;
    int capacity;
};

/* A new mark of kind on the line home, its text copied in; NULL when the
 * text is empty or there is no room left. */
static WindowMark *addMark(MarkGathering *gathering, int kind, const WCHAR *text, RECT home, int anchor, int run)
{
    if (!text[0] || gathering->count >= gathering->capacity)
        return NULL;
    WindowMark *mark = &gathering->marks[gathering->count++];
    mark->kind = kind;
    mark->keptFrom = -1;
    lstrcpynW(mark->text, text, MARK_CAPACITY);
    mark->place.home = home;
    mark->place.anchor = anchor;
    mark->place.run = run;
    mark->place.width = textWidthIn(gathering->dc, mark->text);
    /* A shortened text shows at least its first letter and "...". */
    WCHAR first[2] = {mark->text[0], 0};
    int least = textWidthIn(gathering->dc, first) + gathering->ellipsis;
    mark->place.least = least < mark->place.width ? least : mark->place.width;
    return mark;
}

/* The line above (or below) box, from box's left to its right and on as
 * far as reach toward the middle of the bracket; the text keeps to the
 * side toward the middle. */
static WindowMark *addMatchLine(MarkGathering *gathering, int kind, const WCHAR *text, RECT box, int below,
                                int reach)
{
    RECT home = box;
    home.top = below ? box.bottom : box.top - gathering->lineHeight;
    home.bottom = home.top + gathering->lineHeight;
    if (box.right <= gathering->centre.left) {
        home.right += reach;
        return addMark(gathering, kind, text, home, box.right, RUN_BACK);
    }
    if (box.left >= gathering->centre.right) {
        home.left -= reach;
        return addMark(gathering, kind, text, home, box.left, RUN_ON);
    }
    return addMark(gathering, kind, text, home, (box.left + box.right) / 2, RUN_CENTRED);
}

/* The round names in one row above the first-round boxes, each over its
 * column's top box; the columns of later rounds have room above that. */
static void gatherHeadings(MarkGathering *gathering)
{
    Bracket *bracket = gathering->bracket;
    int depth = bracket->depth;
    RECT base = clientRectOf(gathering->window, leftmostAtLevel(bracket, depth)->control);
    int top = gathering->geometry.topClearance ? base.top - slotsTopOffset(bracket, &gathering->geometry)
                                               : base.top - gathering->lineHeight;
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
            RECT cell = clientRectOf(gathering->window, tops[side]->control);
            cell.top = top;
            cell.bottom = top + gathering->lineHeight;
            addMark(gathering, WINDOW_MARK_HEADING, name, cell, (cell.left + cell.right) / 2, RUN_CENTRED);
        }
    }
}

/* "(3)" just outside the first-round box on its inner side: in Wide layout
 * in the strip beside the box, else where the match it feeds leaves room,
 * above that pick for the upper entrant, below it for the lower. A seed is
 * shown whole or not at all. */
static void gatherSeed(MarkGathering *gathering, BracketNode *entrant)
{
    BracketNode *match = entrant->parent;
    if (entrant->seed <= 0 || !entrant->control || !match || !match->control)
        return;
    WCHAR text[16];
    wsprintfW(text, L"(%d)", entrant->seed);
    int width = textWidthIn(gathering->dc, text);
    RECT box = clientRectOf(gathering->window, entrant->control);
    int gap = gathering->descent;
    int leftHalf = box.right <= gathering->centre.left;
    RECT cell;
    cell.left = leftHalf ? box.right + gap : box.left - gap - width;
    cell.right = cell.left + width;
    if (gathering->geometry.seedGutter) {
        cell.top = (box.top + box.bottom - gathering->lineHeight) / 2;
    } else {
        RECT pick = clientRectOf(gathering->window, match->control);
        cell.top = match->left == entrant ? pick.top - gathering->lineHeight : pick.bottom;
    }
    cell.bottom = cell.top + gathering->lineHeight;
    WindowMark *mark = addMark(gathering, WINDOW_MARK_SEED, text, cell, leftHalf ? cell.left : cell.right,
                               leftHalf ? RUN_ON : RUN_BACK);
    if (mark)
        mark->place.least = mark->place.width;
}

/* Where the outcome's mark begins in a score line, so a shortened score
 * keeps it; the least the line shows is that mark. */
static void keepOutcomeMark(MarkGathering *gathering, WindowMark *mark, BracketNode *node)
{
    if (!mark)
        return;
    MatchDetails *details = matchDetailsOf(gathering->bracket, node);
    WCHAR outcome[MARK_CAPACITY];
    matchScoreText(gathering->bracket->resourceModule, L"", details->outcome, outcome);
    int length = lstrlenW(mark->text), markLength = lstrlenW(outcome);
    if (!markLength || markLength > length ||
        CompareStringOrdinal(mark->text + length - markLength, markLength, outcome, markLength, FALSE) != CSTR_EQUAL)
        return;
    mark->keptFrom = length - markLength;
    int width = textWidthIn(gathering->dc, outcome);
    mark->place.least = width < mark->place.width ? width : mark->place.width;
}

/* Under a decided pick its score and outcome; above an undecided match
 * when and where it is played (below for the third-place match, whose
 * heading stands above it). Scores first: a result outranks a neighbour's
 * time. */
static void gatherMatchMarks(MarkGathering *gathering, BracketNode *node, HWND control, int scores)
{
    if (!control)
        return;
    WCHAR text[MARK_CAPACITY];
    int decided = matchMarkText(gathering->bracket, node, gathering->withDate, text);
    if (decided != scores)
        return;
    RECT box = clientRectOf(gathering->window, control);
    WindowMark *mark;
    if (node == &gathering->bracket->thirdPlace) {
        RECT home = {box.left, box.bottom, box.right, box.bottom + gathering->lineHeight};
        mark = addMark(gathering, scores ? WINDOW_MARK_SCORE : WINDOW_MARK_SCHEDULE, text, home,
                       (box.left + box.right) / 2, RUN_CENTRED);
    } else {
        mark = addMatchLine(gathering, scores ? WINDOW_MARK_SCORE : WINDOW_MARK_SCHEDULE, text, box, decided,
                            box.right - box.left);
    }
    if (mark && scores)
        keepOutcomeMark(gathering, mark, node);
}

/* Over each losers' round its heading, in two lines where it needs them. */
static void gatherLosersHeadings(MarkGathering *gathering)
{
    Bracket *bracket = gathering->bracket;
    for (int k = 1; k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        int round, position;
        losersRoundOf(bracket, k, &round, &position);
        if (!match || !match->control || position > 1)
            continue;
        RECT box = clientRectOf(gathering->window, match->control);
        /* The view may be scrolled: the band moves with the boxes. */
        int shift = box.top - losersMatchPlace(bracket, &gathering->geometry, k).y;
        RECT band = {box.left, 0, box.right, losersHeadingBottom(bracket, &gathering->geometry) + shift};
        band.top = band.bottom - 2 * gathering->lineHeight;
        WCHAR text[MARK_CAPACITY];
        losersMatchHeading(bracket, k, text, MARK_CAPACITY);
        WindowMark *mark = addMark(gathering, WINDOW_MARK_LOSERS_HEADING, text, band, box.left, RUN_ON);
        if (mark && mark->place.width > band.right - band.left)
            mark->place.width = band.right - band.left;
    }
}

/* Over each losers' match where its entrants drop in from, under it its
 * score (scores set) or its time and court. */
static void gatherLosersMarks(MarkGathering *gathering, int scores)
{
    Bracket *bracket = gathering->bracket;
    MatchWords words;
    if (!scores)
        loadMatchWords(bracket->resourceModule, &words);
    for (int k = 1; k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (!match || !match->control)
            continue;
        RECT box = clientRectOf(gathering->window, match->control);
        int round, position;
        losersRoundOf(bracket, k, &round, &position);
        RECT line = {box.left, box.bottom, box.right, box.bottom + gathering->lineHeight};
        /* The losers' final has the grand final's empty line beside it. */
        if (round == losersRoundCount(bracket))
            line.right += box.right - box.left;
        WCHAR text[MARK_CAPACITY];
        int decided = matchMarkText(bracket, match, gathering->withDate, text);
        if (decided == scores) {
            WindowMark *mark =
                addMark(gathering, decided ? WINDOW_MARK_SCORE : WINDOW_MARK_SCHEDULE, text, line, box.left, RUN_ON);
            if (mark && decided)
                keepOutcomeMark(gathering, mark, match);
        }
        if (scores)
            continue;
        OffsetRect(&line, 0, box.top - gathering->lineHeight - line.top);
        dropInText(bracket, &words, k, 0, text);
        if (textWidthIn(gathering->dc, text) > line.right - line.left)
            dropInText(bracket, &words, k, 1, text);
        addMark(gathering, WINDOW_MARK_DROP_IN, text, line, box.left, RUN_ON);
    }
}

/* Every visible control of the window, in client coordinates. */
struct ControlRects {
    HWND window;
    RECT *rects;
    int count;
    int capacity;
};

static BOOL CALLBACK collectControl(HWND control, LPARAM context)
{
    ControlRects *controls = (ControlRects *)context;
    if (GetParent(control) == controls->window && IsWindowVisible(control) && controls->count < controls->capacity)
        controls->rects[controls->count++] = clientRectOf(controls->window, control);
    return TRUE;
}

static void gatherMarks(MarkGathering *gathering)
{
    Bracket *bracket = gathering->bracket;
    gatherHeadings(gathering);
    if (bracket->losers.on)
        gatherLosersHeadings(gathering);
    int matches = 2 * bracket->slotCount - 1;
    /* Where two seeds want one place, the better seed keeps it. */
    for (int seed = 1; seed <= bracket->slotCount; seed++)
        for (int id = 1; id <= bracket->slotCount; id++)
            if (bracket->nodeTable[id - 1]->seed == seed)
                gatherSeed(gathering, bracket->nodeTable[id - 1]);
    for (int scores = 1; scores >= 0; scores--) {
        for (int id = 1; id <= matches; id++) {
            BracketNode *node = bracket->nodeTable[id - 1];
            if (node->left)
                gatherMatchMarks(gathering, node, node->control, scores);
        }
        if (bracket->thirdPlaceOn)
            gatherMatchMarks(gathering, &bracket->thirdPlace, bracket->thirdPlace.control, scores);
        if (bracket->losers.on)
            gatherLosersMarks(gathering, scores);
    }
}

WindowMark *layOutWindowMarks(HWND window, Bracket *bracket, HDC dc, int *count)
{
    *count = 0;
    if (!bracket->slotCount || !bracket->root.control || bracket->depth == 0)
        return NULL;
    HANDLE heap = GetProcessHeap();
    /* Per match at most a score or a time, a drop-in line and a heading;
     * per entrant a seed; the round names on both sides. */
    int capacity = 6 * bracket->slotCount + 2 * bracket->depth + 8;
    int controlCapacity = 4 * bracket->slotCount + 16;
    WindowMark *marks = (WindowMark *)HeapAlloc(heap, 0, capacity * sizeof(WindowMark));
    RECT *rects = (RECT *)HeapAlloc(heap, 0, controlCapacity * sizeof(RECT));
    if (!marks || !rects) {
        HeapFree(heap, 0, marks);
        HeapFree(heap, 0, rects);
        return NULL;
    }
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    MarkGathering gathering = {window, dc, bracket, currentSlotGeometry(window, bracket), metrics.tmHeight,
                               metrics.tmDescent, textWidthIn(dc, L"..."), clientRectOf(window, bracket->root.control),
                               bracketSpansDays(bracket), marks, 0, capacity};
    gatherMarks(&gathering);
    ControlRects controls = {window, rects, 0, controlCapacity};
    EnumChildWindows(window, collectControl, (LPARAM)&controls);
    MarkPlace *places = (MarkPlace *)HeapAlloc(heap, 0, (gathering.count + 1) * sizeof(MarkPlace));
    if (places) {
        for (int i = 0; i < gathering.count; i++)
            places[i] = marks[i].place;
        placeMarks(places, gathering.count, rects, controls.count);
        for (int i = 0; i < gathering.count; i++)
            marks[i].place = places[i];
        HeapFree(heap, 0, places);
    } else {
        gathering.count = 0;
    }
    HeapFree(heap, 0, rects);
    *count = gathering.count;
    return marks;
}

/* A shortened score keeps its outcome's mark whole at its end. */
static void drawPlacedMark(HDC dc, const WindowMark *mark)
{
    RECT cell = mark->place.placed;
    UINT format = DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT;
    format |= mark->kind == WINDOW_MARK_LOSERS_HEADING ? DT_WORDBREAK : DT_SINGLELINE;
    if (mark->kind == WINDOW_MARK_HEADING)
        format |= DT_BOTTOM;
    if (mark->place.placed.right - mark->place.placed.left >= mark->place.width || mark->keptFrom < 0) {
        DrawTextW(dc, mark->text, -1, &cell, format);
        return;
    }
    const WCHAR *outcome = mark->text + mark->keptFrom;
    SIZE extent;
    int width = GetTextExtentPoint32W(dc, outcome, lstrlenW(outcome), &extent) ? extent.cx : 0;
    RECT tail = cell;
    tail.left = tail.right - width;
    DrawTextW(dc, outcome, -1, &tail, format);
    cell.right = tail.left;
    if (mark->keptFrom > 0 && cell.right > cell.left)
        DrawTextW(dc, mark->text, mark->keptFrom, &cell, format);
}

struct ShownMarks;
static ShownMarks *shownMarksOf(HWND window, const WindowMark *marks, int count);
static void keepShownMarks(HWND window, ShownMarks *shown);

static void drawMarks(HWND window, Bracket *bracket, HDC dc, const RECT *area)
{
    int count;
    WindowMark *marks = layOutWindowMarks(window, bracket, dc, &count);
    keepShownMarks(window, shownMarksOf(window, marks, count));
    COLORREF ink = GetTextColor(dc);
    for (int i = 0; i < count; i++) {
        RECT overlap;
        if (IsRectEmpty(&marks[i].place.placed) || !IntersectRect(&overlap, &marks[i].place.placed, area))
            continue;
        SetTextColor(dc, marks[i].kind == WINDOW_MARK_SEED ? seedInk(ink) : ink);
        drawPlacedMark(dc, &marks[i]);
    }
    SetTextColor(dc, ink);
    HeapFree(GetProcessHeap(), 0, marks);
}

/* Where the marks last painted may stand: each one's line (the room it may
 * take, where it was drawn included) in the bracket's own coordinates (the
 * view's offset added), whether it was shown or left out. A change repaints
 * the lines about the changed match and every line that meets them, so a
 * neighbour that gives way or takes the room freed is drawn again too,
 * without laying every mark out again for each value a step changed. */
static const WCHAR SHOWN_PROPERTY[] = L"DuelmarkMarksShown";

struct ShownMarks {
    int count;
    RECT lines[1];
};

/* The marks' lines, or NULL (no marks, or no memory). */
static ShownMarks *shownMarksOf(HWND window, const WindowMark *marks, int count)
{
    ShownMarks *shown =
        marks ? (ShownMarks *)HeapAlloc(GetProcessHeap(), 0, sizeof(ShownMarks) + count * sizeof(RECT)) : NULL;
    if (shown) {
        POINT offset;
        scrollViewOffset(window, &offset);
        shown->count = count;
        for (int i = 0; i < count; i++) {
            UnionRect(&shown->lines[i], &marks[i].place.home, &marks[i].place.placed);
            OffsetRect(&shown->lines[i], offset.x, offset.y);
        }
    }
    return shown;
}

static void keepShownMarks(HWND window, ShownMarks *shown)
{
    HeapFree(GetProcessHeap(), 0, GetPropW(window, SHOWN_PROPERTY));
    if (shown)
        SetPropW(window, SHOWN_PROPERTY, shown);
    else
        RemovePropW(window, SHOWN_PROPERTY);
}

/* The band a match's marks stand in, above and below its control, and the
 * seeds beside its feeders; a box wide on either side, where a text longer
 * than its column reaches. Then every line that meets it, and every line
 * that meets those, all repainted. */
static void invalidateAround(HWND window, HWND control, const ShownMarks *shown)
{
    if (!control)
        return;
    RECT band = clientRectOf(window, control);
    InflateRect(&band, band.right - band.left, band.bottom - band.top);
    InvalidateRect(window, &band, TRUE);
    POINT offset;
    scrollViewOffset(window, &offset);
    OffsetRect(&band, offset.x, offset.y);
    BYTE *taken = (BYTE *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, shown->count + 1);
    if (!taken) {
        InvalidateRect(window, NULL, TRUE);
        return;
    }
    RECT meet;
    for (int grown = 1; grown;) {
        grown = 0;
        for (int i = 0; i < shown->count; i++) {
            int joins = !taken[i] && IntersectRect(&meet, &shown->lines[i], &band);
            for (int j = 0; j < shown->count && !taken[i] && !joins; j++)
                joins = taken[j] && IntersectRect(&meet, &shown->lines[i], &shown->lines[j]);
            if (!joins)
                continue;
            taken[i] = 1;
            grown = 1;
            RECT area = shown->lines[i];
            OffsetRect(&area, -offset.x, -offset.y);
            InvalidateRect(window, &area, TRUE);
        }
    }
    HeapFree(GetProcessHeap(), 0, taken);
}

static void redrawChangedMarks(Bracket *bracket, BracketNode *node, void *context)
{
    HWND window = (HWND)context;
    if (!node)
        return;
    /* Wide, the columns follow the longest name or mark as it grows. */
    if (node != UNDO_ALL_SHOWN && !wideColumnsHold(window, bracket)) {
        layOutAgain(window, bracket);
        keepShownMarks(window, NULL);
        return;
    }
    const ShownMarks *shown = (const ShownMarks *)GetPropW(window, SHOWN_PROPERTY);
    int withDate = bracketSpansDays(bracket) ? 2 : 1;
    if (!shown || node == UNDO_ALL_SHOWN || node == UNDO_FORMAT_SHOWN || !bracket->slotCount ||
        (INT_PTR)GetPropW(window, DATES_PROPERTY) != withDate)
        InvalidateRect(window, NULL, TRUE);
    else if (node == UNDO_THIRD_PLACE_SHOWN)
        invalidateAround(window, bracket->thirdPlace.control, shown);
    else if (losersNumberOf(bracket, node))
        invalidateAround(window, node->control, shown);
    else
        invalidateAround(window, node->left ? node->control : node->parent ? node->parent->control : NULL, shown);
}

void followWindowMarks(HWND window, Bracket *bracket)
{
    watchUndoSteps(bracket, redrawChangedMarks, window);
}

void forgetWindowMarks(HWND window, Bracket *bracket)
{
    unwatchUndoSteps(bracket, redrawChangedMarks, window);
    RemovePropW(window, DATES_PROPERTY);
    keepShownMarks(window, NULL);
}

void drawWindowMarks(HWND window, Bracket *bracket, HDC dc, const RECT *area)
{
    if (bracket->slotCount && bracket->root.control) {
        /* The slots' own font, as they stand now. */
        HGDIOBJ oldFont = SelectObject(dc, currentSlotGeometry(window, bracket).font);
        SetPropW(window, DATES_PROPERTY, (HANDLE)(INT_PTR)(bracketSpansDays(bracket) ? 2 : 1));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, legibleInk());
        drawMarks(window, bracket, dc, area);
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
