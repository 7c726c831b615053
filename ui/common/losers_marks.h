/* The texts that tell of the losers' bracket wherever it is shown (the
 * window, the tooltips, the picture, the order of play): the heading of a
 * losers' round or of the grand final, and where an entrant comes from
 * ("Loser of QF 2", "Winner of L1 3"). */
#ifndef DUELMARK_UI_COMMON_LOSERS_MARKS_H
#define DUELMARK_UI_COMMON_LOSERS_MARKS_H

#include "model/losers_bracket.h"

enum { FEEDER_TEXT_CAPACITY = 64 };

/* "Losers' round 2", "Losers' final", "Grand final" or "Grand final
 * reset": the heading of losers' match k (1 .. N). */
void losersMatchHeading(Bracket *bracket, int k, WCHAR *text, int capacity);

/* "QF 2", "the final", "L1 3": a match named by its round and place; the
 * losers' final, alone in its round, by its heading. */
void shortMatchName(Bracket *bracket, BracketNode *match, WCHAR *text, int capacity);

/* "Loser of QF 2" or "Winner of L3 1" (FEEDER_TEXT_CAPACITY units). */
void feederText(Bracket *bracket, const LosersFeeder *feeder, WCHAR *text);

enum { MATCH_WORD_CAPACITY = 64 };

/* The words those names are made of, loaded once for the hundreds of
 * feeders a large picture labels. */
struct MatchWords {
    WCHAR losersFinal[MATCH_WORD_CAPACITY], losersRound[MATCH_WORD_CAPACITY], final[MATCH_WORD_CAPACITY],
        semiFinal[MATCH_WORD_CAPACITY], quarterFinal[MATCH_WORD_CAPACITY], round[MATCH_WORD_CAPACITY],
        loserOf[MATCH_WORD_CAPACITY], winnerOf[MATCH_WORD_CAPACITY];
};

void loadMatchWords(HMODULE module, MatchWords *words);

/* shortMatchName and feederText with the words already loaded. */
void shortMatchNameIn(Bracket *bracket, const MatchWords *words, BracketNode *match, WCHAR *text, int capacity);
void feederTextIn(Bracket *bracket, const MatchWords *words, const LosersFeeder *feeder, WCHAR *text);

/* What a losers' match's drop-down says of where its entrants drop in from
 * the winners' bracket: "Loser of QF 2", both such feeders joined by
 * " / " in the first round, or with short set only the matches' names
 * ("QF 1 / QF 2"); empty for a match fed by the losers' bracket alone.
 * The window asks it of every losers' match: the words come loaded. */
void dropInText(Bracket *bracket, const MatchWords *words, int k, int brief, WCHAR *text);

#endif
