/* File > New from list: a new bracket made from a list of entrants. */
#ifndef DUELMARK_UI_DOCUMENT_NEW_FROM_LIST_H
#define DUELMARK_UI_DOCUMENT_NEW_FROM_LIST_H

#include "ui/common/document_state.h"

/* As New, once the save-changes question allowed it: the list dialog; OK
 * replaces the open bracket with the field laid out, base slots editable,
 * unsaved and without a file. Cancel at either step changes nothing. */
void newBracketFromList(HWND window, DocumentState *state);

#endif
