#include "ui/document/dropped_files.h"
#include "model/heap.h"
#include "ui/common/system_library.h"

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

/* The length is asked first: a name cut to a buffer's size would be some
 * other file, which Save would then overwrite. */
WCHAR *takeFirstDroppedFile(HDROP drop)
{
    DragQueryFileCall query = (DragQueryFileCall)(void *)shellEntry("DragQueryFileW");
    UINT length = query ? query(drop, 0, NULL, 0) : 0;
    WCHAR *name = length ? (WCHAR *)allocBlock(((SIZE_T)length + 1) * sizeof(WCHAR)) : NULL;
    if (name && query(drop, 0, name, length + 1) != length) {
        freeBlock(name);
        name = NULL;
    }
    releaseDrop(drop);
    return name;
}
