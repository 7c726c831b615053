/* Finds the module that supplies dialogs, menu and strings. */
#include "app/resource_module.h"

/* The satellite once loaded. A module loaded as a data file is unknown to
 * GetModuleHandleW, so without this every call would map the file again
 * and leak the mapping. */
static HMODULE loadedSatellite;

/* Returns the satellite "<exe path>.mui" loaded as a data file when it
 * exists and loads, else the executable's own module. */
HMODULE findResourceModule(void)
{
    if (loadedSatellite)
        return loadedSatellite;
    WCHAR path[268];
    DWORD length = GetModuleFileNameW(NULL, path, 260);
    /* A truncated path would name some other file. */
    if (length == 0 || length >= 260)
        return GetModuleHandleW(NULL);
    lstrcatW(path, L".mui");
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
        loadedSatellite = LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
    return loadedSatellite ? loadedSatellite : GetModuleHandleW(NULL);
}
