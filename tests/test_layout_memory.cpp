// The picture laid out again after a change copies from the last one
// whatever the change did not touch: after each result, schedule, rename,
// cleared pick, format change, undo and redo on random single- and
// double-elimination brackets it is item for item the picture laid out
// afresh.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/bracket.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/pick_rules.h"
#include "model/third_place.h"
#include "model/tree_settling.h"
#include "model/undo_history.h"
#include "support/bracket_invariants.h"
#include "ui/picture/picture_layout.h"

namespace {

struct LayoutMemoryTest : ::testing::Test {
    Bracket bracket;
    std::mt19937 random{20261209};
    LayoutMemory memory = {};
    PictureDescription pictures[2] = {}, fresh = {};
    int turn = 0;

    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override
    {
        for (PictureDescription &picture : pictures)
            freePictureDescription(&picture);
        freePictureDescription(&fresh);
        forgetLayoutMemory(&memory);
        resetBracket(&bracket);
    }

    // Into the description the last picture is not in, as the live page
    // lays its pictures out.
    void expectSameAsFresh(const std::string &change)
    {
        PictureDescription *next = &pictures[turn++ % 2];
        ASSERT_EQ(1, describeBracketPictureFollowing(&bracket, next, &memory)) << change;
        ASSERT_EQ(1, describeBracketPictureAgain(&bracket, &fresh)) << change;
        ASSERT_TRUE(samePictureDescription(next, &fresh)) << change;
    }

    BracketNode *anyOf(const std::vector<BracketNode *> &nodes) { return nodes[random() % nodes.size()]; }

    // A field of 4 to 32 with byes and seeds, put in place as the editor
    // puts a new bracket: the watchers hear of all of it.
    void draw()
    {
        int teams = 4 << (random() % 4);
        resetBracket(&bracket);
        ASSERT_EQ(1, buildBracket(&bracket, teams));
        for (int i = 0; i < teams; i++) {
            BracketNode *slot = bracket.nodeTable[i];
            slot->bye = i % 2 == 1 && random() % 5 == 0;
            if (!slot->bye)
                wsprintfW(slot->name, L"Player %02d with a longer name than most", i + 1);
            slot->seed = !slot->bye && i % 4 == 0 ? i / 4 + 1 : 0;
        }
        advanceUncontestedPicks(&bracket);
        if (random() % 3) {
            ASSERT_EQ(1, prepareLosersBracket(&bracket));
            setDoubleEliminationOn(&bracket, 1);
            setGrandFinalReset(&bracket, random() % 2);
        } else {
            setThirdPlaceOn(&bracket, 1);
        }
        discardUndoHistory(&bracket.history);
        tellUndoWatchers(&bracket, UNDO_ALL_SHOWN);
    }

    // One change as the editor makes it: one undo step. Returns what it
    // was, for the failure's message.
    std::string change()
    {
        std::vector<BracketNode *> all = heldMatches(&bracket);
        BracketNode *match = anyOf(all);
        int kind = random() % 8;
        if (kind == 6)
            return undoStep(&bracket, NULL, NULL) ? "undo" : "nothing to undo";
        if (kind == 7)
            return redoStep(&bracket, NULL, NULL) ? "redo" : "nothing to redo";
        beginUndoStep(&bracket, 0);
        std::string what;
        if (kind <= 2 && isMatchReady(&bracket, match)) {
            const WCHAR *first, *second;
            matchEntrants(&bracket, match, &first, &second);
            std::wstring winner = random() % 2 ? first : second, score = L"21:" + std::to_wstring(random() % 20);
            int outcome = random() % OUTCOME_COUNT;
            setMatchOutcome(&bracket, match, outcome == OUTCOME_DOUBLE_WALKOVER ? L"" : winner.c_str(),
                            score.c_str(), outcome);
            what = "result";
        } else if (kind == 3) {
            // Two days now and then, so the times take their date.
            WCHAR time[32];
            wsprintfW(time, L"2026-12-%02dT%02d:%02d", 9 + (int)(random() % 4 == 0), 9 + (int)(random() % 8),
                      15 * (int)(random() % 4));
            setMatchSchedule(&bracket, match, random() % 3 ? L"Court 2" : L"", random() % 4 ? time : L"");
            what = "schedule";
        } else if (kind == 4) {
            BracketNode *slot = bracket.nodeTable[random() % bracket.slotCount];
            WCHAR name[64];
            wsprintfW(name, L"Renamed %u", (unsigned)(random() % 1000));
            if (!slot->bye)
                applySlotText(&bracket, slot, name);
            what = "rename";
        } else if (kind == 5 && match->parent) {
            applySlotText(&bracket, match, L"");
            what = "cleared pick";
        } else if (bracket.losers.on) {
            setGrandFinalReset(&bracket, !bracket.losers.reset);
            what = "reset";
        } else {
            setThirdPlaceOn(&bracket, !bracket.thirdPlaceOn);
            what = "third place";
        }
        endUndoStep(&bracket);
        return what;
    }
};

TEST_F(LayoutMemoryTest, EachPictureIsTheOneLaidOutAfresh)
{
    for (int event = 0; event < 12; event++) {
        draw();
        expectSameAsFresh("drawn");
        for (int step = 0; step < 40 && !HasFatalFailure(); step++)
            expectSameAsFresh("event " + std::to_string(event) + ", step " + std::to_string(step) + ": " + change());
        // A title changed outside a step is told as the editor tells it.
        lstrcpyW(bracket.title, event % 2 ? L"Spring <Open>" : L"Cup");
        tellUndoWatchers(&bracket, NULL);
        expectSameAsFresh("title");
        ASSERT_FALSE(HasFatalFailure());
    }
}

} // namespace
