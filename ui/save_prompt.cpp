#include "ui/save_prompt.h"
#include "file/bracket_file.h"
#include "ui/common_dialogs.h"
#include "ui/document_path.h"
#include "ui/recent_files.h"
#include "ui/save_failure.h"

/* Fixed English on purpose: a satellite module does not replace them. */
static const WCHAR SAVE_QUESTION_TEXT[] = L"Changes have been made, do you want to save your changes?";
static const WCHAR SAVE_QUESTION_CAPTION[] = L"Seedwise";

/* One filter; the literal's own terminator closes the list. */
static const WCHAR BRACKET_FILTER[] = L"XML\0*.xml\0";

static_assert(sizeof(OPENFILENAMEW) == 152, "the full structure, with pvReserved, dwReserved and FlagsEx");

void fillBracketFileDialog(OPENFILENAMEW *dialog, HWND owner, WCHAR *buffer, DWORD flags)
{
    *dialog = OPENFILENAMEW{};
    dialog->lStructSize = sizeof(OPENFILENAMEW);
    dialog->hwndOwner = owner;
    dialog->lpstrFilter = BRACKET_FILTER;
    dialog->nFilterIndex = 1;
    buffer[0] = 0;
    dialog->lpstrFile = buffer;
    dialog->nMaxFile = PATH_CAPACITY;
    dialog->Flags = flags;
    dialog->lpstrDefExt = L"xml";
}

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
    if (!showSaveFileDialog(&dialog))
        return 0;
    if (makeFullPath(picked, chosen))
        return 1;
    SaveReport report = {SAVE_FAULT_SYSTEM, GetLastError(), 0};
    if (bracket)
        reportSaveFailure(window, bracket, picked, &report);
    return 0;
}

int querySaveChanges(HWND window, DocumentState *state, int saveNow, int askName)
{
    Bracket *bracket = state->bracket;
    if (!saveNow) {
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
    if (askName || !state->path[0]) {
        if (!askSaveName(window, bracket, chosen))
            return 0;
        target = chosen;
    }
    SaveReport report;
    if (!bracket)
        return 0;
    if (!saveBracketFileReporting(bracket, window, target, &report)) {
        reportSaveFailure(window, bracket, target, &report);
        return 0;
    }
    if (target != state->path)
        lstrcpynW(state->path, target, PATH_CAPACITY);
    rememberRecentFile(window, state->path);
    return 1;
}
