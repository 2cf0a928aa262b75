// Whole-process timings under Wine, each against a floor measured in the same run, alternating so
// that drift hits both alike. Two modes:
//   launch_timer exit <runs> <floor command line> <program command line>
//     launch to exit (the self-test against an empty console program);
//   launch_timer idle <runs> <floor command line> <program command line>
//     launch to the first time the program waits for input with its window painted
//     (WaitForInputIdle: both programs paint synchronously with UpdateWindow before their message
//     loop), then the process is ended; its exit is not timed (without a window manager Wine waits
//     about 2 s when a window closes).
// Prints the median and quartiles of each in milliseconds and the ratio of the medians.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

static double now_ms() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)frequency.QuadPart;
}

// One launch; returns the milliseconds to exit or to input idle, or -1 when the program could not
// start, did not finish (exit mode: within 30 s, with exit code 0) or did not come up (idle mode:
// input idle within 30 s, still running then). A program that fails is never timed as a fast one.
static double time_once(const wchar_t* command_line, bool idle) {
    wchar_t line[2048];
    wcsncpy(line, command_line, 2047);
    line[2047] = 0;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    double start = now_ms();
    if (!CreateProcessW(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return -1;
    bool ok;
    if (idle) {
        ok = WaitForInputIdle(pi.hProcess, 30000) == 0;
    } else {
        DWORD code = 1;
        ok = WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0 && GetExitCodeProcess(pi.hProcess, &code) &&
             code == 0;
    }
    double elapsed = now_ms() - start;
    if (idle) {
        ok = ok && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;  // up, not crashed
        TerminateProcess(pi.hProcess, 0);
    }
    WaitForSingleObject(pi.hProcess, 30000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ok ? elapsed : -1;
}

static double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[(size_t)(q * (double)(v.size() - 1) + 0.5)];
}

int wmain(int argc, wchar_t** argv) {
    if (argc != 5 || (wcscmp(argv[1], L"exit") && wcscmp(argv[1], L"idle"))) {
        fprintf(stderr, "usage: launch_timer exit|idle <runs> <floor command line> <program command line>\n");
        return 2;
    }
    bool idle = wcscmp(argv[1], L"idle") == 0;
    int runs = _wtoi(argv[2]);
    std::vector<double> floor_ms, program_ms;
    if (time_once(argv[3], idle) < 0 || time_once(argv[4], idle) < 0) {  // warms the caches once for each
        fprintf(stderr, "launch_timer: a program failed to start, finish or come up\n");
        return 1;
    }
    for (int i = 0; i < runs; i++) {
        double f = time_once(argv[3], idle), p = time_once(argv[4], idle);
        if (f < 0 || p < 0) {
            fprintf(stderr, "launch_timer: a program failed to start, finish or come up\n");
            return 1;
        }
        floor_ms.push_back(f);
        program_ms.push_back(p);
    }
    double fm = quantile(floor_ms, 0.5), pm = quantile(program_ms, 0.5);
    printf("%s, %d runs each: floor median %.1f ms (quartiles %.1f-%.1f), program median %.1f ms "
           "(quartiles %.1f-%.1f), ratio %.2f\n",
           idle ? "launch to first paint" : "launch to exit", runs, fm, quantile(floor_ms, 0.25),
           quantile(floor_ms, 0.75), pm, quantile(program_ms, 0.25), quantile(program_ms, 0.75), pm / fm);
    return 0;
}
