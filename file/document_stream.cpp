#include "file/document_stream.h"
#include "file/safe_replace.h"

/* A 256-team bracket with the longest names is under 200 KB. Anything
 * larger is refused unread: the component needs minutes and gigabytes for
 * a file of tens of megabytes, and the window would hang meanwhile. */
enum { MAX_FILE_BYTES = 4 * 1024 * 1024 };

/* A bracket file has a few hundred elements at most. A file of nothing but
 * tiny elements takes the component seconds per megabyte, so past this
 * many it is not given to it at all. */
enum { MAX_MARKUP_COUNT = 16384 };

/* Only reached on the save side for files this program built. */
enum { MAX_SAVED_BYTES = 64 * 1024 * 1024 };

static int refuse(OpenReport *report, int fault, DWORD error)
{
    report->fault = fault;
    report->error = error;
    return 0;
}

static int readWholeFile(HANDLE file, BYTE *bytes, DWORD size)
{
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, bytes + total, size - total, &got, NULL))
            return 0;
        if (got == 0) {
            SetLastError(ERROR_HANDLE_EOF);
            return 0;
        }
        total += got;
    }
    return 1;
}

/* How many elements, comments and declarations the bytes could start: '<'
 * in any encoding the component reads (UTF-16 by its byte-order mark). */
static DWORD countMarkup(const BYTE *bytes, DWORD size)
{
    DWORD count = 0;
    int utf16 = size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
    if (!utf16) {
        for (DWORD i = 0; i < size; i++)
            count += bytes[i] == '<';
        return count;
    }
    int high = bytes[0] == 0xFE;
    for (DWORD i = 0; i + 1 < size; i += 2)
        count += bytes[i + high] == '<' && bytes[i + 1 - high] == 0;
    return count;
}

static int failedToOpen(OpenReport *report)
{
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return refuse(report, OPEN_FAULT_NOT_FOUND, error);
    if (error == ERROR_FILENAME_EXCED_RANGE)
        return refuse(report, OPEN_FAULT_NAME_TOO_LONG, error);
    return refuse(report, OPEN_FAULT_UNREADABLE, error);
}

/* The file's bytes in a memory stream the stream owns, or NULL with the
 * reason in report. */
static IStream *readFileIntoStream(const WCHAR *path, OpenReport *report)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        failedToOpen(report);
        return NULL;
    }
    LARGE_INTEGER length;
    length.QuadPart = 0;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        refuse(report, OPEN_FAULT_NOT_BRACKET, 0);
        return NULL;
    }
    if (!GetFileSizeEx(file, &length) || length.QuadPart > MAX_FILE_BYTES) {
        DWORD error = GetLastError();
        CloseHandle(file);
        if (length.QuadPart > MAX_FILE_BYTES)
            refuse(report, OPEN_FAULT_TOO_LARGE, 0);
        else
            refuse(report, OPEN_FAULT_UNREADABLE, error);
        return NULL;
    }
    DWORD size = (DWORD)length.QuadPart;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    BYTE *bytes = memory ? (BYTE *)GlobalLock(memory) : NULL;
    int read = bytes && readWholeFile(file, bytes, size);
    DWORD error = bytes ? GetLastError() : ERROR_NOT_ENOUGH_MEMORY;
    int markupFits = read && countMarkup(bytes, size) <= MAX_MARKUP_COUNT;
    if (bytes)
        GlobalUnlock(memory);
    CloseHandle(file);
    IStream *stream = NULL;
    if (!read || !markupFits || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) || !stream) {
        if (memory)
            GlobalFree(memory);
        if (!read)
            refuse(report, OPEN_FAULT_UNREADABLE, error);
        else if (!markupFits)
            refuse(report, OPEN_FAULT_NOT_BRACKET, 0);
        else
            refuse(report, OPEN_FAULT_UNREADABLE, ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    /* The block may be larger than asked for; the stream must end where
     * the file does. */
    ULARGE_INTEGER end;
    end.QuadPart = size;
    if (FAILED(stream->SetSize(end))) {
        stream->Release();
        refuse(report, OPEN_FAULT_UNREADABLE, ERROR_NOT_ENOUGH_MEMORY);
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
int loadDocumentFile(IXMLDOMDocument *document, const WCHAR *path, OpenReport *report)
{
    IStream *stream = readFileIntoStream(path, report);
    if (!stream)
        return 0;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_UNKNOWN;
    source.punkVal = stream;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    HRESULT hr = document->load(source, &loaded);
    stream->Release();
    /* A document type declaration is how external entities and entity
     * bombs get in, and a bracket file never needs one. */
    if (hr != S_OK || loaded != VARIANT_TRUE || hasDocumentType(document))
        return refuse(report, OPEN_FAULT_NOT_BRACKET, 0);
    return 1;
}

int serializeDocument(IXMLDOMDocument *document, DocumentBytes *out)
{
    *out = DocumentBytes{};
    if (FAILED(CreateStreamOnHGlobal(NULL, TRUE, &out->stream)) || !out->stream) {
        out->stream = NULL;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_UNKNOWN;
    target.punkVal = out->stream;
    STATSTG stat;
    if (document->save(target) == S_OK && SUCCEEDED(out->stream->Stat(&stat, STATFLAG_NONAME)) &&
        stat.cbSize.QuadPart > 0 && stat.cbSize.QuadPart <= MAX_SAVED_BYTES &&
        SUCCEEDED(GetHGlobalFromStream(out->stream, &out->memory))) {
        out->bytes = (const BYTE *)GlobalLock(out->memory);
        out->size = (DWORD)stat.cbSize.QuadPart;
    }
    if (out->bytes)
        return 1;
    releaseDocumentBytes(out);
    SetLastError(ERROR_INVALID_DATA);  /* the component could not serialise it */
    return 0;
}

void releaseDocumentBytes(DocumentBytes *bytes)
{
    if (bytes->bytes)
        GlobalUnlock(bytes->memory);
    if (bytes->stream)
        bytes->stream->Release();
    *bytes = DocumentBytes{};
}

/* Serialised into memory first: the component truncates a target before
 * writing and can report a failed write as S_FALSE, so it never writes a
 * file itself. */
int saveDocumentFile(IXMLDOMDocument *document, const WCHAR *path, ReplacementCheck check, void *context)
{
    DocumentBytes serialized;
    if (!serializeDocument(document, &serialized))
        return 0;
    int result = replaceFileContentsChecked(path, serialized.bytes, serialized.size, check, context);
    DWORD error = GetLastError();
    releaseDocumentBytes(&serialized);
    SetLastError(error);
    return result;
}
