/* The bracket picture drawn with GDI from its description: one routine
 * draws it into any device context, scaled to fit a rectangle; PNG export,
 * the clipboard, print, the preview and the hall display all use it. */
#ifndef DUELMARK_UI_PICTURE_BRACKET_PICTURE_H
#define DUELMARK_UI_PICTURE_BRACKET_PICTURE_H

#include <windows.h>

#include "file/picture_file.h"
#include "ui/picture/picture_layout.h"

/* Draws the description scaled to fit target (device units of dc),
 * centred, keeping its proportions. The dc's state is restored after. */
void drawPictureDescription(const PictureDescription *picture, HDC dc, RECT target);

/* Lays the open bracket's picture out and draws it as above; nothing when
 * no bracket is open or memory ran out. */
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
