/* The editor's main window (template IDD_MAIN), run modally with the
 * address of a DocumentState as its parameter. */
#ifndef DUELMARK_UI_MAIN_DIALOG_H
#define DUELMARK_UI_MAIN_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
