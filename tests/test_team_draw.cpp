// The draw on the model alone: a Fisher-Yates shuffle that every order of
// the names comes out of equally often, that clears every pick, and that
// changes nothing when the random source fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "model/team_draw.h"

namespace {

struct TeamDrawTest : ::testing::Test {
    Bracket bracket;
    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override { resetBracket(&bracket); }
    void build(int teams)
    {
        ASSERT_EQ(1, buildBracket(&bracket, teams));
        for (int id = 1; id <= teams; id++)
            lstrcpyW(bracket.nodeTable[id - 1]->name, std::wstring(1, (WCHAR)(L'A' + id - 1)).c_str());
    }
    std::wstring order()
    {
        std::wstring names;
        for (int id = 1; id <= bracket.slotCount; id++)
            names += bracket.nodeTable[id - 1]->name;
        return names;
    }
};

int failingSource(UINT, UINT *, void *)
{
    return 0;
}

// 24,000 draws of four teams: each of the 24 orders should come out about
// 1,000 times. The chi-square bound of 60 (23 degrees of freedom) lies
// beyond the 99.99th percentile; the classic biased shuffle (swapping each
// slot with any slot) lands in the thousands.
TEST_F(TeamDrawTest, EveryOrderIsEquallyLikely)
{
    build(4);
    std::map<std::wstring, int> seen;
    for (int i = 0; i < 24000; i++) {
        ASSERT_EQ(1, shuffleBaseSlots(&bracket, cryptoRandomBelow, NULL));
        seen[order()]++;
    }
    ASSERT_EQ(24u, seen.size()) << "every order of four teams turns up";
    double chiSquare = 0;
    for (const auto &entry : seen)
        chiSquare += (entry.second - 1000.0) * (entry.second - 1000.0) / 1000.0;
    EXPECT_LT(chiSquare, 60.0);
}

TEST_F(TeamDrawTest, ADrawClearsEveryPickAndAFailingSourceChangesNothing)
{
    build(8);
    lstrcpyW(bracket.nodeTable[8]->name, L"A");
    lstrcpyW(bracket.nodeTable[14]->name, L"A");
    bracket.dirty = 0;
    EXPECT_EQ(0, shuffleBaseSlots(&bracket, failingSource, NULL));
    EXPECT_EQ(L"ABCDEFGH", order());
    EXPECT_STREQ(L"A", bracket.nodeTable[14]->name);
    EXPECT_EQ(0, bracket.dirty);

    ASSERT_EQ(1, shuffleBaseSlots(&bracket, cryptoRandomBelow, NULL));
    std::wstring drawn = order();
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(L"ABCDEFGH", drawn) << "the same teams, in another order";
    for (int id = 9; id <= 15; id++)
        EXPECT_STREQ(L"", bracket.nodeTable[id - 1]->name) << "pick " << id;
    EXPECT_EQ(1, bracket.dirty);
}

}  // namespace
