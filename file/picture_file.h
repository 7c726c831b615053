/* The bracket picture as a PNG file, encoded by the platform's imaging
 * component (WIC). The picture arrives already drawn: file/ knows pixels,
 * not windows or brackets. */
#ifndef DUELMARK_FILE_PICTURE_FILE_H
#define DUELMARK_FILE_PICTURE_FILE_H

#include <windows.h>

/* Top-down rows of 4-byte BGRX pixels, stride width * 4; the fourth byte
 * is ignored. */
struct PictureRaster {
    int width;
    int height;
    const BYTE *pixels;
};

/* Encodes the raster as PNG into a fresh moveable global block. Returns 1
 * with the block (the caller frees it) and its byte count, or 0 with the
 * reason as the thread's last error (a Win32 code or an HRESULT). */
int encodePicturePng(const PictureRaster *raster, HGLOBAL *png, DWORD *size);

/* Encodes the raster and puts it in path's place crash-safely (temporary
 * file, then replace). Returns 1 when path holds the PNG; 0 with the old
 * file untouched and the reason as the thread's last error. */
int writePictureFile(const WCHAR *path, const PictureRaster *raster);

#endif
