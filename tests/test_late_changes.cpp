// Changes to the entrants after the draw, on random brackets with results
// (single and double elimination, byes, seeds, a third-place match): a
// rename keeps every result, a swap and a withdrawal lose only what they
// must and the question names all of it, and undo walks back through every
// state the bracket passed.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/bracket.h"
#include "model/entrant_changes.h"
#include "model/entrant_name.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/pick_rules.h"
#include "model/played_results.h"
#include "model/third_place.h"
#include "model/tree_settling.h"
#include "model/undo_history.h"
#include "support/bracket_invariants.h"

namespace {

struct MatchState {
    BracketNode *match;
    std::wstring winner, result, first, second;
    int outcome;
    bool played;  // decided between two known entrants
};

struct LateChangesTest : ::testing::Test {
    Bracket bracket;
    std::mt19937 random;
    int fresh = 0;

    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override
    {
        freeEntrantList(&bracket.entrants);
        resetBracket(&bracket);
    }

    std::vector<MatchState> states()
    {
        std::vector<MatchState> all;
        for (BracketNode *match : heldMatches(&bracket)) {
            const WCHAR *first, *second;
            matchEntrants(&bracket, match, &first, &second);
            bool played = isMatchDecided(&bracket, match) && first[0] && second[0];
            all.push_back({match, match->name, match->result, first, second, match->details.outcome, played});
        }
        return all;
    }

    // Everything undo must bring back: every match's fields, the seeds and
    // the entrant list's names.
    std::wstring whole()
    {
        std::wstring text = matchFingerprint(&bracket) + L"|seeds";
        for (int i = 0; i < bracket.slotCount; i++)
            text += L" " + std::to_wstring(bracket.nodeTable[i]->seed);
        text += L"|list";
        for (int i = 0; i < bracket.entrants.count; i++)
            text += L" " + std::wstring(bracket.entrants.items[i].name);
        return text;
    }

    // A drawn field of 4 to 32 with byes, seeds, two reserves in the list,
    // a third-place match or double elimination, and about three matches
    // in four decided, each with a score and sometimes a walkover.
    void drawAndPlay()
    {
        int teams = 4 << (random() % 4);
        ASSERT_EQ(1, buildBracket(&bracket, teams));
        for (int i = 0; i < teams + 2; i++) {
            Entrant entrant = {};
            wsprintfW(entrant.name, L"Player %02d", i + 1);
            wsprintfW(entrant.club, L"Club %d", i % 3);
            if (i < teams) {
                BracketNode *slot = bracket.nodeTable[i];
                slot->bye = i % 2 == 1 && random() % 6 == 0;
                if (!slot->bye)
                    lstrcpyW(slot->name, entrant.name);
                slot->seed = !slot->bye && i % 4 == 0 ? i / 4 + 1 : 0;
            }
            ASSERT_EQ(1, addEntrant(&bracket.entrants, &entrant));
        }
        advanceUncontestedPicks(&bracket);
        if (random() % 2) {
            ASSERT_EQ(1, prepareLosersBracket(&bracket));
            setDoubleEliminationOn(&bracket, 1);
        } else {
            setThirdPlaceOn(&bracket, 1);
        }
        for (int pass = 0; pass < 4 * bracket.depth + 4; pass++) {
            for (BracketNode *match : heldMatches(&bracket)) {
                if (!isMatchReady(&bracket, match) || random() % 4 == 0)
                    continue;
                const WCHAR *first, *second;
                matchEntrants(&bracket, match, &first, &second);
                std::wstring winner = random() % 2 ? first : second;
                std::wstring score = L"11:" + std::to_wstring(random() % 10);
                int outcome = random() % 5 == 0 ? OUTCOME_WALKOVER : OUTCOME_PLAYED;
                setMatchOutcome(&bracket, match, winner.c_str(), score.c_str(), outcome);
            }
        }
        discardUndoHistory(&bracket.history);
    }

    BracketNode *anyNamedSlot()
    {
        std::vector<BracketNode *> named;
        for (int i = 0; i < bracket.slotCount; i++)
            if (bracket.nodeTable[i]->name[0])
                named.push_back(bracket.nodeTable[i]);
        return named[random() % named.size()];
    }

    // Every result played in the winners' bracket that the change had no
    // reason to touch (neither of its entrants is in spare) stands as it
    // was; the third-place match and the losers' bracket follow whoever
    // loses there, so a cleared pick may reach them.
    void expectUntouchedResultsStand(const std::vector<MatchState> &before, const std::vector<std::wstring> &spare)
    {
        for (const MatchState &was : before) {
            if (!was.played || !was.match->left)
                continue;
            bool involved = false;
            for (const std::wstring &name : spare)
                involved = involved || was.first == name || was.second == name;
            if (involved)
                continue;
            EXPECT_EQ(was.winner, std::wstring(was.match->name)) << "an unrelated result was lost";
            EXPECT_EQ(was.result, std::wstring(was.match->result));
            EXPECT_EQ(was.outcome, was.match->details.outcome);
        }
    }

    void rename()
    {
        BracketNode *slot = anyNamedSlot();
        std::wstring old = slot->name;
        std::vector<MatchState> before = states();
        std::wstring was = whole();
        bool oldListed = false;
        for (int i = 0; i < bracket.entrants.count; i++)
            oldListed = oldListed || old == bracket.entrants.items[i].name;
        // Another entrant's name in other letters is refused; so is a
        // reserve's; a name of one's own in other letters is taken.
        BracketNode *other = anyNamedSlot();
        std::wstring taken = other->name;
        CharLowerBuffW(&taken[0], (DWORD)taken.size());
        int choice = random() % 4;
        std::wstring name = choice == 0   ? taken
                            : choice == 1 ? std::wstring(bracket.entrants.items[bracket.entrants.count - 1].name)
                                          : L"Renamed " + std::to_wstring(++fresh);
        bool refused = choice == 0 ? other != slot : choice == 1 && name != old;
        ASSERT_EQ(refused ? 0 : 1, renameEntrant(&bracket, old.c_str(), name.c_str()));
        if (refused) {
            EXPECT_EQ(was, whole());
            return;
        }
        std::vector<MatchState> after = states();
        ASSERT_EQ(before.size(), after.size());
        for (size_t i = 0; i < before.size(); i++) {
            EXPECT_EQ(before[i].winner == old ? name : before[i].winner, after[i].winner);
            EXPECT_EQ(before[i].result, after[i].result);
            EXPECT_EQ(before[i].outcome, after[i].outcome);
            EXPECT_EQ(before[i].played, after[i].played);
        }
        bool listedNew = false, listedOld = false;
        for (int i = 0; i < bracket.entrants.count; i++) {
            listedNew = listedNew || name == bracket.entrants.items[i].name;
            listedOld = listedOld || old == bracket.entrants.items[i].name;
        }
        EXPECT_FALSE(listedOld && old != name) << "the list kept the old name";
        EXPECT_TRUE(listedNew || !oldListed) << "the list lost the entrant";
    }

    void swap()
    {
        BracketNode *first = anyNamedSlot(), *second = anyNamedSlot();
        if (first == second)
            return;
        std::wstring a = first->name, b = second->name;
        int seedA = first->seed, seedB = second->seed;
        std::vector<MatchState> before = states();
        PlayedResults noted;
        ASSERT_EQ(1, notePlayedResults(&bracket, &noted));
        ASSERT_EQ(1, swapEntrants(&bracket, first, second));
        int named = lostPlayedResults(&noted, NULL);
        EXPECT_EQ(b, std::wstring(first->name));
        EXPECT_EQ(a, std::wstring(second->name));
        EXPECT_EQ(seedB, first->seed);
        EXPECT_EQ(seedA, second->seed);
        expectUntouchedResultsStand(before, {a, b});
        // Whatever result went is among those the question names.
        for (const MatchState &was : before) {
            if (!was.played || (was.winner == was.match->name && was.result == was.match->result &&
                                was.outcome == was.match->details.outcome))
                continue;
            bool listed = false;
            for (int i = 0; i < named; i++)
                listed = listed || noted.items[i].match == was.match;
            EXPECT_TRUE(listed) << "a lost result was not named";
        }
        freePlayedResults(&noted);
    }

    void withdraw()
    {
        BracketNode *slot = anyNamedSlot();
        std::wstring name = slot->name;
        int seed = slot->seed;
        std::vector<MatchState> before = states();
        if (!entrantHasPlayed(&bracket, slot)) {
            std::wstring reserve = L"Reserve " + std::to_wstring(++fresh);
            for (int i = 0; i < bracket.entrants.count; i++)
                if (isReserve(&bracket, bracket.entrants.items[i].name) && random() % 2)
                    reserve = bracket.entrants.items[i].name;
            ASSERT_EQ(1, replaceEntrant(&bracket, slot, reserve.c_str()));
            EXPECT_EQ(reserve, std::wstring(slot->name));
            EXPECT_EQ(seed, slot->seed);
            expectUntouchedResultsStand(before, {});
            return;
        }
        int outcome = withdrawEntrant(&bracket, slot);
        expectUntouchedResultsStand(before, {});
        if (outcome != WITHDRAWN_BY_WALKOVER)
            return;
        int walkovers = 0;
        std::vector<MatchState> after = states();
        for (size_t i = 0; i < before.size(); i++) {
            if (before[i].played || !after[i].played || (after[i].first != name && after[i].second != name))
                continue;
            walkovers++;
            EXPECT_EQ(OUTCOME_WALKOVER, after[i].outcome);
            EXPECT_NE(name, after[i].winner);
        }
        EXPECT_LE(1, walkovers);
    }
};

TEST_F(LateChangesTest, ChangesKeepWhatTheyMustAndUndoThroughEveryState)
{
    for (unsigned seed = 1; seed <= 40; seed++) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        random.seed(seed);
        resetBracket(&bracket);
        freeEntrantList(&bracket.entrants);
        drawAndPlay();
        if (HasFatalFailure())
            return;
        std::vector<std::wstring> passed = {whole()};
        for (int op = 0; op < 12; op++) {
            int position = bracket.history.position;
            beginUndoStep(&bracket, 0);
            int kind = random() % 3;
            SCOPED_TRACE("op " + std::to_string(op) + " kind " + std::to_string(kind) + " losers " +
                         std::to_string(bracket.losers.on));
            switch (kind) {
            case 0: rename(); break;
            case 1: swap(); break;
            case 2: withdraw(); break;
            }
            endUndoStep(&bracket);
            if (HasFatalFailure())
                return;
            ASSERT_TRUE(bracketIsConsistent(&bracket, false));
            if (bracket.history.position != position)
                passed.push_back(whole());
        }
        for (size_t i = passed.size() - 1; i > 0; i--) {
            ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
            ASSERT_EQ(passed[i - 1], whole()) << "undo " << passed.size() - i;
        }
        while (redoStep(&bracket, NULL, NULL)) {
        }
        EXPECT_EQ(passed.back(), whole());
    }
}

}  // namespace
