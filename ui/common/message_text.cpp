#include "ui/common/message_text.h"
#include "ui/common/fallback_string.h"

enum { TEXT_CAPACITY = 1024 };

/* Appends part within capacity; a part that does not fit is cut where a
 * surrogate pair stays whole. Returns 0 once out is full. */
static int appendPart(WCHAR *out, int *used, int capacity, const WCHAR *part, int length)
{
    int room = capacity - 1 - *used;
    int taken = length < room ? length : room;
    if (taken < length && taken > 0 && part[taken - 1] >= 0xD800 && part[taken - 1] <= 0xDBFF)
        taken--;
    for (int i = 0; i < taken; i++)
        out[*used + i] = part[i];
    *used += taken;
    out[*used] = 0;
    return taken == length;
}

int formatMessageText(const WCHAR *text, const WCHAR *const *inserts, int insertCount, WCHAR *out, int capacity)
{
    if (capacity <= 0)
        return 0;
    int used = 0;
    int nextInTurn = 0;
    out[0] = 0;
    for (const WCHAR *p = text ? text : L""; *p; p++) {
        int insert = -1;
        if (*p == L'%' && p[1] >= L'1' && p[1] <= L'9')
            insert = p[1] - L'1';
        else if (*p == L'%' && (p[1] == L's' || p[1] == L'd'))
            insert = nextInTurn++;
        if (insert >= 0) {
            const WCHAR *value = insert < insertCount && inserts[insert] ? inserts[insert] : L"";
            int length = 0;
            while (value[length])
                length++;
            if (!appendPart(out, &used, capacity, value, length))
                break;
            p++;
        } else if (*p == L'%' && p[1] == L'%') {
            if (!appendPart(out, &used, capacity, p, 1))
                break;
            p++;
        } else {
            int pair = *p >= 0xD800 && *p <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF;
            if (!appendPart(out, &used, capacity, p, 1 + pair))
                break;
            p += pair;
        }
    }
    return used;
}

int loadMessageText(HMODULE module, UINT id, const WCHAR *const *inserts, int insertCount, WCHAR *out,
                    int capacity)
{
    WCHAR text[TEXT_CAPACITY];
    if (capacity > 0)
        out[0] = 0;
    if (!loadStringWithFallback(module, id, text, TEXT_CAPACITY))
        return 0;
    return formatMessageText(text, inserts, insertCount, out, capacity);
}
