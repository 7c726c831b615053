/* The question before entrants are taken from a file or a typed list that
 * holds rows which cannot be taken: each such row named with its line and
 * reason, so nothing is dropped without the user knowing. */
#ifndef DUELMARK_UI_DIALOGS_IMPORT_QUESTION_H
#define DUELMARK_UI_DIALOGS_IMPORT_QUESTION_H

#include "file/entrant_csv.h"

/* The question's text for import, in module's words, into a heap block
 * the caller frees; NULL when memory ran out. */
WCHAR *importQuestionText(HMODULE module, const EntrantImport *import);

/* Asks over owner whether to take the rows that can be taken. Returns 1
 * when every row can be taken or the user chose to take the rest, 0 for
 * Cancel (also for a box that could not be shown). */
int askToImportRest(HWND owner, HMODULE module, const EntrantImport *import);

#endif
