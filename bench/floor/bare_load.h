/* The floor of reading a bracket file: MSXML loading it by path, with
 * nothing of the reader's own around it. */
#ifndef DUELMARK_BENCH_FLOOR_BARE_LOAD_H
#define DUELMARK_BENCH_FLOOR_BARE_LOAD_H

#include <windows.h>
#include <msxml2.h>

/* MSXML's DOM document, as the reader creates it. */
extern const CLSID DOM_DOCUMENT_CLASS;
extern const IID DOM_DOCUMENT_INTERFACE;

/* Creates a synchronous document, loads path into it and releases it. */
void bareLoad(const WCHAR *path);

#endif
