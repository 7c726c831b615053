// The Match result command on the real main window, for the focused pick.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"

namespace {

struct MatchResultDialogTest : EditorWindowTest {
    // Focuses the pick; whether the menu, as it opens, greys Match result.
    bool greyFor(int id)
    {
        SetForegroundWindow(window);
        SetFocus(control(id));
        HMENU edit = GetSubMenu(GetMenu(window), 1);
        SendMessageW(window, WM_INITMENUPOPUP, (WPARAM)edit, MAKELPARAM(1, FALSE));
        return (GetMenuState(edit, IDM_EDIT_MATCH_RESULT, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
};

TEST_F(MatchResultDialogTest, AMatchAgainstAByeOffersNoResult)
{
    openOn("<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/>"
           "<Team Name=\"\" id=\"2\" Bye=\"1\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/></Games>");
    EXPECT_FALSE(greyFor(6)) << "an ordinary match";
    EXPECT_TRUE(greyFor(5)) << "A against a bye";
    DialogScript none(window, [](DialogScript &) {});
    command(IDM_EDIT_MATCH_RESULT);
    EXPECT_EQ("", none.finish()) << "the command opened its dialog all the same";
}

// From a name box the command acts on the match its entrant plays first:
// greyed when that match is against a bye, else its dialog decides it.
TEST_F(MatchResultDialogTest, FromANameBoxItDecidesThatEntrantsFirstMatch)
{
    openOn("<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"A\" id=\"1\"/>"
           "<Team Name=\"\" id=\"2\" Bye=\"1\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/></Games>");
    EXPECT_TRUE(greyFor(1)) << "A against a bye";
    ASSERT_FALSE(greyFor(4)) << "D against C";
    DialogScript script(window, [](DialogScript &s) {
        HWND dialog = s.next("the Match result dialog");
        HWND winner = GetDlgItem(dialog, IDC_RESULT_WINNER);
        EXPECT_EQ(2, SendMessageW(winner, CB_GETCOUNT, 0, 0));
        SendMessageW(winner, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)L"D");
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_RESULT_WINNER, CBN_SELCHANGE), (LPARAM)winner);
        s.press(dialog, IDOK);
    });
    command(IDM_EDIT_MATCH_RESULT);
    EXPECT_EQ("", script.finish());
    EXPECT_EQ(L"D", name(6));
}

// Ann and ann are two entrants: both are offered, the pick ann is shown as
// written, and OK alone changes nothing (it used to make the pick Ann).
TEST_F(MatchResultDialogTest, EntrantsWrittenAlikeButForCaseAreBothOfferedAndOKAloneChangesNothing)
{
    openOn("<Games><Title>Cup</Title><Teams>4</Teams><Team Name=\"Ann\" id=\"1\"/><Team Name=\"ann\" id=\"2\"/>"
           "<Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/><Team Name=\"ann\" id=\"5\"/>"
           "<Team Name=\"C\" id=\"6\"/><Team Name=\"ann\" id=\"7\"/></Games>");
    greyFor(5);
    DialogScript script(window, [](DialogScript &s) {
        HWND dialog = s.next("the Match result dialog");
        EXPECT_EQ(2, SendDlgItemMessageW(dialog, IDC_RESULT_WINNER, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(L"ann", DialogScript::caption(GetDlgItem(dialog, IDC_RESULT_WINNER)));
        s.press(dialog, IDOK);
    });
    command(IDM_EDIT_MATCH_RESULT);
    EXPECT_EQ("", script.finish());
    EXPECT_EQ(L"ann", name(5));
    EXPECT_EQ(L"ann", name(7)) << "the champion's pick was cleared";
    EXPECT_EQ(0, bracket.dirty);
}

}  // namespace
