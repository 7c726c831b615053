#include "ui/picture/picture_export.h"
#include <commdlg.h>

#include "file/picture_file.h"
#include "res/resource.h"
#include "ui/picture/bracket_picture.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/common/document_state.h"
#include "ui/common/fallback_string.h"
#include "ui/picture/picture_failure.h"

/* The filter is "<type name>\0*.png\0\0"; the type name is a resource, the
 * pattern is not. Returns 1 with the chosen path. */
static int askPicturePath(HWND window, Bracket *bracket, WCHAR *path)
{
    WCHAR filter[160];
    int length = loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_FILE_TYPE, filter, 128);
    if (!length)
        length = lstrlenW(lstrcpyW(filter, L"PNG"));
    lstrcpyW(filter + length + 1, L"*.png");
    filter[length + 1 + 5 + 1] = 0;
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, path, SAVE_DIALOG_FLAGS);
    dialog.lpstrFilter = filter;
    dialog.lpstrDefExt = L"png";
    return showSaveFileDialog(&dialog) != 0;
}

void exportPicture(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    WCHAR path[PATH_CAPACITY];
    if (askPicturePath(window, bracket, path))
        exportPictureTo(window, bracket, path);
}

int exportPictureTo(HWND window, Bracket *bracket, const WCHAR *path)
{
    PictureCanvas canvas;
    int written = 0;
    DWORD reason = ERROR_NOT_ENOUGH_MEMORY;
    if (renderBracketPicture(bracket, &canvas)) {
        written = writePictureFile(path, &canvas.raster);
        reason = GetLastError();
        releasePictureCanvas(&canvas);
    }
    if (!written)
        showPictureFailure(window, bracket, IDS_EXPORT_FAILED, path, reason);
    return written;
}
