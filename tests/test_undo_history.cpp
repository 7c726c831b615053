// The undo history on the model alone: what makes one step, how the dirty
// flag follows undo and redo to and from the save point, the bound on the
// steps kept, and what a failed allocation costs (the history, never the
// edit).
#include <gtest/gtest.h>

#include "model/bracket.h"
#include "model/heap.h"
#include "model/pick_rules.h"
#include "model/undo_history.h"
#include "support/failing_allocation.h"

namespace {

struct UndoHistoryTest : ::testing::Test {
    Bracket bracket;

    void SetUp() override
    {
        initBracket(&bracket, GetModuleHandleW(NULL));
        ASSERT_EQ(1, buildBracket(&bracket, 8));
        // 8 teams: base 1..8, round two 9..12, semi-finals 13..14, final 15.
        const WCHAR *teams[] = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H"};
        for (int id = 1; id <= 8; id++)
            lstrcpyW(slot(id)->name, teams[id - 1]);
        lstrcpyW(slot(9)->name, L"A");
        lstrcpyW(slot(13)->name, L"A");
        lstrcpyW(slot(15)->name, L"A");
        lstrcpyW(bracket.title, L"Cup");
        bracket.dirty = 0;  // as a load leaves it
    }
    void TearDown() override { resetBracket(&bracket); }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }

    // A keystroke in a base slot as the main window records it.
    void type(int id, const WCHAR *text)
    {
        beginUndoStep(&bracket, (UINT)id);
        applySlotText(&bracket, slot(id), text);
        endUndoStep(&bracket);
    }
    void pick(int id, const WCHAR *text)
    {
        beginUndoStep(&bracket, 0);
        applySlotText(&bracket, slot(id), text);
        endUndoStep(&bracket);
    }
    int undo() { return undoStep(&bracket, NULL, NULL); }
    int redo() { return redoStep(&bracket, NULL, NULL); }
};

// Keystrokes in one slot gather into one step with the picks the first of
// them cleared; losing the focus ends the step.
TEST_F(UndoHistoryTest, TypingInOneSlotIsOneStepWithItsCascade)
{
    type(1, L"Ax");
    EXPECT_STREQ(L"", slot(15)->name) << "the cascade cleared the champion";
    type(1, L"Axe");
    type(1, L"Axes");
    endUndoTyping(&bracket);
    type(1, L"Axes!");

    ASSERT_EQ(1, undo()) << "the keystroke after the focus came back";
    EXPECT_STREQ(L"Axes", slot(1)->name);
    ASSERT_EQ(1, undo()) << "the three first keystrokes together";
    EXPECT_STREQ(L"A", slot(1)->name);
    EXPECT_STREQ(L"A", slot(9)->name);
    EXPECT_STREQ(L"A", slot(13)->name);
    EXPECT_STREQ(L"A", slot(15)->name);
    EXPECT_EQ(0, bracket.dirty) << "back where the file was loaded";
    EXPECT_EQ(0, undo()) << "nothing older";

    ASSERT_EQ(1, redo());
    EXPECT_STREQ(L"Axes", slot(1)->name);
    EXPECT_STREQ(L"", slot(9)->name);
    EXPECT_EQ(1, bracket.dirty);
}

// Another kind of step between two keystrokes of the same slot splits them,
// and typing back the old text leaves no step to undo, though the bracket
// stays dirty as any text change makes it.
TEST_F(UndoHistoryTest, StepsOnlyHoldWhatReallyChanged)
{
    type(2, L"Bx");
    type(2, L"B");
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(0, undo()) << "typed back to the same name: nothing to undo";

    pick(10, L"C");
    type(3, L"Cy");  // clears pick 10
    pick(11, L"E");
    type(3, L"Cyz");
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"Cy", slot(3)->name) << "the pick in between ended the typing step";
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"", slot(11)->name);
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"C", slot(3)->name);
    EXPECT_STREQ(L"C", slot(10)->name) << "the cleared pick came back with its slot";

    beginUndoStep(&bracket, 0);
    clearNonBasePicks(&bracket);
    clearNonBasePicks(&bracket);  // nested changes join the outer step
    endUndoStep(&bracket);
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"A", slot(15)->name);
    EXPECT_STREQ(L"C", slot(10)->name);
}

// Clean exactly at the save point; a new step made after undoing past it
// means no held position matches the file any more.
TEST_F(UndoHistoryTest, DirtyFollowsUndoAndRedoAroundTheSavePoint)
{
    pick(10, L"C");
    pick(11, L"E");
    bracket.dirty = 0;
    markUndoSavePoint(&bracket);
    pick(12, L"G");

    ASSERT_EQ(1, undo());
    EXPECT_EQ(0, bracket.dirty) << "at the save";
    ASSERT_EQ(1, undo());
    EXPECT_EQ(1, bracket.dirty) << "before the save";
    ASSERT_EQ(1, redo());
    EXPECT_EQ(0, bracket.dirty) << "at the save again";
    ASSERT_EQ(1, undo());
    pick(10, L"D");  // the saved state can no longer be redone
    EXPECT_EQ(0, redo()) << "a new step drops what could have been redone";
    ASSERT_EQ(1, undo());
    EXPECT_EQ(1, bracket.dirty) << "this is where the loaded file was, not the saved one";
    ASSERT_EQ(1, undo());
    EXPECT_EQ(1, bracket.dirty) << "the file was saved since: the load point no longer matches it";
}

// A new bracket matches no file at any step; a new title is a step.
TEST_F(UndoHistoryTest, ANewBracketIsNeverCleanAndTitlesAreSteps)
{
    forgetUndoSavePoint(&bracket);
    beginUndoStep(&bracket, 0);
    lstrcpyW(bracket.title, L"Final Four");
    endUndoStep(&bracket);
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"Cup", bracket.title);
    EXPECT_EQ(1, bracket.dirty);
}

// Only the newest thousand steps are kept; once the save point falls off,
// nothing is clean again until the next save.
TEST_F(UndoHistoryTest, TheHistoryKeepsTheNewestThousandSteps)
{
    for (int i = 0; i < UNDO_STEP_LIMIT + 5; i++)
        pick(9, (i % 2) ? L"A" : L"B");
    int undone = 0;
    while (undo())
        undone++;
    EXPECT_EQ(UNDO_STEP_LIMIT, undone);
    EXPECT_STREQ(L"B", slot(9)->name) << "the five oldest steps were dropped";
    EXPECT_EQ(1, bracket.dirty);
    LONG before = liveBlockCount();
    resetBracket(&bracket);
    EXPECT_EQ(before - UNDO_STEP_LIMIT - 2 - 14 - 1, liveBlockCount())
        << "steps, their table and snapshot, 14 nodes and the node table freed with the tree";
}

// Out of memory: the edit is made and kept, the history is gone.
TEST_F(UndoHistoryTest, AFailedAllocationDropsTheHistoryButKeepsTheEdit)
{
    pick(10, L"C");
    pick(11, L"E");
    ASSERT_EQ(1, undo());
    {
        FailingAllocations failing;
        pick(12, L"G");
    }
    EXPECT_STREQ(L"G", slot(12)->name);
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(0, undo()) << "no history left";
    EXPECT_EQ(0, redo());

    pick(12, L"H");  // recording works again
    ASSERT_EQ(1, undo());
    EXPECT_STREQ(L"G", slot(12)->name);
    EXPECT_EQ(1, bracket.dirty) << "no held position matches the file";
}

}  // namespace
