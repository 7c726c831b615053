// The bracket layout on a real main window made from the IDD_MAIN template:
// every slot control checked as a user or the dialog manager meets it, the
// window's size, place and caption, and the notifications the layout raises
// while it fills the controls.
#include <gtest/gtest.h>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/slot_places.h"
#include "support/slot_window.h"
#include "ui/window/layout.h"

namespace {

const LONG EDITABLE_EDIT_STYLE = 0x50010080;
const LONG READ_ONLY_EDIT_STYLE = 0x50010880;
const LONG EDIT_EX_STYLE = 0x204;
const LONG PICK_STYLE = 0x50010203;

struct Place {
    int id;
    int x;
    int y;
};

// What the layout asked for when it created each control on the main window,
// caught as the window is created: the size requested is not what a
// combobox reports later (it shrinks to its selection field).
struct Creation {
    HWND control;
    int width;
    int height;
    void *creationData;
};
Creation creations[600];
int creationCount;
HWND watchedParent;

LRESULT CALLBACK recordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTW *create = ((CBT_CREATEWNDW *)lParam)->lpcs;
        if (create->hwndParent == watchedParent && watchedParent && creationCount < 600)
            creations[creationCount++] = {(HWND)wParam, create->cx, create->cy, create->lpCreateParams};
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

const Creation *creationOf(HWND control)
{
    for (int i = 0; i < creationCount; i++) {
        if (creations[i].control == control)
            return &creations[i];
    }
    return nullptr;
}

struct LayoutTest : ::testing::Test {
    Bracket bracket;
    SlotWindow main;
    HHOOK hook = NULL;

    void SetUp() override
    {
        initBracket(&bracket, GetModuleHandleW(NULL));
        ASSERT_NE(nullptr, openSlotWindow(&main, &bracket)) << "IDD_MAIN could not be created";
        creationCount = 0;
        watchedParent = main.window;
        hook = SetWindowsHookExW(WH_CBT, recordCreation, NULL, GetCurrentThreadId());
        ASSERT_NE(nullptr, hook);
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(hook);
        watchedParent = NULL;
        resetBracket(&bracket);
        closeSlotWindow(&main);
    }

    void build(int teams) { ASSERT_EQ(1, buildBracket(&bracket, teams)); }
    void layOut(int editable)
    {
        creationCount = 0;
        layoutBracket(&bracket, main.window, editable);
    }
    BracketNode *slot(int id) { return bracket.nodeTable[id - 1]; }
    HWND control(int id) { return slot(id)->control; }

    // Everything the layout decides about one slot's control: kind, id,
    // place, size, styles, font, module, the link to its node and what it
    // shows first.
    void expectSlotControl(int id, int x, int y, int editable)
    {
        SCOPED_TRACE(testing::Message() << "slot " << id);
        BracketNode *node = slot(id);
        HWND c = node->control;
        ASSERT_NE(nullptr, c) << "no control was created";
        int isEdit = id <= bracket.slotCount && bracket.slotCount > 1;
        WCHAR className[32] = L"";
        GetClassNameW(c, className, 32);
        EXPECT_EQ(0, lstrcmpiW(isEdit ? L"Edit" : L"ComboBox", className));
        EXPECT_EQ(isEdit ? IDC_TEAM_EDIT : IDC_PICK_COMBO, GetDlgCtrlID(c));
        EXPECT_EQ(main.window, GetParent(c));
        RECT r = rectInParent(c);
        EXPECT_EQ(x, r.left) << "left edge in client coordinates";
        EXPECT_EQ(y, r.top) << "top edge in client coordinates";
        EXPECT_EQ(78, r.right - r.left) << "width";
        const Creation *creation = creationOf(c);
        ASSERT_NE(nullptr, creation) << "not created on the main window";
        EXPECT_EQ(78, creation->width) << "width asked for";
        if (!isEdit) {
            EXPECT_EQ(100, creation->height) << "height asked for (a pick's includes its list)";
        }
        EXPECT_EQ(nullptr, creation->creationData);
        EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), (HGDIOBJ)SendMessageW(c, WM_GETFONT, 0, 0));
        EXPECT_EQ((LONG_PTR)GetModuleHandleW(NULL), GetWindowLongPtrW(c, GWLP_HINSTANCE));
        EXPECT_EQ((LONG_PTR)node, GetWindowLongPtrW(c, GWLP_USERDATA)) << "control does not lead to its node";
        if (isEdit) {
            EXPECT_EQ(creation->height, r.bottom - r.top) << "height";
            EXPECT_GE(r.bottom - r.top, 16) << "height";
            RECT area;
            GetClientRect(c, &area);
            EXPECT_GE(area.bottom, lineHeightInControlFont(c)) << "the box cuts its font's line";
            EXPECT_EQ(editable ? EDITABLE_EDIT_STYLE : READ_ONLY_EDIT_STYLE, GetWindowLongW(c, GWL_STYLE));
            EXPECT_EQ(EDIT_EX_STYLE, GetWindowLongW(c, GWL_EXSTYLE));
            EXPECT_EQ(127, SendMessageW(c, EM_GETLIMITTEXT, 0, 0));
            WCHAR text[NAME_CAPACITY] = L"?";
            GetWindowTextW(c, text, NAME_CAPACITY);
            EXPECT_STREQ(node->name, text);
        } else {
            EXPECT_EQ(PICK_STYLE, GetWindowLongW(c, GWL_STYLE));
            EXPECT_EQ(0, GetWindowLongW(c, GWL_EXSTYLE));
            if (node->name[0]) {
                WCHAR item[NAME_CAPACITY] = L"";
                EXPECT_EQ(1, SendMessageW(c, CB_GETCOUNT, 0, 0)) << "the name alone";
                SendMessageW(c, CB_GETLBTEXT, 0, (LPARAM)item);
                EXPECT_STREQ(node->name, item);
                EXPECT_EQ(0, SendMessageW(c, CB_GETCURSEL, 0, 0)) << "the name is selected";
            } else {
                EXPECT_EQ(0, SendMessageW(c, CB_GETCOUNT, 0, 0)) << "an empty pick shows an empty list";
                EXPECT_EQ(CB_ERR, SendMessageW(c, CB_GETCURSEL, 0, 0));
            }
        }
    }
    void expectPlaces(const Place *places, int count, int editable)
    {
        ASSERT_EQ(2 * bracket.slotCount - 1, count);
        for (int i = 0; i < count; i++)
            expectSlotControl(places[i].id, places[i].x, places[i].y, editable);
    }
    // The client area is the bracket's size where that fits the work area;
    // in a direction where it does not, the window scrolls over exactly it.
    void expectClientSize(int width, int height)
    {
        RECT client;
        GetClientRect(main.window, &client);
        expectExtent(SB_HORZ, WS_HSCROLL, width, client.right, "client width");
        expectExtent(SB_VERT, WS_VSCROLL, height, client.bottom, "client height");
    }
    void expectExtent(int bar, LONG style, int content, int shown, const char *what)
    {
        if (!(GetWindowLongW(main.window, GWL_STYLE) & style)) {
            EXPECT_EQ(content, shown) << what;
            return;
        }
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
        GetScrollInfo(main.window, bar, &info);
        EXPECT_LT(shown, content) << what << ": a scroll bar only where the bracket does not fit";
        EXPECT_EQ(content - 1, info.nMax) << what << ": the scroll range is the bracket";
        EXPECT_EQ(shown, (int)info.nPage) << what << ": a page is what is shown";
    }
    // Every slot against the closed form.
    void expectClosedForm(int editable)
    {
        for (int id = 1; id < 2 * bracket.slotCount; id++) {
            POINT place = closedFormPlace(&bracket, id);
            expectSlotControl(id, place.x, place.y, editable);
        }
    }
};

TEST_F(LayoutTest, EightTeamsFollowTheWorkedExampleControlByControl)
{
    build(8);
    lstrcpyW(bracket.title, L"Spring Cup");
    const WCHAR *teams[] = {L"Lions", L"Tigers", L"", L"Bears", L"Wolves", L"Hawks", L"Owls", L"Foxes"};
    for (int id = 1; id <= 8; id++)
        lstrcpyW(slot(id)->name, teams[id - 1]);
    lstrcpyW(slot(9)->name, L"Lions");
    lstrcpyW(slot(13)->name, L"Lions");
    layOut(0);
    const Place places[] = {
        {1, 10, 10},   {2, 10, 30},   {3, 10, 50},  {4, 10, 70},  {5, 478, 10},
        {6, 478, 30},  {7, 478, 50},  {8, 478, 70}, {9, 88, 20},  {10, 88, 60},
        {11, 400, 20}, {12, 400, 60}, {13, 166, 40}, {14, 322, 40}, {15, 244, 20},
    };
    expectPlaces(places, 15, 0);
    expectClientSize(566, 100);
}

TEST_F(LayoutTest, FourTeamsFollowTheWorkedExample)
{
    build(4);
    layOut(1);
    const Place places[] = {
        {1, 10, 10}, {2, 10, 30}, {3, 322, 10}, {4, 322, 30}, {5, 88, 20}, {6, 244, 20}, {7, 166, 0},
    };
    expectPlaces(places, 7, 1);
    expectClientSize(410, 60);
}

TEST_F(LayoutTest, SixtyFourTeamsStandInColumnsOfThirtyTwo)
{
    build(64);
    layOut(1);
    expectClosedForm(1);
    for (int row = 0; row < 32; row++) {
        expectSlotControl(1 + row, 10, 10 + 20 * row, 1);
        expectSlotControl(33 + row, 10 + 78 * 12, 10 + 20 * row, 1);
    }
    expectSlotControl(127, 478, 300, 1);
    expectClientSize(1034, 660);
}

// Where the final is the first round, the champion would stand a margin
// above the client area: the whole bracket moves down by that much and the
// client area grows with it.
TEST_F(LayoutTest, TwoTeamsAndOneShowTheChampionInsideTheClientArea)
{
    build(2);
    lstrcpyW(slot(1)->name, L"Lions");
    lstrcpyW(slot(3)->name, L"Lions");
    layOut(1);
    const Place places[] = {{1, 10, 20}, {2, 166, 20}, {3, 88, 0}};
    expectPlaces(places, 3, 1);
    expectClientSize(254, 50);

    resetBracket(&bracket);
    build(1);
    layOut(1);
    const Place alone[] = {{1, 10, 0}};
    expectPlaces(alone, 1, 1);
    expectClientSize(98, 40);
}

TEST_F(LayoutTest, EverySlotOfSixteenAndTwoHundredFiftySixMatchesTheClosedForm)
{
    build(16);
    layOut(1);
    expectClosedForm(1);
    expectClientSize(156 * 4 + 98, 180);
    resetBracket(&bracket);
    build(256);
    layOut(0);
    expectClosedForm(0);
    expectClientSize(156 * 8 + 98, 2580);
}

TEST_F(LayoutTest, ControlsAreCreatedInAscendingIdOrderAndTabFollowsIt)
{
    build(16);
    layOut(1);
    HWND child = GetWindow(main.window, GW_CHILD);
    ASSERT_EQ(IDC_PARKED_BUTTON, GetDlgCtrlID(child)) << "the template's own control comes first";
    for (int id = 1; id <= 31; id++) {
        child = GetWindow(child, GW_HWNDNEXT);
        EXPECT_EQ(control(id), child) << "z-order position " << id << " should hold slot " << id;
    }
    EXPECT_EQ(nullptr, GetWindow(child, GW_HWNDNEXT)) << "nothing after the champion";

    // Tab from the last base slot of the right column goes to the first
    // second-round pick on the left.
    EXPECT_EQ(control(17), GetNextDlgTabItem(main.window, control(16), FALSE));
    SetFocus(control(16));
    SendMessageW(main.window, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(control(17), GetFocus()) << "the dialog manager's Tab";
}

// The half of a negative odd difference truncates toward zero.
int centred(LONG start, LONG end, int size)
{
    int room = end - start - size;
    return start + (room < 0 ? -(-room / 2) : room / 2);
}

TEST_F(LayoutTest, TheWindowIsCentredInTheWorkAreaAtEverySize)
{
    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    for (int teams : {1, 8, 256}) {
        SCOPED_TRACE(teams);
        resetBracket(&bracket);
        build(teams);
        layOut(1);
        RECT outer;
        GetWindowRect(main.window, &outer);
        int width = outer.right - outer.left;
        int height = outer.bottom - outer.top;
        EXPECT_EQ(centred(work.left, work.right, width), outer.left);
        EXPECT_EQ(centred(work.top, work.bottom, height), outer.top);
        if (teams == 256) {
            EXPECT_EQ(work.top, outer.top) << "a bracket taller than the work area: the caption stays on screen";
            EXPECT_EQ(work.bottom - work.top, height) << "and the window spans the work area";
        }
        expectClientSize(156 * bracket.depth + 98, 10 * teams + (teams == 1 ? 30 : 20));
    }
}

TEST_F(LayoutTest, ALongestTitleIsShownWholeInTheCaption)
{
    build(8);
    for (int i = 0; i < TITLE_CAPACITY; i++)
        bracket.title[i] = (WCHAR)(L'a' + i % 26);   // no terminator at all
    layOut(1);
    WCHAR expected[300] = L"Duelmark - ";
    lstrcpynW(expected + 11, bracket.title, 256);
    EXPECT_EQ(255, lstrlenW(bracket.title)) << "the title is cut to 255 units in place";
    WCHAR caption[600] = L"";
    EXPECT_EQ(11 + 255, GetWindowTextW(main.window, caption, 600));
    EXPECT_STREQ(expected, caption);
}

TEST_F(LayoutTest, BaseSlotsAreReadOnlyAfterALoadAndEditableAfterNew)
{
    build(4);
    lstrcpyW(slot(1)->name, L"Lions");
    layOut(0);
    for (int id = 1; id <= 4; id++)
        EXPECT_EQ(READ_ONLY_EDIT_STYLE, GetWindowLongW(control(id), GWL_STYLE)) << "slot " << id;
    SendMessageW(control(1), WM_CHAR, L'x', 1);
    EXPECT_STREQ(L"Lions", slot(1)->name) << "a read-only slot takes no typing";
    EXPECT_EQ(0, bracket.dirty);
    for (int id = 5; id <= 7; id++)
        EXPECT_EQ(PICK_STYLE, GetWindowLongW(control(id), GWL_STYLE)) << "slot " << id;

    resetBracket(&bracket);
    build(4);
    layOut(1);
    for (int id = 1; id <= 4; id++)
        EXPECT_EQ(EDITABLE_EDIT_STYLE, GetWindowLongW(control(id), GWL_STYLE)) << "slot " << id;
    for (int id = 5; id <= 7; id++)
        EXPECT_EQ(PICK_STYLE, GetWindowLongW(control(id), GWL_STYLE)) << "slot " << id;
}

// A loaded bracket is laid out with every name in place: whatever the
// controls report while they are being filled must not reach the model.
TEST_F(LayoutTest, NotificationsRaisedByTheLayoutChangeNothing)
{
    build(8);
    for (int id = 1; id <= 8; id++)
        wsprintfW(slot(id)->name, L"Team %d", id);
    lstrcpyW(slot(9)->name, L"Team 1");
    lstrcpyW(slot(13)->name, L"Team 1");
    lstrcpyW(slot(15)->name, L"Team 1");
    lstrcpyW(slot(14)->name, L"Team 7");
    layOut(1);
    EXPECT_EQ(0, bracket.dirty) << main.textChanges << " text changes, " << main.selectionChanges
                                << " selection changes were raised";
    for (int id = 1; id <= 8; id++) {
        WCHAR expected[NAME_CAPACITY];
        wsprintfW(expected, L"Team %d", id);
        EXPECT_STREQ(expected, slot(id)->name);
    }
    for (int id : {9, 13, 15})
        EXPECT_STREQ(L"Team 1", slot(id)->name) << "slot " << id;
    EXPECT_STREQ(L"Team 7", slot(14)->name);
    expectSlotControl(15, 244, 20, 1);
    EXPECT_EQ(0, main.selectionChanges) << "filling a pick control is not a selection";
}

// A string module built beside this test program.
HMODULE loadStrings(const WCHAR *file)
{
    WCHAR path[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        length--;
    lstrcpyW(path + length, file);
    return LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
}

TEST_F(LayoutTest, TheCaptionFormatComesFromTheBracketsStringModule)
{
    HMODULE foreign = loadStrings(L"foreign_caption.dll");
    ASSERT_NE(nullptr, foreign);
    bracket.resourceModule = foreign;
    build(4);
    lstrcpyW(bracket.title, L"Spring Cup");
    layOut(1);
    WCHAR caption[600] = L"";
    GetWindowTextW(main.window, caption, 600);
    EXPECT_STREQ(L"Bracket: Spring Cup", caption);
    FreeLibrary(foreign);
}

// Extra conversions in a translated format would make the caption read
// arguments that were never passed: the title is shown alone instead.
// Inserts the caption has no text for are left out; the rest of the
// translator's text stays.
TEST_F(LayoutTest, AFormatWithConversionsBeyondTheTitleShowsTheTitleWithoutThem)
{
    HMODULE broken = loadStrings(L"broken_caption.dll");
    ASSERT_NE(nullptr, broken);
    bracket.resourceModule = broken;
    build(4);
    lstrcpyW(bracket.title, L"Spring Cup");
    layOut(1);
    WCHAR caption[600] = L"";
    GetWindowTextW(main.window, caption, 600);
    EXPECT_STREQ(L"Spring Cup vs  ()", caption);
    FreeLibrary(broken);
}

// A file opened at start-up is laid out while the main window is still
// being initialised, before the dialog manager shows it.
TEST_F(LayoutTest, AWindowNotShownYetStaysHiddenAndAShownOneStaysShown)
{
    ShowWindow(main.window, SW_HIDE);
    build(8);
    layOut(0);
    EXPECT_FALSE(IsWindowVisible(main.window)) << "the layout showed a hidden window";
    resetBracket(&bracket);
    ShowWindow(main.window, SW_SHOWNA);
    build(8);
    layOut(0);
    EXPECT_TRUE(IsWindowVisible(main.window));
    EXPECT_TRUE(IsWindowVisible(control(15))) << "slot controls are shown with their window";
}

}  // namespace
