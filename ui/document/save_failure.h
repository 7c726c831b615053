/* The one message a failed save shows: which file, and why. */
#ifndef DUELMARK_UI_DOCUMENT_SAVE_FAILURE_H
#define DUELMARK_UI_DOCUMENT_SAVE_FAILURE_H

#include <windows.h>

#include "file/bracket_file.h"

/* Shows a box owned by window naming path and the reason in report: the
 * platform's own text for its error, or the name or title that cannot be
 * written. Shows nothing for a save the user declined or that had nothing
 * to write. */
void reportSaveFailure(HWND window, Bracket *bracket, const WCHAR *path, const SaveReport *report);

#endif
