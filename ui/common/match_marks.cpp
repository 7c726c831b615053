#include "ui/common/match_marks.h"

#include "model/match_outcome.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

/* Joins part onto text with a space, within MARK_CAPACITY. */
static void appendPart(WCHAR *text, const WCHAR *part)
{
    int length = lstrlenW(text);
    if (!part[0] || length >= MARK_CAPACITY - 2)
        return;
    if (length)
        text[length++] = L' ';
    lstrcpynW(text + length, part, MARK_CAPACITY - length);
}

void matchScoreText(HMODULE resources, const WCHAR *result, int outcome, WCHAR *text)
{
    static const UINT MARKS[OUTCOME_COUNT] = {0, IDS_MARK_WALKOVER, IDS_MARK_RETIRED, IDS_MARK_DISQUALIFIED,
                                              IDS_MARK_DOUBLE_WALKOVER};
    lstrcpynW(text, result, MARK_CAPACITY);
    if (outcome <= OUTCOME_PLAYED || outcome >= OUTCOME_COUNT)
        return;
    WCHAR mark[32];
    if (loadStringWithFallback(resources, MARKS[outcome], mark, 32))
        appendPart(text, mark);
}

void matchTimeText(const MatchDetails *details, int withDate, WCHAR *text)
{
    text[0] = 0;
    SYSTEMTIME time;
    if (details->time[0] && parseMatchTime(details->time, &time)) {
        WCHAR part[48];
        if (withDate && GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, NULL, part, 48, NULL))
            appendPart(text, part);
        if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, NULL, part, 48))
            appendPart(text, part);
    }
}

void matchScheduleText(const MatchDetails *details, int withDate, WCHAR *text)
{
    matchTimeText(details, withDate, text);
    if (details->court[0]) {
        if (text[0])
            appendPart(text, L"\x00B7");
        appendPart(text, details->court);
    }
}

int bracketSpansDays(Bracket *bracket)
{
    const WCHAR *first = NULL;
    int matches = 2 * bracket->slotCount - 1;
    int losers = bracket->losers.on && bracket->losers.matches ? bracket->slotCount : 0;
    for (int id = bracket->slotCount + 1; id <= matches + 1 + losers; id++) {
        /* The tree's matches, the third-place match, the losers' bracket. */
        const MatchDetails *details = id <= matches       ? &bracket->nodeTable[id - 1]->details
                                      : id == matches + 1 ? &bracket->thirdPlace.details
                                                          : &bracket->losers.matches[id - matches - 2].details;
        if (!details->time[0])
            continue;
        /* The date is the first ten units of the time's one form. */
        if (!first)
            first = details->time;
        else if (CompareStringOrdinal(first, 10, details->time, 10, FALSE) != CSTR_EQUAL)
            return 1;
    }
    return 0;
}

int matchMarkText(Bracket *bracket, BracketNode *node, int withDate, WCHAR *text)
{
    MatchDetails *details = matchDetailsOf(bracket, node);
    if (isMatchDecided(bracket, node)) {
        matchScoreText(bracket->resourceModule, node->result, details->outcome, text);
        return 1;
    }
    matchScheduleText(details, withDate, text);
    return 0;
}

/* Round names count the teams still in: the final has 2, the semi-finals
 * 4, the quarter-finals 8, every earlier round "round of N". */
void roundHeading(Bracket *bracket, int level, WCHAR *text, int capacity)
{
    HMODULE module = bracket->resourceModule;
    if (level == 0) {
        /* With a losers' bracket the tournament's champion is whoever wins
         * the last match played, not the winners' bracket's winner. */
        loadStringWithFallback(module, bracket->losers.on ? IDS_WINNERS_BRACKET_WINNER : IDS_PICTURE_CHAMPION, text,
                               capacity);
    } else if (level <= 3) {
        UINT ids[] = {IDS_PICTURE_FINAL, IDS_PICTURE_SEMI_FINALS, IDS_PICTURE_QUARTER_FINALS};
        loadStringWithFallback(module, ids[level - 1], text, capacity);
    } else {
        WCHAR teams[16];
        wsprintfW(teams, L"%d", 1 << level);
        const WCHAR *inserts[] = {teams};
        loadMessageText(module, IDS_PICTURE_ROUND_OF, inserts, 1, text, capacity);
    }
}
