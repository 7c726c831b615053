/* Edit > Copy picture: the bracket picture on the clipboard, as a
 * device-independent bitmap and as PNG. */
#ifndef DUELMARK_UI_PICTURE_CLIPBOARD_H
#define DUELMARK_UI_PICTURE_CLIPBOARD_H

#include <windows.h>

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Name of the registered clipboard format that carries PNG bytes. */
#define PNG_CLIPBOARD_FORMAT L"PNG"

/* Replaces the clipboard's contents with the picture, window as owner.
 * Returns 1 when both formats are on it; 0 when no bracket is open, or
 * after telling the user why not. */
int copyPictureToClipboard(HWND window, Bracket *bracket);

/* The Copy picture command. */
void copyPicture(HWND window, DocumentState *state);

#endif
