#include "ui/dropped_files.h"
#include "ui/document_state.h"
#include "ui/system_library.h"

typedef UINT(WINAPI *DragQueryFileCall)(HDROP, UINT, WCHAR *, UINT);
typedef void(WINAPI *DragFinishCall)(HDROP);
/* Found by name at run time; checked against the platform's declarations. */
static_assert(__is_same(DragQueryFileCall, decltype(&DragQueryFileW)), "DragQueryFileW");
static_assert(__is_same(DragFinishCall, decltype(&DragFinish)), "DragFinish");

static FARPROC shellEntry(const char *name)
{
    static HMODULE library;
    return systemLibraryEntry(&library, L"shell32.dll", name);
}

void releaseDrop(HDROP drop)
{
    DragFinishCall finish = (DragFinishCall)(void *)shellEntry("DragFinish");
    /* The drop is a global block; without the shell it is freed as one. */
    if (finish)
        finish(drop);
    else
        GlobalFree((HGLOBAL)drop);
}

void takeFirstDroppedFile(HDROP drop, WCHAR *buffer)
{
    DragQueryFileCall query = (DragQueryFileCall)(void *)shellEntry("DragQueryFileW");
    buffer[0] = 0;
    if (!query || !query(drop, 0, buffer, PATH_CAPACITY))
        buffer[0] = 0;
    releaseDrop(drop);
}
