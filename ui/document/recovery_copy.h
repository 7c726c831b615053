/* The recovery copy: while the bracket has unsaved changes, a copy of it
 * and of the path it belongs to is kept in the user's local application
 * data, so that a crash, a kill or a power cut loses at most a second or
 * two of typing. Copies left by a program that is no longer running are
 * offered at the next start. */
#ifndef DUELMARK_UI_DOCUMENT_RECOVERY_COPY_H
#define DUELMARK_UI_DOCUMENT_RECOVERY_COPY_H

#include <windows.h>

#include "ui/common/document_state.h"

enum {
    RECOVERY_TIMER_ID = 21,
    RECOVERY_INTERVAL_MS = 1000,
    RECOVERY_OFFER_MESSAGE = WM_APP + 21  /* posted once the window is up */
};

/* Names this process's copy, starts the timer whose ticks keep it and posts
 * the message that offers the copies left by ended processes. Only for the
 * editor's own window (state->keepsRecoveryCopies); without a local
 * application-data folder nothing is ever written or offered. */
void startRecoveryCopies(HWND window, DocumentState *state);

/* One tick: writes the copy when what Save would write has changed since
 * the last copy, removes it when nothing is unsaved. A failed write is
 * silent and tried again at the next tick. */
void keepRecoveryCopy(DocumentState *state);

/* Removes the copy at once when nothing is left unsaved (saved, discarded,
 * closed); cheap enough to follow every command. */
void dropRecoveryCopyWhenClean(DocumentState *state);

/* The timer stops and the copy goes: the window is ending normally. */
void stopRecoveryCopies(HWND window, DocumentState *state);

/* Offers, one by one, each copy left by a process that is no longer
 * running, until one is restored: it opens as a file opens, unsaved, with the
 * path and disk state it belonged to (that file listed among the recent
 * files, its first save asking before it writes there) and its base slots
 * locked or not as they were. Discarded copies are deleted; copies the user
 * puts off stay for the next start. */
void offerLeftRecoveryCopies(HWND window, DocumentState *state);

#endif
