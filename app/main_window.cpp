// The main window: the window state, fonts, brushes, window class, the fixed-size window centred on
// the work area it opens on (compact where that is short), the message loop with its keys (Enter and
// F5 calculate, Tab moves down the form) and the window procedure, one handler per message. Exports
// main_window_run and `app`.
#include "app/main_window.h"

#include "app/commands.h"
#include "app/controls.h"
#include "app/draw.h"
#include "app/layout.h"
#include "app/paint.h"
#include "app/palette.h"
#include "app/record_save.h"
#include "app/window_state.h"
#include "base/dimof.h"

WindowState app;

static const wchar_t MAIN_WINDOW_CLASS[] = L"KavriMedToolWnd";
static const DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // 0x00CA0000

// Created in this order (app/layout.h names each font's face, height and weight).
static const struct { HFONT WindowState::*font; const FontStyle* style; } FONTS[] = {
    { &WindowState::font_title,   &FONT_TITLE },
    { &WindowState::font_header,  &FONT_HEADER },
    { &WindowState::font_label,   &FONT_LABEL },
    { &WindowState::font_input,   &FONT_INPUT },
    { &WindowState::font_verdict, &FONT_VERDICT },
    { &WindowState::font_result,  &FONT_RESULT },
    { &WindowState::font_button,  &FONT_BUTTON },
    { &WindowState::font_small,   &FONT_SMALL },
};

static void create_fonts_and_brushes() {
    for (const auto& f : FONTS) app.*f.font = font_create(*f.style);
    app.brush_white = CreateSolidBrush(COLOUR_PANEL);
    app.brush_background = CreateSolidBrush(COLOUR_BACKGROUND);
}

static LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
static LRESULT on_mouse_wheel(int delta);

static void register_window_class() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = main_window_proc;
    wc.hInstance = app.app_instance;
    wc.hIcon = LoadIconW(app.app_instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.hbrBackground = app.brush_background;
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    RegisterClassExW(&wc);
}

// The work area (the screen less the taskbar) of the monitor the window opens on: the one under the
// mouse, where the user just started the program; the primary monitor when that fails.
static RECT work_area() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &info)) return info.rcWork;
    RECT r = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

// Outer size of a window with a client area of width x height.
static SIZE outer_size(int width, int height) {
    RECT r = { 0, 0, width, height };
    AdjustWindowRect(&r, MAIN_WINDOW_STYLE, FALSE);
    return { r.right - r.left, r.bottom - r.top };
}

// Width in px of the longest option text of the tool's drop-down lists, in the font they show it in.
static int widest_option(const ToolDef* tool) {
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ previous = SelectObject(dc, app.font_input);
    int widest = 0;
    for (int i = 0; i < tool->input_count; i++)
        for (int k = 0; k < tool->inputs[i].option_count; k++) {
            const wchar_t* text = tool->inputs[i].options[k].text;
            SIZE size = {};
            GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
            if (size.cx > widest) widest = size.cx;
        }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return widest;
}

// Enter or F5 pressed in any child of the main window: the calculate key, never passed on. In an open
// drop-down list Enter keeps its own meaning (take the option and close the list).
static bool is_calculate_key(const MSG* msg) {
    if (msg->message != WM_KEYDOWN || (msg->wParam != VK_RETURN && msg->wParam != VK_F5)) return false;
    if (!IsChild(app.main_window, msg->hwnd)) return false;
    return !(msg->wParam == VK_RETURN && GetDlgCtrlID(msg->hwnd) >= ID_INPUT_FIRST &&
             SendMessageW(msg->hwnd, CB_GETDROPPEDSTATE, 0, 0) == TRUE);
}

// Tab and Shift+Tab move the focus down and up the form's inputs, round from the last to the first,
// scrolling a row that is out of view into it; from anywhere else in the window Tab goes to the first
// input. Returns false when the message is not such a key.
static bool tab_key(const MSG* msg) {
    int count = app.active_tool->input_count;
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_TAB || count == 0) return false;
    if (msg->hwnd != app.main_window && !IsChild(app.main_window, msg->hwnd)) return false;
    bool back = GetKeyState(VK_SHIFT) < 0;
    int at = -1;
    for (int i = 0; i < count; i++)
        if (app.input_controls[i] == msg->hwnd) at = i;
    int next = at < 0 ? (back ? count - 1 : 0) : (at + (back ? count - 1 : 1)) % count;
    input_focus(next);
    return true;
}

// The mouse wheel turned while an input control has the focus scrolls the rows, as it does over the
// rest of the window: a closed drop-down list would otherwise take the wheel as a change of option,
// and a hand scrolling the form would silently change a clinical choice. An open list scrolls itself.
static bool wheel_over_input(const MSG* msg) {
    if (msg->message != WM_MOUSEWHEEL) return false;
    int id = GetDlgCtrlID(msg->hwnd);
    if (GetParent(msg->hwnd) != app.main_window || id < ID_INPUT_FIRST || id >= ID_INPUT_FIRST + (int)MAX_INPUTS)
        return false;
    if (SendMessageW(msg->hwnd, CB_GETDROPPEDSTATE, 0, 0) == TRUE) return false;
    on_mouse_wheel(GET_WHEEL_DELTA_WPARAM(msg->wParam));
    return true;
}

int main_window_run(HINSTANCE instance, const ToolDef* tool) {
    app.app_instance = instance;
    app.active_tool = tool;
    app.verdict_level = 0;
    app.result_copy[0] = 0;
    create_fonts_and_brushes();
    register_window_class();

    // The standard layout where the work area holds it, the compact one where it is shorter; wider
    // where a drop-down list's options need it, as far as the work area allows.
    RECT work = work_area();
    SIZE frame = outer_size(CLIENT_WIDTH, CLIENT_HEIGHT);
    frame.cx -= CLIENT_WIDTH;
    frame.cy -= CLIENT_HEIGHT;
    app.client_height = client_height_for(work.bottom - work.top, frame.cy);
    int room = work.right - work.left - frame.cx - CLIENT_WIDTH;
    app.extra_width = extra_width_for(widest_option(tool));
    if (app.extra_width > room) app.extra_width = room > 0 ? room : 0;
    app.window_size = outer_size(CLIENT_WIDTH + app.extra_width, app.client_height);
    int x = centred(work.left, work.right - work.left, app.window_size.cx);
    int y = centred(work.top, work.bottom - work.top, app.window_size.cy);
    HWND window = CreateWindowExW(0, MAIN_WINDOW_CLASS, tool->name, MAIN_WINDOW_STYLE, x, y, app.window_size.cx,
                                  app.window_size.cy, NULL, NULL, app.app_instance, NULL);
    if (!window) return 1;
    app.main_window = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    controls_focus_first();

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (is_calculate_key(&msg)) { on_calculate(); continue; }
        if (tab_key(&msg) || wheel_over_input(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

static LRESULT on_create(HWND window) {
    app.main_window = window;
    controls_create();
    return 0;
}

static LRESULT on_destroy() {
    PostQuitMessage(0);
    return 0;
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    paint_main_window(dc, &client);
    EndPaint(window, &ps);
    return 0;
}

// The window keeps the size it was made with (app.window_size, set before it is created).
static LRESULT on_get_min_max_info(MINMAXINFO* info) {
    info->ptMinTrackSize.x = info->ptMaxTrackSize.x = app.window_size.cx;
    info->ptMinTrackSize.y = info->ptMaxTrackSize.y = app.window_size.cy;
    return 0;
}

// The input rows' scroll bar: by a row, by the rows shown, or to where the thumb is dragged.
static LRESULT on_vscroll(int code, HWND bar) {
    if (!bar || bar != app.rows_scroll_bar) return 0;
    SCROLLINFO info = { sizeof info, SIF_ALL };
    GetScrollInfo(bar, SB_CTL, &info);
    switch (code) {
    case SB_LINEUP:        rows_scroll_by(-1); break;
    case SB_LINEDOWN:      rows_scroll_by(1); break;
    case SB_PAGEUP:        rows_scroll_by(-(int)info.nPage); break;
    case SB_PAGEDOWN:      rows_scroll_by((int)info.nPage); break;
    case SB_THUMBTRACK:    // fall through: the rows follow the thumb while it is dragged
    case SB_THUMBPOSITION: rows_scroll_to(info.nTrackPos); break;
    case SB_TOP:           rows_scroll_to(0); break;
    case SB_BOTTOM:        rows_scroll_to(app.active_tool->input_count); break;
    }
    return 0;
}

// The mouse wheel anywhere in the window that does not take it itself scrolls the input rows, three
// rows a notch.
static LRESULT on_mouse_wheel(int delta) {
    rows_scroll_by(-delta / WHEEL_DELTA * 3);
    return 0;
}

static LRESULT on_draw_item(const DRAWITEMSTRUCT* item) {
    draw_button(item);
    return TRUE;
}

// Returns false for an id that is not one of the five commands.
static bool on_command(int id) {
    switch (id) {
    case ID_CALCULATE: on_calculate();  return true;
    case ID_SAVE:      record_save();   return true;
    case ID_COPY:      command_copy();  return true;
    case ID_RESET:     command_reset(); return true;
    case ID_ABOUT:     command_about(); return true;
    }
    return false;
}

// Input edit boxes and drop-down lists: dark text on the panel colour.
static LRESULT on_ctl_color_edit(HDC dc) {
    SetTextColor(dc, COLOUR_TEXT);
    SetBkColor(dc, COLOUR_PANEL);
    return (LRESULT)app.brush_white;
}

static COLORREF verdict_colour(int level) {
    return level >= 0 && level < (int)dimof(VERDICT_COLOURS) ? VERDICT_COLOURS[level] : VERDICT_COLOURS[0];
}

// Statics and the read-only result box: transparent text, its colour chosen by control.
static LRESULT on_ctl_color_static(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF colour = COLOUR_TEXT_MUTED;
    if (control == app.verdict_label) colour = verdict_colour(app.verdict_level);
    else if (control == app.result_box || control == app.note_label) colour = COLOUR_TEXT;
    else if (GetDlgCtrlID(control) >= ID_INPUT_FIRST && GetDlgCtrlID(control) < ID_INPUT_FIRST + (int)MAX_INPUTS)
        colour = COLOUR_TEXT;  // a check box, or an input control that is read-only
    SetTextColor(dc, colour);
    return (LRESULT)app.brush_white;
}

static LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:         return on_create(window);
    case WM_DESTROY:        return on_destroy();
    case WM_PAINT:          return on_paint(window);
    case WM_ERASEBKGND:     return 1;  // the painter fills the whole background itself
    case WM_GETMINMAXINFO:  return on_get_min_max_info((MINMAXINFO*)lparam);
    case WM_DRAWITEM:       return on_draw_item((const DRAWITEMSTRUCT*)lparam);
    case WM_COMMAND:        if (on_command(LOWORD(wparam))) return 0; break;
    case WM_VSCROLL:        return on_vscroll(LOWORD(wparam), (HWND)lparam);
    case WM_MOUSEWHEEL:     return on_mouse_wheel(GET_WHEEL_DELTA_WPARAM(wparam));
    case WM_CTLCOLOREDIT:   // fall through: a drop-down list's field and list look like an edit box
    case WM_CTLCOLORLISTBOX: return on_ctl_color_edit((HDC)wparam);
    case WM_CTLCOLORSTATIC: return on_ctl_color_static((HDC)wparam, (HWND)lparam);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
