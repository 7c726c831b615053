/* The bracket picture as an SVG 1.1 file: the same description GDI draws,
 * with text as text (searchable, selectable, editable) in the picture's
 * face and a generic fallback, lines as paths, no script and no external
 * reference, so that a browser or a print shop opens it at any size. */
#ifndef DUELMARK_FILE_SVG_PICTURE_H
#define DUELMARK_FILE_SVG_PICTURE_H

#include "file/picture_description.h"
#include "file/utf8_text.h"

/* The whole SVG document as UTF-8 in a block of the process heap (freed
 * by the caller with freeBlock). Returns 1 with the block and its byte
 * count, or 0 when memory ran out. */
int encodeSvgPicture(const PictureDescription *picture, char **bytes, DWORD *size);

/* The picture's <svg> element alone, without the XML declaration, onto
 * text: a page carries it inline. */
void appendSvgElement(Utf8Text *text, const PictureDescription *picture);

/* Where each item's markup ends in the text an element went into, so
 * that the same picture a little changed (the live page after a result)
 * copies the markup of what did not change. */
struct SvgItemSpans {
    DWORD start;    /* where the first item's markup starts */
    DWORD *ends;    /* item i's markup ends at ends[i] */
    int count;      /* -1 when not recorded */
    int capacity;
};

/* An element appended before: its picture, the text it went into and
 * where each item stands there. */
struct SvgEarlier {
    const PictureDescription *picture;
    const char *text;
    const SvgItemSpans *spans;
};

/* appendSvgElement, noting in spans where each item's markup ends; an item
 * equal to the one at the same place in earlier (which may be NULL) is
 * copied from earlier's text, not encoded again. The bytes are the same
 * either way. */
void appendSvgElementAgain(Utf8Text *text, const PictureDescription *picture, const SvgEarlier *earlier,
                           SvgItemSpans *spans);

void freeSvgItemSpans(SvgItemSpans *spans);

/* Encodes the picture and puts it in path's place crash-safely. Returns 1
 * when path holds the SVG; 0 with the old file untouched and the reason as
 * the thread's last error. */
int writeSvgPictureFile(const WCHAR *path, const PictureDescription *picture);

#endif
