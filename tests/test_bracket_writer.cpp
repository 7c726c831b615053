// The writer on a real window, real MSXML and real files: what it writes,
// what it refuses to write, and the invalid-picks question before a save.
#include <gtest/gtest.h>

#include "file/bracket_file.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"

namespace {

using WriterTest = BracketFileTest;

// 16 teams: base 1..16, then 17..24, 25..28, 29..30 and the champion 31.
TEST_F(WriterTest, SixteenSlotsWriteTheTitleTheCountAndEveryIdInOrder)
{
    build(16, L"Spring Cup");
    setName(17, L"T1");
    setName(25, L"T1");
    std::wstring path = pathOf(L"cup.xml");
    ScopedDialogAnswer noQuestion(IDNO);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count) << "valid picks must not raise the question";
    EXPECT_EQ(0, bracket.dirty) << "a successful save clears dirty";

    std::string expected = "Games\nTitle 'Spring Cup'\nTeams '16'\n";
    for (int id = 1; id <= 31; id++) {
        std::string name = id <= 16 ? "T" + std::to_string(id) : id == 17 || id == 25 ? "T1" : "";
        expected += "Team Name='" + name + "' id='" + std::to_string(id) + "'\n";
    }
    EXPECT_EQ(expected, describeXmlFile(path));
    EXPECT_EQ(std::string::npos, readFileBytes(path).find("<?xml")) << "the writer adds no declaration";
    EXPECT_EQ("cup.xml", folderListing(folder)) << "nothing but the file is left in its folder";
}

TEST_F(WriterTest, WithNoBracketOpenNothingIsWrittenAndNothingAsked)
{
    std::wstring path = pathOf(L"none.xml");
    ScopedDialogAnswer noQuestion(IDYES);
    EXPECT_EQ(0, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count);
    EXPECT_FALSE(fileExists(path));
}

// Slot 5 (the first pick of a 4-team bracket) holds a name neither feeder has.
TEST_F(WriterTest, AnInvalidPickAnsweredNoWritesNothingAndKeepsThePick)
{
    build(4, L"Cup");
    setName(5, L"Nobody");
    std::wstring path = pathOf(L"cup.xml");
    ScopedDialogAnswer no(IDNO);
    EXPECT_EQ(0, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(1, no.answer.count) << "the invalid-picks question must be asked once";
    EXPECT_EQ(window, no.answer.owner) << "the question is owned by the main window";
    EXPECT_STREQ(L"Duelmark", no.answer.caption);
    EXPECT_TRUE(no.answer.hasYes && no.answer.hasNo && !no.answer.hasCancel) << "Yes and No only";
    EXPECT_STREQ(L"Nobody", slot(5)->name);
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_FALSE(fileExists(path));
}

TEST_F(WriterTest, AnInvalidPickAnsweredYesIsClearedThenTheFileIsWritten)
{
    build(4, L"Cup");
    setName(5, L"Nobody");
    setName(6, L"T3");
    std::wstring path = pathOf(L"cup.xml");
    ScopedDialogAnswer yes(IDYES);
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(1, yes.answer.count);
    EXPECT_STREQ(L"", slot(5)->name);
    EXPECT_EQ(L"", shownText(5)) << "the cleared pick's control is blanked";
    EXPECT_EQ(0, bracket.dirty) << "the save that followed the clearing clears dirty";
    EXPECT_EQ("Games\nTitle 'Cup'\nTeams '4'\nTeam Name='T1' id='1'\nTeam Name='T2' id='2'\n"
              "Team Name='T3' id='3'\nTeam Name='T4' id='4'\nTeam Name='' id='5'\nTeam Name='T3' id='6'\n"
              "Team Name='' id='7'\n",
              describeXmlFile(path));
}

TEST_F(WriterTest, AMissingFolderFailsAndLeavesDirtySet)
{
    build(4, L"Cup");
    std::wstring path = pathOf(L"no such folder\\cup.xml");
    EXPECT_EQ(0, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(1, bracket.dirty);
    EXPECT_EQ("", folderListing(folder));
}

TEST_F(WriterTest, AnEmptyTitleWritesAnEmptyTitleElement)
{
    build(1, L"");
    std::wstring path = pathOf(L"one.xml");
    ASSERT_EQ(1, saveBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ("Games\nTitle\nTeams '1'\nTeam Name='T1' id='1'\n", describeXmlFile(path));
}

} // namespace
