#include "ui/common/string_parts.h"
#include "ui/common/fallback_string.h"

enum { WHOLE_CAPACITY = 1024 };

int loadStringPart(HMODULE module, UINT id, int index, const WCHAR *fallback, WCHAR *out, int capacity)
{
    WCHAR whole[WHOLE_CAPACITY];
    loadStringWithFallback(module, id, whole, WHOLE_CAPACITY);
    const WCHAR *part = whole;
    for (int i = 0; i < index && part; i++) {
        while (*part && *part != L'|')
            part++;
        part = *part ? part + 1 : NULL;
    }
    int length = 0;
    if (part && (*part || index == 0)) {
        while (part[length] && part[length] != L'|')
            length++;
    }
    if (!part || !whole[0]) {
        part = fallback;
        length = lstrlenW(fallback);
    }
    if (length > capacity - 1)
        length = capacity - 1;
    for (int i = 0; i < length; i++)
        out[i] = part[i];
    out[length] = 0;
    return length;
}
