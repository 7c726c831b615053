/* Entrants and results as CSV files: File > Import entrants..., Export
 * entrants... and Export results.... */
#ifndef DUELMARK_UI_DOCUMENT_ENTRANT_FILES_H
#define DUELMARK_UI_DOCUMENT_ENTRANT_FILES_H

#include "ui/common/document_state.h"

/* As New from list, once the save-changes question allowed it: a CSV
 * file chosen and read, the rows it cannot take named in a question
 * before anything is taken, then the New from list dialog showing the
 * entrants with their columns, titled by the file's name. Cancel at any
 * step changes nothing. */
void importEntrants(HWND window, DocumentState *state);

/* Imports the file at path as importEntrants does after its Open dialog. */
void importEntrantsFrom(HWND window, DocumentState *state, const WCHAR *path);

/* Writes the entrant list (the first round's names when the list is
 * empty) to a CSV file the Save dialog names, with headings in the
 * program's language, as UTF-8 with a byte-order mark. */
void exportEntrants(HWND window, DocumentState *state);

/* Writes one row per match to a CSV file the Save dialog names. */
void exportResults(HWND window, DocumentState *state);

#endif
