#include "ui/document/group_file_fault.h"

#include "res/resource.h"
#include "ui/common/message_text.h"

void groupFileFaultText(HMODULE module, const OpenReport *report, WCHAR *text, int capacity)
{
    WCHAR letter[2] = {(WCHAR)(L'A' + report->group), 0};
    WCHAR item[16];
    wsprintfW(item, L"%d", report->item);
    const WCHAR *inserts[] = {letter, item, report->name};
    int fault = report->groupFault;
    text[0] = 0;
    if (fault <= GROUP_FAULT_NONE || fault > GROUP_FAULT_KNOCKOUT ||
        !loadMessageText(module, (UINT)(IDS_OPEN_GROUPS + fault), inserts, 3, text, capacity))
        formatMessageText(L"%1 %2 %3", inserts, 3, text, capacity);
}

static_assert(IDS_OPEN_GROUPS + GROUP_FAULT_FORMAT == IDS_GROUP_FAULT_FORMAT &&
                  IDS_OPEN_GROUPS + GROUP_FAULT_KNOCKOUT == IDS_GROUP_FAULT_KNOCKOUT,
              "each fault's text follows IDS_OPEN_GROUPS in the fault's order");
