#include "support/build_paths.h"

std::wstring dosPathOf(const char *unixPath)
{
    std::wstring path = L"Z:";
    for (const char *c = unixPath; *c; c++)
        path += *c == '/' ? L'\\' : (wchar_t)(unsigned char)*c;
    return path;
}
