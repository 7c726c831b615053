#include "ui/common/dialog_record.h"

void *dialogRecord(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    return (void *)GetWindowLongPtrW(window, DWLP_USER);
}
