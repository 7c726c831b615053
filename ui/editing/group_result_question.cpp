#include "ui/editing/group_result_question.h"

#include "model/group_consequences.h"
#include "model/group_stage.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/losers_marks.h"
#include "ui/common/message_text.h"

enum {
    LISTED_RESULTS = 12,  /* matches the question names before "..." */
    LINE_CAPACITY = 96,
    LIST_CAPACITY = LISTED_RESULTS * LINE_CAPACITY + 8,
    QUESTION_CAPACITY = LIST_CAPACITY + 512
};

/* "QF 2: P1 3:1", one line per match. */
static void listCleared(Bracket *bracket, BracketNode *const *cleared, int count, WCHAR *list)
{
    list[0] = 0;
    for (int k = 0; k < count && k < LISTED_RESULTS; k++) {
        WCHAR name[LINE_CAPACITY / 2];
        if (cleared[k] == &bracket->thirdPlace)
            loadStringWithFallback(bracket->resourceModule, IDS_THIRD_PLACE_LABEL, name, LINE_CAPACITY / 2);
        else
            shortMatchName(bracket, cleared[k], name, LINE_CAPACITY / 2);
        WCHAR line[LINE_CAPACITY];
        const WCHAR *inserts[] = {name, cleared[k]->name, cleared[k]->result};
        formatMessageText(L"%1: %2 %3\n", inserts, 3, line, LINE_CAPACITY);
        lstrcatW(list, line);
    }
    if (count > LISTED_RESULTS)
        lstrcatW(list, L"...\n");
}

int confirmGroupResult(HWND window, Bracket *bracket, int group, int match, int winner, const WCHAR *result,
                       int outcome)
{
    BracketNode *cleared[LISTED_RESULTS];
    int count = knockoutResultsCleared(bracket, group, match, winner, result, outcome, cleared, LISTED_RESULTS);
    if (count == 0)
        return 1;
    if (count < 0)
        return 0;
    WCHAR list[LIST_CAPACITY], caption[128], question[QUESTION_CAPACITY];
    listCleared(bracket, cleared, count, list);
    WCHAR letter[2] = {groupLetter(group), 0};
    const WCHAR *inserts[] = {letter, list};
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(bracket->resourceModule, IDS_GROUP_RESULT_QUESTION, inserts, 2, question,
                         QUESTION_CAPACITY))
        formatMessageText(L"%1\n\n%2", inserts, 2, question, QUESTION_CAPACITY);
    return MessageBoxW(window, question, caption, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK;
}
