/* An XML document read from a file's bytes, serialised into memory, and
 * saved without ever leaving a half-written file at the target. Private to
 * file/. */
#ifndef DUELMARK_FILE_DOCUMENT_STREAM_H
#define DUELMARK_FILE_DOCUMENT_STREAM_H

#include <windows.h>
#include <msxml2.h>

#include "file/bracket_file.h"
#include "file/safe_replace.h"

/* Parses the file at path into document. Returns 1 when it was read and is
 * well-formed XML without a document type declaration, 0 with the reason in
 * report otherwise. */
int loadDocumentFile(IXMLDOMDocument *document, const WCHAR *path, OpenReport *report);

/* A document serialised into memory, exactly as a file of it would hold
 * it; the bytes stay valid until releaseDocumentBytes. */
struct DocumentBytes {
    IStream *stream;
    HGLOBAL memory;
    const BYTE *bytes;
    DWORD size;
};

/* Returns 1 with out filled, or 0 with out empty and GetLastError() giving
 * why. */
int serializeDocument(IXMLDOMDocument *document, DocumentBytes *out);
void releaseDocumentBytes(DocumentBytes *bytes);

/* Serialises document and puts it at path through replaceFileContentsChecked,
 * check judging the temporary file first (NULL: no check). Returns 1 only
 * when the whole document is there; 0 with GetLastError() giving why. */
int saveDocumentFile(IXMLDOMDocument *document, const WCHAR *path, ReplacementCheck check, void *context);

#endif
