#include "ui/document/save_bracket.h"
#include "file/bracket_writer.h"
#include "ui/document/invalid_picks_prompt.h"
#include "ui/document/repeated_name_prompt.h"

int saveBracketFileReporting(Bracket *bracket, HWND window, const WCHAR *path, SaveReport *report)
{
    /* No question about picks while the file could not be written anyway. */
    if (bracket->slotCount && path && findUnwritableText(bracket, &report->slotId)) {
        report->fault = SAVE_FAULT_TEXT;
        report->error = ERROR_INVALID_DATA;
        return 0;
    }
    /* Two entrants of one name come first: clearing invalid picks cannot
     * mend them, and a No leaves the picks as they were. */
    if (bracket->slotCount && path && (!acceptRepeatedName(window, bracket) || !settleInvalidPicks(window, bracket))) {
        report->fault = SAVE_FAULT_DECLINED;
        report->error = 0;
        report->slotId = 0;
        return 0;
    }
    return writeBracketFile(bracket, path, report);
}

int saveBracketFile(Bracket *bracket, HWND window, const WCHAR *path)
{
    SaveReport report;
    return saveBracketFileReporting(bracket, window, path, &report);
}
