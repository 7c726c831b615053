#include "file/svg_picture.h"
#include "file/safe_replace.h"
#include "file/utf8_text.h"
#include "model/heap.h"

/* A coordinate in half units: frames drawn inside their box stand on
 * half-way lines when their width is odd. */
static void appendHalves(Utf8Text *svg, int halves)
{
    int magnitude = halves < 0 ? -halves : halves;
    if (halves < 0)
        appendLiteral(svg, "-");
    appendNumber(svg, magnitude / 2);
    if (magnitude % 2)
        appendLiteral(svg, ".5");
}

/* XML 1.0 cannot carry most control characters, U+FFFE, U+FFFF or half a
 * surrogate pair: each becomes U+FFFD, so any name gives a valid file. */
static unsigned int nextCodePoint(const WCHAR **text)
{
    const WCHAR *p = *text;
    unsigned int unit = *p++;
    unsigned int point = unit;
    if (unit >= 0xD800 && unit <= 0xDBFF && *p >= 0xDC00 && *p <= 0xDFFF)
        point = 0x10000 + ((unit - 0xD800) << 10) + (*p++ - 0xDC00);
    else if (unit >= 0xD800 && unit <= 0xDFFF)
        point = 0xFFFD;
    else if ((unit < 0x20 && unit != 0x09 && unit != 0x0A && unit != 0x0D) || unit == 0xFFFE || unit == 0xFFFF)
        point = 0xFFFD;
    *text = p;
    return point;
}

/* The first length units of text (all of it when length is -1). */
static void appendEscaped(Utf8Text *svg, const WCHAR *text, int length = -1)
{
    const WCHAR *end = length < 0 ? NULL : text + length;
    while (*text && text != end) {
        /* Most names are plain ASCII: a run of it goes in as one copy. */
        char run[64];
        DWORD count = 0;
        while (count < sizeof run && text != end && *text >= 0x20 && *text < 0x7F && *text != '&' && *text != '<' &&
               *text != '>' && *text != '"')
            run[count++] = (char)*text++;
        if (count) {
            appendBytes(svg, run, count);
            continue;
        }
        unsigned int point = nextCodePoint(&text);
        switch (point) {
        case '&': appendLiteral(svg, "&amp;"); continue;
        case '<': appendLiteral(svg, "&lt;"); continue;
        case '>': appendLiteral(svg, "&gt;"); continue;
        case '"': appendLiteral(svg, "&quot;"); continue;
        case '\t': appendLiteral(svg, "&#9;"); continue;
        case '\n': appendLiteral(svg, "&#10;"); continue;
        case '\r': appendLiteral(svg, "&#13;"); continue;
        }
        appendCodePoint(svg, point);
    }
}

/* GDI draws a box's frame inside the box: the stroke's centre line is half
 * its width in from every edge. */
static void appendBox(Utf8Text *svg, const PictureItem *item)
{
    const RECT &box = item->area;
    int width = item->lineWidth;
    appendLiteral(svg, "<rect x=\"");
    appendHalves(svg, 2 * box.left + width);
    appendLiteral(svg, "\" y=\"");
    appendHalves(svg, 2 * box.top + width);
    appendLiteral(svg, "\" width=\"");
    appendHalves(svg, 2 * (box.right - box.left) - 2 * width);
    appendLiteral(svg, "\" height=\"");
    appendHalves(svg, 2 * (box.bottom - box.top) - 2 * width);
    appendLiteral(svg, "\" fill=\"");
    appendColour(svg, item->fill);
    appendLiteral(svg, "\" stroke=\"");
    appendColour(svg, item->ink);
    appendLiteral(svg, "\" stroke-width=\"");
    appendNumber(svg, width);
    appendLiteral(svg, "\"/>\n");
}

static void appendLine(Utf8Text *svg, const PictureItem *item)
{
    appendLiteral(svg, "<path d=\"M ");
    appendNumber(svg, item->area.left);
    appendLiteral(svg, " ");
    appendNumber(svg, item->area.top);
    appendLiteral(svg, " L ");
    appendNumber(svg, item->area.right);
    appendLiteral(svg, " ");
    appendNumber(svg, item->area.bottom);
    appendLiteral(svg, "\" stroke=\"");
    appendColour(svg, item->ink);
    appendLiteral(svg, "\" stroke-width=\"");
    appendNumber(svg, item->lineWidth);
    appendLiteral(svg, "\" fill=\"none\"/>\n");
}

/* The widest advance, in hundredths of the em, that the common sans-serif
 * faces (regular or bold) give each printable ASCII character: a reader
 * that lacks the picture's face substitutes one of its own, often wider,
 * and the text must still fit its band. */
static const unsigned char WIDEST_ASCII[0x7F - 0x20] = {
    35, 46, 53, 84, 70, 101, 88, 31, 46, 46, 53, 84, 38, 42, 38, 37,
    70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 40, 40, 84, 84, 84, 62,
    102, 78, 77, 74, 84, 69, 69, 83, 84, 38, 56, 78, 64, 100, 84, 86,
    74, 86, 78, 73, 69, 82, 78, 111, 78, 73, 73, 46, 37, 46, 84, 56,
    50, 68, 72, 60, 72, 68, 44, 72, 72, 35, 35, 67, 35, 105, 72, 69,
    72, 72, 50, 60, 48, 72, 66, 93, 65, 66, 59, 72, 37, 72, 84,
};

/* A generous width in hundredths of the em for one code point: accented
 * Latin as a capital, ideographs and other wide scripts a full em. */
static int widestAdvance(unsigned int point)
{
    if (point >= 0x20 && point < 0x7F)
        return WIDEST_ASCII[point - 0x20];
    if (point >= 0x300 && point < 0x370)
        return 0;   /* combining marks stand on the letter before */
    if (point < 0x250)
        return 86;
    if (point < 0x1100 || (point >= 0xFF61 && point <= 0xFFDC))
        return 90;
    return 100;
}

/* How much of the text fits width at font size em: all of it (returns
 * its length, *ellipsis 0), or as much of its start as leaves room for an
 * ellipsis, by the generous widths above, so that no reader's face clips a
 * letter in half (*ellipsis 1). */
static int fittedLength(const WCHAR *text, int width, int em, int *ellipsis)
{
    int room = width * 100, used = 0, cut = -1;
    int dots = 3 * widestAdvance('.') * em;
    const WCHAR *at = text;
    while (*at) {
        const WCHAR *start = at;
        int advance = widestAdvance(nextCodePoint(&at)) * em;
        if (cut < 0 && used + advance + dots > room)
            cut = (int)(start - text);
        used += advance;
        if (used > room)
            break;
    }
    *ellipsis = *at || used > room;
    if (!*ellipsis)
        return (int)(at - text);
    if (cut < 0)
        cut = (int)(at - text);
    /* The cut may not split a surrogate pair, nor leave a space before the
     * ellipsis. */
    if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
        cut--;
    while (cut > 0 && text[cut - 1] == L' ')
        cut--;
    return cut;
}

/* A text stands in a viewport of its band, which clips it as GDI does:
 * a long name never reaches its neighbour. It is shortened first to what
 * any face fits, so the clip never falls inside a letter. */
static void appendText(Utf8Text *svg, const PictureDescription *picture, const PictureItem *item)
{
    const RECT &band = item->area;
    const PictureFontSpec &font = picture->fonts[item->font];
    int width = band.right - band.left, height = band.bottom - band.top;
    appendLiteral(svg, "<svg x=\"");
    appendNumber(svg, band.left);
    appendLiteral(svg, "\" y=\"");
    appendNumber(svg, band.top);
    appendLiteral(svg, "\" width=\"");
    appendNumber(svg, width);
    appendLiteral(svg, "\" height=\"");
    appendNumber(svg, height);
    appendLiteral(svg, "\" overflow=\"hidden\"><text x=\"");
    appendNumber(svg, item->align == PICTURE_ALIGN_CENTRE ? width / 2 : 0);
    /* The baseline a third of the em below the middle centres a line of
     * text as GDI's vertical centring does, whatever baseline tables the
     * reader knows. */
    appendLiteral(svg, "\" y=\"");
    appendHalves(svg, height + 7 * font.height / 10);
    appendLiteral(svg, "\" font-size=\"");
    appendNumber(svg, font.height);
    if (font.weight >= FW_BOLD)
        appendLiteral(svg, "\" font-weight=\"bold");
    if (item->align == PICTURE_ALIGN_CENTRE)
        appendLiteral(svg, "\" text-anchor=\"middle");
    appendLiteral(svg, "\" fill=\"");
    appendColour(svg, item->ink);
    appendLiteral(svg, "\">");
    const WCHAR *text = pictureItemText(picture, item);
    int ellipsis;
    appendEscaped(svg, text, fittedLength(text, width, font.height, &ellipsis));
    if (ellipsis)
        appendLiteral(svg, "...");
    appendLiteral(svg, "</text></svg>\n");
}

static void appendHead(Utf8Text *svg, const PictureDescription *picture)
{
    appendLiteral(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"");
    appendNumber(svg, picture->size.cx);
    appendLiteral(svg, "\" height=\"");
    appendNumber(svg, picture->size.cy);
    appendLiteral(svg, "\" viewBox=\"0 0 ");
    appendNumber(svg, picture->size.cx);
    appendLiteral(svg, " ");
    appendNumber(svg, picture->size.cy);
    /* The face GDI draws in first, then the faces Chinese text comes from
     * on Windows, then whatever sans-serif face the reader has. */
    appendLiteral(svg, "\" font-family=\"");
    appendEscaped(svg, PICTURE_FACE);
    appendLiteral(svg, ", PMingLiU, 'Microsoft JhengHei', sans-serif\">\n");
    if (picture->paper != CLR_INVALID) {
        appendLiteral(svg, "<rect width=\"100%\" height=\"100%\" fill=\"");
        appendColour(svg, picture->paper);
        appendLiteral(svg, "\"/>\n");
    }
}

static void appendItem(Utf8Text *svg, const PictureDescription *picture, const PictureItem *item)
{
    if (item->kind == PICTURE_BOX)
        appendBox(svg, item);
    else if (item->kind == PICTURE_LINE)
        appendLine(svg, item);
    else
        appendText(svg, picture, item);
}

void appendSvgElement(Utf8Text *svg, const PictureDescription *picture)
{
    appendHead(svg, picture);
    for (int i = 0; i < picture->count; i++)
        appendItem(svg, picture, &picture->items[i]);
    appendLiteral(svg, "</svg>\n");
}

static int sameText(const WCHAR *a, const WCHAR *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

/* Equal items give equal markup, wherever their texts stand in the pools. */
static int sameItem(const PictureDescription *picture, const PictureItem *item, const PictureDescription *earlier,
                    const PictureItem *was)
{
    if (item->kind != was->kind || item->area.left != was->area.left || item->area.top != was->area.top ||
        item->area.right != was->area.right || item->area.bottom != was->area.bottom ||
        item->lineWidth != was->lineWidth || item->ink != was->ink || item->fill != was->fill)
        return 0;
    if (item->kind != PICTURE_TEXT)
        return 1;
    const PictureFontSpec &font = picture->fonts[item->font], &wasFont = earlier->fonts[was->font];
    return font.height == wasFont.height && font.weight == wasFont.weight && item->align == was->align &&
           sameText(pictureItemText(picture, item), pictureItemText(earlier, was));
}

/* Room for an end per item; a record that cannot grow is simply not kept. */
static int readySpans(SvgItemSpans *spans, int count)
{
    if (count > spans->capacity) {
        DWORD *bigger = (DWORD *)allocBlock((SIZE_T)count * sizeof(DWORD));
        if (!bigger)
            return 0;
        freeBlock(spans->ends);
        spans->ends = bigger;
        spans->capacity = count;
    }
    return 1;
}

void appendSvgElementAgain(Utf8Text *svg, const PictureDescription *picture, const SvgEarlier *earlier,
                           SvgItemSpans *spans)
{
    appendHead(svg, picture);
    int keep = readySpans(spans, picture->count);
    spans->count = -1;
    spans->start = svg->length;
    const SvgItemSpans *was = earlier && earlier->picture ? earlier->spans : NULL;
    int reusable = was && was->count == earlier->picture->count ? was->count : 0;
    for (int i = 0; i < picture->count;) {
        /* A run of unchanged items is one copy of their old markup. */
        int end = i;
        while (end < picture->count && end < reusable &&
               sameItem(picture, &picture->items[end], earlier->picture, &earlier->picture->items[end]))
            end++;
        if (end > i) {
            DWORD from = i ? was->ends[i - 1] : was->start, to = was->ends[end - 1];
            DWORD shift = svg->length - from;
            appendBytes(svg, earlier->text + from, to - from);
            for (; keep && i < end; i++)
                spans->ends[i] = was->ends[i] + shift;
            i = end;
            continue;
        }
        appendItem(svg, picture, &picture->items[i]);
        if (keep)
            spans->ends[i] = svg->length;
        i++;
    }
    if (keep && !svg->failed)
        spans->count = picture->count;
    appendLiteral(svg, "</svg>\n");
}

void freeSvgItemSpans(SvgItemSpans *spans)
{
    freeBlock(spans->ends);
    *spans = {};
}

int encodeSvgPicture(const PictureDescription *picture, char **bytes, DWORD *size)
{
    Utf8Text svg = {NULL, 0, 0, 0};
    appendLiteral(&svg, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    appendSvgElement(&svg, picture);
    return takeUtf8Text(&svg, bytes, size);
}

int writeSvgPictureFile(const WCHAR *path, const PictureDescription *picture)
{
    char *bytes;
    DWORD size;
    if (!encodeSvgPicture(picture, &bytes, &size))
        return 0;
    int written = replaceFileContents(path, bytes, size);
    DWORD reason = GetLastError();
    freeBlock(bytes);
    SetLastError(reason);
    return written;
}
