// Seeds and byes in bracket files, on a real window and real MSXML: what
// the writer adds, what a file from another tool may hold, and a round
// trip that keeps both.
#include <gtest/gtest.h>

#include "file/bracket_file.h"
#include "model/seeding.h"
#include "model/team_draw.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"

namespace {

struct SeedFileTest : BracketFileTest {
    std::string fileWith(const std::string &teams)
    {
        return "<Games><Title>Club</Title><Teams>4</Teams>" + teams + "</Games>";
    }
};

// Three entrants: seed 1 in slot 1 faces the bye in slot 2.
TEST_F(SeedFileTest, ASeededFieldWritesItsSeedsAndByesAndReadsBackTheSame)
{
    ASSERT_EQ(1, buildBracketFromList(&bracket, L"Ann\nBo\nCy\n", PLACE_SEEDED, cryptoRandomBelow, NULL));
    lstrcpyW(bracket.title, L"Club");
    std::wstring path = pathOf(L"club.xml");
    ScopedDialogAnswer noQuestion(IDNO);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count) << "a bye's pick is a valid pick";
    EXPECT_EQ("Games\nTitle 'Club'\nTeams '4'\n"
              "Team Name='Ann' id='1' Seed='1'\n"
              "Team Name='' id='2' Bye='1'\n"
              "Team Name='Cy' id='3' Seed='3'\n"
              "Team Name='Bo' id='4' Seed='2'\n"
              "Team Name='Ann' id='5'\nTeam Name='' id='6'\nTeam Name='' id='7'\n",
              describeXmlFile(path));

    resetBracket(&bracket);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    std::wstring again = pathOf(L"again.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, again.c_str()));
    EXPECT_EQ(readFileBytes(path), readFileBytes(again)) << "open and save change nothing";
    EXPECT_EQ(1, slot(2)->bye);
    EXPECT_EQ(2, slot(4)->seed);
}

// Attributes in another order, a bye that has a name, a second seed 1, a
// bye whose pick the other tool left empty, and a seed of 0: the file opens,
// the sound parts are kept and the rest is dropped.
TEST_F(SeedFileTest, AFileFromAnotherToolOpensWithWhatMakesSense)
{
    std::wstring path = pathOf(L"other.xml");
    writeFileBytes(path, fileWith("<Team Bye='1' id='2' Name=''/>"
                                  "<Team id='1' Seed='1' Name='Ann'/>"
                                  "<Team Seed='1' Bye='1' Name='Bo' id='3'/>"
                                  "<Team Name='Cy' Seed='0' id='4'/>"
                                  "<Team Name='' id='5'/><Team Name='' id='6'/><Team Name='' id='7'/>"));
    ScopedDialogAnswer noQuestion(IDNO);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count);
    EXPECT_EQ(1, slot(1)->seed);
    EXPECT_EQ(1, slot(2)->bye);
    EXPECT_STREQ(L"Ann", slot(5)->name) << "the bye's pick is made on opening";
    EXPECT_EQ(L"Ann", shownText(5));
    EXPECT_STREQ(L"Bo", slot(3)->name);
    EXPECT_EQ(0, slot(3)->bye) << "a bye with a name is a name";
    EXPECT_EQ(0, slot(3)->seed) << "seed 1 was taken";
    EXPECT_EQ(0, slot(4)->seed);
    EXPECT_EQ(0, bracket.dirty);
}

}  // namespace
