/* File > New from list: a new bracket made from a list of entrants. */
#ifndef DUELMARK_UI_DOCUMENT_NEW_FROM_LIST_H
#define DUELMARK_UI_DOCUMENT_NEW_FROM_LIST_H

#include "ui/common/document_state.h"
#include "ui/dialogs/new_from_list_dialog.h"

/* As New, once the save-changes question allowed it: the list dialog; OK
 * replaces the open bracket with the field laid out, base slots editable,
 * unsaved and without a file. Cancel at either step changes nothing. */
void newBracketFromList(HWND window, DocumentState *state);

/* Replaces the open bracket with the one the dialog's answer describes:
 * a list with columns drawn keeping club-mates apart (the clash message
 * shown when the field does not allow it) and kept as the entrant list.
 * list->field is taken; list->entrants stays the caller's. Returns 1 when
 * the bracket was made. */
int newBracketFromChoice(HWND window, DocumentState *state, NewFromListChoice *list);

#endif
