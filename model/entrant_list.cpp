#include "model/entrant_list.h"
#include "model/heap.h"

static int textLength(const WCHAR *text)
{
    int length = 0;
    while (text[length])
        length++;
    return length;
}

/* Case is folded for the basic Latin letters only: club names beyond them
 * are compared unit by unit, which never depends on the user's locale. */
static WCHAR foldedUnit(WCHAR unit)
{
    return unit >= L'A' && unit <= L'Z' ? (WCHAR)(unit - L'A' + L'a') : unit;
}

int sameClub(const WCHAR *a, const WCHAR *b)
{
    if (!a[0] || !b[0])
        return 0;
    for (; *a && foldedUnit(*a) == foldedUnit(*b); a++, b++) {
    }
    return foldedUnit(*a) == foldedUnit(*b);
}

int findEntrant(const EntrantList *list, const WCHAR *name)
{
    for (int i = 0; i < list->count; i++) {
        if (sameEntrantName(list->items[i].name, name))
            return i;
    }
    return -1;
}

int addEntrant(EntrantList *list, const Entrant *entrant)
{
    if (!entrant->name[0] || findEntrant(list, entrant->name) >= 0 || list->count >= MAX_ENTRANT_LIST_COUNT)
        return 0;
    if (list->count == list->capacity) {
        int capacity = list->capacity ? list->capacity * 2 : 32;
        if (capacity > MAX_ENTRANT_LIST_COUNT)
            capacity = MAX_ENTRANT_LIST_COUNT;
        Entrant *items = (Entrant *)allocBlock(sizeof(Entrant) * (SIZE_T)capacity);
        if (!items)
            return 0;
        for (int i = 0; i < list->count; i++)
            items[i] = list->items[i];
        freeBlock(list->items);
        list->items = items;
        list->capacity = capacity;
    }
    list->items[list->count++] = *entrant;
    return 1;
}

int removeEntrant(EntrantList *list, int index)
{
    if (index < 0 || index >= list->count)
        return 0;
    for (int i = index; i + 1 < list->count; i++)
        list->items[i] = list->items[i + 1];
    list->count--;
    return 1;
}

void freeEntrantList(EntrantList *list)
{
    freeBlock(list->items);
    list->items = NULL;
    list->count = 0;
    list->capacity = 0;
}

int copyFittingText(WCHAR *buffer, int capacity, const WCHAR *text, int length)
{
    if (length < 0)
        length = textLength(text);
    int kept = length < capacity - 1 ? length : capacity - 1;
    /* A high surrogate left without its low half would be no character. */
    if (kept < length && kept > 0 && text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF)
        kept--;
    for (int i = 0; i < kept; i++)
        buffer[i] = text[i];
    buffer[kept] = 0;
    return kept == length;
}
