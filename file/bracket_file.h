/* The bracket file: an XML document <Games> with <Title>, <Teams> and one
 * <Team Name="" id=""/> per slot (with Score="" when the match has a
 * result), then <ThirdPlace Name="" Score=""/> while that match is on,
 * read and written through the platform's XML DOM. */
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

/* Why a save wrote nothing, for the message that tells the user. */
enum SaveFault {
    SAVE_FAULT_NONE,        /* written */
    SAVE_FAULT_DECLINED,    /* nothing open, or the user kept invalid picks: no message */
    SAVE_FAULT_TEXT,        /* a name or the title holds what the format cannot carry */
    SAVE_FAULT_UNREADABLE,  /* what was written would not read back; the old file stays */
    SAVE_FAULT_SYSTEM,      /* the platform refused; error holds its code */
    SAVE_FAULT_RESULT       /* a match's result holds what the format cannot carry */
};

struct SaveReport {
    int fault;    /* a SaveFault */
    DWORD error;  /* SAVE_FAULT_SYSTEM: the platform's error code */
    int slotId;   /* SAVE_FAULT_TEXT: the slot whose name is at fault, 0 for the title;
                   * SAVE_FAULT_RESULT: the slot whose result, 0 the third-place match's */
};

/* saveBracketFile, telling in report why nothing was written. A title or
 * name that cannot be written is refused before anything else is asked. */
int saveBracketFileReporting(Bracket *bracket, HWND window, const WCHAR *path, SaveReport *report);

/* Whether text holds a character XML 1.0 cannot carry (controls other than
 * tab, line feed and carriage return, U+FFFE, U+FFFF) or half a surrogate
 * pair. Returns 1 when it does. */
int holdsUnwritableCharacter(const WCHAR *text);

/* Reads the file at path the way loadBracketFile does, without touching any
 * open bracket. Returns 1 when the reader would load it as a bracket of
 * slotCount slots. */
int readsBackAsBracket(const WCHAR *path, int slotCount);

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
