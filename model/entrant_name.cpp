#include "model/entrant_name.h"

int sameName(const WCHAR *a, const WCHAR *b)
{
    return CompareStringOrdinal(a, -1, b, -1, FALSE) == CSTR_EQUAL;
}

/* The name without its outer spaces: its first unit and its length. */
static int trimmedName(const WCHAR *name, const WCHAR **start)
{
    while (*name == L' ')
        name++;
    int length = lstrlenW(name);
    while (length > 0 && name[length - 1] == L' ')
        length--;
    *start = name;
    return length;
}

int sameEntrantName(const WCHAR *a, const WCHAR *b)
{
    const WCHAR *first, *second;
    int firstLength = trimmedName(a, &first);
    int secondLength = trimmedName(b, &second);
    if (!firstLength || !secondLength)
        return 0;
    return CompareStringOrdinal(first, firstLength, second, secondLength, TRUE) == CSTR_EQUAL;
}
