/* File > Export picture: the bracket picture saved as a PNG or an SVG file. */
#ifndef DUELMARK_UI_PICTURE_PICTURE_EXPORT_H
#define DUELMARK_UI_PICTURE_PICTURE_EXPORT_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Asks for a file name with the Save dialog (PNG or SVG) and exports
 * there. Does nothing when the dialog is cancelled. */
void exportPicture(HWND window, DocumentState *state);

/* The picture's file formats. */
enum { PICTURE_PNG = 1, PICTURE_SVG = 2 };

/* The format a name asks for: its extension when it is ".png" or ".svg"
 * (in any case), else chosenType (the Save dialog's type, PICTURE_PNG or
 * PICTURE_SVG). */
int pictureFormatOf(const WCHAR *path, int chosenType);

/* Lays the picture out at natural size and writes it to path crash-safely
 * in the format path asks for (PNG when it asks for none). Returns 1 when
 * written; 0 after telling the user why not. */
int exportPictureTo(HWND window, Bracket *bracket, const WCHAR *path);

#endif
