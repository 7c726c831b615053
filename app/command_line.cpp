#include "app/command_line.h"

/* Tokens are split the simple way: a double quote runs to the next double
 * quote, anything else to the next space. Tabs are not separators, and
 * backslashes have no special meaning, so a path such as "C:\dir\" keeps
 * its trailing backslash. */
int firstArgumentOf(const WCHAR *commandLine, WCHAR *out)
{
    const WCHAR *p = commandLine;
    out[0] = 0;
    for (int index = 0; index <= 1; index++) {
        WCHAR first = *p;
        if (!first)
            return 0;
        WCHAR ending = first == L'"' ? L'"' : L' ';
        const WCHAR *end = CharNextW(p);
        while (*end && *end != ending)
            end = CharNextW(end);
        if (index == 1) {
            const WCHAR *start = first == L'"' ? p + 1 : p;
            int count = (int)(end - start) + 1;
            if (count > MAX_PATH)
                count = MAX_PATH;
            return lstrcpynW(out, start, count) != NULL;
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

int getFirstArgument(WCHAR *out)
{
    return firstArgumentOf(GetCommandLineW(), out);
}
