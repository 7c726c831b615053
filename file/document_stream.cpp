#include "file/xml_document.h"
#include "file/safe_replace.h"

/* A bracket file is well under a megabyte even at the largest size with the
 * longest names; the cap keeps a mistaken pick such as a disk image from
 * being read into memory whole. */
enum { MAX_FILE_BYTES = 64 * 1024 * 1024 };

static int readWholeFile(HANDLE file, BYTE *bytes, DWORD size)
{
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, bytes + total, size - total, &got, NULL) || got == 0)
            return 0;
        total += got;
    }
    return 1;
}

/* The file's bytes in a memory stream the stream owns, or NULL. */
static IStream *readFileIntoStream(const WCHAR *path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return NULL;
    LARGE_INTEGER length;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &length) || length.QuadPart > MAX_FILE_BYTES) {
        CloseHandle(file);
        return NULL;
    }
    DWORD size = (DWORD)length.QuadPart;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    BYTE *bytes = memory ? (BYTE *)GlobalLock(memory) : NULL;
    int read = bytes && readWholeFile(file, bytes, size);
    if (bytes)
        GlobalUnlock(memory);
    CloseHandle(file);
    IStream *stream = NULL;
    if (!read || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) || !stream) {
        if (memory)
            GlobalFree(memory);
        return NULL;
    }
    /* The block may be larger than asked for; the stream must end where
     * the file does. */
    ULARGE_INTEGER end;
    end.QuadPart = size;
    if (FAILED(stream->SetSize(end))) {
        stream->Release();
        return NULL;
    }
    return stream;
}

static int hasDocumentType(IXMLDOMDocument *document)
{
    IXMLDOMDocumentType *doctype = NULL;
    HRESULT hr = document->get_doctype(&doctype);
    if (doctype)
        doctype->Release();
    return FAILED(hr) || doctype != NULL;
}

/* The component opens a path given by name as a URL, which reads '#' as
 * the start of a fragment and '%' as an escape; handing it the bytes lets
 * every name the file system accepts open unchanged. */
int loadDocumentFile(IXMLDOMDocument *document, const WCHAR *path)
{
    IStream *stream = readFileIntoStream(path);
    if (!stream)
        return 0;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_UNKNOWN;
    source.punkVal = stream;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    HRESULT hr = document->load(source, &loaded);
    stream->Release();
    if (hr != S_OK || loaded != VARIANT_TRUE)
        return 0;
    /* A document type declaration is how external entities and entity
     * bombs get in, and a bracket file never needs one. */
    return !hasDocumentType(document);
}

/* Serialised into memory first: the component truncates a target before
 * writing and can report a failed write as S_FALSE, so it never writes a
 * file itself. */
int saveDocumentFile(IXMLDOMDocument *document, const WCHAR *path, ReplacementCheck check, void *context)
{
    IStream *stream = NULL;
    if (FAILED(CreateStreamOnHGlobal(NULL, TRUE, &stream)) || !stream) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_UNKNOWN;
    target.punkVal = stream;
    int result = 0;
    DWORD error = ERROR_INVALID_DATA;  /* the component could not serialise it */
    STATSTG stat;
    HGLOBAL memory = NULL;
    if (document->save(target) == S_OK && SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) &&
        stat.cbSize.QuadPart > 0 && stat.cbSize.QuadPart <= MAX_FILE_BYTES &&
        SUCCEEDED(GetHGlobalFromStream(stream, &memory))) {
        void *bytes = GlobalLock(memory);
        if (bytes) {
            result = replaceFileContentsChecked(path, bytes, (DWORD)stat.cbSize.QuadPart, check, context);
            error = GetLastError();
            GlobalUnlock(memory);
        }
    }
    stream->Release();
    if (!result)
        SetLastError(error);
    return result;
}
