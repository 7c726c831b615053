// The main window's marks (round names, seeds, scores with their outcome
// marks, times and courts, where losers drop in from) never stand on one
// another or on a control, in the usual geometry and in Wide layout, from 2
// to 256 entrants, double elimination included; Wide layout cuts nothing; a
// mark whose data goes leaves nothing behind; Wide layout is a View choice
// the user keeps. Run at 96 DPI here and at 144 and 192 on a display (see
// test_tidy_window.cmake).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "model/match_outcome.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "support/editor_process.h"
#include "support/editor_window.h"
#include "support/marks_pixels.h"
#include "support/on_display.h"
#include "support/screen_pixels.h"
#include "support/temp_folder.h"
#include "ui/main_dialog.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/window_marks.h"

namespace {

const char *const STATUSES[] = {"", "walkover", "retired", "disqualified", "double-walkover"};

// entrants named long enough to widen a column, every one seeded; each
// first-round match between two entrants decided in turn with a long score
// or an outcome, or left open with a time and a court; every later match
// scheduled; the third-place match on, and the losers' bracket when asked
// with its first matches scheduled.
std::string eventXml(int entrants, bool losers)
{
    int slots = 1;
    while (slots < entrants)
        slots *= 2;
    auto name = [](int id) { return "Entrant Number " + std::to_string(id) + " Athletic"; };
    std::string xml = "<Games><Title>Open</Title><Teams>" + std::to_string(entrants) + "</Teams>";
    for (int id = 1; id <= slots; id++) {
        if (id <= entrants)
            xml += "<Team Name=\"" + name(id) + "\" id=\"" + std::to_string(id) + "\" Seed=\"" + std::to_string(id) +
                   "\"/>";
        else
            xml += "<Team Name=\"\" id=\"" + std::to_string(id) + "\" Bye=\"1\"/>";
    }
    const std::string schedule = " Court=\"Centre Court 12\" Time=\"2026-12-08T09:30\"/>";
    for (int m = 1; m < slots; m++) {
        std::string id = " id=\"" + std::to_string(slots + m) + "\"";
        int left = 2 * m - 1;
        if (m > slots / 2 || left + 1 > entrants) {
            xml += "<Team Name=\"\"" + id + (m > slots / 2 ? schedule : std::string("/>"));
            continue;
        }
        int kind = m % 6;
        if (kind == 5)
            xml += "<Team Name=\"\"" + id + schedule;
        else if (kind == 4)
            xml += "<Team Name=\"\"" + id + " Status=\"double-walkover\"/>";
        else
            xml += "<Team Name=\"" + name(left) + "\"" + id + " Score=\"6:7(5:7) 7:6(8:6) 6:4\"" +
                   (kind ? " Status=\"" + std::string(STATUSES[kind]) + "\"" : std::string()) + "/>";
    }
    xml += "<ThirdPlace Name=\"\"" + schedule;
    if (losers && slots >= 4) {
        xml += "<Losers>";
        for (int k = 1; k <= slots / 2; k++)
            xml += "<Team Name=\"\" id=\"" + std::to_string(k) + "\"" + schedule;
        xml += "</Losers><GrandFinal Name=\"\"/>";
    }
    return xml + "</Games>";
}

struct TidyWindowTest : EditorWindowTest {
    HKEY settings = NULL;

    // The user's settings in a key of this test's own, so that turning
    // Wide layout on here reaches no other test's windows.
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Duelmark Tests\\Tidy window");
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Duelmark Tests\\Tidy window", 0,
                                                 NULL, 0, KEY_ALL_ACCESS, NULL, &settings, NULL));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, settings));
    }
    void TearDown() override
    {
        EditorWindowTest::TearDown();
        RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
        RegCloseKey(settings);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Duelmark Tests\\Tidy window");
    }

    std::vector<WindowMark> marks;
    std::vector<DWORD> pixels;
    RECT client = {};

    // The marks as the window places them, and as it draws them on white.
    void layOut()
    {
        pixels = drawnWindowMarks(window, &bracket, &client);
        HDC dc = CreateCompatibleDC(NULL);
        HGDIOBJ font = SelectObject(dc, currentSlotGeometry(window, &bracket).font);
        int count = 0;
        WindowMark *laid = layOutWindowMarks(window, &bracket, dc, &count);
        marks.assign(laid, laid + count);
        HeapFree(GetProcessHeap(), 0, laid);
        SelectObject(dc, font);
        DeleteDC(dc);
    }
    std::vector<std::pair<RECT, std::wstring>> controlRects()
    {
        std::vector<std::pair<RECT, std::wstring>> rects;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r;
            WCHAR text[128] = L"";
            GetWindowTextW(child, text, 128);
            if (IsWindowVisible(child) && GetWindowRect(child, &r)) {
                MapWindowPoints(NULL, window, (POINT *)&r, 2);
                rects.push_back({r, text});
            }
        }
        return rects;
    }
    RECT placeOf(int id)
    {
        RECT r = {};
        GetWindowRect(control(id), &r);
        MapWindowPoints(NULL, window, (POINT *)&r, 2);
        return r;
    }
    bool inked(int x, int y) { return (pixels[y * client.right + x] & 0xFF) < 128; }
    bool shown(const WindowMark &mark) { return !IsRectEmpty(&mark.place.placed); }
    int placedWidth(const WindowMark &mark) { return mark.place.placed.right - mark.place.placed.left; }
};

std::wstring describe(const WindowMark &mark)
{
    const RECT &r = mark.place.placed;
    return std::wstring(mark.text) + L" at " + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"-" +
           std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

// The property, for 2 to 256 entrants, single and double elimination, in
// both layouts.
TEST_F(TidyWindowTest, NoMarkMeetsAnotherOrAControlAndWideLayoutCutsNothing)
{
    const int sizes[] = {2, 3, 4, 5, 8, 12, 16, 27, 64, 100, 256};
    for (int wide = 0; wide < 2; wide++) {
        for (int entrants : sizes) {
            for (int losers = 0; losers < 2; losers++) {
                if (losers && (entrants < 4 || (entrants > 16 && entrants != 256)))
                    continue;
                SCOPED_TRACE(testing::Message() << entrants << " entrants" << (losers ? ", double" : "")
                                                << (wide ? ", wide" : ""));
                openOn(eventXml(entrants, losers).c_str());
                if (wideLayoutOn(window) != wide)
                    command(IDM_VIEW_WIDE_LAYOUT);
                ASSERT_EQ(wide, wideLayoutOn(window));
                layOut();
                auto controls = controlRects();
                int kinds[8] = {};
                for (size_t i = 0; i < marks.size(); i++) {
                    const WindowMark &mark = marks[i];
                    if (!shown(mark)) {
                        EXPECT_FALSE(wide) << "left out in Wide layout: " << testing::PrintToString(mark.text);
                        continue;
                    }
                    kinds[mark.kind]++;
                    RECT meet;
                    for (size_t j = 0; j < i; j++)
                        EXPECT_FALSE(IntersectRect(&meet, &mark.place.placed, &marks[j].place.placed))
                            << testing::PrintToString(describe(mark)) << " on "
                            << testing::PrintToString(describe(marks[j]));
                    for (auto &control : controls)
                        EXPECT_FALSE(IntersectRect(&meet, &mark.place.placed, &control.first))
                            << testing::PrintToString(describe(mark)) << " on the control "
                            << testing::PrintToString(control.second);
                    if (wide) {
                        EXPECT_EQ(mark.place.width, placedWidth(mark))
                            << "cut in Wide layout: " << testing::PrintToString(describe(mark));
                    }
                    // Every outcome's mark shows whole wherever its score shows.
                    if (mark.keptFrom >= 0) {
                        SIZE extent = {};
                        HDC dc = GetDC(window);
                        HGDIOBJ font = SelectObject(dc, currentSlotGeometry(window, &bracket).font);
                        GetTextExtentPoint32W(dc, mark.text + mark.keptFrom, lstrlenW(mark.text + mark.keptFrom),
                                              &extent);
                        SelectObject(dc, font);
                        ReleaseDC(window, dc);
                        EXPECT_GE(placedWidth(mark), extent.cx) << testing::PrintToString(describe(mark));
                    }
                }
                // Every outcome shows, each first-round seed has its place,
                // and nothing is drawn outside the marks' rectangles.
                for (const WindowMark &mark : marks) {
                    if (mark.kind == WINDOW_MARK_SCORE && mark.keptFrom >= 0) {
                        EXPECT_TRUE(shown(mark)) << "outcome left out: " << testing::PrintToString(mark.text);
                    }
                }
                if (entrants >= 4) {
                    EXPECT_GT(kinds[WINDOW_MARK_SCORE], 0);
                    EXPECT_GT(kinds[WINDOW_MARK_SCHEDULE], 0);
                    EXPECT_GT(kinds[WINDOW_MARK_SEED], 0);
                }
                int stray = 0;
                for (int y = 0; y < client.bottom; y++)
                    for (int x = 0; x < client.right; x++) {
                        if (!inked(x, y))
                            continue;
                        POINT at = {x, y};
                        bool inside = false;
                        for (const WindowMark &mark : marks)
                            if (PtInRect(&mark.place.placed, at)) {
                                inside = true;
                                break;
                            }
                        stray += !inside;
                    }
                EXPECT_EQ(0, stray) << "pixels drawn outside every mark's rectangle";
                // Wide, every name fits its box.
                for (int id = 1; wide && id <= bracket.slotCount; id++) {
                    HWND box = control(id);
                    RECT inside;
                    SendMessageW(box, EM_GETRECT, 0, (LPARAM)&inside);
                    HDC dc = GetDC(box);
                    HGDIOBJ font = SelectObject(dc, (HFONT)SendMessageW(box, WM_GETFONT, 0, 0));
                    SIZE extent = {};
                    GetTextExtentPoint32W(dc, slot(id)->name, lstrlenW(slot(id)->name), &extent);
                    SelectObject(dc, font);
                    ReleaseDC(box, dc);
                    EXPECT_LE(extent.cx, inside.right - inside.left) << "name cut in slot " << id;
                }
                if (HasFailure())
                    return;
            }
        }
    }
}

// Each way a match's data can go takes its mark off the window at once,
// and the mark does not come back at the next paint. In Wide layout, where
// every mark shows.
TEST_F(TidyWindowTest, AMarkWhoseDataGoesDisappearsAtOnce)
{
    struct Clearing {
        const char *what;
        int match;  // its id in the 8-entrant event
        std::function<int(Bracket *, BracketNode *)> clear;
    };
    const Clearing clearings[] = {
        {"a result", 9, [](Bracket *b, BracketNode *n) { return setMatchOutcome(b, n, L"", L"", OUTCOME_PLAYED); }},
        {"an outcome", 10,
         [](Bracket *b, BracketNode *n) { return setMatchOutcome(b, n, n->name, n->result, OUTCOME_PLAYED); }},
        {"a court", 13,
         [](Bracket *b, BracketNode *n) { return setMatchSchedule(b, n, L"", L"2026-12-08T09:30"); }},
        {"a time", 13, [](Bracket *b, BracketNode *n) { return setMatchSchedule(b, n, L"Centre Court 12", L""); }},
    };
    for (const Clearing &clearing : clearings) {
        SCOPED_TRACE(clearing.what);
        openOn(eventXml(8, false).c_str());
        if (!wideLayoutOn(window))
            command(IDM_VIEW_WIDE_LAYOUT);
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        layOut();
        // The match's own mark: on the line just above or below its box,
        // keeping to a point of the box.
        RECT box = placeOf(clearing.match);
        auto atMatch = [&](const WindowMark &mark) {
            return (mark.kind == WINDOW_MARK_SCORE || mark.kind == WINDOW_MARK_SCHEDULE) &&
                   box.left <= mark.place.anchor && mark.place.anchor <= box.right &&
                   (mark.place.home.bottom == box.top || mark.place.home.top == box.bottom);
        };
        std::wstring before;
        RECT where = {};
        for (const WindowMark &mark : marks)
            if (shown(mark) && atMatch(mark)) {
                before = mark.text;
                where = mark.place.placed;
            }
        ASSERT_FALSE(before.empty()) << "no mark at the match to begin with";
        ValidateRect(window, NULL);
        beginUndoStep(&bracket, 0);
        ASSERT_EQ(1, clearing.clear(&bracket, slot(clearing.match)));
        endUndoStep(&bracket);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(window, region, FALSE);
        for (int y = where.top; y < where.bottom; y++)
            for (int x = where.left; x < where.right; x++)
                if (inked(x, y)) {
                    ASSERT_TRUE(PtInRegion(region, x, y)) << "ink of " << testing::PrintToString(before)
                                                          << " stays at " << x << "," << y;
                }
        DeleteObject(region);
        layOut();
        for (const WindowMark &mark : marks) {
            if (atMatch(mark)) {
                EXPECT_NE(before, std::wstring(mark.text)) << "still laid out";
            }
        }
    }
}

// View > Wide layout: checked while on, the columns wide enough for the
// names, kept for the user's next window; off again, the usual geometry.
TEST_F(TidyWindowTest, WideLayoutIsAViewChoiceTheUserKeeps)
{
    auto checked = [](HWND w) {
        HMENU view = GetSubMenu(GetMenu(w), GetMenuItemCount(GetMenu(w)) - 1);
        SendMessageW(w, WM_INITMENUPOPUP, (WPARAM)view, GetMenuItemCount(GetMenu(w)) - 1);
        return (GetMenuState(view, IDM_VIEW_WIDE_LAYOUT, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    auto columnWidth = [&](int id) { return placeOf(id).right - placeOf(id).left; };
    openOn(eventXml(8, false).c_str());
    EXPECT_FALSE(checked(window)) << "on by default";
    int usual = columnWidth(1);
    command(IDM_VIEW_WIDE_LAYOUT);
    EXPECT_TRUE(checked(window));
    EXPECT_GT(columnWidth(1), usual);
    EXPECT_EQ(columnWidth(1), columnWidth(9)) << "a pick as wide as its feeders";
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_MAXIMIZEBOX) << "Wide layout may be maximised";
    // A longer name typed in widens the columns to hold it.
    int wide = columnWidth(1);
    typeText(3, L"Wolverhampton Wanderers Football Club");
    EXPECT_GT(columnWidth(1), wide);
    EXPECT_EQ(columnWidth(1), columnWidth(3));

    // The next window the user opens starts wide.
    Bracket other;
    initBracket(&other, GetModuleHandleW(NULL));
    DocumentState otherState = {};
    otherState.bracket = &other;
    HWND next = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                   (LPARAM)&otherState);
    ASSERT_NE(nullptr, next);
    EXPECT_TRUE(checked(next)) << "not remembered";
    DestroyWindow(next);

    command(IDM_VIEW_WIDE_LAYOUT);
    EXPECT_FALSE(checked(window));
    EXPECT_EQ(usual, columnWidth(1));
    next = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                              (LPARAM)&otherState);
    EXPECT_FALSE(checked(next)) << "turning it off was not remembered";
    DestroyWindow(next);
    resetBracket(&other);
}

// A name typed past the end of its box is shown from its start again once
// the box loses the keyboard.
TEST_F(TidyWindowTest, ANameBoxThatLosesTheKeyboardShowsItsNameFromTheStart)
{
    openOn(eventXml(8, false).c_str());
    HWND box = control(3);
    SetFocus(box);
    typeText(3, L"Wolverhampton Wanderers Football Club");
    SendMessageW(box, EM_SETSEL, 100, 100);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
    ASSERT_NE(0, LOWORD(SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(3, 3)))) << "the end was not in view";
    leaveSlot(3);
    EXPECT_EQ(0, LOWORD(SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(3, 3))));
}

// duelmark.exe on a real display (at 144 DPI in test_tidy_window.cmake): an
// event of sixteen with seeds, scores, outcomes, times and courts, turned
// to Wide layout from the View menu. Its slots stand apart, no mark is cut
// by a slot (its ink would reach the slot's edge), and the editor started
// again begins wide. scripts/screenshot_wide_layout.sh photographs the same.
TEST(TidyWindowEndToEnd, TheEditorInWideLayoutShowsEveryMarkClearOfItsSlots)
{
    SKIP_UNLESS_ON_DISPLAY();
    // The choice is the prefix's user's: whatever happens here, the display
    // tests after this one start in the usual geometry.
    struct UsualGeometryAfter {
        ~UsualGeometryAfter() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Duelmark\\View", L"WideLayout"); }
    } usualAfter;
    TempFolder folder;
    std::wstring file = folder.file(L"open.xml");
    writeFileBytes(file, eventXml(16, false).c_str());
    int usual = MulDiv(COLUMN_WIDTH, GetDeviceCaps(GetDC(NULL), LOGPIXELSY), 96);
    auto wideWithin = [&](Editor &editor, DWORD limit) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < limit; Sleep(50)) {
            RECT box;
            if (GetWindowRect(editor.baseEdits()[0], &box) && box.right - box.left > usual)
                return true;
        }
        return false;
    };
    {
        Editor editor;
        ASSERT_NE(nullptr, editor.startOn(file, L"Duelmark - Open"));
        editor.command(IDM_VIEW_WIDE_LAYOUT);
        ASSERT_TRUE(wideWithin(editor, 30000)) << "the columns never widened";
        RedrawWindow(editor.window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        std::vector<RECT> slots;
        for (const WCHAR *kind : {L"Edit", L"ComboBox"})
            for (HWND c : editor.children(kind)) {
                RECT r;
                GetWindowRect(c, &r);
                MapWindowPoints(NULL, editor.window, (POINT *)&r, 2);
                slots.push_back(r);
            }
        RECT client;
        GetClientRect(editor.window, &client);
        std::vector<DWORD> pixels;
        auto dark = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= client.right || y >= client.bottom)
                return false;
            DWORD p = pixels[y * client.right + x];
            return ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) < 3 * 100;
        };
        // Painted: some ink on the background besides the slots.
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100)) {
            pixels = screenPixels(editor.window, client);
            int ink = 0;
            for (int y = 0; y < client.bottom; y += 2)
                for (int x = 0; x < client.right; x += 2)
                    ink += dark(x, y);
            if (ink > 200)
                break;
        }
        for (size_t i = 0; i < slots.size(); i++) {
            RECT meet;
            for (size_t j = 0; j < i; j++)
                EXPECT_FALSE(IntersectRect(&meet, &slots[i], &slots[j])) << "slots " << i << " and " << j << " meet";
            const RECT &r = slots[i];
            // A glyph's smoothed foot may graze the line next to a slot; a
            // mark the slot covers leaves its strokes cut along the edge.
            std::string touching;
            int count = 0;
            auto check = [&](int x, int y) {
                if (dark(x, y) && ++count)
                    touching += " " + std::to_string(x) + "," + std::to_string(y);
            };
            for (int x = r.left - 1; x <= r.right; x++) {
                check(x, r.top - 1);
                check(x, r.bottom);
            }
            for (int y = r.top; y < r.bottom; y++) {
                check(r.left - 1, y);
                check(r.right, y);
            }
            EXPECT_LT(count, 3) << touching << ": a mark runs into the slot " << r.left << "," << r.top << "-" << r.right
                                    << "," << r.bottom;
        }
        editor.command(IDCANCEL);
        ASSERT_TRUE(editor.endedCleanly());
    }
    Editor again;
    ASSERT_NE(nullptr, again.startOn(file, L"Duelmark - Open"));
    EXPECT_TRUE(wideWithin(again, 30000)) << "the editor started again forgot Wide layout";
    // Back to the usual geometry for the display tests after this one.
    again.command(IDM_VIEW_WIDE_LAYOUT);
    again.command(IDCANCEL);
    EXPECT_TRUE(again.endedCleanly());
}

} // namespace
