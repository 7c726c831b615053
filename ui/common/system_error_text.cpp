#include "ui/common/system_error_text.h"
#include "res/resource.h"
#include "ui/common/message_text.h"

int systemErrorText(HMODULE module, DWORD error, WCHAR *text, int capacity)
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, text,
                                  (DWORD)capacity, NULL);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        text[--length] = 0;
    if (length)
        return (int)length;
    WCHAR number[16];
    if (error & 0x80000000u)
        wsprintfW(number, L"0x%08X", error);
    else
        wsprintfW(number, L"%lu", (unsigned long)error);
    const WCHAR *inserts[] = {number};
    if (!loadMessageText(module, IDS_SAVE_ERROR_CODE, inserts, 1, text, capacity))
        lstrcpynW(text, number, capacity);
    return lstrlenW(text);
}
