/* The paths a DocumentState keeps are full ones, made so where a name
 * enters (the command line, a drop, the file dialogs) against the folder
 * current at that moment: a later change of folder, which the platform's
 * file dialogs make, must not move where Save writes. */
#ifndef DUELMARK_UI_DOCUMENT_PATH_H
#define DUELMARK_UI_DOCUMENT_PATH_H

#include <windows.h>

/* Writes name's full form into path (PATH_CAPACITY units; not name's own
 * buffer). Returns 1, or 0 with path empty and GetLastError() giving why
 * when name is empty, malformed or too long once made full. */
int makeFullPath(const WCHAR *name, WCHAR *path);

#endif
