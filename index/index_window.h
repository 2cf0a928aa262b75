// The index window: the family's list of tools, searched as you type, each opened from the index's
// own folder. Exports index_window_run and INDEX_WINDOW_CLASS.
#pragma once
#include <windows.h>

inline constexpr wchar_t INDEX_WINDOW_CLASS[] = L"KavriMedIndexWnd";

// Creates the fonts, class and the fixed-size window, centred in the work area, lists every tool and
// runs the message loop. Returns 0 when the loop ends, 1 when the window cannot be created.
int index_window_run(HINSTANCE instance);
