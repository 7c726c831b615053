#include "ui/document/document_path.h"
#include "ui/common/document_state.h"

int makeFullPath(const WCHAR *name, WCHAR *path)
{
    DWORD length = 0;
    if (name && name[0])
        length = GetFullPathNameW(name, PATH_CAPACITY, path, NULL);
    else
        SetLastError(ERROR_INVALID_NAME);
    if (length > 0 && length < PATH_CAPACITY)
        return 1;
    /* Past the capacity the platform reports the size it needs and no
     * error; a cut name would be some other file. */
    if (length >= PATH_CAPACITY)
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
    path[0] = 0;
    return 0;
}
