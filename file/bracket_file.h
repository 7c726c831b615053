/* The bracket file: an XML document <Games> with <Title>, <Teams> and one
 * <Team Name="" id=""/> per slot, read and written through the platform's
 * XML DOM. */
#ifndef DUELMARK_FILE_BRACKET_FILE_H
#define DUELMARK_FILE_BRACKET_FILE_H

#include <windows.h>
#include <msxml2.h>

#include "model/bracket.h"

/* Replaces the open bracket with the file's, lays it out with read-only base
 * slots on window and offers to clear invalid picks. Returns 1, or 0 with
 * bracket, controls, window and dirty flag exactly as before. */
int loadBracketFile(Bracket *bracket, HWND window, const WCHAR *path);

/* Offers to clear invalid picks, then writes the whole bracket to path
 * without ever leaving a half-written file there. Returns 1 when written
 * (dirty cleared), 0 when nothing was written. */
int saveBracketFile(Bracket *bracket, HWND window, const WCHAR *path);

/* ASCII digits only; the empty text is 0. Returns 1 with the value, or 0
 * with value 0 for any other character or a value above 2^31 - 1. */
int parseDecimal(const WCHAR *text, int *value);

/* Appends <elementName>text</elementName> as parent's last child. Returns 1,
 * or 0 when the component failed, so a save never drops the text silently. */
int appendTextElement(IXMLDOMDocument *document, IXMLDOMElement *parent, const WCHAR *elementName,
                       const WCHAR *text);

/* The invalid-picks question, owned by window. Returns the button pressed
 * (IDYES or IDNO). */
int askClearInvalidPicks(Bracket *bracket, HWND window);

#endif
