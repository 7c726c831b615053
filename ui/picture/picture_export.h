/* File > Export picture: the bracket picture saved as a PNG file. */
#ifndef DUELMARK_UI_PICTURE_EXPORT_H
#define DUELMARK_UI_PICTURE_EXPORT_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Asks for a PNG file name with the Save dialog and exports there. Does
 * nothing when no bracket is open or the dialog is cancelled. */
void exportPicture(HWND window, DocumentState *state);

/* Renders the picture at natural size and writes it to path crash-safely.
 * Returns 1 when written; 0 after telling the user why not. */
int exportPictureTo(HWND window, Bracket *bracket, const WCHAR *path);

#endif
