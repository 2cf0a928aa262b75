// The window state: every mutable value of the running program, in one record that exists once and
// is touched only by the GUI thread. Exports WindowState, the capacities of its texts, and `app`.
#pragma once
#include <windows.h>

#include "engine/tool_def.h"
#include "reports/report.h"

enum {
    RESULT_COPY_CAP = 8192,              // result text of the last calculation
    RESULT_TEXT_CAP = REPORT_TEXT_CAP,   // result text buffer of one calculation: every report whole
    VERDICT_TEXT_CAP = 512,              // verdict text buffer of one calculation
    COPY_TEXT_CAP = RESULT_TEXT_CAP + VERDICT_TEXT_CAP + 8,  // whole result, "—— " and verdict
    STATUS_TEXT_CAP = 256,
};

struct WindowState {
    HINSTANCE      app_instance;
    const ToolDef* active_tool;
    HWND           main_window;

    HWND input_edits[MAX_VALUES];  // slot i: edit box of input field i
    HWND result_box;
    HWND verdict_label;
    HWND note_label;

    HFONT  font_title, font_header, font_label, font_input, font_verdict, font_result, font_button, font_small;
    HBRUSH brush_white, brush_background;

    double  input_values[MAX_VALUES];        // inputs of the last accepted calculation
    int     verdict_level;                   // level of the last calculation; 0 at start and after reset
    wchar_t result_copy[RESULT_COPY_CAP];    // empty: no result to copy or save
    wchar_t copy_text[COPY_TEXT_CAP];        // what goes on the clipboard after the tool name
    wchar_t status_text[STATUS_TEXT_CAP];    // the footer status line
};

// The one window state of the process (defined in app/main_window.cpp).
extern WindowState app;
