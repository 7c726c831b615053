// Typing into a 64-team bracket on the editor's real main window with the
// recovery copy kept (its timer running, a copy written each second while
// the names change) against the same typing with the timer stopped. Every
// keystroke is one edit change handled by the main window, followed by the
// message pump, which is where the timer's writes happen. Rounds alternate
// the two and the ratio of the summed times is printed (goal: at most 1.05),
// with the number of copies written while timing.
#include <stdio.h>
#include <windows.h>

#include "model/bracket.h"
#include "res/resource.h"
#include "ui/window/layout.h"
#include "ui/main_dialog.h"
#include "ui/document/recovery_copy.h"

namespace {

const int TEAMS = 64;
const int PAIRS = 4;
const int PASSES_PER_ROUND = 2;

double seconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
}

int copiesWritten = 0;

void pump(DocumentState *state, bool counting)
{
    MSG message;
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
        ULONGLONG before = state->recovery.written;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (counting && state->recovery.written != before)
            copiesWritten++;
    }
}

// Types every base slot's name one character at a time, each pass a new
// name, as someone filling in and correcting the list would.
double typeRound(HWND window, DocumentState *state, int round, bool counting)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int pass = 0; pass < PASSES_PER_ROUND; pass++) {
        for (int id = 1; id <= TEAMS; id++) {
            WCHAR name[40];
            int length = wsprintfW(name, L"Round %d team %d-%d", round, id, pass);
            HWND edit = state->bracket->nodeTable[id - 1]->control;
            for (int typed = 1; typed <= length; typed++) {
                WCHAR shown[40];
                lstrcpynW(shown, name, typed + 1);
                SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)shown);
                pump(state, counting);
            }
        }
    }
    QueryPerformanceCounter(&end);
    (void)window;
    return seconds(start, end);
}

void setRecovery(HWND window, bool on)
{
    if (on)
        SetTimer(window, RECOVERY_TIMER_ID, RECOVERY_INTERVAL_MS, NULL);
    else
        KillTimer(window, RECOVERY_TIMER_ID);
}

}  // namespace

int main()
{
    CoInitialize(NULL);
    // A folder of its own for the copies, so no copy of the user's is offered.
    WCHAR local[MAX_PATH];
    GetTempPathW(MAX_PATH, local);
    wsprintfW(local + lstrlenW(local), L"duelmark-bench-%lu", GetCurrentProcessId());
    CreateDirectoryW(local, NULL);
    SetEnvironmentVariableW(L"LOCALAPPDATA", local);

    static Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    DocumentState state = {};
    state.bracket = &bracket;
    state.keepsRecoveryCopies = 1;
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc,
                                     (LPARAM)&state);
    if (!window || !state.recovery.path[0]) {
        printf("the main window or its recovery copy could not be set up\n");
        return 1;
    }
    buildBracket(&bracket, TEAMS);
    lstrcpyW(bracket.title, L"Benchmark");
    layoutBracket(&bracket, window, 1);
    bracket.dirty = 1;
    pump(&state, false);

    typeRound(window, &state, 0, false);  // warm-up
    double on = 0, off = 0;
    int round = 1;
    for (int pair = 0; pair < PAIRS; pair++) {
        for (int half = 0; half < 2; half++) {
            bool recovery = (pair + half) % 2 == 0;
            setRecovery(window, recovery);
            double time = typeRound(window, &state, round++, recovery);
            (recovery ? on : off) += time;
        }
    }
    setRecovery(window, true);
    int keystrokes = PAIRS * PASSES_PER_ROUND * TEAMS * 18;
    printf("typing %d keystrokes (about) into %d teams: recovery on %.2f s, off %.2f s, %d copies written\n",
           keystrokes, TEAMS, on, off, copiesWritten);
    printf("ratio typing_with_recovery %.3f goal 1.05\n", on / off);
    DestroyWindow(window);
    WCHAR folder[MAX_PATH];
    wsprintfW(folder, L"%s\\Duelmark\\Recovery", local);
    RemoveDirectoryW(folder);
    wsprintfW(folder, L"%s\\Duelmark", local);
    RemoveDirectoryW(folder);
    RemoveDirectoryW(local);
    return 0;
}
