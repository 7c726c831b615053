#include "ui/bracket_picture.h"

#include "model/match_outcome.h"
#include "model/third_place.h"
#include "res/resource.h"
#include "ui/fallback_string.h"
#include "ui/match_marks.h"
#include "ui/message_text.h"

/* Colours: dark ink on white, so the picture prints and posts the same. */
static const COLORREF PAPER = RGB(255, 255, 255);
static const COLORREF INK = RGB(32, 32, 32);
static const COLORREF HEADING_INK = RGB(64, 64, 64);
static const COLORREF CHAMPION_FILL = RGB(255, 240, 176);
static const COLORREF BYE_FILL = RGB(242, 242, 242);
static const COLORREF BYE_INK = RGB(150, 150, 150);

enum {
    TITLE_FONT_HEIGHT = 28,
    HEADING_FONT_HEIGHT = 15,
    NAME_FONT_HEIGHT = 15,
    SMALL_NAME_FONT_HEIGHT = 12,
    NAME_PADDING = 6,
    RESULT_LINE = 15,        /* a result in small text under its winner's box */
    PLACE_LINE = 18,         /* one line of the places under the champion */
    THIRD_PLACE_GAP = 12     /* between the places and the third-place heading */
};

/* A face every Windows has and Wine ships, so Latin text never falls back
 * to whatever face the system finds first. Chinese and other scripts come
 * through the face's system font link. */
const WCHAR PICTURE_FACE[] = L"Tahoma";

/* Columns from the left: 0 .. D-1 hold levels D .. 1 of the left half, D
 * the champion, D+1 .. 2D levels 1 .. D of the right half. */
static int columnLeft(int column)
{
    return PICTURE_MARGIN + column * (PICTURE_BOX_WIDTH + PICTURE_COLUMN_GAP);
}

/* Top of the first row of boxes, under the title and the headings. */
static int rowsTop(void)
{
    return PICTURE_MARGIN + PICTURE_TITLE_BAND + PICTURE_HEADING_BAND;
}

/* Vertical centre of row j of a level-k column: half-way between its two
 * feeders, which makes every connector a clean bracket shape. */
static int rowCentre(int depth, int level, int row)
{
    int span = 1 << (depth - level);   /* first-round rows under one box */
    return rowsTop() + PICTURE_BOX_HEIGHT / 2 + PICTURE_ROW_PITCH * (2 * span * row + span - 1) / 2;
}

/* The box of the index-th slot of a level (0 from the left). The first
 * half of a level stands in the left column, the second in the right. */
static RECT slotBox(int depth, int level, int index)
{
    RECT box;
    int column = depth, row = 0;
    if (level > 0) {
        int half = 1 << (level - 1);
        column = index < half ? depth - level : depth + level;
        row = index < half ? index : index - half;
    }
    int centre = level > 0 ? rowCentre(depth, level, row) : rowCentre(depth, depth > 0 ? 1 : 0, 0);
    box.left = columnLeft(column);
    box.right = box.left + PICTURE_BOX_WIDTH;
    box.top = centre - PICTURE_BOX_HEIGHT / 2;
    box.bottom = box.top + PICTURE_BOX_HEIGHT;
    return box;
}

/* Under the champion while the third-place match is on: the final's
 * result, the places known so far (up to four), then the third-place match
 * with its heading, its box and its result. */
static int placesTop(Bracket *bracket)
{
    return slotBox(bracket->depth, 0, 0).bottom + RESULT_LINE;
}

static int thirdPlaceHeadingTop(Bracket *bracket)
{
    return placesTop(bracket) + 4 * PLACE_LINE + THIRD_PLACE_GAP;
}

static RECT thirdPlaceBox(Bracket *bracket)
{
    RECT box = slotBox(bracket->depth, 0, 0);
    box.top = thirdPlaceHeadingTop(bracket) + PICTURE_HEADING_BAND - 6;
    box.bottom = box.top + PICTURE_BOX_HEIGHT;
    return box;
}

static int thirdPlaceBottom(Bracket *bracket)
{
    return thirdPlaceBox(bracket).bottom + RESULT_LINE;
}

SIZE bracketPictureSize(Bracket *bracket)
{
    SIZE size = {0, 0};
    if (!bracket || bracket->slotCount <= 0)
        return size;
    int depth = bracket->depth;
    int rows = depth > 0 ? bracket->slotCount / 2 : 1;
    size.cx = columnLeft(2 * depth) + PICTURE_BOX_WIDTH + PICTURE_MARGIN;
    size.cy = rowsTop() + rows * PICTURE_ROW_PITCH - (PICTURE_ROW_PITCH - PICTURE_BOX_HEIGHT) + PICTURE_MARGIN;
    if (bracket->thirdPlace.on && depth >= 2) {
        int below = thirdPlaceBottom(bracket) + PICTURE_MARGIN;
        if (below > size.cy)
            size.cy = below;
    }
    return size;
}

HFONT createPictureFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, PICTURE_FACE);
}

/* The faces one drawing uses, made once per drawing. */
struct PictureFonts {
    HFONT title, heading, name, smallName, champion;
};

/* A line of small text under a box (above it when above is set). */
static void drawResult(HDC dc, const PictureFonts *fonts, const WCHAR *result, RECT box, int above)
{
    if (!result[0])
        return;
    RECT line = {box.left, box.bottom, box.right, box.bottom + RESULT_LINE};
    if (above) {
        line.bottom = box.top;
        line.top = box.top - RESULT_LINE;
    }
    HGDIOBJ oldFont = SelectObject(dc, fonts->smallName);
    COLORREF oldInk = SetTextColor(dc, HEADING_INK);
    DrawTextW(dc, result, -1, &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(dc, oldInk);
    SelectObject(dc, oldFont);
}

/* A decided match's score and outcome mark under its box; an open one's
 * time and court above it (under it for the third-place match, whose
 * heading stands above). */
static void drawMatchMarks(HDC dc, Bracket *bracket, const PictureFonts *fonts, BracketNode *node, RECT box,
                           int withDate)
{
    WCHAR text[MARK_CAPACITY];
    if (isMatchDecided(bracket, node)) {
        matchScoreText(bracket, node ? node->result : bracket->thirdPlace.result,
                       matchDetailsOf(bracket, node)->outcome, text);
        drawResult(dc, fonts, text, box, 0);
    } else {
        matchScheduleText(matchDetailsOf(bracket, node), withDate, text);
        drawResult(dc, fonts, text, box, node != NULL);
    }
}

/* One straight connector segment in the selected pen. */
static void drawLine(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
}

/* Text cut at the end with an ellipsis and clipped to rect, so a long name
 * never reaches a neighbour. */
static void drawFittedText(HDC dc, const WCHAR *text, RECT rect, UINT align)
{
    DrawTextW(dc, text, -1, &rect, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

/* A seeded entrant is shown with the seed before the name, "(3) Name". */
static void seededName(const BracketNode *node, WCHAR *text)
{
    if (node->seed > 0 && node->name[0] && !node->left)
        wsprintfW(text, L"(%d) %s", node->seed, node->name);
    else
        lstrcpynW(text, node->name, NAME_CAPACITY);
}

/* A slot's frame, drawn inside its box so that a wider line never reaches
 * into the gap where the connectors run. */
static void drawBox(HDC dc, RECT box, int lineWidth, COLORREF ink, COLORREF fillColour)
{
    HPEN pen = CreatePen(PS_INSIDEFRAME, lineWidth, ink);
    HBRUSH fill = CreateSolidBrush(fillColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);
}

/* A bye: a lighter box, its word in a lighter ink. */
static void drawByeSlot(HDC dc, const PictureFonts *fonts, RECT box, const WCHAR *word)
{
    drawBox(dc, box, 1, BYE_INK, BYE_FILL);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -PICTURE_LINE_WIDTH);
    HGDIOBJ oldFont = SelectObject(dc, fonts->name);
    COLORREF oldInk = SetTextColor(dc, BYE_INK);
    drawFittedText(dc, word, inner, DT_LEFT);
    SetTextColor(dc, oldInk);
    SelectObject(dc, oldFont);
}

/* A name that does not fit first gets the smaller face; only what still
 * does not fit is cut. */
static void drawSlot(HDC dc, const PictureFonts *fonts, const BracketNode *node, RECT box, int champion)
{
    int lineWidth = champion ? PICTURE_CHAMPION_LINE_WIDTH : PICTURE_LINE_WIDTH;
    drawBox(dc, box, lineWidth, INK, champion ? CHAMPION_FILL : PAPER);
    if (!node->name[0])
        return;
    WCHAR shown[NAME_CAPACITY + 16];
    seededName(node, shown);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -(champion ? PICTURE_CHAMPION_LINE_WIDTH : PICTURE_LINE_WIDTH));
    HFONT font = champion ? fonts->champion : fonts->name;
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent;
    if (!champion && GetTextExtentPoint32W(dc, shown, lstrlenW(shown), &extent) &&
        extent.cx > inner.right - inner.left)
        SelectObject(dc, fonts->smallName);
    drawFittedText(dc, shown, inner, champion ? DT_CENTER : DT_LEFT);
    SelectObject(dc, oldFont);
}

/* Lines from the facing edges of two feeders to the box they feed: out from
 * each feeder, down the middle of the gap, and on to the fed box. */
static void drawConnector(HDC dc, RECT first, RECT second, RECT fed)
{
    int fromRight = fed.left > first.left;
    int edge = fromRight ? first.right : first.left;
    int middle = fromRight ? edge + PICTURE_COLUMN_GAP / 2 : edge - PICTURE_COLUMN_GAP / 2;
    int firstY = (first.top + first.bottom) / 2, secondY = (second.top + second.bottom) / 2;
    int fedY = (fed.top + fed.bottom) / 2;
    drawLine(dc, edge, firstY, middle, firstY);
    drawLine(dc, edge, secondY, middle, secondY);
    drawLine(dc, middle, firstY, middle, secondY);
    drawLine(dc, middle, fedY, fromRight ? fed.left : fed.right, fedY);
}

/* Round names count the teams still in: the final has 2, the semi-finals
 * 4, the quarter-finals 8, every earlier round "round of N". */
void roundHeading(Bracket *bracket, int level, WCHAR *text, int capacity)
{
    HMODULE module = bracket->resourceModule;
    if (level == 0) {
        loadStringWithFallback(module, IDS_PICTURE_CHAMPION, text, capacity);
    } else if (level <= 3) {
        UINT ids[] = {IDS_PICTURE_FINAL, IDS_PICTURE_SEMI_FINALS, IDS_PICTURE_QUARTER_FINALS};
        loadStringWithFallback(module, ids[level - 1], text, capacity);
    } else {
        WCHAR teams[16];
        wsprintfW(teams, L"%d", 1 << level);
        const WCHAR *inserts[] = {teams};
        loadMessageText(module, IDS_PICTURE_ROUND_OF, inserts, 1, text, capacity);
    }
}

/* One heading over each column, the champion's included. */
static void drawHeadings(HDC dc, Bracket *bracket, HFONT font)
{
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, HEADING_INK);
    int depth = bracket->depth;
    for (int column = 0; column <= 2 * depth; column++) {
        int level = column < depth ? depth - column : column - depth;
        WCHAR text[128];
        roundHeading(bracket, level, text, 128);
        RECT band = {columnLeft(column), PICTURE_MARGIN + PICTURE_TITLE_BAND, 0, rowsTop()};
        band.right = band.left + PICTURE_BOX_WIDTH;
        drawFittedText(dc, text, band, DT_CENTER);
    }
    SelectObject(dc, oldFont);
}

/* Boxes level by level from the root down, each level walked left to right;
 * a non-base level also draws the connectors from its feeders. */
static void drawSlots(HDC dc, Bracket *bracket, const PictureFonts *fonts)
{
    int depth = bracket->depth;
    HPEN pen = CreatePen(PS_SOLID, PICTURE_LINE_WIDTH, INK);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    SetTextColor(dc, INK);
    WCHAR byeWord[64];
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, byeWord, 64);
    int withDate = bracketSpansDays(bracket);
    for (int level = 0; level <= depth; level++) {
        int index = 0;
        for (BracketNode *node = leftmostAtLevel(bracket, level); node; node = nextInLevel(node), index++) {
            RECT box = slotBox(depth, level, index);
            if (level == 0 && depth > 0) {
                RECT left = slotBox(depth, 1, 0), right = slotBox(depth, 1, 1);
                int y = (box.top + box.bottom) / 2;
                drawLine(dc, left.right, y, box.left, y);
                drawLine(dc, box.right, y, right.left, y);
            } else if (level > 0 && level < depth) {
                drawConnector(dc, slotBox(depth, level + 1, 2 * index), slotBox(depth, level + 1, 2 * index + 1),
                              box);
            }
            if (node->bye && level == depth && depth > 0)
                drawByeSlot(dc, fonts, box, byeWord);
            else
                drawSlot(dc, fonts, node, box, level == 0);
            if (level < depth)
                drawMatchMarks(dc, bracket, fonts, node, box, withDate);
        }
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

/* The semi-final loser the third-place pick did not name. */
static const WCHAR *fourthPlace(Bracket *bracket)
{
    const WCHAR *third = bracket->thirdPlace.name;
    const WCHAR *left = semiFinalLoser(bracket, 0), *right = semiFinalLoser(bracket, 1);
    if (!third[0] || !left || !right)
        return NULL;
    return lstrcmpW(third, left) == 0 ? right : left;
}

/* The places known so far, "1. name" a line, then the match for third
 * place under its heading. */
static void drawThirdPlaceMatch(HDC dc, Bracket *bracket, const PictureFonts *fonts)
{
    const WCHAR *places[4] = {bracket->root.name[0] ? bracket->root.name : NULL, matchLoser(&bracket->root),
                              bracket->thirdPlace.name[0] ? bracket->thirdPlace.name : NULL,
                              fourthPlace(bracket)};
    RECT column = slotBox(bracket->depth, 0, 0);
    HGDIOBJ oldFont = SelectObject(dc, fonts->name);
    SetTextColor(dc, INK);
    int top = placesTop(bracket);
    for (int place = 0; place < 4; place++) {
        if (!places[place])
            continue;
        WCHAR line[NAME_CAPACITY + 8];
        wsprintfW(line, L"%d. ", place + 1);
        lstrcatW(line, places[place]);
        RECT band = {column.left, top, column.right, top + PLACE_LINE};
        drawFittedText(dc, line, band, DT_LEFT);
        top += PLACE_LINE;
    }
    WCHAR heading[128];
    loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_THIRD_PLACE, heading, 128);
    SelectObject(dc, fonts->heading);
    SetTextColor(dc, HEADING_INK);
    RECT band = {column.left, thirdPlaceHeadingTop(bracket), column.right,
                 thirdPlaceHeadingTop(bracket) + PICTURE_HEADING_BAND - 6};
    drawFittedText(dc, heading, band, DT_CENTER);
    SelectObject(dc, oldFont);
    SetTextColor(dc, INK);
    /* Drawn as a slot of its own: a box holding the pick. */
    BracketNode shown = {};
    lstrcpyW(shown.name, bracket->thirdPlace.name);
    RECT box = thirdPlaceBox(bracket);
    drawSlot(dc, fonts, &shown, box, 0);
    drawMatchMarks(dc, bracket, fonts, NULL, box, bracketSpansDays(bracket));
}

void drawBracketPicture(Bracket *bracket, HDC dc, RECT target)
{
    SIZE natural = bracketPictureSize(bracket);
    int width = target.right - target.left, height = target.bottom - target.top;
    if (!natural.cx || width <= 0 || height <= 0)
        return;
    int saved = SaveDC(dc);
    /* Scaled in one place: every coordinate below is a logical unit, so
     * fonts and lines stay sharp at any size. */
    int scaledWidth = width, scaledHeight = MulDiv(natural.cy, width, natural.cx);
    if (scaledHeight > height) {
        scaledHeight = height;
        scaledWidth = MulDiv(natural.cx, height, natural.cy);
    }
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, natural.cx, natural.cy, NULL);
    SetWindowOrgEx(dc, 0, 0, NULL);
    SetViewportExtEx(dc, scaledWidth, scaledHeight, NULL);
    SetViewportOrgEx(dc, target.left + (width - scaledWidth) / 2, target.top + (height - scaledHeight) / 2, NULL);
    SetBkMode(dc, TRANSPARENT);

    HBRUSH paper = CreateSolidBrush(PAPER);
    RECT whole = {0, 0, natural.cx, natural.cy};
    FillRect(dc, &whole, paper);
    DeleteObject(paper);

    PictureFonts fonts;
    fonts.title = createPictureFont(TITLE_FONT_HEIGHT, FW_BOLD);
    fonts.heading = createPictureFont(HEADING_FONT_HEIGHT, FW_NORMAL);
    fonts.name = createPictureFont(NAME_FONT_HEIGHT, FW_NORMAL);
    fonts.smallName = createPictureFont(SMALL_NAME_FONT_HEIGHT, FW_NORMAL);
    fonts.champion = createPictureFont(NAME_FONT_HEIGHT, FW_BOLD);

    HGDIOBJ oldFont = SelectObject(dc, fonts.title);
    SetTextColor(dc, INK);
    RECT band = {PICTURE_MARGIN, PICTURE_MARGIN, natural.cx - PICTURE_MARGIN, PICTURE_MARGIN + PICTURE_TITLE_BAND};
    drawFittedText(dc, bracket->title, band, DT_CENTER);
    SelectObject(dc, oldFont);
    drawHeadings(dc, bracket, fonts.heading);
    drawSlots(dc, bracket, &fonts);
    if (bracket->thirdPlace.on && bracket->depth >= 2)
        drawThirdPlaceMatch(dc, bracket, &fonts);

    DeleteObject(fonts.title);
    DeleteObject(fonts.heading);
    DeleteObject(fonts.name);
    DeleteObject(fonts.smallName);
    DeleteObject(fonts.champion);
    RestoreDC(dc, saved);
}

int renderBracketPicture(Bracket *bracket, PictureCanvas *canvas)
{
    canvas->dc = NULL;
    canvas->bitmap = NULL;
    canvas->previous = NULL;
    SIZE size = bracketPictureSize(bracket);
    if (!size.cx)
        return 0;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;   /* top-down, as the encoder reads it */
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = NULL;
    canvas->dc = CreateCompatibleDC(NULL);
    if (canvas->dc)
        canvas->bitmap = CreateDIBSection(canvas->dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!canvas->bitmap || !bits) {
        if (canvas->dc)
            DeleteDC(canvas->dc);
        canvas->dc = NULL;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    canvas->previous = SelectObject(canvas->dc, canvas->bitmap);
    RECT target = {0, 0, size.cx, size.cy};
    drawBracketPicture(bracket, canvas->dc, target);
    GdiFlush();
    /* GDI leaves the fourth byte 0; readers that take it as alpha would see
     * nothing. */
    BYTE *pixel = (BYTE *)bits;
    for (SIZE_T i = 0, count = (SIZE_T)size.cx * size.cy; i < count; i++, pixel += 4)
        pixel[3] = 255;
    canvas->raster.width = size.cx;
    canvas->raster.height = size.cy;
    canvas->raster.pixels = (const BYTE *)bits;
    return 1;
}

void releasePictureCanvas(PictureCanvas *canvas)
{
    if (canvas->dc) {
        SelectObject(canvas->dc, canvas->previous);
        DeleteDC(canvas->dc);
    }
    if (canvas->bitmap)
        DeleteObject(canvas->bitmap);
    canvas->dc = NULL;
    canvas->bitmap = NULL;
}
