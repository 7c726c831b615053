/* Files dropped on the window, through the shell's library loaded on the
 * first drop: every start would otherwise load it for a drop that may
 * never come. */
#ifndef DUELMARK_UI_DROPPED_FILES_H
#define DUELMARK_UI_DROPPED_FILES_H

#include <windows.h>

/* Copies the first dropped file's name into buffer (PATH_CAPACITY units),
 * empty when there is none, and releases the drop. */
void takeFirstDroppedFile(HDROP drop, WCHAR *buffer);

/* Releases a drop that is not read. */
void releaseDrop(HDROP drop);

#endif
