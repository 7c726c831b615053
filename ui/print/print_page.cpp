#include "ui/print/print_page.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/picture/bracket_picture.h"

enum {
    NM_PER_UM = 1000,
    FURNITURE_TEXT_UM = 4000,  /* a heading's line, at the outer side of its band */
    CUT_MARK_UM = 3000,        /* short enough to stay clear of the heading and footing */
    CUT_MARK_GAP_UM = 500,     /* marks stop short of the corner they point at */
    CUT_MARK_PEN_UM = 200,
    TITLE_TO_DATE_UM = 5000,   /* the least room between the title and the date */
    MEASURE_SHARE = 10,        /* texts are measured at a tenth of their size */
    RIGHT_SLACK_UM = 3000      /* room past the right edge for a printer's wider glyphs */
};

static const COLORREF FURNITURE_INK = RGB(0, 0, 0);

/* A page's faces in micrometres: the title in bold and the date at 10 pt,
 * the footing at 9 pt. */
static const PictureFontSpec PAGE_FONTS[PICTURE_FONT_COUNT] = {
    {3528, FW_BOLD},    /* the title */
    {3528, FW_NORMAL},  /* the date */
    {3528, FW_NORMAL},
    {3175, FW_NORMAL},  /* the page number and a tile's place */
    {3528, FW_BOLD},
};

/* Paper positions in nanometres turned into device units. */
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

/* The page's part of the picture: the whole picture is placed so that the
 * part falls where the page wants it, and everything else is clipped. */
static void drawPicturePart(const PictureDescription *picture, HDC dc, const PaperToDevice *map,
                            const PrintPage *page)
{
    LONGLONG left = (LONGLONG)page->origin.x * NM_PER_UM - (LONGLONG)page->part.left * page->nmPerUnit;
    LONGLONG top = (LONGLONG)page->origin.y * NM_PER_UM - (LONGLONG)page->part.top * page->nmPerUnit;
    RECT target = {deviceX(map, left), deviceY(map, top),
                   deviceX(map, left + (LONGLONG)picture->size.cx * page->nmPerUnit),
                   deviceY(map, top + (LONGLONG)picture->size.cy * page->nmPerUnit)};
    RECT shown = {deviceX(map, left + (LONGLONG)page->part.left * page->nmPerUnit),
                  deviceY(map, top + (LONGLONG)page->part.top * page->nmPerUnit),
                  deviceX(map, left + (LONGLONG)page->part.right * page->nmPerUnit),
                  deviceY(map, top + (LONGLONG)page->part.bottom * page->nmPerUnit)};
    int saved = SaveDC(dc);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    drawPictureDescription(picture, dc, target);
    RestoreDC(dc, saved);
}

/* How wide text prints in a page face, in micrometres. */
static int textWidth(const WCHAR *text, int font)
{
    HDC measure = CreateCompatibleDC(NULL);
    if (!measure)
        return 0;
    HFONT face = createPictureFont(PAGE_FONTS[font].height / MEASURE_SHARE, PAGE_FONTS[font].weight);
    HGDIOBJ old = SelectObject(measure, face);
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(measure, text, lstrlenW(text), &extent);
    SelectObject(measure, old);
    DeleteObject(face);
    DeleteDC(measure);
    return extent.cx * MEASURE_SHARE;
}

void printedTitle(Bracket *bracket, WCHAR *title)
{
    if (bracket->title[0])
        lstrcpynW(title, bracket->title, TITLE_CAPACITY);
    else
        loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, title, TITLE_CAPACITY);
}

/* text ending at band's right edge as measured here. It stands left
 * aligned from where it starts, with room beyond the edge: a printer's
 * font may set it a little wider than the screen measures, and a text
 * aligned right to its clip would lose its last letters. Returns 1, or 0
 * when memory ran out, with the text's width in width. */
static int addRightAligned(PictureDescription *furniture, RECT band, const WCHAR *text, int font, int *width)
{
    *width = textWidth(text, font);
    band.left = band.right - *width;
    band.right += RIGHT_SLACK_UM;
    return addPictureText(furniture, band, text, font, PICTURE_ALIGN_LEFT, FURNITURE_INK);
}

/* The title on the left and the date printed on the right, at the top of
 * the band above the content area; the band's lower part is the cut
 * marks'. The title gives way to the date. */
static int describeHeading(Bracket *bracket, const RECT &content, PictureDescription *furniture)
{
    WCHAR title[TITLE_CAPACITY], date[64], dated[128];
    printedTitle(bracket, title);
    if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, NULL, NULL, date, 64, NULL))
        date[0] = 0;
    const WCHAR *inserts[] = {date};
    if (!loadMessageText(bracket->resourceModule, IDS_PRINT_DATE, inserts, 1, dated, 128))
        lstrcpyW(dated, date);
    RECT band = {content.left, content.top - PAGE_FURNITURE_UM, content.right,
                 content.top - PAGE_FURNITURE_UM + FURNITURE_TEXT_UM};
    int dateWidth;
    int described = addRightAligned(furniture, band, dated, PICTURE_FONT_HEADING, &dateWidth);
    RECT titleBand = band;
    titleBand.right -= dateWidth + TITLE_TO_DATE_UM;
    if (titleBand.right > titleBand.left)
        described = described &&
                    addPictureText(furniture, titleBand, title, PICTURE_FONT_TITLE, PICTURE_ALIGN_LEFT, FURNITURE_INK);
    return described;
}

/* A message with two numbers, "Page %1 of %2" on the right of band or
 * "Row %1, column %2" on its left. */
static int describeNumbers(Bracket *bracket, UINT message, int first, int second, RECT band, int right,
                           PictureDescription *furniture)
{
    WCHAR one[16], two[16], text[128];
    wsprintfW(one, L"%d", first);
    wsprintfW(two, L"%d", second);
    const WCHAR *numbers[] = {one, two};
    if (!loadMessageText(bracket->resourceModule, message, numbers, 2, text, 128))
        return 1;
    int width;
    if (right)
        return addRightAligned(furniture, band, text, PICTURE_FONT_SMALL, &width);
    return addPictureText(furniture, band, text, PICTURE_FONT_SMALL, PICTURE_ALIGN_LEFT, FURNITURE_INK);
}

/* Two short lines pointing along each edge of what the tile keeps, away
 * from each corner, so the sheet can be cut along them. */
static int describeCutMarks(const PrintPage *page, PictureDescription *furniture)
{
    LONG x[2] = {page->origin.x + (LONG)((LONGLONG)(page->kept.left - page->part.left) * page->nmPerUnit / NM_PER_UM),
                 page->origin.x + (LONG)((LONGLONG)(page->kept.right - page->part.left) * page->nmPerUnit / NM_PER_UM)};
    LONG y[2] = {page->origin.y + (LONG)((LONGLONG)(page->kept.top - page->part.top) * page->nmPerUnit / NM_PER_UM),
                 page->origin.y + (LONG)((LONGLONG)(page->kept.bottom - page->part.top) * page->nmPerUnit / NM_PER_UM)};
    int described = 1;
    for (int i = 0; i < 2; i++) {
        LONG outX = i ? 1 : -1;
        for (int j = 0; j < 2; j++) {
            LONG outY = j ? 1 : -1;
            /* Along the horizontal edge, beyond the corner, and along the
             * vertical edge. */
            described = described &&
                        addPictureLine(furniture, x[i] + outX * CUT_MARK_GAP_UM, y[j],
                                       x[i] + outX * (CUT_MARK_GAP_UM + CUT_MARK_UM), y[j], CUT_MARK_PEN_UM,
                                       FURNITURE_INK) &&
                        addPictureLine(furniture, x[i], y[j] + outY * CUT_MARK_GAP_UM, x[i],
                                       y[j] + outY * (CUT_MARK_GAP_UM + CUT_MARK_UM), CUT_MARK_PEN_UM, FURNITURE_INK);
        }
    }
    return described;
}

int describePageFurniture(Bracket *bracket, const PaperSheet *sheet, const PrintPages *pages, int index,
                          PictureDescription *furniture)
{
    initPictureDescription(furniture, sheet->paper, CLR_INVALID);
    furniture->fonts = PAGE_FONTS;
    const PrintPage *page = &pages->pages[index];
    /* "Page x of y" on the right at the bottom of the band below the
     * content area, and a tile's place on the left. */
    RECT footing = {pages->content.left, pages->content.bottom + PAGE_FURNITURE_UM - FURNITURE_TEXT_UM,
                    pages->content.right, pages->content.bottom + PAGE_FURNITURE_UM};
    int described = describeHeading(bracket, pages->content, furniture) &&
                    describeNumbers(bracket, IDS_PRINT_PAGE_NUMBER, index + 1, pages->count, footing, 1, furniture);
    if (page->row)
        described = described &&
                    describeNumbers(bracket, IDS_PRINT_POSTER_POSITION, page->row, page->column, footing, 0,
                                    furniture) &&
                    describeCutMarks(page, furniture);
    if (!described)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return described;
}

void drawPrintPage(Bracket *bracket, const PictureDescription *picture, HDC dc, const PageDevice *device,
                   const PaperSheet *sheet, const PrintPages *pages, int index)
{
    if (index < 0 || index >= pages->count)
        return;
    PaperToDevice map = {device, sheet};
    int saved = SaveDC(dc);
    RECT printable = deviceRect(&map, sheet->printable);
    IntersectClipRect(dc, printable.left, printable.top, printable.right, printable.bottom);
    drawPicturePart(picture, dc, &map, &pages->pages[index]);
    PictureDescription furniture;
    if (describePageFurniture(bracket, sheet, pages, index, &furniture)) {
        RECT paper = {device->paperOrigin.x, device->paperOrigin.y, device->paperOrigin.x + device->paperSize.cx,
                      device->paperOrigin.y + device->paperSize.cy};
        drawPictureDescription(&furniture, dc, paper);
    }
    freePictureDescription(&furniture);
    RestoreDC(dc, saved);
}
