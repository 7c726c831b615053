#include "ui/picture/print_page.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/picture/bracket_picture.h"

enum {
    NM_PER_UM = 1000,
    NM_PER_POINT = 352778,
    HEADING_POINTS = 10,
    FOOTING_POINTS = 9,
    FURNITURE_TEXT_UM = 4000,  /* the heading's line, at the outer side of its band */
    CUT_MARK_UM = 3000,        /* short enough to stay clear of the heading and footing */
    CUT_MARK_GAP_UM = 500,     /* marks stop short of the corner they point at */
    CUT_MARK_PEN_UM = 200,
    TITLE_TO_DATE_UM = 5000    /* the least room between the title and the date */
};

/* Paper positions and lengths in nanometres turned into device units. */
struct PaperToDevice {
    const PageDevice *device;
    const PaperSheet *sheet;
};

static LONG deviceX(const PaperToDevice *map, LONGLONG nm)
{
    return map->device->paperOrigin.x +
           (LONG)(nm * map->device->paperSize.cx / ((LONGLONG)map->sheet->paper.cx * NM_PER_UM));
}

static LONG deviceY(const PaperToDevice *map, LONGLONG nm)
{
    return map->device->paperOrigin.y +
           (LONG)(nm * map->device->paperSize.cy / ((LONGLONG)map->sheet->paper.cy * NM_PER_UM));
}

static RECT deviceRect(const PaperToDevice *map, RECT um)
{
    RECT rect = {deviceX(map, (LONGLONG)um.left * NM_PER_UM), deviceY(map, (LONGLONG)um.top * NM_PER_UM),
                 deviceX(map, (LONGLONG)um.right * NM_PER_UM), deviceY(map, (LONGLONG)um.bottom * NM_PER_UM)};
    return rect;
}

static int deviceLength(const PaperToDevice *map, LONGLONG nm)
{
    int length = (int)(nm * map->device->paperSize.cy / ((LONGLONG)map->sheet->paper.cy * NM_PER_UM));
    return length > 0 ? length : 1;
}

/* The page's part of the picture: the whole picture is placed so that the
 * part falls where the page wants it, and everything else is clipped. */
static void drawPicturePart(Bracket *bracket, HDC dc, const PaperToDevice *map, const PrintPage *page)
{
    SIZE natural = bracketPictureSize(bracket);
    LONGLONG left = (LONGLONG)page->origin.x * NM_PER_UM - (LONGLONG)page->part.left * page->nmPerUnit;
    LONGLONG top = (LONGLONG)page->origin.y * NM_PER_UM - (LONGLONG)page->part.top * page->nmPerUnit;
    RECT target = {deviceX(map, left), deviceY(map, top),
                   deviceX(map, left + (LONGLONG)natural.cx * page->nmPerUnit),
                   deviceY(map, top + (LONGLONG)natural.cy * page->nmPerUnit)};
    RECT shown = {deviceX(map, left + (LONGLONG)page->part.left * page->nmPerUnit),
                  deviceY(map, top + (LONGLONG)page->part.top * page->nmPerUnit),
                  deviceX(map, left + (LONGLONG)page->part.right * page->nmPerUnit),
                  deviceY(map, top + (LONGLONG)page->part.bottom * page->nmPerUnit)};
    int saved = SaveDC(dc);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    drawBracketPicture(bracket, dc, target);
    RestoreDC(dc, saved);
}

/* One line of the heading or footing in band, aligned as align says. */
static void drawFurnitureText(HDC dc, const WCHAR *text, RECT band, UINT align)
{
    DrawTextW(dc, text, -1, &band, align | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

static int textWidth(HDC dc, const WCHAR *text)
{
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    return extent.cx;
}

/* The title on the left and the date printed on the right, at the top of
 * the band above the content area; the band's lower part is the cut
 * marks'. */
static void drawHeading(Bracket *bracket, HDC dc, const PaperToDevice *map, RECT content)
{
    WCHAR title[TITLE_CAPACITY], date[64], dated[128];
    if (bracket->title[0])
        lstrcpynW(title, bracket->title, TITLE_CAPACITY);
    else
        loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, title, TITLE_CAPACITY);
    if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, NULL, NULL, date, 64, NULL))
        date[0] = 0;
    const WCHAR *inserts[] = {date};
    if (!loadMessageText(bracket->resourceModule, IDS_PRINT_DATE, inserts, 1, dated, 128))
        lstrcpyW(dated, date);
    RECT band = {content.left, content.top - PAGE_FURNITURE_UM, content.right,
                 content.top - PAGE_FURNITURE_UM + FURNITURE_TEXT_UM};
    band = deviceRect(map, band);
    HFONT plain = createPictureFont(deviceLength(map, (LONGLONG)HEADING_POINTS * NM_PER_POINT), FW_NORMAL);
    HFONT bold = createPictureFont(deviceLength(map, (LONGLONG)HEADING_POINTS * NM_PER_POINT), FW_BOLD);
    HGDIOBJ old = SelectObject(dc, plain);
    int dateWidth = textWidth(dc, dated);
    drawFurnitureText(dc, dated, band, DT_RIGHT | DT_TOP);
    SelectObject(dc, bold);
    /* The title gives way to the date. */
    RECT titleBand = band;
    titleBand.right -= dateWidth + deviceLength(map, (LONGLONG)TITLE_TO_DATE_UM * NM_PER_UM);
    if (titleBand.right > titleBand.left)
        drawFurnitureText(dc, title, titleBand, DT_LEFT | DT_TOP);
    SelectObject(dc, old);
    DeleteObject(plain);
    DeleteObject(bold);
}

/* "Page x of y" on the right at the bottom of the band below the content
 * area, and a tile's place on the left. */
static void drawFooting(Bracket *bracket, HDC dc, const PaperToDevice *map, const PrintPages *pages, int index)
{
    RECT band = {pages->content.left, pages->content.bottom + PAGE_FURNITURE_UM - FURNITURE_TEXT_UM,
                 pages->content.right, pages->content.bottom + PAGE_FURNITURE_UM};
    band = deviceRect(map, band);
    HFONT font = createPictureFont(deviceLength(map, (LONGLONG)FOOTING_POINTS * NM_PER_POINT), FW_NORMAL);
    HGDIOBJ old = SelectObject(dc, font);
    WCHAR first[16], second[16], text[128];
    wsprintfW(first, L"%d", index + 1);
    wsprintfW(second, L"%d", pages->count);
    const WCHAR *numbers[] = {first, second};
    if (loadMessageText(bracket->resourceModule, IDS_PRINT_PAGE_NUMBER, numbers, 2, text, 128))
        drawFurnitureText(dc, text, band, DT_RIGHT | DT_BOTTOM);
    const PrintPage &page = pages->pages[index];
    if (page.row) {
        wsprintfW(first, L"%d", page.row);
        wsprintfW(second, L"%d", page.column);
        if (loadMessageText(bracket->resourceModule, IDS_PRINT_POSTER_POSITION, numbers, 2, text, 128))
            drawFurnitureText(dc, text, band, DT_LEFT | DT_BOTTOM);
    }
    SelectObject(dc, old);
    DeleteObject(font);
}

/* Two short lines pointing along each edge of what the tile keeps, away
 * from each corner, so the sheet can be cut along them. */
static void drawCutMarks(HDC dc, const PaperToDevice *map, const PrintPage *page)
{
    LONGLONG x[2] = {(LONGLONG)page->origin.x * NM_PER_UM + (LONGLONG)(page->kept.left - page->part.left) * page->nmPerUnit,
                     (LONGLONG)page->origin.x * NM_PER_UM + (LONGLONG)(page->kept.right - page->part.left) * page->nmPerUnit};
    LONGLONG y[2] = {(LONGLONG)page->origin.y * NM_PER_UM + (LONGLONG)(page->kept.top - page->part.top) * page->nmPerUnit,
                     (LONGLONG)page->origin.y * NM_PER_UM + (LONGLONG)(page->kept.bottom - page->part.top) * page->nmPerUnit};
    LONGLONG gap = (LONGLONG)CUT_MARK_GAP_UM * NM_PER_UM, length = (LONGLONG)CUT_MARK_UM * NM_PER_UM;
    HPEN pen = CreatePen(PS_SOLID, deviceLength(map, (LONGLONG)CUT_MARK_PEN_UM * NM_PER_UM), RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int i = 0; i < 2; i++) {
        LONGLONG outX = i ? 1 : -1;
        for (int j = 0; j < 2; j++) {
            LONGLONG outY = j ? 1 : -1;
            /* Along the horizontal edge, beyond the corner, and along the
             * vertical edge. */
            MoveToEx(dc, deviceX(map, x[i] + outX * gap), deviceY(map, y[j]), NULL);
            LineTo(dc, deviceX(map, x[i] + outX * (gap + length)), deviceY(map, y[j]));
            MoveToEx(dc, deviceX(map, x[i]), deviceY(map, y[j] + outY * gap), NULL);
            LineTo(dc, deviceX(map, x[i]), deviceY(map, y[j] + outY * (gap + length)));
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void drawPrintPage(Bracket *bracket, HDC dc, const PageDevice *device, const PaperSheet *sheet,
                   const PrintPages *pages, int index)
{
    if (index < 0 || index >= pages->count)
        return;
    PaperToDevice map = {device, sheet};
    const PrintPage *page = &pages->pages[index];
    int saved = SaveDC(dc);
    RECT printable = deviceRect(&map, sheet->printable);
    IntersectClipRect(dc, printable.left, printable.top, printable.right, printable.bottom);
    drawPicturePart(bracket, dc, &map, page);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    drawHeading(bracket, dc, &map, pages->content);
    drawFooting(bracket, dc, &map, pages, index);
    if (page->row)
        drawCutMarks(dc, &map, page);
    RestoreDC(dc, saved);
}
