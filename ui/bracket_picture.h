/* The bracket as a picture, drawn from the model (never captured from the
 * slot controls): the title on top, one column of boxes per round, mirrored
 * like the window around the champion, with connector lines from each pair
 * of feeders to the match they feed. One routine draws it into any device
 * context; PNG export, the clipboard and printing all use it. */
#ifndef DUELMARK_UI_BRACKET_PICTURE_H
#define DUELMARK_UI_BRACKET_PICTURE_H

#include <windows.h>

#include "file/picture_file.h"
#include "model/bracket.h"

/* Geometry in the picture's logical units (pixels at natural size). */
enum {
    PICTURE_MARGIN = 24,
    PICTURE_TITLE_BAND = 56,     /* title text, below the top margin */
    PICTURE_HEADING_BAND = 30,   /* round headings, below the title band */
    PICTURE_BOX_WIDTH = 150,
    PICTURE_BOX_HEIGHT = 26,
    PICTURE_COLUMN_GAP = 36,     /* room for the connector lines */
    PICTURE_ROW_PITCH = 34,      /* between first-round boxes */
    PICTURE_LINE_WIDTH = 2,      /* box borders and connectors */
    PICTURE_CHAMPION_LINE_WIDTH = 4
};

/* The face every text of the picture is drawn in. */
extern const WCHAR PICTURE_FACE[];

/* A font of the picture's face, height logical units tall: it scales with
 * the mapping of the device context it is drawn in. The caller deletes it. */
HFONT createPictureFont(int height, int weight);

/* The name of the round whose entrants stand on level (0: the champion,
 * 1: the final, 2: the semi-finals, ...), as the picture heads its column. */
void roundHeading(Bracket *bracket, int level, WCHAR *text, int capacity);

/* The picture's natural size in logical units; grows with the bracket.
 * An empty record (N = 0) gives 0 x 0. */
SIZE bracketPictureSize(Bracket *bracket);

/* Draws the whole picture scaled to fit target (device units of dc),
 * centred, keeping its proportions. The dc's state is restored after. */
void drawBracketPicture(Bracket *bracket, HDC dc, RECT target);

/* A picture drawn at natural size into a memory bitmap. */
struct PictureCanvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    PictureRaster raster;  /* the bitmap's pixels, fourth byte 255 */
};

/* Renders the open bracket at natural size. Returns 1 with the canvas (free
 * it with releasePictureCanvas), or 0 with nothing to free when no bracket
 * is open or memory ran out. */
int renderBracketPicture(Bracket *bracket, PictureCanvas *canvas);

void releasePictureCanvas(PictureCanvas *canvas);

#endif
