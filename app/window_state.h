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

    int  client_height;  // CLIENT_HEIGHT, or less for the compact layout of a shorter work area
    int  extra_width;    // client width beyond CLIENT_WIDTH that long options need (0 to EXTRA_WIDTH_MAX)
    SIZE window_size;    // outer size of the main window, answered in WM_GETMINMAXINFO

    HWND input_controls[MAX_INPUTS];  // slot i: input i's edit box, drop-down list or check box; null
                                      // until its row first shows (labels and units are painted)
    HWND rows_scroll_bar;             // null unless the input rows scroll
    int  first_row;                   // the first input row shown (0 unless the rows scroll)
    HWND result_box;
    HWND verdict_label;
    HWND note_label;

    HFONT  font_title, font_header, font_label, font_input, font_verdict, font_result, font_button, font_small;
    HBRUSH brush_white, brush_background;

    double  input_values[MAX_VALUES];        // inputs of the last accepted calculation
    int     verdict_level;                   // level of the last calculation; 0 at start and after reset
    bool    inputs_invalid;                  // the last calculation found the inputs implausible: no
                                             // result to copy or save (result_copy is empty)
    wchar_t result_copy[RESULT_COPY_CAP];    // empty: no result to copy or save
    wchar_t copy_text[COPY_TEXT_CAP];        // what goes on the clipboard after the tool name
    wchar_t status_text[STATUS_TEXT_CAP];    // the footer status line
};

// The one window state of the process (defined in app/main_window.cpp).
extern WindowState app;
