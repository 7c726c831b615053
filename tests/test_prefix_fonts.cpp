// Chinese names are drawn with their own glyphs in every kind of box the
// editor shows them in, under the Wine prefix the project's scripts prepare
// (scripts/common.sh). Characters without a glyph come out as identical
// missing-glyph boxes, so a Chinese name drawn differently from a name of
// private-use characters, and two Chinese names drawn differently from each
// other, mean real glyphs. Pixels are read back from a real display; under
// the null driver every case skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/bracket.h"
#include "res/resource.h"
#include "support/dialog_script.h"
#include "support/on_display.h"
#include "support/screen_pixels.h"
#include "support/slot_window.h"
#include "ui/window/layout.h"
#include "ui/dialogs/setup_dialog.h"

namespace {

const WCHAR TAIPEI[] = L"台北熊隊";
const WCHAR KAOHSIUNG[] = L"高雄鷹隊";
// Private-use characters: no font has glyphs for them.
const WCHAR PRIVATE_A[] = L"\xE000\xE001\xE002\xE003";
const WCHAR PRIVATE_B[] = L"\xE010\xE011\xE012\xE013";

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The control's client area as the screen shows it, one 0xRRGGBB per pixel.
std::vector<DWORD> pixelsOf(HWND control)
{
    UpdateWindow(control);
    pumpMessages();
    RECT client;
    GetClientRect(control, &client);
    return screenPixels(control, client);
}

// How many pixels differ from the first one (the background): text drawn.
int inkOf(const std::vector<DWORD> &pixels)
{
    int ink = 0;
    for (DWORD pixel : pixels)
        ink += pixel != pixels[0];
    return ink;
}

// Of the pixels the text changed from the empty box, the share in full ink
// (near black): 1 for glyphs drawn from their bitmaps, far less for thin
// strokes drawn with grey edges, which read as faint grey.
double firmnessOf(const std::vector<DWORD> &text, const std::vector<DWORD> &empty)
{
    int ink = 0, firm = 0;
    for (size_t i = 0; i < text.size() && i < empty.size(); i++) {
        if (text[i] == empty[i])
            continue;
        ink++;
        firm += std::max({(int)GetRValue(text[i]), (int)GetGValue(text[i]), (int)GetBValue(text[i])}) < 0x50;
    }
    return ink ? (double)firm / ink : 0;
}

std::vector<DWORD> editShowing(HWND edit, const WCHAR *text)
{
    SetWindowTextW(edit, text);
    return pixelsOf(edit);
}

std::vector<DWORD> pickShowing(HWND combo, const WCHAR *text)
{
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)text);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    InvalidateRect(combo, NULL, TRUE);
    return pixelsOf(combo);
}

struct PrefixFontsTest : ::testing::Test {
    Bracket bracket;
    SlotWindow slots = {};

    void SetUp() override { initBracket(&bracket, GetModuleHandleW(NULL)); }
    void TearDown() override
    {
        resetBracket(&bracket);
        closeSlotWindow(&slots);
    }
    // A four-team bracket as New lays it out, on a real main window.
    void layOut()
    {
        ASSERT_NE(nullptr, openSlotWindow(&slots, &bracket));
        ASSERT_TRUE(buildBracket(&bracket, 4));
        layoutBracket(&bracket, slots.window, 1);
        ShowWindow(slots.window, SW_SHOW);
        pumpMessages();
    }
};

// Checks one box: the same control showing each text in turn.
void expectGlyphs(const std::vector<DWORD> &taipei, const std::vector<DWORD> &kaohsiung,
                  const std::vector<DWORD> &privateA, const std::vector<DWORD> &privateB)
{
    ASSERT_FALSE(taipei.empty()) << "the control could not be read back";
    EXPECT_GT(inkOf(privateA), 0) << "private-use characters are drawn as boxes, not left out";
    EXPECT_EQ(privateA, privateB) << "missing glyphs all look alike: the comparison below means something";
    EXPECT_NE(taipei, privateA) << "a Chinese name is drawn as missing-glyph boxes";
    EXPECT_NE(taipei, kaohsiung) << "two Chinese names are drawn alike: boxes, not glyphs";
}

TEST_F(PrefixFontsTest, ABaseSlotShowsChineseNamesWithGlyphs)
{
    SKIP_UNLESS_ON_DISPLAY();
    layOut();
    HWND edit = bracket.nodeTable[0]->control;
    expectGlyphs(editShowing(edit, TAIPEI), editShowing(edit, KAOHSIUNG), editShowing(edit, PRIVATE_A),
                 editShowing(edit, PRIVATE_B));
}

TEST_F(PrefixFontsTest, AChineseNameIsAsFirmInABaseSlotAsInAPick)
{
    SKIP_UNLESS_ON_DISPLAY();
    layOut();
    // The second slot: the first has the focus, and its text the selection.
    HWND edit = bracket.nodeTable[1]->control, combo = bracket.nodeTable[4]->control;
    std::vector<DWORD> emptyEdit = editShowing(edit, L""), emptyPick = pickShowing(combo, L"");
    double inEdit = firmnessOf(editShowing(edit, TAIPEI), emptyEdit);
    double pick = firmnessOf(pickShowing(combo, TAIPEI), emptyPick);
    EXPECT_GT(pick, 0.5) << "the pick's name is drawn in full ink";
    EXPECT_GE(inEdit, pick - 0.1) << "the base slot's name is faint: " << inEdit << " of its ink is firm, against "
                                << pick << " in the pick";
}

TEST_F(PrefixFontsTest, APickShowsChineseNamesWithGlyphs)
{
    SKIP_UNLESS_ON_DISPLAY();
    layOut();
    HWND combo = bracket.nodeTable[4]->control;
    expectGlyphs(pickShowing(combo, TAIPEI), pickShowing(combo, KAOHSIUNG), pickShowing(combo, PRIVATE_A),
                 pickShowing(combo, PRIVATE_B));
}

TEST_F(PrefixFontsTest, TheSetupDialogShowsAChineseTitleWithGlyphs)
{
    SKIP_UNLESS_ON_DISPLAY();
    BracketSetup setup = {};
    lstrcpyW(setup.title, TAIPEI);
    HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, owner);
    // The dialog runs modally here; its title box is read from the script's
    // thread while the modal loop draws it.
    DialogScript script(owner, [](DialogScript &s) {
        HWND dialog = s.next("the setup dialog");
        if (!dialog)
            return;
        HWND edit = GetDlgItem(dialog, IDC_TITLE_EDIT);
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDCANCEL), TRUE);
        // The first dialog in a fresh display prefix can draw its text blank,
        // now and then, for a while as Wine sets up its fonts, and on a busy
        // machine the screen can be read while the dialog's thread still
        // draws: the four texts are read again until one round of readings
        // has ink in every box (the focus is elsewhere, so no caret counts)
        // and reads the same twice, and that round is judged.
        std::vector<DWORD> texts[4];
        const WCHAR *shown[4] = {TAIPEI, KAOHSIUNG, PRIVATE_A, PRIVATE_B};
        for (DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(50)) {
            int settled = IsWindowVisible(dialog);
            for (int i = 0; i < 4; i++) {
                texts[i] = editShowing(edit, shown[i]);
                settled = settled && inkOf(texts[i]) > 0 && texts[i] == pixelsOf(edit);
            }
            if (settled)
                break;
        }
        expectGlyphs(texts[0], texts[1], texts[2], texts[3]);
        s.press(dialog, IDCANCEL);
    });
    runSetupDialog(owner, GetModuleHandleW(NULL), &setup);
    EXPECT_EQ("", script.finish());
    DestroyWindow(owner);
}

}  // namespace
