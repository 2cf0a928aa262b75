// The index window's state: every mutable value of the running index, in one record that exists once
// and is touched only by the GUI thread. Exports IndexState, INDEX_MAX_TOOLS, the control ids and
// `index_app`.
#pragma once
#include <windows.h>

enum {
    INDEX_MAX_TOOLS = 900,         // tool numbers have three digits
    INDEX_STATUS_CAP = 256,
    ID_INDEX_SEARCH = 101,
    ID_INDEX_LIST   = 102,
    ID_INDEX_OPEN   = 103,
};

struct IndexState {
    HINSTANCE instance;
    HWND      main_window, search_box, list, open_button;
    HFONT     font_title, font_header, font_label, font_input, font_group, font_small, font_button;
    HBRUSH    brush_panel;
    wchar_t   status_text[INDEX_STATUS_CAP];   // the footer's status line
};

// The one index state of the process (defined in index/index_window.cpp).
extern IndexState index_app;
