// The main window: start-up, window class, message loop and window procedure. Exports
// main_window_run, MAKER_WEB_ADDRESS and the control ids.
#pragma once
#include <windows.h>

#include "engine/tool_def.h"

enum {
    ID_CALCULATE   = 1001,
    ID_SAVE        = 1002,
    ID_COPY        = 1003,
    ID_RESET       = 1004,
    ID_ABOUT       = 1005,
    ID_INPUT_FIRST = 2000,  // + input index: the input's edit box, drop-down list or check box
    ID_RESULT      = 3000,
};

// Shown in the header band and on the last line of the about box.
inline constexpr wchar_t MAKER_WEB_ADDRESS[] = L"www.kavrimed.example";

// Creates the fonts, brushes, class and the fixed-size main window for tool, centred on the work area
// of the monitor it opens on (in the compact layout where that is shorter than the standard window),
// then runs the message loop, where Enter and F5 aimed at a child of the main window calculate and Tab
// moves down the form. Returns 0 when the loop ends, 1 when the window cannot be created.
int main_window_run(HINSTANCE instance, const ToolDef* tool);
