/* Finding a name among a drop-down's items. The list's own search
 * (CB_FINDSTRINGEXACT, CB_SELECTSTRING) ignores case, so of two entrants
 * whose names differ only in case it would always find the first. */
#ifndef DUELMARK_UI_COMMON_CHOICE_LIST_H
#define DUELMARK_UI_COMMON_CHOICE_LIST_H

#include <windows.h>

/* The item that is name exactly, else the one the list's own search finds
 * regardless of case; CB_ERR for an empty name or none. */
LRESULT findChoice(HWND combo, const WCHAR *name);

#endif
