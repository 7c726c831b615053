/* The live page for spectators: one self-contained HTML file (the bracket
 * picture as inline SVG, the order of play, the groups' standings) that
 * loads nothing from elsewhere, reloads itself and reads on a phone. Plain
 * texts in: the words of headings and captions come from the caller, who
 * knows the language; every text goes out as text, never as markup. */
#ifndef DUELMARK_FILE_PUBLISHED_PAGE_H
#define DUELMARK_FILE_PUBLISHED_PAGE_H

#include "file/picture_description.h"
#include "file/utf8_text.h"

/* A table of texts: columns headings over rows of cells, row after row
 * (rows * columns cells). */
struct PublishedTable {
    const WCHAR *caption;
    const WCHAR *const *headings;
    int columns;
    const WCHAR *const *cells;
    int rows;
};

struct PublishedPage {
    const WCHAR *title;
    /* NULL, or 0 x 0, for no picture. */
    const PictureDescription *picture;
    /* Time as shown, court, round, first and second entrant; left out
     * when it has no rows. */
    PublishedTable orderOfPlay;
    /* One table per group; none without groups. */
    const PublishedTable *standings;
    int standingsCount;
    const WCHAR *writtenAt;
};

/* The page as UTF-8 in a block of the process heap (freed by the caller
 * with freeBlock). Returns 1 with the block and its byte count, or 0 when
 * memory ran out. */
int encodePublishedPage(const PublishedPage *page, char **bytes, DWORD *size);

/* Encodes the page and puts it in the folder as index.html in one rename,
 * so a reader finds the old page or the new one, whole, and never no page.
 * Returns 1 when the folder holds the page; 0 with the old page untouched
 * and the reason as the thread's last error. */
int writePublishedPage(const WCHAR *folder, const PublishedPage *page);

/* The same, encoding into scratch, whose block the caller keeps from one
 * page to the next (a page is written every few seconds: a fresh half
 * megabyte each time costs more than encoding into it) and frees with
 * freeBlock(scratch->bytes). Starts empty as {NULL, 0, 0, 0}. */
int writePublishedPageWith(const WCHAR *folder, const PublishedPage *page, Utf8Text *scratch);

#endif
