/* Opening a bracket file into the main window. */
#ifndef DUELMARK_UI_DOCUMENT_OPEN_BRACKET_H
#define DUELMARK_UI_DOCUMENT_OPEN_BRACKET_H

#include "file/bracket_file.h"

/* Replaces the open bracket with the file's, lays it out with read-only base
 * slots on window and offers to clear invalid picks. Returns 1, or 0 with
 * bracket, controls, window and dirty flag exactly as before. */
int loadBracketFile(Bracket *bracket, HWND window, const WCHAR *path);

/* loadBracketFile, telling in report why nothing was opened. */
int loadBracketFileReporting(Bracket *bracket, HWND window, const WCHAR *path, OpenReport *report);

#endif
