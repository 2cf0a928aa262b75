// The window test driver's entry: runs every scenario of every list against a fresh program and
// prints one line per scenario and a closing count; or, with --family, opens every exe of a list and
// compares it with the native run (e2e_family.cpp). Usage:
//   e2e_driver MEDTOOL.exe MEDTOOL_WIDE.exe MEDTOOL_NO_INPUT.exe MEDTOOL_KINDS.exe ARTIFACTS_DIR [NAME_PART]
//   e2e_driver --family EXE_LIST REFERENCE ARTIFACTS_DIR [PATH_PART]
//   e2e_driver --index MEDTOOL_INDEX.exe STAND_IN.exe ARTIFACTS_DIR
//   e2e_driver --ward TOOL_127.exe TOOL_201.exe ARTIFACTS_DIR [NAME_PART]   (WARD_SCENARIOS only)
// Paths may be Unix paths (run under Wine); NAME_PART runs only scenarios whose name contains it.
// Exits 0 when every scenario (every exe) passed.
#include <stdio.h>
#include <string.h>

#include "e2e.h"

DriverPaths driver_paths;

// Every scenario list; a new scenario file adds its list here (see README.md).
static const ScenarioList* const LISTS[] = {
    &WINDOW_SCENARIOS,
    &COMMAND_SCENARIOS,
    &WIDE_SCENARIOS,
    &SELFTEST_SCENARIOS,
    &SAVE_SCENARIOS,
    &NO_INPUT_SCENARIOS,
    &KINDS_SCENARIOS,
};

static bool run_scenario(const Scenario& scenario) {
    Session s = {};
    const std::wstring* exe = scenario.program == PROGRAM_WIDE       ? &driver_paths.wide_exe
                              : scenario.program == PROGRAM_NO_INPUT ? &driver_paths.no_input_exe
                              : scenario.program == PROGRAM_KINDS    ? &driver_paths.kinds_exe
                              : scenario.program == PROGRAM_T127     ? &driver_paths.t127_exe
                              : scenario.program == PROGRAM_T201     ? &driver_paths.t201_exe
                                                                     : &driver_paths.builtin_exe;
    s.exe = exe->c_str();
    if (scenario.program == PROGRAM_NONE || session_open(&s, s.exe)) scenario.run(&s);
    session_close(&s);
    if (s.failures.empty()) {
        printf("ok: %s (%d checks)\n", scenario.name, s.checks);
    } else {
        printf("FAIL: %s (%d of %d checks failed)\n", scenario.name, (int)s.failures.size(), s.checks);
        for (const std::string& f : s.failures) printf("    %s\n", f.c_str());
    }
    fflush(stdout);
    return s.failures.empty();
}

// Runs every scenario of the lists whose name contains `only`; returns the exit code.
static int run_lists(const ScenarioList* const* lists, int count, const std::string& only) {
    int passed = 0, failed = 0;
    for (int l = 0; l < count; l++)
        for (int i = 0; i < lists[l]->count; i++) {
            const Scenario& scenario = lists[l]->scenarios[i];
            if (!only.empty() && !strstr(scenario.name, only.c_str())) continue;
            if (run_scenario(scenario)) passed++;
            else failed++;
        }
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}

// Without a window manager, Wine waits about 2 s for one whenever a window closes or hides (every
// program ended, every message box); unmanaged windows do not wait. Set in the test prefix for the
// programs this driver starts; only under Wine.
static void wine_windows_unmanaged() {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"Managed", 0, REG_SZ, (const BYTE*)L"N", 2 * sizeof(wchar_t));
    RegCloseKey(key);
}

int wmain(int argc, wchar_t** argv) {
    wine_windows_unmanaged();
    if (argc >= 5 && std::wstring(argv[1]) == L"--family")
        return family_run(windows_path(argv[2]), windows_path(argv[3]), windows_path(argv[4]),
                          argc > 5 ? utf8(argv[5]) : "");
    if (argc >= 5 && std::wstring(argv[1]) == L"--index")
        return index_run(windows_path(argv[2]), windows_path(argv[3]), windows_path(argv[4]));
    if (argc >= 5 && std::wstring(argv[1]) == L"--ward") {
        static const ScenarioList* const WARD[] = { &WARD_SCENARIOS };
        driver_paths.t127_exe = windows_path(argv[2]);
        driver_paths.t201_exe = windows_path(argv[3]);
        driver_paths.artifacts = windows_path(argv[4]);
        CreateDirectoryW(driver_paths.artifacts.c_str(), nullptr);
        return run_lists(WARD, 1, argc > 5 ? utf8(argv[5]) : "");
    }
    if (argc < 6) {
        fprintf(stderr, "usage: e2e_driver MEDTOOL.exe MEDTOOL_WIDE.exe MEDTOOL_NO_INPUT.exe MEDTOOL_KINDS.exe ARTIFACTS_DIR "
                        "[NAME_PART]\n"
                        "       e2e_driver --family EXE_LIST REFERENCE ARTIFACTS_DIR [PATH_PART]\n"
                        "       e2e_driver --index MEDTOOL_INDEX.exe STAND_IN.exe ARTIFACTS_DIR\n"
                        "       e2e_driver --ward TOOL_127.exe TOOL_201.exe ARTIFACTS_DIR [NAME_PART]\n");
        return 2;
    }
    driver_paths.builtin_exe = windows_path(argv[1]);
    driver_paths.wide_exe = windows_path(argv[2]);
    driver_paths.no_input_exe = windows_path(argv[3]);
    driver_paths.kinds_exe = windows_path(argv[4]);
    driver_paths.artifacts = windows_path(argv[5]);
    CreateDirectoryW(driver_paths.artifacts.c_str(), nullptr);
    std::string only = argc > 6 ? utf8(argv[6]) : "";

    return run_lists(LISTS, (int)(sizeof LISTS / sizeof LISTS[0]), only);
}
