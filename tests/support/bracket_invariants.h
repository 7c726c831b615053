// Checks shared by the suites that feed the editor hostile or repeated
// input: is an open bracket whole, and did a refused operation leave it
// exactly as it was?
#ifndef DUELMARK_TESTS_BRACKET_INVARIANTS_H
#define DUELMARK_TESTS_BRACKET_INVARIANTS_H

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bracket.h"

// Perfect tree of slotCount leaves, level ids, node table, parent links,
// names within capacity, and every slot's control alive and bound back to
// its node (when withControls is set).
::testing::AssertionResult bracketIsConsistent(Bracket *bracket, bool withControls);

// Every match the bracket holds: the tree's, the third-place match while
// it is on, the losers' while double elimination is.
std::vector<BracketNode *> heldMatches(Bracket *bracket);

// Every field of every match (the tree's, the third-place match with its
// switch, the losers' while their nodes exist), as one text, from the one
// table of a match's fields: a field added there is compared at once.
std::wstring matchFingerprint(Bracket *bracket);

// What a user could see of the open bracket and the window.
struct BracketSnapshot {
    int slotCount = 0;
    int dirty = 0;
    std::wstring title;
    std::wstring caption;
    std::vector<std::wstring> names;
    std::wstring matches;  // matchFingerprint
    std::vector<HWND> controls;
    std::vector<std::wstring> controlTexts;
};

BracketSnapshot takeSnapshot(Bracket *bracket, HWND window);
::testing::AssertionResult sameSnapshot(const BracketSnapshot &before, const BracketSnapshot &after);

#endif
