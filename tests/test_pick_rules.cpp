// Pick rules on a real tree whose pick slots carry real comboboxes: the
// cascade of a name change, validation with and without clearing, and
// clearing every pick.
#include <gtest/gtest.h>

#include "model/bracket.h"
#include "model/pick_rules.h"
#include "ui/window/pick_controls.h"

namespace {

struct PickRulesTest : ::testing::Test {
    Bracket bracket;
    HWND owner = NULL;

    void SetUp() override
    {
        initBracket(&bracket, GetModuleHandleW(NULL));
        showRuledPicks(&bracket);
        owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 600, 400, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, owner);
    }
    void TearDown() override
    {
        resetBracket(&bracket);
        DestroyWindow(owner);
    }

    // Builds a bracket whose non-base slots each own a combobox holding
    // one item, "keep", so untouched controls can be told from blanked ones.
    void build(int teams)
    {
        ASSERT_EQ(1, buildBracket(&bracket, teams));
        for (int id = bracket.slotCount + 1; id <= 2 * bracket.slotCount - 1; id++) {
            HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
                                         0, 0, 78, 100, owner, NULL, NULL, NULL);
            ASSERT_NE(nullptr, combo);
            SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)L"keep");
            SendMessageW(combo, CB_SETCURSEL, 0, 0);
            slot(id)->control = combo;
        }
    }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    void name(int id, const WCHAR *text) { lstrcpyW(slot(id)->name, text); }

    // One blank item, selected: what a cleared pick's control must show.
    void expectBlanked(int id)
    {
        HWND combo = slot(id)->control;
        EXPECT_EQ(1, SendMessageW(combo, CB_GETCOUNT, 0, 0)) << "slot " << id;
        EXPECT_EQ(0, SendMessageW(combo, CB_GETCURSEL, 0, 0)) << "slot " << id;
        EXPECT_EQ(0, SendMessageW(combo, CB_GETLBTEXTLEN, 0, 0)) << "slot " << id;
    }
    void expectUntouched(int id)
    {
        WCHAR text[128] = L"";
        SendMessageW(slot(id)->control, CB_GETLBTEXT, 0, (LPARAM)text);
        EXPECT_STREQ(L"keep", text) << "control of slot " << id << " was touched";
    }
};

// 8 teams: base 1..8, round two 9..12, semi-finals 13..14, champion 15.
// Slot 1 feeds 9, which feeds 13, which feeds 15.
TEST_F(PickRulesTest, RenamingABaseSlotClearsEveryRoundItWasPickedIn)
{
    build(8);
    name(1, L"A");
    name(9, L"A");
    name(13, L"A");
    name(15, L"A");
    name(10, L"C");
    EXPECT_EQ(1, applySlotText(&bracket, slot(1), L"B"));
    EXPECT_STREQ(L"B", slot(1)->name);
    for (int id : {9, 13, 15}) {
        EXPECT_STREQ(L"", slot(id)->name) << id;
        expectBlanked(id);
    }
    EXPECT_STREQ(L"C", slot(10)->name);
    expectUntouched(10);
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(PickRulesTest, TheCascadeStopsAtTheFirstDifferentPick)
{
    build(8);
    name(1, L"A");
    name(9, L"A");
    name(13, L"C");
    name(15, L"A");  // not reached: 13 differs
    applySlotText(&bracket, slot(1), L"B");
    EXPECT_STREQ(L"", slot(9)->name);
    expectBlanked(9);
    EXPECT_STREQ(L"C", slot(13)->name);
    EXPECT_STREQ(L"A", slot(15)->name);
    expectUntouched(13);
    expectUntouched(15);
}

TEST_F(PickRulesTest, ChangingAPickClearsTheRoundsAboveThatCarriedIt)
{
    build(8);
    name(1, L"Lions");
    name(2, L"Tigers");
    name(9, L"Lions");
    name(13, L"Lions");
    name(15, L"Bears");
    applySlotText(&bracket, slot(9), L"Tigers");
    EXPECT_STREQ(L"Tigers", slot(9)->name);
    EXPECT_STREQ(L"", slot(13)->name);
    EXPECT_STREQ(L"Bears", slot(15)->name);
    expectUntouched(9) ;  // the sender already shows its new text
}

TEST_F(PickRulesTest, UnchangedTextAndEmptyOldNamesDisturbNothing)
{
    build(4);
    name(1, L"A");
    name(5, L"A");
    EXPECT_EQ(1, applySlotText(&bracket, slot(1), L"A"));
    EXPECT_EQ(0, bracket.dirty) << "same text must not mark the bracket dirty";
    EXPECT_STREQ(L"A", slot(5)->name);

    // An empty old name examines no ancestor, even empty ones.
    EXPECT_EQ(1, applySlotText(&bracket, slot(2), L"x"));
    expectUntouched(6);
    expectUntouched(7);
    EXPECT_EQ(1, bracket.dirty);

    // Names are compared case-sensitively.
    bracket.dirty = 0;
    EXPECT_EQ(1, applySlotText(&bracket, slot(1), L"a"));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_STREQ(L"", slot(5)->name);
}

TEST_F(PickRulesTest, NoBracketOrNoNodeIsNotHandled)
{
    BracketNode loose = {};
    EXPECT_EQ(0, applySlotText(&bracket, &loose, L"A")) << "no bracket is open";
    build(4);
    EXPECT_EQ(0, applySlotText(&bracket, NULL, L"A"));
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(PickRulesTest, ValidationFindsAndOptionallyClearsInvalidPicksBottomUp)
{
    build(4);
    name(1, L"A");
    name(2, L"B");
    name(3, L"C");
    name(4, L"D");
    name(5, L"X");  // matches neither feeder
    name(7, L"X");  // valid only while 5 holds X
    EXPECT_EQ(0, validatePicks(&bracket, 0));
    EXPECT_STREQ(L"X", slot(5)->name);
    EXPECT_STREQ(L"X", slot(7)->name);
    EXPECT_EQ(0, bracket.dirty);
    expectUntouched(5);

    EXPECT_EQ(0, validatePicks(&bracket, 1));
    EXPECT_STREQ(L"", slot(5)->name);
    EXPECT_STREQ(L"", slot(7)->name) << "the final became invalid in the same call";
    expectBlanked(5);
    expectBlanked(7);
    expectUntouched(6);
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ(1, validatePicks(&bracket, 0));
}

TEST_F(PickRulesTest, ValidPicksPassAndLeaveDirtyAlone)
{
    build(4);
    name(1, L"Same");
    name(2, L"Same");
    name(5, L"Same");  // equal to both feeders: valid
    name(3, L"C");
    name(6, L"C");
    name(7, L"C");
    EXPECT_EQ(1, validatePicks(&bracket, 1));
    EXPECT_EQ(0, bracket.dirty);
    name(5, L"same");
    EXPECT_EQ(0, validatePicks(&bracket, 0)) << "case differs, so the pick is invalid";
    // Characters a locale passes over still make another name.
    name(5, L"Sa\u200Bme");
    EXPECT_EQ(0, validatePicks(&bracket, 0)) << "a zero-width space";
    name(5, L"Sa\u00ADme");
    EXPECT_EQ(0, validatePicks(&bracket, 0)) << "a soft hyphen";

    resetBracket(&bracket);
    EXPECT_EQ(1, validatePicks(&bracket, 1)) << "no bracket open";
    ASSERT_EQ(1, buildBracket(&bracket, 1));
    name(1, L"Alone");
    EXPECT_EQ(1, validatePicks(&bracket, 1)) << "a lone champion's slot has nothing to check";
    EXPECT_STREQ(L"Alone", slot(1)->name);
}

TEST_F(PickRulesTest, ClearingPicksEmptiesEveryPickButNoBaseSlot)
{
    build(8);
    for (int id = 1; id <= 15; id++)
        name(id, L"T");
    clearNonBasePicks(&bracket);
    for (int id = 1; id <= 8; id++)
        EXPECT_STREQ(L"T", slot(id)->name) << id;
    for (int id = 9; id <= 15; id++) {
        EXPECT_STREQ(L"", slot(id)->name) << id;
        expectBlanked(id);
    }
    EXPECT_EQ(1, bracket.dirty);

    bracket.dirty = 0;
    clearNonBasePicks(&bracket);
    EXPECT_EQ(1, bracket.dirty) << "set even when nothing was left to clear";

    resetBracket(&bracket);
    clearNonBasePicks(&bracket);
    EXPECT_EQ(0, bracket.dirty) << "nothing happens with no bracket open";
}

}  // namespace
