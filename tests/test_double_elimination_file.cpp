// The losers' bracket and the grand final in the bracket file: written after
// the winners' Team elements, read back whole onto the window, questioned
// like any invalid pick, and ignored where the bracket cannot have one.
#include <gtest/gtest.h>

#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/pick_rules.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

using DoubleEliminationFileTest = BracketWindowTest;

std::wstring shown(HWND control)
{
    WCHAR text[NAME_CAPACITY] = L"";
    GetWindowTextW(control, text, NAME_CAPACITY);
    return text;
}

// 4 slots: semi-finals 5 and 6, final 7; losers' match 1 is the semi-finals'
// losers, match 2 its winner v the final's loser.
TEST_F(DoubleEliminationFileTest, TheLosersBracketAndGrandFinalRoundTripOntoTheWindow)
{
    build(4, L"Cup", true, false);
    ASSERT_EQ(1, prepareLosersBracket(&bracket));
    ASSERT_EQ(1, setDoubleEliminationOn(&bracket, 1));
    ASSERT_EQ(1, applySlotText(&bracket, slot(5), L"T1"));
    ASSERT_EQ(1, applySlotText(&bracket, slot(6), L"T4"));
    ASSERT_EQ(1, applySlotText(&bracket, slot(7), L"T1"));
    BracketNode *l1 = losersMatch(&bracket, 1), *l2 = losersMatch(&bracket, 2);
    ASSERT_EQ(1, setMatchOutcome(&bracket, l1, L"T2", L"6:0", OUTCOME_PLAYED));
    ASSERT_EQ(1, setMatchSchedule(&bracket, l1, L"Court 1", L"2026-12-08T10:00"));
    ASSERT_EQ(1, setMatchOutcome(&bracket, l2, L"T4", L"", OUTCOME_WALKOVER));
    ASSERT_EQ(1, setMatchOutcome(&bracket, grandFinal(&bracket), L"T4", L"", OUTCOME_PLAYED));
    ASSERT_EQ(1, setMatchOutcome(&bracket, grandFinalReset(&bracket), L"T1", L"3:2", OUTCOME_PLAYED));
    std::wstring path = pathOf(L"cup.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    std::string written = readFileBytes(path);
    EXPECT_NE(std::string::npos,
              written.find("<Team Name=\"T1\" id=\"7\"/><Losers Reset=\"1\">"
                           "<Team Name=\"T2\" id=\"1\" Score=\"6:0\" Court=\"Court 1\" Time=\"2026-12-08T10:00\"/>"
                           "<Team Name=\"T4\" id=\"2\" Status=\"walkover\"/></Losers>"
                           "<GrandFinal Name=\"T4\"/><GrandFinalReset Name=\"T1\" Score=\"3:2\"/></Games>"))
        << written;

    {
        ScopedDialogAnswer noQuestion(IDNO);
        ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
        EXPECT_EQ(0, noQuestion.answer.count);
    }
    ASSERT_EQ(1, bracket.losers.on);
    EXPECT_STREQ(L"T1", tournamentChampion(&bracket));
    for (int k = 1; k <= 4; k++) {
        ASSERT_NE(nullptr, losersMatch(&bracket, k)->control) << "losers' match " << k << " has its drop-down";
        EXPECT_EQ(std::wstring(losersMatch(&bracket, k)->name), shown(losersMatch(&bracket, k)->control));
    }
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(written, readFileBytes(path)) << "opened and saved again: byte for byte";
}

// Without Reset="1" the grand final is played once and nothing of a reset is
// read or written; a pick that names no entrant is the invalid-picks
// question's; a bracket of two slots has no losers' bracket at all.
TEST_F(DoubleEliminationFileTest, NoResetAnInvalidLosersPickAndATooSmallBracket)
{
    std::string file = teamsFile("4", "<Team Name='A' id='1'/><Team Name='B' id='2'/><Team Name='C' id='3'/>"
                                      "<Team Name='D' id='4'/><Team Name='A' id='5'/><Team Name='D' id='6'/>"
                                      "<Losers><Team Name='Z' id='1'/></Losers><GrandFinal Name=''/>"
                                      "<GrandFinalReset Name='A'/>");
    std::wstring path = fileWith(file);
    {
        ScopedDialogAnswer yes(IDYES);
        ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
        EXPECT_EQ(1, yes.answer.count) << "Z is neither B nor C";
    }
    EXPECT_EQ(1, bracket.losers.on);
    EXPECT_EQ(0, bracket.losers.reset);
    EXPECT_STREQ(L"", losersMatch(&bracket, 1)->name);
    EXPECT_STREQ(L"", grandFinalReset(&bracket)->name);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    std::string saved = readFileBytes(path);
    EXPECT_NE(std::string::npos, saved.find("<Losers><Team Name=\"\" id=\"1\"/><Team Name=\"\" id=\"2\"/></Losers>"
                                            "<GrandFinal Name=\"\"/></Games>"))
        << saved;

    std::wstring pair = fileWith(teamsFile("2", "<Team Name='A' id='1'/><Team Name='B' id='2'/>"
                                                "<Losers Reset='1'/><GrandFinal Name='A'/>"),
                                 L"pair.xml");
    ASSERT_EQ(1, loadBracketFile(&bracket, window, pair.c_str()));
    EXPECT_EQ(0, bracket.losers.on);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, pair.c_str()));
    EXPECT_EQ(std::string::npos, readFileBytes(pair).find("Losers"));
}

} // namespace
