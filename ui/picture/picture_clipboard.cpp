#include "ui/picture/picture_clipboard.h"

#include "file/picture_file.h"
#include "res/resource.h"
#include "ui/picture/bracket_picture.h"
#include "ui/common/fallback_string.h"
#include "ui/common/picture_failure.h"

/* CF_DIB as every reader takes it: a bottom-up 24-bit bitmap, rows padded
 * to 4 bytes, no colour table. Returns a moveable block or NULL. */
static HGLOBAL makeDib(const PictureRaster *raster)
{
    DWORD stride = ((DWORD)raster->width * 3 + 3) & ~3u;
    SIZE_T bytes = sizeof(BITMAPINFOHEADER) + (SIZE_T)stride * raster->height;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    BYTE *start = block ? (BYTE *)GlobalLock(block) : NULL;
    if (!start) {
        if (block)
            GlobalFree(block);
        return NULL;
    }
    BITMAPINFOHEADER *header = (BITMAPINFOHEADER *)start;
    header->biSize = sizeof *header;
    header->biWidth = raster->width;
    header->biHeight = raster->height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = stride * (DWORD)raster->height;
    BYTE *rows = start + sizeof *header;
    for (int y = 0; y < raster->height; y++) {
        const BYTE *from = raster->pixels + (SIZE_T)y * raster->width * 4;
        BYTE *to = rows + (SIZE_T)(raster->height - 1 - y) * stride;
        for (int x = 0; x < raster->width; x++, from += 4, to += 3) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
        }
    }
    GlobalUnlock(block);
    return block;
}

/* The clipboard takes ownership of each block it accepts; one it refuses
 * stays ours to free. */
static int putBlocks(HWND window, HGLOBAL dib, HGLOBAL png)
{
    UINT pngFormat = RegisterClipboardFormatW(PNG_CLIPBOARD_FORMAT);
    if (!pngFormat || !OpenClipboard(window)) {
        GlobalFree(dib);
        GlobalFree(png);
        return 0;
    }
    int done = EmptyClipboard() != 0;
    if (!done || !SetClipboardData(CF_DIB, dib)) {
        GlobalFree(dib);
        done = 0;
    }
    if (!done || !SetClipboardData(pngFormat, png)) {
        GlobalFree(png);
        done = 0;
    }
    DWORD reason = GetLastError();
    CloseClipboard();
    SetLastError(reason);
    return done;
}

int copyPictureToClipboard(HWND window, Bracket *bracket)
{
    if (!bracket->slotCount)
        return 0;
    PictureCanvas canvas;
    HGLOBAL dib = NULL, png = NULL;
    DWORD pngSize = 0;
    int copied = 0;
    DWORD reason = ERROR_NOT_ENOUGH_MEMORY;
    if (renderBracketPicture(bracket, &canvas)) {
        dib = makeDib(&canvas.raster);
        if (dib && encodePicturePng(&canvas.raster, &png, &pngSize)) {
            copied = putBlocks(window, dib, png);
            reason = GetLastError();
        } else {
            reason = dib ? GetLastError() : (DWORD)ERROR_NOT_ENOUGH_MEMORY;
            if (dib)
                GlobalFree(dib);
        }
        releasePictureCanvas(&canvas);
    }
    if (!copied) {
        WCHAR name[128];
        loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, 128);
        showPictureFailure(window, bracket, IDS_COPY_FAILED, bracket->title[0] ? bracket->title : name, reason);
    }
    return copied;
}

void copyPicture(HWND window, DocumentState *state)
{
    copyPictureToClipboard(window, state->bracket);
}
