/* What the bracket picture is laid out from: columns of boxes holding a
 * name, the connectors from two feeders to the match they feed, and a
 * match's marks beside its winner. The winners' and the losers' bracket
 * are made of the same pieces, so the two read alike. */
#ifndef DUELMARK_UI_PICTURE_PICTURE_PIECES_H
#define DUELMARK_UI_PICTURE_PICTURE_PIECES_H

#include "file/picture_description.h"
#include "model/bracket.h"

/* Geometry in the picture's units (pixels at natural size). */
enum {
    PICTURE_MARGIN = 24,
    PICTURE_TITLE_BAND = 56,     /* title text, below the top margin */
    PICTURE_HEADING_BAND = 30,   /* round headings, below the title band */
    PICTURE_BOX_WIDTH = 150,
    PICTURE_BOX_HEIGHT = 26,
    PICTURE_COLUMN_GAP = 36,     /* room for the connector lines */
    PICTURE_ROW_PITCH = 34,      /* between first-round boxes */
    PICTURE_LINE_WIDTH = 2,      /* box borders and connectors */
    PICTURE_CHAMPION_LINE_WIDTH = 4,
    PICTURE_RESULT_LINE = 15,    /* a match's marks in small text under or over its box */
    PICTURE_PLACE_LINE = 18      /* one line of the places under the champion */
};

/* Colours: dark ink on white, so the picture prints and posts the same. */
const COLORREF PICTURE_PAPER = RGB(255, 255, 255);
const COLORREF PICTURE_INK = RGB(32, 32, 32);
const COLORREF PICTURE_HEADING_INK = RGB(64, 64, 64);

/* What laying out needs besides the bracket: where it goes, and a device
 * context holding the names' face at natural size, to tell which names fit
 * (made when a name not measured before first needs it; NULL until then,
 * and when it could not be made). */
struct PictureLayout {
    Bracket *bracket;
    PictureDescription *picture;
    HDC measure;
    HFONT nameFont;
    HGDIOBJ measureFontWas;
    int withDate;      /* times carry their date: the matches span days */
    int complete;      /* 0 once an item could not be added */
    /* What the last layout kept (ui/picture/layout_memory.h), or NULL:
     * every piece is laid out. */
    struct LayoutMemory *memory;
};

/* A font of the picture's face, height units tall: it scales with the
 * mapping of the device context it is drawn in. The caller deletes it. */
HFONT createPictureFont(int height, int weight);

/* The same narrowed to an average character width of width units (0: the
 * face's own). */
HFONT createNarrowPictureFont(int height, int width, int weight);

/* The left edge of column (0 from the left). */
int pictureColumnLeft(int column);

/* A box of height PICTURE_BOX_HEIGHT in column, centred on y. */
RECT pictureBoxAt(int column, int y);

/* Each adds an item; a failure leaves layout->complete 0. A text that is
 * empty adds nothing. */
void layoutLine(PictureLayout *layout, int x1, int y1, int x2, int y2);
void layoutText(PictureLayout *layout, RECT band, const WCHAR *text, int font, int align, COLORREF ink);

/* A device context holding the names' face at natural size, made the
 * first time a text must be measured; NULL when none can be made. */
HDC measuringContext(PictureLayout *layout);

/* Deletes the measuring context and its face, if they were made. */
void endMeasuring(PictureLayout *layout);

/* A box holding shown: the champion's stands out; a name that does not fit
 * first gets the smaller face. */
void layoutNameBox(PictureLayout *layout, const WCHAR *shown, RECT box, int champion);

/* A box standing for no entrant, holding the word for a bye. */
void layoutByeBox(PictureLayout *layout, RECT box, const WCHAR *word);

/* Lines from the facing edges of two feeders to the box they feed. */
void layoutConnector(PictureLayout *layout, RECT first, RECT second, RECT fed);

/* The marks of the match node decides (any kind) around box, the
 * box of its winner: a decided match's score and outcome in small text
 * under it, an open one's time and court above it (under it for the
 * third-place match, whose heading stands above). */
void layoutMatchMarks(PictureLayout *layout, BracketNode *node, RECT box);

#endif
