/* Saving the open bracket from the main window: the invalid-picks question,
 * then the writer. */
#ifndef DUELMARK_UI_DOCUMENT_SAVE_BRACKET_H
#define DUELMARK_UI_DOCUMENT_SAVE_BRACKET_H

#include "file/bracket_file.h"

/* A title or name that cannot be written is refused before anything is
 * asked; then a bracket with two entrants of one name is questioned, and
 * invalid picks are offered for clearing (No to either writes nothing).
 * Returns 1 when written (dirty cleared), 0 with the reason in report. */
int saveBracketFileReporting(Bracket *bracket, HWND window, const WCHAR *path, SaveReport *report);

/* The same without the reason. */
int saveBracketFile(Bracket *bracket, HWND window, const WCHAR *path);

#endif
