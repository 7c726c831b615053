#include "file/utf8_text.h"
#include "model/heap.h"

int growUtf8Text(Utf8Text *text, DWORD count)
{
    if (text->failed)
        return 0;
    DWORD grown = text->capacity ? text->capacity : 65536;
    while (grown < text->length + count)
        grown *= 2;
    char *bigger = (char *)allocBlock(grown);
    if (!bigger) {
        text->failed = 1;
        return 0;
    }
    if (text->bytes)
        CopyMemory(bigger, text->bytes, text->length);
    freeBlock(text->bytes);
    text->bytes = bigger;
    text->capacity = grown;
    return 1;
}

/* Division by ten as a multiply and a shift: the size-optimised build
 * divides outright, which made the digits the costliest part of a page. */
static inline unsigned int tenth(unsigned int value)
{
    return (unsigned int)(((unsigned long long)value * 0xCCCCCCCDull) >> 35);
}

void appendNumber(Utf8Text *text, int value)
{
    unsigned int magnitude = value < 0 ? 0u - (unsigned int)value : (unsigned int)value;
    DWORD count = value < 0 ? 2 : 1;
    for (unsigned long long bound = 10; magnitude >= bound; bound *= 10)
        count++;
    char *at = reserveUtf8Text(text, count);
    if (!at)
        return;
    text->length += count;
    at += count;
    do {
        unsigned int rest = tenth(magnitude);
        *--at = (char)('0' + (magnitude - rest * 10));
        magnitude = rest;
    } while (magnitude);
    if (value < 0)
        *--at = '-';
}

void appendColour(Utf8Text *text, COLORREF colour)
{
    static const char HEX[] = "0123456789ABCDEF";
    char *code = reserveUtf8Text(text, 7);
    if (!code)
        return;
    BYTE parts[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    code[0] = '#';
    for (int i = 0; i < 3; i++) {
        code[1 + 2 * i] = HEX[parts[i] >> 4];
        code[2 + 2 * i] = HEX[parts[i] & 15];
    }
    text->length += 7;
}

void appendCodePoint(Utf8Text *text, unsigned int point)
{
    char encoded[4];
    DWORD count = 0;
    if (point < 0x80) {
        encoded[count++] = (char)point;
    } else if (point < 0x800) {
        encoded[count++] = (char)(0xC0 | (point >> 6));
        encoded[count++] = (char)(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        encoded[count++] = (char)(0xE0 | (point >> 12));
        encoded[count++] = (char)(0x80 | ((point >> 6) & 0x3F));
        encoded[count++] = (char)(0x80 | (point & 0x3F));
    } else {
        encoded[count++] = (char)(0xF0 | (point >> 18));
        encoded[count++] = (char)(0x80 | ((point >> 12) & 0x3F));
        encoded[count++] = (char)(0x80 | ((point >> 6) & 0x3F));
        encoded[count++] = (char)(0x80 | (point & 0x3F));
    }
    appendBytes(text, encoded, count);
}

int takeUtf8Text(Utf8Text *text, char **bytes, DWORD *size)
{
    if (text->failed) {
        freeBlock(text->bytes);
        text->bytes = NULL;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    *bytes = text->bytes;
    *size = text->length;
    text->bytes = NULL;
    return 1;
}
