/* UTF-8 text that grows as it is written, for the encoders of the page and
 * the picture: thousands of short pieces go in, so a piece costs a copy,
 * never a length scan or a formatter. A failed growth is remembered and
 * ends the encoding. */
#ifndef DUELMARK_FILE_UTF8_TEXT_H
#define DUELMARK_FILE_UTF8_TEXT_H

#include <windows.h>

struct Utf8Text {
    char *bytes;
    DWORD length;
    DWORD capacity;
    int failed;
};

/* Makes room for count more bytes; 0 (and failed set) when memory ran out. */
int growUtf8Text(Utf8Text *text, DWORD count);

/* The pieces below are a few moves each and run some hundred thousand
 * times a page: a call apiece would cost more than the copying, and the
 * size-optimised build would not inline them on its own. */
#define UTF8_PIECE inline __attribute__((always_inline))

/* Where count more bytes go, or NULL once memory ran out; the caller
 * writes them and adds count to the length. */
UTF8_PIECE char *reserveUtf8Text(Utf8Text *text, DWORD count)
{
    if (text->length + count > text->capacity && !growUtf8Text(text, count))
        return NULL;
    return text->failed ? NULL : text->bytes + text->length;
}

UTF8_PIECE void appendBytes(Utf8Text *text, const char *bytes, DWORD count)
{
    char *at = reserveUtf8Text(text, count);
    if (!at)
        return;
    CopyMemory(at, bytes, count);
    text->length += count;
}

/* A literal's length is known where it is written, so its copy is a few
 * moves rather than a call. */
template <DWORD N> UTF8_PIECE void appendLiteral(Utf8Text *text, const char (&literal)[N])
{
    char *at = reserveUtf8Text(text, N - 1);
    if (!at)
        return;
    __builtin_memcpy(at, literal, N - 1);
    text->length += N - 1;
}

void appendNumber(Utf8Text *text, int value);

/* "#RRGGBB". */
void appendColour(Utf8Text *text, COLORREF colour);

/* One code point as UTF-8, 1 to 4 bytes. */
void appendCodePoint(Utf8Text *text, unsigned int point);

/* Takes the block from the text: the caller frees it with freeBlock.
 * Returns 0, with the block freed and ERROR_NOT_ENOUGH_MEMORY, when a growth
 * failed. */
int takeUtf8Text(Utf8Text *text, char **bytes, DWORD *size);

#endif
