// The entry of medtool-index.exe: the family index window. Exports wWinMain.
#include <windows.h>

#include "index/index_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SetProcessDPIAware();
    return index_window_run(instance);
}
