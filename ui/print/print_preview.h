/* File > Print preview: the pages of a print layout exactly as Print prints
 * them, drawn by the same code onto the screen, for the session's paper
 * (with no printer installed, the region's usual paper). */
#ifndef DUELMARK_UI_PRINT_PRINT_PREVIEW_H
#define DUELMARK_UI_PRINT_PRINT_PREVIEW_H

#include <windows.h>

#include "ui/common/document_state.h"

/* Runs the preview (template IDD_PRINT_PREVIEW) on the open bracket. The
 * layout chosen there is the session's; its Print button goes on to the
 * print dialog, or says that no printer is installed. */
void printPreview(HWND window, DocumentState *state);

#endif
