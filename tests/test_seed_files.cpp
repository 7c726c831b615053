// Seeds and byes in a file another tool wrote, on a real window and real
// MSXML: the file opens, what makes sense is kept and the rest dropped.
#include <gtest/gtest.h>

#include "ui/document/open_bracket.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"

namespace {

// Attributes in another order, a bye whose pick the other tool left empty,
// a bye that has a name, a second seed 1, a seed of 0 and a bye against a
// bye.
TEST_F(BracketWindowTest, SeedsAndByesFromAnotherToolOpenWithWhatMakesSense)
{
    std::wstring path = pathOf(L"other.xml");
    writeFileBytes(path, "<Games><Title>Club</Title><Teams>8</Teams>"
                         "<Team Bye='1' id='2' Name=''/>"
                         "<Team id='1' Seed='1' Name='Ann'/>"
                         "<Team Seed='1' Bye='1' Name='Bo' id='3'/>"
                         "<Team Name='Cy' Seed='0' id='4'/>"
                         "<Team Name='' id='5' Bye='1'/><Team Bye='1' Name='' id='6'/>"
                         "</Games>");
    ScopedDialogAnswer noQuestion(IDNO);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count) << "a bye's pick is a valid pick";
    EXPECT_EQ(1, slot(1)->seed);
    EXPECT_EQ(1, slot(2)->bye);
    EXPECT_STREQ(L"Ann", slot(9)->name) << "the bye's pick is made on opening";
    EXPECT_EQ(L"Ann", shownText(9));
    EXPECT_FALSE(IsWindowEnabled(slot(2)->control)) << "a bye takes no input";
    EXPECT_STREQ(L"Bo", slot(3)->name);
    EXPECT_EQ(0, slot(3)->bye) << "a bye with a name is a name";
    EXPECT_EQ(0, slot(3)->seed) << "seed 1 was taken";
    EXPECT_EQ(0, slot(4)->seed);
    EXPECT_EQ(0, slot(5)->bye + slot(6)->bye) << "a match of two byes has none";
    EXPECT_TRUE(IsWindowEnabled(slot(5)->control));
    EXPECT_EQ(0, bracket.dirty);
}

}  // namespace
