#include "file/recovery_file.h"
#include "file/bracket_reader.h"
#include "file/bracket_writer.h"
#include "file/document_stream.h"
#include "model/entrant_name.h"
#include "file/xml_document.h"

/* Room to tell a name that fits from one that was cut. */
enum { FILE_NAME_CAPACITY = 2 * MAX_PATH };

static int setAttributeText(IXMLDOMElement *element, const WCHAR *attribute, const WCHAR *text)
{
    BSTR name = SysAllocString(attribute);
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    int result = name && value.bstrVal && SUCCEEDED(element->setAttribute(name, value));
    SysFreeString(value.bstrVal);
    SysFreeString(name);
    return result;
}

/* Sixteen hex digits, so the whole 64 bits survive the text round trip. */
static void formatHex64(ULONGLONG value, WCHAR *text)
{
    wsprintfW(text, L"%08lx%08lx", (unsigned long)(value >> 32), (unsigned long)(value & 0xFFFFFFFFu));
}

static int parseHex64(const WCHAR *text, ULONGLONG *value)
{
    *value = 0;
    int digits = 0;
    for (; *text; text++, digits++) {
        WCHAR c = *text;
        int digit = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
        if (digit < 0 || digits >= 16)
            return 0;
        *value = *value << 4 | (ULONGLONG)digit;
    }
    return digits > 0;
}

static int setOwnerAttributes(IXMLDOMDocument *document, const RecoveryOwner *owner)
{
    IXMLDOMElement *games = NULL;
    if (FAILED(document->get_documentElement(&games)) || !games)
        return 0;
    int result = setAttributeText(games, L"File", owner->path);
    if (result && owner->disk.present) {
        WCHAR size[20], hash[20];
        formatHex64(owner->disk.size, size);
        formatHex64(owner->disk.contentHash, hash);
        result = setAttributeText(games, L"FileSize", size) && setAttributeText(games, L"FileHash", hash);
    }
    if (result && owner->baseEditable)
        result = setAttributeText(games, L"BaseEditable", L"1");
    games->Release();
    return result;
}

/* A copy the reader would refuse must never replace one it takes. */
static int readsBack(const WCHAR *temporaryPath, void *slotCount)
{
    return readsBackAsBracket(temporaryPath, *(int *)slotCount);
}

/* Hashing the bytes, rather than chosen fields of the bracket, is what
 * lets every change Save would write reach the copy. Never 0, which stands
 * for nothing written yet. */
int refreshRecoveryFile(Bracket *bracket, const WCHAR *path, const RecoveryOwner *owner, ULONGLONG *written)
{
    if (!bracket->slotCount)
        return 0;
    IXMLDOMDocument *document = createBracketDocument();
    if (!document)
        return 0;
    int result = 0;
    DocumentBytes copy;
    if (fillBracketDocument(document, bracket) && setOwnerAttributes(document, owner) &&
        serializeDocument(document, &copy)) {
        ULONGLONG hash = hashContent(copy.bytes, copy.size);
        hash = hash ? hash : 1;
        result = hash != *written &&
                 replaceOwnFileContents(path, copy.bytes, copy.size, readsBack, &bracket->slotCount);
        if (result)
            *written = hash;
        releaseDocumentBytes(&copy);
    }
    document->Release();
    return result;
}

/* The text of the first node at xpath into buffer; empty when absent. */
static void copySelectedText(IXMLDOMDocument *document, const WCHAR *xpath, WCHAR *buffer, int capacity)
{
    buffer[0] = 0;
    BSTR query = SysAllocString(xpath);
    IXMLDOMNode *node = NULL;
    if (query && SUCCEEDED(document->selectSingleNode(query, &node)) && node) {
        BSTR text = NULL;
        if (SUCCEEDED(node->get_text(&text)) && text)
            lstrcpynW(buffer, text, capacity);
        SysFreeString(text);
        node->Release();
    }
    SysFreeString(query);
}

/* A name Save could write to as it stands: a full path ("X:\\..." or
 * "\\\\server\\share\\...") that fits. A relative name would be made full
 * against whatever folder is current, a cut one would be another file. */
static int isUsableFileName(const WCHAR *path)
{
    if (lstrlenW(path) >= MAX_PATH)
        return 0;
    WCHAR drive = path[0] & ~0x20;
    if (drive >= L'A' && drive <= L'Z' && path[1] == L':' && path[2] == L'\\')
        return 1;
    return path[0] == L'\\' && path[1] == L'\\' && path[2] && path[2] != L'\\' && path[2] != L'?' &&
           path[2] != L'.';
}

int readRecoveryLabel(const WCHAR *path, RecoveryOwner *owner, WCHAR *title, int titleCapacity, OpenReport *report)
{
    *owner = RecoveryOwner{};
    title[0] = 0;
    /* A copy is offered only when it would open: one the reader refuses is
     * no work the user can get back. */
    Bracket staged;
    initBracket(&staged, NULL);
    int readable = readBracketFile(path, &staged, report);
    resetBracket(&staged);
    if (!readable)
        return 0;
    report->fault = OPEN_FAULT_UNREADABLE;
    report->error = ERROR_NOT_ENOUGH_MEMORY;
    IXMLDOMDocument *document = createBracketDocument();
    if (!document)
        return 0;
    int result = loadDocumentFile(document, path, report);
    if (result) {
        WCHAR file[FILE_NAME_CAPACITY], size[20], hash[20];
        copySelectedText(document, L"Games/@File", file, FILE_NAME_CAPACITY);
        if (isUsableFileName(file))
            lstrcpyW(owner->path, file);
        copySelectedText(document, L"Games/Title", title, titleCapacity);
        copySelectedText(document, L"Games/@FileSize", size, 20);
        copySelectedText(document, L"Games/@FileHash", hash, 20);
        owner->disk.present = owner->path[0] && parseHex64(size, &owner->disk.size) &&
                              parseHex64(hash, &owner->disk.contentHash);
        WCHAR editable[4];
        copySelectedText(document, L"Games/@BaseEditable", editable, 4);
        owner->baseEditable = sameName(editable, L"1");
    }
    document->Release();
    return result;
}

/* The bytes Save would write for the bracket in the file at path, without
 * anything a recovery copy adds. Returns 1 with out filled. */
static int savedFormOf(const WCHAR *path, DocumentBytes *out)
{
    Bracket staged;
    initBracket(&staged, NULL);
    OpenReport report;
    IXMLDOMDocument *document = NULL;
    int result = readBracketFile(path, &staged, &report) && (document = createBracketDocument()) != NULL &&
                 fillBracketDocument(document, &staged) && serializeDocument(document, out);
    if (document)
        document->Release();
    resetBracket(&staged);
    return result;
}

int recoveryMatchesFile(const WCHAR *copyPath, const WCHAR *filePath)
{
    DocumentBytes copy, file;
    if (!savedFormOf(copyPath, &copy))
        return 0;
    int same = 0;
    if (savedFormOf(filePath, &file)) {
        same = copy.size == file.size;
        for (DWORD i = 0; same && i < copy.size; i++)
            same = copy.bytes[i] == file.bytes[i];
        releaseDocumentBytes(&file);
    }
    releaseDocumentBytes(&copy);
    return same;
}
