// Double elimination on the model alone: where each losers' match takes
// its entrants from, and random tournaments of every size played to the end
// and undone step by step.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/bracket.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/pick_rules.h"
#include "support/bracket_invariants.h"
#include "model/seeding.h"
#include "model/team_draw.h"
#include "model/undo_history.h"

namespace {

// Eight slots: base 1..8, winners' round 1 is 9..12, the semi-finals 13
// and 14, the final 15. Losers' round 1 pairs the losers of 9 v 10 and of
// 11 v 12; round 2 crosses the semi-finals' losers over (match 1 meets
// the loser of 14, match 2 the loser of 13); round 3 pairs round 2's
// winners; round 4, the losers' final, meets the loser of the final. The
// grand final (7) and its reset (8) are the final's winner v match 6's.
TEST(LosersBracketStructure, EightSlotsTakeTheirEntrantsFromTheseMatches)
{
    Bracket bracket;
    initBracket(&bracket, NULL);
    ASSERT_EQ(1, buildBracket(&bracket, 8));
    ASSERT_EQ(1, prepareLosersBracket(&bracket));
    struct Expected {
        int loserOf[2];   // winners' ids whose loser drops in, or 0
        int winnerOf[2];  // losers' numbers whose winner comes on, or 0
        int round, position;
    } table[] = {
        {{9, 10}, {0, 0}, 1, 1}, {{11, 12}, {0, 0}, 1, 2}, {{0, 14}, {1, 0}, 2, 1}, {{0, 13}, {2, 0}, 2, 2},
        {{0, 0}, {3, 4}, 3, 1},  {{0, 15}, {5, 0}, 4, 1},
    };
    EXPECT_EQ(6, losersMatchCount(&bracket));
    EXPECT_EQ(4, losersRoundCount(&bracket));
    for (int k = 1; k <= 6; k++) {
        LosersFeeder feeders[2];
        losersFeeders(&bracket, k, feeders);
        int round, position;
        losersRoundOf(&bracket, k, &round, &position);
        EXPECT_EQ(table[k - 1].round, round) << "match " << k;
        EXPECT_EQ(table[k - 1].position, position) << "match " << k;
        for (int side = 0; side < 2; side++) {
            const Expected &e = table[k - 1];
            ASSERT_NE(nullptr, feeders[side].match);
            if (e.loserOf[side]) {
                EXPECT_TRUE(feeders[side].loser) << "match " << k << " side " << side;
                EXPECT_EQ((UINT)e.loserOf[side], feeders[side].match->id) << "match " << k << " side " << side;
            } else {
                EXPECT_FALSE(feeders[side].loser);
                EXPECT_EQ(e.winnerOf[side], losersNumberOf(&bracket, feeders[side].match)) << "match " << k;
            }
        }
    }
    for (int k = 7; k <= 8; k++) {
        LosersFeeder feeders[2];
        losersFeeders(&bracket, k, feeders);
        EXPECT_EQ(&bracket.root, feeders[0].match);
        EXPECT_EQ(6, losersNumberOf(&bracket, feeders[1].match));
    }
    resetBracket(&bracket);
}

struct Tournament {
    Bracket bracket;
    std::mt19937 random;
    std::map<std::wstring, int> losses;
    bool withdrawals = false;

    Tournament(int entrants, unsigned seed) : random(seed)
    {
        initBracket(&bracket, NULL);
        std::wstring list;
        for (int i = 1; i <= entrants; i++)
            list += L"P" + std::to_wstring(i) + L"\n";
        EXPECT_EQ(1, buildBracketFromList(&bracket, list.c_str(), PLACE_SEEDED, cryptoRandomBelow, NULL));
        EXPECT_EQ(1, prepareLosersBracket(&bracket));
        EXPECT_EQ(1, setDoubleEliminationOn(&bracket, 1));
    }
    ~Tournament() { resetBracket(&bracket); }

    // Every match both of whose entrants are known and that nobody decided.
    std::vector<BracketNode *> openMatches()
    {
        std::vector<BracketNode *> open;
        for (int id = bracket.slotCount + 1; id <= 2 * bracket.slotCount - 1; id++) {
            BracketNode *node = bracket.nodeTable[id - 1];
            if (!node->name[0] && !isWithdrawn(node) && node->left->name[0] && node->right->name[0])
                open.push_back(node);
        }
        for (int k = 1; k <= bracket.slotCount; k++) {
            BracketNode *match = losersMatch(&bracket, k);
            const WCHAR *first, *second;
            losersEntrants(&bracket, match, &first, &second);
            if (!match->name[0] && match->details.outcome != OUTCOME_DOUBLE_WALKOVER && first[0] && second[0])
                open.push_back(match);
        }
        return open;
    }

    // One match decided as one step: a winner at random, now and then a
    // double walkover.
    void play(BracketNode *match)
    {
        const WCHAR *first, *second;
        if (losersNumberOf(&bracket, match)) {
            losersEntrants(&bracket, match, &first, &second);
        } else {
            first = match->left->name;
            second = match->right->name;
        }
        std::wstring winner = random() % 2 ? first : second, loser = winner == first ? second : first;
        beginUndoStep(&bracket, 0);
        if (random() % 16 == 0) {
            withdrawals = true;
            EXPECT_EQ(1, setMatchOutcome(&bracket, match, L"", L"", OUTCOME_DOUBLE_WALKOVER));
        } else {
            EXPECT_EQ(1, setMatchOutcome(&bracket, match, winner.c_str(), L"6:4", OUTCOME_PLAYED));
            losses[loser]++;
        }
        endUndoStep(&bracket);
    }
};

// The drop in losers' round 2k comes from a winners' match whose winner is
// still in the winners' bracket: never the entrant it meets.
void expectNoRematchOfTheDrop(Bracket *bracket)
{
    for (int k = 1; k <= losersMatchCount(bracket); k++) {
        int round, position;
        losersRoundOf(bracket, k, &round, &position);
        LosersFeeder feeders[2];
        losersFeeders(bracket, k, feeders);
        const WCHAR *upper, *dropped;
        if (round % 2 || feederEntrant(bracket, &feeders[0], &upper) != ENTRANT_KNOWN ||
            feederEntrant(bracket, &feeders[1], &dropped) != ENTRANT_KNOWN)
            continue;
        EXPECT_STRNE(feeders[1].match->name, upper) << "losers' match " << k << " meets the one who just won";
    }
}

TEST(LosersBracketProperty, RandomTournamentsOfEverySizeEndAfterTwoLossesAndUndoToEveryState)
{
    for (int slots = 4; slots <= 256; slots *= 2) {
        for (unsigned seed = 1; seed <= 3; seed++) {
            std::mt19937 sizes(seed * 7919u + slots);
            int entrants = slots / 2 + 1 + (int)(sizes() % (slots / 2));
            Tournament t(entrants, seed);
            std::vector<std::wstring> states = {matchFingerprint(&t.bracket)};
            for (std::vector<BracketNode *> open = t.openMatches(); !open.empty(); open = t.openMatches()) {
                t.play(open[t.random() % open.size()]);
                states.push_back(matchFingerprint(&t.bracket));
                ASSERT_EQ(1, losersPicksValid(&t.bracket)) << slots << " slots: a pick names no entrant";
                expectNoRematchOfTheDrop(&t.bracket);
            }
            for (const auto &entry : t.losses)
                EXPECT_LE(entry.second, 2) << slots << " slots: " << entry.first.c_str() << " lost three times";
            if (!t.withdrawals) {
                std::wstring champion = tournamentChampion(&t.bracket);
                ASSERT_NE(L"", champion) << slots << " slots, " << entrants << " entrants: no champion";
                int alive = 0;
                for (int i = 1; i <= entrants; i++)
                    alive += t.losses[L"P" + std::to_wstring(i)] < 2;
                EXPECT_EQ(1, alive) << slots << " slots: only the champion has not lost twice";
                EXPECT_LE(t.losses[champion], 1) << "the champion lost once at most";
            }
            for (size_t step = states.size() - 1; step > 0; step--) {
                ASSERT_EQ(1, undoStep(&t.bracket, NULL, NULL));
                ASSERT_EQ(states[step - 1], matchFingerprint(&t.bracket)) << slots << " slots, undo to " << step - 1;
            }
            while (redoStep(&t.bracket, NULL, NULL))
                ;
            EXPECT_EQ(states.back(), matchFingerprint(&t.bracket)) << slots << " slots: redone to the end";
        }
    }
}

// A changed winners' pick takes the loser it dropped out of the losers'
// bracket as far as the first match that differs, whose score goes; the
// reset is played only when the losers' champion wins the grand final.
TEST(LosersBracketRules, ACascadeStopsAtTheFirstDifferenceAndTheResetFollowsTheGrandFinal)
{
    Tournament t(4, 1);
    Bracket *b = &t.bracket;
    BracketNode *semi1 = b->nodeTable[4], *semi2 = b->nodeTable[5], *final = b->nodeTable[6];
    ASSERT_EQ(1, applySlotText(b, semi1, semi1->left->name));
    ASSERT_EQ(1, applySlotText(b, semi2, semi2->left->name));
    std::wstring loser1 = semi1->right->name, loser2 = semi2->right->name;
    BracketNode *l1 = losersMatch(b, 1), *l2 = losersMatch(b, 2);
    ASSERT_EQ(1, setMatchOutcome(b, l1, loser1.c_str(), L"6:1", OUTCOME_PLAYED));
    EXPECT_EQ(0, setLosersPick(b, l2, loser2.c_str())) << "it lost its losers' match: it is out";
    ASSERT_EQ(1, applySlotText(b, final, semi1->name));
    ASSERT_EQ(1, setLosersPick(b, l2, loser1.c_str()));
    ASSERT_EQ(1, setMatchOutcome(b, grandFinal(b), loser1.c_str(), L"", OUTCOME_PLAYED));
    EXPECT_TRUE(isResetInPlay(b)) << "the winners' champion has lost once";
    EXPECT_STREQ(L"", tournamentChampion(b));
    ASSERT_EQ(1, setLosersPick(b, grandFinalReset(b), semi1->name));
    EXPECT_EQ(std::wstring(semi1->name), tournamentChampion(b));

    // The other semi-finalist wins the first semi-final after all.
    ASSERT_EQ(1, applySlotText(b, semi1, loser1.c_str()));
    EXPECT_STREQ(L"", l1->name) << "its pick named the entrant who no longer drops in";
    EXPECT_STREQ(L"", l1->result);
    EXPECT_STREQ(L"", l2->name);
    EXPECT_STREQ(L"", grandFinal(b)->name);
    EXPECT_FALSE(isResetInPlay(b));
    EXPECT_STREQ(L"", grandFinalReset(b)->name);
    EXPECT_EQ(1, losersPicksValid(b));
}

// One losers' round, or the grand final, takes its times and courts like a
// winners' round; a match a withdrawal (or a bye) leaves without an entrant
// is never played.
TEST(LosersBracketRules, ALosersRoundOrTheGrandFinalIsScheduledOnItsOwn)
{
    auto schedule = [](Bracket *b, int round) {
        ScheduleRequest request = {scheduleLosersRound(round), L"2026-12-08T10:00", 30, L"A, B", 0};
        return scheduleMatches(b, &request);
    };
    Tournament full(8, 2);
    Bracket *b = &full.bracket;
    for (int id = 9; id <= 12; id++)
        ASSERT_EQ(1, applySlotText(b, b->nodeTable[id - 1], b->nodeTable[id - 1]->left->name));
    ASSERT_EQ(1, setMatchOutcome(b, losersMatch(b, 1), L"", L"", OUTCOME_DOUBLE_WALKOVER));
    EXPECT_EQ(1, schedule(b, 1)) << "the withdrawn match is decided";
    EXPECT_STREQ(L"2026-12-08T10:00", losersMatch(b, 2)->details.time);
    EXPECT_STREQ(L"A", losersMatch(b, 2)->details.court);
    EXPECT_EQ(1, schedule(b, 2)) << "match 3 has nobody coming from match 1";
    EXPECT_STREQ(L"", losersMatch(b, 3)->details.time);
    EXPECT_EQ(1, schedule(b, 5)) << "the grand final, not its reset";
    EXPECT_STREQ(L"A", grandFinal(b)->details.court);
    EXPECT_STREQ(L"", grandFinalReset(b)->details.time);
    ASSERT_EQ(1, setDoubleEliminationOn(b, 0));
    EXPECT_EQ(0, schedule(b, 1)) << "no losers' bracket";
}

} // namespace
