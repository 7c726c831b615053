// Start-up cost of the editor against its floor (floor/startup_floor.cpp: a
// bare program that initialises COM and the common controls and runs the
// same dialog template, and given a file loads it through a bare MSXML
// document and makes the bare layout calls), measured in the same run: the
// time from process creation until the main window is shown, without a file
// and with a 64-team bracket named on the command line, and the memory in
// use once the window with the bracket sits idle. Each round runs the four
// starts back to back, the two programs in alternating order, and gives one
// ratio per figure; the medians of the rounds' ratios are printed.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/floor/bench_bracket.h"

namespace {

const int RUNS = 15;
const DWORD IDLE_MS = 500;

struct Sample {
    double startMs;
    double privateKiB;
    double workingSetKiB;
};

std::wstring folderOfThisProgram()
{
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring own = path;
    return own.substr(0, own.find_last_of(L"\\/") + 1);
}

// The 64-team benchmark bracket (bench_bracket.h) as a file.
std::wstring writeBracket64()
{
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + L"duelmark-bench-64.xml";
    std::string xml = "<Games><Title>Benchmark</Title><Teams>64</Teams>";
    char element[96];
    WCHAR name[32];
    for (int id = 1; id <= 127; id++) {
        benchSlotName(64, id, name);
        snprintf(element, sizeof element, "<Team Name=\"%ls\" id=\"%d\"/>", name, id);
        xml += element;
    }
    xml += "</Games>";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, xml.data(), (DWORD)xml.size(), &written, NULL);
    CloseHandle(file);
    return path;
}

HWND visibleDialogOf(DWORD processId)
{
    for (HWND w = FindWindowW(L"#32770", NULL); w; w = FindWindowExW(NULL, w, L"#32770", NULL)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w))
            return w;
    }
    return NULL;
}

bool measure(const std::wstring &program, const std::wstring &argument, Sample *sample)
{
    std::wstring line = L"\"" + program + L"\"" + (argument.empty() ? L"" : L" \"" + argument + L"\"");
    std::vector<WCHAR> buffer(line.begin(), line.end());
    buffer.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    if (!CreateProcessW(NULL, buffer.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return false;
    HWND window = NULL;
    while (!window) {
        window = visibleDialogOf(process.dwProcessId);
        if (!window && WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        if (!window)
            Sleep(1);
    }
    QueryPerformanceCounter(&after);
    bool ok = window != NULL;
    if (ok) {
        sample->startMs = (after.QuadPart - before.QuadPart) * 1000.0 / frequency.QuadPart;
        Sleep(IDLE_MS);
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(process.hProcess, (PROCESS_MEMORY_COUNTERS *)&counters, sizeof counters);
        sample->privateKiB = counters.PagefileUsage / 1024.0;
        sample->workingSetKiB = counters.WorkingSetSize / 1024.0;
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}


// Starts the floor and the editor once each, in the order given, on the
// same argument; false when either did not show its window.
bool pair(const std::wstring &floorProgram, const std::wstring &editor, const std::wstring &argument,
          bool floorFirst, Sample *floor, Sample *ours)
{
    if (floorFirst)
        return measure(floorProgram, argument, floor) && measure(editor, argument, ours);
    return measure(editor, argument, ours) && measure(floorProgram, argument, floor);
}

} // namespace

int main()
{
    std::wstring folder = folderOfThisProgram();
    std::wstring floorProgram = folder + L"startup_floor.exe";
    std::wstring editor = folder + L"..\\duelmark.exe";
    std::wstring bracket = writeBracket64();

    std::vector<double> emptyFloor, emptyOurs, emptyRatio, fileFloor, fileOurs, fileRatio;
    std::vector<double> memoryFloor, memoryOurs, memoryRatio, setFloor, setOurs;
    Sample floor, ours;
    // One warm-up of each, so neither pays for a cold file cache alone.
    pair(floorProgram, editor, L"", true, &floor, &ours);
    pair(floorProgram, editor, bracket, true, &floor, &ours);
    for (int run = 0; run < RUNS; run++) {
        if (!pair(floorProgram, editor, L"", run % 2 == 0, &floor, &ours)) {
            printf("a program did not show its window\n");
            return 1;
        }
        emptyFloor.push_back(floor.startMs);
        emptyOurs.push_back(ours.startMs);
        emptyRatio.push_back(ours.startMs / floor.startMs);
        if (!pair(floorProgram, editor, bracket, run % 2 == 1, &floor, &ours)) {
            printf("a program did not show its window with the bracket\n");
            return 1;
        }
        fileFloor.push_back(floor.startMs);
        fileOurs.push_back(ours.startMs);
        fileRatio.push_back(ours.startMs / floor.startMs);
        memoryFloor.push_back(floor.privateKiB);
        memoryOurs.push_back(ours.privateKiB);
        memoryRatio.push_back(ours.privateKiB / floor.privateKiB);
        setFloor.push_back(floor.workingSetKiB);
        setOurs.push_back(ours.workingSetKiB);
    }
    DeleteFileW(bracket.c_str());

    printf("medians of %d rounds\n", RUNS);
    printf("start-up to main window shown, no file: floor %.1f ms, duelmark %.1f ms\n", median(emptyFloor),
           median(emptyOurs));
    printf("start-up to main window shown, 64-team file: floor %.1f ms, duelmark %.1f ms\n", median(fileFloor),
           median(fileOurs));
    printf("idle memory with the 64-team bracket after %lu ms: committed floor %.0f KiB, duelmark %.0f KiB; "
           "working set floor %.0f KiB, duelmark %.0f KiB\n",
           IDLE_MS, median(memoryFloor), median(memoryOurs), median(setFloor), median(setOurs));
    printf("ratio startup_empty %.2f goal 1.05\n", median(emptyRatio));
    printf("ratio startup_64 %.2f goal 1.10\n", median(fileRatio));
    printf("ratio idle_memory_64 %.2f goal 1.10\n", median(memoryRatio));
    return 0;
}
