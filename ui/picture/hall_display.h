/* View > Hall display: the bracket picture alone on a whole monitor (the
 * one the editor is not on, when there are two), as large as fits, for a
 * projector or a screen in the hall. It follows every change made in the
 * editor at once, as the editor's own marks do, and closes with Esc or
 * F11, or with the editor. */
#ifndef DUELMARK_UI_PICTURE_HALL_DISPLAY_H
#define DUELMARK_UI_PICTURE_HALL_DISPLAY_H

#include <windows.h>

#include "ui/common/document_state.h"

/* Opens the display, owned by window, or closes it when it is open. */
void toggleHallDisplay(HWND window, DocumentState *state);

/* The window class of the display, for finding it from outside. */
extern const WCHAR HALL_DISPLAY_CLASS[];

#endif
