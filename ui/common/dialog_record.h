/* Every dialog of ours carries its record in DWLP_USER, handed over as the
 * creation parameter. */
#ifndef DUELMARK_UI_COMMON_DIALOG_RECORD_H
#define DUELMARK_UI_COMMON_DIALOG_RECORD_H

#include <windows.h>

/* The record of window, taken from lParam at WM_INITDIALOG; NULL for the
 * few messages a dialog receives before that one. */
void *dialogRecord(HWND window, UINT message, LPARAM lParam);

#endif
