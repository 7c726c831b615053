/* The draw's answer put into the bracket: a first round made from a
 * separated draw of the entrant list, or the first round drawn again, with
 * every slot's entrant found in the list by name. */
#ifndef DUELMARK_MODEL_ENTRANT_DRAW_H
#define DUELMARK_MODEL_ENTRANT_DRAW_H

#include "model/club_separation.h"

/* Whether any of count entrants gives a club. */
int fieldHasClubs(const Entrant *field, int count);

/* A list that gives no seed is ranked by its order. Without clubs every
 * entrant is seeded in list order, as a plain list always was; with clubs
 * only the first quarter of the lines (at least two) is seeded, so the draw
 * is free to keep the other club-mates apart. Leaves a list that gives any
 * seed as it is. */
void seedUnseededField(Entrant *field, int count, int slotCount);

/* Builds the bracket of draw->slotCount slots in an empty record, each
 * base slot holding its entrant's name or a bye; with keepSeeds the slot
 * of a seeded entrant carries its seed line. Every pick a bye decides is
 * made. Returns 1, or 0 with the record empty when memory ran out. */
int buildBracketFromDraw(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw, int keepSeeds);

/* The first round as a field for the draw: each named base slot's entrant
 * from the bracket's list (a name the list lacks stands for no club), in
 * slot order, into field (MAX_TEAM_COUNT), and in entrantOfSlot each slot's
 * place in the field or -1. Returns how many. */
int firstRoundField(const Bracket *bracket, Entrant *field, int *entrantOfSlot);

/* Puts the draw's names into the first round (seeds and byes stay with
 * their slots) and clears every pick but those a bye decides. */
void applyFirstRoundDraw(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw);

#endif
