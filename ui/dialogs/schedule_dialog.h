/* The Schedule matches dialog: which matches (every one ready, or one
 * round), a first start, minutes per match, the courts available, and
 * whether times already set are replaced. */
#ifndef DUELMARK_UI_DIALOGS_SCHEDULE_DIALOG_H
#define DUELMARK_UI_DIALOGS_SCHEDULE_DIALOG_H

#include "model/match_schedule.h"

/* the rounds of a bracket of the largest size, the third-place match, the
 * losers' rounds and grand final, every match ready, and each round of
 * every group and of all groups together */
enum { SCHEDULE_ROUND_CAPACITY = 32 + 8 * 27, ROUND_NAME_CAPACITY = 64 };

/* One choice of the dialog's first field: its name and the request's
 * round for it. */
struct ScheduleRound {
    WCHAR name[ROUND_NAME_CAPACITY];
    int round;
};

/* What the dialog shows on entry and hands back on OK. */
struct ScheduleChoice {
    HMODULE module;     /* where the template and the complaints come from */
    ScheduleRound rounds[SCHEDULE_ROUND_CAPACITY];  /* in: offered in this order, the first chosen */
    int roundCount;
    ScheduleRequest request;  /* out */
    WCHAR courts[256];  /* request.courts points here */
};

/* Runs the dialog owned by owner, from module's template (the executable's
 * when module has none). Returns 1 on OK with choice's request filled in,
 * 0 on Cancel or when the dialog could not be shown. */
int runScheduleDialog(HWND owner, ScheduleChoice *choice);

#endif
