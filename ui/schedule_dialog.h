/* Schedule matches...: the matches of one round (or every match whose two
 * entrants are known) given times from a first start, minutes apart, on
 * the courts named, in bracket order. */
#ifndef DUELMARK_UI_SCHEDULE_DIALOG_H
#define DUELMARK_UI_SCHEDULE_DIALOG_H

#include "model/match_schedule.h"
#include "ui/document_state.h"

/* What the dialog shows on entry and hands back on OK. */
struct ScheduleChoice {
    Bracket *bracket;   /* the rounds offered are its own */
    ScheduleRequest request;
    WCHAR courts[256];  /* request.courts points here */
};

/* Runs the dialog owned by owner. Returns 1 on OK with choice filled in,
 * 0 on Cancel or when the dialog could not be shown. */
int runScheduleDialog(HWND owner, ScheduleChoice *choice);

/* The Schedule matches command: the dialog, then every time and court it
 * fills in as one undo step. */
void scheduleMatchesCommand(HWND window, DocumentState *state);

#endif
