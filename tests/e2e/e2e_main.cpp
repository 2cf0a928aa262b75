// The window test driver's entry: runs every scenario of every list against a fresh program and
// prints one line per scenario and a closing count. Usage:
//   e2e_driver MEDTOOL.exe MEDTOOL_WIDE.exe MEDTOOL_NO_INPUT.exe ARTIFACTS_DIR [NAME_PART]
// Paths may be Unix paths (run under Wine); NAME_PART runs only scenarios whose name contains it.
// Exits 0 when every scenario passed.
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
};

// A Unix absolute path names the same file through drive Z: under Wine.
static std::wstring windows_path(const wchar_t* path) {
    std::wstring p = path;
    if (!p.empty() && p[0] == L'/') p = L"Z:" + p;
    for (wchar_t& c : p)
        if (c == L'/') c = L'\\';
    return p;
}

static bool run_scenario(const Scenario& scenario) {
    Session s = {};
    const std::wstring* exe = scenario.program == PROGRAM_WIDE       ? &driver_paths.wide_exe
                              : scenario.program == PROGRAM_NO_INPUT ? &driver_paths.no_input_exe
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

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        fprintf(stderr, "usage: e2e_driver MEDTOOL.exe MEDTOOL_WIDE.exe MEDTOOL_NO_INPUT.exe ARTIFACTS_DIR [NAME_PART]\n");
        return 2;
    }
    driver_paths.builtin_exe = windows_path(argv[1]);
    driver_paths.wide_exe = windows_path(argv[2]);
    driver_paths.no_input_exe = windows_path(argv[3]);
    driver_paths.artifacts = windows_path(argv[4]);
    CreateDirectoryW(driver_paths.artifacts.c_str(), nullptr);
    std::string only = argc > 5 ? utf8(argv[5]) : "";

    int passed = 0, failed = 0;
    for (const ScenarioList* list : LISTS)
        for (int i = 0; i < list->count; i++) {
            const Scenario& scenario = list->scenarios[i];
            if (!only.empty() && !strstr(scenario.name, only.c_str())) continue;
            if (run_scenario(scenario)) passed++;
            else failed++;
        }
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
