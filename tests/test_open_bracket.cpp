// Opening a file into the real main window: the new bracket laid out and
// shown, a refused file leaving the window as it was, and the invalid-picks
// question asked over the new layout.
#include <gtest/gtest.h>

#include <windows.h>

#include "file/bracket_writer.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_answer.h"
#include "ui/document/open_bracket.h"

namespace {

struct OpenBracketTest : BracketWindowTest {
    int load(const std::string &bytes) { return loadBracketFile(&bracket, window, fileWith(bytes).c_str()); }
};

TEST_F(OpenBracketTest, AValidFileIsShownReadOnlyUnderItsTitleWithoutAQuestion)
{
    build(8, L"Spring Cup");
    setName(9, L"T1");
    setName(13, L"T1");
    setName(15, L"T1");
    ASSERT_EQ(0, baseSlotsReadOnly());
    std::wstring path = pathOf(L"cup.xml");
    SaveReport saved;
    ASSERT_EQ(1, writeBracketFile(&bracket, path.c_str(), &saved));

    ScopedDialogAnswer noQuestion(IDYES);
    ASSERT_EQ(1, loadBracketFile(&bracket, window, path.c_str()));
    EXPECT_EQ(0, noQuestion.answer.count);
    EXPECT_EQ(L"T1", shownText(15)) << "the champion's control shows the pick";
    EXPECT_EQ(1, baseSlotsReadOnly()) << "a load leaves editable base slots read-only";
    EXPECT_EQ(std::make_pair(8, 7), slotControls());
    EXPECT_EQ(L"Duelmark - Spring Cup", caption());

    ASSERT_EQ(1, load("<Games><Teams>4</Teams></Games>"));
    EXPECT_EQ(L"Duelmark - ", caption()) << "a missing title gives the caption of an empty one";
}

TEST_F(OpenBracketTest, ARefusedFileLeavesTheBracketAndTheWindowAsTheyWere)
{
    build(4, L"Open");
    setName(5, L"T1");
    BracketNode **table = bracket.nodeTable;
    HWND firstControl = slot(1)->control;
    std::wstring before = caption();
    fileWith("<Other><Teams>4</Teams></Other>", L"notes.xml");
    for (const WCHAR *name : {L"notes.xml", L"missing.xml"}) {
        EXPECT_EQ(0, loadBracketFile(&bracket, window, pathOf(name).c_str())) << utf8(name);
        EXPECT_EQ(table, bracket.nodeTable) << utf8(name);
        EXPECT_EQ(firstControl, slot(1)->control) << utf8(name);
        EXPECT_TRUE(IsWindow(firstControl)) << utf8(name);
        EXPECT_STREQ(L"T1", slot(5)->name) << utf8(name);
        EXPECT_EQ(1, bracket.dirty) << utf8(name);
        EXPECT_EQ(0, baseSlotsReadOnly()) << "base slots stay editable: " << utf8(name);
        EXPECT_EQ(before, caption()) << utf8(name);
        EXPECT_EQ(std::make_pair(4, 3), slotControls()) << utf8(name);
    }
}

TEST_F(OpenBracketTest, AnInvalidPickOnLoadIsShownThenClearedOnlyOnYes)
{
    std::string file = teamsFile("4", "<Team Name='A' id='1'/><Team Name='B' id='2'/><Team Name='Z' id='5'/>");
    {
        ScopedDialogAnswer no(IDNO);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, no.answer.count);
        EXPECT_EQ(window, no.answer.owner);
        EXPECT_STREQ(L"Duelmark", no.answer.caption);
        EXPECT_STREQ(L"發現有些不合法的選擇。您是否要清除這些不合法的選擇?", no.answer.text);
        EXPECT_STREQ(L"Z", slot(5)->name);
        EXPECT_EQ(L"Z", shownText(5));
        EXPECT_EQ(0, bracket.dirty);
    }
    {
        ScopedDialogAnswer yes(IDYES);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, yes.answer.count);
        EXPECT_STREQ(L"", slot(5)->name);
        EXPECT_EQ(L"", shownText(5));
        EXPECT_EQ(1, bracket.dirty);
    }
}

// The first semi-final was a double walkover, so only the second's winner
// can reach the final: a final naming anyone else is asked about like any
// other impossible pick, never replaced behind the user's back.
TEST_F(OpenBracketTest, AFinalNamingAnEntrantAWithdrawalKeptOutIsAskedAbout)
{
    std::string file = teamsFile("4", "<Team Name='A' id='1'/><Team Name='B' id='2'/><Team Name='C' id='3'/>"
                                      "<Team Name='D' id='4'/><Team Name='' id='5' Status='double-walkover'/>"
                                      "<Team Name='C' id='6'/><Team Name='A' id='7' Score='3-0'/>");
    {
        ScopedDialogAnswer no(IDNO);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, no.answer.count) << "the invalid-picks question";
        EXPECT_STREQ(L"A", slot(7)->name);
        EXPECT_STREQ(L"3-0", slot(7)->result);
    }
    {
        ScopedDialogAnswer yes(IDYES);
        ASSERT_EQ(1, load(file));
        EXPECT_EQ(1, yes.answer.count);
        EXPECT_STREQ(L"C", slot(7)->name) << "the one entrant left goes through";
        EXPECT_STREQ(L"", slot(7)->result);
        EXPECT_EQ(1, bracket.dirty);
    }
}

// Start-up loads the command-line file before the dialog is shown; the
// load must not make the window visible behind the dialog manager's back.
TEST_F(OpenBracketTest, AHiddenWindowStaysHiddenAndAShownOneStaysShown)
{
    ShowWindow(window, SW_HIDE);
    ASSERT_EQ(1, load(teamsFile("4")));
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
    ShowWindow(window, SW_SHOW);
    ASSERT_EQ(1, load(teamsFile("8")));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(slot(1)->control)) << "the new slot controls are shown";
}

} // namespace
