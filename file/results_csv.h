/* Export results: one row per match, in whatever order and words the
 * caller gives, so the file does not depend on how matches are kept. */
#ifndef DUELMARK_FILE_RESULTS_CSV_H
#define DUELMARK_FILE_RESULTS_CSV_H

#include <windows.h>

enum ResultColumn {
    RESULT_ROUND, RESULT_MATCH, RESULT_FIRST_ENTRANT, RESULT_SECOND_ENTRANT, RESULT_WINNER,
    RESULT_SCORE, RESULT_OUTCOME, RESULT_COURT, RESULT_TIME, RESULT_COLUMN_COUNT
};

/* One match as the user reads it; a NULL cell is left empty. */
struct ResultRow {
    const WCHAR *cell[RESULT_COLUMN_COUNT];
};

/* Writes a header row of headings (RESULT_COLUMN_COUNT texts in
 * ResultColumn order) and the rows to path as UTF-8 with a byte-order mark
 * and CRLF, by the crash-safe replace. Returns 1, or 0 with the old file
 * untouched and GetLastError() giving the reason. */
int saveResultsCsvFile(const WCHAR *path, const WCHAR *const *headings, const ResultRow *rows, int count);

#endif
