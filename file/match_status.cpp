#include "file/match_status.h"
#include "model/entrant_name.h"
#include "model/match_details.h"

/* Status="" values in OUTCOME order; played is the attribute's absence. */
static const WCHAR *const STATUS_NAMES[OUTCOME_COUNT] = {NULL, L"walkover", L"retired", L"disqualified",
                                                         L"double-walkover"};

const WCHAR *matchStatusName(int outcome)
{
    return outcome > OUTCOME_PLAYED && outcome < OUTCOME_COUNT ? STATUS_NAMES[outcome] : NULL;
}

int matchStatusOutcome(const WCHAR *value)
{
    for (int outcome = OUTCOME_PLAYED + 1; value && outcome < OUTCOME_COUNT; outcome++) {
        if (sameName(value, STATUS_NAMES[outcome]))
            return outcome;
    }
    return OUTCOME_PLAYED;
}
