#include "ui/publish/live_page_content.h"

#include "file/published_page.h"
#include "file/utf8_text.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/schedule/order_of_play.h"
#include "ui/publish/live_page_groups.h"
#include "ui/picture/picture_layout.h"

enum { ORDER_COLUMNS = 5, HEADING_CAPACITY = 128 };

/* The order of play's five cells a line, pointing into fields. */
struct OrderTable {
    WCHAR headingText[HEADING_CAPACITY];
    const WCHAR *headings[ORDER_COLUMNS];
    OrderFields fields[ORDER_CAPACITY];
    const WCHAR *cells[ORDER_CAPACITY * ORDER_COLUMNS];
};

/* The clipboard's header line is the one place the columns are worded:
 * its tab-separated words head the page's table too. */
static void splitHeadings(OrderTable *table)
{
    WCHAR *at = table->headingText;
    for (int column = 0; column < ORDER_COLUMNS; column++) {
        table->headings[column] = at;
        while (*at && *at != L'\t')
            at++;
        if (*at)
            *at++ = 0;
    }
}

static int fillOrderTable(Bracket *bracket, OrderTable *table)
{
    loadStringWithFallback(bracket->resourceModule, IDS_ORDER_HEADER, table->headingText, HEADING_CAPACITY);
    splitHeadings(table);
    OrderEntry entries[ORDER_CAPACITY];
    int count = collectOrderOfPlay(bracket, entries);
    for (int i = 0; i < count; i++) {
        OrderFields *fields = &table->fields[i];
        orderFieldsOf(bracket, &entries[i], ORDER_TIMES_SHOWN, fields);
        const WCHAR **row = &table->cells[i * ORDER_COLUMNS];
        row[0] = fields->time;
        row[1] = fields->court;
        row[2] = fields->round;
        row[3] = fields->first;
        row[4] = fields->second;
    }
    return count;
}

/* "Updated <date> <time>" in the user's formats, so a spectator sees how
 * fresh the page is. */
static void writtenAtText(Bracket *bracket, WCHAR *text, int capacity)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    WCHAR stamp[96];
    int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, NULL, stamp, 64, NULL);
    if (length > 0) {
        stamp[length - 1] = L' ';
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, NULL, stamp + length, 96 - length);
    } else {
        stamp[0] = 0;
    }
    const WCHAR *inserts[] = {stamp};
    if (!loadMessageText(bracket->resourceModule, IDS_PUBLISH_WRITTEN_AT, inserts, 1, text, capacity))
        lstrcpynW(text, stamp, capacity);
}

/* What a page is made in: kept from one write to the next while the page
 * is published (one every few seconds), since half a megabyte of fresh
 * memory for each costs more than the encoding that fills it, and most of
 * the picture is as the last page had it. */
struct PageScratch {
    OrderTable *order;
    GroupTables *groups;
    PageMemory memory;
    LayoutMemory layout;
};

static PageScratch scratch;

void releaseLivePageScratch(void)
{
    freeBlock(scratch.order);
    freeBlock(scratch.groups);
    freePageMemory(&scratch.memory);
    forgetLayoutMemory(&scratch.layout);
    scratch = {};
}

int writeLivePage(Bracket *bracket, const WCHAR *folder)
{
    /* Some 40 KiB of texts for the largest bracket, more for the groups:
     * the heap, not the stack. */
    if (!scratch.order)
        scratch.order = (OrderTable *)allocBlock(sizeof(OrderTable));
    if (bracket->groups.on && !scratch.groups)
        scratch.groups = (GroupTables *)allocBlock(sizeof(GroupTables));
    PictureDescription *picture = nextPagePicture(&scratch.memory);
    int ready = scratch.order && (!bracket->groups.on || scratch.groups);
    int described = ready && describeBracketPictureFollowing(bracket, picture, &scratch.layout);
    if (!ready || (!described && picture->size.cx)) {
        releaseLivePageScratch();
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    OrderTable *order = scratch.order;
    GroupTables *groups = bracket->groups.on ? scratch.groups : NULL;
    WCHAR appTitle[128], caption[HEADING_CAPACITY], writtenAt[192];
    loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, appTitle, 128);
    loadStringWithFallback(bracket->resourceModule, IDS_PUBLISH_ORDER_CAPTION, caption, HEADING_CAPACITY);
    writtenAtText(bracket, writtenAt, 192);
    PublishedPage page = {};
    page.title = bracket->title[0] ? bracket->title : appTitle;
    page.picture = described ? picture : NULL;
    int rows = bracket->slotCount ? fillOrderTable(bracket, order) : 0;
    page.orderOfPlay = {caption, order->headings, ORDER_COLUMNS, order->cells, rows};
    page.standings = groups ? groups->tables : NULL;
    page.standingsCount = groups ? fillGroupTables(bracket, groups) : 0;
    page.writtenAt = writtenAt;
    return writePublishedPageFrom(folder, &page, &scratch.memory);
}
