#include "file/picture_file.h"
#include <wincodec.h>

#include "file/safe_replace.h"

/* The pixels go in as 32bppBGR: GDI leaves the fourth byte of a DIB
 * section at 0, which as alpha would make the whole picture transparent. */
static HRESULT encodeFrame(IWICImagingFactory *factory, IStream *stream, const PictureRaster *raster)
{
    IWICBitmapEncoder *encoder = NULL;
    IWICBitmapFrameEncode *frame = NULL;
    HRESULT hr = factory->CreateEncoder(GUID_ContainerFormatPng, NULL, &encoder);
    if (SUCCEEDED(hr))
        hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = encoder->CreateNewFrame(&frame, NULL);
    if (SUCCEEDED(hr))
        hr = frame->Initialize(NULL);
    if (SUCCEEDED(hr))
        hr = frame->SetSize((UINT)raster->width, (UINT)raster->height);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(hr))
        hr = frame->SetPixelFormat(&format);
    /* The encoder may only offer something else; the bytes would then be
     * misread, so that counts as a failure. */
    if (SUCCEEDED(hr) && !InlineIsEqualGUID(format, GUID_WICPixelFormat32bppBGR))
        hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    UINT stride = (UINT)raster->width * 4;
    if (SUCCEEDED(hr))
        hr = frame->WritePixels((UINT)raster->height, stride, stride * (UINT)raster->height,
                                (BYTE *)raster->pixels);
    if (SUCCEEDED(hr))
        hr = frame->Commit();
    if (SUCCEEDED(hr))
        hr = encoder->Commit();
    if (frame)
        frame->Release();
    if (encoder)
        encoder->Release();
    return hr;
}

int encodePicturePng(const PictureRaster *raster, HGLOBAL *png, DWORD *size)
{
    *png = NULL;
    *size = 0;
    if (!raster || !raster->pixels || raster->width <= 0 || raster->height <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    IWICImagingFactory *factory = NULL;
    IStream *stream = NULL;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  (void **)&factory);
    /* The stream does not free its block on release: the block outlives it
     * for the caller. */
    HGLOBAL block = NULL;
    if (SUCCEEDED(hr))
        hr = CreateStreamOnHGlobal(NULL, FALSE, &stream);
    if (SUCCEEDED(hr))
        hr = GetHGlobalFromStream(stream, &block);
    if (SUCCEEDED(hr))
        hr = encodeFrame(factory, stream, raster);
    STATSTG stat;
    if (SUCCEEDED(hr))
        hr = stream->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr) && stat.cbSize.QuadPart > 0xFFFFFFFFull)
        hr = E_OUTOFMEMORY;
    if (stream)
        stream->Release();
    if (factory)
        factory->Release();
    if (FAILED(hr)) {
        if (block)
            GlobalFree(block);
        SetLastError((DWORD)hr);
        return 0;
    }
    /* The stream grows its block in steps; readers of the clipboard take
     * the block's size for the picture's. */
    *size = (DWORD)stat.cbSize.QuadPart;
    HGLOBAL exact = GlobalReAlloc(block, *size, 0);
    *png = exact ? exact : block;
    return 1;
}

int writePictureFile(const WCHAR *path, const PictureRaster *raster)
{
    HGLOBAL png;
    DWORD size;
    if (!encodePicturePng(raster, &png, &size))
        return 0;
    SetLastError(0);
    const void *bytes = GlobalLock(png);
    int written = bytes && replaceFileContents(path, bytes, size);
    DWORD reason = GetLastError();
    if (bytes)
        GlobalUnlock(png);
    GlobalFree(png);
    /* A read-only or directory target is refused before any call that
     * would set an error code. */
    if (!written)
        SetLastError(reason ? reason : ERROR_ACCESS_DENIED);
    return written;
}
