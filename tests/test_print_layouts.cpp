// Print layouts cut from real bracket pictures' descriptions onto A4, in
// both orientations: every page stays inside its margins, halves and
// posters keep the smallest text (scores included) at the name size asked
// for, no box, name, score or line shorter than the overlap is cut
// without lying whole on some page, and what the tiles keep once cut
// along their marks adds up to the picture exactly. (How far tiles
// overlap is read from the printed PostScript: picture/.)
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "support/bracket_file_fixture.h"
#include "ui/print/page_layout.h"
#include "ui/picture/picture_layout.h"

namespace {

const LONGLONG NM_PER_POINT = 352778;

using PrintLayouts = BracketFileTest;

PaperSheet a4(bool landscape)
{
    PaperSheet sheet = {};
    sheet.paper = landscape ? SIZE{297000, 210000} : SIZE{210000, 297000};
    // A printer that cannot mark the outer 4.2 mm, half-inch margins.
    sheet.printable = RECT{4200, 4200, sheet.paper.cx - 4200, sheet.paper.cy - 4200};
    sheet.margins = RECT{12700, 12700, 12700, 12700};
    return sheet;
}

bool contains(const RECT &outer, const RECT &inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

LONGLONG area(const RECT &r)
{
    return (LONGLONG)(r.right - r.left) * (r.bottom - r.top);
}

// Every slot named or picked and every match given a result, so the
// picture draws its smallest text too.
void fillEverySlot(Bracket *bracket)
{
    for (int id = bracket->slotCount + 1; id <= 2 * bracket->slotCount - 1; id++) {
        BracketNode *node = bracket->nodeTable[id - 1];
        lstrcpyW(node->name, node->left->name);
        lstrcpyW(node->result, L"3-1");
    }
}

// The pages of one region (a poster, or one half) in the order cut.
std::vector<std::vector<PrintPage>> regions(const PrintPages &pages)
{
    std::vector<std::vector<PrintPage>> out;
    for (int i = 0; i < pages.count; i++) {
        const PrintPage &page = pages.pages[i];
        if (page.row <= 1 && page.column <= 1)
            out.emplace_back();
        out.back().push_back(page);
    }
    return out;
}

void checkTiles(const std::vector<PrintPage> &tiles, const RECT &region)
{
    LONGLONG kept = 0;
    for (size_t i = 0; i < tiles.size(); i++) {
        const PrintPage &tile = tiles[i];
        EXPECT_TRUE(contains(tile.part, tile.kept)) << "tile " << i << " keeps what it does not show";
        kept += area(tile.kept);
        for (size_t j = 0; j < i; j++) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &tile.kept, &tiles[j].kept)) << "tiles " << j << " and " << i
                                                                             << " keep the same part";
        }
    }
    // A tile holding nothing but margins is left out, so what is kept may
    // fall short of the region; what it holds is checked piece by piece.
    EXPECT_GE(area(region), kept) << "the kept parts reach outside the region they were cut from";
}

// Where a page's part of the picture lands on the paper.
RECT onPaper(const PrintPage &page)
{
    RECT r = {page.origin.x, page.origin.y, 0, 0};
    r.right = r.left + (LONG)((LONGLONG)(page.part.right - page.part.left) * page.nmPerUnit / 1000);
    r.bottom = r.top + (LONG)((LONGLONG)(page.part.bottom - page.part.top) * page.nmPerUnit / 1000);
    return r;
}

// The smallest text of the picture but its title, which every page's
// heading carries instead.
int smallestText(const PictureDescription &picture)
{
    int smallest = 0;
    for (int i = 0; i < picture.count; i++) {
        const PictureItem &item = picture.items[i];
        int height = picture.fonts[item.font].height;
        if (item.kind == PICTURE_TEXT && item.font != PICTURE_FONT_TITLE && (!smallest || height < smallest))
            smallest = height;
    }
    return smallest;
}

// Where an item's ink lies: a line drawn either way with its width, a
// box, a text's band.
RECT inkOf(const PictureItem &item)
{
    RECT r = item.area;
    if (item.kind == PICTURE_LINE) {
        r = RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom)};
        InflateRect(&r, item.lineWidth / 2, item.lineWidth / 2);
    }
    return r;
}

void checkPages(const PictureDescription &picture, const PaperSheet &sheet, int layout, int points,
                const PrintPages &pages)
{
    RECT whole = {0, 0, picture.size.cx, picture.size.cy};
    ASSERT_GE(pages.count, 1);
    EXPECT_TRUE(contains(sheet.printable, pages.content));
    for (int i = 0; i < pages.count; i++) {
        const PrintPage &page = pages.pages[i];
        EXPECT_TRUE(contains(pages.content, onPaper(page))) << "page " << i + 1 << " leaves its margins";
        bool inked = false;
        for (int p = 0; p < picture.count && !inked; p++) {
            RECT both, ink = inkOf(picture.items[p]);
            inked = IntersectRect(&both, &ink, &page.part);
        }
        EXPECT_TRUE(inked || layout != LAYOUT_POSTER) << "poster page " << i + 1 << " holds nothing but margins";
        if (layout != LAYOUT_ONE_PAGE) {
            EXPECT_GE((LONGLONG)page.nmPerUnit * smallestText(picture), points * NM_PER_POINT)
                << "page " << i + 1 << " prints text under " << points << " pt";
        }
    }
    if (layout == LAYOUT_ONE_PAGE) {
        EXPECT_EQ(1, pages.count);
        EXPECT_TRUE(EqualRect(&whole, &pages.pages[0].part)) << "one page shows the whole picture";
    }
    std::vector<std::vector<PrintPage>> cut = regions(pages);
    if (layout == LAYOUT_HALVES) {
        ASSERT_EQ(2u, cut.size()) << "two halves";
        EXPECT_EQ(cut[0].size(), cut[1].size()) << "the halves take as many pages each";
    }
    for (const std::vector<PrintPage> &tiles : cut) {
        RECT region = tiles[0].part;
        for (const PrintPage &tile : tiles)
            UnionRect(&region, &region, &tile.part);
        checkTiles(tiles, region);
    }
    // A line longer than the overlap may run on across an edge; every
    // other item must lie whole on at least one page.
    LONGLONG overlap = LLONG_MAX;
    for (int i = 0; i < pages.count; i++)
        overlap = std::min(overlap, 10000LL * 1000 / pages.pages[i].nmPerUnit);
    for (int p = 0; p < picture.count; p++) {
        const PictureItem &item = picture.items[p];
        RECT piece = inkOf(item);
        if (item.kind == PICTURE_TEXT && item.font == PICTURE_FONT_TITLE)
            continue;
        if (item.kind == PICTURE_LINE && std::max(piece.right - piece.left, piece.bottom - piece.top) > overlap)
            continue;
        IntersectRect(&piece, &piece, &whole);
        bool shown = false;
        for (int i = 0; i < pages.count && !shown; i++)
            shown = contains(pages.pages[i].part, piece);
        EXPECT_TRUE(shown) << "the " << (item.kind == PICTURE_BOX ? "box" : item.kind == PICTURE_LINE ? "line" : "text")
                           << " at " << piece.left << "," << piece.top << " - " << piece.right << ","
                           << piece.bottom << " is whole on no page";
    }
}

TEST_F(PrintLayouts, PagesFitStayLegibleAndKeepEveryPieceWhole)
{
    for (int teams : {16, 64, 256}) {
        build(teams, L"Wall chart");
        fillEverySlot(&bracket);
        PictureDescription picture;
        ASSERT_TRUE(describeBracketPicture(&bracket, &picture));
        for (bool landscape : {false, true}) {
            for (int layout : {LAYOUT_ONE_PAGE, LAYOUT_HALVES, LAYOUT_POSTER}) {
                for (int points : {9, 14}) {
                    SCOPED_TRACE(testing::Message() << teams << " teams, layout " << layout << ", "
                                                    << (landscape ? "landscape" : "portrait") << ", " << points << " pt");
                    PaperSheet sheet = a4(landscape);
                    PrintPages pages;
                    ASSERT_TRUE(paginatePicture(&picture, &sheet, layout, points, &pages));
                    checkPages(picture, sheet, layout, points, pages);
                    releasePrintPages(&pages);
                }
            }
        }
        freePictureDescription(&picture);
        resetBracket(&bracket);
    }
}

} // namespace
