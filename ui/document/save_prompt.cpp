#include "ui/document/save_prompt.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/document/document_path.h"
#include "res/resource.h"
#include "ui/dialogs/choice_question.h"
#include "ui/document/recent_files.h"
#include "ui/document/save_bracket.h"
#include "ui/document/save_failure.h"

/* Fixed English on purpose: a satellite module does not replace them. */
static const WCHAR SAVE_QUESTION_TEXT[] = L"Changes have been made, do you want to save your changes?";
static const WCHAR SAVE_QUESTION_CAPTION[] = L"Seedwise";

/* Yes, No or Cancel. A box that could not be shown at all (0, or -1 from
 * the dialog manager) counts as Cancel: going on as if No had been answered
 * would drop the changes without the user ever having been asked. */
static int askToSaveChanges(HWND window)
{
    int answer = MessageBoxW(window, SAVE_QUESTION_TEXT, SAVE_QUESTION_CAPTION, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES || answer == IDNO)
        return answer;
    return IDCANCEL;
}

/* The Save dialog's name, made full at once. Returns 1 with it in chosen;
 * 0 when the user cancelled (no message) or the name cannot be made full
 * (the failed save's message already shown). */
static int askSaveName(HWND window, Bracket *bracket, WCHAR *chosen)
{
    WCHAR picked[PATH_CAPACITY];
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, picked, SAVE_DIALOG_FLAGS);
    if (!showSaveFileDialog(&dialog, bracket ? bracket->resourceModule : NULL))
        return 0;
    if (makeFullPath(picked, chosen))
        return 1;
    SaveReport report = {SAVE_FAULT_SYSTEM, GetLastError(), 0};
    if (bracket)
        reportSaveFailure(window, bracket, picked, &report);
    return 0;
}

/* Before the bracket is written over its own file: when another window or
 * program changed or removed that file since this window read or wrote
 * it, the user chooses to overwrite, to save under another name (then
 * *target becomes chosen) or to stop. Returns 1 to go on writing *target.
 * Another file picked in the Save dialog is not checked: the dialog asked
 * about replacing it already. */
static int confirmOwnFileUnchanged(HWND window, DocumentState *state, const WCHAR **target, WCHAR *chosen)
{
    if (!state->path[0] || lstrcmpiW(*target, state->path) != 0)
        return 1;
    HMODULE module = state->bracket->resourceModule;
    int answer;
    /* A restored bracket knows its file only from the copy, which anything
     * could have written: the first save there is confirmed, whatever the
     * file holds. */
    if (state->disk.unverified) {
        answer = askAboutRestoredFile(window, module, state->path);
    } else {
        if (!fileChangedSince(state->path, &state->disk))
            return 1;
        int deleted = GetFileAttributesW(state->path) == INVALID_FILE_ATTRIBUTES;
        answer = askAboutNewerFile(window, module, state->path, deleted);
    }
    if (answer == IDC_OVERWRITE)
        return 1;
    if (answer != IDC_SAVE_ELSEWHERE || !askSaveName(window, state->bracket, chosen))
        return 0;
    *target = chosen;
    return 1;
}

int querySaveChanges(HWND window, DocumentState *state, int saveNow, int askName)
{
    Bracket *bracket = state->bracket;
    if (saveNow == ASK_BEFORE_SAVING) {
        if (!bracket || !bracket->dirty)
            return 1;
        int answer = askToSaveChanges(window);
        if (answer == IDCANCEL)
            return 0;
        if (answer == IDNO)
            return 1;
    }
    WCHAR chosen[PATH_CAPACITY];
    const WCHAR *target = state->path;
    if (askName == ALWAYS_ASK_NAME || !state->path[0]) {
        if (!askSaveName(window, bracket, chosen))
            return 0;
        target = chosen;
    }
    if (!bracket)
        return 0;
    if (!confirmOwnFileUnchanged(window, state, &target, chosen))
        return 0;
    SaveReport report;
    if (!saveBracketFileReporting(bracket, window, target, &report)) {
        reportSaveFailure(window, bracket, target, &report);
        return 0;
    }
    if (target != state->path)
        lstrcpynW(state->path, target, PATH_CAPACITY);
    takeFileFingerprint(state->path, &state->disk);
    rememberRecentFile(window, state->path);
    return 1;
}

int allowDiscardingChanges(HWND window, DocumentState *state)
{
    return querySaveChanges(window, state, ASK_BEFORE_SAVING, NAME_WHEN_NEEDED);
}
