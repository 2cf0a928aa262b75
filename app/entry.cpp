// The process entry: the self-test switch on the command line, or the window. Exports wWinMain.
#include <windows.h>

#include "app/main_window.h"
#include "base/dimof.h"
#include "selftest/selftest.h"
#include "selftest/selftest_command.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The switch is looked for before anything else exists: no DPI awareness, font, class or window.
    wchar_t path[SELFTEST_PATH_CAP];
    switch (selftest_command_read(GetCommandLineW(), path, dimof(path))) {
    case SELFTEST_PATH:          return selftest_run(path);
    case SELFTEST_PATH_TOO_LONG: return SELFTEST_NOT_WRITTEN;
    case SELFTEST_ABSENT:        break;
    }
    SetProcessDPIAware();
    return main_window_run(instance, tool_get());
}
