// Match results and the third-place match in the model: the rules that keep
// them consistent with the picks, and the undo history that brings every
// state back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/match_result.h"
#include "model/pick_rules.h"
#include "model/third_place.h"
#include "model/undo_history.h"

namespace {

struct MatchResultsTest : ::testing::Test {
    Bracket bracket;
    void SetUp() override
    {
        initBracket(&bracket, NULL);
        ASSERT_EQ(1, buildBracket(&bracket, 8));
        const WCHAR *teams[] = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H"};
        for (int id = 1; id <= 8; id++)
            lstrcpyW(slot(id)->name, teams[id - 1]);
    }
    void TearDown() override { resetBracket(&bracket); }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    static std::wstring details(const MatchDetails &d)
    {
        return L" " + std::to_wstring(d.outcome) + L"@" + d.court + L"/" + d.time;
    }
    // Everything a step can change, as one comparable text.
    std::wstring state()
    {
        std::wstring all = bracket.title;
        for (int id = 1; id <= 2 * bracket.slotCount - 1; id++)
            all += L"|" + std::wstring(slot(id)->name) + L"=" + slot(id)->result + details(slot(id)->details);
        BracketNode &third = bracket.thirdPlace;
        all += L"|third " + std::to_wstring(bracket.thirdPlaceOn) + L" " + third.name + L"=" + third.result + details(third.details);
        return all;
    }
    ::testing::AssertionResult invariantsHold()
    {
        for (int id = 1; id <= 2 * bracket.slotCount - 1; id++) {
            BracketNode *node = slot(id);
            if (node->result[0] && (!node->left || !node->name[0]))
                return ::testing::AssertionFailure() << "slot " << id << " has a result without a pick";
            if (!node->left)
                continue;
            int outcome = node->details.outcome;
            if (node->name[0] && lstrcmpW(node->name, node->left->name) && lstrcmpW(node->name, node->right->name))
                return ::testing::AssertionFailure() << "slot " << id << " is neither of its feeders";
            if (outcome != OUTCOME_PLAYED && outcome != OUTCOME_DOUBLE_WALKOVER && !node->name[0])
                return ::testing::AssertionFailure() << "slot " << id << " has an outcome without a winner";
            if (outcome == OUTCOME_DOUBLE_WALKOVER && node->name[0])
                return ::testing::AssertionFailure() << "slot " << id << " is a double walkover with a winner";
            bool leftOut = isWithdrawn(node->left), rightOut = isWithdrawn(node->right);
            if (leftOut && rightOut && outcome != OUTCOME_DOUBLE_WALKOVER)
                return ::testing::AssertionFailure() << "slot " << id << " was not passed both withdrawals";
            if (leftOut != rightOut && outcome != OUTCOME_DOUBLE_WALKOVER &&
                lstrcmpW(node->name, (leftOut ? node->right : node->left)->name))
                return ::testing::AssertionFailure() << "slot " << id << " did not send the other entrant on";
        }
        BracketNode &third = bracket.thirdPlace;
        if (!isThirdPlaceChoice(&bracket, third.name))
            return ::testing::AssertionFailure() << "the third-place pick is no semi-final loser";
        if (third.result[0] && !third.name[0])
            return ::testing::AssertionFailure() << "the third-place match has a result without a pick";
        if (third.details.outcome != OUTCOME_PLAYED && third.details.outcome != OUTCOME_DOUBLE_WALKOVER &&
            !third.name[0])
            return ::testing::AssertionFailure() << "the third-place match has an outcome without a winner";
        if (!bracket.thirdPlaceOn && (third.name[0] || third.result[0]))
            return ::testing::AssertionFailure() << "a match that is off keeps a pick";
        return ::testing::AssertionSuccess();
    }
    // One user action as one undo step.
    template <typename Action> void step(Action action)
    {
        beginUndoStep(&bracket, 0);
        action();
        endUndoStep(&bracket);
    }
};

// Quarter-finals are ids 9-12, semi-finals 13 and 14, the final 15.
TEST_F(MatchResultsTest, ResultsGoWithTheirPicksAndStayWithTheSameWinner)
{
    ASSERT_EQ(1, setMatchResult(&bracket, slot(9), L"A", L"6:3 6:4"));
    ASSERT_EQ(1, setMatchResult(&bracket, slot(13), L"A", L"2-1 a.e.t."));
    EXPECT_EQ(0, setMatchResult(&bracket, slot(13), L"Z", L"1-0")) << "a winner who did not play is refused";
    EXPECT_EQ(0, setMatchResult(&bracket, slot(1), L"A", L"1-0")) << "a base slot has no match";

    EXPECT_EQ(1, applySlotText(&bracket, slot(9), L"A"));
    EXPECT_STREQ(L"6:3 6:4", slot(9)->result) << "the same winner again keeps the result";

    // Renaming A clears every pick that carried it, and their results.
    applySlotText(&bracket, slot(1), L"Ann");
    EXPECT_STREQ(L"", slot(9)->result);
    EXPECT_STREQ(L"", slot(13)->result);

    setMatchResult(&bracket, slot(10), L"C", L"W/O");
    setMatchResult(&bracket, slot(10), L"D", L"3-2");
    EXPECT_STREQ(L"3-2", slot(10)->result) << "a new winner takes the new result";
    applySlotText(&bracket, slot(10), L"C");
    EXPECT_STREQ(L"", slot(10)->result) << "a result told how the old winner won";

    setMatchResult(&bracket, slot(10), L"C", L"W/O");
    lstrcpyW(slot(3)->name, L"X");  // as a file with a stale pick would have it
    EXPECT_EQ(0, validatePicks(&bracket, 1));
    EXPECT_STREQ(L"", slot(10)->result) << "validation clears the result with the invalid pick";

    setMatchResult(&bracket, slot(11), L"E", L"1-0");
    clearNonBasePicks(&bracket);
    EXPECT_STREQ(L"", slot(11)->result);

    setMatchResult(&bracket, slot(12), L"G", L"0123456789012345678901234567890123456789");
    EXPECT_EQ(31, lstrlenW(slot(12)->result)) << "a result holds at most 31 units";
}

// A result that no longer matches its pairing is wrong data: the final's
// score and outcome go when the other semi-final's pick changes, the
// winner stays (it still played), and so do its time and court.
TEST_F(MatchResultsTest, AChangedPairingTakesTheScoreAndOutcomeButNotTheSchedule)
{
    setThirdPlaceOn(&bracket, 1);
    for (int id : {9, 10, 11, 12})
        setMatchResult(&bracket, slot(id), slot(id)->left->name, L"");
    setMatchResult(&bracket, slot(13), L"A", L"");
    setMatchResult(&bracket, slot(14), L"E", L"");
    ASSERT_EQ(1, setMatchOutcome(&bracket, slot(15), L"A", L"6:3 2:0", OUTCOME_RETIRED));
    ASSERT_EQ(1, setMatchSchedule(&bracket, slot(15), L"Centre", L"2026-12-08T14:30"));
    ASSERT_EQ(1, setMatchOutcome(&bracket, &bracket.thirdPlace, L"C", L"1-0", OUTCOME_WALKOVER));

    setMatchResult(&bracket, slot(12), L"H", L"");
    applySlotText(&bracket, slot(14), L"H");
    EXPECT_STREQ(L"A", slot(15)->name);
    EXPECT_STREQ(L"", slot(15)->result);
    EXPECT_EQ(OUTCOME_PLAYED, slot(15)->details.outcome);
    EXPECT_STREQ(L"Centre", slot(15)->details.court);
    EXPECT_STREQ(L"2026-12-08T14:30", slot(15)->details.time);
    EXPECT_STREQ(L"C", bracket.thirdPlace.name) << "C still lost its semi-final";
    EXPECT_STREQ(L"", bracket.thirdPlace.result) << "but now meets H, not E";
    EXPECT_EQ(OUTCOME_PLAYED, bracket.thirdPlace.details.outcome);

    // A first-round entrant renamed: the same for that match.
    setMatchOutcome(&bracket, slot(9), L"A", L"6:0", OUTCOME_DISQUALIFIED);
    applySlotText(&bracket, slot(2), L"Bea");
    EXPECT_STREQ(L"A", slot(9)->name);
    EXPECT_STREQ(L"", slot(9)->result);
    EXPECT_EQ(OUTCOME_PLAYED, slot(9)->details.outcome);
}

// Quarter-finals 9 and 10 feed semi-final 13; 11 and 12 feed 14.
TEST_F(MatchResultsTest, ADoubleWalkoverSendsTheOtherEntrantThroughAndPassesOn)
{
    setMatchResult(&bracket, slot(9), L"A", L"6:3");
    ASSERT_EQ(1, setMatchOutcome(&bracket, slot(10), L"C", L"ignored", OUTCOME_DOUBLE_WALKOVER));
    EXPECT_STREQ(L"", slot(10)->name);
    EXPECT_STREQ(L"", slot(10)->result);
    EXPECT_STREQ(L"A", slot(13)->name) << "A goes through at once, as a bye's seed does";
    EXPECT_EQ(0, setMatchResult(&bracket, slot(13), L"C", L"")) << "C withdrew";

    ASSERT_EQ(1, setMatchOutcome(&bracket, slot(9), L"", L"", OUTCOME_DOUBLE_WALKOVER));
    EXPECT_EQ(OUTCOME_DOUBLE_WALKOVER, slot(13)->details.outcome) << "both feeders withdrew";
    EXPECT_EQ(0, setMatchOutcome(&bracket, slot(13), L"", L"", OUTCOME_PLAYED)) << "nobody is left to play";
    setMatchResult(&bracket, slot(11), L"E", L"");
    setMatchResult(&bracket, slot(12), L"G", L"");
    setMatchResult(&bracket, slot(14), L"G", L"");
    EXPECT_STREQ(L"G", slot(15)->name) << "the withdrawal passed on to the final";

    // B played after all: the final is open again, the semi-final is B's.
    ASSERT_EQ(1, setMatchOutcome(&bracket, slot(9), L"B", L"", OUTCOME_WALKOVER));
    EXPECT_EQ(OUTCOME_WALKOVER, slot(9)->details.outcome);
    EXPECT_STREQ(L"B", slot(13)->name);
    EXPECT_EQ(OUTCOME_PLAYED, slot(13)->details.outcome);
    EXPECT_STREQ(L"", slot(15)->name);
}

// Times and courts filled in bracket order, as many at once as there are
// courts; decided matches and, unless replaced, timed ones are passed over.
TEST_F(MatchResultsTest, SchedulingFillsOpenMatchesInBracketOrderAcrossTheCourts)
{
    auto schedule = [&](int round, const WCHAR *start, int minutes, const WCHAR *courts, int replace) {
        ScheduleRequest request = {round, L"", minutes, courts, replace};
        lstrcpyW(request.start, start);
        return scheduleMatches(&bracket, &request);
    };
    auto at = [&](int id) { return std::wstring(slot(id)->details.time) + L" " + slot(id)->details.court; };
    setMatchResult(&bracket, slot(10), L"C", L"");
    EXPECT_EQ(3, schedule(2, L"2026-12-08T10:00", 45, L" Court 1 ,, Table 2,", 0));
    EXPECT_EQ(L"2026-12-08T10:00 Court 1", at(9));
    EXPECT_EQ(L" ", at(10)) << "decided already";
    EXPECT_EQ(L"2026-12-08T10:00 Table 2", at(11));
    EXPECT_EQ(L"2026-12-08T10:45 Court 1", at(12));

    setMatchResult(&bracket, slot(9), L"A", L"");
    setMatchResult(&bracket, slot(11), L"E", L"");
    setThirdPlaceOn(&bracket, 1);
    EXPECT_EQ(1, schedule(SCHEDULE_READY_MATCHES, L"2026-12-08T23:30", 60, L"", 0)) << "only A v C is ready";
    EXPECT_EQ(L"2026-12-08T23:30 ", at(13));
    EXPECT_EQ(2, schedule(SCHEDULE_READY_MATCHES, L"2026-12-08T23:30", 60, L"Centre", 1));
    EXPECT_EQ(L"2026-12-08T23:30 Centre", at(12)) << "the first round first";
    EXPECT_EQ(L"2026-12-09T00:30 Centre", at(13)) << "replaced, an hour later: the next day";
    EXPECT_EQ(1, schedule(SCHEDULE_THIRD_PLACE, L"2026-12-09T09:00", 60, L"Centre", 0));
    EXPECT_EQ(0, schedule(2, L"2026-12-08 10:00", 45, L"", 1)) << "a start that is no time";
}

TEST_F(MatchResultsTest, ThirdPlaceOffersTheSemiFinalLosersOnly)
{
    EXPECT_EQ(1, setThirdPlaceOn(&bracket, 1));
    EXPECT_EQ(nullptr, semiFinalLoser(&bracket, 0)) << "no loser before the semi-final is picked";
    setMatchResult(&bracket, slot(9), L"A", L"");
    setMatchResult(&bracket, slot(10), L"C", L"");
    setMatchResult(&bracket, slot(13), L"A", L"");
    ASSERT_NE(nullptr, semiFinalLoser(&bracket, 0));
    EXPECT_STREQ(L"C", semiFinalLoser(&bracket, 0));
    EXPECT_EQ(0, setThirdPlacePick(&bracket, L"A")) << "a finalist cannot play for third place";
    EXPECT_EQ(1, setMatchResult(&bracket, &bracket.thirdPlace, L"C", L"1-0"));

    // The semi-final changes: C is now in the final, so no longer a loser.
    applySlotText(&bracket, slot(13), L"C");
    EXPECT_STREQ(L"", bracket.thirdPlace.name);
    EXPECT_STREQ(L"", bracket.thirdPlace.result);
    EXPECT_STREQ(L"A", semiFinalLoser(&bracket, 0));

    setThirdPlacePick(&bracket, L"A");
    EXPECT_EQ(1, setThirdPlaceOn(&bracket, 0));
    EXPECT_STREQ(L"", bracket.thirdPlace.name) << "removing the match removes its pick";

    Bracket small;
    initBracket(&small, NULL);
    buildBracket(&small, 2);
    EXPECT_EQ(0, setThirdPlaceOn(&small, 1)) << "two teams have no semi-finals";
    resetBracket(&small);
}

// The property: random picks, results, outcomes (double walkovers
// included), times, toggles and semi-final changes keep every pick one of
// its feeders or empty and every double walkover passed on, at every step,
// undo to the start and redo to the end.
TEST_F(MatchResultsTest, RandomStepsKeepTheInvariantsAndUndoAndRedoExactly)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        discardUndoHistory(&bracket.history);
        std::mt19937 random(seed);
        std::vector<std::wstring> passed = {state()};
        for (int op = 0; op < 120; op++) {
            int kind = random() % 12;
            int position = bracket.history.position;
            if (kind < 4) {
                // A pick with a result and an outcome through the dialog;
                // double walkovers often, so that they meet and chain.
                BracketNode *node = slot(9 + random() % 7);
                const WCHAR *winner = random() % 2 ? node->left->name : node->right->name;
                std::wstring result = random() % 3 ? L"" : L"r" + std::to_wstring(op);
                int outcome = random() % 3 ? (int)(random() % OUTCOME_COUNT) : OUTCOME_DOUBLE_WALKOVER;
                step([&] { setMatchOutcome(&bracket, node, winner, result.c_str(), outcome); });
            } else if (kind >= 10) {
                // A time and a court, which no pick takes away.
                BracketNode *node = random() % 4 ? slot(9 + random() % 7) : &bracket.thirdPlace;
                std::wstring court = L"Court " + std::to_wstring(random() % 3);
                std::wstring time = random() % 2 ? L"" : L"2026-12-0" + std::to_wstring(1 + random() % 9) + L"T14:30";
                step([&] { setMatchSchedule(&bracket, node, court.c_str(), time.c_str()); });
            } else if (kind < 6) {
                // A semi-final changed or emptied.
                BracketNode *semi = slot(13 + random() % 2);
                const WCHAR *winner = random() % 3 == 0 ? L"" : (random() % 2 ? semi->left : semi->right)->name;
                step([&] { applySlotText(&bracket, semi, winner); });
            } else if (kind < 7) {
                step([&] { setThirdPlaceOn(&bracket, !bracket.thirdPlaceOn); });
            } else if (kind < 9) {
                const WCHAR *loser = semiFinalLoser(&bracket, random() % 2);
                std::wstring result = L"t" + std::to_wstring(op);
                int outcome = (int)(random() % OUTCOME_COUNT);
                step([&] { setMatchOutcome(&bracket, &bracket.thirdPlace, loser ? loser : L"", result.c_str(), outcome); });
            } else {
                int id = 1 + random() % 8;
                std::wstring name = std::wstring(1, (WCHAR)(L'A' + random() % 10));
                step([&] { applySlotText(&bracket, slot(id), name.c_str()); });
            }
            ASSERT_TRUE(invariantsHold()) << "after operation " << op << " of kind " << kind;
            if (bracket.history.position != position)
                passed.push_back(state());
            else
                ASSERT_EQ(passed.back(), state()) << "a step that recorded nothing changed something";
        }
        for (size_t i = passed.size() - 1; i > 0; i--) {
            ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
            ASSERT_EQ(passed[i - 1], state()) << "undo to state " << i - 1;
            ASSERT_TRUE(invariantsHold());
        }
        EXPECT_EQ(0, undoStep(&bracket, NULL, NULL));
        for (size_t i = 1; i < passed.size(); i++) {
            ASSERT_EQ(1, redoStep(&bracket, NULL, NULL));
            ASSERT_EQ(passed[i], state()) << "redo to state " << i;
        }
    }
}

} // namespace
