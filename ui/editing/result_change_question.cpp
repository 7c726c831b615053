#include "ui/editing/result_change_question.h"

#include "model/heap.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/played_results.h"
#include "model/slot_control.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/common/message_text.h"
#include "ui/editing/edit_history.h"
#include "ui/window/losers_view.h"
#include "ui/window/pick_controls.h"

enum {
    QUESTION_CAPACITY = 4096,
    LISTED_RESULTS = 12   /* a longer list is cut, its count said */
};

/* "SF 1: Ann 11:7 w/o" for one result as it stood. */
static void resultLine(Bracket *bracket, const PlayedResult *noted, WCHAR *line, int capacity)
{
    WCHAR match[64], score[MARK_CAPACITY];
    if (noted->match == &bracket->thirdPlace)
        loadStringWithFallback(bracket->resourceModule, IDS_THIRD_PLACE_LABEL, match, 64);
    else
        shortMatchName(bracket, noted->match, match, 64);
    matchScoreText(bracket->resourceModule, noted->result, noted->outcome, score);
    const WCHAR *inserts[] = {match, noted->winner, score};
    loadMessageText(bracket->resourceModule, IDS_CLEARED_RESULT_LINE, inserts, 3, line, capacity);
}

static void appendText(WCHAR *text, int capacity, const WCHAR *more)
{
    int length = lstrlenW(text);
    if (length < capacity - 1)
        lstrcpynW(text + length, more, capacity - length);
}

static void listResults(Bracket *bracket, const PlayedResults *results, int count, WCHAR *list, int capacity)
{
    list[0] = 0;
    WCHAR line[256];
    for (int i = 0; i < count && i < LISTED_RESULTS; i++) {
        resultLine(bracket, &results->items[i], line, 256);
        if (i)
            appendText(list, capacity, L"\n");
        appendText(list, capacity, line);
    }
    if (count > LISTED_RESULTS) {
        WCHAR more[16];
        wsprintfW(more, L"%d", count - LISTED_RESULTS);
        const WCHAR *inserts[] = {more};
        loadMessageText(bracket->resourceModule, IDS_CLEARED_RESULTS_MORE, inserts, 1, line, 256);
        appendText(list, capacity, L"\n");
        appendText(list, capacity, line);
    }
}

static int askAboutLostResults(HWND window, Bracket *bracket, const PlayedResults *results, int count,
                               UINT question, const WCHAR *const *inserts, int insertCount)
{
    WCHAR number[16], caption[128];
    WCHAR *list = (WCHAR *)allocBlock(2 * QUESTION_CAPACITY * sizeof(WCHAR));
    if (!list)
        return IDNO;
    WCHAR *message = list + QUESTION_CAPACITY;
    wsprintfW(number, L"%d", count);
    listResults(bracket, results, count, list, QUESTION_CAPACITY);
    const WCHAR *all[4] = {number, list, insertCount > 0 ? inserts[0] : L"", insertCount > 1 ? inserts[1] : L""};
    loadMessageText(bracket->resourceModule, question, all, 4, message, QUESTION_CAPACITY);
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    int answer = MessageBoxW(window, message, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    freeBlock(list);
    return answer;
}

int changeAskingFirst(HWND window, DocumentState *state, BracketNode *spared, BracketChange change,
                      void *context, UINT question, const WCHAR *const *inserts, int insertCount, int picksCount)
{
    Bracket *bracket = state->bracket;
    PlayedResults results;
    int noted = notePlayedResults(bracket, &results);
    int before = bracket->history.position;
    beginUndoStep(bracket, 0);
    change(window, bracket, context);
    endUndoStep(bracket);
    int lost = noted ? lostPlayedResults(&results, spared) : 0;
    /* Without a step to take back (memory ran out) the change stands, as
     * every change does when its history cannot be kept. */
    /* A pick changed over bare picks is the plain cascade every editor of
     * brackets knows, and an arrow key in an open list makes one at each
     * step: only a score or an outcome played is worth the question. */
    if (!lost || bracket->history.position != before + 1 || (!picksCount && !anyScoredResult(&results, lost))) {
        freePlayedResults(&results);
        return 1;
    }
    undoEdit(window, state);
    int answer = askAboutLostResults(window, bracket, &results, lost, question, inserts, insertCount);
    freePlayedResults(&results);
    if (answer == IDYES && bracket->slotCount) {
        redoEdit(window, state);
        return 1;
    }
    dropRedoSteps(bracket);
    return 0;
}

struct PickChange {
    HWND control;
};

static void takeShownPick(HWND, Bracket *bracket, void *context)
{
    handleSlotTextChange(((PickChange *)context)->control, bracket);
}

void recordPickChange(HWND window, DocumentState *state, HWND control)
{
    Bracket *bracket = state->bracket;
    BracketNode *node = bracket->slotCount ? slotOfControl(control) : NULL;
    /* A control still being filled by the layout carries no slot yet. */
    if (!node)
        return;
    PickChange change = {control};
    changeAskingFirst(window, state, node, takeShownPick, &change, IDS_CHANGE_CLEARS_RESULTS, NULL, 0, 0);
}

struct LosersPickChange {
    BracketNode *match;
    WCHAR name[NAME_CAPACITY];
};

static void takeLosersPick(HWND, Bracket *bracket, void *context)
{
    LosersPickChange *change = (LosersPickChange *)context;
    if (!setLosersPick(bracket, change->match, change->name))
        showLosersPick(change->match);
}

void recordLosersPickChange(HWND window, DocumentState *state, HWND control)
{
    Bracket *bracket = state->bracket;
    LosersPickChange change;
    change.match = bracket->slotCount ? slotOfControl(control) : NULL;
    if (!losersNumberOf(bracket, change.match))
        return;
    shownName(control, change.name);
    changeAskingFirst(window, state, change.match, takeLosersPick, &change, IDS_CHANGE_CLEARS_RESULTS, NULL, 0, 0);
}
