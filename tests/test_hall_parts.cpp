// The hall display's parts over bracket sizes, formats and screens: read
// back from what each part draws, every match is whole in exactly one
// part, every box and name of the picture is shown once, and every name
// is at least a fortieth of the screen's height when the part is drawn
// as large as it fits.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/pick_rules.h"
#include "model/third_place.h"
#include "support/bracket_file_fixture.h"
#include "ui/picture/hall_parts.h"
#include "ui/picture/picture_layout.h"

namespace {

RECT spanOf(const PictureItem &item)
{
    return RECT{std::min(item.area.left, item.area.right), std::min(item.area.top, item.area.bottom),
                std::max(item.area.left, item.area.right), std::max(item.area.top, item.area.bottom)};
}

// What a reader of the drawing sees: boxes, names, and the matches (a
// line joining the lines from two boxes) whole or cut.
struct Seen {
    int boxes = 0, names = 0, wholeMatches = 0, cutMatches = 0;
};

bool lineFromBoxTo(const PictureDescription &picture, int x, int y)
{
    for (int i = 0; i < picture.count; i++) {
        RECT line = spanOf(picture.items[i]);
        if (picture.items[i].kind != PICTURE_LINE || line.top != y || line.bottom != y ||
            (line.left != x && line.right != x))
            continue;
        int edge = line.left == x ? line.right : line.left;
        for (int j = 0; j < picture.count; j++) {
            const RECT &box = picture.items[j].area;
            if (picture.items[j].kind == PICTURE_BOX && (box.left == edge || box.right == edge) && box.top <= y &&
                y <= box.bottom)
                return true;
        }
    }
    return false;
}

Seen look(const PictureDescription &picture)
{
    Seen seen;
    for (int i = 0; i < picture.count; i++) {
        const PictureItem &item = picture.items[i];
        RECT span = spanOf(item);
        if (item.kind == PICTURE_BOX)
            seen.boxes++;
        else if (item.kind == PICTURE_TEXT && item.font != PICTURE_FONT_TITLE && item.font != PICTURE_FONT_HEADING)
            seen.names++;
        else if (item.kind == PICTURE_LINE && span.left == span.right && span.top != span.bottom) {
            bool whole = lineFromBoxTo(picture, span.left, span.top) && lineFromBoxTo(picture, span.left, span.bottom);
            (whole ? seen.wholeMatches : seen.cutMatches)++;
        }
    }
    return seen;
}

// An entrant's name: in a box, whatever its face, or in the names' own
// faces beside one (the places); a match's score and time are no name.
bool isName(const PictureDescription &picture, const PictureItem &item)
{
    if (item.kind != PICTURE_TEXT)
        return false;
    if (item.font == PICTURE_FONT_NAME || item.font == PICTURE_FONT_CHAMPION)
        return true;
    for (int i = 0; i < picture.count; i++) {
        RECT both;
        if (picture.items[i].kind == PICTURE_BOX && IntersectRect(&both, &picture.items[i].area, &item.area) &&
            EqualRect(&both, &item.area))
            return true;
    }
    return false;
}

struct HallParts_ : BracketFileTest {};

TEST_F(HallParts_, EveryMatchIsWholeInOnePartAndEveryNameReadsFromTheBack)
{
    const SIZE screens[] = {{1920, 1080}, {1280, 720}};
    enum Format { SINGLE, THIRD_PLACE, DOUBLE };
    const int sizes[] = {2, 3, 5, 8, 12, 16, 24, 32, 64, 100, 128, 256};
    for (int format : {SINGLE, THIRD_PLACE, DOUBLE}) {
        for (int teams : sizes) {
            if (format != SINGLE && teams < 4)
                continue;
            resetBracket(&bracket);
            build(teams, L"Harbour Open");
            // The first round played, the second scheduled: scores, times and
            // courts stand in the picture as on an event day.
            if (format == THIRD_PLACE)
                setThirdPlaceOn(&bracket, 1);
            if (format == DOUBLE) {
                ASSERT_EQ(1, prepareLosersBracket(&bracket));
                ASSERT_EQ(1, setDoubleEliminationOn(&bracket, 1));
            }
            for (BracketNode *node = leftmostAtLevel(&bracket, bracket.depth - 1); node; node = nextInLevel(node)) {
                if (isMatchReady(&bracket, node))
                    setMatchOutcome(&bracket, node, node->left->name, L"21-15", OUTCOME_PLAYED);
            }
            for (BracketNode *node = leftmostAtLevel(&bracket, bracket.depth - 2); bracket.depth >= 2 && node;
                 node = nextInLevel(node))
                setMatchSchedule(&bracket, node, L"Court 3", L"2026-05-01T10:30");
            PictureDescription picture;
            ASSERT_EQ(1, describeBracketPicture(&bracket, &picture));
            Seen all = look(picture);
            for (SIZE screen : screens) {
                SCOPED_TRACE(testing::Message() << teams << " entrants, format " << format << ", screen "
                                                << screen.cx << "x" << screen.cy);
                int least = (screen.cy + 39) / 40;
                SIZE room = {screen.cx - 2 * (screen.cx / 60), screen.cy - 2 * (screen.cy / 60)};
                HallParts parts;
                ASSERT_EQ(1, cutHallParts(&picture, room, least, &parts));
                ASSERT_GE(parts.count, 1);
                Seen shown;
                for (int p = 0; p < parts.count; p++) {
                    for (int q = 0; q < p; q++) {
                        RECT both;
                        EXPECT_FALSE(IntersectRect(&both, &parts.parts[p].area, &parts.parts[q].area))
                            << "parts " << q << " and " << p << " overlap";
                    }
                    PictureDescription part;
                    ASSERT_EQ(1, describeHallPart(&picture, &parts, p, &part));
                    Seen seen = look(part);
                    EXPECT_EQ(0, seen.cutMatches) << "part " << p << " cuts a match";
                    shown.boxes += seen.boxes;
                    shown.names += seen.names;
                    shown.wholeMatches += seen.wholeMatches;
                    // Drawn as large as it fits the room, as the display draws it.
                    double scale = std::min((double)room.cx / part.size.cx, (double)room.cy / part.size.cy);
                    for (int i = 0; i < part.count; i++) {
                        const PictureItem &item = part.items[i];
                        if (isName(part, item)) {
                            ASSERT_GE(part.fonts[item.font].height * scale, least - 0.01)
                                << "a name in part " << p << " of " << parts.count << " is too small";
                        }
                    }
                    freePictureDescription(&part);
                }
                EXPECT_EQ(all.wholeMatches, shown.wholeMatches) << "a match is missing or shown twice";
                EXPECT_EQ(all.boxes, shown.boxes) << "a box is missing or shown twice";
                EXPECT_EQ(all.names, shown.names) << "a name is missing or shown twice";
                if (teams <= 4 && format == SINGLE && screen.cx == 1920) {
                    EXPECT_EQ(1, parts.count) << "a small bracket that fits is shown whole";
                }
                releaseHallParts(&parts);
            }
            freePictureDescription(&picture);
        }
    }
}

// A pick moves no box: the display keeps its cut and reads again only
// which parts hold a match to play, which must agree with a fresh cut.
TEST_F(HallParts_, APickKeepsTheCutAndTheMarksOfPlayAgreeWithAFreshCut)
{
    build(64, L"Harbour Open");
    ASSERT_EQ(1, prepareLosersBracket(&bracket));
    ASSERT_EQ(1, setDoubleEliminationOn(&bracket, 1));
    for (BracketNode *node = leftmostAtLevel(&bracket, bracket.depth - 1); node; node = nextInLevel(node))
        setMatchOutcome(&bracket, node, node->left->name, L"", OUTCOME_PLAYED);
    SIZE room = {1248, 696};
    PictureDescription before, after;
    ASSERT_EQ(1, describeBracketPicture(&bracket, &before));
    HallParts kept, fresh;
    ASSERT_EQ(1, cutHallParts(&before, room, 18, &kept));
    ASSERT_GT(kept.count, 2);
    for (BracketNode *node = leftmostAtLevel(&bracket, bracket.depth - 2); node; node = nextInLevel(node))
        setMatchOutcome(&bracket, node, node->left->name, L"", OUTCOME_PLAYED);
    ASSERT_EQ(1, describeBracketPicture(&bracket, &after));
    ASSERT_EQ(1, sameHallGeometry(&before, &after));
    std::vector<int> wasLive;
    for (int p = 0; p < kept.count; p++)
        wasLive.push_back(kept.parts[p].live);
    ASSERT_EQ(1, markLiveHallParts(&after, &kept));
    ASSERT_EQ(1, cutHallParts(&after, room, 18, &fresh));
    ASSERT_EQ(fresh.count, kept.count);
    int moved = 0;
    for (int p = 0; p < kept.count; p++) {
        EXPECT_TRUE(EqualRect(&fresh.parts[p].area, &kept.parts[p].area)) << "part " << p;
        EXPECT_EQ(fresh.parts[p].live, kept.parts[p].live) << "part " << p;
        moved += wasLive[p] != kept.parts[p].live;
    }
    EXPECT_GT(moved, 0) << "the picks moved the play to other parts";
    releaseHallParts(&kept);
    releaseHallParts(&fresh);
    freePictureDescription(&before);
    freePictureDescription(&after);
}

} // namespace
