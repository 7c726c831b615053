#include "ui/picture/picture_layout.h"

#include "model/third_place.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

/* Colours: dark ink on white, so the picture prints and posts the same. */
static const COLORREF PAPER = RGB(255, 255, 255);
static const COLORREF INK = RGB(32, 32, 32);
static const COLORREF HEADING_INK = RGB(64, 64, 64);
static const COLORREF CHAMPION_FILL = RGB(255, 240, 176);
static const COLORREF BYE_FILL = RGB(242, 242, 242);
static const COLORREF BYE_FRAME = RGB(150, 150, 150);
/* Lighter than a name yet still 5:1 on the bye's fill, so the word reads
 * as easily as any text of the picture (4.5:1 at least). */
static const COLORREF BYE_INK = RGB(100, 100, 100);

enum {
    NAME_PADDING = 6,
    RESULT_LINE = 15,        /* a result in small text under its winner's box */
    PLACE_LINE = 18,         /* one line of the places under the champion */
    THIRD_PLACE_GAP = 12     /* between the places and the third-place heading */
};

HFONT createPictureFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, PICTURE_FACE);
}

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

/* What laying out needs besides the bracket: where it goes, and a device
 * context holding the names' face at natural size, to tell which names fit. */
struct PictureLayout {
    Bracket *bracket;
    PictureDescription *picture;
    HDC measure;
    HFONT nameFont;
    int complete;      /* 0 once an item could not be added */
};

static void addBox(PictureLayout *layout, RECT box, int lineWidth, COLORREF ink, COLORREF fill)
{
    if (!addPictureBox(layout->picture, box, lineWidth, ink, fill))
        layout->complete = 0;
}

static void addLine(PictureLayout *layout, int x1, int y1, int x2, int y2)
{
    if (!addPictureLine(layout->picture, x1, y1, x2, y2, PICTURE_LINE_WIDTH, INK))
        layout->complete = 0;
}

static void addText(PictureLayout *layout, RECT band, const WCHAR *text, int font, int align, COLORREF ink)
{
    if (text[0] && !addPictureText(layout->picture, band, text, font, align, ink))
        layout->complete = 0;
}

/* A match's result in small text under its winner's box. */
static void addResult(PictureLayout *layout, const WCHAR *result, RECT box)
{
    RECT line = {box.left, box.bottom, box.right, box.bottom + RESULT_LINE};
    addText(layout, line, result, PICTURE_FONT_SMALL, PICTURE_ALIGN_CENTRE, HEADING_INK);
}

/* A seeded entrant is shown with the seed before the name, "(3) Name". */
static void seededName(const BracketNode *node, WCHAR *text)
{
    if (node->seed > 0 && node->name[0] && !node->left)
        wsprintfW(text, L"(%d) %s", node->seed, node->name);
    else
        lstrcpynW(text, node->name, NAME_CAPACITY);
}

/* A bye: a lighter box, its word in a lighter ink. */
static void addByeSlot(PictureLayout *layout, RECT box, const WCHAR *word)
{
    addBox(layout, box, 1, BYE_FRAME, BYE_FILL);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -PICTURE_LINE_WIDTH);
    addText(layout, inner, word, PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, BYE_INK);
}

/* A name that does not fit first gets the smaller face; only what still
 * does not fit is cut where it is drawn. */
static void addSlot(PictureLayout *layout, const BracketNode *node, RECT box, int champion)
{
    int lineWidth = champion ? PICTURE_CHAMPION_LINE_WIDTH : PICTURE_LINE_WIDTH;
    addBox(layout, box, lineWidth, INK, champion ? CHAMPION_FILL : PAPER);
    WCHAR shown[NAME_CAPACITY + 16];
    seededName(node, shown);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -lineWidth);
    int font = champion ? PICTURE_FONT_CHAMPION : PICTURE_FONT_NAME;
    SIZE extent;
    if (!champion && layout->measure && GetTextExtentPoint32W(layout->measure, shown, lstrlenW(shown), &extent) &&
        extent.cx > inner.right - inner.left)
        font = PICTURE_FONT_SMALL;
    addText(layout, inner, shown, font, champion ? PICTURE_ALIGN_CENTRE : PICTURE_ALIGN_LEFT, INK);
}

/* Lines from the facing edges of two feeders to the box they feed: out from
 * each feeder, down the middle of the gap, and on to the fed box. */
static void addConnector(PictureLayout *layout, RECT first, RECT second, RECT fed)
{
    int fromRight = fed.left > first.left;
    int edge = fromRight ? first.right : first.left;
    int middle = fromRight ? edge + PICTURE_COLUMN_GAP / 2 : edge - PICTURE_COLUMN_GAP / 2;
    int firstY = (first.top + first.bottom) / 2, secondY = (second.top + second.bottom) / 2;
    int fedY = (fed.top + fed.bottom) / 2;
    addLine(layout, edge, firstY, middle, firstY);
    addLine(layout, edge, secondY, middle, secondY);
    addLine(layout, middle, firstY, middle, secondY);
    addLine(layout, middle, fedY, fromRight ? fed.left : fed.right, fedY);
}

/* Round names count the teams still in: the final has 2, the semi-finals
 * 4, the quarter-finals 8, every earlier round "round of N". */
static void roundHeading(Bracket *bracket, int level, WCHAR *text, int capacity)
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
static void addHeadings(PictureLayout *layout)
{
    int depth = layout->bracket->depth;
    for (int column = 0; column <= 2 * depth; column++) {
        int level = column < depth ? depth - column : column - depth;
        WCHAR text[128];
        roundHeading(layout->bracket, level, text, 128);
        RECT band = {columnLeft(column), PICTURE_MARGIN + PICTURE_TITLE_BAND, 0, rowsTop()};
        band.right = band.left + PICTURE_BOX_WIDTH;
        addText(layout, band, text, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE, HEADING_INK);
    }
}

/* Level by level from the root down, each level walked left to right; a
 * non-base level also has the connectors from its feeders. */
static void addSlots(PictureLayout *layout)
{
    Bracket *bracket = layout->bracket;
    int depth = bracket->depth;
    WCHAR byeWord[64];
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, byeWord, 64);
    for (int level = 0; level <= depth; level++) {
        int index = 0;
        for (BracketNode *node = leftmostAtLevel(bracket, level); node; node = nextInLevel(node), index++) {
            RECT box = slotBox(depth, level, index);
            if (level == 0 && depth > 0) {
                RECT left = slotBox(depth, 1, 0), right = slotBox(depth, 1, 1);
                int y = (box.top + box.bottom) / 2;
                addLine(layout, left.right, y, box.left, y);
                addLine(layout, box.right, y, right.left, y);
            } else if (level > 0 && level < depth) {
                addConnector(layout, slotBox(depth, level + 1, 2 * index), slotBox(depth, level + 1, 2 * index + 1),
                             box);
            }
            if (node->bye && level == depth && depth > 0)
                addByeSlot(layout, box, byeWord);
            else
                addSlot(layout, node, box, level == 0);
            if (level < depth)
                addResult(layout, node->result, box);
        }
    }
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
static void addThirdPlaceMatch(PictureLayout *layout)
{
    Bracket *bracket = layout->bracket;
    const WCHAR *places[4] = {bracket->root.name[0] ? bracket->root.name : NULL, matchLoser(&bracket->root),
                              bracket->thirdPlace.name[0] ? bracket->thirdPlace.name : NULL,
                              fourthPlace(bracket)};
    RECT column = slotBox(bracket->depth, 0, 0);
    int top = placesTop(bracket);
    for (int place = 0; place < 4; place++) {
        if (!places[place])
            continue;
        WCHAR line[NAME_CAPACITY + 8];
        wsprintfW(line, L"%d. ", place + 1);
        lstrcatW(line, places[place]);
        RECT band = {column.left, top, column.right, top + PLACE_LINE};
        addText(layout, band, line, PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, INK);
        top += PLACE_LINE;
    }
    WCHAR heading[128];
    loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_THIRD_PLACE, heading, 128);
    RECT band = {column.left, thirdPlaceHeadingTop(bracket), column.right,
                 thirdPlaceHeadingTop(bracket) + PICTURE_HEADING_BAND - 6};
    addText(layout, band, heading, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE, HEADING_INK);
    /* Laid out as a slot of its own: a box holding the pick. */
    BracketNode shown = {};
    lstrcpyW(shown.name, bracket->thirdPlace.name);
    RECT box = thirdPlaceBox(bracket);
    addSlot(layout, &shown, box, 0);
    addResult(layout, bracket->thirdPlace.result, box);
}

int describeBracketPicture(Bracket *bracket, PictureDescription *picture)
{
    SIZE size = bracketPictureSize(bracket);
    initPictureDescription(picture, size, PAPER);
    if (!size.cx) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    PictureLayout layout = {bracket, picture, CreateCompatibleDC(NULL), NULL, 1};
    HGDIOBJ replaced = NULL;
    if (layout.measure) {
        const PictureFontSpec &name = PICTURE_FONTS[PICTURE_FONT_NAME];
        layout.nameFont = createPictureFont(name.height, name.weight);
        replaced = SelectObject(layout.measure, layout.nameFont);
    }
    RECT band = {PICTURE_MARGIN, PICTURE_MARGIN, size.cx - PICTURE_MARGIN, PICTURE_MARGIN + PICTURE_TITLE_BAND};
    addText(&layout, band, bracket->title, PICTURE_FONT_TITLE, PICTURE_ALIGN_CENTRE, INK);
    addHeadings(&layout);
    addSlots(&layout);
    if (bracket->thirdPlace.on && bracket->depth >= 2)
        addThirdPlaceMatch(&layout);
    if (layout.measure) {
        SelectObject(layout.measure, replaced);
        DeleteDC(layout.measure);
    }
    if (layout.nameFont)
        DeleteObject(layout.nameFont);
    if (!layout.complete)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return layout.complete;
}
