/* Writes a bracket file (see bracket_file.h), or the same document for a
 * recovery copy. */
#ifndef DUELMARK_FILE_BRACKET_WRITER_H
#define DUELMARK_FILE_BRACKET_WRITER_H

#include <windows.h>
#include <msxml2.h>

#include "file/bracket_file.h"
#include "model/bracket.h"

/* Writes the whole bracket, picks as they stand, to path without ever
 * leaving a half-written file there. Returns 1 when written (dirty cleared,
 * the undo history's save point here), 0 with the reason in report. */
int writeBracketFile(Bracket *bracket, const WCHAR *path, SaveReport *report);

/* The first text the file could not carry: 1 with the slot id in slotId, 0
 * for the title; 0 when every text can be written. */
int findUnwritableText(Bracket *bracket, int *slotId);

/* Whether text holds a character XML 1.0 cannot carry (controls other than
 * tab, line feed and carriage return, U+FFFE, U+FFFF) or half a surrogate
 * pair. Returns 1 when it does. */
int holdsUnwritableCharacter(const WCHAR *text);

/* Appends <elementName>text</elementName> as parent's last child. Returns 1,
 * or 0 when the component failed, so a save never drops the text silently. */
int appendTextElement(IXMLDOMDocument *document, IXMLDOMElement *parent, const WCHAR *elementName,
                       const WCHAR *text);

/* Builds the whole bracket as document's content. Returns 0 when the
 * component failed at any step, so an incomplete document is never
 * written. */
int fillBracketDocument(IXMLDOMDocument *document, Bracket *bracket);

#endif
