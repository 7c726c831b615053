#include "file/published_page.h"
#include "file/safe_replace.h"
#include "file/svg_picture.h"
#include "file/utf8_text.h"
#include "model/heap.h"

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
static void appendEscaped(Utf8Text *page, const WCHAR *text)
{
    if (!text)
        return;
    while (*text) {
        /* Most texts are plain ASCII: a run of it goes in as one copy. */
        char run[64];
        DWORD count = 0;
        while (count < sizeof run && *text >= 0x20 && *text < 0x7F && *text != '&' && *text != '<' &&
               *text != '>' && *text != '"' && *text != '\'')
            run[count++] = (char)*text++;
        if (count) {
            appendBytes(page, run, count);
            continue;
        }
        unsigned int point = nextCodePoint(&text);
        switch (point) {
        case '&': appendLiteral(page, "&amp;"); continue;
        case '<': appendLiteral(page, "&lt;"); continue;
        case '>': appendLiteral(page, "&gt;"); continue;
        case '"': appendLiteral(page, "&quot;"); continue;
        case '\'': appendLiteral(page, "&#39;"); continue;
        }
        appendCodePoint(page, point);
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

static void appendPicture(Utf8Text *page, const PictureDescription *picture, const SvgEarlier *earlier,
                          SvgItemSpans *spans)
{
    if (!picture || picture->size.cx <= 0 || picture->size.cy <= 0) {
        if (spans)
            spans->count = -1;
        return;
    }
    /* Scaled down to a narrow screen only as far as names stay about 12
     * pixels tall; below that the picture scrolls sideways instead. */
    int nameHeight = picture->fonts[PICTURE_FONT_NAME].height;
    int narrowest = nameHeight > 12 ? MulDiv(picture->size.cx, 12, nameHeight) : picture->size.cx;
    appendLiteral(page, "<div class=\"picture\"><div style=\"min-width:");
    appendNumber(page, narrowest);
    appendLiteral(page, "px;max-width:");
    appendNumber(page, picture->size.cx);
    appendLiteral(page, "px\">\n");
    /* The picture's element alone: inside a page the SVG file's XML
     * declaration would be stray markup. */
    if (spans)
        appendSvgElementAgain(page, picture, earlier, spans);
    else
        appendSvgElement(page, picture);
    appendLiteral(page, "</div></div>\n");
}

static void appendTable(Utf8Text *page, const PublishedTable *table, const char *level)
{
    if (table->caption && *table->caption) {
        appendLiteral(page, "<h");
        appendBytes(page, level, 1);
        appendLiteral(page, ">");
        appendEscaped(page, table->caption);
        appendLiteral(page, "</h");
        appendBytes(page, level, 1);
        appendLiteral(page, ">\n");
    }
    appendLiteral(page, "<div class=\"table\"><table>\n<thead><tr>");
    for (int column = 0; column < table->columns; column++) {
        appendLiteral(page, "<th scope=\"col\">");
        appendEscaped(page, table->headings ? table->headings[column] : NULL);
        appendLiteral(page, "</th>");
    }
    appendLiteral(page, "</tr></thead>\n<tbody>\n");
    for (int row = 0; row < table->rows; row++) {
        appendLiteral(page, "<tr>");
        for (int column = 0; column < table->columns; column++) {
            appendLiteral(page, "<td>");
            appendEscaped(page, table->cells[row * table->columns + column]);
            appendLiteral(page, "</td>");
        }
        appendLiteral(page, "</tr>\n");
    }
    appendLiteral(page, "</tbody></table></div>\n");
}

static void appendPage(Utf8Text *text, const PublishedPage *page, const SvgEarlier *earlier = NULL,
                       SvgItemSpans *spans = NULL)
{
    appendLiteral(text, "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                  "<meta http-equiv=\"refresh\" content=\"30\">\n<title>");
    appendEscaped(text, page->title);
    appendLiteral(text, "</title>\n<style>\n");
    appendLiteral(text, PAGE_STYLE);
    appendLiteral(text, "</style>\n</head>\n<body>\n<h1>");
    appendEscaped(text, page->title);
    appendLiteral(text, "</h1>\n");
    appendPicture(text, page->picture, earlier, spans);
    if (page->orderOfPlay.rows > 0)
        appendTable(text, &page->orderOfPlay, "2");
    if (page->standingsCount > 0) {
        appendLiteral(text, "<div class=\"groups\">\n");
        for (int i = 0; i < page->standingsCount; i++) {
            appendLiteral(text, "<section>\n");
            appendTable(text, &page->standings[i], "2");
            appendLiteral(text, "</section>\n");
        }
        appendLiteral(text, "</div>\n");
    }
    appendLiteral(text, "<p class=\"written\">");
    appendEscaped(text, page->writtenAt);
    appendLiteral(text, "</p>\n</body>\n</html>\n");
}

/* Encodes the whole page; the caller frees the block with freeBlock. */
int encodePublishedPage(const PublishedPage *page, char **bytes, DWORD *size)
{
    Utf8Text text = {NULL, 0, 0, 0};
    appendPage(&text, page);
    return takeUtf8Text(&text, bytes, size);
}

/* Tells a rename refused after the whole temporary file was written. */
static int noteTemporaryWritten(const WCHAR *, void *context)
{
    *(int *)context = 1;
    return 1;
}

int writePublishedPage(const WCHAR *folder, const PublishedPage *page)
{
    PageMemory memory = {};
    int written = writePublishedPageFrom(folder, page, &memory);
    DWORD reason = GetLastError();
    freePageMemory(&memory);
    SetLastError(reason);
    return written;
}

/* The pair the next page is made in: the one the last page is not in,
 * while that can be compared with. */
static int nextPair(const PageMemory *memory)
{
    return memory->remembered ? 1 - memory->last : 0;
}

PictureDescription *nextPagePicture(PageMemory *memory)
{
    return &memory->pictures[nextPair(memory)];
}

void freePageMemory(PageMemory *memory)
{
    for (int i = 0; i < 2; i++) {
        freePictureDescription(&memory->pictures[i]);
        freeBlock(memory->texts[i].bytes);
        freeSvgItemSpans(&memory->spans[i]);
    }
    *memory = {};
}

/* The new page is made in the text the last page is not in, copying from
 * it every picture item that did not change. */
static Utf8Text *encodeAgain(const PublishedPage *page, PageMemory *memory)
{
    int next = nextPair(memory);
    Utf8Text *text = &memory->texts[next];
    SvgEarlier earlier = {};
    if (memory->remembered && page->picture != &memory->pictures[memory->last]) {
        earlier.picture = &memory->pictures[memory->last];
        earlier.text = memory->texts[memory->last].bytes;
        earlier.spans = &memory->spans[memory->last];
    }
    text->length = 0;
    appendPage(text, page, &earlier, &memory->spans[next]);
    /* Only a page made from the memory's own picture can be compared with
     * later; a block that failed to grow is given up, so the next page
     * starts afresh. */
    memory->last = next;
    memory->remembered = page->picture == &memory->pictures[next] && !text->failed;
    if (text->failed) {
        freeBlock(text->bytes);
        *text = {NULL, 0, 0, 0};
        return NULL;
    }
    return text;
}

/* The page goes in as folder\index.html by one rename over the old one:
 * the folder is the program's own for this purpose, so there is nothing of
 * the old file to keep, and a browser reloading meanwhile never finds the
 * name missing. */
int writePublishedPageFrom(const WCHAR *folder, const PublishedPage *page, PageMemory *memory)
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
    Utf8Text *scratch = encodeAgain(page, memory);
    if (!scratch) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    /* A reader that has the page open at that moment (a web server, a
     * synced folder's client) refuses the rename for as long as it reads;
     * that is worth a few short waits, a folder that takes no file is not. */
    int written = 0;
    DWORD reason = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 25 && !written; attempt++) {
        int temporaryWritten = 0;
        written = replaceOwnFileContents(path, scratch->bytes, scratch->length, noteTemporaryWritten, &temporaryWritten);
        reason = GetLastError();
        if (written || !temporaryWritten || (reason != ERROR_ACCESS_DENIED && reason != ERROR_SHARING_VIOLATION))
            break;
        Sleep(20);
    }
    SetLastError(reason);
    return written;
}
