// The bracket at the display's scale: run at 96, 144 and 192 DPI (see
// test_display_scale.cmake), every slot's text fits its box, no two slots
// overlap, and the whole bracket is the 96-DPI bracket made larger. A window
// told it moved to a monitor of another scale lays itself out for that one
// and loses nothing the user sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/slot_places.h"
#include "support/bracket_file_fixture.h"
#include "support/dialog_script.h"
#include "support/editor_window.h"
#include "support/slot_window.h"

namespace {

int screenDpi()
{
    HDC screen = GetDC(NULL);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    return dpi;
}

// A file of teams T1.. with every name filled in, no picks, and the match
// for third place on.
std::string bracketXml(int teams)
{
    std::string xml = "<Games><Title>Scale</Title><Teams>" + std::to_string(teams) + "</Teams>";
    for (int id = 1; id <= teams; id++)
        xml += "<Team Name=\"Eagles Tigers " + std::to_string(id) + "\" id=\"" + std::to_string(id) + "\"/>";
    return xml + "<ThirdPlace Name=\"\"/></Games>";
}

struct DisplayScaleTest : EditorWindowTest {
    int dpi = screenDpi();

    // The control's rectangle in the bracket's coordinates: the client
    // area's plus the scroll offset.
    RECT placeOf(int id) { return placeOf(control(id)); }
    int scrollOffset(int bar)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        bool shown = GetWindowLongW(window, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
        return shown && GetScrollInfo(window, bar, &info) ? info.nPos : 0;
    }
    int slotCount() { return 2 * bracket.slotCount - 1; }

    // Every slot at scale, against the 96-DPI place times scale / 96.
    void expectBracketAtScale(int scale)
    {
        for (int id = 1; id <= slotCount(); id++) {
            SCOPED_TRACE(testing::Message() << "slot " << id << " at " << scale << " DPI");
            POINT at96 = closedFormPlace(&bracket, id);
            RECT place = placeOf(id);
            EXPECT_EQ(MulDiv(at96.x, scale, 96), place.left);
            EXPECT_EQ(MulDiv(at96.y, scale, 96), place.top);
            EXPECT_EQ(MulDiv(78, scale, 96), place.right - place.left);
        }
    }
    RECT placeOf(HWND c)
    {
        RECT rect;
        GetWindowRect(c, &rect);
        MapWindowPoints(NULL, window, (POINT *)&rect, 2);
        OffsetRect(&rect, scrollOffset(SB_HORZ), scrollOffset(SB_VERT));
        return rect;
    }
    // Every slot's text area, and the third-place drop-down's, holds its
    // font's line; no two of them overlap, nor the third-place heading.
    void expectEveryTextFits(int scale)
    {
        std::vector<RECT> places;
        ASSERT_NE(nullptr, bracket.thirdPlace.control);
        places.push_back(placeOf(GetDlgItem(window, IDC_THIRD_PLACE_LABEL)));
        for (int id = 1; id <= slotCount() + 1; id++) {
            SCOPED_TRACE(testing::Message() << "slot " << id);
            HWND c = id <= slotCount() ? control(id) : bracket.thirdPlace.control;
            RECT text;
            if (id <= bracket.slotCount) {
                GetClientRect(c, &text);
            } else {
                COMBOBOXINFO info = {};
                info.cbSize = sizeof info;
                ASSERT_TRUE(GetComboBoxInfo(c, &info));
                text = info.rcItem;
            }
            EXPECT_GE(text.bottom - text.top, lineHeightInControlFont(c)) << "the font's line is cut";
            RECT place = placeOf(c), overlap;
            EXPECT_EQ(MulDiv(78, scale, 96), place.right - place.left);
            for (size_t other = 0; other < places.size(); other++)
                EXPECT_FALSE(IntersectRect(&overlap, &place, &places[other])) << "overlaps slot " << other;
            places.push_back(place);
        }
    }
};

TEST_F(DisplayScaleTest, TheBracketIsTheSameLargerAndEveryNameFits)
{
    for (int teams : {8, 64}) {
        SCOPED_TRACE(testing::Message() << teams << " teams");
        openOn(bracketXml(teams).c_str());
        expectBracketAtScale(dpi);
        expectEveryTextFits(dpi);
        bracket.dirty = 0;
    }
}

// Wine never moves a window between monitors, so the message the system
// sends is sent here, with the rectangle it would suggest.
TEST_F(DisplayScaleTest, MovingToAnotherScaleKeepsTextFocusAndScrollPosition)
{
    openOn(bracketXml(64).c_str());
    ShowWindow(window, SW_SHOW);
    int gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    typeText(3, L"Zebras");
    SetFocus(control(70));
    SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    int down = scrollOffset(SB_VERT);
    int oldLine = lineHeightInControlFont(control(1));

    int other = dpi == 192 ? 96 : dpi * 2;
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, other, dpi);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, other, dpi);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(other, other), (LPARAM)&suggested);

    expectBracketAtScale(other);
    expectEveryTextFits(other);
    EXPECT_EQ(L"Zebras", shown(3));
    EXPECT_EQ(L"Zebras", name(3));
    EXPECT_EQ(control(70), GetFocus());
    EXPECT_EQ(other > dpi, lineHeightInControlFont(control(1)) > oldLine) << "the font follows the scale";
    // Clamped where the new scale's range ends.
    SCROLLINFO range = {};
    range.cbSize = sizeof range;
    range.fMask = SIF_RANGE | SIF_PAGE;
    int expected = MulDiv(down, other, dpi);
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL))
        expected = 0;
    else if (GetScrollInfo(window, SB_VERT, &range) && expected > range.nMax - (int)range.nPage + 1)
        expected = range.nMax - (int)range.nPage + 1;
    EXPECT_EQ(expected, scrollOffset(SB_VERT));

    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    expectBracketAtScale(dpi);
    EXPECT_EQ(oldLine, lineHeightInControlFont(control(1)));
    EXPECT_EQ(gdiObjects, (int)GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) << "a font was left behind";
}

// The losers' bracket under the winners': at every scale no drop-down
// overlaps another, each lies inside the scrolled content, Tab reaches them
// after the champion, and they follow a change of scale with the rest.
TEST_F(DisplayScaleTest, TheLosersBracketScalesWithTheRestAndOverlapsNothing)
{
    std::string xml = bracketXml(16);
    xml.insert(xml.find("<ThirdPlace"), "<Losers Reset=\"1\"/><GrandFinal Name=\"\"/>");
    openOn(xml.c_str());
    std::vector<HWND> all;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsWindowVisible(c) && GetDlgCtrlID(c) != IDC_PARKED_BUTTON)
            all.push_back(c);
    }
    std::vector<HWND> losers;
    for (HWND c : all) {
        if (GetDlgCtrlID(c) == IDC_LOSERS_COMBO)
            losers.push_back(c);
    }
    ASSERT_EQ(16u, losers.size());
    EXPECT_EQ(losers.front(), GetNextDlgTabItem(window, control(slotCount()), FALSE)) << "Tab goes on to them";
    RECT client;
    GetClientRect(window, &client);
    SCROLLINFO range = {};
    range.cbSize = sizeof range;
    range.fMask = SIF_RANGE;
    int contentBottom = GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL && GetScrollInfo(window, SB_VERT, &range)
                            ? range.nMax + 1
                            : client.bottom;
    std::vector<RECT> before;
    for (HWND c : losers) {
        RECT box = placeOf(c);
        EXPECT_LE(box.bottom, contentBottom);
        before.push_back(box);
        for (HWND other : all) {
            RECT overlap, them = placeOf(other);
            if (other != c) {
                EXPECT_FALSE(IntersectRect(&overlap, &box, &them)) << "two controls overlap";
            }
        }
    }
    int other = dpi == 192 ? 96 : dpi * 2;
    RECT suggested;
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(other, other), (LPARAM)&suggested);
    for (size_t i = 0; i < losers.size(); i++) {
        RECT box = placeOf(losers[i]);
        EXPECT_NEAR(MulDiv(before[i].left, other, dpi), box.left, 3) << "drop-down " << i;
        EXPECT_NEAR(MulDiv(before[i].top, other, dpi), box.top, 3 * other / 96) << "drop-down " << i;
    }
    bracket.dirty = 0;
}

}  // namespace
