#include "ui/system_error_text.h"

int systemErrorText(DWORD error, WCHAR *text, int capacity)
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, text,
                                  (DWORD)capacity, NULL);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        text[--length] = 0;
    if (!length)
        text[0] = 0;
    return (int)length;
}
