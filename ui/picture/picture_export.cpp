#include "ui/picture/picture_export.h"
#include <commdlg.h>

#include "file/picture_file.h"
#include "file/svg_picture.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/picture/bracket_picture.h"
#include "ui/common/picture_failure.h"

enum { FILTER_CAPACITY = 320, TYPE_NAME_CAPACITY = 128 };

/* Appends "<type name>\0<pattern>\0" to the filter at *length; the type
 * name is a resource, the pattern is not. */
static void addFilterType(HMODULE module, UINT nameId, const WCHAR *fallback, const WCHAR *pattern, WCHAR *filter,
                          int *length)
{
    WCHAR *name = filter + *length;
    int written = loadStringWithFallback(module, nameId, name, TYPE_NAME_CAPACITY);
    if (!written)
        written = lstrlenW(lstrcpyW(name, fallback));
    *length += written + 1;
    lstrcpyW(filter + *length, pattern);
    *length += lstrlenW(pattern) + 1;
    filter[*length] = 0;
}

/* Returns 1 with the chosen path and the type chosen in the dialog. */
static int askPicturePath(HWND window, Bracket *bracket, WCHAR *path, int *chosenType)
{
    WCHAR filter[FILTER_CAPACITY];
    int length = 0;
    addFilterType(bracket->resourceModule, IDS_PICTURE_FILE_TYPE, L"PNG", L"*.png", filter, &length);
    addFilterType(bracket->resourceModule, IDS_SVG_FILE_TYPE, L"SVG", L"*.svg", filter, &length);
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, path, SAVE_DIALOG_FLAGS);
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = PICTURE_PNG;
    dialog.lpstrDefExt = L"png";
    if (!showSaveFileDialog(&dialog, bracket->resourceModule))
        return 0;
    *chosenType = dialog.nFilterIndex == PICTURE_SVG ? PICTURE_SVG : PICTURE_PNG;
    return 1;
}

/* What the user typed wins over the type list, as in any Windows program:
 * "chart.svg" is an SVG file whichever type was selected. */
int pictureFormatOf(const WCHAR *path, int chosenType)
{
    int length = lstrlenW(path);
    if (length >= 4) {
        const WCHAR *extension = path + length - 4;
        if (lstrcmpiW(extension, L".svg") == 0)
            return PICTURE_SVG;
        if (lstrcmpiW(extension, L".png") == 0)
            return PICTURE_PNG;
    }
    return chosenType;
}

static int writePicture(Bracket *bracket, const WCHAR *path, int format)
{
    if (format == PICTURE_SVG) {
        PictureDescription picture;
        int written = describeBracketPicture(bracket, &picture) && writeSvgPictureFile(path, &picture);
        DWORD reason = GetLastError();
        freePictureDescription(&picture);
        SetLastError(reason);
        return written;
    }
    PictureCanvas canvas;
    if (!renderBracketPicture(bracket, &canvas))
        return 0;
    int written = writePictureFile(path, &canvas.raster);
    DWORD reason = GetLastError();
    releasePictureCanvas(&canvas);
    SetLastError(reason);
    return written;
}

static int exportPictureAs(HWND window, Bracket *bracket, const WCHAR *path, int format)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    if (writePicture(bracket, path, format))
        return 1;
    showPictureFailure(window, bracket, IDS_EXPORT_FAILED, path, GetLastError());
    return 0;
}

void exportPicture(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    WCHAR path[PATH_CAPACITY];
    int chosenType;
    if (askPicturePath(window, bracket, path, &chosenType))
        exportPictureAs(window, bracket, path, pictureFormatOf(path, chosenType));
}

int exportPictureTo(HWND window, Bracket *bracket, const WCHAR *path)
{
    return exportPictureAs(window, bracket, path, pictureFormatOf(path, PICTURE_PNG));
}
