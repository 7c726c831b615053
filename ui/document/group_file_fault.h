/* What a file's contradicting groups come to, in the user's words: what is
 * wrong and in which group and match. */
#ifndef DUELMARK_UI_DOCUMENT_GROUP_FILE_FAULT_H
#define DUELMARK_UI_DOCUMENT_GROUP_FILE_FAULT_H

#include <windows.h>

#include "file/bracket_file.h"

/* The reason of an OPEN_FAULT_GROUPS report into text (capacity units),
 * from module's strings (the executable's where module lacks them). */
void groupFileFaultText(HMODULE module, const OpenReport *report, WCHAR *text, int capacity);

#endif
