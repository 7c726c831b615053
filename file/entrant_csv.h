/* Entrants in a CSV file: read as a spreadsheet or a federation's ranking
 * file writes them, with every row that cannot be taken named before any
 * entrant is taken, and written so a spreadsheet opens them as they are. */
#ifndef DUELMARK_FILE_ENTRANT_CSV_H
#define DUELMARK_FILE_ENTRANT_CSV_H

#include "model/entrant_list.h"

/* Why a row cannot be taken; the user interface words each. */
enum EntrantRowReason {
    ROW_NO_NAME = 1,        /* other cells filled, the name's empty */
    ROW_NAME_TOO_LONG,      /* longer than a name holds */
    ROW_NAME_REPEATED,      /* a row above gives the same name */
    ROW_CLUB_TOO_LONG,      /* longer than a club holds */
    ROW_RATING_NOT_WHOLE,   /* the rating is no whole number of up to eight digits */
    ROW_SEED_NOT_VALID,     /* the seed is no whole number 1 .. MAX_TEAM_COUNT */
    ROW_SEED_REPEATED,      /* a row above has the same seed */
    ROW_QUOTE_UNCLOSED,     /* a quote opens and the file ends inside it */
    ROW_LIST_FULL           /* more entrants than a list holds */
};

enum { MAX_LISTED_ROW_PROBLEMS = 256 };

struct EntrantRowProblem {
    int line;               /* the physical line the row starts on, from 1 */
    int reason;             /* an EntrantRowReason */
};

/* What a file gives: the entrants it can take, in file order, and the rows
 * it cannot, in file order (the first MAX_LISTED_ROW_PROBLEMS listed,
 * problemCount counting them all). */
struct EntrantImport {
    EntrantList entrants;
    int problemCount;
    EntrantRowProblem problem[MAX_LISTED_ROW_PROBLEMS];
    int header;             /* the first row named the columns */
    WCHAR separator;        /* the separator found */
};

/* The four columns, in the order a written file gives them. */
enum EntrantColumn { COLUMN_NAME, COLUMN_CLUB, COLUMN_RATING, COLUMN_SEED, ENTRANT_COLUMN_COUNT };

/* Reads a CSV file's bytes into an empty import. A header row names the
 * columns in any order (English or Chinese words); without one the first
 * column is the name, then club, rating and seed. Blank rows are passed
 * over. Returns 1, or 0 with the import empty when memory ran out. */
int readEntrantCsv(const BYTE *bytes, DWORD size, EntrantImport *import);

/* The same from the file at path. Returns 1, or 0 with the import empty
 * and GetLastError() giving the reason. */
int readEntrantCsvFile(const WCHAR *path, EntrantImport *import);

/* Frees the import's entrants and empties it. */
void freeEntrantImport(EntrantImport *import);

/* Writes the list to path: a header row of headings (ENTRANT_COLUMN_COUNT
 * texts in EntrantColumn order; NULL for the English words), then one row
 * per entrant, as UTF-8 with a byte-order mark and CRLF, by the crash-safe
 * replace. Returns 1, or 0 with the old file untouched and GetLastError()
 * giving the reason. */
int saveEntrantCsvFile(const WCHAR *path, const EntrantList *list, const WCHAR *const *headings);

#endif
