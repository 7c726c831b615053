/* The one message a file that cannot be opened shows: which file, and why. */
#ifndef DUELMARK_UI_DOCUMENT_OPEN_FAILURE_H
#define DUELMARK_UI_DOCUMENT_OPEN_FAILURE_H

#include <windows.h>

#include "file/bracket_file.h"

/* Shows a box owned by window (NULL before the main window exists) naming
 * the file as the user gave it and the reason in report, in the language of
 * module. Shows nothing for a report of a file that opened. */
void reportOpenFailure(HWND window, HMODULE module, const WCHAR *name, const OpenReport *report);

#endif
