// Results and the third-place match in the bracket file: written only when
// there is something to write, read back whole, refused when the file could
// not hold them, and shown by the window after loading.
#include <gtest/gtest.h>

#include "file/bracket_writer.h"
#include "model/match_outcome.h"
#include "model/match_result.h"
#include "model/third_place.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"
#include "ui/window/third_place_view.h"

namespace {

using MatchResultFileTest = BracketWindowTest;

// 4 teams: base 1..4, semi-finals 5 and 6, the champion 7.
TEST_F(MatchResultFileTest, ScoresAndTheThirdPlaceMatchRoundTrip)
{
    // Slot 6's empty result writes no Score; the match turned off again
    // below writes no element.
    build(4, L"Cup", true, false);
    ASSERT_EQ(1, setMatchResult(&bracket, slot(5), L"T1", L"6:3 6:4"));
    ASSERT_EQ(1, setMatchResult(&bracket, slot(6), L"T4", L""));
    ASSERT_EQ(1, setMatchResult(&bracket, slot(7), L"T4", L"2-1 a.e.t. & \"more\""));
    ASSERT_EQ(1, setThirdPlaceOn(&bracket, 1));
    std::wstring path = pathOf(L"cup.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ("Games\nTitle 'Cup'\nTeams '4'\n"
              "Team Name='T1' id='1'\nTeam Name='T2' id='2'\nTeam Name='T3' id='3'\nTeam Name='T4' id='4'\n"
              "Team Name='T1' id='5' Score='6:3 6:4'\nTeam Name='T4' id='6'\n"
              "Team Name='T4' id='7' Score='2-1 a.e.t. & \"more\"'\nThirdPlace Name='' Score=''\n",
              describeXmlFile(path));

    setMatchResult(&bracket, &bracket.thirdPlace, L"T3", L"W/O");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    std::string written = readFileBytes(path);
    {
        ScopedDialogAnswer noQuestion(IDNO);
        ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
        EXPECT_EQ(0, noQuestion.answer.count);
    }
    EXPECT_STREQ(L"6:3 6:4", slot(5)->result);
    EXPECT_STREQ(L"2-1 a.e.t. & \"more\"", slot(7)->result);
    EXPECT_EQ(1, bracket.thirdPlaceOn);
    EXPECT_STREQ(L"T3", bracket.thirdPlace.name);
    EXPECT_STREQ(L"W/O", bracket.thirdPlace.result);
    ASSERT_NE(nullptr, bracket.thirdPlace.control) << "the drop-down shows while the match is on";
    WCHAR shown[NAME_CAPACITY] = L"";
    GetWindowTextW(bracket.thirdPlace.control, shown, NAME_CAPACITY);
    EXPECT_STREQ(L"T3", shown);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(written, readFileBytes(path)) << "opened and saved again: byte for byte";

    // Off again: the element goes, and the file opens with the match off.
    setThirdPlaceOn(&bracket, 0);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, bracket.thirdPlaceOn);
    EXPECT_EQ(nullptr, bracket.thirdPlace.control);
}

// Every new attribute read and written back, beside values that cannot
// stand: each of those is ignored and the rest of the file loads. A double
// walkover's effect is made on load although the file lacks it (13 is
// written empty here), and saved as an ordinary pick.
TEST_F(BracketFileTest, OutcomesCourtsAndTimesRoundTripAndInvalidOnesAreIgnored)
{
    std::wstring path = fileWith(teamsFile(
        "8",
        "<Team Name=\"A\" id=\"1\" Status=\"walkover\" Court=\"X\" Time=\"2026-12-08T10:00\"/>"
        "<Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
        "<Team Name=\"E\" id=\"5\"/><Team Name=\"F\" id=\"6\"/><Team Name=\"G\" id=\"7\"/>"
        "<Team Name=\"H\" id=\"8\"/>"
        "<Team Name=\"A\" id=\"9\" Score=\"6:3 2:1\" Status=\"retired\" Court=\"Centre &amp; &quot;1&quot;\""
        " Time=\"2026-12-08T14:30\"/>"
        "<Team Name=\"\" id=\"10\" Status=\"double-walkover\" Court=\"Table 3\"/>"
        "<Team Name=\"\" id=\"11\" Status=\"walkover\" Time=\"2026-13-01T10:00\"/>"
        "<Team Name=\"G\" id=\"12\" Status=\"forfeit\" Time=\"2026-12-08 15:00\"/>"
        "<Team Name=\"\" id=\"13\"/>"
        "<Team Name=\"\" id=\"14\" Court=\"" + std::string(40, 'c') + "\" Time=\"2026-02-29T10:00\"/>"
        "<Team Name=\"D\" id=\"15\" Status=\"disqualified\" Time=\"2026-12-09T9:00\"/>"
        "<ThirdPlace Name=\"\" Score=\"\" Status=\"double-walkover\" Court=\"Table 1\" Time=\"2026-12-09T09:00\"/>"));
    ASSERT_EQ(1, readFile(path));
    EXPECT_EQ(OUTCOME_PLAYED, slot(1)->details.outcome) << "a first-round slot is no match";
    EXPECT_STREQ(L"", slot(1)->details.court);
    EXPECT_STREQ(L"", slot(1)->details.time);
    EXPECT_EQ(OUTCOME_RETIRED, slot(9)->details.outcome);
    EXPECT_STREQ(L"Centre & \"1\"", slot(9)->details.court);
    EXPECT_STREQ(L"2026-12-08T14:30", slot(9)->details.time);
    EXPECT_EQ(OUTCOME_DOUBLE_WALKOVER, slot(10)->details.outcome);
    EXPECT_STREQ(L"A", slot(13)->name) << "the other entrant goes through on load";
    EXPECT_EQ(OUTCOME_PLAYED, slot(11)->details.outcome) << "a walkover needs a winner";
    EXPECT_STREQ(L"", slot(11)->details.time) << "month 13";
    EXPECT_EQ(OUTCOME_PLAYED, slot(12)->details.outcome) << "an unknown status";
    EXPECT_STREQ(L"", slot(12)->details.time) << "not the exact form";
    EXPECT_EQ(31, lstrlenW(slot(14)->details.court)) << "a court holds 31 units";
    EXPECT_STREQ(L"", slot(14)->details.time) << "no 29 February in 2026";
    EXPECT_EQ(OUTCOME_PLAYED, slot(15)->details.outcome) << "D played in no semi-final";
    EXPECT_EQ(OUTCOME_DOUBLE_WALKOVER, bracket.thirdPlace.details.outcome);
    EXPECT_STREQ(L"2026-12-09T09:00", bracket.thirdPlace.details.time);

    std::wstring saved = pathOf(L"saved.xml");
    SaveReport report;
    ASSERT_EQ(1, writeBracketFile(&bracket, saved.c_str(), &report));
    EXPECT_EQ("Games\nTitle 'Cup'\nTeams '8'\n"
              "Team Name='A' id='1'\nTeam Name='B' id='2'\nTeam Name='C' id='3'\nTeam Name='D' id='4'\n"
              "Team Name='E' id='5'\nTeam Name='F' id='6'\nTeam Name='G' id='7'\nTeam Name='H' id='8'\n"
              "Team Name='A' id='9' Score='6:3 2:1' Status='retired' Court='Centre & \"1\"' Time='2026-12-08T14:30'\n"
              "Team Name='' id='10' Status='double-walkover' Court='Table 3'\n"
              "Team Name='' id='11'\nTeam Name='G' id='12'\nTeam Name='A' id='13'\n"
              "Team Name='' id='14' Court='" + std::string(31, 'c') + "'\n"
              "Team Name='D' id='15'\n"
              "ThirdPlace Name='' Score='' Status='double-walkover' Court='Table 1' Time='2026-12-09T09:00'\n",
              describeXmlFile(saved));
    std::string written = readFileBytes(saved);
    ASSERT_EQ(1, readFile(saved));
    ASSERT_EQ(1, writeBracketFile(&bracket, saved.c_str(), &report));
    EXPECT_EQ(written, readFileBytes(saved)) << "read and written again: byte for byte";
}

TEST_F(MatchResultFileTest, StrayResultsAndAThirdPlacePickThatLostNothingAreNotKept)
{
    std::wstring path = pathOf(L"odd.xml");
    writeFileBytes(path, "<Games><Title>Odd</Title><Teams>4</Teams>"
                         "<Team Name=\"A\" id=\"1\" Score=\"1-0\"/><Team Name=\"B\" id=\"2\"/>"
                         "<Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
                         "<Team Name=\"\" id=\"5\" Score=\"9-9\"/><Team Name=\"C\" id=\"6\"/>"
                         "<Team Name=\"\" id=\"7\"/><ThirdPlace Name=\"Z\" Score=\"x\"/></Games>");
    ScopedDialogAnswer yes(IDYES);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(1, yes.answer.count) << "a third-place pick that lost no semi-final is an invalid pick";
    EXPECT_STREQ(L"", slot(1)->result) << "a base slot has no match";
    EXPECT_STREQ(L"", slot(5)->result) << "no result without a pick";
    EXPECT_EQ(1, bracket.thirdPlaceOn);
    EXPECT_STREQ(L"", bracket.thirdPlace.name);
    EXPECT_STREQ(L"", bracket.thirdPlace.result);
}

TEST_F(MatchResultFileTest, AResultTheFileCannotHoldIsRefusedBeforeAnythingIsWritten)
{
    build(4, L"Cup", true, false);
    setMatchResult(&bracket, slot(6), L"T3", L"1\x01" L"0");
    std::wstring path = pathOf(L"cup.xml");
    SaveReport report;
    EXPECT_EQ(0, saveBracketFileReporting(&bracket, window, path.c_str(), &report));
    EXPECT_EQ(SAVE_FAULT_RESULT, report.fault);
    EXPECT_EQ(6, report.slotId);
    EXPECT_FALSE(fileExists(path));
}

// The window grows for the third-place drop-down only while it is shown,
// and only as much as it needs; no other control moves.
TEST_F(MatchResultFileTest, TheThirdPlaceControlsGrowTheWindowOnlyWhileOn)
{
    for (int teams : {4, 16}) {
        SCOPED_TRACE(teams);
        build(teams, L"Cup");
        RECT off, champion;
        GetClientRect(window, &off);
        GetWindowRect(bracket.root.control, &champion);
        setThirdPlaceOn(&bracket, 1);
        showThirdPlaceMatch(window, &bracket);
        HWND combo = GetDlgItem(window, IDC_THIRD_PLACE_COMBO);
        ASSERT_EQ(bracket.thirdPlace.control, combo);
        ASSERT_NE(nullptr, GetDlgItem(window, IDC_THIRD_PLACE_LABEL));
        RECT on, box, championNow;
        GetClientRect(window, &on);
        GetWindowRect(combo, &box);
        MapWindowPoints(NULL, window, (POINT *)&box, 2);
        GetWindowRect(bracket.root.control, &championNow);
        EXPECT_EQ(off.right, on.right);
        EXPECT_LE(box.bottom, on.bottom) << "the drop-down is inside the client area";
        if (teams == 4)
            EXPECT_GT(on.bottom, off.bottom) << "four teams leave no room below the final";
        else
            EXPECT_EQ(off.bottom, on.bottom) << "sixteen teams have room already";
        EXPECT_EQ(championNow.right - championNow.left, champion.right - champion.left);
        // The heading belongs to the final: just under its two boxes, not
        // a box's height further down.
        RECT heading, final;
        GetWindowRect(GetDlgItem(window, IDC_THIRD_PLACE_LABEL), &heading);
        GetWindowRect(bracket.root.left->control, &final);
        EXPECT_GE(heading.top, final.bottom) << "the heading clears the final's boxes";
        EXPECT_LE(heading.top, final.bottom + 8) << "the heading stands right under the final's boxes";
        setThirdPlaceOn(&bracket, 0);
        showThirdPlaceMatch(window, &bracket);
        EXPECT_EQ(nullptr, GetDlgItem(window, IDC_THIRD_PLACE_COMBO));
        GetClientRect(window, &on);
        EXPECT_EQ(off.bottom, on.bottom);
        resetBracket(&bracket);
    }
}

} // namespace
