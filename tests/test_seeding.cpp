// A field of entrants made into a bracket, on the model alone: where seeds
// and byes stand for every field size, and how a pick a bye decides keeps
// following its entrant through renames, clears, validation, undo, a
// pasted list and a draw.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/pick_rules.h"
#include "model/seeding.h"
#include "model/team_list.h"
#include "model/undo_history.h"

namespace {

std::wstring entrantList(int count)
{
    std::wstring text;
    for (int i = 1; i <= count; i++)
        text += L"E" + std::to_wstring(i) + L"\r\n";
    return text;
}

// Always the first slot: a fixed draw that still moves every name, so the
// random placement is reproducible. The count proves the source was asked.
int firstChoice(UINT, UINT *value, void *calls)
{
    ++*(int *)calls;
    *value = 0;
    return 1;
}

struct SeedingTest : ::testing::Test {
    Bracket bracket;
    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override { resetBracket(&bracket); }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    void fromList(int entrants, int placement)
    {
        int calls = 0;
        ASSERT_EQ(1, buildBracketFromList(&bracket, entrantList(entrants).c_str(), placement, firstChoice, &calls));
    }
    // The entrant number ("E7" -> 7) a slot holds, 0 for none.
    int entrantIn(int id) { return slot(id)->name[0] ? _wtoi(slot(id)->name + 1) : 0; }
};

// Base slots run down the left column, then down the right, so the table
// is read in that order; the seed above 2 in its pair is listed second.
TEST_F(SeedingTest, SixteenSlotsFollowTheKnownTable)
{
    int seeds[16];
    ASSERT_EQ(1, seedPlacement(16, seeds));
    const int expected[16] = {1, 16, 9, 8, 5, 12, 13, 4, 3, 14, 11, 6, 7, 10, 15, 2};
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(expected[i], seeds[i]) << "slot " << i + 1;
    EXPECT_EQ(0, seedPlacement(12, seeds)) << "only powers of two have a placement";
}

// Every field size from 2 to 256, seeded.
TEST_F(SeedingTest, EveryFieldSizeGetsItsSeedsAndByesRight)
{
    for (int entrants = MIN_ENTRANT_COUNT; entrants <= MAX_TEAM_COUNT; entrants++) {
        SCOPED_TRACE("entrants " + std::to_string(entrants));
        fromList(entrants, PLACE_SEEDED);
        int n = bracket.slotCount;
        ASSERT_TRUE(n >= entrants && n / 2 < entrants) << "smallest power of two";
        std::vector<int> slotOfSeed(n + 1, -1);
        std::set<int> placed;
        int byes = 0;
        for (int id = 1; id <= n; id++) {
            BracketNode *s = slot(id);
            if (s->bye) {
                byes++;
                ASSERT_STREQ(L"", s->name);
                ASSERT_EQ(0, s->seed);
                continue;
            }
            ASSERT_TRUE(placed.insert(entrantIn(id)).second) << "entrant twice: " << entrantIn(id);
            ASSERT_EQ(entrantIn(id), s->seed) << "list line n is seed n";
            slotOfSeed[s->seed] = id - 1;
        }
        ASSERT_EQ(entrants, (int)placed.size());
        ASSERT_EQ(n - entrants, byes);
        for (int id = 1; id <= n; id += 2) {
            BracketNode *a = slot(id), *b = slot(id + 1);
            ASSERT_FALSE(a->bye && b->bye) << "bye against bye at slot " << id;
            if (a->bye || b->bye) {
                BracketNode *seed = a->bye ? b : a;
                ASSERT_LE(seed->seed, n - entrants) << "a bye goes to a top seed";
                ASSERT_STREQ(seed->name, seed->parent->name) << "the bye's pick is made";
            } else {
                ASSERT_EQ(n + 1, a->seed + b->seed) << "pair at slot " << id;
                ASSERT_STREQ(L"", a->parent->name);
            }
        }
        // Seeds 1 .. 2^k in 2^k different sections of n / 2^k slots.
        for (int sections = 2; sections <= n; sections *= 2) {
            std::set<int> used;
            for (int seed = 1; seed <= sections && seed <= entrants; seed++)
                ASSERT_TRUE(used.insert(slotOfSeed[seed] / (n / sections)).second)
                    << "seed " << seed << " shares a section of " << n / sections;
        }
        ASSERT_EQ(0, slotOfSeed[1]) << "seed 1 first";
        ASSERT_EQ(n - 1, slotOfSeed[2]) << "seed 2 last";
        resetBracket(&bracket);
    }
}

// The other two placements keep the seeded byes (slots 2, 7, 10 and 15 for
// twelve) and carry no seeds: as listed fills the other slots in order, a
// draw (here always taking the first slot left) moves the names about.
TEST_F(SeedingTest, ListedAndDrawnFieldsKeepTheSeededByes)
{
    for (int placement : {PLACE_AS_LISTED, PLACE_RANDOM}) {
        fromList(12, placement);
        std::wstring order;
        for (int id = 1; id <= 16; id++) {
            EXPECT_EQ(id == 2 || id == 7 || id == 10 || id == 15, slot(id)->bye) << "slot " << id;
            EXPECT_EQ(0, slot(id)->seed);
            order += std::to_wstring(entrantIn(id)) + L" ";
        }
        if (placement == PLACE_AS_LISTED)
            EXPECT_EQ(L"1 0 2 3 4 5 0 6 7 0 8 9 10 11 0 12 ", order);
        else
            EXPECT_NE(L"1 0 2 3 4 5 0 6 7 0 8 9 10 11 0 12 ", order);
        EXPECT_STREQ(slot(1)->name, slot(17)->name) << "the pick over the bye";
        resetBracket(&bracket);
    }
}

// Twelve entrants: seeds 1-4 face byes in slots 2, 15, 7 and 10.
TEST_F(SeedingTest, APickDecidedByAByeFollowsItsEntrantThroughEveryChange)
{
    fromList(12, PLACE_SEEDED);
    ASSERT_TRUE(slot(2)->bye);
    ASSERT_STREQ(L"E1", slot(17)->name);

    // A rename carries the pick along, and the champion's pick that held
    // the old name is cleared as for any rename.
    lstrcpyW(slot(25)->name, L"E1");
    lstrcpyW(slot(29)->name, L"E1");
    lstrcpyW(slot(31)->name, L"E1");
    beginUndoStep(&bracket, 1);
    applySlotText(&bracket, slot(1), L"Ada");
    endUndoStep(&bracket);
    EXPECT_STREQ(L"Ada", slot(17)->name);
    EXPECT_STREQ(L"", slot(31)->name);

    // One undo puts back the name and the pick together.
    ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
    EXPECT_STREQ(L"E1", slot(1)->name);
    EXPECT_STREQ(L"E1", slot(17)->name);
    EXPECT_STREQ(L"E1", slot(31)->name);

    EXPECT_EQ(1, validatePicks(&bracket, 1));
    clearNonBasePicks(&bracket);
    for (int id : {17, 24, 20, 21})
        EXPECT_NE(L"", std::wstring(slot(id)->name)) << "bye pick " << id << " stays";
    EXPECT_STREQ(L"", slot(18)->name) << "an ordinary pick is cleared";

    // A pasted list passes over the byes.
    int filled = fillBaseSlotsFromList(&bracket, slot(1), L"A\nB\nC\n");
    EXPECT_EQ(3, filled);
    EXPECT_STREQ(L"A", slot(1)->name);
    EXPECT_STREQ(L"", slot(2)->name);
    EXPECT_STREQ(L"B", slot(3)->name);
    EXPECT_STREQ(L"A", slot(17)->name);

    // A draw moves names but never onto a bye.
    int calls = 0;
    ASSERT_EQ(1, shuffleBaseSlots(&bracket, firstChoice, &calls));
    for (int id : {2, 7, 10, 15}) {
        EXPECT_STREQ(L"", slot(id)->name) << "bye " << id;
        EXPECT_NE(L"", std::wstring(slot(id)->parent->name)) << "the pick over bye " << id;
    }
}

}  // namespace
