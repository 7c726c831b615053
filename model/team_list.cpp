#include "model/team_list.h"
#include "model/entrant_name.h"
#include "model/heap.h"
#include "model/pick_rules.h"

static int isLineBreak(WCHAR c)
{
    return c == L'\r' || c == L'\n';
}

static int isHighSurrogate(WCHAR c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

int countListLines(const WCHAR *text)
{
    int lines = 0;
    int blank = 1;
    for (;; text++) {
        if (!*text || isLineBreak(*text)) {
            if (!blank)
                lines++;
            blank = 1;
            if (!*text)
                return lines;
        } else if (*text != L' ' && *text != L'\t') {
            blank = 0;
        }
    }
}

int nextListEntry(const WCHAR **cursor, int *line, ListEntry *entry)
{
    const WCHAR *p = *cursor;
    while (*p) {
        const WCHAR *start = p;
        while (*p && !isLineBreak(*p) && *p != L'\t')
            p++;
        const WCHAR *end = p;
        int startLine = *line;
        if (isLineBreak(*p)) {
            (*line)++;
            /* CR LF is one line break, whichever call meets its halves. */
            if (p[0] == L'\r' && p[1] == L'\n')
                p++;
        }
        if (*p)
            p++;
        while (start < end && *start == L' ')
            start++;
        while (end > start && end[-1] == L' ')
            end--;
        if (start == end)
            continue;
        int length = (int)(end - start);
        entry->cut = length > NAME_CAPACITY - 1;
        if (entry->cut) {
            length = NAME_CAPACITY - 1;
            if (isHighSurrogate(start[length - 1]))
                length--;
        }
        for (int i = 0; i < length; i++)
            entry->name[i] = start[i];
        entry->name[length] = 0;
        entry->line = startLine;
        *cursor = p;
        return 1;
    }
    *cursor = p;
    return 0;
}

int nextListName(const WCHAR **cursor, WCHAR *name)
{
    ListEntry entry;
    int line = 1;
    if (!nextListEntry(cursor, &line, &entry))
        return 0;
    lstrcpyW(name, entry.name);
    return 1;
}

/* The lines, in order, whose name is name as entrants are told apart; at
 * most capacity of them go into lines. Returns how many there are. */
static int linesGiving(const WCHAR *text, const WCHAR *name, int *lines, int capacity)
{
    ListEntry entry;
    int line = 1;
    int count = 0;
    while (nextListEntry(&text, &line, &entry)) {
        if (!sameEntrantName(entry.name, name))
            continue;
        if (count < capacity)
            lines[count] = entry.line;
        count++;
    }
    return count;
}

/* Each name is compared with the ones before it by reading the list
 * again: a list holds at most a few hundred names by then, and nothing
 * needs to be allocated. */
int findRepeatedListName(const WCHAR *text, WCHAR *name, int *lines, int capacity)
{
    const WCHAR *later = text;
    int laterLine = 1;
    ListEntry candidate;
    for (int index = 0; nextListEntry(&later, &laterLine, &candidate); index++) {
        const WCHAR *earlier = text;
        int earlierLine = 1;
        ListEntry before;
        for (int i = 0; i < index && nextListEntry(&earlier, &earlierLine, &before); i++) {
            if (sameEntrantName(before.name, candidate.name)) {
                lstrcpyW(name, candidate.name);
                return linesGiving(text, candidate.name, lines, capacity);
            }
        }
    }
    name[0] = 0;
    return 0;
}

int findCutListLines(const WCHAR *text, int *lines, int capacity)
{
    ListEntry entry;
    int line = 1;
    int count = 0;
    int lastCut = 0;
    while (nextListEntry(&text, &line, &entry)) {
        /* Cells of one line share it: it is named once. */
        if (!entry.cut || entry.line == lastCut)
            continue;
        lastCut = entry.line;
        if (count < capacity)
            lines[count] = entry.line;
        count++;
    }
    return count;
}

/* A base name as sameEntrantName reads it: without its outer spaces. */
struct TrimmedName {
    const WCHAR *start;
    int length;
    const WCHAR *name;
    int order; /* the slot's place, left to right */
};

static TrimmedName trimmed(const WCHAR *name, int order)
{
    TrimmedName entry = {name, 0, name, order};
    while (*entry.start == L' ')
        entry.start++;
    entry.length = lstrlenW(entry.start);
    while (entry.length > 0 && entry.start[entry.length - 1] == L' ')
        entry.length--;
    return entry;
}

/* sameEntrantName's own comparison, as an order. */
static int entrantOrder(const TrimmedName *a, const TrimmedName *b)
{
    return CompareStringOrdinal(a->start, a->length, b->start, b->length, TRUE) - CSTR_EQUAL;
}

/* Sorts names[0..count) by entrantOrder, keeping the slots' order among
 * names that read as one; spare holds count more. */
static void sortNames(TrimmedName *names, TrimmedName *spare, int count)
{
    for (int width = 1; width < count; width *= 2) {
        for (int low = 0; low < count; low += 2 * width) {
            int middle = low + width < count ? low + width : count;
            int high = low + 2 * width < count ? low + 2 * width : count;
            int left = low, right = middle, out = low;
            while (left < middle && right < high)
                spare[out++] = entrantOrder(&names[right], &names[left]) < 0 ? names[right++] : names[left++];
            while (left < middle)
                spare[out++] = names[left++];
            while (right < high)
                spare[out++] = names[right++];
        }
        for (int i = 0; i < count; i++)
            names[i] = spare[i];
    }
}

/* Every pair compared: the way when no memory can be had for the sort. */
static const WCHAR *repeatedBaseNameByPairs(Bracket *bracket)
{
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (!node->name[0])
            continue;
        for (BracketNode *other = nextInLevel(node); other; other = nextInLevel(other)) {
            if (sameEntrantName(node->name, other->name))
                return node->name;
        }
    }
    return NULL;
}

/* Comparing every pair of a 256-slot bracket's names took a tenth of its
 * save; sorted, names that read as one stand together. The name told is
 * the first slot's, in the slots' order, that another slot shares. */
const WCHAR *repeatedBaseName(Bracket *bracket)
{
    if (!bracket->slotCount || bracket->depth == 0)
        return NULL;
    TrimmedName *names = (TrimmedName *)allocBlock(2 * sizeof(TrimmedName) * (SIZE_T)bracket->slotCount);
    if (!names)
        return repeatedBaseNameByPairs(bracket);
    int count = 0, place = 0;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node && count < bracket->slotCount;
         node = nextInLevel(node)) {
        TrimmedName entry = trimmed(node->name, place++);
        if (entry.length)
            names[count++] = entry;
    }
    sortNames(names, names + bracket->slotCount, count);
    const TrimmedName *found = NULL;
    for (int i = 0; i + 1 < count; i++) {
        /* The first of a run of one name is its earliest slot. */
        if (entrantOrder(&names[i], &names[i + 1]) == 0 && (!found || names[i].order < found->order))
            found = &names[i];
        while (i + 1 < count && entrantOrder(&names[i], &names[i + 1]) == 0)
            i++;
    }
    const WCHAR *name = found ? found->name : NULL;
    freeBlock(names);
    return name;
}

BracketNode *baseNameTwin(Bracket *bracket, const BracketNode *node)
{
    if (!bracket->slotCount || bracket->depth == 0 || node->left)
        return NULL;
    for (BracketNode *other = leftmostAtLevel(bracket, bracket->depth); other; other = nextInLevel(other)) {
        if (other != node && sameEntrantName(other->name, node->name))
            return other;
    }
    return NULL;
}

int fillBaseSlotsFromList(Bracket *bracket, BracketNode *first, const WCHAR *text)
{
    if (!bracket->slotCount || !first)
        return 0;
    int filled = 0;
    WCHAR name[NAME_CAPACITY];
    for (BracketNode *node = first; node; node = nextInLevel(node)) {
        /* A bye is no place for a name: the list goes on in the next slot. */
        if (node->bye)
            continue;
        if (!nextListName(&text, name))
            break;
        applySlotText(bracket, node, name);
        filled++;
    }
    return filled;
}
