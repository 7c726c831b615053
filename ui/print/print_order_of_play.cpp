#include "ui/print/print_order_of_play.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/schedule/order_of_play.h"
#include "ui/picture/picture_layout.h"
#include "ui/print/print_picture.h"

/* Shares of the line's width, in hundredths: time, court, round and the
 * two entrants. */
static const int COLUMN_SHARES[5] = {18, 16, 18, 24, 24};

/* Where the page's parts stand, in device units. */
struct OrderPage {
    RECT area;        /* inside the margins */
    int line;         /* one line of the table */
    int rowsTop;      /* first match row */
    int rowsPerPage;
};

static OrderPage orderPage(HDC printer)
{
    OrderPage page;
    int dpiX = GetDeviceCaps(printer, LOGPIXELSX), dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    int width = GetDeviceCaps(printer, HORZRES), height = GetDeviceCaps(printer, VERTRES);
    /* Three-quarter-inch margins, less what the printer keeps already. */
    int marginX = dpiX * 3 / 4 - GetDeviceCaps(printer, PHYSICALOFFSETX);
    int marginY = dpiY * 3 / 4 - GetDeviceCaps(printer, PHYSICALOFFSETY);
    marginX = marginX > 0 ? marginX : 0;
    marginY = marginY > 0 ? marginY : 0;
    page.area = {marginX, marginY, width - marginX, height - marginY};
    page.line = dpiY * 10 * 14 / (72 * 10);   /* 10-point text on 14-point lines */
    page.rowsTop = page.area.top + 3 * page.line;
    int rowsBottom = page.area.bottom - 2 * page.line;
    page.rowsPerPage = page.line > 0 ? (rowsBottom - page.rowsTop) / page.line : 0;
    if (page.rowsPerPage < 1)
        page.rowsPerPage = 1;
    return page;
}

static void drawCell(HDC dc, const WCHAR *text, RECT cell, UINT align)
{
    DrawTextW(dc, text, -1, &cell, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

/* One line of five fields across the page. */
static void drawRow(HDC dc, const OrderPage *page, int top, const WCHAR *const *fields)
{
    int width = page->area.right - page->area.left;
    int left = page->area.left;
    for (int i = 0; i < 5; i++) {
        int right = i == 4 ? page->area.right : left + width * COLUMN_SHARES[i] / 100;
        RECT cell = {left, top, right - page->line / 3, top + page->line};
        drawCell(dc, fields[i], cell, DT_LEFT);
        left = right;
    }
}

/* The header line's five names, split at its tabs into names. */
static void splitHeader(WCHAR *header, const WCHAR **names)
{
    WCHAR *at = header;
    for (int i = 0; i < 5; i++) {
        names[i] = at;
        while (*at && *at != L'\t')
            at++;
        if (*at)
            *at++ = 0;
    }
}

struct PrintedPage {
    const WCHAR *heading;   /* title and date printed */
    const WCHAR *const *columnNames;
    int number, count;
};

static int printPage(Bracket *bracket, HDC printer, const OrderPage *page, const PrintedPage *printed,
                     const OrderEntry *entries, int rows, HFONT bold, HFONT plain)
{
    if (StartPage(printer) <= 0)
        return 0;
    SetBkMode(printer, TRANSPARENT);
    SetTextColor(printer, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(printer, bold);
    RECT band = {page->area.left, page->area.top, page->area.right, page->area.top + page->line};
    drawCell(printer, printed->heading, band, DT_LEFT);
    drawRow(printer, page, page->area.top + 2 * page->line, printed->columnNames);
    SelectObject(printer, plain);
    for (int i = 0; i < rows; i++) {
        OrderFields fields;
        orderFieldsOf(bracket, &entries[i], ORDER_TIMES_SHOWN, &fields);
        const WCHAR *texts[] = {fields.time, fields.court, fields.round, fields.first, fields.second};
        drawRow(printer, page, page->rowsTop + i * page->line, texts);
    }
    WCHAR number[16], count[16], footer[128];
    wsprintfW(number, L"%d", printed->number);
    wsprintfW(count, L"%d", printed->count);
    const WCHAR *inserts[] = {number, count};
    loadMessageText(bracket->resourceModule, IDS_ORDER_PAGE_FOOTER, inserts, 2, footer, 128);
    RECT foot = {page->area.left, page->area.bottom - page->line, page->area.right, page->area.bottom};
    drawCell(printer, footer, foot, DT_CENTER);
    SelectObject(printer, old);
    return EndPage(printer) > 0;
}

/* "Title - order of play, printed 08/12/2026", the date in the user's form. */
static void pageHeading(Bracket *bracket, WCHAR *heading, int capacity)
{
    WCHAR date[64], name[128];
    if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, NULL, NULL, date, 64, NULL))
        date[0] = 0;
    loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, 128);
    const WCHAR *inserts[] = {bracket->title[0] ? bracket->title : name, date};
    loadMessageText(bracket->resourceModule, IDS_ORDER_PAGE_HEADING, inserts, 2, heading, capacity);
}

int printOrderOfPlayOnDevice(Bracket *bracket, HDC printer, const WCHAR *output)
{
    if (!bracket->slotCount || !printer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    OrderEntry entries[ORDER_CAPACITY];
    int count = collectOrderOfPlay(bracket, entries);
    OrderPage page = orderPage(printer);
    int pages = count ? (count + page.rowsPerPage - 1) / page.rowsPerPage : 1;
    WCHAR heading[TITLE_CAPACITY + 128], header[128];
    pageHeading(bracket, heading, TITLE_CAPACITY + 128);
    loadStringWithFallback(bracket->resourceModule, IDS_ORDER_HEADER, header, 128);
    const WCHAR *columnNames[5];
    splitHeader(header, columnNames);

    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = heading;
    document.lpszOutput = output;
    if (StartDocW(printer, &document) <= 0)
        return 0;
    /* Point sizes on the printer's own scale: its units are its dots. */
    HFONT bold = createPictureFont(page.line * 10 / 14, FW_BOLD);
    HFONT plain = createPictureFont(page.line * 10 / 14, FW_NORMAL);
    int printed = bold && plain;
    for (int p = 0; printed && p < pages; p++) {
        int first = p * page.rowsPerPage;
        int rows = count - first < page.rowsPerPage ? count - first : page.rowsPerPage;
        PrintedPage printedPage = {heading, columnNames, p + 1, pages};
        printed = printPage(bracket, printer, &page, &printedPage, entries + first, rows, bold, plain);
    }
    DWORD reason = GetLastError();
    if (printed)
        printed = EndDoc(printer) > 0;
    else
        AbortDoc(printer);
    if (bold)
        DeleteObject(bold);
    if (plain)
        DeleteObject(plain);
    if (!printed)
        SetLastError(reason ? reason : ERROR_WRITE_FAULT);
    return printed;
}

/* The order of play's pages depend on the printer chosen, so its print
 * dialog offers no range. */
static int printOrderPages(Bracket *bracket, HDC printer, const void *, const PageRange *, const WCHAR *output)
{
    return printOrderOfPlayOnDevice(bracket, printer, output);
}

/* A list reads best upright: the default printer's own settings, not the
 * picture's landscape page setup. */
void printOrderOfPlay(HWND window, DocumentState *state)
{
    HGLOBAL devMode = NULL, devNames = NULL;
    printThroughDialog(window, state->bracket, &devMode, &devNames, 0, printOrderPages, NULL, IDS_ORDER_PRINT_FAILED);
    if (devMode)
        GlobalFree(devMode);
    if (devNames)
        GlobalFree(devNames);
}
