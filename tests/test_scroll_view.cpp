// Brackets larger than the screen, on a real display whose work area is the
// size the test was registered with: the main window (IDD_MAIN with the real
// mainDialogProc) stays inside the work area, and every slot can be reached
// with the scroll bars, the wheel and Tab. Brackets that fit are placed
// exactly as they always were. Under the null driver every case skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/slot_places.h"
#include "support/on_display.h"
#include "support/slot_window.h"
#include "support/temp_folder.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "ui/document/open_bracket.h"

namespace {

// The bracket file of a count of teams named T1, T2, ... with no picks made.
std::string bracketXml(int teams)
{
    std::string xml = "<Games><Title>Big</Title><Teams>" + std::to_string(teams) + "</Teams>";
    for (int id = 1; id <= teams; id++)
        xml += "<Team Name=\"T" + std::to_string(id) + "\" id=\"" + std::to_string(id) + "\"/>";
    return xml + "</Games>";
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct ScrollViewTest : ::testing::Test {
    Bracket bracket;
    DocumentState state = {};
    HWND window = NULL;
    TempFolder folder;

    void SetUp() override
    {
        CoInitialize(NULL);
        initBracket(&bracket, GetModuleHandleW(NULL));
        state.bracket = &bracket;
        state.path[0] = 0;
    }
    void TearDown() override
    {
        resetBracket(&bracket);
        if (window)
            DestroyWindow(window);
        CoUninitialize();
    }

    std::wstring bracketFile(int teams)
    {
        std::wstring path = folder.file(L"teams" + std::to_wstring(teams) + L".xml");
        writeFileBytes(path, bracketXml(teams));
        return path;
    }
    // The editor started on a file of that many teams, as the command line
    // does it.
    void openWindow(int teams)
    {
        lstrcpyW(state.path, bracketFile(teams).c_str());
        window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                    (LPARAM)&state);
        ASSERT_NE(nullptr, window) << "IDD_MAIN could not be created";
        ASSERT_EQ(teams, bracket.slotCount) << "the start-up file did not load";
        pumpMessages();
    }

    HWND control(int id) { return bracket.nodeTable[id - 1]->control; }
    int slots() { return 2 * bracket.slotCount - 1; }
    int contentWidth() { return 156 * bracket.depth + 98; }
    int contentHeight() { return 10 * bracket.slotCount + 20; }

    POINT origin(int id) { return closedFormPlace(&bracket, id); }
    int position(int bar) { return hasBar(bar) ? GetScrollPos(window, bar) : 0; }
    bool hasBar(int bar)
    {
        return (GetWindowLongW(window, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    }
    // Every slot stands at its origin place moved by the scroll position.
    // Returns the first slot that does not, 0 when all do.
    int firstMisplacedSlot()
    {
        int dx = position(SB_HORZ), dy = position(SB_VERT);
        for (int id = 1; id <= slots(); id++) {
            RECT rect = rectInParent(control(id));
            POINT at = origin(id);
            if (rect.left != at.x - dx || rect.top != at.y - dy)
                return id;
        }
        return 0;
    }
    RECT client()
    {
        RECT rect;
        GetClientRect(window, &rect);
        return rect;
    }
    bool fullyShown(HWND slot)
    {
        RECT rect = rectInParent(slot), client;
        GetClientRect(window, &client);
        return rect.left >= 0 && rect.top >= 0 && rect.right <= client.right && rect.bottom <= client.bottom;
    }
    // Scrolls as a click on the bar does; returns whether the view moved.
    bool scroll(int bar, int request)
    {
        int before = position(bar);
        SendMessageW(window, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, request, 0);
        return position(bar) != before;
    }
};

RECT workArea()
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// The size the display was started with ("1366x768"), as a rectangle.
RECT screenAsRegistered()
{
    WCHAR size[32] = L"";
    GetEnvironmentVariableW(L"DUELMARK_ON_DISPLAY", size, 32);
    RECT screen = {0, 0, 0, 0};
    WCHAR *x = size;
    while (*x && *x != L'x')
        screen.right = screen.right * 10 + (*x++ - L'0');
    if (*x)
        x++;
    while (*x)
        screen.bottom = screen.bottom * 10 + (*x++ - L'0');
    return screen;
}

TEST_F(ScrollViewTest, TheWorkAreaIsTheWholeVirtualScreen)
{
    SKIP_UNLESS_ON_DISPLAY();
    RECT work = workArea(), screen = screenAsRegistered();
    EXPECT_EQ(screen.right, work.right - work.left) << "work area width";
    EXPECT_EQ(screen.bottom, work.bottom - work.top) << "work area height";
}

TEST_F(ScrollViewTest, LargeBracketsStayOnScreenAndScrollToEverySlot)
{
    SKIP_UNLESS_ON_DISPLAY();
    for (int teams : {128, 256}) {
        SCOPED_TRACE(std::to_string(teams) + " teams");
        openWindow(teams);
        RECT work = workArea(), outer, client;
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        EXPECT_TRUE(outer.left >= work.left && outer.top >= work.top && outer.right <= work.right &&
                    outer.bottom <= work.bottom)
            << "window " << outer.left << "," << outer.top << "-" << outer.right << "," << outer.bottom;
        EXPECT_EQ(work.top, outer.top) << "too tall: the caption stands at the top of the work area";
        EXPECT_EQ(work.bottom, outer.bottom) << "too tall: the window spans the work area";
        ASSERT_TRUE(hasBar(SB_VERT)) << "a bracket taller than the work area scrolls";
        SCROLLINFO range = {sizeof range, SIF_RANGE, 0, 0, 0, 0, 0};
        GetScrollInfo(window, SB_VERT, &range);
        EXPECT_EQ(contentHeight() - 1, range.nMax) << "the scroll range is the whole bracket";
        if (hasBar(SB_HORZ))
            EXPECT_EQ(work.right - work.left, outer.right - outer.left) << "too wide: spans the work area";
        else
            EXPECT_EQ(contentWidth(), client.right) << "not too wide: every column shown, as before";
        EXPECT_EQ(0, firstMisplacedSlot()) << "at the origin every slot stands where the layout puts it";

        // Page through the bracket in both directions; every slot is seen
        // whole somewhere, and always at its place moved by the view.
        std::vector<bool> seen(slots() + 1, false);
        scroll(SB_HORZ, SB_TOP);
        bool moreAcross = true;
        while (moreAcross) {
            scroll(SB_VERT, SB_TOP);
            bool moreDown = true;
            while (moreDown) {
                ASSERT_EQ(0, firstMisplacedSlot()) << "at " << position(SB_HORZ) << "," << position(SB_VERT);
                for (int id = 1; id <= slots(); id++)
                    seen[id] = seen[id] || fullyShown(control(id));
                moreDown = scroll(SB_VERT, SB_PAGEDOWN);
            }
            moreAcross = scroll(SB_HORZ, SB_PAGEDOWN);
        }
        std::string unseen;
        for (int id = 1; id <= slots(); id++)
            if (!seen[id])
                unseen += " " + std::to_string(id);
        EXPECT_EQ("", unseen) << "slots never shown whole by the scroll bars";

        // Tab through every slot and back with Shift+Tab: the dialog manager's
        // own step (WM_NEXTDLGCTL) gives the focus, and the slot comes into view.
        scroll(SB_HORZ, SB_TOP);
        scroll(SB_VERT, SB_TOP);
        SetFocus(control(1));
        int hiddenForward = 0, hiddenBack = 0, wrongFocus = 0;
        for (int id = 2; id <= slots(); id++) {
            SendMessageW(window, WM_NEXTDLGCTL, 0, FALSE);
            wrongFocus += GetFocus() != control(id);
            hiddenForward += !fullyShown(control(id));
        }
        for (int id = slots() - 1; id >= 1; id--) {
            SendMessageW(window, WM_NEXTDLGCTL, 1, FALSE);
            wrongFocus += GetFocus() != control(id);
            hiddenBack += !fullyShown(control(id));
        }
        EXPECT_EQ(0, wrongFocus) << "Tab follows the slots in creation order";
        EXPECT_EQ(0, hiddenForward) << "slots focused by Tab but not shown whole";
        EXPECT_EQ(0, hiddenBack) << "slots focused by Shift+Tab but not shown whole";
        EXPECT_EQ(0, firstMisplacedSlot()) << "after Tab";

        resetBracket(&bracket);
        DestroyWindow(window);
        window = NULL;
    }
}

TEST_F(ScrollViewTest, TheWheelScrollsAndLayoutAndCloseGoBackToTheOrigin)
{
    SKIP_UNLESS_ON_DISPLAY();
    openWindow(256);
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    bool across = hasBar(SB_HORZ);

    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ((int)lines * 20, position(SB_VERT)) << "one notch down: " << lines << " rows of base slots";
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, -WHEEL_DELTA), 0);
    int acrossLimit = across ? contentWidth() - client().right : 0;
    EXPECT_EQ(std::min((int)lines * 20, acrossLimit), position(SB_HORZ)) << "Shift+wheel scrolls across";
    EXPECT_EQ((int)lines * 20, position(SB_VERT)) << "Shift+wheel leaves the vertical position";
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
    EXPECT_EQ((int)lines * 10, position(SB_VERT)) << "half a notch up";
    EXPECT_EQ(0, firstMisplacedSlot()) << "slots move with the view";

    // Loading again lays out afresh at the origin; the parked button, which
    // outlives every bracket, keeps its place.
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_TRUE(loadBracketFile(&bracket, window, bracketFile(128).c_str()));
    EXPECT_EQ(0, position(SB_VERT)) << "after a load";
    EXPECT_EQ(0, position(SB_HORZ)) << "after a load";
    EXPECT_EQ(0, firstMisplacedSlot()) << "after a load";
    RECT parked = rectInParent(GetDlgItem(window, IDC_PARKED_BUTTON));
    EXPECT_EQ(-300, parked.left);
    EXPECT_EQ(-300, parked.top);

    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageW(window, WM_COMMAND, IDM_FILE_CLOSE, 0);
    ASSERT_EQ(0, bracket.slotCount) << "Close";
    EXPECT_FALSE(hasBar(SB_VERT)) << "nothing left to scroll after Close";
    EXPECT_FALSE(hasBar(SB_HORZ)) << "nothing left to scroll after Close";
    parked = rectInParent(GetDlgItem(window, IDC_PARKED_BUTTON));
    EXPECT_EQ(-300, parked.left) << "after Close";
    EXPECT_EQ(-300, parked.top) << "after Close";
}

TEST_F(ScrollViewTest, ABracketThatFitsIsPlacedExactlyAsBefore)
{
    SKIP_UNLESS_ON_DISPLAY();
    openWindow(64);
    RECT work = workArea(), outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_FALSE(hasBar(SB_VERT));
    EXPECT_FALSE(hasBar(SB_HORZ));
    EXPECT_EQ(1034, client.right);
    EXPECT_EQ(660, client.bottom);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    EXPECT_EQ(work.left + (work.right - work.left - width) / 2, outer.left) << "centred across";
    EXPECT_EQ(work.top + (work.bottom - work.top - height) / 2, outer.top) << "centred down";
    EXPECT_EQ(0, firstMisplacedSlot());
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(0, firstMisplacedSlot()) << "the wheel moves nothing when everything is shown";
}

}  // namespace
