#include "ui/picture/hall_parts.h"

#include "model/heap.h"


static RECT itemBounds(const PictureItem &item)
{
    RECT area = item.area;
    if (area.left > area.right) {
        LONG swap = area.left;
        area.left = area.right;
        area.right = swap;
    }
    if (area.top > area.bottom) {
        LONG swap = area.top;
        area.top = area.bottom;
        area.bottom = swap;
    }
    return area;
}

static int isName(const PictureItem &item)
{
    return item.kind == PICTURE_TEXT && item.font != PICTURE_FONT_TITLE && item.font != PICTURE_FONT_HEADING;
}

static int within(const RECT &inner, const RECT &outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

static void grow(RECT *area, RECT by)
{
    if (by.left < area->left)
        area->left = by.left;
    if (by.top < area->top)
        area->top = by.top;
    if (by.right > area->right)
        area->right = by.right;
    if (by.bottom > area->bottom)
        area->bottom = by.bottom;
}

/* The description's boxes and lines across, apart from the rest and
 * sorted by their tops: a picture of the largest bracket has thousands of
 * items, and a match is found from a few of each. */
struct PictureIndex {
    int *boxes;       /* item indices */
    RECT *marked;     /* each box with the marks written above and below it */
    char *named;      /* a name stands in the box */
    int boxCount;
    int *across;      /* horizontal lines */
    int acrossCount;
    int tallest;      /* the tallest box's height */
};

/* The first of sorted (item indices by their top) whose top is at least
 * top. */
static int firstFrom(const PictureDescription *picture, const int *sorted, int count, int top)
{
    int low = 0, high = count;
    while (low < high) {
        int middle = (low + high) / 2;
        if (picture->items[sorted[middle]].area.top < top)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

static void sortByTop(const PictureDescription *picture, int *indices, int count)
{
    for (int gap = count / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < count; i++) {
            int moving = indices[i], top = picture->items[moving].area.top, j = i;
            for (; j >= gap && picture->items[indices[j - gap]].area.top > top; j -= gap)
                indices[j] = indices[j - gap];
            indices[j] = moving;
        }
    }
}

/* The box with an edge at x that spans y, as an index into boxes; -1
 * when none. */
static int boxAt(const PictureDescription *picture, const PictureIndex *index, int x, int y)
{
    for (int b = firstFrom(picture, index->boxes, index->boxCount, y - index->tallest); b < index->boxCount; b++) {
        const RECT &area = picture->items[index->boxes[b]].area;
        if (area.top > y)
            break;
        if ((area.left == x || area.right == x) && y <= area.bottom)
            return b;
    }
    return -1;
}

/* The far end of the horizontal line that ends at (x, y), looking only
 * toward skipToward's side when it is not 0; x when none. */
static int lineFrom(const PictureDescription *picture, const PictureIndex *index, int x, int y, int skipToward)
{
    for (int l = firstFrom(picture, index->across, index->acrossCount, y); l < index->acrossCount; l++) {
        const RECT &area = picture->items[index->across[l]].area;
        if (area.top != y)
            break;
        int other = area.left == x ? area.right : area.right == x ? area.left : x;
        if (other != x && (skipToward == 0 || (other - x) * skipToward > 0))
            return other;
    }
    return x;
}

static void releaseIndex(PictureIndex *index)
{
    freeBlock(index->boxes);
    freeBlock(index->marked);
    freeBlock(index->named);
    freeBlock(index->across);
    *index = PictureIndex{};
}

/* Also finds the smallest face of a name: a text in a box, or one in the
 * names' own faces beside one (the places); a match's score, time and
 * court are no name. */
static int indexPicture(const PictureDescription *picture, PictureIndex *index, int *nameFont)
{
    *index = PictureIndex{};
    SIZE_T count = (SIZE_T)picture->count + 1;
    index->boxes = (int *)allocBlock(count * sizeof(int));
    index->marked = (RECT *)allocBlock(count * sizeof(RECT));
    index->named = (char *)allocBlock(count);
    index->across = (int *)allocBlock(count * sizeof(int));
    if (!index->boxes || !index->marked || !index->named || !index->across) {
        releaseIndex(index);
        return 0;
    }
    for (int i = 0; i < picture->count; i++) {
        const PictureItem &item = picture->items[i];
        if (item.kind == PICTURE_BOX) {
            index->boxes[index->boxCount++] = i;
            if (item.area.bottom - item.area.top > index->tallest)
                index->tallest = item.area.bottom - item.area.top;
        } else if (item.kind == PICTURE_LINE && item.area.top == item.area.bottom) {
            index->across[index->acrossCount++] = i;
        }
    }
    sortByTop(picture, index->boxes, index->boxCount);
    sortByTop(picture, index->across, index->acrossCount);
    for (int b = 0; b < index->boxCount; b++) {
        index->marked[b] = picture->items[index->boxes[b]].area;
        index->named[b] = 0;
    }
    *nameFont = 0;
    for (int i = 0; i < picture->count; i++) {
        const PictureItem &item = picture->items[i];
        if (item.kind != PICTURE_TEXT)
            continue;
        int entrant = isName(item) && item.font != PICTURE_FONT_SMALL;
        /* A box it stands in, or whose edge it stands on, starts no
         * higher than a box's height above it. */
        int b = firstFrom(picture, index->boxes, index->boxCount, item.area.top - index->tallest);
        for (; b < index->boxCount && picture->items[index->boxes[b]].area.top <= item.area.bottom; b++) {
            const RECT &frame = picture->items[index->boxes[b]].area;
            if (item.area.left < frame.left || item.area.right > frame.right)
                continue;
            if (within(item.area, frame)) {
                entrant = isName(item);
                index->named[b] = index->named[b] || (entrant && pictureItemText(picture, &item)[0]);
            } else if (item.area.bottom == frame.top || item.area.top == frame.bottom) {
                grow(&index->marked[b], item.area);
            }
        }
        int height = picture->fonts[item.font].height;
        if (entrant && (!*nameFont || height < *nameFont))
            *nameFont = height;
    }
    if (!*nameFont)
        *nameFont = picture->fonts[PICTURE_FONT_NAME].height;
    return 1;
}

/* A rectangle of the picture no part's edge may cross: a match (its two
 * feeders, the lines from them and the line joining them, and their
 * marks), a box or a name. */
struct Keep {
    RECT area;
    int live;        /* a match ready to be played */
};

struct Cutting {
    const PictureDescription *picture;
    Keep *keeps;
    int keepCount;
    SIZE room;
    int nameHeight;
    int nameFont;
    HallParts *out;
    PictureIndex index;
    int *rowOrder;        /* items by the top of the rows they hold */
    int *keepOrder[2];    /* keeps by their left (0) and top (1) edges */
    int partCapacity;
    int failed;
};

/* A match drawn as a connector: the vertical line joining two feeders'
 * lines. Its feeders are the boxes those lines start from. */
static int keepConnector(Cutting *cutting, const PictureItem &bar, Keep *keep)
{
    const PictureDescription *picture = cutting->picture;
    const PictureIndex *index = &cutting->index;
    RECT line = itemBounds(bar);
    int x = line.left;
    keep->area = line;
    keep->live = 1;
    int feeders = 0, side = 0;
    for (int end = 0; end < 2; end++) {
        int y = end ? line.bottom : line.top;
        int edge = lineFrom(picture, index, x, y, 0);
        int box = edge != x ? boxAt(picture, index, edge, y) : -1;
        if (box < 0)
            continue;
        feeders++;
        side = edge < x ? 1 : -1;
        RECT stub = {edge < x ? edge : x, y, edge < x ? x : edge, y};
        grow(&keep->area, stub);
        grow(&keep->area, index->marked[box]);
        keep->live = keep->live && index->named[box];
    }
    if (feeders < 2)
        return feeders > 0;
    /* Ready to play while the box it feeds, away from the feeders, is
     * still empty. */
    int fedEdge = lineFrom(picture, index, x, (line.top + line.bottom) / 2, side);
    int fed = fedEdge != x ? boxAt(picture, index, fedEdge, (line.top + line.bottom) / 2) : -1;
    keep->live = keep->live && fed >= 0 && !index->named[fed];
    return 1;
}

static int readKeeps(Cutting *cutting)
{
    const PictureDescription *picture = cutting->picture;
    cutting->keeps = (Keep *)allocBlock((SIZE_T)(picture->count + 1) * sizeof(Keep));
    if (!cutting->keeps)
        return 0;
    for (int i = 0; i < picture->count; i++) {
        const PictureItem &item = picture->items[i];
        Keep keep = {itemBounds(item), 0};
        int kept = 0;
        if (item.kind == PICTURE_BOX || isName(item)) {
            kept = 1;
        } else if (item.kind == PICTURE_LINE && keep.area.left == keep.area.right &&
                   keep.area.top != keep.area.bottom) {
            kept = keepConnector(cutting, item, &keep);
        } else if (item.kind == PICTURE_LINE && keep.area.top == keep.area.bottom) {
            /* A line from box to box with no joint (the final's): its two
             * ends are one match. */
            const PictureIndex *index = &cutting->index;
            int a = boxAt(picture, index, keep.area.left, keep.area.top);
            int b = boxAt(picture, index, keep.area.right, keep.area.top);
            if (a >= 0 && b >= 0 && a != b) {
                grow(&keep.area, index->marked[a]);
                grow(&keep.area, index->marked[b]);
                /* Ready while one end (the finalists') is named and the
                 * champion's is not. */
                keep.live = index->named[a] != index->named[b];
                kept = 1;
            }
        }
        if (kept)
            cutting->keeps[cutting->keepCount++] = keep;
    }
    return 1;
}

/* Spans from..to, sorted by from (Shell's sort: no runtime library). */
struct Span {
    int from, to;
};

/* indices sorted by keys[index] (Shell's sort: no runtime library). */
static void sortIndices(int *indices, int count, const int *keys)
{
    for (int gap = count / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < count; i++) {
            int moving = indices[i], j = i;
            for (; j >= gap && keys[indices[j - gap]] > keys[moving]; j -= gap)
                indices[j] = indices[j - gap];
            indices[j] = moving;
        }
    }
}

/* The top of the rows an item holds: a line across holds its width
 * around it. */
static RECT rowSpan(const PictureItem &item)
{
    RECT area = itemBounds(item);
    if (item.kind == PICTURE_LINE) {
        area.top -= item.lineWidth;
        area.bottom += item.lineWidth;
    }
    return area;
}

/* The orders every region reads its items and keeps in, sorted once for
 * all of them. */
static int sortOnce(Cutting *cutting)
{
    const PictureDescription *picture = cutting->picture;
    int largest = picture->count > cutting->keepCount ? picture->count : cutting->keepCount;
    int *keys = (int *)allocBlock((SIZE_T)(largest + 1) * sizeof(int));
    cutting->rowOrder = (int *)allocBlock((SIZE_T)(picture->count + 1) * sizeof(int));
    cutting->keepOrder[0] = (int *)allocBlock((SIZE_T)(cutting->keepCount + 1) * sizeof(int));
    cutting->keepOrder[1] = (int *)allocBlock((SIZE_T)(cutting->keepCount + 1) * sizeof(int));
    if (!keys || !cutting->rowOrder || !cutting->keepOrder[0] || !cutting->keepOrder[1]) {
        freeBlock(keys);
        return 0;
    }
    for (int i = 0; i < picture->count; i++) {
        cutting->rowOrder[i] = i;
        keys[i] = rowSpan(picture->items[i]).top;
    }
    sortIndices(cutting->rowOrder, picture->count, keys);
    for (int across = 0; across < 2; across++) {
        for (int i = 0; i < cutting->keepCount; i++) {
            cutting->keepOrder[across][i] = i;
            keys[i] = across ? cutting->keeps[i].area.top : cutting->keeps[i].area.left;
        }
        sortIndices(cutting->keepOrder[across], cutting->keepCount, keys);
    }
    freeBlock(keys);
    return 1;
}

/* The rows of the region holding a box, a text or a line across; vertical
 * lines alone hold none. Sorted; the caller frees them. */
static Span *occupiedRows(Cutting *cutting, RECT region, int *count)
{
    const PictureDescription *picture = cutting->picture;
    *count = 0;
    Span *spans = (Span *)allocBlock((SIZE_T)(picture->count + 1) * sizeof(Span));
    if (!spans) {
        cutting->failed = 1;
        return NULL;
    }
    for (int n = 0; n < picture->count; n++) {
        const PictureItem &item = picture->items[cutting->rowOrder[n]];
        RECT area = itemBounds(item);
        if (item.kind == PICTURE_LINE) {
            if (area.left == area.right || area.right <= region.left || area.left >= region.right ||
                area.top < region.top || area.top > region.bottom)
                continue;
        } else if (!within(area, region)) {
            continue;
        }
        area = rowSpan(item);
        spans[(*count)++] = Span{area.top, area.bottom};
    }
    return spans;
}

/* The region's height once every gap between its occupied rows longer
 * than the kept height is folded; with folds not NULL, the folds are
 * added there. */
static int foldRegion(Cutting *cutting, RECT region, HallParts *folds)
{
    int count;
    Span *spans = occupiedRows(cutting, region, &count);
    if (!spans)
        return 0;
    int height = 0, covered = region.top;
    for (int i = 0; i <= count; i++) {
        int top = i < count ? spans[i].from : region.bottom;
        if (top > covered + HALL_FOLD_KEPT && i < count && folds) {
            if (folds->foldCount == folds->foldCapacity) {
                int grown = folds->foldCapacity ? 2 * folds->foldCapacity : 64;
                HallFold *bigger = (HallFold *)allocBlock((SIZE_T)grown * sizeof(HallFold));
                if (!bigger) {
                    cutting->failed = 1;
                    break;
                }
                if (folds->folds)
                    CopyMemory(bigger, folds->folds, (SIZE_T)folds->foldCount * sizeof(HallFold));
                freeBlock(folds->folds);
                folds->folds = bigger;
                folds->foldCapacity = grown;
            }
            folds->folds[folds->foldCount++] = HallFold{covered, top};
        }
        if (top > covered)
            height += top - covered > HALL_FOLD_KEPT ? HALL_FOLD_KEPT : top - covered;
        if (i < count && spans[i].to > covered) {
            height += spans[i].to - (top > covered ? top : covered);
            covered = spans[i].to;
        }
    }
    freeBlock(spans);
    return height;
}

static int fits(const Cutting *cutting, int width, int height)
{
    return (LONGLONG)width * cutting->nameHeight <= (LONGLONG)cutting->room.cx * cutting->nameFont &&
           (LONGLONG)height * cutting->nameHeight <= (LONGLONG)cutting->room.cy * cutting->nameFont;
}

/* The cut nearest the region's middle (an x when across is 0, else a y)
 * that passes beside every keep inside the region with some on each
 * side, or -1. */
static int bestCut(Cutting *cutting, RECT region, int across)
{
    Span *spans = (Span *)allocBlock((SIZE_T)(cutting->keepCount + 1) * sizeof(Span));
    if (!spans) {
        cutting->failed = 1;
        return -1;
    }
    int count = 0;
    for (int n = 0; n < cutting->keepCount; n++) {
        const RECT &area = cutting->keeps[cutting->keepOrder[across][n]].area;
        if (within(area, region))
            spans[count++] = across ? Span{area.top, area.bottom} : Span{area.left, area.right};
    }
    int middle = across ? (region.top + region.bottom) / 2 : (region.left + region.right) / 2;
    int best = -1, reach = count ? spans[0].to : 0;
    for (int i = 1; i < count; i++) {
        if (spans[i].from >= reach) {
            /* Anywhere in the gap passes beside both sides. */
            int at = middle < reach ? reach : middle > spans[i].from ? spans[i].from : middle;
            int distance = at > middle ? at - middle : middle - at;
            int bestDistance = best > middle ? best - middle : middle - best;
            if (best < 0 || distance < bestDistance)
                best = at;
        }
        if (spans[i].to > reach)
            reach = spans[i].to;
    }
    freeBlock(spans);
    return best;
}

/* The region shrunk to what it holds, with a little paper round it. */
static RECT trimmed(const Cutting *cutting, RECT region)
{
    const PictureDescription *picture = cutting->picture;
    RECT held = {region.right, region.bottom, region.left, region.top};
    for (int i = 0; i < picture->count; i++) {
        RECT area = itemBounds(picture->items[i]);
        if (picture->items[i].kind != PICTURE_LINE && within(area, region))
            grow(&held, area);
    }
    for (int i = 0; i < cutting->keepCount; i++) {
        if (within(cutting->keeps[i].area, region))
            grow(&held, cutting->keeps[i].area);
    }
    if (held.left >= held.right)
        return region;
    InflateRect(&held, HALL_FOLD_KEPT / 2, HALL_FOLD_KEPT / 2);
    IntersectRect(&held, &held, &region);
    return held;
}

static int holdsLiveMatch(const Cutting *cutting, RECT region)
{
    for (int i = 0; i < cutting->keepCount; i++) {
        if (cutting->keeps[i].live && within(cutting->keeps[i].area, region))
            return 1;
    }
    return 0;
}

static void addPart(Cutting *cutting, RECT region, int folded)
{
    HallParts *out = cutting->out;
    if (out->count == cutting->partCapacity) {
        cutting->failed = 1;
        return;
    }
    HallPart &part = out->parts[out->count++];
    part.area = region;
    part.firstFold = out->foldCount;
    part.size.cx = region.right - region.left;
    part.size.cy = folded ? foldRegion(cutting, region, out) : region.bottom - region.top;
    part.foldCount = out->foldCount - part.firstFold;
    part.live = holdsLiveMatch(cutting, region);
}

static void cutRegion(Cutting *cutting, RECT region)
{
    if (cutting->failed)
        return;
    region = trimmed(cutting, region);
    int width = region.right - region.left, height = foldRegion(cutting, region, NULL);
    if (fits(cutting, width, height))
        return addPart(cutting, region, 1);
    /* The side that overflows more is cut first; the other when it has no
     * cut. */
    int across = (LONGLONG)height * cutting->room.cx > (LONGLONG)width * cutting->room.cy;
    int at = bestCut(cutting, region, across);
    if (at < 0) {
        across = !across;
        at = bestCut(cutting, region, across);
    }
    if (at < 0)
        return addPart(cutting, region, 1);
    RECT first = region, second = region;
    if (across) {
        first.bottom = at;
        second.top = at;
    } else {
        first.right = at;
        second.left = at;
    }
    cutRegion(cutting, first);
    cutRegion(cutting, second);
}

int cutHallParts(const PictureDescription *picture, SIZE room, int nameHeight, HallParts *parts)
{
    *parts = HallParts{};
    Cutting cutting = {};
    cutting.picture = picture;
    cutting.room = room;
    cutting.nameHeight = nameHeight > 0 ? nameHeight : 1;
    cutting.out = parts;
    if (!indexPicture(picture, &cutting.index, &cutting.nameFont)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    if (!readKeeps(&cutting)) {
        releaseIndex(&cutting.index);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    if (!sortOnce(&cutting))
        cutting.failed = 1;
    cutting.partCapacity = cutting.keepCount + 1;
    parts->parts = (HallPart *)allocBlock((SIZE_T)cutting.partCapacity * sizeof(HallPart));
    RECT whole = {0, 0, picture->size.cx, picture->size.cy};
    if (!parts->parts)
        cutting.failed = 1;
    if (!cutting.failed && (fits(&cutting, whole.right, whole.bottom) || !cutting.keepCount))
        addPart(&cutting, whole, 0);
    else if (!cutting.failed) {
        /* The blocks are parts of their own, shown before the draw's. */
        int blocks = pictureBlocksBottom(picture);
        if (blocks > 0 && blocks < whole.bottom) {
            RECT first = whole, second = whole;
            first.bottom = second.top = blocks;
            cutRegion(&cutting, first);
            whole = second;
        }
        cutRegion(&cutting, whole);
    }
    freeBlock(cutting.keeps);
    freeBlock(cutting.rowOrder);
    freeBlock(cutting.keepOrder[0]);
    freeBlock(cutting.keepOrder[1]);
    releaseIndex(&cutting.index);
    if (cutting.failed) {
        releaseHallParts(parts);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    return 1;
}

/* A text standing inside a box and on no box's edge: whether it is there
 * or not, and what it says, changes no part's edge, fold or size, for the
 * box holds its rows and its keep. Picks and scores come and go as such
 * texts. */
static int insideOnly(const PictureDescription *picture, const PictureIndex *index, const PictureItem &item)
{
    if (item.kind != PICTURE_TEXT)
        return 0;
    int inside = 0;
    int b = firstFrom(picture, index->boxes, index->boxCount, item.area.top - index->tallest);
    for (; b < index->boxCount && picture->items[index->boxes[b]].area.top <= item.area.bottom; b++) {
        const RECT &frame = picture->items[index->boxes[b]].area;
        if (item.area.left < frame.left || item.area.right > frame.right)
            continue;
        if (item.area.bottom == frame.top || item.area.top == frame.bottom)
            return 0;
        inside = inside || within(item.area, frame);
    }
    return inside;
}

/* The next item from at on that a cut depends on, or picture->count. */
static int nextCutItem(const PictureDescription *picture, const PictureIndex *index, int at)
{
    while (at < picture->count && insideOnly(picture, index, picture->items[at]))
        at++;
    return at;
}

int sameHallGeometry(const PictureDescription *a, const PictureDescription *b)
{
    if (a->size.cx != b->size.cx || a->size.cy != b->size.cy || a->fonts != b->fonts)
        return 0;
    PictureIndex first, second;
    int fontA, fontB;
    if (!indexPicture(a, &first, &fontA))
        return 0;
    if (!indexPicture(b, &second, &fontB)) {
        releaseIndex(&first);
        return 0;
    }
    int same = fontA == fontB, i = 0, j = 0;
    while (same) {
        i = nextCutItem(a, &first, i);
        j = nextCutItem(b, &second, j);
        if (i == a->count || j == b->count) {
            same = i == a->count && j == b->count;
            break;
        }
        const PictureItem &x = a->items[i++], &y = b->items[j++];
        same = x.kind == y.kind && x.font == y.font && x.lineWidth == y.lineWidth && EqualRect(&x.area, &y.area);
    }
    releaseIndex(&first);
    releaseIndex(&second);
    return same;
}

int markLiveHallParts(const PictureDescription *picture, HallParts *parts)
{
    Cutting cutting = {};
    cutting.picture = picture;
    if (!indexPicture(picture, &cutting.index, &cutting.nameFont)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    int read = readKeeps(&cutting);
    for (int p = 0; read && p < parts->count; p++)
        parts->parts[p].live = holdsLiveMatch(&cutting, parts->parts[p].area);
    freeBlock(cutting.keeps);
    releaseIndex(&cutting.index);
    if (!read)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return read;
}

/* Where row y of the picture lands in the folded part. */
static int foldedY(const HallParts *parts, const HallPart &part, int y)
{
    int shift = part.area.top;
    for (int i = 0; i < part.foldCount; i++) {
        const HallFold &fold = parts->folds[part.firstFold + i];
        if (y >= fold.to)
            shift += fold.to - fold.from - HALL_FOLD_KEPT;
        else if (y > fold.from)
            return fold.from - shift + MulDiv(y - fold.from, HALL_FOLD_KEPT, fold.to - fold.from);
    }
    return y - shift;
}

int describeHallPart(const PictureDescription *picture, const HallParts *parts, int index, PictureDescription *out)
{
    const HallPart &part = parts->parts[index];
    initPictureDescription(out, part.size, picture->paper);
    out->fonts = picture->fonts;
    const RECT &area = part.area;
    for (int i = 0; i < picture->count; i++) {
        const PictureItem &item = picture->items[i];
        RECT bounds = itemBounds(item);
        int added;
        if (item.kind == PICTURE_LINE) {
            /* A line is cut at the part's edge: a match's line to the
             * round after goes on in the next part. */
            RECT clipped = {bounds.left > area.left ? bounds.left : area.left,
                            bounds.top > area.top ? bounds.top : area.top,
                            bounds.right < area.right ? bounds.right : area.right,
                            bounds.bottom < area.bottom ? bounds.bottom : area.bottom};
            if (clipped.left > clipped.right || clipped.top > clipped.bottom)
                continue;
            added = addPictureLine(out, clipped.left - area.left, foldedY(parts, part, clipped.top),
                                   clipped.right - area.left, foldedY(parts, part, clipped.bottom), item.lineWidth,
                                   item.ink);
        } else {
            if (!within(bounds, area))
                continue;
            RECT moved = {bounds.left - area.left, foldedY(parts, part, bounds.top), bounds.right - area.left,
                          foldedY(parts, part, bounds.bottom)};
            if (item.kind == PICTURE_BOX)
                added = addPictureBox(out, moved, item.lineWidth, item.ink, item.fill);
            else
                added = addPictureText(out, moved, pictureItemText(picture, &item), item.font, item.align, item.ink);
            if (added && item.kind == PICTURE_TEXT)
                out->items[out->count - 1].fontWidth = item.fontWidth;
        }
        if (!added) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
    }
    return 1;
}

void releaseHallParts(HallParts *parts)
{
    freeBlock(parts->parts);
    freeBlock(parts->folds);
    *parts = HallParts{};
}
