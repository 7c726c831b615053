// Saving from the real main window: the invalid-picks question before the
// writer, and what it must not ask.
#include <gtest/gtest.h>

#include <windows.h>

#include "file/bracket_file.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/document/save_bracket.h"
#include "ui/document/save_failure.h"

namespace {

using SaveBracketTest = BracketWindowTest;

TEST_F(SaveBracketTest, ValidPicksOrNoBracketAskNothing)
{
    std::wstring none = pathOf(L"none.xml");
    ScopedDialogAnswer noQuestion(IDYES);
    EXPECT_EQ(0, saveBracketFile(&bracket, window, none.c_str())) << "nothing is open";

    build(16, L"Spring Cup", true, false);
    setName(17, L"T1");
    setName(25, L"T1");
    EXPECT_EQ(1, saveBracketFile(&bracket, window, pathOf(L"cup.xml").c_str()));
    EXPECT_EQ(0, noQuestion.answer.count) << "valid picks must not raise the question";
}

// Slot 5 (the first pick of a 4-team bracket) holds a name neither feeder has.
TEST_F(SaveBracketTest, AnInvalidPickAnsweredNoWritesNothingAndKeepsThePick)
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

TEST_F(SaveBracketTest, AnInvalidPickAnsweredYesIsClearedThenTheFileIsWritten)
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

// Nothing is asked about picks while the file could not be written anyway.
TEST_F(SaveBracketTest, AnUnwritableNameIsRefusedBeforeTheInvalidPicksQuestion)
{
    build(4, L"Cup", true, false);
    setName(5, L"Nobody");
    setName(3, L"Co\x0001ra");
    ScopedDialogAnswer noQuestion(IDYES);
    SaveReport report;
    EXPECT_EQ(0, saveBracketFileReporting(&bracket, window, pathOf(L"cup.xml").c_str(), &report));
    EXPECT_EQ(SAVE_FAULT_TEXT, report.fault);
    EXPECT_EQ(0, noQuestion.answer.count) << "no question before a refused text";
    EXPECT_STREQ(L"Nobody", slot(5)->name);
}

// A court is text the file holds like a name: one it cannot carry is
// refused and named, never written as something else.
TEST_F(SaveBracketTest, ACourtWithAControlCharacterIsRefusedAndSpelledOut)
{
    build(4, L"Cup", true, false);
    setName(5, L"T1");
    lstrcpyW(slot(5)->details.court, L"Court\x0001 2");
    std::wstring path = pathOf(L"cup.xml");
    SaveReport report;
    EXPECT_EQ(0, saveBracketFileReporting(&bracket, window, path.c_str(), &report));
    EXPECT_EQ(SAVE_FAULT_COURT, report.fault);
    EXPECT_FALSE(fileExists(path));
    ScopedDialogAnswer told(IDOK);
    reportSaveFailure(window, &bracket, path.c_str(), &report);
    EXPECT_NE(nullptr, wcsstr(told.answer.text, L"Court[U+0001] 2")) << utf8(told.answer.text);
}

} // namespace
