// Answers the modal boxes a test provokes, for real: while armed, every
// dialog-class window (message boxes included) that this thread creates is
// clicked shut with the chosen button as soon as it is activated, and what
// it showed is recorded for the test to check afterwards.
#ifndef DUELMARK_TESTS_SUPPORT_DIALOG_ANSWER_H
#define DUELMARK_TESTS_SUPPORT_DIALOG_ANSWER_H

#include <windows.h>

struct DialogAnswer {
    int button;            // the control id to click: IDYES, IDNO, IDOK, IDCANCEL, ...
    int count;             // boxes answered since arming
    int clicked;           // the id actually clicked in the last box (0: none found)
    HWND owner;            // owner of the last box
    WCHAR caption[256];    // caption of the last box
    WCHAR text[1024];      // message-box text of the last box (static 0xFFFF), or ""
    int hasYes, hasNo, hasOk, hasCancel; // buttons the last box offered
};

// Starts answering on the calling thread; answer stays the caller's and
// must outlive the matching disarm. Windows that already exist are never
// touched, so the test's own main window is safe.
void armDialogAnswer(DialogAnswer *answer, int button);

// Stops answering. Safe to call when not armed.
void disarmDialogAnswer(void);

// The answer in force, or NULL.
DialogAnswer *activeDialogAnswer(void);

// Answers into answer again without resetting what it recorded.
void resumeDialogAnswer(DialogAnswer *answer);

// Arms for the lifetime of a scope and then puts back whatever answer was
// in force before, so a fixture can keep a catch-all answer that stops an
// unexpected box from hanging a test.
struct ScopedDialogAnswer {
    DialogAnswer answer;
    DialogAnswer *outer;
    explicit ScopedDialogAnswer(int button) : outer(activeDialogAnswer()) { armDialogAnswer(&answer, button); }
    ~ScopedDialogAnswer()
    {
        disarmDialogAnswer();
        if (outer)
            resumeDialogAnswer(outer);
    }
    ScopedDialogAnswer(const ScopedDialogAnswer &) = delete;
    ScopedDialogAnswer &operator=(const ScopedDialogAnswer &) = delete;
};

#endif
