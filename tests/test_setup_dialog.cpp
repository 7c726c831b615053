// The setup dialog run for real from the editor's own template: New mode
// and Edit-title mode, answered from a second thread as a user would.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/dialog_script.h"
#include "ui/dialogs/setup_dialog.h"

namespace {

const int UNTOUCHED = -12345;

struct SetupDialogTest : ::testing::Test {
    HWND owner = NULL;
    BracketSetup setup;

    void SetUp() override
    {
        owner = CreateWindowExW(0, L"Static", L"owner", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, owner);
        setup.teamCount = UNTOUCHED;
        setup.title[0] = 0;
    }
    void TearDown() override { DestroyWindow(owner); }

    INT_PTR run(std::function<void(DialogScript &)> steps)
    {
        DialogScript script(owner, steps);
        INT_PTR result = runSetupDialog(owner, GetModuleHandleW(NULL), &setup);
        std::string failures = script.finish();
        EXPECT_EQ("", failures);
        return result;
    }
};

std::wstring itemText(HWND combo, int index)
{
    WCHAR text[32] = L"";
    SendMessageW(combo, CB_GETLBTEXT, index, (LPARAM)text);
    return text;
}

TEST_F(SetupDialogTest, NewModeOffersFiveCountsWith16SelectedAndRefusesAnEmptyTitle)
{
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        HWND combo = GetDlgItem(dialog, IDC_TEAMS_COMBO);
        EXPECT_EQ(5, SendMessageW(combo, CB_GETCOUNT, 0, 0));
        const WCHAR *counts[] = {L"4", L"8", L"16", L"32", L"64"};
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(std::wstring(counts[i]), itemText(combo, i)) << "item " << i;
        EXPECT_EQ(2, SendMessageW(combo, CB_GETCURSEL, 0, 0)) << "16 is preselected";
        EXPECT_TRUE(IsWindowVisible(combo));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_TEAMS_LABEL)));
        EXPECT_EQ(0, GetWindowTextLengthW(GetDlgItem(dialog, IDC_TITLE_EDIT))) << "the title starts empty";
        EXPECT_EQ(255, SendDlgItemMessageW(dialog, IDC_TITLE_EDIT, EM_GETLIMITTEXT, 0, 0));

        // OK with no title: the dialog stays open, silently.
        SendMessageW(dialog, WM_COMMAND, IDC_SETUP_OK, 0);
        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "an empty title must keep the dialog open";

        s.type(GetDlgItem(dialog, IDC_TITLE_EDIT), L"Spring Cup");
        s.press(dialog, IDC_SETUP_OK);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(16, setup.teamCount);
    EXPECT_STREQ(L"Spring Cup", setup.title);
}

TEST_F(SetupDialogTest, ChoosingTheLastCountGives64AndATitleOfSpacesIsATitle)
{
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        SendDlgItemMessageW(dialog, IDC_TEAMS_COMBO, CB_SETCURSEL, 4, 0);
        s.type(GetDlgItem(dialog, IDC_TITLE_EDIT), L"   ");
        s.press(dialog, IDC_SETUP_OK);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(64, setup.teamCount);
    EXPECT_STREQ(L"   ", setup.title);
}

TEST_F(SetupDialogTest, EditTitleModeHidesTheCountAndReturnsTheEditedTitle)
{
    lstrcpyW(setup.title, L"Old title");
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog in Edit-title mode");
        WCHAR shown[256] = L"";
        GetDlgItemTextW(dialog, IDC_TITLE_EDIT, shown, 256);
        EXPECT_STREQ(L"Old title", shown);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_TEAMS_LABEL)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_TEAMS_COMBO)));
        EXPECT_EQ(0, SendDlgItemMessageW(dialog, IDC_TEAMS_COMBO, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(L"Duelmark", DialogScript::caption(dialog)) << "the caption is the template's in both modes";
        s.type(GetDlgItem(dialog, IDC_TITLE_EDIT), L"New title");
        s.press(dialog, IDC_SETUP_OK);
    });
    EXPECT_EQ(1, result);
    EXPECT_STREQ(L"New title", setup.title);
    EXPECT_EQ(0, setup.teamCount) << "the hidden, empty count box reads as 0";
}

TEST_F(SetupDialogTest, EditTitleModeWithTheTitleEmptiedStaysOpenUntilCancel)
{
    lstrcpyW(setup.title, L"Keep me");
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog in Edit-title mode");
        s.type(GetDlgItem(dialog, IDC_TITLE_EDIT), L"");
        SendMessageW(dialog, WM_COMMAND, IDC_SETUP_OK, 0);
        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "an emptied title must keep the dialog open";
        s.press(dialog, IDCANCEL);
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(UNTOUCHED, setup.teamCount) << "teamCount is written on OK only";
}

TEST_F(SetupDialogTest, ATitleOf255UnitsIsTakenWholeAndA256thCannotBeTyped)
{
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        HWND edit = GetDlgItem(dialog, IDC_TITLE_EDIT);
        s.type(edit, std::wstring(255, L'T'));
        SendMessageW(edit, EM_SETSEL, 255, 255);
        SendMessageW(edit, WM_CHAR, L'X', 0);
        EXPECT_EQ(255, GetWindowTextLengthW(edit)) << "typing past 255 characters must be refused";
        s.press(dialog, IDC_SETUP_OK);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(std::wstring(255, L'T'), std::wstring(setup.title));
}

// The dialog manager turns the close box and Esc into IDCANCEL, and Enter
// into the default button, OK; these arrive through the modal loop.
TEST_F(SetupDialogTest, CloseBoxAndEscCancelEnterConfirms)
{
    EXPECT_EQ(0, run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        s.handled(dialog);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ(UNTOUCHED, setup.teamCount);

    EXPECT_EQ(0, run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        HWND edit = GetDlgItem(dialog, IDC_TITLE_EDIT);
        s.type(edit, L"Typed, then abandoned");
        s.handled(dialog);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    EXPECT_EQ(UNTOUCHED, setup.teamCount);

    EXPECT_EQ(1, run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        HWND edit = GetDlgItem(dialog, IDC_TITLE_EDIT);
        s.type(edit, L"Entered");
        s.handled(dialog);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    }));
    EXPECT_STREQ(L"Entered", setup.title);
    EXPECT_EQ(16, setup.teamCount);
}

// Only OK (12) and Cancel (2) with notification code 0 act.
TEST_F(SetupDialogTest, OtherCommandsAndNotificationCodesDoNothing)
{
    INT_PTR result = run([](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        s.type(GetDlgItem(dialog, IDC_TITLE_EDIT), L"Title");
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SETUP_OK, 1), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 1), 0);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "no other command may end the dialog";
        s.press(dialog, IDCANCEL);
    });
    EXPECT_EQ(0, result);
}

} // namespace
