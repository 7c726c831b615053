#include "model/slot_control.h"

void bindSlotControl(HWND control, BracketNode *node)
{
    node->control = control;
    SetWindowLongPtrW(control, GWLP_USERDATA, (LONG_PTR)node);
}

BracketNode *slotOfControl(HWND control)
{
    return control ? (BracketNode *)GetWindowLongPtrW(control, GWLP_USERDATA) : NULL;
}

void showSoleChoice(HWND control, const WCHAR *name)
{
    SendMessageW(control, CB_RESETCONTENT, 0, 0);
    SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)name);
    SendMessageW(control, CB_SETCURSEL, 0, 0);
}

void blankPickControl(HWND control)
{
    showSoleChoice(control, L"");
}

void destroySlotControl(HWND *control)
{
    if (*control && IsWindow(*control))
        DestroyWindow(*control);
    *control = NULL;
}
