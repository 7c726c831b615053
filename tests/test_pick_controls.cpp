// What slot controls do while a user works with them, on a real main window
// made from IDD_MAIN whose procedure routes notifications as the editor's
// does: typing into base slots, picking with the keyboard, and the list a
// pick offers when it drops down.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/slot_window.h"
#include "ui/window/layout.h"
#include "ui/window/pick_controls.h"

namespace {

struct PickControlsTest : ::testing::Test {
    Bracket bracket;
    SlotWindow main;

    void SetUp() override
    {
        initBracket(&bracket, GetModuleHandleW(NULL));
        ASSERT_NE(nullptr, openSlotWindow(&main, &bracket)) << "IDD_MAIN could not be created";
    }
    void TearDown() override
    {
        resetBracket(&bracket);
        closeSlotWindow(&main);
    }

    void build(int teams) { ASSERT_EQ(1, buildBracket(&bracket, teams)); }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    HWND control(int id) { return slot(id)->control; }
    void name(int id, const WCHAR *text) { lstrcpyW(slot(id)->name, text); }
    // Lays the bracket out as New does and starts counting afresh.
    void layOutEditable()
    {
        layoutBracket(&bracket, main.window, 1);
        main.textChanges = main.selectionChanges = main.dropDowns = 0;
    }
    void type(int id, WCHAR character) { SendMessageW(control(id), WM_CHAR, character, 1); }
    // Types text over the whole of a base slot's name, key by key.
    void typeOver(int id, const WCHAR *text)
    {
        SendMessageW(control(id), EM_SETSEL, 0, -1);
        for (; *text; text++)
            type(id, *text);
    }
    void dropDown(int id)
    {
        SendMessageW(control(id), CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(control(id), CB_SHOWDROPDOWN, FALSE, 0);
    }
    void expectItems(int id, std::initializer_list<const WCHAR *> items)
    {
        HWND c = control(id);
        ASSERT_EQ((LRESULT)items.size(), SendMessageW(c, CB_GETCOUNT, 0, 0)) << "items in slot " << id;
        int index = 0;
        for (const WCHAR *expected : items) {
            WCHAR item[NAME_CAPACITY] = L"";
            SendMessageW(c, CB_GETLBTEXT, index, (LPARAM)item);
            EXPECT_STREQ(expected, item) << "item " << index << " of slot " << id;
            index++;
        }
    }
    // A cleared pick shows one blank item, selected.
    void expectCleared(int id)
    {
        EXPECT_STREQ(L"", slot(id)->name) << "slot " << id << " keeps its pick";
        expectItems(id, {L""});
        EXPECT_EQ(0, SendMessageW(control(id), CB_GETCURSEL, 0, 0)) << "slot " << id;
    }
    void expectShowing(int id, const WCHAR *pick)
    {
        EXPECT_STREQ(pick, slot(id)->name) << "slot " << id;
        WCHAR text[NAME_CAPACITY] = L"";
        GetWindowTextW(control(id), text, NAME_CAPACITY);
        EXPECT_STREQ(pick, text) << "control of slot " << id;
    }
    int droppedWidthFor(int id, std::initializer_list<const WCHAR *> names)
    {
        int width = 78;
        for (const WCHAR *n : names) {
            int need = textWidthInControlFont(control(id), n) + 8;
            if (need > width)
                width = need;
        }
        return width;
    }
};

// 8 teams: base 1..8, round two 9..12, semi-finals 13..14, champion 15.
// Slot 1 feeds 9, which feeds 13, which feeds 15.
TEST_F(PickControlsTest, EveryKeystrokeInABaseSlotRunsTheCascadeWithTheTextBeforeIt)
{
    build(8);
    name(1, L"Lions");
    name(2, L"Bears");
    name(9, L"Lions");
    name(13, L"Lions");
    name(5, L"Tigers");
    name(11, L"Tigers");
    name(14, L"Tigers");
    name(15, L"Tigers");
    layOutEditable();

    // The caret goes to the end, as a click after the name would put it.
    SendMessageW(control(1), EM_SETSEL, 5, 5);
    type(1, L'x');
    EXPECT_EQ(1, main.textChanges) << "the edit raises EN_CHANGE for a keystroke";
    EXPECT_STREQ(L"Lionsx", slot(1)->name);
    expectCleared(9);
    expectCleared(13);
    expectShowing(15, L"Tigers");
    EXPECT_EQ(1, bracket.dirty);

    // Taking the x back restores the name, not the picks it cleared.
    type(1, L'\b');
    EXPECT_EQ(2, main.textChanges);
    EXPECT_STREQ(L"Lions", slot(1)->name);
    EXPECT_STREQ(L"", slot(9)->name);
    EXPECT_STREQ(L"", slot(13)->name);
    expectShowing(15, L"Tigers");
}

TEST_F(PickControlsTest, TheFirstKeystrokeIntoAnEmptySlotClearsNothing)
{
    build(8);
    layOutEditable();
    // Slot 3 and its parent, slot 10, are both empty; a cascade that looked
    // at the empty old name would blank 10's empty list.
    type(3, L'B');
    EXPECT_EQ(1, main.textChanges);
    EXPECT_STREQ(L"B", slot(3)->name);
    EXPECT_EQ(0, SendMessageW(control(10), CB_GETCOUNT, 0, 0)) << "slot 10 was blanked";
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(PickControlsTest, PickingWithTheKeyboardRunsTheCascade)
{
    build(8);
    name(1, L"Lions");
    name(2, L"Tigers");
    name(9, L"Lions");
    name(13, L"Lions");
    name(15, L"Lions");
    layOutEditable();
    dropDown(9);
    ASSERT_EQ(0, SendMessageW(control(9), CB_GETCURSEL, 0, 0)) << "Lions selected after the drop-down";

    SendMessageW(control(9), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, main.selectionChanges) << "the key raises CBN_SELCHANGE";
    expectShowing(9, L"Tigers");
    expectCleared(13);
    expectCleared(15);
    EXPECT_EQ(1, bracket.dirty);
}

TEST_F(PickControlsTest, ACascadeStopsAtTheFirstPickThatDiffers)
{
    build(8);
    name(1, L"Lions");
    name(2, L"Tigers");
    name(3, L"Bears");
    name(9, L"Lions");
    name(10, L"Bears");
    name(13, L"Bears");
    name(15, L"Lions");
    layOutEditable();
    dropDown(9);
    SendMessageW(control(9), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_STREQ(L"Tigers", slot(9)->name);
    expectShowing(13, L"Bears");
    expectShowing(15, L"Lions");
}

// The platform raises CBN_SELCHANGE when the user clicks the item that is
// already selected.
TEST_F(PickControlsTest, ChoosingTheCurrentPickChangesNothing)
{
    build(4);
    name(1, L"Lions");
    name(5, L"Lions");
    name(7, L"Lions");
    layOutEditable();
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)control(5));
    EXPECT_EQ(0, bracket.dirty);
    expectShowing(5, L"Lions");
    expectShowing(7, L"Lions");
    expectItems(7, {L"Lions"});
}

TEST_F(PickControlsTest, DroppingDownOffersLeftThenRightFeederAndFitsTheLongerName)
{
    build(4);
    name(1, L"Lions");
    name(2, L"Tigers of the Far Northern Territories");
    layOutEditable();
    dropDown(5);
    EXPECT_EQ(1, main.dropDowns);
    expectItems(5, {L"Lions", L"Tigers of the Far Northern Territories"});
    EXPECT_EQ(CB_ERR, SendMessageW(control(5), CB_GETCURSEL, 0, 0)) << "an empty pick selects nothing";
    int expected = droppedWidthFor(5, {L"Lions", L"Tigers of the Far Northern Territories"});
    EXPECT_GT(expected, 78) << "the long name should need more than the control's width";
    EXPECT_EQ(expected, SendMessageW(control(5), CB_GETDROPPEDWIDTH, 0, 0));

    // Short names never make the list narrower than the control.
    name(2, L"Ox");
    dropDown(5);
    expectItems(5, {L"Lions", L"Ox"});
    EXPECT_EQ(78, SendMessageW(control(5), CB_GETDROPPEDWIDTH, 0, 0));
    EXPECT_EQ(0, main.selectionChanges);
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(PickControlsTest, EmptyFeedersAreLeftOut)
{
    build(4);
    name(4, L"Tigers");
    layOutEditable();
    dropDown(6);
    expectItems(6, {L"Tigers"});
    dropDown(5);
    expectItems(5, {});
    EXPECT_EQ(CB_ERR, SendMessageW(control(5), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(78, SendMessageW(control(5), CB_GETDROPPEDWIDTH, 0, 0));
    // The champion of a one-team bracket has no feeders at all.
    resetBracket(&bracket);
    build(1);
    name(1, L"Lions");
    layOutEditable();
    dropDown(1);
    expectItems(1, {});
    EXPECT_EQ(78, SendMessageW(control(1), CB_GETDROPPEDWIDTH, 0, 0));
    EXPECT_STREQ(L"Lions", slot(1)->name) << "refilling is not a change";
}

TEST_F(PickControlsTest, TheCurrentPickStaysSelectedAndIsNotChangedByTheRefill)
{
    build(8);
    name(1, L"Lions");
    name(2, L"Tigers");
    name(3, L"Bears");
    name(4, L"Owls");
    name(5, L"Hawks");
    name(6, L"Foxes");
    name(9, L"Tigers");
    name(10, L"bears");   // differs in case only
    name(11, L"Wolves");  // neither feeder has it any longer
    layOutEditable();

    dropDown(9);
    expectItems(9, {L"Lions", L"Tigers"});
    EXPECT_EQ(1, SendMessageW(control(9), CB_GETCURSEL, 0, 0));

    dropDown(10);
    expectItems(10, {L"Bears", L"Owls"});
    EXPECT_EQ(0, SendMessageW(control(10), CB_GETCURSEL, 0, 0)) << "the list's search ignores case";
    EXPECT_STREQ(L"bears", slot(10)->name) << "the node keeps its name until the user chooses";

    dropDown(11);
    expectItems(11, {L"Hawks", L"Foxes"});
    EXPECT_EQ(CB_ERR, SendMessageW(control(11), CB_GETCURSEL, 0, 0));
    EXPECT_STREQ(L"Wolves", slot(11)->name);

    EXPECT_EQ(3, main.dropDowns);
    EXPECT_EQ(0, main.selectionChanges) << "the refill raised CBN_SELCHANGE";
    EXPECT_EQ(0, bracket.dirty);
}

TEST_F(PickControlsTest, AddingAChoiceMeasuresItOrKeepsTheMinimum)
{
    build(2);
    layOutEditable();
    HWND pick = control(3);
    EXPECT_EQ(0, addChoiceMeasured(pick, NULL, L"")) << "an empty name";
    EXPECT_EQ(0, SendMessageW(pick, CB_GETCOUNT, 0, 0)) << "an empty name is not offered";

    HDC dc = GetDC(pick);
    HGDIOBJ replaced = SelectObject(dc, (HFONT)SendMessageW(pick, WM_GETFONT, 0, 0));
    EXPECT_EQ(textWidthInControlFont(pick, L"Lions") + 8, addChoiceMeasured(pick, dc, L"Lions"));
    SelectObject(dc, replaced);
    ReleaseDC(pick, dc);

    // Without a device context the name cannot be measured: it is still
    // offered, and asks for no more than the control's own width.
    EXPECT_EQ(78, addChoiceMeasured(pick, NULL, L"Tigers"));
    expectItems(3, {L"Lions", L"Tigers"});
}

TEST_F(PickControlsTest, NotificationsFromControlsWithoutASlotChangeNothing)
{
    // No bracket is open: even a control that carries a node is ignored.
    BracketNode stray = {};
    lstrcpyW(stray.name, L"Lions");
    HWND combo = CreateWindowExW(0, L"ComboBox", NULL, WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 0, 78,
                                 100, main.window, (HMENU)IDC_PICK_COMBO, NULL, NULL);
    ASSERT_NE(nullptr, combo);
    SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)L"Tigers");
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SetWindowLongPtrW(combo, GWLP_USERDATA, (LONG_PTR)&stray);
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN), (LPARAM)combo);
    EXPECT_STREQ(L"Lions", stray.name);
    EXPECT_EQ(1, SendMessageW(combo, CB_GETCOUNT, 0, 0)) << "the list was refilled";

    // A bracket is open, but the control carries no slot.
    build(2);
    name(1, L"Lions");
    name(3, L"Lions");
    layOutEditable();
    SetWindowLongPtrW(combo, GWLP_USERDATA, 0);
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)combo);
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN), (LPARAM)combo);
    HWND parked = GetDlgItem(main.window, IDC_PARKED_BUTTON);
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE), (LPARAM)parked);
    EXPECT_EQ(1, SendMessageW(combo, CB_GETCOUNT, 0, 0)) << "the list was refilled";
    EXPECT_EQ(0, bracket.dirty);
    expectShowing(3, L"Lions");
    DestroyWindow(combo);
}

// A file may hold two entrants whose names differ only in case: each list
// offers both, and shows the one its match holds, so clicking the
// highlighted item changes nothing.
TEST_F(PickControlsTest, NamesThatDifferOnlyInCaseAreBothOfferedAndTheHeldOneStays)
{
    build(4);
    name(1, L"Ann");
    name(2, L"ann");
    name(3, L"Bob");
    name(5, L"ann");
    name(6, L"Bob");
    name(7, L"ann");
    layOutEditable();

    dropDown(5);
    expectItems(5, {L"Ann", L"ann"});
    expectShowing(5, L"ann");
    SendMessageW(main.window, WM_COMMAND, MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE), (LPARAM)control(5));
    expectShowing(5, L"ann");
    expectShowing(7, L"ann");
    EXPECT_EQ(0, bracket.dirty) << "the champion was cleared";

    // The losers' and third-place lists are filled from two names.
    const WCHAR *pair[2] = {L"Bob", L"bob"};
    offerEntrants(control(6), pair, L"bob");
    expectItems(6, {L"Bob", L"bob"});
    WCHAR shown[NAME_CAPACITY];
    shownName(control(6), shown);
    EXPECT_STREQ(L"bob", shown);
}

// The text of this thread's tooltip that is on screen, empty when none is.
std::wstring balloonOnScreen()
{
    std::wstring found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            WCHAR className[32] = L"";
            GetClassNameW(window, className, 32);
            if (!IsWindowVisible(window) || lstrcmpiW(className, TOOLTIPS_CLASSW) != 0)
                return TRUE;
            WCHAR text[512] = L"";
            TOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            if (SendMessageW(window, TTM_ENUMTOOLSW, 0, (LPARAM)&tool)) {
                tool.lpszText = text;
                SendMessageW(window, TTM_GETTEXTW, 512, (LPARAM)&tool);
            }
            *(std::wstring *)result = text[0] ? text : L"(no text)";
            return FALSE;
        },
        (LPARAM)&found);
    return found;
}

// Typing a name another entrant has is taken as ever, and the slot says so
// at once; case and outer spaces make no name of its own.
TEST_F(PickControlsTest, ANameAnotherEntrantHasIsTakenAndToldAtOnce)
{
    build(4);
    name(1, L"Lions");
    name(2, L"Tigers");
    name(3, L"Bears");
    name(4, L"Owls");
    layOutEditable();
    EXPECT_EQ(L"", balloonOnScreen());

    typeOver(2, L"Lions");
    EXPECT_STREQ(L"Lions", slot(2)->name);
    EXPECT_NE(std::wstring::npos, balloonOnScreen().find(L"Lions")) << "shown: " << balloonOnScreen();
    type(2, L'x');
    EXPECT_EQ(L"", balloonOnScreen()) << "Lionsx is a name of its own";

    typeOver(4, L"bears ");
    EXPECT_STREQ(L"bears ", slot(4)->name);
    EXPECT_NE(std::wstring::npos, balloonOnScreen().find(L"Bears")) << "shown: " << balloonOnScreen();
}

}  // namespace
