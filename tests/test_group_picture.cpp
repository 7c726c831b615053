// The picture of an event played in groups first: one framed block a
// group above the knockout, each holding the group's entrants and every
// played result in its cell from both sides; the hall display and the
// printed poster show each block whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "model/group_event.h"
#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/match_outcome.h"
#include "support/bracket_file_fixture.h"
#include "ui/picture/hall_parts.h"
#include "ui/picture/picture_layout.h"
#include "ui/print/page_layout.h"

namespace {

bool contains(const RECT &outer, const RECT &inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool overlaps(const RECT &a, const RECT &b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

RECT spanOf(const PictureItem &item)
{
    return RECT{std::min(item.area.left, item.area.right), std::min(item.area.top, item.area.bottom),
                std::max(item.area.left, item.area.right), std::max(item.area.top, item.area.bottom)};
}

// The results played, each as written (from the winner's side) and as
// read from the loser's.
const wchar_t *const RESULTS[][2] = {
    {L"3:1", L"1:3"}, {L"11:7 9:11 11:5", L"7:11 11:9 5:11"}, {L"2-0", L"0-2"}, {L"21-15 21-18", L"15-21 18-21"}};

struct GroupPicture : BracketFileTest {
    std::mt19937 random{11};
    PictureDescription picture = {};

    void TearDown() override
    {
        freePictureDescription(&picture);
        BracketFileTest::TearDown();
    }

    // groups x size entrants named "G<group>-<k>", seeded snake; about
    // two matches in three played with a readable result, no draws.
    void buildEvent(int groups, int size)
    {
        resetBracket(&bracket);
        std::wstring list;
        for (int k = 1; k <= groups * size; k++)
            list += L"Entrant " + std::to_wstring(k) + L"\n";
        GroupEventFormat format = {groups, 0, groups == 1 ? 2 : 1 + (int)(random() % 2), RULES_TABLE_TENNIS,
                                   PLACE_SEEDED};
        ASSERT_EQ(1, buildGroupEventFromList(&bracket, list.c_str(), &format, cryptoRandomBelow, NULL));
        lstrcpyW(bracket.title, L"Spring League");
        for (int g = 0; g < groups; g++) {
            for (int m = 0; m < stageGroup(&bracket, g)->matchCount; m++) {
                if (random() % 3 == 0)
                    continue;
                int winner = random() % 2 ? GROUP_HOME_WON : GROUP_AWAY_WON;
                ASSERT_EQ(1, setGroupMatchResult(&bracket, g, m, winner, RESULTS[random() % 4][0], OUTCOME_PLAYED));
            }
        }
    }

    void describe()
    {
        freePictureDescription(&picture);
        ASSERT_EQ(1, describeBracketPicture(&bracket, &picture));
    }

    // The blocks: boxes that hold other boxes, in the order drawn.
    std::vector<RECT> blocks() const
    {
        std::vector<RECT> found;
        for (int i = 0; i < picture.count; i++) {
            if (picture.items[i].kind != PICTURE_BOX)
                continue;
            for (int j = 0; j < picture.count; j++) {
                if (j != i && picture.items[j].kind == PICTURE_BOX &&
                    contains(picture.items[i].area, picture.items[j].area)) {
                    found.push_back(picture.items[i].area);
                    break;
                }
            }
        }
        return found;
    }

    std::vector<int> textsIn(const RECT &block) const
    {
        std::vector<int> texts;
        for (int i = 0; i < picture.count; i++)
            if (picture.items[i].kind == PICTURE_TEXT && contains(block, picture.items[i].area))
                texts.push_back(i);
        return texts;
    }

    std::wstring text(int item) const { return pictureItemText(&picture, &picture.items[item]); }

    // The text of a block standing under column's heading and beside
    // row's label; L"" for a blank cell.
    std::wstring textAt(const RECT &block, const RECT &column, const RECT &row) const
    {
        int x = (column.left + column.right) / 2, y = (row.top + row.bottom) / 2;
        for (int i : textsIn(block)) {
            const RECT &band = picture.items[i].area;
            if (band.left <= x && x <= band.right && band.top <= y && y <= band.bottom)
                return text(i);
        }
        return L"";
    }

    // Checks one group's block: every entrant's name stands in it, and
    // every decided match's result in the cell of its two entrants, from
    // each one's side.
    void checkBlock(int g, const RECT &block)
    {
        const StageGroup *group = stageGroup(&bracket, g);
        std::vector<int> texts = textsIn(block);
        std::vector<RECT> rows(group->count + 1), columns(group->count + 1);
        for (int k = 1; k <= group->count; k++) {
            bool standing = false, labelled = false;
            for (int i : texts) {
                if (text(i) == group->entrant[k - 1])
                    standing = true;
                if (text(i) == std::to_wstring(k) + L"  " + group->entrant[k - 1]) {
                    labelled = true;
                    rows[k] = picture.items[i].area;
                }
                if (text(i) == std::to_wstring(k) && picture.items[i].font == PICTURE_FONT_HEADING)
                    columns[k] = picture.items[i].area;
            }
            EXPECT_TRUE(standing) << "group " << g << " has no standings row for " << group->entrant[k - 1];
            ASSERT_TRUE(labelled) << "group " << g << " has no cross-table row for " << group->entrant[k - 1];
        }
        for (int m = 0; m < group->matchCount; m++) {
            int home, away;
            ASSERT_TRUE(groupMatchEntrants(group, m, &home, &away));
            std::wstring asWritten = group->match[m].result, turned;
            for (const auto &result : RESULTS)
                if (asWritten == result[0])
                    turned = result[1];
            int winner = groupMatchWinner(group, m);
            std::wstring fromHome = winner == GROUP_HOME_WON ? asWritten : winner == GROUP_AWAY_WON ? turned : L"";
            std::wstring fromAway = winner == GROUP_AWAY_WON ? asWritten : winner == GROUP_HOME_WON ? turned : L"";
            EXPECT_EQ(fromHome, textAt(block, columns[away], rows[home])) << "group " << g << ", " << home << " v " << away;
            EXPECT_EQ(fromAway, textAt(block, columns[home], rows[away])) << "group " << g << ", " << away << " v " << home;
        }
        for (int k = 1; k <= group->count; k++)
            EXPECT_EQ(L"", textAt(block, columns[k], rows[k])) << "diagonal of group " << g;
    }
};

TEST_F(GroupPicture, EveryGroupHasItsOwnBlockAboveTheKnockoutWithEveryResultFromBothSides)
{
    for (int groups = 1; groups <= 8; groups++) {
        for (int size = 3; size <= 6; size++) {
            SCOPED_TRACE(testing::Message() << groups << " groups of " << size);
            buildEvent(groups, size);
            describe();
            std::vector<RECT> found = blocks();
            ASSERT_EQ((size_t)groups, found.size());
            RECT whole = {0, 0, picture.size.cx, picture.size.cy};
            int lowestBlock = 0;
            for (size_t a = 0; a < found.size(); a++) {
                EXPECT_TRUE(contains(whole, found[a])) << "block " << a << " leaves the picture";
                for (size_t b = 0; b < a; b++)
                    EXPECT_FALSE(overlaps(found[a], found[b])) << "blocks " << b << " and " << a << " overlap";
                lowestBlock = std::max(lowestBlock, (int)found[a].bottom);
                checkBlock((int)a, found[a]);
            }
            // Whatever stands in no block is the title or the knockout,
            // which begins below the last block.
            for (int i = 0; i < picture.count; i++) {
                const PictureItem &item = picture.items[i];
                RECT span = spanOf(item);
                EXPECT_TRUE(contains(whole, span)) << "item " << i << " leaves the picture";
                bool inBlock = false;
                for (const RECT &block : found)
                    inBlock = inBlock || contains(block, span);
                if (!inBlock && !(item.kind == PICTURE_TEXT && item.font == PICTURE_FONT_TITLE)) {
                    EXPECT_GT(span.top, lowestBlock) << "item " << i << " of the knockout meets a block";
                }
            }
        }
    }
}

TEST_F(GroupPicture, HallPartsAndPosterSheetsShowEveryBlockWholeBeforeTheKnockout)
{
    buildEvent(8, 5);
    describe();
    std::vector<RECT> found = blocks();
    ASSERT_EQ(8u, found.size());
    for (SIZE screen : {SIZE{1920, 1080}, SIZE{1280, 720}}) {
        SCOPED_TRACE(testing::Message() << "screen " << screen.cx << "x" << screen.cy);
        HallParts parts;
        ASSERT_EQ(1, cutHallParts(&picture, screen, screen.cy / 40, &parts));
        int lastWithBlock = -1, firstWithout = parts.count;
        for (const RECT &block : found) {
            int holding = 0;
            for (int p = 0; p < parts.count; p++) {
                if (contains(parts.parts[p].area, block)) {
                    holding++;
                    lastWithBlock = std::max(lastWithBlock, p);
                } else {
                    EXPECT_FALSE(overlaps(parts.parts[p].area, block)) << "part " << p << " cuts a block";
                }
            }
            EXPECT_EQ(1, holding);
        }
        for (int p = 0; p < parts.count; p++) {
            bool holdsBlock = false;
            for (const RECT &block : found)
                holdsBlock = holdsBlock || contains(parts.parts[p].area, block);
            if (!holdsBlock)
                firstWithout = std::min(firstWithout, p);
        }
        EXPECT_LT(lastWithBlock, firstWithout) << "the knockout's parts come after the groups'";
        EXPECT_GT(parts.count, 2) << "eight groups of five and their knockout do not fit one screen";
        releaseHallParts(&parts);
    }
    // Halves and a poster on A4 at the smallest text's 9 points: a block
    // fits a sheet and is printed whole on one.
    for (int sheetCase = 0; sheetCase < 4; sheetCase++) {
        bool landscape = sheetCase % 2;
        int layout = sheetCase < 2 ? LAYOUT_POSTER : LAYOUT_HALVES;
        PaperSheet sheet = {};
        sheet.paper = landscape ? SIZE{297000, 210000} : SIZE{210000, 297000};
        sheet.printable = RECT{4200, 4200, sheet.paper.cx - 4200, sheet.paper.cy - 4200};
        sheet.margins = RECT{12700, 12700, 12700, 12700};
        PrintPages pages;
        ASSERT_TRUE(paginatePicture(&picture, &sheet, layout, 9, &pages));
        ASSERT_GT(pages.count, 1);
        for (size_t b = 0; b < found.size(); b++) {
            bool whole = false;
            for (int i = 0; i < pages.count && !whole; i++)
                whole = contains(pages.pages[i].part, found[b]);
            EXPECT_TRUE(whole) << "block " << b << " is cut on every sheet, " << (landscape ? "landscape" : "portrait")
                           << ", layout " << layout;
        }
        releasePrintPages(&pages);
    }
}

} // namespace
