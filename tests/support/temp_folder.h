// A scratch folder of its own for each test, removed with what it holds.
#ifndef DUELMARK_TESTS_TEMP_FOLDER_H
#define DUELMARK_TESTS_TEMP_FOLDER_H

#include <windows.h>

#include <string>

struct TempFolder {
    std::wstring path;  // ends with a backslash

    TempFolder();
    ~TempFolder();
    std::wstring file(const std::wstring &name) const { return path + name; }
};

bool fileExists(const std::wstring &path);
// The file's bytes as text (UTF-8 files come back as they are).
std::string readFileBytes(const std::wstring &path);
void writeFileBytes(const std::wstring &path, const std::string &bytes);

#endif
