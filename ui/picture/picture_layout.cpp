#include "ui/picture/picture_layout.h"
#include "model/entrant_name.h"

#include "model/third_place.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/match_marks.h"
#include "ui/picture/group_picture.h"
#include "ui/picture/layout_memory.h"
#include "ui/picture/losers_picture.h"

enum {
    THIRD_PLACE_GAP = 12,    /* between the places and the third-place heading */
    LOSERS_GAP = 24,         /* between the winners' bracket and the losers' */
    GROUPS_GAP = 24          /* between the groups' blocks and the knockout's round headings */
};

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

/* The box of the index-th slot of a level (0 from the left). Columns from
 * the left: 0 .. D-1 hold levels D .. 1 of the left half, D the champion,
 * D+1 .. 2D levels 1 .. D of the right half. */
static RECT slotBox(int depth, int level, int index)
{
    int column = depth, row = 0;
    if (level > 0) {
        int half = 1 << (level - 1);
        column = index < half ? depth - level : depth + level;
        row = index < half ? index : index - half;
    }
    int centre = level > 0 ? rowCentre(depth, level, row) : rowCentre(depth, depth > 0 ? 1 : 0, 0);
    return pictureBoxAt(column, centre);
}

/* Under the champion while the third-place match is on: the final's
 * result, the places known so far (up to four), then the third-place match
 * with its heading, its box and its result. */
static int placesTop(Bracket *bracket)
{
    return slotBox(bracket->depth, 0, 0).bottom + PICTURE_RESULT_LINE;
}

static int thirdPlaceHeadingTop(Bracket *bracket)
{
    return placesTop(bracket) + 4 * PICTURE_PLACE_LINE + THIRD_PLACE_GAP;
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
    return thirdPlaceBox(bracket).bottom + PICTURE_RESULT_LINE;
}

/* A double-elimination picture names its places under the tournament's
 * champion, below the losers' bracket. */
static int showsThirdPlace(Bracket *bracket)
{
    return bracket->thirdPlaceOn && bracket->depth >= 2 && !losersPictureShown(bracket);
}

/* The foot of the winners' bracket: its last row of boxes, or the
 * third-place match under the champion. */
static int winnersBottom(Bracket *bracket)
{
    int rows = bracket->depth > 0 ? bracket->slotCount / 2 : 1;
    int bottom = rowsTop() + rows * PICTURE_ROW_PITCH - (PICTURE_ROW_PITCH - PICTURE_BOX_HEIGHT);
    if (showsThirdPlace(bracket) && thirdPlaceBottom(bracket) > bottom)
        bottom = thirdPlaceBottom(bracket);
    return bottom;
}

/* The knockout's picture as it stands alone, without groups. */
static SIZE knockoutPictureSize(Bracket *bracket)
{
    SIZE size = {0, 0};
    if (!bracket || bracket->slotCount <= 0)
        return size;
    size.cx = pictureColumnLeft(2 * bracket->depth) + PICTURE_BOX_WIDTH + PICTURE_MARGIN;
    size.cy = winnersBottom(bracket) + PICTURE_MARGIN;
    if (losersPictureShown(bracket)) {
        SIZE losers = losersPictureExtent(bracket, winnersBottom(bracket) + LOSERS_GAP);
        if (losers.cx + PICTURE_MARGIN > size.cx)
            size.cx = losers.cx + PICTURE_MARGIN;
        size.cy = losers.cy + PICTURE_MARGIN;
    }
    return size;
}

/* With groups, their blocks stand under the title and the knockout below
 * them, centred where the blocks are the wider. */
SIZE bracketPictureSize(Bracket *bracket)
{
    SIZE size = knockoutPictureSize(bracket);
    if (!size.cx || !groupPictureShown(bracket))
        return size;
    SIZE groups = groupPictureExtent(bracket, size.cx - 2 * PICTURE_MARGIN);
    if (groups.cx + 2 * PICTURE_MARGIN > size.cx)
        size.cx = groups.cx + 2 * PICTURE_MARGIN;
    size.cy += groups.cy + GROUPS_GAP;
    return size;
}

/* A seeded entrant is shown with the seed before the name, "(3) Name". */
static void addSlot(PictureLayout *layout, const BracketNode *node, RECT box, int champion)
{
    WCHAR seeded[NAME_CAPACITY + 16];
    const WCHAR *shown = node->name;
    if (node->seed > 0 && node->name[0] && !node->left) {
        wsprintfW(seeded, L"(%d) %s", node->seed, node->name);
        shown = seeded;
    }
    layoutNameBox(layout, shown, box, champion);
}

/* One heading over each column, the champion's included. */
static void addHeadings(PictureLayout *layout)
{
    int depth = layout->bracket->depth;
    for (int column = 0; column <= 2 * depth; column++) {
        int level = column < depth ? depth - column : column - depth;
        WCHAR text[128];
        roundHeading(layout->bracket, level, text, 128);
        RECT band = {pictureColumnLeft(column), PICTURE_MARGIN + PICTURE_TITLE_BAND, 0, rowsTop()};
        band.right = band.left + PICTURE_BOX_WIDTH;
        layoutText(layout, band, text, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE, PICTURE_HEADING_INK);
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
    /* The losers' bracket's part draws the one champion box there is. */
    int championBox = !losersPictureShown(bracket);
    /* By id, not through the tree: a piece copied from the last picture
     * reads nothing of its slot. */
    for (int level = 0; level <= depth; level++) {
        UINT firstId = firstIdAtLevel(bracket, level);
        for (int index = 0; index < 1 << level; index++) {
            if (copyUntouchedPiece(layout->memory, layout->picture, firstId + index))
                continue;
            BracketNode *node = bracket->nodeTable[firstId + index - 1];
            int first = layout->picture->count;
            RECT box = slotBox(depth, level, index);
            if (level == 0 && depth > 0) {
                RECT left = slotBox(depth, 1, 0), right = slotBox(depth, 1, 1);
                int y = (box.top + box.bottom) / 2;
                layoutLine(layout, left.right, y, box.left, y);
                layoutLine(layout, box.right, y, right.left, y);
            } else if (level > 0 && level < depth) {
                layoutConnector(layout, slotBox(depth, level + 1, 2 * index),
                                slotBox(depth, level + 1, 2 * index + 1), box);
            }
            if (node->bye && level == depth && depth > 0)
                layoutByeBox(layout, box, byeWord);
            else
                addSlot(layout, node, box, level == 0 && championBox);
            if (level < depth)
                layoutMatchMarks(layout, node, box);
            notePiece(layout->memory, bracket, node, layout->picture, first);
        }
    }
    if (!flushUntouchedPieces(layout->memory, layout->picture))
        layout->complete = 0;
}

/* The semi-final loser the third-place pick did not name. */
static const WCHAR *fourthPlace(Bracket *bracket)
{
    const WCHAR *third = bracket->thirdPlace.name;
    const WCHAR *left = semiFinalLoser(bracket, 0), *right = semiFinalLoser(bracket, 1);
    if (!third[0] || !left || !right)
        return NULL;
    return sameName(third, left) ? right : left;
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
        RECT band = {column.left, top, column.right, top + PICTURE_PLACE_LINE};
        layoutText(layout, band, line, PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, PICTURE_INK);
        top += PICTURE_PLACE_LINE;
    }
    WCHAR heading[128];
    loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_THIRD_PLACE, heading, 128);
    RECT band = {column.left, thirdPlaceHeadingTop(bracket), column.right,
                 thirdPlaceHeadingTop(bracket) + PICTURE_HEADING_BAND - 6};
    layoutText(layout, band, heading, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE, PICTURE_HEADING_INK);
    /* Laid out as a slot of its own: a box holding the pick. */
    BracketNode shown = {};
    lstrcpyW(shown.name, bracket->thirdPlace.name);
    RECT box = thirdPlaceBox(bracket);
    addSlot(layout, &shown, box, 0);
    layoutMatchMarks(layout, &bracket->thirdPlace, box);
}

static void addTitle(PictureLayout *layout)
{
    SIZE size = layout->picture->size;
    RECT band = {PICTURE_MARGIN, PICTURE_MARGIN, size.cx - PICTURE_MARGIN, PICTURE_MARGIN + PICTURE_TITLE_BAND};
    layoutText(layout, band, layout->bracket->title, PICTURE_FONT_TITLE, PICTURE_ALIGN_CENTRE, PICTURE_INK);
}

static int endLayout(PictureLayout *layout)
{
    endMeasuring(layout);
    if (!layout->complete)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return layout->complete;
}

/* The knockout as it stands alone, into picture (its memory reused), with
 * what memory kept of the last layout copied where no change touched it
 * (memory NULL: nothing kept). */
static int describeKnockout(Bracket *bracket, PictureDescription *picture, LayoutMemory *memory)
{
    SIZE size = knockoutPictureSize(bracket);
    resetPictureDescription(picture, size, PICTURE_PAPER);
    if (!size.cx) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    PictureLayout layout = {bracket, picture, NULL, NULL, NULL, bracketSpansDays(bracket), 1, memory};
    if (memory) {
        LayoutShape shape = {bracket->slotCount,      bracket->depth,  losersPictureShown(bracket),
                             bracket->losers.reset,   showsThirdPlace(bracket), layout.withDate,
                             bracket->resourceModule, size};
        beginFollowing(memory, bracket, picture, &shape);
    }
    addTitle(&layout);
    addHeadings(&layout);
    addSlots(&layout);
    if (showsThirdPlace(bracket))
        addThirdPlaceMatch(&layout);
    if (losersPictureShown(bracket))
        layoutLosersPicture(&layout, winnersBottom(bracket) + LOSERS_GAP);
    if (memory && !endFollowing(memory, picture, layout.complete))
        layout.complete = 0;
    return endLayout(&layout);
}

/* Every item of from but its title, moved by dx, dy. Returns 1, or 0 when
 * memory ran out. */
static int addMovedItems(PictureDescription *picture, const PictureDescription *from, int dx, int dy)
{
    for (int i = 0; i < from->count; i++) {
        PictureItem item = from->items[i];
        if (item.kind == PICTURE_TEXT && item.font == PICTURE_FONT_TITLE)
            continue;
        OffsetRect(&item.area, dx, dy);
        int added = 0;
        if (item.kind == PICTURE_BOX)
            added = addPictureBox(picture, item.area, item.lineWidth, item.ink, item.fill);
        else if (item.kind == PICTURE_LINE)
            added = addPictureLine(picture, item.area.left, item.area.top, item.area.right, item.area.bottom,
                                   item.lineWidth, item.ink);
        else
            added = addPictureText(picture, item.area, pictureItemText(from, &from->items[i]), item.font,
                                   item.align, item.ink);
        if (!added)
            return 0;
        if (item.kind == PICTURE_TEXT)
            picture->items[picture->count - 1].fontWidth = item.fontWidth;
    }
    return 1;
}

int describeBracketPicture(Bracket *bracket, PictureDescription *picture)
{
    SIZE none = {0, 0};
    initPictureDescription(picture, none, PICTURE_PAPER);
    return describeBracketPictureAgain(bracket, picture);
}

int describeBracketPictureAgain(Bracket *bracket, PictureDescription *picture)
{
    if (!bracket || bracket->slotCount <= 0 || !groupPictureShown(bracket))
        return describeKnockout(bracket, picture, NULL);
    /* The knockout is laid out as it stands alone and moved under the
     * groups, so a change to it reads the same with groups or without. */
    PictureDescription knockout;
    SIZE none = {0, 0};
    initPictureDescription(&knockout, none, PICTURE_PAPER);
    int described = describeKnockout(bracket, &knockout, NULL);
    SIZE size = bracketPictureSize(bracket);
    resetPictureDescription(picture, size, PICTURE_PAPER);
    if (!described) {
        freePictureDescription(&knockout);
        return 0;
    }
    PictureLayout layout = {bracket, picture, NULL, NULL, NULL, bracketSpansDays(bracket), 1, NULL};
    addTitle(&layout);
    layoutGroupPicture(&layout, PICTURE_MARGIN + PICTURE_TITLE_BAND);
    int dy = size.cy - knockout.size.cy;
    if (layout.complete && !addMovedItems(picture, &knockout, (size.cx - knockout.size.cx) / 2, dy))
        layout.complete = 0;
    freePictureDescription(&knockout);
    return endLayout(&layout);
}

int describeBracketPictureFollowing(Bracket *bracket, PictureDescription *picture, LayoutMemory *memory)
{
    /* A group's block reads the whole stage: an event with groups is laid
     * out afresh, and the next layout without them starts afresh too. */
    if (bracket && bracket->slotCount > 0 && !bracket->groups.on && !groupPictureShown(bracket))
        return describeKnockout(bracket, picture, memory);
    memory->laidOut = NULL;
    return describeBracketPictureAgain(bracket, picture);
}
