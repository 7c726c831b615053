/* The XML documents behind the bracket file, created hardened against
 * hostile files (document_stream reads and saves them). Private to file/. */
#ifndef DUELMARK_FILE_XML_DOCUMENT_H
#define DUELMARK_FILE_XML_DOCUMENT_H

#include <windows.h>
#include <msxml2.h>

/* A new empty document that loads synchronously, keeps white space, never
 * resolves external entities or DTDs and does not validate. Returns NULL
 * when the component cannot be created or refuses any of that. */
IXMLDOMDocument *createBracketDocument(void);

#endif
