/* Questions whose answers are more than Yes and No: a file changed on disk
 * since it was read, and a recovery copy left by a program that ended
 * without saving. */
#ifndef DUELMARK_UI_DIALOGS_CHOICE_QUESTION_H
#define DUELMARK_UI_DIALOGS_CHOICE_QUESTION_H

#include <windows.h>

/* Save is about to write over path, which another window or program has
 * changed (deleted 0) or removed (deleted 1) since this bracket read or
 * wrote it. Returns IDC_OVERWRITE, IDC_SAVE_ELSEWHERE or IDCANCEL (also for
 * a box that could not be shown). */
int askAboutNewerFile(HWND window, HMODULE module, const WCHAR *path, int deleted);

/* Save is about to write a bracket restored from a recovery copy over
 * path, the file that copy named. Returns IDC_OVERWRITE, IDC_SAVE_ELSEWHERE
 * or IDCANCEL (also for a box that could not be shown). */
int askAboutRestoredFile(HWND window, HMODULE module, const WCHAR *path);

/* Offers the recovery copy of owner (empty: a bracket that had no file,
 * shown by its title) written at written. Returns IDC_RESTORE,
 * IDC_DISCARD, or IDCANCEL to decide at the next start. */
int askToRestoreRecovery(HWND window, HMODULE module, const WCHAR *owner, const WCHAR *title,
                         const FILETIME *written);

#endif
