// A library planted beside the executable under a system library's name:
// if any process ever runs it, it leaves "<its own path>.loaded" behind.
#include <windows.h>

extern "C" BOOL WINAPI probeMain(HINSTANCE self, DWORD reason, void *)
{
    if (reason == DLL_PROCESS_ATTACH) {
        WCHAR path[MAX_PATH + 8];
        DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcatW(path, L".loaded");
            HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            if (marker != INVALID_HANDLE_VALUE)
                CloseHandle(marker);
        }
    }
    return TRUE;
}
