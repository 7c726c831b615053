#include "ui/common/losers_marks.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

void losersMatchHeading(Bracket *bracket, int k, WCHAR *text, int capacity)
{
    HMODULE module = bracket->resourceModule;
    text[0] = 0;
    if (k == bracket->slotCount - 1) {
        loadStringWithFallback(module, IDS_GRAND_FINAL, text, capacity);
        return;
    }
    if (k == bracket->slotCount) {
        loadStringWithFallback(module, IDS_GRAND_FINAL_RESET, text, capacity);
        return;
    }
    int round, position;
    losersRoundOf(bracket, k, &round, &position);
    if (round == losersRoundCount(bracket)) {
        loadStringWithFallback(module, IDS_LOSERS_FINAL, text, capacity);
        return;
    }
    WCHAR number[16];
    wsprintfW(number, L"%d", round);
    const WCHAR *inserts[] = {number};
    loadMessageText(module, IDS_LOSERS_ROUND, inserts, 1, text, capacity);
}

void loadMatchWords(HMODULE module, MatchWords *words)
{
    loadStringWithFallback(module, IDS_LOSERS_FINAL, words->losersFinal, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_SHORT_LOSERS, words->losersRound, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_SHORT_FINAL, words->final, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_SHORT_SEMI_FINAL, words->semiFinal, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_SHORT_QUARTER_FINAL, words->quarterFinal, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_SHORT_ROUND, words->round, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_LOSER_OF, words->loserOf, MATCH_WORD_CAPACITY);
    loadStringWithFallback(module, IDS_WINNER_OF, words->winnerOf, MATCH_WORD_CAPACITY);
}

/* Winners' rounds are named by the entrants still in, as their headings
 * are: the final, SF, QF, then "R16", "R32" and so on. */
void shortMatchNameIn(Bracket *bracket, const MatchWords *words, BracketNode *match, WCHAR *text, int capacity)
{
    WCHAR round[16], position[16];
    int k = losersNumberOf(bracket, match), r, p;
    text[0] = 0;
    if (k) {
        losersRoundOf(bracket, k, &r, &p);
        if (r == losersRoundCount(bracket)) {
            lstrcpynW(text, words->losersFinal, capacity);
            return;
        }
        wsprintfW(round, L"%d", r);
        wsprintfW(position, L"%d", p);
        const WCHAR *inserts[] = {round, position};
        formatMessageText(words->losersRound, inserts, 2, text, capacity);
        return;
    }
    winnersRoundOf(bracket, match, &r, &p);
    int level = bracket->depth - r + 1;
    wsprintfW(position, L"%d", p);
    const WCHAR *inserts[] = {position, position};
    if (level <= 1) {
        lstrcpynW(text, words->final, capacity);
    } else if (level <= 3) {
        formatMessageText(level == 2 ? words->semiFinal : words->quarterFinal, inserts, 1, text, capacity);
    } else {
        wsprintfW(round, L"%d", 1 << level);
        inserts[0] = round;
        formatMessageText(words->round, inserts, 2, text, capacity);
    }
}

void shortMatchName(Bracket *bracket, BracketNode *match, WCHAR *text, int capacity)
{
    MatchWords words;
    loadMatchWords(bracket->resourceModule, &words);
    shortMatchNameIn(bracket, &words, match, text, capacity);
}

void feederTextIn(Bracket *bracket, const MatchWords *words, const LosersFeeder *feeder, WCHAR *text)
{
    text[0] = 0;
    if (!feeder->match)
        return;
    WCHAR name[32];
    shortMatchNameIn(bracket, words, feeder->match, name, 32);
    const WCHAR *inserts[] = {name};
    formatMessageText(feeder->loser ? words->loserOf : words->winnerOf, inserts, 1, text, FEEDER_TEXT_CAPACITY);
}

void feederText(Bracket *bracket, const LosersFeeder *feeder, WCHAR *text)
{
    MatchWords words;
    loadMatchWords(bracket->resourceModule, &words);
    feederTextIn(bracket, &words, feeder, text);
}

void dropInText(Bracket *bracket, const MatchWords *words, int k, int brief, WCHAR *text)
{
    LosersFeeder feeders[2];
    losersFeeders(bracket, k, feeders);
    text[0] = 0;
    if (k >= bracket->slotCount - 1)
        return;
    for (int side = 0; side < 2; side++) {
        if (!feeders[side].loser)
            continue;
        WCHAR part[FEEDER_TEXT_CAPACITY];
        if (brief)
            shortMatchNameIn(bracket, words, feeders[side].match, part, FEEDER_TEXT_CAPACITY);
        else
            feederTextIn(bracket, words, &feeders[side], part);
        if (text[0] && lstrlenW(text) + 3 + lstrlenW(part) < FEEDER_TEXT_CAPACITY)
            lstrcatW(text, L" / ");
        if (lstrlenW(text) + lstrlenW(part) < FEEDER_TEXT_CAPACITY)
            lstrcatW(text, part);
    }
}
