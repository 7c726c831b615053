// The bracket tree: shape, numbering, level walks and teardown for every
// team count the editor can meet, and recovery from failed allocations.
#include <gtest/gtest.h>

#include "model/bracket.h"
#include "model/heap.h"
#include "support/failing_allocation.h"

namespace {

struct TreeTest : ::testing::Test {
    Bracket bracket;
    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override { resetBracket(&bracket); }
};

int expectedSlots(int teamCount)
{
    int n = 1;
    while (teamCount > 1 && n < teamCount)
        n *= 2;
    return n;
}

// Checks every invariant of an open bracket: perfect shape, level ids,
// the node table, parent links and left-to-right level walks.
void expectInvariants(Bracket *b, int n)
{
    int d = 0;
    while ((1 << d) < n)
        d++;
    ASSERT_EQ(n, b->slotCount);
    ASSERT_EQ(d, b->depth);
    ASSERT_NE(nullptr, b->nodeTable);
    int id = 1;
    for (int k = d; k >= 0; k--) {
        int width = 1 << k;
        BracketNode *node = leftmostAtLevel(b, k);
        for (int j = 0; j < width; j++) {
            ASSERT_NE(nullptr, node) << "level " << k << " ends early at " << j;
            EXPECT_EQ((UINT)(2 * n - (2 << k) + j + 1), node->id) << "level " << k << " slot " << j;
            EXPECT_EQ((UINT)id, node->id);
            EXPECT_EQ(node, b->nodeTable[id - 1]) << "table entry for id " << id;
            if (k == d) {
                EXPECT_EQ(nullptr, node->left);
                EXPECT_EQ(nullptr, node->right);
            } else {
                ASSERT_NE(nullptr, node->left);
                ASSERT_NE(nullptr, node->right);
                EXPECT_EQ(node, node->left->parent);
                EXPECT_EQ(node, node->right->parent);
            }
            EXPECT_EQ(0, node->name[0]);
            EXPECT_EQ(nullptr, node->control);
            node = nextInLevel(node);
            id++;
        }
        EXPECT_EQ(nullptr, node) << "level " << k << " has more than " << width << " slots";
    }
    EXPECT_EQ(&b->root, b->nodeTable[2 * n - 2]);
    EXPECT_EQ(nullptr, b->root.parent);
}

TEST_F(TreeTest, EveryTeamCountBuildsAPerfectNumberedTree)
{
    for (int count = -1; count <= MAX_TEAM_COUNT; count++) {
        SCOPED_TRACE(count);
        ASSERT_EQ(1, buildBracket(&bracket, count));
        expectInvariants(&bracket, expectedSlots(count));
        resetBracket(&bracket);
        EXPECT_EQ(0, bracket.slotCount);
        EXPECT_EQ(nullptr, bracket.nodeTable);
        EXPECT_EQ(nullptr, bracket.root.left);
    }
}

TEST_F(TreeTest, SmallBracketsHaveTheDocumentedIds)
{
    ASSERT_EQ(1, buildBracket(&bracket, 4));
    EXPECT_EQ(2, bracket.depth);
    EXPECT_EQ(7u, bracket.root.id);
    EXPECT_EQ(5u, bracket.root.left->id);
    EXPECT_EQ(6u, bracket.root.right->id);
    EXPECT_EQ(1u, bracket.root.left->left->id);
    EXPECT_EQ(4u, bracket.root.right->right->id);
    resetBracket(&bracket);

    ASSERT_EQ(1, buildBracket(&bracket, 6));
    EXPECT_EQ(8, bracket.slotCount);
    EXPECT_EQ(15u, bracket.root.id);
    resetBracket(&bracket);

    ASSERT_EQ(1, buildBracket(&bracket, 0));
    EXPECT_EQ(1, bracket.slotCount);
    EXPECT_EQ(0, bracket.depth);
    EXPECT_EQ(1u, bracket.root.id);
    EXPECT_EQ(&bracket.root, bracket.nodeTable[0]);
    EXPECT_EQ(nullptr, nextInLevel(&bracket.root));
}

TEST_F(TreeTest, CountsAboveTheBoundAreRefusedAndLeaveTheRecordEmpty)
{
    for (int count : {257, 1000, 0x40000001, 0x7fffffff}) {
        EXPECT_EQ(0, buildBracket(&bracket, count)) << count;
        EXPECT_EQ(0, bracket.slotCount);
        EXPECT_EQ(nullptr, bracket.nodeTable);
        EXPECT_EQ(nullptr, bracket.root.left);
    }
    EXPECT_EQ(1, buildBracket(&bracket, 256)) << "the bound itself is allowed";
}

TEST_F(TreeTest, WalkingALevelOf16VisitsIdsInOrder)
{
    ASSERT_EQ(1, buildBracket(&bracket, 16));
    UINT expected = 1;
    for (BracketNode *node = leftmostAtLevel(&bracket, 4); node; node = nextInLevel(node))
        EXPECT_EQ(expected++, node->id);
    EXPECT_EQ(17u, expected);
    EXPECT_EQ(&bracket.root, leftmostAtLevel(&bracket, 0));
    EXPECT_EQ(1u, leftmostAtLevel(&bracket, 99)->id) << "stops at the base slot";
}

TEST_F(TreeTest, AFailedAllocationAnywhereLeavesAnEmptyUsableRecordAndNoLeak)
{
    const int allocationsFor64 = 2 * 64 - 2 + 1;  // nodes below the root, and the table
    for (int failAt = 0; failAt < allocationsFor64; failAt++) {
        SCOPED_TRACE(failAt);
        LONG before = liveBlockCount();
        {
            FailingAllocations failing(failAt);
            EXPECT_EQ(0, buildBracket(&bracket, 64));
        }
        EXPECT_EQ(0, bracket.slotCount);
        EXPECT_EQ(0, bracket.depth);
        EXPECT_EQ(nullptr, bracket.nodeTable);
        EXPECT_EQ(nullptr, bracket.root.left);
        EXPECT_EQ(nullptr, bracket.root.right);
        EXPECT_EQ(before, liveBlockCount()) << "blocks of the partial tree were not freed";
    }
    {
        FailingAllocations failing(allocationsFor64);
        EXPECT_EQ(1, buildBracket(&bracket, 64)) << "exactly this many allocations are needed";
    }
    expectInvariants(&bracket, 64);
}

TEST_F(TreeTest, AThousandBuildsOf64KeepTheHeapFlat)
{
    ASSERT_EQ(1, buildBracket(&bracket, 64));
    resetBracket(&bracket);
    LONG before = liveBlockCount();
    for (int i = 0; i < 1000; i++) {
        ASSERT_EQ(1, buildBracket(&bracket, 64));
        resetBracket(&bracket);
    }
    EXPECT_EQ(before, liveBlockCount());
}

TEST_F(TreeTest, TeardownDestroysEveryControlAndResetKeepsTheModule)
{
    ASSERT_EQ(1, buildBracket(&bracket, 8));
    HWND windows[15];
    for (int i = 0; i < 15; i++) {
        windows[i] = CreateWindowExW(0, L"ComboBox", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, windows[i]);
        bracket.nodeTable[i]->control = windows[i];
    }
    lstrcpyW(bracket.title, L"Cup");
    bracket.dirty = 1;
    resetBracket(&bracket);
    for (int i = 0; i < 15; i++)
        EXPECT_FALSE(IsWindow(windows[i])) << "control of slot " << i + 1 << " survived";
    EXPECT_EQ(0, bracket.title[0]);
    EXPECT_EQ(0, bracket.dirty);
    EXPECT_EQ(GetModuleHandleW(NULL), bracket.resourceModule);
}

TEST_F(TreeTest, FreeBracketReleasesTheRecordAndItsTree)
{
    resetBracket(&bracket);
    LONG before = liveBlockCount();
    Bracket *record = (Bracket *)allocBlock(sizeof(Bracket));
    ASSERT_NE(nullptr, record);
    initBracket(record, GetModuleHandleW(NULL));
    ASSERT_EQ(1, buildBracket(record, 32));
    freeBracket(record);
    EXPECT_EQ(before, liveBlockCount());
}

}  // namespace
