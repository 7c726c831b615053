/* Reads a bracket file (see bracket_file.h) into a staged record. */
#ifndef DUELMARK_FILE_BRACKET_READER_H
#define DUELMARK_FILE_BRACKET_READER_H

#include <windows.h>

#include "file/bracket_file.h"
#include "model/bracket.h"

/* Reads the file at path into staged, a record initialised empty with
 * initBracket, without touching any open bracket: a refusal or a failed
 * allocation part-way leaves staged empty again. Returns 1 when read, 0
 * with the reason in report. */
int readBracketFile(const WCHAR *path, Bracket *staged, OpenReport *report);

/* Returns 1 when readBracketFile would read the file at path as a bracket
 * of slotCount slots. */
int readsBackAsBracket(const WCHAR *path, int slotCount);

#endif
