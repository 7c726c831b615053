// Start-up cost of the editor against the floor (a bare program that only
// runs the same dialog template), measured in the same run: the time from
// process creation until the main window is shown, with a 64-team bracket
// named on the command line, and the memory in use once it sits idle.
// Runs alternate between the two programs; medians are printed with ratios.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// A 64-team bracket with every pick of the first round made.
std::wstring writeBracket64()
{
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp) + L"duelmark-bench-64.xml";
    std::string xml = "<Games><Title>Sixty-four</Title><Teams>64</Teams>";
    char element[96];
    for (int id = 1; id <= 127; id++) {
        int team = id <= 64 ? id : (id <= 96 ? 2 * (id - 64) - 1 : 0);
        if (team)
            snprintf(element, sizeof element, "<Team Name=\"Team %d\" id=\"%d\"/>", team, id);
        else
            snprintf(element, sizeof element, "<Team Name=\"\" id=\"%d\"/>", id);
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

} // namespace

int main()
{
    std::wstring folder = folderOfThisProgram();
    std::wstring floorProgram = folder + L"startup_floor.exe";
    std::wstring editor = folder + L"..\\duelmark.exe";
    std::wstring bracket = writeBracket64();

    std::vector<double> floorTime, floorPrivate, floorSet, editorTime, editorPrivate, editorSet, emptyTime;
    Sample sample;
    // One warm-up of each, so neither pays for a cold file cache alone.
    measure(floorProgram, L"", &sample);
    measure(editor, bracket, &sample);
    for (int run = 0; run < RUNS; run++) {
        if (!measure(floorProgram, L"", &sample)) {
            printf("the floor program did not show its window\n");
            return 1;
        }
        floorTime.push_back(sample.startMs);
        floorPrivate.push_back(sample.privateKiB);
        floorSet.push_back(sample.workingSetKiB);
        if (!measure(editor, bracket, &sample)) {
            printf("duelmark.exe did not show its window\n");
            return 1;
        }
        editorTime.push_back(sample.startMs);
        editorPrivate.push_back(sample.privateKiB);
        editorSet.push_back(sample.workingSetKiB);
        // The editor with no file: what start-up costs before any bracket.
        if (measure(editor, L"", &sample))
            emptyTime.push_back(sample.startMs);
    }
    DeleteFileW(bracket.c_str());

    double ft = median(floorTime), et = median(editorTime);
    double fp = median(floorPrivate), ep = median(editorPrivate);
    double fw = median(floorSet), ew = median(editorSet);
    printf("start-up to main window shown, 64-team file, median of %d runs:\n", RUNS);
    printf("  floor %.1f ms, duelmark %.1f ms, ratio %.2f (goal <= 1.10)\n", ft, et, et / ft);
    printf("  (duelmark with no file: %.1f ms)\n", median(emptyTime));
    printf("idle memory after %lu ms, median of %d runs:\n", IDLE_MS, RUNS);
    printf("  committed: floor %.0f KiB, duelmark %.0f KiB, ratio %.2f (goal <= 1.20)\n", fp, ep, ep / fp);
    printf("  working set: floor %.0f KiB, duelmark %.0f KiB, ratio %.2f\n", fw, ew, ew / fw);
    return 0;
}
