#include "ui/picture/now_and_next.h"

#include "model/heap.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/schedule/order_of_play.h"
#include "ui/picture/picture_pieces.h"

enum { COURT_LIMIT = 32 };

/* A court and where its matches stand in the order of play. */
struct CourtLine {
    const WCHAR *court;
    int now, next;   /* entries; -1 for none */
};

/* Courts in the order their first match comes; the order of play is
 * sorted by time, so the first of a court is played now and the second
 * comes next. */
static int collectCourts(const OrderFields *fields, int count, CourtLine *courts)
{
    int courtCount = 0;
    for (int i = 0; i < count; i++) {
        if (!fields[i].court[0])
            continue;
        int c = 0;
        while (c < courtCount && lstrcmpiW(courts[c].court, fields[i].court) != 0)
            c++;
        if (c == courtCount) {
            if (courtCount == COURT_LIMIT)
                continue;
            courts[courtCount++] = CourtLine{fields[i].court, i, -1};
        } else if (courts[c].next < 0) {
            courts[c].next = i;
        }
    }
    return courtCount;
}

/* The order of play's fields on the heap (some 40 KiB for the largest
 * bracket); NULL when memory ran out. */
static OrderFields *orderFields(Bracket *bracket, int *count)
{
    *count = 0;
    if (!bracket || !bracket->slotCount)
        return NULL;
    OrderEntry *entries = (OrderEntry *)allocBlock(ORDER_CAPACITY * sizeof(OrderEntry));
    OrderFields *fields = (OrderFields *)allocBlock(ORDER_CAPACITY * sizeof(OrderFields));
    if (entries && fields) {
        *count = collectOrderOfPlay(bracket, entries);
        for (int i = 0; i < *count; i++)
            orderFieldsOf(bracket, &entries[i], ORDER_TIMES_SHOWN, &fields[i]);
    }
    freeBlock(entries);
    if (!entries) {
        freeBlock(fields);
        return NULL;
    }
    return fields;
}

int nowAndNextShown(Bracket *bracket)
{
    int count;
    OrderFields *fields = orderFields(bracket, &count);
    CourtLine courts[COURT_LIMIT];
    int shown = fields && collectCourts(fields, count, courts) > 0;
    freeBlock(fields);
    return shown;
}

static void drawLine(HDC dc, RECT band, const WCHAR *text, HFONT font, COLORREF ink)
{
    SelectObject(dc, font);
    SetTextColor(dc, ink);
    DrawTextW(dc, text, -1, &band, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}

/* One match in a cell: the two entrants on the upper line, the time and
 * round under them. */
static void drawMatch(HDC dc, RECT cell, const OrderFields *fields, HFONT big, HFONT small)
{
    WCHAR line[2 * NAME_CAPACITY + 8];
    lstrcpynW(line, fields->first, NAME_CAPACITY);
    lstrcatW(line, L" \x2013 ");
    lstrcatW(line, fields->second);
    RECT upper = cell, lower = cell;
    upper.bottom = cell.top + (cell.bottom - cell.top) * 3 / 5;
    lower.top = upper.bottom;
    drawLine(dc, upper, line, big, PICTURE_INK);
    lstrcpynW(line, fields->time, MARK_CAPACITY);
    if (line[0])
        lstrcatW(line, L"  ");
    lstrcatW(line, fields->round);
    drawLine(dc, lower, line, small, PICTURE_HEADING_INK);
}

void drawNowAndNext(Bracket *bracket, HDC dc, RECT area, int screenHeight)
{
    HBRUSH paper = CreateSolidBrush(PICTURE_PAPER);
    FillRect(dc, &area, paper);
    DeleteObject(paper);
    int count;
    OrderFields *fields = orderFields(bracket, &count);
    CourtLine courts[COURT_LIMIT];
    int courtCount = fields ? collectCourts(fields, count, courts) : 0;
    int least = (screenHeight + 39) / 40;
    int height = area.bottom - area.top, width = area.right - area.left;
    /* Two lines a court under a heading of two; a court that would need
     * smaller letters than the least waits below the screen's edge. */
    int rowHeight = height / (courtCount + 2);
    if (rowHeight > screenHeight / 7)
        rowHeight = screenHeight / 7;
    if (rowHeight * 2 / 5 < least)
        rowHeight = least * 5 / 2;
    HFONT big = createPictureFont(rowHeight * 2 / 5, FW_BOLD);
    HFONT small = createPictureFont(rowHeight * 2 / 7 > least ? rowHeight * 2 / 7 : least, FW_NORMAL);
    HFONT heading = createPictureFont(rowHeight / 2, FW_BOLD);
    HGDIOBJ old = SelectObject(dc, heading);
    SetBkMode(dc, TRANSPARENT);
    WCHAR text[128], now[64], next[64];
    loadStringWithFallback(bracket ? bracket->resourceModule : NULL, IDS_HALL_NOW_AND_NEXT, text, 128);
    loadStringWithFallback(bracket ? bracket->resourceModule : NULL, IDS_HALL_NOW, now, 64);
    loadStringWithFallback(bracket ? bracket->resourceModule : NULL, IDS_HALL_NEXT, next, 64);
    int courtWidth = width / 5, matchWidth = (width - courtWidth) / 2;
    RECT band = {area.left, area.top, area.right, area.top + rowHeight};
    drawLine(dc, band, text, heading, PICTURE_INK);
    band = RECT{area.left + courtWidth, band.bottom, area.left + courtWidth + matchWidth, band.bottom + rowHeight};
    drawLine(dc, band, now, small, PICTURE_HEADING_INK);
    OffsetRect(&band, matchWidth, 0);
    drawLine(dc, band, next, small, PICTURE_HEADING_INK);
    if (!courtCount) {
        loadStringWithFallback(bracket ? bracket->resourceModule : NULL, IDS_HALL_NO_COURTS, text, 128);
        band = RECT{area.left, band.bottom, area.right, band.bottom + rowHeight};
        drawLine(dc, band, text, small, PICTURE_HEADING_INK);
    }
    int top = band.bottom;
    for (int c = 0; c < courtCount && top + rowHeight <= area.bottom; c++, top += rowHeight) {
        RECT cell = {area.left, top, area.left + courtWidth - rowHeight / 4, top + rowHeight};
        drawLine(dc, cell, courts[c].court, big, PICTURE_INK);
        cell.left = area.left + courtWidth;
        cell.right = cell.left + matchWidth - rowHeight / 4;
        drawMatch(dc, cell, &fields[courts[c].now], big, small);
        if (courts[c].next >= 0) {
            OffsetRect(&cell, matchWidth, 0);
            drawMatch(dc, cell, &fields[courts[c].next], big, small);
        }
    }
    SelectObject(dc, old);
    DeleteObject(big);
    DeleteObject(small);
    DeleteObject(heading);
    freeBlock(fields);
}
