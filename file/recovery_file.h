/* The recovery copy of an unsaved bracket: the bracket file itself, with the
 * path of the file it belongs to as an extra File attribute on <Games>, which
 * every reader of the bracket file passes over. */
#ifndef DUELMARK_FILE_RECOVERY_FILE_H
#define DUELMARK_FILE_RECOVERY_FILE_H

#include <windows.h>

#include "file/file_fingerprint.h"
#include "model/bracket.h"

/* What a recovery copy says about the file it belongs to. */
struct RecoveryOwner {
    WCHAR path[MAX_PATH];   /* empty: a bracket without a file yet */
    FileFingerprint disk;   /* what that file held when last read or written */
};

/* Writes bracket and owner to path through the crash-safe replace. Asks
 * nothing and leaves the dirty flag and the undo history alone. Returns 1
 * when the copy is there, 0 when nothing was written (then any older copy
 * at path stays). */
int writeRecoveryFile(Bracket *bracket, const WCHAR *path, const RecoveryOwner *owner);

/* The owner and the bracket's title kept in the copy at path. Returns 1,
 * or 0 when the file is not one the reader takes. */
int readRecoveryLabel(const WCHAR *path, RecoveryOwner *owner, WCHAR *title, int titleCapacity);

#endif
