// The bracket picture drawn into memory bitmaps and a metafile: how big it
// is, how it fits any rectangle, and where its round headings come from.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "model/match_outcome.h"
#include "res/resource.h"
#include "support/bracket_file_fixture.h"
#include "ui/picture/bracket_picture.h"
#include "ui/common/fallback_string.h"

namespace {

using BracketPicture = BracketWindowTest;

// Draws the picture into a white bitmap of the given size and returns its
// pixels, top-down, 0x00RRGGBB.
std::vector<DWORD> drawInto(Bracket *bracket, int width, int height, RECT target)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    drawBracketPicture(bracket, dc, target);
    GdiFlush();
    std::vector<DWORD> pixels((const DWORD *)bits, (const DWORD *)bits + width * height);
    for (DWORD &pixel : pixels)
        pixel &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The smallest rectangle around every non-white pixel.
RECT inkBounds(const std::vector<DWORD> &pixels, int width, int height)
{
    RECT ink = {width, height, 0, 0};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            if (pixels[y * width + x] != 0xFFFFFF) {
                ink.left = x < ink.left ? x : ink.left;
                ink.top = y < ink.top ? y : ink.top;
                ink.right = x + 1 > ink.right ? x + 1 : ink.right;
                ink.bottom = y + 1 > ink.bottom ? y + 1 : ink.bottom;
            }
    return ink;
}

TEST_F(BracketPicture, GrowsWithTheBracketAndIsNothingWithoutOne)
{
    SIZE none = bracketPictureSize(&bracket);
    EXPECT_EQ(0, none.cx);
    EXPECT_EQ(0, none.cy);
    PictureCanvas canvas;
    EXPECT_EQ(0, renderBracketPicture(&bracket, &canvas)) << "no bracket open: nothing to render";

    SIZE previous = {0, 0};
    for (int teams = 1; teams <= MAX_TEAM_COUNT; teams *= 2) {
        build(teams, L"Cup", true, false);
        SIZE size = bracketPictureSize(&bracket);
        EXPECT_GT(size.cx, previous.cx) << teams << " teams should make a wider picture";
        EXPECT_GE(size.cy, previous.cy) << teams << " teams should not make a shorter picture";
        previous = size;
        resetBracket(&bracket);
    }
}

TEST_F(BracketPicture, RendersAtNaturalSizeOpaque)
{
    build(8, L"Cup");
    PictureCanvas canvas;
    ASSERT_EQ(1, renderBracketPicture(&bracket, &canvas));
    SIZE size = bracketPictureSize(&bracket);
    EXPECT_EQ(size.cx, canvas.raster.width);
    EXPECT_EQ(size.cy, canvas.raster.height);
    int transparent = 0;
    for (int i = 0; i < size.cx * size.cy; i++)
        transparent += canvas.raster.pixels[4 * i + 3] != 255;
    EXPECT_EQ(0, transparent) << "every pixel's fourth byte should be 255, or readers taking it as alpha see nothing";
    releasePictureCanvas(&canvas);
}

// The same drawing fills a big square and a wide strip: proportions kept,
// centred, nothing outside the target.
TEST_F(BracketPicture, FitsAnyRectangleCentredKeepingItsProportions)
{
    build(16, L"Cup");
    SIZE natural = bracketPictureSize(&bracket);
    struct Case {
        int width, height;
        RECT target;
    } cases[] = {
        {2000, 2000, {0, 0, 2000, 2000}},
        {1200, 300, {100, 20, 1100, 280}},
        {natural.cx * 3, natural.cy * 3, {0, 0, natural.cx * 3, natural.cy * 3}},
    };
    for (const Case &c : cases) {
        std::vector<DWORD> pixels = drawInto(&bracket, c.width, c.height, c.target);
        RECT ink = inkBounds(pixels, c.width, c.height);
        int inkWidth = ink.right - ink.left;
        ASSERT_GT(inkWidth, 0) << "nothing was drawn into " << c.width << "x" << c.height;
        EXPECT_GE(ink.left, c.target.left);
        EXPECT_GE(ink.top, c.target.top);
        EXPECT_LE(ink.right, c.target.right);
        EXPECT_LE(ink.bottom, c.target.bottom);
        // The ink lies within the margins, so the picture's own frame is
        // what must match: centred in target along both axes.
        double scale = (double)(c.target.right - c.target.left) / natural.cx;
        if (natural.cy * scale > c.target.bottom - c.target.top)
            scale = (double)(c.target.bottom - c.target.top) / natural.cy;
        int left = ink.left - c.target.left, right = c.target.right - ink.right;
        int top = ink.top - c.target.top, bottom = c.target.bottom - ink.bottom;
        EXPECT_NEAR(left, right, 3 + 4 * scale) << "not centred across " << c.width << "x" << c.height;
        EXPECT_NEAR(top, bottom, (PICTURE_TITLE_BAND + PICTURE_MARGIN) * scale + 3)
            << "not centred down " << c.width << "x" << c.height;
        EXPECT_NEAR((double)inkWidth / natural.cx, scale, (0.02 + 2.0 * PICTURE_MARGIN / natural.cx) * scale)
            << "scaled wrongly into " << c.width << "x" << c.height;
    }
}

// A printer is a device the picture never sees pixels of: recorded into an
// enhanced metafile and played back, it looks as drawn directly.
TEST_F(BracketPicture, DrawsTheSameThroughAMetafile)
{
    build(4, L"Cup");
    SIZE natural = bracketPictureSize(&bracket);
    RECT target = {0, 0, natural.cx, natural.cy};
    // The frame, in 0.01 mm of the reference screen, is exactly the
    // picture: playback then maps it pixel for pixel.
    HDC screen = GetDC(NULL);
    RECT frame = {0, 0, MulDiv(natural.cx, GetDeviceCaps(screen, HORZSIZE) * 100, GetDeviceCaps(screen, HORZRES)),
                  MulDiv(natural.cy, GetDeviceCaps(screen, VERTSIZE) * 100, GetDeviceCaps(screen, VERTRES))};
    ReleaseDC(NULL, screen);
    HDC recorder = CreateEnhMetaFileW(NULL, NULL, &frame, NULL);
    ASSERT_NE(nullptr, recorder);
    drawBracketPicture(&bracket, recorder, target);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    ASSERT_NE(nullptr, metafile);

    std::vector<DWORD> direct = drawInto(&bracket, natural.cx, natural.cy, target);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), natural.cx, -natural.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    FillRect(dc, &target, (HBRUSH)GetStockObject(WHITE_BRUSH));
    PlayEnhMetaFile(dc, metafile, &target);
    GdiFlush();
    std::vector<DWORD> played((const DWORD *)bits, (const DWORD *)bits + natural.cx * natural.cy);
    for (DWORD &pixel : played)
        pixel &= 0xFFFFFF;
    // Playback may round a coordinate by a pixel: ink counts as matched
    // when the other drawing has ink within one pixel of it.
    auto inkNear = [&](const std::vector<DWORD> &pixels, int x, int y) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < natural.cx && ny < natural.cy && pixels[ny * natural.cx + nx] != 0xFFFFFF)
                    return true;
            }
        return false;
    };
    int differing = 0, inked = 0;
    for (int y = 0; y < natural.cy; y++)
        for (int x = 0; x < natural.cx; x++) {
            bool a = direct[y * natural.cx + x] != 0xFFFFFF, b = played[y * natural.cx + x] != 0xFFFFFF;
            differing += (a && !inkNear(played, x, y)) || (b && !inkNear(direct, x, y));
            inked += a;
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DeleteEnhMetaFile(metafile);
    ASSERT_GT(inked, 0);
    EXPECT_LT(differing, inked / 20) << differing << " of " << inked << " inked pixels differ after playback";
}

// The first round's top match of an 8-team picture (level 2, column 1):
// its outcome mark under its box once decided, its time and court above it
// while open, nothing there otherwise.
TEST_F(BracketPicture, OutcomeMarksAndScheduleStandWhereScoresDo)
{
    build(8, L"Cup", true, false);
    SIZE size = bracketPictureSize(&bracket);
    RECT whole = {0, 0, size.cx, size.cy};
    const int left = PICTURE_MARGIN + PICTURE_BOX_WIDTH + PICTURE_COLUMN_GAP;
    const int top = PICTURE_MARGIN + PICTURE_TITLE_BAND + PICTURE_HEADING_BAND + PICTURE_ROW_PITCH / 2;
    auto inkIn = [&](int from, int to) {
        std::vector<DWORD> pixels = drawInto(&bracket, size.cx, size.cy, whole);
        int ink = 0;
        for (int y = from; y < to; y++)
            for (int x = left; x < left + PICTURE_BOX_WIDTH; x++)
                ink += (pixels[y * size.cx + x] & 0xFF) < 160;
        return ink;
    };
    const int above = top - 14, under = top + PICTURE_BOX_HEIGHT + 1;
    EXPECT_EQ(0, inkIn(above, top - 1) + inkIn(under, under + 13)) << "an open match without a time";
    ASSERT_EQ(1, setMatchSchedule(&bracket, slot(9), L"Court 2", L"2026-12-08T14:30"));
    EXPECT_GT(inkIn(above, top - 1), 20) << "time and court over the open match";
    ASSERT_EQ(1, setMatchOutcome(&bracket, slot(9), L"T1", L"", OUTCOME_WALKOVER));
    EXPECT_EQ(0, inkIn(above, top - 1)) << "a decided match shows no schedule";
    EXPECT_GT(inkIn(under, under + 13), 10) << "w/o under the winner's box";
}

// A name a little too wide for its box even in the smaller face is drawn
// whole in a narrower one; only a name that would need squeezing out of
// shape ends in an ellipsis. Every name ends in a tall letter, so the ink
// at the text's right end tells a letter from the ellipsis' dots.
TEST_F(BracketPicture, NamesAreCutOnlyWhereNoNarrowingFitsThem)
{
    struct Case {
        const WCHAR *name;
        bool whole;
    } cases[] = {
        {L"Ann Holt", true},
        {L"(9) Isabella Rossi-Fernald", true},
        {L"Maximilian Oberhauser-Lind", true},
        {L"Maximilian Oberhauser-Lindqvist of the Northern Counties", false},
    };
    build(8, L"Cup", true, false);
    // The first box of the first column, inside its padding.
    const int left = PICTURE_MARGIN + 6, right = PICTURE_MARGIN + PICTURE_BOX_WIDTH - 6;
    const int top = PICTURE_MARGIN + PICTURE_TITLE_BAND + PICTURE_HEADING_BAND + PICTURE_LINE_WIDTH;
    const int bottom = top + PICTURE_BOX_HEIGHT - 2 * PICTURE_LINE_WIDTH;
    for (const Case &c : cases) {
        setName(1, c.name);
        PictureCanvas canvas;
        ASSERT_EQ(1, renderBracketPicture(&bracket, &canvas));
        int width = canvas.raster.width;
        auto inked = [&](int x, int y) { return canvas.raster.pixels[4 * (y * width + x) + 1] < 160; };
        int end = right;
        while (end > left && ![&] {
            for (int y = top; y < bottom; y++)
                if (inked(end - 1, y))
                    return true;
            return false;
        }())
            end--;
        int tallest = 0;
        for (int x = end - 6; x < end; x++) {
            int rows = 0;
            for (int y = top; y < bottom; y++)
                rows += inked(x, y);
            tallest = rows > tallest ? rows : tallest;
        }
        releasePictureCanvas(&canvas);
        EXPECT_GT(end, left + 20) << utf8(c.name) << ": no name drawn";
        EXPECT_EQ(c.whole, tallest >= 5) << utf8(c.name) << (c.whole ? ": cut though a narrower face fits it"
                                                                       : ": not cut though it cannot fit");
    }
}

// Headings added after the first satellites: a module without them must
// not leave blanks, so the executable's own text stands in.
TEST_F(BracketPicture, HeadingStringsFallBackToTheExecutable)
{
    WCHAR own[64], fallback[64], missing[64];
    ASSERT_GT(LoadStringW(GetModuleHandleW(NULL), IDS_PICTURE_FINAL, own, 64), 0);
    HMODULE withoutStrings = GetModuleHandleW(L"kernel32.dll");
    EXPECT_GT(loadStringWithFallback(withoutStrings, IDS_PICTURE_FINAL, fallback, 64), 0);
    EXPECT_STREQ(own, fallback);
    EXPECT_EQ(0, loadStringWithFallback(withoutStrings, 169, missing, 64)) << "an id nobody has gives nothing";
    EXPECT_STREQ(L"", missing);
}

} // namespace

// The face the picture asks for is the face it gets: a missing face would
// fall back to whatever the system picks first, in the prefix a thin
// monospaced one.
TEST(BracketPictureFace, TheNamedFaceIsTheOneSelected)
{
    HDC dc = CreateCompatibleDC(NULL);
    HFONT font = createPictureFont(15, FW_NORMAL);
    HGDIOBJ replaced = SelectObject(dc, font);
    WCHAR face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    EXPECT_STREQ(PICTURE_FACE, face);
    SelectObject(dc, replaced);
    DeleteObject(font);
    DeleteDC(dc);
}
