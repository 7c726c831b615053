/* The system's folder chooser, for a folder the program writes into. */
#ifndef DUELMARK_UI_DIALOGS_FOLDER_DIALOG_H
#define DUELMARK_UI_DIALOGS_FOLDER_DIALOG_H

#include <windows.h>

/* Asks for a folder under prompt; 1 with its path in folder (capacity
 * units), 0 when the user cancelled, the folder is not on the file system
 * or its path is longer than capacity. */
int chooseFolder(HWND owner, const WCHAR *prompt, WCHAR *folder, int capacity);

#endif
