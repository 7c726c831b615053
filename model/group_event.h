/* An event played in groups first, made from a list of entrants: the
 * groups drawn (model/group_draw.h), their matches waiting, and the
 * knockout's tree with its byes where no group's place stands. */
#ifndef DUELMARK_MODEL_GROUP_EVENT_H
#define DUELMARK_MODEL_GROUP_EVENT_H

#include "model/bracket.h"
#include "model/entrant_list.h"
#include "model/team_draw.h"

struct GroupEventFormat {
    int groupCount;  /* 1 .. MAX_GROUP_COUNT; 0: made from groupSize */
    int groupSize;   /* "groups of n" when groupCount is 0 */
    int advancing;   /* 1 .. MAX_GROUP_ADVANCING of each group go through */
    int rules;       /* a GroupRules */
    int placement;   /* an EntrantPlacement: by seed in a snake, drawn from pots, as listed */
};

/* The groups a list of entrants makes under format (groupCount, or the
 * count groupSize gives). Returns the count, or 0 when none fits. */
int groupEventGroupCount(int entrants, const GroupEventFormat *format);

/* Builds the event for the list's entrants (first name = seed 1) in an
 * empty record: the knockout's tree for groupCount x advancing with its
 * byes (every base slot empty until its group is decided) and the groups
 * filled by placement; seeds are kept for the seeded snake only. The
 * title, the format of the knockout and the dirty flag are left to the
 * caller. Returns 1, or 0 with the record empty when the groups do not
 * fit the field, fewer than two would go through, memory ran out or the
 * random source failed. */
int buildGroupEventFromList(Bracket *bracket, const WCHAR *text, const GroupEventFormat *format,
                            RandomBelow random, void *context);

/* The same for a field with clubs (best first): the seeded snake and the
 * pots' draw keep club-mates in different groups where the pots allow;
 * as listed takes the list's order. */
int buildGroupEventFromField(Bracket *bracket, const Entrant *field, int count, const GroupEventFormat *format,
                             RandomBelow random, void *context);

#endif
