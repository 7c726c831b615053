#include "ui/document/entrant_files.h"
#include <commdlg.h>

#include "file/csv_text.h"
#include "file/entrant_csv.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/string_parts.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/dialogs/import_question.h"
#include "ui/document/new_from_list.h"
#include "ui/document/open_failure.h"
#include "ui/document/save_failure.h"
#include "ui/schedule/results_rows.h"

enum { FILTER_CAPACITY = 192, TYPE_NAME_CAPACITY = 128, HEADING_CAPACITY = 64 };

/* "<type name>\0<pattern>\0\0" into filter. */
static void csvFilter(HMODULE module, const WCHAR *pattern, WCHAR *filter)
{
    int length = loadStringWithFallback(module, IDS_CSV_FILE_TYPE, filter, TYPE_NAME_CAPACITY);
    if (!length)
        length = lstrlenW(lstrcpyW(filter, L"CSV"));
    lstrcpyW(filter + length + 1, pattern);
    length += lstrlenW(pattern) + 2;
    filter[length] = 0;
}

/* Returns 1 with the chosen path. */
static int askCsvPath(HWND window, HMODULE module, WCHAR *path, int save)
{
    WCHAR filter[FILTER_CAPACITY];
    csvFilter(module, save ? L"*.csv" : L"*.csv;*.txt", filter);
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, path, save ? SAVE_DIALOG_FLAGS : OPEN_DIALOG_FLAGS);
    dialog.lpstrFilter = filter;
    dialog.lpstrDefExt = L"csv";
    return save ? showSaveFileDialog(&dialog, module) : showOpenFileDialog(&dialog, module);
}

/* The file's name without folder or extension, as the new bracket's title. */
static void titleOfPath(const WCHAR *path, WCHAR *title)
{
    const WCHAR *name = path;
    for (const WCHAR *c = path; *c; c++) {
        if (*c == L'\\' || *c == L'/' || *c == L':')
            name = c + 1;
    }
    lstrcpynW(title, name, TITLE_CAPACITY);
    WCHAR *dot = NULL;
    for (WCHAR *c = title; *c; c++) {
        if (*c == L'.')
            dot = c;
    }
    if (dot && dot != title)
        *dot = 0;
}

/* The entrants as the New from list dialog shows them: a header row in
 * English (which the reader takes in every language) and one row each. */
static WCHAR *entrantRowsText(const EntrantList *list)
{
    CsvWriter writer = {};
    const WCHAR *headings[] = {L"Name", L"Club", L"Rating", L"Seed"};
    for (const WCHAR *heading : headings)
        appendCsvCell(&writer, heading);
    endCsvRow(&writer);
    for (int i = 0; i < list->count; i++) {
        const Entrant *entrant = &list->items[i];
        WCHAR rating[16] = L"", seed[16] = L"";
        if (entrant->rated)
            wsprintfW(rating, L"%d", entrant->rating);
        if (entrant->seed)
            wsprintfW(seed, L"%d", entrant->seed);
        appendCsvCell(&writer, entrant->name);
        appendCsvCell(&writer, entrant->club);
        appendCsvCell(&writer, rating);
        appendCsvCell(&writer, seed);
        endCsvRow(&writer);
    }
    WCHAR *text = writer.failed ? NULL : (WCHAR *)allocBlock(((SIZE_T)writer.length + 1) * sizeof(WCHAR));
    if (text) {
        CopyMemory(text, writer.text, (SIZE_T)writer.length * sizeof(WCHAR));
        text[writer.length] = 0;
    }
    freeCsvWriter(&writer);
    return text;
}

void importEntrantsFrom(HWND window, DocumentState *state, const WCHAR *path)
{
    HMODULE module = state->bracket->resourceModule;
    EntrantImport *import = (EntrantImport *)allocBlock(sizeof(EntrantImport));
    if (!import)
        return;
    if (!readEntrantCsvFile(path, import)) {
        OpenReport report;
        report.error = GetLastError();
        report.fault = report.error == ERROR_FILE_NOT_FOUND || report.error == ERROR_PATH_NOT_FOUND
                           ? OPEN_FAULT_NOT_FOUND
                           : OPEN_FAULT_UNREADABLE;
        reportOpenFailure(window, module, path, &report);
        freeBlock(import);
        return;
    }
    WCHAR *text = askToImportRest(window, module, import) ? entrantRowsText(&import->entrants) : NULL;
    freeEntrantImport(import);
    freeBlock(import);
    if (!text)
        return;
    NewFromListChoice list;
    titleOfPath(path, list.title);
    list.prefill = text;
    if (runNewFromListDialog(window, module, &list)) {
        newBracketFromChoice(window, state, &list);
        freeBlock(list.entrants);
        freeEntrantList(&list.field);
    }
    freeBlock(text);
}

void importEntrants(HWND window, DocumentState *state)
{
    WCHAR path[PATH_CAPACITY];
    if (askCsvPath(window, state->bracket->resourceModule, path, 0))
        importEntrantsFrom(window, state, path);
}

static void reportWriteFailure(HWND window, Bracket *bracket, const WCHAR *path, DWORD error)
{
    SaveReport report = {SAVE_FAULT_SYSTEM, error ? error : (DWORD)ERROR_NOT_ENOUGH_MEMORY, 0};
    reportSaveFailure(window, bracket, path, &report);
}

/* The first round's names as entrants without club, rating or seed. */
static int firstRoundList(Bracket *bracket, EntrantList *list)
{
    for (int s = 0; bracket->depth > 0 && s < bracket->slotCount; s++) {
        Entrant entrant = {};
        lstrcpynW(entrant.name, bracket->nodeTable[s]->name, NAME_CAPACITY);
        if (entrant.name[0] && findEntrant(list, entrant.name) < 0 && !addEntrant(list, &entrant))
            return 0;
    }
    return 1;
}

void exportEntrants(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    WCHAR path[PATH_CAPACITY];
    if (!askCsvPath(window, bracket->resourceModule, path, 1))
        return;
    WCHAR headings[ENTRANT_COLUMN_COUNT][HEADING_CAPACITY];
    const WCHAR *headingTexts[ENTRANT_COLUMN_COUNT];
    static const WCHAR *const ENGLISH[ENTRANT_COLUMN_COUNT] = {L"Name", L"Club", L"Rating", L"Seed"};
    for (int c = 0; c < ENTRANT_COLUMN_COUNT; c++) {
        loadStringPart(bracket->resourceModule, IDS_ENTRANT_COLUMNS, c, ENGLISH[c], headings[c], HEADING_CAPACITY);
        headingTexts[c] = headings[c];
    }
    EntrantList names = {};
    const EntrantList *list = &bracket->entrants;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    int written = 0;
    if (list->count || firstRoundList(bracket, &names))
        written = saveEntrantCsvFile(path, list->count ? list : &names, headingTexts);
    DWORD error = GetLastError();
    freeEntrantList(&names);
    if (!written)
        reportWriteFailure(window, bracket, path, error);
}

void exportResults(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    WCHAR path[PATH_CAPACITY];
    if (!askCsvPath(window, bracket->resourceModule, path, 1))
        return;
    WCHAR headings[RESULT_COLUMN_COUNT][RESULT_HEADING_CAPACITY];
    const WCHAR *headingTexts[RESULT_COLUMN_COUNT];
    resultHeadings(bracket->resourceModule, headings);
    for (int c = 0; c < RESULT_COLUMN_COUNT; c++)
        headingTexts[c] = headings[c];
    ResultLine *lines = NULL;
    int count = collectResultLines(bracket, &lines);
    ResultRow *rows = count >= 0 ? (ResultRow *)allocBlock(sizeof(ResultRow) * (SIZE_T)(count + 1)) : NULL;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    int written = 0;
    if (rows) {
        for (int i = 0; i < count; i++)
            rows[i] = lines[i].row;
        written = saveResultsCsvFile(path, headingTexts, rows, count);
    }
    DWORD error = GetLastError();
    freeBlock(rows);
    freeBlock(lines);
    if (!written)
        reportWriteFailure(window, bracket, path, error);
}
