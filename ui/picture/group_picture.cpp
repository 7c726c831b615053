#include "ui/picture/group_picture.h"

#include "model/group_draw.h"
#include "model/group_stage.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_marks.h"
#include "ui/common/message_text.h"
#include "ui/common/standing_text.h"

/* A block's measures in picture units; the tables' rows are a name's line
 * with a little air, so the cells read as the knockout's boxes do. */
enum {
    BLOCK_PADDING = 10,
    BLOCK_HEADING = 30,
    TABLE_ROW = 24,
    NAME_COLUMN = 150,
    CROSS_CELL = 104,  /* room for a three-game result such as "11:7 9:11 11:5" in the smaller face */
    TABLE_GAP = 12,
    BLOCK_GAP = 24,
    CELL_PADDING = 4
};

static const int STANDINGS_WIDTHS[STANDING_COLUMN_COUNT] = {48, NAME_COLUMN, 52, 52, 52, 52, 60, 72, 104};

static const COLORREF FRAME_INK = RGB(160, 160, 160);
static const COLORREF CELL_INK = RGB(128, 128, 128);
static const COLORREF DIAGONAL_FILL = RGB(224, 224, 224);

int groupPictureShown(Bracket *bracket)
{
    return bracket->groups.on && bracket->groups.groupCount > 0 && bracket->groups.groups;
}

static int groupCount(Bracket *bracket)
{
    int count = bracket->groups.groupCount;
    return count < MAX_GROUP_COUNT ? count : MAX_GROUP_COUNT;
}

static int standingsWidth(void)
{
    int width = 0;
    for (int column : STANDINGS_WIDTHS)
        width += column;
    return width;
}

static int blockWidth(int entrants)
{
    int cross = NAME_COLUMN + entrants * CROSS_CELL, standings = standingsWidth();
    return 2 * BLOCK_PADDING + (cross > standings ? cross : standings);
}

/* The heading, the cross table under its row of numbers, and the
 * standings under their row of column words. */
static int blockHeight(int entrants)
{
    return 2 * BLOCK_PADDING + BLOCK_HEADING + 2 * (entrants + 1) * TABLE_ROW + TABLE_GAP;
}

/* The grid every block of the event stands in. */
struct GroupGrid {
    int columns;
    int columnWidth;   /* the widest block's */
    SIZE extent;
};

static GroupGrid groupGrid(Bracket *bracket, int room)
{
    GroupGrid grid = {1, 0, {0, 0}};
    int count = groupCount(bracket);
    for (int g = 0; g < count; g++) {
        int width = blockWidth(stageGroup(bracket, g)->count);
        if (width > grid.columnWidth)
            grid.columnWidth = width;
    }
    grid.columns = (room + BLOCK_GAP) / (grid.columnWidth + BLOCK_GAP);
    if (grid.columns > count)
        grid.columns = count;
    /* Two side by side even where the knockout is narrower: four groups
     * read as a square, not a tower. An even count keeps the picture's
     * middle, where the knockout's halves meet, between blocks. */
    if (grid.columns < 2)
        grid.columns = count > 1 ? 2 : 1;
    if (grid.columns > 1 && grid.columns % 2)
        grid.columns--;
    grid.extent.cx = grid.columns * grid.columnWidth + (grid.columns - 1) * BLOCK_GAP;
    for (int first = 0; first < count; first += grid.columns) {
        int tallest = 0;
        for (int g = first; g < first + grid.columns && g < count; g++) {
            int height = blockHeight(stageGroup(bracket, g)->count);
            if (height > tallest)
                tallest = height;
        }
        grid.extent.cy += (first ? BLOCK_GAP : 0) + tallest;
    }
    return grid;
}

SIZE groupPictureExtent(Bracket *bracket, int room)
{
    return groupGrid(bracket, room).extent;
}

static void layoutBox(PictureLayout *layout, RECT box, COLORREF ink, COLORREF fill)
{
    if (!addPictureBox(layout->picture, box, 1, ink, fill))
        layout->complete = 0;
}

/* The names' face, or the smaller one for a text it does not fit. */
static int fittingFont(PictureLayout *layout, const WCHAR *text, int font, int room)
{
    SIZE extent;
    HDC measure = text[0] ? measuringContext(layout) : NULL;
    if (measure && GetTextExtentPoint32W(measure, text, lstrlenW(text), &extent) &&
        extent.cx > room)
        return PICTURE_FONT_SMALL;
    return font;
}

static void layoutCellText(PictureLayout *layout, RECT band, const WCHAR *text, int font, int align)
{
    InflateRect(&band, -CELL_PADDING, -1);
    font = fittingFont(layout, text, font, band.right - band.left);
    layoutText(layout, band, text, font, align, font == PICTURE_FONT_HEADING ? PICTURE_HEADING_INK : PICTURE_INK);
}

static void layoutCell(PictureLayout *layout, RECT box, const WCHAR *text, int align, COLORREF fill)
{
    layoutBox(layout, box, CELL_INK, fill);
    layoutCellText(layout, box, text, PICTURE_FONT_NAME, align);
}

/* Rows and columns by entrant number; the cell of row r and column c is
 * the match between them from r's side. */
static void layoutCrossTable(PictureLayout *layout, const StageGroup *group, int left, int top)
{
    int n = group->count;
    for (int column = 1; column <= n; column++) {
        WCHAR number[8];
        wsprintfW(number, L"%d", column);
        RECT band = {left + NAME_COLUMN + (column - 1) * CROSS_CELL, top, 0, top + TABLE_ROW};
        band.right = band.left + CROSS_CELL;
        layoutCellText(layout, band, number, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE);
    }
    for (int row = 1; row <= n; row++) {
        int y = top + row * TABLE_ROW;
        WCHAR label[NAME_CAPACITY + 8];
        wsprintfW(label, L"%d  ", row);
        lstrcpynW(label + lstrlenW(label), group->entrant[row - 1], NAME_CAPACITY);
        layoutCell(layout, RECT{left, y, left + NAME_COLUMN, y + TABLE_ROW}, label, PICTURE_ALIGN_LEFT,
                   PICTURE_PAPER);
        for (int column = 1; column <= n; column++) {
            RECT box = {left + NAME_COLUMN + (column - 1) * CROSS_CELL, y, 0, y + TABLE_ROW};
            box.right = box.left + CROSS_CELL;
            WCHAR text[MARK_CAPACITY] = L"";
            PairingPlace place;
            if (column != row && findPairing(n, row, column, &place))
                groupCellText(layout->bracket, group, place.match, row, text);
            layoutCell(layout, box, text, PICTURE_ALIGN_CENTRE, column == row ? DIAGONAL_FILL : PICTURE_PAPER);
        }
    }
}

/* The column words, then one row an entrant, best first, from the one
 * standings routine the Groups page reads. */
static void layoutStandings(PictureLayout *layout, int groupIndex, int left, int top)
{
    Bracket *bracket = layout->bracket;
    WCHAR headings[256];
    loadStringWithFallback(bracket->resourceModule, IDS_STANDINGS_HEADINGS, headings, 256);
    WCHAR *word = headings;
    int x = left;
    for (int column = 0; column < STANDING_COLUMN_COUNT; column++) {
        WCHAR *end = word;
        while (*end && *end != L'\t')
            end++;
        WCHAR *next = *end ? end + 1 : end;
        *end = 0;
        RECT band = {x, top, x + STANDINGS_WIDTHS[column], top + TABLE_ROW};
        layoutCellText(layout, band, word, PICTURE_FONT_HEADING,
                       column == STANDING_COLUMN_ENTRANT ? PICTURE_ALIGN_LEFT : PICTURE_ALIGN_CENTRE);
        word = next;
        x += STANDINGS_WIDTHS[column];
    }
    GroupStandings standings;
    StageGroup *group = stageGroup(bracket, groupIndex);
    if (!groupStandingsOf(bracket, groupIndex, &standings))
        return;
    for (int row = 0; row < standings.count; row++) {
        int y = top + (row + 1) * TABLE_ROW;
        x = left;
        for (int column = 0; column < STANDING_COLUMN_COUNT; column++) {
            WCHAR text[STANDING_TEXT_CAPACITY];
            standingCellText(&standings.rows[row], column, text);
            int entrant = column == STANDING_COLUMN_ENTRANT;
            RECT box = {x, y, x + STANDINGS_WIDTHS[column], y + TABLE_ROW};
            layoutCell(layout, box, entrant ? group->entrant[standings.rows[row].entrant - 1] : text,
                       entrant ? PICTURE_ALIGN_LEFT : PICTURE_ALIGN_CENTRE, PICTURE_PAPER);
            x += STANDINGS_WIDTHS[column];
        }
    }
}

static void layoutBlock(PictureLayout *layout, int groupIndex, int left, int top, int width)
{
    Bracket *bracket = layout->bracket;
    const StageGroup *group = stageGroup(bracket, groupIndex);
    layoutBox(layout, RECT{left, top, left + width, top + blockHeight(group->count)}, FRAME_INK, PICTURE_PAPER);
    WCHAR letter[2] = {groupLetter(groupIndex), 0}, heading[64];
    const WCHAR *inserts[] = {letter};
    if (!loadMessageText(bracket->resourceModule, IDS_GROUP_HEADING, inserts, 1, heading, 64))
        lstrcpyW(heading, letter);
    int inside = left + BLOCK_PADDING, y = top + BLOCK_PADDING;
    RECT band = {inside, y, left + width - BLOCK_PADDING, y + BLOCK_HEADING};
    layoutText(layout, band, heading, PICTURE_FONT_HEADING, PICTURE_ALIGN_LEFT, PICTURE_INK);
    y += BLOCK_HEADING;
    layoutCrossTable(layout, group, inside, y);
    layoutStandings(layout, groupIndex, inside, y + (group->count + 1) * TABLE_ROW + TABLE_GAP);
}

void layoutGroupPicture(PictureLayout *layout, int top)
{
    Bracket *bracket = layout->bracket;
    int width = layout->picture->size.cx;
    GroupGrid grid = groupGrid(bracket, width - 2 * PICTURE_MARGIN);
    int left = (width - grid.extent.cx) / 2, count = groupCount(bracket);
    for (int first = 0; first < count; first += grid.columns) {
        int tallest = 0;
        for (int g = first; g < first + grid.columns && g < count; g++) {
            int x = left + (g - first) * (grid.columnWidth + BLOCK_GAP);
            layoutBlock(layout, g, x, top, grid.columnWidth);
            int height = blockHeight(stageGroup(bracket, g)->count);
            if (height > tallest)
                tallest = height;
        }
        top += tallest + BLOCK_GAP;
    }
}
