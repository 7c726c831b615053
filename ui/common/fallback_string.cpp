#include "ui/common/fallback_string.h"

int loadStringWithFallback(HMODULE module, UINT id, WCHAR *buffer, int capacity)
{
    buffer[0] = 0;
    int length = module ? LoadStringW(module, id, buffer, capacity) : 0;
    if (length <= 0)
        length = LoadStringW(GetModuleHandleW(NULL), id, buffer, capacity);
    if (length <= 0) {
        buffer[0] = 0;
        return 0;
    }
    return length;
}
