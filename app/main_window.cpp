// The main window: the window state, fonts, brushes, window class, the centred fixed-size window, the
// message loop and the window procedure, one handler per message. Exports main_window_run and `app`.
#include "app/main_window.h"

#include "app/commands.h"
#include "app/controls.h"
#include "app/layout.h"
#include "app/paint.h"
#include "app/palette.h"
#include "app/record_save.h"
#include "app/window_state.h"
#include "base/dimof.h"

WindowState app;

static const wchar_t MAIN_WINDOW_CLASS[] = L"KavriMedToolWnd";
static const DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // 0x00CA0000

// Created in this order (app/layout.h names each font's face, height and weight); every other
// parameter is the same for all.
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
    for (const auto& f : FONTS)
        app.*f.font = CreateFontW(f.style->height, 0, 0, 0, f.style->weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, f.style->face);
    app.brush_white = CreateSolidBrush(COLOUR_PANEL);
    app.brush_background = CreateSolidBrush(COLOUR_BACKGROUND);
}

static LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

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

// Centre of the screen, or 0 on an axis where the screen is smaller than the window.
static int centred(int screen, int size) {
    int at = (screen - size) / 2;
    return at < 0 ? 0 : at;
}

// Enter or F5 pressed in any child of the main window: the calculate key, never passed on.
static bool is_calculate_key(const MSG* msg) {
    return msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_F5) &&
           IsChild(app.main_window, msg->hwnd);
}

int main_window_run(HINSTANCE instance, const ToolDef* tool) {
    app.app_instance = instance;
    app.active_tool = tool;
    app.verdict_level = 0;
    app.result_copy[0] = 0;
    create_fonts_and_brushes();
    register_window_class();

    RECT outer = { 0, 0, CLIENT_WIDTH, CLIENT_HEIGHT };
    AdjustWindowRect(&outer, MAIN_WINDOW_STYLE, FALSE);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int x = centred(GetSystemMetrics(SM_CXSCREEN), width), y = centred(GetSystemMetrics(SM_CYSCREEN), height);
    HWND window = CreateWindowExW(0, MAIN_WINDOW_CLASS, tool->name, MAIN_WINDOW_STYLE, x, y, width, height,
                                  NULL, NULL, app.app_instance, NULL);
    if (!window) return 1;
    app.main_window = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    controls_focus_first();

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (is_calculate_key(&msg)) { on_calculate(); continue; }
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

static LRESULT on_get_min_max_info(MINMAXINFO* info) {
    info->ptMinTrackSize.x = info->ptMaxTrackSize.x = TRACK_WIDTH;
    info->ptMinTrackSize.y = info->ptMaxTrackSize.y = TRACK_HEIGHT;
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

// Input edit boxes: dark text on the panel colour.
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
    case WM_CTLCOLOREDIT:   return on_ctl_color_edit((HDC)wparam);
    case WM_CTLCOLORSTATIC: return on_ctl_color_static((HDC)wparam, (HWND)lparam);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
