#include "ui/print/page_layout.h"

#include "model/heap.h"

enum {
    NM_PER_UM = 1000,
    NM_PER_POINT = 352778,
    SMALLEST_CONTENT_UM = 20000,  /* less room than this between margins: they are ignored */
    PIECE_CLEARANCE = 2           /* a cut keeps a line's width off every piece */
};

static LONG larger(LONG a, LONG b)
{
    return a > b ? a : b;
}

static LONG smaller(LONG a, LONG b)
{
    return a < b ? a : b;
}

RECT pageContentArea(const PaperSheet *sheet)
{
    const RECT &printable = sheet->printable;
    RECT area = {larger(sheet->margins.left, printable.left), sheet->margins.top,
                 smaller(sheet->paper.cx - sheet->margins.right, printable.right),
                 sheet->paper.cy - sheet->margins.bottom};
    /* Margins too narrow for the heading and footing give way to them. */
    area.top = larger(area.top, printable.top + PAGE_FURNITURE_UM);
    area.bottom = smaller(area.bottom, printable.bottom - PAGE_FURNITURE_UM);
    if (area.right - area.left < SMALLEST_CONTENT_UM || area.bottom - area.top < SMALLEST_CONTENT_UM) {
        area = printable;
        area.top += PAGE_FURNITURE_UM;
        area.bottom -= PAGE_FURNITURE_UM;
    }
    return area;
}

/* What a page edge should not cut, read from the description: its boxes
 * and texts. Lines are no pieces: one no longer than the overlap lies whole
 * on one of the two pages that share it wherever the edge falls, and a
 * longer one (a connector spanning many rows) runs on across the edge,
 * the overlap repeating its end on the next page. */
struct PictureCut {
    const PictureDescription *description;
    SIZE size;
    RECT *pieces;
    int count;
    int smallestText;   /* the smallest text's height in picture units; 0: none */
    int piecesTop;      /* the top of the highest piece: what is above is the title */
    int blocksBottom;   /* the foot of the groups' blocks above the draw; 0: none */
};

/* The title runs across the whole picture: no page edge could pass beside
 * it, and every printed page carries it in its heading anyway. So it is no
 * piece, and its size does not decide how large a poster prints. */
static int readPieces(const PictureDescription *picture, PictureCut *cut)
{
    *cut = PictureCut{};
    cut->description = picture;
    cut->size = picture->size;
    cut->piecesTop = picture->size.cy;
    cut->blocksBottom = pictureBlocksBottom(picture);
    cut->pieces = (RECT *)allocBlock((SIZE_T)(picture->count ? picture->count : 1) * sizeof(RECT));
    if (!cut->pieces) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    for (int i = 0; i < picture->count; i++) {
        const PictureItem &item = picture->items[i];
        if (item.kind == PICTURE_LINE || (item.kind == PICTURE_TEXT && item.font == PICTURE_FONT_TITLE))
            continue;
        RECT &piece = cut->pieces[cut->count++];
        piece = item.area;
        InflateRect(&piece, PIECE_CLEARANCE, PIECE_CLEARANCE);
        if (piece.top < cut->piecesTop)
            cut->piecesTop = larger(piece.top, 0);
        int height = picture->fonts[item.font].height;
        if (item.kind == PICTURE_TEXT && (!cut->smallestText || height < cut->smallestText))
            cut->smallestText = height;
    }
    return 1;
}

/* Pages are laid out twice, once to count them and once into a block of
 * that size. */
struct PageSink {
    PrintPage *pages;
    int capacity;
    int count;
};

static void addPage(PageSink *sink, const PrintPage *page)
{
    if (sink->count < sink->capacity)
        sink->pages[sink->count] = *page;
    sink->count++;
}

static int toUnits(LONG um, int nmPerUnit)
{
    return (int)((LONGLONG)um * NM_PER_UM / nmPerUnit);
}

/* A length on paper in picture units, rounded up: an overlap never falls
 * short of what it promises. */
static int toUnitsAtLeast(LONG um, int nmPerUnit)
{
    return (int)(((LONGLONG)um * NM_PER_UM + nmPerUnit - 1) / nmPerUnit);
}

static LONG toMicrometres(int units, int nmPerUnit)
{
    return (LONG)((LONGLONG)units * nmPerUnit / NM_PER_UM);
}

/* Whether piece lies wholly between low and high across the cut's
 * direction (across 0: the cut is an x, the piece's y extent is looked at). */
static int pieceWithin(const RECT &piece, int across, int low, int high)
{
    int from = across ? piece.left : piece.top, to = across ? piece.right : piece.bottom;
    return from >= low && to <= high;
}

/* Whether a page edge at at lets every piece be whole on one of the two
 * pages that share the overlap before it: no piece may reach across the
 * whole overlap. A piece cut by the edge then starts inside the overlap
 * and is whole on the next page; one cut by the next page's start ends
 * before the edge and is whole on this one. */
static int edgeKeepsPiecesWhole(const PictureCut *picture, int across, int at, int overlap, int low, int high)
{
    for (int i = 0; i < picture->count; i++) {
        const RECT &piece = picture->pieces[i];
        int start = across ? piece.top : piece.left, end = across ? piece.bottom : piece.right;
        if (start < at - overlap && end > at && pieceWithin(piece, across, low, high))
            return 0;
    }
    return 1;
}

/* Whether a line at at passes between the pieces, through none. */
static int lineIsClear(const PictureCut *picture, int across, int at, int low, int high)
{
    for (int i = 0; i < picture->count; i++) {
        const RECT &piece = picture->pieces[i];
        int start = across ? piece.top : piece.left, end = across ? piece.bottom : piece.right;
        if (start < at && at < end && pieceWithin(piece, across, low, high))
            return 0;
    }
    return 1;
}

/* Where a page starting at start ends: as far as it reaches, or back from
 * there to the first edge that keeps every piece whole on this page or
 * the next; with none, as far as it reaches. The edge stays past the
 * overlap, so the next page moves on. */
static int pageEnd(const PictureCut *picture, int across, int start, int reach, int overlap, int regionEnd,
                   int low, int high)
{
    if (start + reach >= regionEnd)
        return regionEnd;
    for (int at = start + reach; at > start + 2 * overlap; at--) {
        if (edgeKeepsPiecesWhole(picture, across, at, overlap, low, high))
            return at;
    }
    return start + reach;
}

/* Where two neighbouring tiles are cut apart, within their overlap before
 * end: a line through no piece where there is one, so the join runs
 * through blank paper. */
static int joinLine(const PictureCut *picture, int across, int end, int overlap, int low, int high)
{
    for (int at = end; at > end - overlap; at--) {
        if (lineIsClear(picture, across, at, low, high))
            return at;
    }
    return end;
}

/* One page for the whole region, centred in the content area. */
static void fitRegion(RECT region, int nmPerUnit, RECT content, PageSink *sink)
{
    PrintPage page = {};
    page.part = region;
    page.kept = region;
    page.nmPerUnit = nmPerUnit;
    page.origin.x = content.left + (content.right - content.left - toMicrometres(region.right - region.left, nmPerUnit)) / 2;
    page.origin.y = content.top + (content.bottom - content.top - toMicrometres(region.bottom - region.top, nmPerUnit)) / 2;
    addPage(sink, &page);
}

/* Whether any item's ink falls inside part: a poster's sheet holding
 * nothing but the picture's margins is neither printed nor counted (a
 * half keeps its blank sheets, so the two halves assemble alike). */
static int holdsInk(const PictureCut *picture, const RECT &part)
{
    const PictureDescription *description = picture->description;
    for (int i = 0; i < description->count; i++) {
        const PictureItem &item = description->items[i];
        const RECT &area = item.area;
        RECT ink = {smaller(area.left, area.right), smaller(area.top, area.bottom), larger(area.left, area.right),
                    larger(area.top, area.bottom)};
        /* A frame is drawn inside its box; a line spreads about its path. */
        if (item.kind == PICTURE_LINE)
            InflateRect(&ink, item.lineWidth / 2, item.lineWidth / 2);
        RECT both;
        if (IntersectRect(&both, &ink, &part))
            return 1;
    }
    return 0;
}

/* The region at a fixed scale, cut column by column, each column into rows
 * along cuts of its own: no line across the whole picture misses every
 * box, but within a few columns many do. Each page overlaps its left and
 * upper neighbours; what it keeps starts where they end. */
static void tileRegion(const PictureCut *picture, RECT region, int nmPerUnit, RECT content, int keepBlank,
                       PageSink *sink)
{
    int reachX = toUnits(content.right - content.left, nmPerUnit);
    int reachY = toUnits(content.bottom - content.top, nmPerUnit);
    if (reachX >= region.right - region.left && reachY >= region.bottom - region.top)
        return fitRegion(region, nmPerUnit, content, sink);
    int overlapX = smaller(toUnitsAtLeast(PAGE_OVERLAP_UM, nmPerUnit), reachX / 3);
    int overlapY = smaller(toUnitsAtLeast(PAGE_OVERLAP_UM, nmPerUnit), reachY / 3);
    int startX = region.left, keptLeft = region.left;
    for (int column = 1;; column++) {
        int endX = pageEnd(picture, 0, startX, reachX, overlapX, region.right, region.top, region.bottom);
        int keptRight = endX < region.right ? joinLine(picture, 0, endX, overlapX, region.top, region.bottom) : endX;
        int startY = region.top, keptTop = region.top;
        for (int row = 1;; row++) {
            int endY = pageEnd(picture, 1, startY, reachY, overlapY, region.bottom, startX, endX);
            int keptBottom = endY < region.bottom ? joinLine(picture, 1, endY, overlapY, startX, endX) : endY;
            PrintPage page = {};
            page.part = RECT{startX, startY, endX, endY};
            page.kept = RECT{keptLeft, keptTop, keptRight, keptBottom};
            page.origin = POINT{content.left, content.top};
            page.nmPerUnit = nmPerUnit;
            page.row = row;
            page.column = column;
            if (keepBlank || holdsInk(picture, page.part))
                addPage(sink, &page);
            if (endY >= region.bottom)
                break;
            keptTop = keptBottom;
            startY = endY - overlapY;
        }
        if (endX >= region.right)
            break;
        keptLeft = keptRight;
        startX = endX - overlapX;
    }
}

/* The scale at which region just fits the content area. */
static int fittingScale(RECT region, RECT content)
{
    LONGLONG byWidth = (LONGLONG)(content.right - content.left) * NM_PER_UM / (region.right - region.left);
    LONGLONG byHeight = (LONGLONG)(content.bottom - content.top) * NM_PER_UM / (region.bottom - region.top);
    LONGLONG scale = byWidth < byHeight ? byWidth : byHeight;
    return scale > 0 ? (int)scale : 1;
}

/* The right edge of the final's right-hand box: the first column of
 * pieces wholly right of the column through the picture's middle (the
 * champion's). The picture mirrors around that middle, so the left half
 * ends there too. */
static int halfWidth(const PictureCut *picture, int top)
{
    int middle = picture->size.cx / 2, middleRight = middle, finalLeft = picture->size.cx;
    for (int i = 0; i < picture->count; i++) {
        const RECT &piece = picture->pieces[i];
        if (piece.top >= top && piece.left <= middle && piece.right > middleRight)
            middleRight = piece.right;
    }
    for (int i = 0; i < picture->count; i++) {
        if (picture->pieces[i].top >= top && picture->pieces[i].left >= middleRight &&
            picture->pieces[i].left < finalLeft)
            finalLeft = picture->pieces[i].left;
    }
    int finalRight = finalLeft;
    for (int i = 0; i < picture->count; i++) {
        if (picture->pieces[i].top >= top && picture->pieces[i].left == finalLeft &&
            picture->pieces[i].right > finalRight)
            finalRight = picture->pieces[i].right;
    }
    return finalLeft < picture->size.cx ? finalRight : picture->size.cx;
}

static void layOutPages(const PictureCut *picture, RECT content, int layout, int legibleScale, PageSink *sink)
{
    RECT whole = {0, 0, picture->size.cx, picture->size.cy};
    if (layout == LAYOUT_ONE_PAGE)
        return fitRegion(whole, fittingScale(whole, content), content, sink);
    /* The groups' blocks are printed before the draw and tiled apart from
     * it: a sheet's edge that passes between two blocks seldom passes
     * between the draw's columns too. */
    int drawTop = picture->blocksBottom;
    if (drawTop > 0) {
        RECT blocks = {0, layout == LAYOUT_POSTER ? 0 : picture->piecesTop, picture->size.cx, drawTop};
        int scale = fittingScale(blocks, content);
        if (layout == LAYOUT_HALVES && scale >= legibleScale)
            fitRegion(blocks, scale, content, sink);
        else
            tileRegion(picture, blocks, legibleScale, content, layout == LAYOUT_HALVES, sink);
        whole.top = drawTop;
    }
    if (layout == LAYOUT_POSTER)
        return tileRegion(picture, whole, legibleScale, content, 0, sink);
    /* A half leaves the picture's own title out: its edge would cut it,
     * and the page's heading carries it. It starts with the round names. */
    int width = halfWidth(picture, drawTop);
    int top = drawTop > 0 ? drawTop : picture->piecesTop;
    if (width >= picture->size.cx)
        return fitRegion(whole, fittingScale(whole, content), content, sink);
    RECT halves[2] = {{0, top, width, picture->size.cy},
                      {picture->size.cx - width, top, picture->size.cx, picture->size.cy}};
    int scale = fittingScale(halves[0], content);
    for (RECT half : halves) {
        if (scale >= legibleScale)
            fitRegion(half, scale, content, sink);
        else
            tileRegion(picture, half, legibleScale, content, 1, sink);
    }
}

int paginatePicture(const PictureDescription *description, const PaperSheet *sheet, int layout, int posterPoints,
                    PrintPages *pages)
{
    *pages = PrintPages{};
    pages->content = pageContentArea(sheet);
    if (!description->size.cx || !description->size.cy) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    PictureCut picture;
    if (!readPieces(description, &picture))
        return 0;
    posterPoints = legiblePoints(posterPoints);
    RECT whole = {0, 0, picture.size.cx, picture.size.cy};
    /* Rounded up: the smallest text never comes out a hair under the size. */
    int legibleScale = picture.smallestText
                           ? (posterPoints * NM_PER_POINT + picture.smallestText - 1) / picture.smallestText
                           : fittingScale(whole, pages->content);
    PageSink counting = {NULL, 0, 0};
    layOutPages(&picture, pages->content, layout, legibleScale, &counting);
    PageSink filling = {(PrintPage *)allocBlock((SIZE_T)counting.count * sizeof(PrintPage)), counting.count, 0};
    if (filling.pages)
        layOutPages(&picture, pages->content, layout, legibleScale, &filling);
    freeBlock(picture.pieces);
    if (!filling.pages) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    pages->pages = filling.pages;
    pages->count = filling.count;
    return 1;
}

void releasePrintPages(PrintPages *pages)
{
    freeBlock(pages->pages);
    pages->pages = NULL;
    pages->count = 0;
}
