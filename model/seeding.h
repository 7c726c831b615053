/* A field of entrants made into a bracket: standard seed placement, byes
 * for the top seeds when the field is short of a power of two, and the
 * other two ways of filling the slots (a random draw, the list's order). */
#ifndef DUELMARK_MODEL_SEEDING_H
#define DUELMARK_MODEL_SEEDING_H

#include "model/bracket.h"
#include "model/seed_placement.h"
#include "model/team_draw.h"

enum { MIN_ENTRANT_COUNT = 2 };

/* The number of names a list holds, by nextListName's rules. */
int countEntrants(const WCHAR *text);

/* Builds a bracket for the list's entrants (first name = seed 1) in an
 * empty record: byes where seeds above the field would stand, names by
 * placement, and every pick a bye decides made. Seed numbers are kept only
 * for PLACE_SEEDED. The title and the dirty flag are left to the caller.
 * Returns 1, or 0 with the record empty when the list holds fewer than 2 or
 * more than MAX_TEAM_COUNT entrants, memory ran out or the random source
 * failed. */
int buildBracketFromList(Bracket *bracket, const WCHAR *text, int placement, RandomBelow random,
                         void *context);

/* Drops what a file may carry but a bracket cannot hold: seeds outside
 * 1 .. MAX_TEAM_COUNT, off the base slots or given twice (the first by id
 * stays), byes off the base slots, with a name, or facing another bye;
 * then makes every empty pick a bye or a double walkover decides. Names
 * and other picks stay, also one that names an entrant who cannot be
 * there. */
void settleSeedsAndByes(Bracket *bracket);

#endif
