/* Filling in when and where group matches are played: one group's round,
 * every group's round, or every match ready once the groups are on. The
 * matches go into slots of the request's minutes, as many at once as there
 * are courts, so that nobody plays two matches at once (matches already
 * timed count too), and nobody plays twice in a row while a match with
 * rested entrants is left for the slot. */
#ifndef DUELMARK_MODEL_GROUP_SCHEDULE_H
#define DUELMARK_MODEL_GROUP_SCHEDULE_H

#include "model/match_schedule.h"

/* The request's round for round 1 .. MAX_GROUP_ROUNDS of group 0 ..
 * MAX_GROUP_COUNT-1, or of every group for group -1; and back: 1 with the
 * group and round for a group round, 0 for any other request. */
int scheduleGroupRound(int group, int round);
int groupRoundScheduled(int requestRound, int *group, int *round);

/* Schedules the request: a group round, or every match ready while the
 * event has groups, by the slots above (group matches by round, then
 * group, then board; the knockout's after them); any other request as
 * scheduleMatches does. Returns how many matches were scheduled. */
int scheduleEventMatches(Bracket *bracket, const ScheduleRequest *request);

#endif
