/* The main window's parameter: the one bracket, the file it came from and
 * what that file held, and the recovery copy of its unsaved changes. */
#ifndef DUELMARK_UI_COMMON_DOCUMENT_STATE_H
#define DUELMARK_UI_COMMON_DOCUMENT_STATE_H

#include "file/file_fingerprint.h"
#include "model/bracket.h"
#include "ui/common/print_setup.h"

enum { PATH_CAPACITY = 260 };

/* This window's own copy; every field zero: none yet. */
struct RecoveryCopy {
    WCHAR path[PATH_CAPACITY];  /* empty: no folder for copies, nothing is written */
    int onDisk;                 /* a copy (perhaps an older one) is at path */
    ULONGLONG written;          /* hash of the copy last written */
};

/* File > Publish: where the live page goes and when it is next written. */
struct LivePage {
    HWND window;                /* the editor's window, whose timer paces the writes */
    WCHAR folder[PATH_CAPACITY];/* empty: not publishing */
    WCHAR forPath[PATH_CAPACITY];/* the file the folder was chosen or found for */
    int pending;                /* a change not yet written */
    int timing;                 /* the pacing timer runs */
    int replaced;               /* another bracket was put in place since the last tick */
    int failureShown;           /* the folder's failure was told; quiet until a write succeeds */
};

struct DocumentState {
    Bracket *bracket;
    WCHAR path[PATH_CAPACITY];  /* empty: no file yet, or no bracket open */
    FileFingerprint disk;       /* path as this window last read or wrote it */
    int keepsRecoveryCopies;    /* the editor's own window, not a test's or a tool's */
    RecoveryCopy recovery;
    PrintSetup print;           /* the session's page setup and print layout */
    HWND hallDisplay;           /* View > Hall display while it is open, else NULL */
    LivePage live;
};

#endif
