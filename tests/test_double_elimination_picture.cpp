// The picture of a double-elimination bracket: the losers' bracket under
// the winners', each dropped entrant labelled with the match it lost, each
// losers' winner carrying the match's score, the grand final and its reset,
// and the places once they are decided; laid out without any box or text
// covering another, from four entrants to the largest bracket.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/pick_rules.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "ui/common/fallback_string.h"
#include "ui/common/losers_marks.h"
#include "ui/picture/picture_layout.h"

namespace {

struct DoubleEliminationPicture : BracketFileTest {
    PictureDescription picture = {};

    void TearDown() override
    {
        freePictureDescription(&picture);
        BracketFileTest::TearDown();
    }

    void makeDouble(int teams, bool reset)
    {
        build(teams, L"Cup");
        ASSERT_EQ(1, prepareLosersBracket(&bracket));
        ASSERT_EQ(1, setDoubleEliminationOn(&bracket, 1));
        setGrandFinalReset(&bracket, reset ? 1 : 0);
    }

    // Every winners' match won by its upper entrant, round by round.
    void pickWinners()
    {
        for (int id = bracket.slotCount + 1; id <= 2 * bracket.slotCount - 1; id++)
            ASSERT_EQ(1, applySlotText(&bracket, slot(id), slot(id)->left->name));
    }

    // Losers' matches from .. to (1 .. N) won by their upper entrant, or
    // by the lower one where lower is set.
    void pickLosers(int from, int to, bool lower = false)
    {
        for (int k = from; k <= to; k++) {
            const WCHAR *first, *second;
            losersEntrants(&bracket, losersMatch(&bracket, k), &first, &second);
            ASSERT_EQ(1, setLosersPick(&bracket, losersMatch(&bracket, k), lower ? second : first)) << "match " << k;
        }
    }

    void describe()
    {
        freePictureDescription(&picture);
        ASSERT_EQ(1, describeBracketPicture(&bracket, &picture));
    }

    std::wstring resourceText(UINT id)
    {
        WCHAR text[128];
        loadStringWithFallback(bracket.resourceModule, id, text, 128);
        return text;
    }

    // The top of the losers' bracket: its heading's band.
    int losersTop()
    {
        std::wstring heading = resourceText(IDS_LOSERS_BRACKET);
        for (int i = 0; i < picture.count; i++)
            if (picture.items[i].kind == PICTURE_TEXT && heading == pictureItemText(&picture, &picture.items[i]))
                return picture.items[i].area.top;
        ADD_FAILURE() << "no losers' bracket heading";
        return picture.size.cy;
    }

    // The texts of the losers' part.
    std::vector<const PictureItem *> losersTexts()
    {
        std::vector<const PictureItem *> texts;
        int top = losersTop();
        for (int i = 0; i < picture.count; i++)
            if (picture.items[i].kind == PICTURE_TEXT && picture.items[i].area.top >= top)
                texts.push_back(&picture.items[i]);
        return texts;
    }

    bool showsInLosers(const std::wstring &text)
    {
        std::vector<const PictureItem *> texts = losersTexts();
        return std::any_of(texts.begin(), texts.end(),
                           [&](const PictureItem *item) { return text == pictureItemText(&picture, item); });
    }

    // Every box of the losers' part holding name.
    std::vector<RECT> boxesOf(const std::wstring &name)
    {
        std::vector<RECT> boxes;
        for (const PictureItem *item : losersTexts()) {
            if (name != pictureItemText(&picture, item))
                continue;
            for (int i = 0; i < picture.count; i++) {
                RECT inside;
                if (picture.items[i].kind == PICTURE_BOX &&
                    IntersectRect(&inside, &picture.items[i].area, &item->area) && EqualRect(&inside, &item->area))
                    boxes.push_back(picture.items[i].area);
            }
        }
        return boxes;
    }

    // The small line right over (above) or right under a box.
    std::wstring lineBy(RECT box, bool above)
    {
        for (const PictureItem *item : losersTexts())
            if (item->area.left == box.left && (above ? item->area.bottom == box.top : item->area.top == box.bottom))
                return pictureItemText(&picture, item);
        return L"";
    }

    // What stands on the line of a place's word, right of it. (In Chinese
    // the first place's word is also the champion's heading.)
    std::wstring placeHolder(UINT word)
    {
        std::wstring text = resourceText(word);
        bool found = false;
        for (const PictureItem *item : losersTexts()) {
            if (text != pictureItemText(&picture, item))
                continue;
            found = true;
            for (const PictureItem *other : losersTexts())
                if (other->area.top == item->area.top && other->area.left == item->area.right)
                    return pictureItemText(&picture, other);
        }
        EXPECT_TRUE(found) << "no place word " << utf8(text);
        return L"";
    }
};

// Eight entrants, the upper entrant winning everywhere: T2, T4, T6, T8 lose
// the quarter-finals, T7 and T3 the semi-finals, T5 the final. The losers'
// bracket then runs T2 v T4, T6 v T8; T2 v T7, T6 v T3 (each semi-final's
// loser crossing to the other side); T2 v T6; T2 v T5; and the grand final
// T1 v T2.
TEST_F(DoubleEliminationPicture, ShowsTheLosersBracketItsDropInsAndScores)
{
    makeDouble(8, true);
    pickWinners();
    pickLosers(1, 2);
    ASSERT_EQ(1, setMatchOutcome(&bracket, losersMatch(&bracket, 1), L"T2", L"11-9", OUTCOME_PLAYED));
    ASSERT_EQ(1, setMatchSchedule(&bracket, losersMatch(&bracket, 3), L"Court 9", L""));
    describe();

    WCHAR heading[128];
    for (int k : {1, 3, 5, 6, 7, 8}) {
        losersMatchHeading(&bracket, k, heading, 128);
        EXPECT_TRUE(showsInLosers(heading)) << "no heading " << utf8(heading);
    }
    for (const WCHAR *name : {L"T1", L"T2", L"T3", L"T4", L"T5", L"T6", L"T7", L"T8"})
        EXPECT_FALSE(boxesOf(name).empty()) << utf8(name) << " is an entrant of the losers' bracket or grand final";

    // Where each dropped entrant comes from stands over its box: T4 lost
    // QF 2, T7 the semi-final of the other side, T1 won the winners' final.
    struct {
        int k, side;
        const WCHAR *name;
    } dropIns[] = {{1, 1, L"T4"}, {3, 1, L"T7"}, {7, 0, L"T1"}};
    for (const auto &dropIn : dropIns) {
        LosersFeeder feeders[2];
        WCHAR from[FEEDER_TEXT_CAPACITY];
        losersFeeders(&bracket, dropIn.k, feeders);
        feederText(&bracket, &feeders[dropIn.side], from);
        std::vector<RECT> boxes = boxesOf(dropIn.name);
        ASSERT_EQ(1u, boxes.size()) << utf8(dropIn.name);
        EXPECT_EQ(std::wstring(from), lineBy(boxes[0], true)) << utf8(dropIn.name);
    }

    // T2's score under its box as the next round's entrant; the open
    // match's court over the empty box of its winner to be.
    std::vector<RECT> t2 = boxesOf(L"T2");
    ASSERT_EQ(2u, t2.size()) << "T2 plays rounds 1 and 2";
    EXPECT_EQ(L"11-9", lineBy(t2[0].left > t2[1].left ? t2[0] : t2[1], false));
    EXPECT_TRUE(showsInLosers(L"Court 9"));
    EXPECT_TRUE(placeHolder(IDS_PLACE_FIRST).empty()) << "nobody has won yet";
}

// Second is whoever lost the last match played: the grand final, or its
// reset once the losers' champion has won the grand final.
TEST_F(DoubleEliminationPicture, NamesThePlacesOnceTheLastMatchIsDecided)
{
    makeDouble(8, true);
    pickWinners();
    pickLosers(1, 6);
    describe();
    EXPECT_EQ(L"", placeHolder(IDS_PLACE_FIRST));
    EXPECT_EQ(L"T5", placeHolder(IDS_PLACE_THIRD)) << "T5 lost the losers' final";

    pickLosers(7, 7);
    describe();
    EXPECT_EQ(L"T1", placeHolder(IDS_PLACE_FIRST)) << "the winners' champion won the grand final: no reset";
    EXPECT_EQ(L"T2", placeHolder(IDS_PLACE_SECOND));

    pickLosers(7, 7, true);
    describe();
    EXPECT_EQ(2u, boxesOf(L"T1").size()) << "T1 in the grand final and again in the reset";
    EXPECT_EQ(L"", placeHolder(IDS_PLACE_FIRST)) << "the reset is still to be played";
    pickLosers(8, 8);
    describe();
    EXPECT_EQ(L"T1", placeHolder(IDS_PLACE_FIRST)) << "T1 won the reset";
    EXPECT_EQ(L"T2", placeHolder(IDS_PLACE_SECOND)) << "T2 won the grand final but lost the reset";
    EXPECT_EQ(L"T5", placeHolder(IDS_PLACE_THIRD));
}

// One champion: the winner of the last match played, in the one box drawn
// as the champion's under the one "Champion" heading; the winners' root is
// headed as the winners' bracket's winner.
TEST_F(DoubleEliminationPicture, HasOneChampionTheWinnerOfTheLastMatch)
{
    makeDouble(8, true);
    pickWinners();
    pickLosers(1, 6);
    pickLosers(7, 8, true);
    ASSERT_EQ(std::wstring(L"T2"), tournamentChampion(&bracket)) << "T2 won the grand final and its reset";
    describe();
    std::vector<std::wstring> championBoxes;
    int championHeadings = 0, winnersHeadings = 0;
    for (int i = 0; i < picture.count; i++) {
        const PictureItem &item = picture.items[i];
        if (item.kind == PICTURE_BOX && item.fill != PICTURE_PAPER)
            for (int j = 0; j < picture.count; j++) {
                RECT inside;
                if (picture.items[j].kind == PICTURE_TEXT &&
                    IntersectRect(&inside, &item.area, &picture.items[j].area) &&
                    EqualRect(&inside, &picture.items[j].area))
                    championBoxes.push_back(pictureItemText(&picture, &picture.items[j]));
            }
        if (item.kind == PICTURE_TEXT && item.font == PICTURE_FONT_HEADING) {
            championHeadings += resourceText(IDS_PICTURE_CHAMPION) == pictureItemText(&picture, &item);
            winnersHeadings += resourceText(IDS_WINNERS_BRACKET_WINNER) == pictureItemText(&picture, &item);
        }
    }
    ASSERT_EQ(1u, championBoxes.size()) << "champion boxes";
    EXPECT_EQ(L"T2", championBoxes[0]);
    EXPECT_EQ(1, championHeadings);
    EXPECT_EQ(1, winnersHeadings);
}

// The losers' bracket decided up to a round and every match after it
// scheduled, so that scores, times and drop-in lines all stand in it:
// everything lies inside the picture, no two boxes meet, and no line of
// text touches another or a box it is not the name of.
TEST_F(DoubleEliminationPicture, EveryBracketSizeLaysOutWithoutOverlaps)
{
    struct Case {
        int teams;
        bool reset;
        int decidedRounds;
    } cases[] = {{4, true, 1}, {4, false, 2}, {32, true, 3}, {256, false, 1}, {256, true, 2}, {256, true, 14}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.teams << " entrants, " << c.decidedRounds << " losers' rounds decided");
        resetBracket(&bracket);
        makeDouble(c.teams, c.reset);
        pickWinners();
        int k = 1;
        for (int round = 1; round <= losersRoundCount(&bracket); round++) {
            for (int i = 0; i < losersRoundSize(&bracket, round); i++, k++) {
                BracketNode *match = losersMatch(&bracket, k);
                const WCHAR *first, *second;
                losersEntrants(&bracket, match, &first, &second);
                if (round <= c.decidedRounds)
                    ASSERT_EQ(1, setMatchOutcome(&bracket, match, first, L"3-1", OUTCOME_PLAYED));
                else
                    ASSERT_EQ(1, setMatchSchedule(&bracket, match, L"Court 12", L"2026-05-01T10:00"));
            }
        }
        ASSERT_EQ(1, setMatchSchedule(&bracket, grandFinal(&bracket), L"Centre court", L"2026-05-02T18:00"));
        describe();
        ASSERT_EQ(bracketPictureSize(&bracket).cy, picture.size.cy);

        RECT whole = {0, 0, picture.size.cx, picture.size.cy};
        std::vector<RECT> boxes;
        for (int i = 0; i < picture.count; i++) {
            const RECT &area = picture.items[i].area;
            RECT inside;
            RECT span = {std::min(area.left, area.right), std::min(area.top, area.bottom),
                         std::max(area.left, area.right) + 1, std::max(area.top, area.bottom) + 1};
            ASSERT_TRUE(IntersectRect(&inside, &span, &whole) && EqualRect(&inside, &span))
                << "item " << i << " reaches outside the picture";
            if (picture.items[i].kind == PICTURE_BOX && area.top >= losersTop())
                boxes.push_back(area);
        }
        for (size_t i = 0; i < boxes.size(); i++)
            for (size_t j = 0; j < i; j++) {
                RECT both;
                ASSERT_FALSE(IntersectRect(&both, &boxes[i], &boxes[j])) << "boxes " << j << " and " << i << " meet";
            }
        std::vector<const PictureItem *> texts = losersTexts();
        for (size_t i = 0; i < texts.size(); i++) {
            RECT both;
            for (size_t j = 0; j < i; j++)
                ASSERT_FALSE(IntersectRect(&both, &texts[i]->area, &texts[j]->area))
                    << utf8(pictureItemText(&picture, texts[i])) << " covers "
                    << utf8(pictureItemText(&picture, texts[j]));
            for (const RECT &box : boxes) {
                bool meets = IntersectRect(&both, &texts[i]->area, &box);
                ASSERT_TRUE(!meets || EqualRect(&both, &texts[i]->area))
                    << utf8(pictureItemText(&picture, texts[i])) << " runs over a box";
            }
        }
    }
}

} // namespace
