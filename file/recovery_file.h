/* The recovery copy of an unsaved bracket: the bracket file itself, with the
 * path of the file it belongs to as an extra File attribute on <Games>, which
 * every reader of the bracket file passes over. */
#ifndef DUELMARK_FILE_RECOVERY_FILE_H
#define DUELMARK_FILE_RECOVERY_FILE_H

#include <windows.h>

#include "file/bracket_file.h"
#include "file/file_fingerprint.h"
#include "model/bracket.h"

/* What a recovery copy says besides the bracket: the file it belongs to,
 * and whether its first-round names were open for typing. */
struct RecoveryOwner {
    WCHAR path[MAX_PATH];   /* empty: a bracket without a file yet */
    FileFingerprint disk;   /* what that file held when last read or written */
    int baseEditable;       /* the base slots were unlocked */
};

/* Brings the copy at path up to date: its bytes are built as Save builds
 * a file (every text made one the reader takes) and, unless they are the
 * bytes written last, put at path in one step once they are seen to read
 * back. *written holds their hash (0: nothing written yet) and changes only
 * when they are written. Asks nothing and leaves the dirty flag and the
 * undo history alone. Returns 1 when a new copy is at path, 0 when nothing
 * was written (then any older copy at path stays). */
int refreshRecoveryFile(Bracket *bracket, const WCHAR *path, const RecoveryOwner *owner, ULONGLONG *written);

/* The owner and the bracket's title kept in the copy at path. A file name
 * that is not a full path, or too long to be one, counts as none (so Save
 * asks for one). Returns 1, or 0 with the reason in report when the reader
 * does not take the file as a bracket. */
int readRecoveryLabel(const WCHAR *path, RecoveryOwner *owner, WCHAR *title, int titleCapacity, OpenReport *report);

/* Whether the copy at copyPath holds the same work as the file at
 * filePath: both read and written back as Save would write them, byte for
 * byte. A save that finished just before a kill leaves such a copy. */
int recoveryMatchesFile(const WCHAR *copyPath, const WCHAR *filePath);

#endif
