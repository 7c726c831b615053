#include "ui/common/choice_list.h"
#include "model/bracket.h"
#include "model/entrant_name.h"

LRESULT findChoice(HWND combo, const WCHAR *name)
{
    if (!name[0])
        return CB_ERR;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        WCHAR item[NAME_CAPACITY];
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)i, 0);
        if (length < 0 || length >= NAME_CAPACITY)
            continue;
        item[0] = 0;
        SendMessageW(combo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)item);
        if (sameName(item, name))
            return i;
    }
    return SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
}
