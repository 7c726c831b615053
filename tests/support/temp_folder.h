// A scratch folder of its own for each test, removed with what it holds
// when the test ends; file helpers come with it.
#ifndef DUELMARK_TESTS_TEMP_FOLDER_H
#define DUELMARK_TESTS_TEMP_FOLDER_H

#include <windows.h>

#include <string>

#include "support/bracket_file_fixture.h"

struct TempFolder {
    std::wstring path;

    TempFolder() : path(makeScratchFolder()) {}
    ~TempFolder() { removeScratchFolder(path); }
    std::wstring file(const std::wstring &name) const { return path + L"\\" + name; }
};

#endif
