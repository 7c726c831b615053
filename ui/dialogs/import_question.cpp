#include "ui/dialogs/import_question.h"

#include "model/heap.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/string_parts.h"

enum {
    LISTED_ROWS = 20,
    PART_CAPACITY = 256,
    LINE_CAPACITY = 320,
    TEXT_CAPACITY = LISTED_ROWS * LINE_CAPACITY + 1024,
    NUMBER_CAPACITY = 16
};

static const WCHAR *const ENGLISH_REASONS[] = {
    L"Line %1: %2", L"the name is empty", L"the name is too long", L"the name is already listed",
    L"the club is too long", L"the rating is not a whole number", L"the seed is not valid",
    L"the seed is already given", L"a quotation mark is never closed", L"the list is full", L"and %1 more"};

static void reasonPart(HMODULE module, int index, WCHAR *text)
{
    loadStringPart(module, IDS_ENTRANT_ROW_REASONS, index, ENGLISH_REASONS[index], text, PART_CAPACITY);
}

WCHAR *importQuestionText(HMODULE module, const EntrantImport *import)
{
    WCHAR *text = (WCHAR *)allocBlock(TEXT_CAPACITY * sizeof(WCHAR));
    WCHAR *rows = (WCHAR *)allocBlock(TEXT_CAPACITY * sizeof(WCHAR));
    if (!text || !rows) {
        freeBlock(text);
        freeBlock(rows);
        return NULL;
    }
    WCHAR lineForm[PART_CAPACITY], reason[PART_CAPACITY], number[NUMBER_CAPACITY];
    reasonPart(module, 0, lineForm);
    int length = 0;
    rows[0] = 0;
    int listed = import->problemCount < MAX_LISTED_ROW_PROBLEMS ? import->problemCount : MAX_LISTED_ROW_PROBLEMS;
    for (int i = 0; i < listed && i < LISTED_ROWS; i++) {
        const EntrantRowProblem &problem = import->problem[i];
        int known = problem.reason >= ROW_NO_NAME && problem.reason <= ROW_LIST_FULL;
        reasonPart(module, known ? problem.reason : ROW_NO_NAME, reason);
        wsprintfW(number, L"%d", problem.line);
        const WCHAR *inserts[] = {number, reason};
        if (length)
            rows[length++] = L'\n';
        length += formatMessageText(lineForm, inserts, 2, rows + length, TEXT_CAPACITY - length - LINE_CAPACITY);
    }
    if (import->problemCount > LISTED_ROWS) {
        WCHAR more[PART_CAPACITY];
        reasonPart(module, 10, more);
        wsprintfW(number, L"%d", import->problemCount - LISTED_ROWS);
        const WCHAR *inserts[] = {number};
        rows[length++] = L'\n';
        formatMessageText(more, inserts, 1, rows + length, TEXT_CAPACITY - length);
    }
    WCHAR bad[NUMBER_CAPACITY], total[NUMBER_CAPACITY], good[NUMBER_CAPACITY], question[PART_CAPACITY * 2];
    wsprintfW(bad, L"%d", import->problemCount);
    wsprintfW(total, L"%d", import->problemCount + import->entrants.count);
    wsprintfW(good, L"%d", import->entrants.count);
    if (!loadStringWithFallback(module, IDS_IMPORT_BAD_ROWS, question, PART_CAPACITY * 2))
        lstrcpyW(question, L"%1 / %2:\n\n%3\n\n%4?");
    const WCHAR *inserts[] = {bad, total, rows, good};
    formatMessageText(question, inserts, 4, text, TEXT_CAPACITY);
    freeBlock(rows);
    return text;
}

int askToImportRest(HWND owner, HMODULE module, const EntrantImport *import)
{
    if (import->problemCount == 0)
        return 1;
    WCHAR *text = importQuestionText(module, import);
    if (!text)
        return 0;
    WCHAR caption[128];
    if (!loadStringWithFallback(module, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    int answer = MessageBoxW(owner, text, caption, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2);
    freeBlock(text);
    return answer == IDOK;
}
