/* Finds the module that supplies dialogs, menu and strings. */
#include "app/resource_module.h"

/* The satellite once loaded. A module loaded as a data file is unknown to
 * GetModuleHandleW, so without this every call would map the file again
 * and leak the mapping. */
static HMODULE loadedSatellite;

static int isFile(const WCHAR *path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

/* The built-in texts are Chinese, so any Chinese display language ("zh",
 * "zh-TW", "zh-Hant-HK", ...) is served by them. */
static int isChinese(const WCHAR *tag)
{
    return (tag[0] == L'z' || tag[0] == L'Z') && (tag[1] == L'h' || tag[1] == L'H') &&
           (tag[2] == 0 || tag[2] == L'-');
}

/* Writes <folder>lang\<first tagLength units of tag>\<fileName>.mui into
 * satellite and returns 1 when that file exists. */
static int trySatellite(const WCHAR *folder, int folderLength, const WCHAR *tag, int tagLength,
                        const WCHAR *fileName, WCHAR *satellite)
{
    if (tagLength <= 0 || folderLength + 6 + tagLength + 1 + lstrlenW(fileName) + 4 >= SATELLITE_PATH_CAPACITY)
        return 0;
    lstrcpynW(satellite, folder, folderLength + 1);
    lstrcatW(satellite, L"lang\\");
    lstrcpynW(satellite + lstrlenW(satellite), tag, tagLength + 1);
    lstrcatW(satellite, L"\\");
    lstrcatW(satellite, fileName);
    lstrcatW(satellite, L".mui");
    return isFile(satellite);
}

int findLanguageSatellite(const WCHAR *programPath, const WCHAR *languages, WCHAR *satellite)
{
    /* The folder keeps its closing backslash; the satellite carries the
     * program's own file name, so a renamed copy finds its own texts. */
    const WCHAR *fileName = programPath;
    for (const WCHAR *at = programPath; *at; at++)
        if (*at == L'\\' || *at == L'/')
            fileName = at + 1;
    int folderLength = (int)(fileName - programPath);
    if (*fileName == 0)
        return 0;
    for (const WCHAR *tag = languages; tag && *tag; tag += lstrlenW(tag) + 1) {
        if (isChinese(tag))
            return 0;
        int tagLength = lstrlenW(tag);
        int languageLength = 0;
        while (languageLength < tagLength && tag[languageLength] != L'-')
            languageLength++;
        if (trySatellite(programPath, folderLength, tag, tagLength, fileName, satellite))
            return 1;
        if (languageLength < tagLength &&
            trySatellite(programPath, folderLength, tag, languageLength, fileName, satellite))
            return 1;
    }
    /* A language we have no texts for: English is read more widely than
     * Chinese, and needs no font a system may lack. */
    if (trySatellite(programPath, folderLength, L"en", 2, fileName, satellite))
        return 1;
    satellite[0] = 0;
    return 0;
}

/* The user's display languages in order of preference, as a list of tags;
 * an empty list when the platform cannot tell. */
static void preferredLanguages(WCHAR *languages, ULONG capacity)
{
    ULONG count = 0;
    ULONG size = capacity;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, languages, &size)) {
        languages[0] = 0;
        languages[1] = 0;
    }
}

static HMODULE loadSatellite(const WCHAR *path)
{
    return isFile(path) ? LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE) : NULL;
}

HMODULE findResourceModule(void)
{
    if (loadedSatellite)
        return loadedSatellite;
    WCHAR path[268];
    DWORD length = GetModuleFileNameW(NULL, path, 260);
    /* A truncated path would name some other file. */
    if (length == 0 || length >= 260)
        return GetModuleHandleW(NULL);
    WCHAR beside[268];
    lstrcpyW(beside, path);
    lstrcatW(beside, L".mui");
    /* A satellite placed beside the program by hand is the user's explicit
     * choice and beats the display language. */
    loadedSatellite = loadSatellite(beside);
    if (!loadedSatellite) {
        WCHAR languages[512];
        WCHAR satellite[SATELLITE_PATH_CAPACITY];
        preferredLanguages(languages, 512);
        if (findLanguageSatellite(path, languages, satellite))
            loadedSatellite = loadSatellite(satellite);
    }
    return loadedSatellite ? loadedSatellite : GetModuleHandleW(NULL);
}
