/* The bracket picture as a description: boxes, lines and texts with their
 * font, size and colour, in the picture's own units (pixels at natural
 * size). The picture is laid out once into it; the screen, PNG, the
 * clipboard, print, the preview and the hall display draw it with GDI, and
 * the SVG writer writes it. Plain data: file/ knows no windows or
 * brackets. */
#ifndef DUELMARK_FILE_PICTURE_DESCRIPTION_H
#define DUELMARK_FILE_PICTURE_DESCRIPTION_H

#include <windows.h>

/* The faces of the picture: one family, these sizes and weights. */
enum PictureFont {
    PICTURE_FONT_TITLE,
    PICTURE_FONT_HEADING,
    PICTURE_FONT_NAME,
    PICTURE_FONT_SMALL,
    PICTURE_FONT_CHAMPION,
    PICTURE_FONT_COUNT
};

struct PictureFontSpec {
    int height;   /* picture units, the em height */
    int weight;   /* FW_NORMAL or FW_BOLD */
};

/* The bracket picture's faces, indexed by PictureFont. */
extern const PictureFontSpec PICTURE_FONTS[PICTURE_FONT_COUNT];

/* The face every text of the picture is drawn in, and the generic family
 * behind it where a reader lacks it. */
extern const WCHAR PICTURE_FACE[];

enum PictureItemKind { PICTURE_BOX, PICTURE_LINE, PICTURE_TEXT };
enum PictureAlign { PICTURE_ALIGN_LEFT, PICTURE_ALIGN_CENTRE };

struct PictureItem {
    int kind;
    /* A box's or a text's band; a line runs from (left, top) to (right,
     * bottom). */
    RECT area;
    int lineWidth;     /* a box's frame (drawn inside it) or a line */
    COLORREF ink;      /* frame, line or text */
    COLORREF fill;     /* a box's inside */
    int font;          /* a text's PictureFont */
    int fontWidth;     /* a text's face narrowed to this average character width; 0: as it is */
    int align;         /* a text's PictureAlign; vertically always centred */
    int text;          /* a text's first unit in the description's text pool */
};

struct PictureDescription {
    SIZE size;         /* natural size; 0 x 0 for no picture */
    COLORREF paper;    /* CLR_INVALID: none, drawn over what is there */
    /* The faces by PictureFont: PICTURE_FONTS, or the sizes of another
     * unit (a printed page's heading is described in micrometres). */
    const PictureFontSpec *fonts;
    PictureItem *items;
    int count;
    int capacity;
    WCHAR *texts;      /* zero-terminated texts one after the other */
    int textLength;
    int textCapacity;
};

/* An empty description of size and paper colour in the picture's faces,
 * holding nothing yet. */
void initPictureDescription(PictureDescription *picture, SIZE size, COLORREF paper);

/* The same for a description that may hold an earlier picture: its items
 * and texts go, its blocks stay, so laying the next one out into it takes
 * no fresh memory (a few hundred kilobytes for the largest bracket). */
void resetPictureDescription(PictureDescription *picture, SIZE size, COLORREF paper);

/* Each adds one item; 0 when memory ran out (the description is then
 * incomplete and its maker gives up). */
int addPictureBox(PictureDescription *picture, RECT box, int lineWidth, COLORREF ink, COLORREF fill);
int addPictureLine(PictureDescription *picture, int x1, int y1, int x2, int y2, int lineWidth, COLORREF ink);
int addPictureText(PictureDescription *picture, RECT band, const WCHAR *text, int font, int align, COLORREF ink);

/* Items first .. first + count - 1 of from added as they are, their texts
 * with them; 0 when memory ran out. from holds each item's text right
 * after the text of the item before, as the add functions leave it. */
int addPictureItemsFrom(PictureDescription *picture, const PictureDescription *from, int first, int count);

/* A text item's text. */
const WCHAR *pictureItemText(const PictureDescription *picture, const PictureItem *item);

/* The foot of the blocks that stand above the draw, each a box described
 * just before the boxes it holds (a group's tables in their frame): the
 * lowest such box's bottom, or 0 when there is none. Readers that cut the
 * picture show the blocks apart from the draw and never cut one. */
int pictureBlocksBottom(const PictureDescription *picture);

/* 1 when the two describe the same picture, item for item. */
int samePictureDescription(const PictureDescription *a, const PictureDescription *b);

void freePictureDescription(PictureDescription *picture);

#endif
