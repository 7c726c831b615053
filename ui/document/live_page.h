/* File > Publish: the live page for spectators. Once a folder is chosen,
 * each change to the bracket is written there as index.html, at most once
 * every LIVE_PAGE_INTERVAL_MS (a change made meanwhile is written when the
 * wait ends). The folder is remembered for the bracket's file on this
 * computer, never in the file, and opening that file again resumes
 * publishing there. */
#ifndef DUELMARK_UI_DOCUMENT_LIVE_PAGE_H
#define DUELMARK_UI_DOCUMENT_LIVE_PAGE_H

#include <windows.h>

#include "ui/common/document_state.h"

enum {
    LIVE_PAGE_TIMER_ID = 750,
    LIVE_PAGE_INTERVAL_MS = 5000
};

/* Where the folders are remembered: under this key of the current user,
 * one value a file, named by the file's full path. */
extern const WCHAR LIVE_PAGE_KEY[];

/* Starts listening to the bracket's changes for the window's life, and
 * resumes publishing when the open file has a folder. */
void startLivePage(HWND window, DocumentState *state);

/* One tick of the pacing timer. */
void keepLivePage(DocumentState *state);

/* The window is ending: no more writes. */
void stopLivePage(HWND window, DocumentState *state);

/* The command: asks for a folder and starts publishing, or stops when it
 * is on. */
void togglePublishing(HWND window, DocumentState *state);

#endif
