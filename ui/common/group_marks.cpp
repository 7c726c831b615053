#include "ui/common/group_marks.h"

#include "model/match_score.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

static int isDigit(WCHAR c)
{
    return c >= L'0' && c <= L'9';
}

static int digitRun(const WCHAR *text)
{
    int length = 0;
    while (isDigit(text[length]))
        length++;
    return length;
}

void turnResultAround(const WCHAR *result, WCHAR *into)
{
    int out = 0;
    for (int i = 0; result[i] && out < RESULT_CAPACITY - 1;) {
        int first = digitRun(result + i);
        WCHAR separator = first ? result[i + first] : 0;
        int second = (separator == L':' || separator == L'-') ? digitRun(result + i + first + 1) : 0;
        /* Only a whole pair turns: "3-1" does, a date or a lone number does not. */
        if (!first || !second || (i > 0 && isDigit(result[i - 1]))) {
            into[out++] = result[i++];
            continue;
        }
        if (out + first + second + 1 > RESULT_CAPACITY - 1)
            break;
        for (int k = 0; k < second; k++)
            into[out++] = result[i + first + 1 + k];
        into[out++] = separator;
        for (int k = 0; k < first; k++)
            into[out++] = result[i + k];
        i += first + 1 + second;
    }
    into[out] = 0;
}

void groupCellText(Bracket *bracket, const StageGroup *group, int match, int side, WCHAR *text)
{
    text[0] = 0;
    int home, away;
    if (!groupMatchEntrants(group, match, &home, &away) || !isGroupMatchDecided(group, match))
        return;
    const BracketNode *node = &group->match[match];
    int winner = groupMatchWinner(group, match);
    int sideWon = (winner == GROUP_HOME_WON && side == home) || (winner == GROUP_AWAY_WON && side == away);
    /* A result stands from the winner's side, a draw's from the home side. */
    int turned = winner == GROUP_DRAWN ? side == away : winner != GROUP_UNDECIDED && !sideWon;
    WCHAR result[RESULT_CAPACITY];
    MatchScore score;
    int unreadable = readMatchScore(node->result, &score) == SCORE_UNREADABLE;
    if (turned && !unreadable)
        turnResultAround(node->result, result);
    else
        lstrcpynW(result, node->result, RESULT_CAPACITY);
    if (!result[0] && winner != GROUP_UNDECIDED) {
        UINT word = winner == GROUP_DRAWN ? IDS_RESULT_DRAW : sideWon ? IDS_GROUP_CELL_WON : IDS_GROUP_CELL_LOST;
        loadStringWithFallback(bracket->resourceModule, word, result, RESULT_CAPACITY);
    }
    matchScoreText(bracket->resourceModule, result, node->details.outcome, text);
    if (unreadable) {
        WCHAR plain[MARK_CAPACITY];
        lstrcpyW(plain, text);
        const WCHAR *inserts[] = {plain};
        if (!loadMessageText(bracket->resourceModule, IDS_GROUP_UNREADABLE, inserts, 1, text, MARK_CAPACITY))
            lstrcpyW(text, plain);
    }
}
