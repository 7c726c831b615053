// Answers the modal boxes a test provokes, for real: while armed, every
// dialog-class window (message boxes included) that this thread creates is
// clicked shut with the chosen button as soon as it is activated, and what
// it showed is recorded for the test to check afterwards. Armed to refuse,
// it keeps every such window from appearing at all instead.
#ifndef DUELMARK_TESTS_SUPPORT_DIALOG_ANSWER_H
#define DUELMARK_TESTS_SUPPORT_DIALOG_ANSWER_H

#include <windows.h>

struct DialogAnswer;

// Chooses the answer to one box, called once the box is recorded in answer;
// it may fill the box in first. Returns the control id to click.
typedef int (*DialogChooser)(HWND box, DialogAnswer *answer);

// As the button: every dialog this thread tries to create fails to appear,
// as when a resource module lacks the template (DialogBoxParamW gives -1);
// count says how many were refused.
enum { DIALOG_REFUSED = -1 };

struct DialogAnswer {
    int button;            // the control id to click: IDYES, IDNO, IDOK, IDCANCEL, ..., or DIALOG_REFUSED
    DialogChooser choose;  // when set, chooses the control id per box instead of button
    void *context;         // the chooser's own record
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

// Starts answering each box with what choose returns for it.
void armDialogChooser(DialogAnswer *answer, DialogChooser choose, void *context);

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
    ScopedDialogAnswer(DialogChooser choose, void *context) : outer(activeDialogAnswer())
    {
        armDialogChooser(&answer, choose, context);
    }
    ~ScopedDialogAnswer()
    {
        disarmDialogAnswer();
        if (outer)
            resumeDialogAnswer(outer);
    }
    ScopedDialogAnswer(const ScopedDialogAnswer &) = delete;
    ScopedDialogAnswer &operator=(const ScopedDialogAnswer &) = delete;
};

// A user who fills the setup dialog in with title and the team count at
// teamsIndex in its list and presses OK, and answers No to any other box;
// the chooser's context, counting both.
struct SetupAnswer {
    const WCHAR *title;
    int teamsIndex;
    int setups;     // setup dialogs filled in
    int questions;  // other boxes that offered No
};
int answerSetupThenNo(HWND box, DialogAnswer *answer);

#endif
