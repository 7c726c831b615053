#include "model/team_list.h"
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

int nextListName(const WCHAR **cursor, WCHAR *name)
{
    const WCHAR *p = *cursor;
    while (*p) {
        const WCHAR *start = p;
        while (*p && !isLineBreak(*p) && *p != L'\t')
            p++;
        const WCHAR *end = p;
        if (*p)
            p++;
        while (start < end && *start == L' ')
            start++;
        while (end > start && end[-1] == L' ')
            end--;
        if (start == end)
            continue;
        int length = (int)(end - start);
        if (length > NAME_CAPACITY - 1) {
            length = NAME_CAPACITY - 1;
            if (isHighSurrogate(start[length - 1]))
                length--;
        }
        for (int i = 0; i < length; i++)
            name[i] = start[i];
        name[length] = 0;
        *cursor = p;
        return 1;
    }
    *cursor = p;
    return 0;
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
