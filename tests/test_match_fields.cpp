// The one table of a match's fields is what undo, the writer and the reader
// go by: every field of it, on every kind of match, must come back through
// an undo and a redo and through a save and an open. A field added to the
// table that one of them leaves out fails here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/bracket_writer.h"
#include "model/losers_bracket.h"
#include "model/match_fields.h"
#include "model/undo_history.h"
#include "support/bracket_file_fixture.h"
#include "support/bracket_invariants.h"

namespace {

using MatchFieldsTest = BracketFileTest;

// A value the reader keeps for the field: a valid time, an outcome that
// needs a winner, the match's own entrant as its pick.
void fillField(MatchValues match, int field, const WCHAR *entrant)
{
    WCHAR *text = matchFieldText(match, field);
    const MatchFieldRow &row = MATCH_FIELDS[field];
    if (row.kind == KIND_OUTCOME)
        *matchFieldNumber(match, field) = OUTCOME_RETIRED;
    else if (field == FIELD_NAME)
        lstrcpynW(text, entrant, row.capacity);
    else if (row.kind == KIND_TIME)
        lstrcpynW(text, L"2026-12-08T10:30", row.capacity);
    else
        lstrcpynW(text, (std::wstring(row.attribute) + L" 2").c_str(), row.capacity);
}

TEST_F(MatchFieldsTest, EveryFieldOfEveryKindOfMatchComesBackThroughUndoAndTheFile)
{
    for (bool doubleElimination : {false, true}) {
        SCOPED_TRACE(doubleElimination ? "losers' bracket" : "third place");
        build(8, L"Cup");
        // T1, T3, T5, T7 win the first round; T1 beats T3 and T5, so T2 and
        // T4 meet in the losers' first match and T3 plays for third place.
        const WCHAR *picks[] = {L"T1", L"T3", L"T5", L"T7", L"T1", L"T5", L"T1"};
        for (int id = 9; id <= 15; id++)
            setName(id, picks[id - 9]);
        std::vector<std::pair<MatchValues, const WCHAR *>> matches = {{nodeValues(slot(9)), L"T1"}};
        if (doubleElimination) {
            ASSERT_EQ(1, prepareLosersBracket(&bracket));
            bracket.losers.on = 1;
            matches.push_back({nodeValues(losersMatch(&bracket, 1)), L"T2"});
            matches.push_back({nodeValues(grandFinal(&bracket)), L"T1"});
        } else {
            bracket.thirdPlaceOn = 1;
            matches.push_back({nodeValues(&bracket.thirdPlace), L"T3"});
        }
        std::wstring before = matchFingerprint(&bracket);
        beginUndoStep(&bracket, 0);
        for (auto &match : matches)
            for (int field = 0; field < MATCH_FIELD_COUNT; field++)
                fillField(match.first, field, match.second);
        endUndoStep(&bracket);
        std::wstring after = matchFingerprint(&bracket);
        ASSERT_NE(before, after);

        ASSERT_EQ(1, undoStep(&bracket, NULL, NULL));
        EXPECT_EQ(before, matchFingerprint(&bracket));
        ASSERT_EQ(1, redoStep(&bracket, NULL, NULL));
        EXPECT_EQ(after, matchFingerprint(&bracket));

        std::wstring path = pathOf(L"fields.xml");
        SaveReport saved;
        ASSERT_EQ(1, writeBracketFile(&bracket, path.c_str(), &saved));
        ASSERT_EQ(1, readFile(path));
        EXPECT_EQ(after, matchFingerprint(&bracket));
        resetBracket(&bracket);
    }
}

}  // namespace
