#include "file/picture_description.h"
#include "model/heap.h"

const PictureFontSpec PICTURE_FONTS[PICTURE_FONT_COUNT] = {
    {28, FW_BOLD},    /* title */
    {15, FW_NORMAL},  /* round headings */
    {15, FW_NORMAL},  /* names */
    {12, FW_NORMAL},  /* names that do not fit, scores */
    {15, FW_BOLD},    /* the champion */
};

/* A face every Windows has and Wine ships, so Latin text never falls back
 * to whatever face the system finds first. Chinese and other scripts come
 * through the face's system font link. */
const WCHAR PICTURE_FACE[] = L"Tahoma";

void initPictureDescription(PictureDescription *picture, SIZE size, COLORREF paper)
{
    picture->size = size;
    picture->paper = paper;
    picture->fonts = PICTURE_FONTS;
    picture->items = NULL;
    picture->count = picture->capacity = 0;
    picture->texts = NULL;
    picture->textLength = picture->textCapacity = 0;
}

void resetPictureDescription(PictureDescription *picture, SIZE size, COLORREF paper)
{
    picture->size = size;
    picture->paper = paper;
    picture->fonts = PICTURE_FONTS;
    picture->count = 0;
    picture->textLength = 0;
}

/* Doubles a block of count used elements of size bytes until needed fit. */
static int growBlock(void **block, int *capacity, int needed, SIZE_T size)
{
    if (needed <= *capacity)
        return 1;
    int grown = *capacity ? *capacity : 256;
    while (grown < needed)
        grown *= 2;
    void *bigger = allocBlock((SIZE_T)grown * size);
    if (!bigger)
        return 0;
    if (*block)
        CopyMemory(bigger, *block, (SIZE_T)*capacity * size);
    freeBlock(*block);
    *block = bigger;
    *capacity = grown;
    return 1;
}

static PictureItem *newItem(PictureDescription *picture, int kind)
{
    if (!growBlock((void **)&picture->items, &picture->capacity, picture->count + 1, sizeof(PictureItem)))
        return NULL;
    PictureItem *item = &picture->items[picture->count++];
    *item = {};
    item->kind = kind;
    return item;
}

int addPictureBox(PictureDescription *picture, RECT box, int lineWidth, COLORREF ink, COLORREF fill)
{
    PictureItem *item = newItem(picture, PICTURE_BOX);
    if (!item)
        return 0;
    item->area = box;
    item->lineWidth = lineWidth;
    item->ink = ink;
    item->fill = fill;
    return 1;
}

int addPictureLine(PictureDescription *picture, int x1, int y1, int x2, int y2, int lineWidth, COLORREF ink)
{
    PictureItem *item = newItem(picture, PICTURE_LINE);
    if (!item)
        return 0;
    item->area.left = x1;
    item->area.top = y1;
    item->area.right = x2;
    item->area.bottom = y2;
    item->lineWidth = lineWidth;
    item->ink = ink;
    return 1;
}

int addPictureText(PictureDescription *picture, RECT band, const WCHAR *text, int font, int align, COLORREF ink)
{
    /* Thousands of short texts a picture: a loop here costs less than the
     * calls to measure and copy each. */
    int length = 0;
    while (text[length])
        length++;
    if (!growBlock((void **)&picture->texts, &picture->textCapacity, picture->textLength + length + 1, sizeof(WCHAR)))
        return 0;
    PictureItem *item = newItem(picture, PICTURE_TEXT);
    if (!item)
        return 0;
    item->area = band;
    item->font = font;
    item->align = align;
    item->ink = ink;
    item->text = picture->textLength;
    WCHAR *copy = picture->texts + picture->textLength;
    for (int i = 0; i <= length; i++)
        copy[i] = text[i];
    picture->textLength += length + 1;
    return 1;
}

int addPictureItemsFrom(PictureDescription *picture, const PictureDescription *from, int first, int count)
{
    if (!growBlock((void **)&picture->items, &picture->capacity, picture->count + count, sizeof(PictureItem)))
        return 0;
    /* One pass: the items' texts lie side by side in from's pool, so the
     * first text item tells how far they all move. */
    int textsFrom = -1, lastText = 0, moved = 0;
    PictureItem *item = picture->items + picture->count;
    for (int i = first; i < first + count; i++, item++) {
        *item = from->items[i];
        if (item->kind != PICTURE_TEXT)
            continue;
        if (textsFrom < 0) {
            textsFrom = item->text;
            moved = picture->textLength - textsFrom;
        }
        lastText = item->text;
        item->text += moved;
    }
    int textUnits = 0;
    if (textsFrom >= 0) {
        while (from->texts[lastText])
            lastText++;
        textUnits = lastText + 1 - textsFrom;
    }
    /* Until count grows, the items written above are not the picture's. */
    if (!growBlock((void **)&picture->texts, &picture->textCapacity, picture->textLength + textUnits, sizeof(WCHAR)))
        return 0;
    WCHAR *text = picture->texts + picture->textLength;
    for (int i = 0; i < textUnits; i++)
        text[i] = from->texts[textsFrom + i];
    picture->count += count;
    picture->textLength += textUnits;
    return 1;
}

const WCHAR *pictureItemText(const PictureDescription *picture, const PictureItem *item)
{
    return picture->texts + item->text;
}

/* No C runtime: memcmp is not there. */
static int sameBytes(const void *a, const void *b, SIZE_T count)
{
    const BYTE *x = (const BYTE *)a, *y = (const BYTE *)b;
    for (SIZE_T i = 0; i < count; i++)
        if (x[i] != y[i])
            return 0;
    return 1;
}

int samePictureDescription(const PictureDescription *a, const PictureDescription *b)
{
    /* Items are zeroed before they are filled in, padding and all. */
    return a->size.cx == b->size.cx && a->size.cy == b->size.cy && a->paper == b->paper && a->fonts == b->fonts &&
           a->count == b->count && a->textLength == b->textLength &&
           sameBytes(a->items, b->items, (SIZE_T)a->count * sizeof(PictureItem)) &&
           sameBytes(a->texts, b->texts, (SIZE_T)a->textLength * sizeof(WCHAR));
}

void freePictureDescription(PictureDescription *picture)
{
    freeBlock(picture->items);
    freeBlock(picture->texts);
    picture->items = NULL;
    picture->texts = NULL;
    picture->count = picture->capacity = picture->textLength = picture->textCapacity = 0;
}

int pictureBlocksBottom(const PictureDescription *picture)
{
    int bottom = 0, outer = -1;
    /* A block's frame is described just before the boxes it holds, so
     * each box need only be compared with the box before it. */
    for (int i = 0; i < picture->count; i++) {
        if (picture->items[i].kind != PICTURE_BOX)
            continue;
        const RECT &inner = picture->items[i].area;
        if (outer >= 0) {
            const RECT &frame = picture->items[outer].area;
            if (inner.left >= frame.left && inner.right <= frame.right && inner.top >= frame.top &&
                inner.bottom <= frame.bottom && frame.bottom > bottom)
                bottom = frame.bottom;
        }
        outer = i;
    }
    return bottom;
}
