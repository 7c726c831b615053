/* Comma-separated text as spreadsheets write and read it: the bytes
 * decoded whatever their encoding, cut into records and fields, and cells
 * written back with quotes where a spreadsheet needs them. */
#ifndef DUELMARK_FILE_CSV_TEXT_H
#define DUELMARK_FILE_CSV_TEXT_H

#include <windows.h>

enum {
    CSV_MAX_FIELDS = 32,              /* columns past these are read over */
    CSV_MAX_FILE_SIZE = 16 * 1024 * 1024
};

/* Decodes a file's bytes into text on the process heap (*text, terminated,
 * *length units without the terminator; free with freeBlock): UTF-16 little
 * or big endian after their byte-order mark, UTF-8 with or without one, and
 * bytes that are no UTF-8 in the system's code page, as a spreadsheet saved
 * them. Returns 1, or 0 when memory ran out. */
int decodeCsvBytes(const BYTE *bytes, DWORD size, WCHAR **text, int *length);

/* The separator of the text's first record, outside quotes: a tab when it
 * holds one, else whichever of semicolon and comma it holds more of
 * (semicolon when as many), comma when it holds neither. */
WCHAR detectCsvSeparator(const WCHAR *text, int length);

/* The separator a first line "sep=X" names, as one spreadsheet writes to
 * say which it used; 0 when the text does not start with such a line. */
WCHAR csvSeparatorHint(const WCHAR *text, int length);

/* Where reading stands. The text is cut in place: fields are terminated
 * and their quotes undone inside it. */
struct CsvCursor {
    WCHAR *at;
    WCHAR *end;
    int line;          /* the physical line at is on, from 1 */
    WCHAR separator;
};

/* One record: its fields point into the cursor's text, terminated, outer
 * spaces left as they were written. */
struct CsvRecord {
    int line;          /* the physical line the record starts on */
    int unclosed;      /* a quote was opened and the text ended inside it */
    int fieldCount;    /* at most CSV_MAX_FIELDS */
    WCHAR *field[CSV_MAX_FIELDS];
};

/* Starts reading a decoded text (length units, one more writable unit
 * after them) with the given separator. */
void startCsvCursor(CsvCursor *cursor, WCHAR *text, int length, WCHAR separator);

/* The next record, blank lines included as records of one empty field.
 * Line breaks are CRLF, LF or a lone CR, inside quotes too, where they stay
 * part of the field. Returns 1 with record filled, 0 at the end. */
int nextCsvRecord(CsvCursor *cursor, CsvRecord *record);

/* Rows of cells built as UTF-16 on the process heap; an all-zero record is
 * an empty table. Once an append has failed for memory every later append
 * does nothing and failed stays set. */
struct CsvWriter {
    WCHAR *text;
    int length;
    int capacity;
    int rowStarted;
    int failed;
};

/* Adds a cell to the current row, quoted when it holds a comma, a quote, a
 * line break or outer spaces (quotes doubled inside). NULL is an empty cell. */
void appendCsvCell(CsvWriter *writer, const WCHAR *cell);

/* Ends the current row with CRLF. */
void endCsvRow(CsvWriter *writer);

/* Puts the table in path as UTF-8 after a byte-order mark, by the
 * crash-safe replace, and frees the writer's text. Returns 1, or 0 with the
 * old file untouched and GetLastError() giving the reason. */
int saveCsvWriter(CsvWriter *writer, const WCHAR *path);

/* The table as UTF-8 bytes after a byte-order mark, on the process heap
 * (free with freeBlock). Returns 1, or 0 when memory ran out or an append
 * had failed. The writer keeps its text. */
int csvWriterBytes(const CsvWriter *writer, BYTE **bytes, DWORD *size);

/* Frees the writer's text and empties it. */
void freeCsvWriter(CsvWriter *writer);

/* Reads the whole file at path into a block of the process heap (free with
 * freeBlock). Returns 1, or 0 with GetLastError() giving the reason; a file
 * above CSV_MAX_FILE_SIZE gives ERROR_FILE_TOO_LARGE. */
int readWholeFile(const WCHAR *path, BYTE **bytes, DWORD *size);

#endif
