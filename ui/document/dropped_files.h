/* Files dropped on the window, through the shell's library loaded on the
 * first drop: every start would otherwise load it for a drop that may
 * never come. */
#ifndef DUELMARK_UI_DOCUMENT_DROPPED_FILES_H
#define DUELMARK_UI_DOCUMENT_DROPPED_FILES_H

#include <windows.h>

/* The first dropped file's name, whole however long, in a block the caller
 * frees with freeBlock; NULL when there is none. Releases the drop. */
WCHAR *takeFirstDroppedFile(HDROP drop);

/* Releases a drop that is not read. */
void releaseDrop(HDROP drop);

#endif
