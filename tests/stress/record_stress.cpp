// One process of the record store's stress test (scripts/stress-records.sh starts several at once):
// saves a one-input tool `count` times into "<folder>/KavriMedSuite/records/T009.csv" through
// record_append, each save marked "P<process>-S<save>" as its result and its save number as its input,
// and prints one line per save: "saved P3-S0042", or "failed P3-S0042 <status>". With "hold" in place
// of the count it makes the file, takes its lock as a save does, prints "holding" and waits to be
// killed. With a start file it first waits (up to a minute) until that file exists, so processes
// started one after another save at the same moment. Usage: record_stress <folder> <process>
// <count>|hold [<start file>]. Exits 2 on bad arguments, 1 when the start file never comes.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "store/record_store.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

static const ToolInput INPUTS[] = { { "n", L"序号", nullptr, 0 } };
static const ToolDef STRESS_TOOL = { 9, L"压力测试", nullptr, L"", L"", nullptr, 1, INPUTS, 0, nullptr,
                                     0, nullptr, 0 };

static void sleep_ms(int ms) {
#ifdef _WIN32
    Sleep(ms);
#else
    usleep(ms * 1000);
#endif
}

// Waits until the file at path exists; false after a minute without.
static bool wait_for_start(const char* path) {
    wchar_t wide[RECORD_PATH_CAP];
    if (platform_wide_from_utf8(path, wide, RECORD_PATH_CAP) == 0) return false;
    for (int waited = 0; waited < 60000; waited++) {
        FILE* start = platform_open_file(wide, "rb");
        if (start) {
            fclose(start);
            return true;
        }
        sleep_ms(1);
    }
    return false;
}

int main(int argc, char** argv) {
    wchar_t folder[RECORD_FOLDER_CAP];
    bool arguments = argc == 4 || argc == 5;
    int process = arguments ? atoi(argv[2]) : -1;
    bool hold = arguments && strcmp(argv[3], "hold") == 0;
    int count = arguments && !hold ? atoi(argv[3]) : 0;
    if (process < 0 || (!hold && count <= 0) || platform_wide_from_utf8(argv[1], folder, RECORD_FOLDER_CAP) == 0) {
        fprintf(stderr, "usage: record_stress <folder> <process> <count>|hold [<start file>]\n");
        return 2;
    }
    if (argc == 5 && !wait_for_start(argv[4])) return 1;
    for (int save = 0; save < (hold ? 1 : count); save++) {
        char narrow[32];
        wchar_t marker[32];
        snprintf(narrow, sizeof narrow, "P%d-S%04d", process, save);
        platform_wide_from_utf8(narrow, marker, 32);
        double value = save;
        RecordOutcome outcome = record_append(&STRESS_TOOL, &value, marker, folder, platform_local_time());
        if (outcome.status == RECORD_SAVED) printf("saved %s\n", narrow);
        else printf("failed %s %d\n", narrow, (int)outcome.status);
        fflush(stdout);
        if (hold) {
            LockedFile file;
            if (platform_lock_file(outcome.path, RECORD_LOCK_WAIT_MS, &file) != LOCK_TAKEN) return 1;
            printf("holding\n");
            fflush(stdout);
            for (;;) sleep_ms(1000);  // until killed
        }
    }
    return 0;
}
