#include "ui/picture/picture_pieces.h"

#include "ui/common/match_marks.h"
#include "ui/picture/name_widths.h"

static const COLORREF CHAMPION_FILL = RGB(255, 240, 176);
static const COLORREF BYE_FILL = RGB(242, 242, 242);
static const COLORREF BYE_FRAME = RGB(150, 150, 150);
/* Lighter than a name yet still 5:1 on the bye's fill, so the word reads
 * as easily as any text of the picture (4.5:1 at least). */
static const COLORREF BYE_INK = RGB(100, 100, 100);

enum {
    NAME_PADDING = 6,
    TIGHT_PADDING = 3,     /* a name that needs the room comes closer to the frame */
    NARROWEST_SHARE = 80   /* per cent of its width a face may be narrowed to and still read as itself */
};

HFONT createNarrowPictureFont(int height, int width, int weight)
{
    return CreateFontW(-height, width, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, PICTURE_FACE);
}

HFONT createPictureFont(int height, int weight)
{
    return createNarrowPictureFont(height, 0, weight);
}

int pictureColumnLeft(int column)
{
    return PICTURE_MARGIN + column * (PICTURE_BOX_WIDTH + PICTURE_COLUMN_GAP);
}

RECT pictureBoxAt(int column, int y)
{
    RECT box;
    box.left = pictureColumnLeft(column);
    box.right = box.left + PICTURE_BOX_WIDTH;
    box.top = y - PICTURE_BOX_HEIGHT / 2;
    box.bottom = box.top + PICTURE_BOX_HEIGHT;
    return box;
}

static void layoutBox(PictureLayout *layout, RECT box, int lineWidth, COLORREF ink, COLORREF fill)
{
    if (!addPictureBox(layout->picture, box, lineWidth, ink, fill))
        layout->complete = 0;
}

void layoutLine(PictureLayout *layout, int x1, int y1, int x2, int y2)
{
    if (!addPictureLine(layout->picture, x1, y1, x2, y2, PICTURE_LINE_WIDTH, PICTURE_INK))
        layout->complete = 0;
}

void layoutText(PictureLayout *layout, RECT band, const WCHAR *text, int font, int align, COLORREF ink)
{
    if (text[0] && !addPictureText(layout->picture, band, text, font, align, ink))
        layout->complete = 0;
}

void layoutMatchMarks(PictureLayout *layout, BracketNode *node, RECT box)
{
    WCHAR text[MARK_CAPACITY];
    int below = matchMarkText(layout->bracket, node, layout->withDate, text) || node == &layout->bracket->thirdPlace;
    RECT line = {box.left, box.bottom, box.right, box.bottom + PICTURE_RESULT_LINE};
    if (!below) {
        line.bottom = box.top;
        line.top = box.top - PICTURE_RESULT_LINE;
    }
    layoutText(layout, line, text, PICTURE_FONT_SMALL, PICTURE_ALIGN_CENTRE, PICTURE_HEADING_INK);
}

void layoutByeBox(PictureLayout *layout, RECT box, const WCHAR *word)
{
    layoutBox(layout, box, 1, BYE_FRAME, BYE_FILL);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -PICTURE_LINE_WIDTH);
    layoutText(layout, inner, word, PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, BYE_INK);
}

/* The width in measure's units of text in face. */
static int textWidthIn(HDC measure, HFONT face, const WCHAR *text)
{
    SIZE extent = {0, 0};
    HGDIOBJ replaced = SelectObject(measure, face);
    GetTextExtentPoint32W(measure, text, lstrlenW(text), &extent);
    SelectObject(measure, replaced);
    return extent.cx;
}

/* The average character width, narrower than the small face's own, at
 * which text fits room; 0 when it fits as it is, -1 when it fits no
 * narrowing a reader would take for the same face. */
static int narrowedWidth(HDC measure, const WCHAR *text, int room)
{
    const PictureFontSpec &small = PICTURE_FONTS[PICTURE_FONT_SMALL];
    HFONT face = createPictureFont(small.height, small.weight);
    if (!face)
        return -1;
    TEXTMETRICW metrics;
    HGDIOBJ replaced = SelectObject(measure, face);
    int own = GetTextMetricsW(measure, &metrics) ? metrics.tmAveCharWidth : 0;
    SelectObject(measure, replaced);
    int width = textWidthIn(measure, face, text);
    DeleteObject(face);
    if (width <= room)
        return 0;
    for (int narrow = own - 1; narrow * 100 >= own * NARROWEST_SHARE; narrow--) {
        HFONT narrowFace = createNarrowPictureFont(small.height, narrow, small.weight);
        width = narrowFace ? textWidthIn(measure, narrowFace, text) : room + 1;
        if (narrowFace)
            DeleteObject(narrowFace);
        if (width <= room)
            return narrow;
    }
    return -1;
}

HDC measuringContext(PictureLayout *layout)
{
    if (layout->measure)
        return layout->measure;
    layout->measure = CreateCompatibleDC(NULL);
    if (layout->measure) {
        const PictureFontSpec &name = PICTURE_FONTS[PICTURE_FONT_NAME];
        layout->nameFont = createPictureFont(name.height, name.weight);
        layout->measureFontWas = SelectObject(layout->measure, layout->nameFont);
    }
    return layout->measure;
}

void endMeasuring(PictureLayout *layout)
{
    if (layout->measure) {
        SelectObject(layout->measure, layout->measureFontWas);
        DeleteDC(layout->measure);
        layout->measure = NULL;
    }
    if (layout->nameFont) {
        DeleteObject(layout->nameFont);
        layout->nameFont = NULL;
    }
}

/* The width of shown in the name face; 0 when it cannot be measured, as
 * if it fitted. */
static int nameWidth(PictureLayout *layout, const WCHAR *shown)
{
    int width;
    if (knownNameWidth(shown, &width))
        return width;
    HDC measure = measuringContext(layout);
    SIZE extent;
    if (!measure || !GetTextExtentPoint32W(measure, shown, lstrlenW(shown), &extent))
        return 0;
    keepNameWidth(shown, extent.cx);
    return extent.cx;
}

/* A name that does not fit gets the smaller face, then the box's whole
 * width and a narrower face while that keeps it whole; only what fits
 * none of them is cut where it is drawn. */
void layoutNameBox(PictureLayout *layout, const WCHAR *shown, RECT box, int champion)
{
    int lineWidth = champion ? PICTURE_CHAMPION_LINE_WIDTH : PICTURE_LINE_WIDTH;
    layoutBox(layout, box, lineWidth, PICTURE_INK, champion ? CHAMPION_FILL : PICTURE_PAPER);
    RECT inner = box;
    InflateRect(&inner, -NAME_PADDING, -lineWidth);
    int font = champion ? PICTURE_FONT_CHAMPION : PICTURE_FONT_NAME;
    int room = inner.right - inner.left, narrow = 0;
    if (!champion && nameWidth(layout, shown) > room && measuringContext(layout)) {
        font = PICTURE_FONT_SMALL;
        RECT tight = box;
        InflateRect(&tight, -TIGHT_PADDING, -lineWidth);
        if (narrowedWidth(layout->measure, shown, room) != 0) {
            narrow = narrowedWidth(layout->measure, shown, tight.right - tight.left);
            if (narrow >= 0)
                inner = tight;
            else
                narrow = 0;
        }
    }
    int before = layout->picture->count;
    layoutText(layout, inner, shown, font, champion ? PICTURE_ALIGN_CENTRE : PICTURE_ALIGN_LEFT, PICTURE_INK);
    if (layout->picture->count > before)
        layout->picture->items[before].fontWidth = narrow;
}

/* Out from each feeder, down the middle of the gap, and on to the fed box
 * (which stands half-way between its feeders). */
void layoutConnector(PictureLayout *layout, RECT first, RECT second, RECT fed)
{
    int fromRight = fed.left > first.left;
    int edge = fromRight ? first.right : first.left;
    int middle = fromRight ? edge + PICTURE_COLUMN_GAP / 2 : edge - PICTURE_COLUMN_GAP / 2;
    int firstY = (first.top + first.bottom) / 2, secondY = (second.top + second.bottom) / 2;
    int fedY = (fed.top + fed.bottom) / 2;
    layoutLine(layout, edge, firstY, middle, firstY);
    layoutLine(layout, edge, secondY, middle, secondY);
    layoutLine(layout, middle, firstY, middle, secondY);
    layoutLine(layout, middle, fedY, fromRight ? fed.left : fed.right, fedY);
}
