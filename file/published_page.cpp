#include "file/published_page.h"
#include "file/safe_replace.h"
#include "file/svg_picture.h"
#include "model/heap.h"

/* UTF-8 text that grows as it is written; a failed growth is remembered
 * and ends the encoding. */
struct PageText {
    char *bytes;
    DWORD length;
    DWORD capacity;
    int failed;
};

static void appendBytes(PageText *page, const char *bytes, DWORD count)
{
    if (page->failed)
        return;
    if (page->length + count > page->capacity) {
        DWORD grown = page->capacity ? page->capacity : 65536;
        while (grown < page->length + count)
            grown *= 2;
        char *bigger = (char *)allocBlock(grown);
        if (!bigger) {
            page->failed = 1;
            return;
        }
        if (page->bytes)
            CopyMemory(bigger, page->bytes, page->length);
        freeBlock(page->bytes);
        page->bytes = bigger;
        page->capacity = grown;
    }
    CopyMemory(page->bytes + page->length, bytes, count);
    page->length += count;
}

static void append(PageText *page, const char *text)
{
    appendBytes(page, text, (DWORD)lstrlenA(text));
}

static void appendNumber(PageText *page, int value)
{
    char number[16];
    wsprintfA(number, "%d", value);
    append(page, number);
}

/* HTML refuses control characters, noncharacters and half a surrogate
 * pair; a name holding one still gives a valid page, with U+FFFD where it
 * stood. Tabs and line breaks would vanish into the layout's white space,
 * so they are spaces outright. */
static unsigned int nextCodePoint(const WCHAR **text)
{
    const WCHAR *p = *text;
    unsigned int point = *p++;
    if (point >= 0xD800 && point <= 0xDBFF && *p >= 0xDC00 && *p <= 0xDFFF)
        point = 0x10000 + ((point - 0xD800) << 10) + (*p++ - 0xDC00);
    else if (point >= 0xD800 && point <= 0xDFFF)
        point = 0xFFFD;
    *text = p;
    if (point == '\t' || point == '\n' || point == '\r')
        return ' ';
    if (point < 0x20 || (point >= 0x7F && point <= 0x9F) || (point >= 0xFDD0 && point <= 0xFDEF) ||
        (point & 0xFFFE) == 0xFFFE)
        return 0xFFFD;
    return point;
}

/* Text for an element's content or a quoted attribute: markup characters
 * of a name are shown, never obeyed. */
static void appendEscaped(PageText *page, const WCHAR *text)
{
    if (!text)
        return;
    while (*text) {
        unsigned int point = nextCodePoint(&text);
        char encoded[4];
        int count = 0;
        switch (point) {
        case '&': append(page, "&amp;"); continue;
        case '<': append(page, "&lt;"); continue;
        case '>': append(page, "&gt;"); continue;
        case '"': append(page, "&quot;"); continue;
        case '\'': append(page, "&#39;"); continue;
        }
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
        appendBytes(page, encoded, (DWORD)count);
    }
}

/* Phones first: the page is one column that never needs zooming, tables
 * scroll sideways on their own rather than widen the page, and wide
 * screens put the groups side by side. */
static const char PAGE_STYLE[] =
    "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
    "body{margin:0;padding:12px;font-family:Tahoma,'Microsoft JhengHei',PMingLiU,sans-serif;"
    "font-size:16px;line-height:1.4;color:#111;background:#fff}\n"
    "h1{font-size:1.5em;margin:0 0 12px;overflow-wrap:anywhere}\n"
    "h2{font-size:1.2em;margin:20px 0 8px;overflow-wrap:anywhere}\n"
    ".picture,.table{overflow-x:auto;-webkit-overflow-scrolling:touch}\n"
    ".picture{border:1px solid #ccc}\n"
    ".picture svg{display:block;width:100%;height:auto}\n"
    "table{border-collapse:collapse;min-width:100%}\n"
    "caption{text-align:left;font-weight:bold;padding:4px 0;overflow-wrap:anywhere}\n"
    "th,td{border:1px solid #ccc;padding:6px 8px;text-align:left;vertical-align:top}\n"
    "td{overflow-wrap:break-word}\n"
    "th{background:#eee;white-space:nowrap}\n"
    "tbody tr:nth-child(even){background:#f5f5f5}\n"
    ".groups{display:flex;flex-wrap:wrap;gap:0 24px}\n"
    ".groups>section{flex:1 1 340px}\n"
    ".written{margin-top:20px;color:#555;font-size:.9em}\n"
    "@media (min-width:1200px){body{padding:16px 24px;font-size:18px}}\n";

/* The SVG writer makes a file of its own; inside a page its XML
 * declaration or doctype would be stray markup. */
static const char *svgElementStart(const char *bytes, DWORD size, DWORD *rest)
{
    DWORD at = 0;
    while (at + 1 < size && bytes[at] == '<' && (bytes[at + 1] == '?' || bytes[at + 1] == '!')) {
        while (at < size && bytes[at] != '>')
            at++;
        at++;
        while (at < size && (bytes[at] == '\n' || bytes[at] == '\r' || bytes[at] == ' ' || bytes[at] == '\t'))
            at++;
    }
    if (at > size)
        at = size;
    *rest = size - at;
    return bytes + at;
}

static void appendPicture(PageText *page, const PictureDescription *picture)
{
    if (!picture || picture->size.cx <= 0 || picture->size.cy <= 0)
        return;
    char *svg;
    DWORD size;
    if (!encodeSvgPicture(picture, &svg, &size)) {
        page->failed = 1;
        return;
    }
    /* Scaled down to a narrow screen only as far as names stay about 12
     * pixels tall; below that the picture scrolls sideways instead. */
    int nameHeight = picture->fonts[PICTURE_FONT_NAME].height;
    int narrowest = nameHeight > 12 ? MulDiv(picture->size.cx, 12, nameHeight) : picture->size.cx;
    append(page, "<div class=\"picture\"><div style=\"min-width:");
    appendNumber(page, narrowest);
    append(page, "px;max-width:");
    appendNumber(page, picture->size.cx);
    append(page, "px\">\n");
    DWORD rest;
    const char *element = svgElementStart(svg, size, &rest);
    appendBytes(page, element, rest);
    append(page, "</div></div>\n");
    freeBlock(svg);
}

static void appendTable(PageText *page, const PublishedTable *table, const char *level)
{
    if (table->caption && *table->caption) {
        append(page, "<h");
        append(page, level);
        append(page, ">");
        appendEscaped(page, table->caption);
        append(page, "</h");
        append(page, level);
        append(page, ">\n");
    }
    append(page, "<div class=\"table\"><table>\n<thead><tr>");
    for (int column = 0; column < table->columns; column++) {
        append(page, "<th scope=\"col\">");
        appendEscaped(page, table->headings ? table->headings[column] : NULL);
        append(page, "</th>");
    }
    append(page, "</tr></thead>\n<tbody>\n");
    for (int row = 0; row < table->rows; row++) {
        append(page, "<tr>");
        for (int column = 0; column < table->columns; column++) {
            append(page, "<td>");
            appendEscaped(page, table->cells[row * table->columns + column]);
            append(page, "</td>");
        }
        append(page, "</tr>\n");
    }
    append(page, "</tbody></table></div>\n");
}

/* Encodes the whole page; the caller frees the block with freeBlock. */
int encodePublishedPage(const PublishedPage *page, char **bytes, DWORD *size)
{
    PageText text = {NULL, 0, 0, 0};
    append(&text, "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                  "<meta http-equiv=\"refresh\" content=\"30\">\n<title>");
    appendEscaped(&text, page->title);
    append(&text, "</title>\n<style>\n");
    append(&text, PAGE_STYLE);
    append(&text, "</style>\n</head>\n<body>\n<h1>");
    appendEscaped(&text, page->title);
    append(&text, "</h1>\n");
    appendPicture(&text, page->picture);
    if (page->orderOfPlay.rows > 0)
        appendTable(&text, &page->orderOfPlay, "2");
    if (page->standingsCount > 0) {
        append(&text, "<div class=\"groups\">\n");
        for (int i = 0; i < page->standingsCount; i++) {
            append(&text, "<section>\n");
            appendTable(&text, &page->standings[i], "2");
            append(&text, "</section>\n");
        }
        append(&text, "</div>\n");
    }
    append(&text, "<p class=\"written\">");
    appendEscaped(&text, page->writtenAt);
    append(&text, "</p>\n</body>\n</html>\n");
    if (text.failed) {
        freeBlock(text.bytes);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    *bytes = text.bytes;
    *size = text.length;
    return 1;
}

/* Tells a rename refused after the whole temporary file was written. */
static int noteTemporaryWritten(const WCHAR *, void *context)
{
    *(int *)context = 1;
    return 1;
}

/* The page goes in as folder\index.html by one rename over the old one:
 * the folder is the program's own for this purpose, so there is nothing of
 * the old file to keep, and a browser reloading meanwhile never finds the
 * name missing. */
int writePublishedPage(const WCHAR *folder, const PublishedPage *page)
{
    static const WCHAR NAME[] = L"\\index.html";
    WCHAR path[1024];
    int length = folder ? lstrlenW(folder) : 0;
    if (length == 0 || length + (int)(sizeof NAME / sizeof NAME[0]) > (int)(sizeof path / sizeof path[0])) {
        SetLastError(length ? ERROR_FILENAME_EXCED_RANGE : ERROR_INVALID_NAME);
        return 0;
    }
    lstrcpyW(path, folder);
    lstrcpyW(path + length, folder[length - 1] == L'\\' ? NAME + 1 : NAME);
    char *bytes;
    DWORD size;
    if (!encodePublishedPage(page, &bytes, &size))
        return 0;
    /* A reader that has the page open at that moment (a web server, a
     * synced folder's client) refuses the rename for as long as it reads;
     * that is worth a few short waits, a folder that takes no file is not. */
    int written = 0;
    DWORD reason = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 25 && !written; attempt++) {
        int temporaryWritten = 0;
        written = replaceOwnFileContents(path, bytes, size, noteTemporaryWritten, &temporaryWritten);
        reason = GetLastError();
        if (written || !temporaryWritten || (reason != ERROR_ACCESS_DENIED && reason != ERROR_SHARING_VIOLATION))
            break;
        Sleep(20);
    }
    freeBlock(bytes);
    SetLastError(reason);
    return written;
}
