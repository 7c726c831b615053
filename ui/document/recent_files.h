/* The File menu's list of the brackets most recently opened or saved,
 * newest first, kept per user under HKEY_CURRENT_USER\Software\Duelmark so
 * it outlives the process. */
#ifndef DUELMARK_UI_DOCUMENT_RECENT_FILES_H
#define DUELMARK_UI_DOCUMENT_RECENT_FILES_H

#include <windows.h>

#include "ui/common/document_state.h"

enum { RECENT_FILE_LIMIT = 8, RECENT_FILE_SHOWN_UNITS = 60 };

/* Puts path (a full path) first in the list, dropping an older copy of it
 * and whatever falls off the end, stores the list, shows it in window's
 * File menu and announces the file to the shell's recent documents. */
void rememberRecentFile(HWND window, const WCHAR *path);

/* Shows the stored list in window's File menu, replacing what it showed:
 * at start and whenever the menu opens, since another copy of the editor
 * may have changed the list. */
void showRecentFiles(HWND window);

/* The index-th entry, 0 the newest, copied into path (PATH_CAPACITY
 * units). Returns 0 with path empty when there is no such entry. */
int recentFilePath(int index, WCHAR *path);

/* Takes path out of the stored list and the menu. */
void forgetRecentFile(HWND window, const WCHAR *path);

/* path shortened to at most limit units by putting "..." in its middle:
 * the start (drive, first folders) and the end (the file name whole when
 * it fits) stay. shown holds limit + 1 units. */
void shortenPathInMiddle(const WCHAR *path, WCHAR *shown, int limit);

/* The file behind the recent entry the command IDM_FILE_RECENT_FIRST +
 * index names, copied into path (PATH_CAPACITY units). Returns 1 when it
 * is there to be opened; 0 when the entry is gone, or when the file no
 * longer exists, which is then reported in a box owned by window (texts
 * from bracket's resource module) and dropped from the list. */
int recentFileToOpen(HWND window, Bracket *bracket, int index, WCHAR *path);

#endif
