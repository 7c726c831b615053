#include "app/command_line.h"

/* Tokens are split the simple way: a double quote runs to the next double
 * quote, anything else to the next space. Tabs are not separators, and
 * backslashes have no special meaning, so a path such as "C:\dir\" keeps
 * its trailing backslash. */
int findFirstArgument(const WCHAR *commandLine, const WCHAR **start, int *length)
{
    const WCHAR *p = commandLine;
    for (int index = 0; index <= 1; index++) {
        WCHAR first = *p;
        if (!first)
            return 0;
        WCHAR ending = first == L'"' ? L'"' : L' ';
        const WCHAR *end = CharNextW(p);
        while (*end && *end != ending)
            end = CharNextW(end);
        if (index == 1) {
            *start = first == L'"' ? p + 1 : p;
            *length = (int)(end - *start);
            return 1;
        }
        if (*end) {
            if (first == L'"')
                end++;
            while (*end == L' ')
                end++;
        }
        p = end;
    }
    return 0;
}

int firstArgumentOf(const WCHAR *commandLine, WCHAR *out)
{
    const WCHAR *start = NULL;
    int length = 0;
    out[0] = 0;
    if (!findFirstArgument(commandLine, &start, &length) || length >= MAX_PATH)
        return 0;
    return lstrcpynW(out, start, length + 1) != NULL;
}
