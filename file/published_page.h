/* The live page for spectators: one self-contained HTML file (the bracket
 * picture as inline SVG, the order of play, the groups' standings) that
 * loads nothing from elsewhere, reloads itself and reads on a phone. Plain
 * texts in: the words of headings and captions come from the caller, who
 * knows the language; every text goes out as text, never as markup. */
#ifndef DUELMARK_FILE_PUBLISHED_PAGE_H
#define DUELMARK_FILE_PUBLISHED_PAGE_H

#include "file/picture_description.h"
#include "file/svg_picture.h"
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

/* What a writer of page after page keeps between them: two pictures and
 * two texts that take turns, so the next page is laid out and encoded
 * while the last one is still there to compare with, and only the picture
 * items that changed are encoded again. Starts as {} (all zero). */
struct PageMemory {
    PictureDescription pictures[2];
    Utf8Text texts[2];
    SvgItemSpans spans[2];
    int last;          /* the pair the last page was made in ... */
    int remembered;    /* ... when 1: it may be compared with */
};

/* The description to lay the next page's picture out into. */
PictureDescription *nextPagePicture(PageMemory *memory);

/* writePublishedPage for a page whose picture is nextPagePicture's (or
 * none): encodes only what changed since the last page written this way.
 * The result is byte for byte the same. */
int writePublishedPageFrom(const WCHAR *folder, const PublishedPage *page, PageMemory *memory);

void freePageMemory(PageMemory *memory);

#endif
