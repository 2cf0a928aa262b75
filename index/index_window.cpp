// The index window: the index state, fonts, window class, the window centred in the work area, the
// message loop with the index's keys, the window procedure, the list as the search box filters it,
// and opening the selected tool. Exports index_window_run and `index_app`.
#include "index/index_window.h"

#include <string.h>
#include <wchar.h>

#include "app/draw.h"
#include "app/palette.h"
#include "base/dimof.h"
#include "base/wtext.h"
#include "index/index_layout.h"
#include "index/index_paint.h"
#include "index/index_search.h"
#include "index/index_state.h"

IndexState index_app;

static const DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
static const DWORD SEARCH_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
static const DWORD LIST_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                                LBS_NOINTEGRALHEIGHT;
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

enum { MODULE_PATH_CAP = 1024 };  // the index's own path; a longer one is refused, never cut

static const wchar_t CAPTION_MISSING[] = L"找不到工具";
static const wchar_t MISSING_FORMAT[] =
    L"找不到 %ls。\n\n目录所在的文件夹里没有这个工具的程序，工具包可能复制不完整。"
    L"请把完整的工具包复制到同一个文件夹后再打开。";
static const wchar_t CAPTION_NOT_OPENED[] = L"无法打开工具";
static const wchar_t DAMAGED_FORMAT[] = L"%ls 不是完整的程序文件，工具包可能复制不完整。请重新复制完整的工具包。";
static const wchar_t NOT_OPENED_FORMAT[] = L"无法打开 %ls（系统错误 %lu）。";
static const wchar_t NO_FOLDER_TEXT[] = L"无法确定目录所在的文件夹（路径过长或无效），不能打开工具。";

static const wchar_t STATUS_ALL[] = L"共 %d 个工具，按部门分组；输入即可查找";
static const wchar_t STATUS_FOUND[] = L"找到 %d 个工具";
static const wchar_t STATUS_NONE[] = L"没有找到匹配的工具：可输入名称的一部分、编号、缩写（如 BMI）或拼音首字母（如 tzzs）";
static const wchar_t STATUS_OPENED[] = L"已打开：%ls";
static const wchar_t STATUS_CHOOSE[] = L"请先在列表中选择一个工具";

// Created in this order; every other parameter is the same for all.
static const struct { HFONT IndexState::*font; const FontStyle* style; } FONTS[] = {
    { &IndexState::font_title,  &FONT_TITLE },
    { &IndexState::font_header, &FONT_HEADER },
    { &IndexState::font_label,  &FONT_LABEL },
    { &IndexState::font_input,  &FONT_INPUT },
    { &IndexState::font_group,  &INDEX_FONT_GROUP },
    { &IndexState::font_small,  &FONT_SMALL },
    { &IndexState::font_button, &FONT_BUTTON },
};

static void status_set(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    vwformat(index_app.status_text, dimof(index_app.status_text), format, args);
    va_end(args);
    RECT r = { INDEX_STATUS_BOX.x, INDEX_STATUS_BOX.y, box_right(INDEX_STATUS_BOX), box_bottom(INDEX_STATUS_BOX) };
    InvalidateRect(index_app.main_window, &r, FALSE);
}

// ---- the list

static uint32_t row_number(int row) {
    LRESULT data = SendMessageW(index_app.list, LB_GETITEMDATA, (WPARAM)row, 0);
    return data == LB_ERR ? 0 : (uint32_t)data;
}

// Selects row, keeping the department heading just above it in view.
static void select_row(int row) {
    SendMessageW(index_app.list, LB_SETCURSEL, (WPARAM)row, 0);
    int top = (int)SendMessageW(index_app.list, LB_GETTOPINDEX, 0, 0);
    if (row > 0 && row - 1 < top && row_number(row - 1) == 0)
        SendMessageW(index_app.list, LB_SETTOPINDEX, (WPARAM)(row - 1), 0);
}

// Moves the selection by step rows (negative: up), past department headings; stays where it is when
// only headings lie that way.
static void list_move(int step) {
    int count = (int)SendMessageW(index_app.list, LB_GETCOUNT, 0, 0);
    if (count <= 0) return;
    int current = (int)SendMessageW(index_app.list, LB_GETCURSEL, 0, 0);
    int direction = step > 0 ? 1 : -1;
    int row = current < 0 ? (step > 0 ? 0 : count - 1) : current + step;
    if (row < 0) row = 0;
    if (row >= count) row = count - 1;
    while (row >= 0 && row < count && row_number(row) == 0) row += direction;
    if (row < 0 || row >= count) row = current;
    if (row >= 0) select_row(row);
}

// Rows visible in the list: the step of Page Up and Page Down.
static int list_page() {
    RECT r;
    GetClientRect(index_app.list, &r);
    int rows = (r.bottom - r.top) / INDEX_ROW_HEIGHT;
    return rows > 1 ? rows - 1 : 1;
}

// Fills the list with the tools the search box's text matches: a heading row before each department,
// then its tools; selects the first tool, so Enter opens the best match at once.
static void list_fill() {
    wchar_t query[INDEX_QUERY_CAP] = L"";
    GetWindowTextW(index_app.search_box, query, dimof(query));
    int found[INDEX_MAX_TOOLS];
    int n = index_search(INDEX_TOOLS, INDEX_TOOL_COUNT, query, found, dimof(found));
    HWND list = index_app.list;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < n; i++) {
        const IndexTool& tool = INDEX_TOOLS[found[i]];
        if (i == 0 || wcscmp(tool.category, INDEX_TOOLS[found[i - 1]].category) != 0)
            SendMessageW(list, LB_ADDSTRING, 0, 0);
        SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)tool.number);
    }
    if (n > 0) select_row(1);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, NULL, TRUE);
    if (query[0] == 0) status_set(STATUS_ALL, n);
    else if (n > 0) status_set(STATUS_FOUND, n);
    else status_set(STATUS_NONE);
}

// A heading chosen with the mouse gives the selection to its first tool.
static void on_list_selection() {
    int row = (int)SendMessageW(index_app.list, LB_GETCURSEL, 0, 0);
    if (row >= 0 && row_number(row) == 0) list_move(1);
}

// ---- opening a tool

static void open_tool(const IndexTool* tool) {
    wchar_t module[MODULE_PATH_CAP], path[MODULE_PATH_CAP], message[512];
    DWORD len = GetModuleFileNameW(NULL, module, dimof(module));
    if (len == 0 || len >= (DWORD)dimof(module) || !index_exe_path(module, tool->exe_name, path, dimof(path))) {
        MessageBoxW(index_app.main_window, NO_FOLDER_TEXT, CAPTION_NOT_OPENED, MB_ICONWARNING);
        return;
    }
    wchar_t command_line[MODULE_PATH_CAP + 2];
    wformat(command_line, dimof(command_line), L"\"%ls\"", path);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // The full path as the application name: nothing is looked for anywhere else.
    if (!CreateProcessW(path, command_line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        const wchar_t* exe = path + wcslen(path) - strlen(tool->exe_name);  // the name, as index_exe_path wrote it
        if (missing) wformat(message, dimof(message), MISSING_FORMAT, exe);
        else if (error == ERROR_BAD_EXE_FORMAT) wformat(message, dimof(message), DAMAGED_FORMAT, exe);
        else wformat(message, dimof(message), NOT_OPENED_FORMAT, exe, (unsigned long)error);
        MessageBoxW(index_app.main_window, message, missing ? CAPTION_MISSING : CAPTION_NOT_OPENED, MB_ICONWARNING);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    status_set(STATUS_OPENED, tool->name);
}

static void open_selected() {
    int row = (int)SendMessageW(index_app.list, LB_GETCURSEL, 0, 0);
    const IndexTool* tool = row < 0 ? nullptr : index_tool_by_number(row_number(row));
    if (tool) open_tool(tool);
    else status_set(STATUS_CHOOSE);
}

// A double-click at point x, y of the list opens the tool there; one on a heading opens nothing.
static void list_double_click(int x, int y) {
    LRESULT hit = SendMessageW(index_app.list, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    int row = LOWORD(hit);
    if (HIWORD(hit) != 0 || row_number(row) == 0) return;
    select_row(row);
    open_selected();
}

static void clear_search() {
    SetWindowTextW(index_app.search_box, L"");  // the change refills the list
    SetFocus(index_app.search_box);
}

// ---- window, class, loop

static void create_fonts() {
    for (const auto& f : FONTS) index_app.*f.font = font_create(*f.style);
    index_app.brush_panel = CreateSolidBrush(COLOUR_PANEL);
}

static HWND make_control(const wchar_t* cls, DWORD ex_style, DWORD style, Box box, int id, HFONT font) {
    HWND control = CreateWindowExW(ex_style, cls, L"", style, box.x, box.y, box.width, box.height,
                                   index_app.main_window, (HMENU)(INT_PTR)id, index_app.instance, NULL);
    if (font) SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    return control;
}

static LRESULT CALLBACK index_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The index's keys, aimed at any child of its window: Enter opens, Esc clears the search, the arrows
// and Page Up / Page Down move in the list, Tab goes between the search box and the list. A character
// typed in the list goes to the search box. A double-click in the list opens the tool under it (read
// here, from the message's own point: a notification would have to ask where the pointer is now).
// Returns true when the message was handled here.
static bool index_key(MSG* msg) {
    if (!IsChild(index_app.main_window, msg->hwnd)) return false;
    if (msg->message == WM_LBUTTONDBLCLK && msg->hwnd == index_app.list) {
        list_double_click((short)LOWORD(msg->lParam), (short)HIWORD(msg->lParam));
        return true;
    }
    if (msg->message == WM_CHAR && msg->hwnd == index_app.list) {
        SetFocus(index_app.search_box);
        msg->hwnd = index_app.search_box;
        return false;
    }
    if (msg->message != WM_KEYDOWN) return false;
    switch (msg->wParam) {
    case VK_RETURN: open_selected();           return true;
    case VK_ESCAPE: clear_search();            return true;
    case VK_UP:     list_move(-1);             return true;
    case VK_DOWN:   list_move(1);              return true;
    case VK_PRIOR:  list_move(-list_page());   return true;
    case VK_NEXT:   list_move(list_page());    return true;
    case VK_TAB:    SetFocus(msg->hwnd == index_app.search_box ? index_app.list : index_app.search_box); return true;
    }
    return false;
}

int index_window_run(HINSTANCE instance) {
    index_app.instance = instance;
    create_fonts();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = index_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.lpszClassName = INDEX_WINDOW_CLASS;
    RegisterClassExW(&wc);

    RECT outer = { 0, 0, INDEX_CLIENT_WIDTH, INDEX_CLIENT_HEIGHT };
    AdjustWindowRect(&outer, MAIN_WINDOW_STYLE, FALSE);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    RECT work = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    HWND window = CreateWindowExW(0, INDEX_WINDOW_CLASS, INDEX_TITLE, MAIN_WINDOW_STYLE,
                                  centred(work.left, work.right - work.left, width),
                                  centred(work.top, work.bottom - work.top, height), width, height, NULL, NULL,
                                  instance, NULL);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(index_app.search_box);

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (index_key(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// ---- the window procedure

static LRESULT on_create(HWND window) {
    index_app.main_window = window;
    index_app.search_box = make_control(L"EDIT", WS_EX_CLIENTEDGE, SEARCH_STYLE, INDEX_SEARCH_BOX, ID_INDEX_SEARCH,
                                        index_app.font_input);
    SendMessageW(index_app.search_box, EM_SETLIMITTEXT, INDEX_QUERY_CAP - 1, 0);
    index_app.list = make_control(L"LISTBOX", WS_EX_CLIENTEDGE, LIST_STYLE, INDEX_LIST_BOX, ID_INDEX_LIST, NULL);
    index_app.open_button = make_control(L"BUTTON", 0, BUTTON_STYLE, INDEX_OPEN_BUTTON, ID_INDEX_OPEN, NULL);
    list_fill();
    return 0;
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    paint_index(dc, &client);
    EndPaint(window, &ps);
    return 0;
}

static LRESULT on_measure_item(MEASUREITEMSTRUCT* item) {
    item->itemHeight = INDEX_ROW_HEIGHT;
    return TRUE;
}

static LRESULT on_draw_item(const DRAWITEMSTRUCT* item) {
    if (item->CtlID == ID_INDEX_LIST) draw_list_row(item);
    else draw_open_button(item);
    return TRUE;
}

// Returns false for a notification the index does not act on.
static bool on_command(int id, int code) {
    if (id == ID_INDEX_SEARCH && code == EN_CHANGE)      { list_fill();            return true; }
    if (id == ID_INDEX_LIST && code == LBN_SELCHANGE)    { on_list_selection();    return true; }
    if (id == ID_INDEX_OPEN && code == BN_CLICKED)       { open_selected();        return true; }
    return false;
}

// The search box and the list: dark text on the panel colour.
static LRESULT on_ctl_color(HDC dc) {
    SetTextColor(dc, COLOUR_TEXT);
    SetBkColor(dc, COLOUR_PANEL);
    return (LRESULT)index_app.brush_panel;
}

static LRESULT CALLBACK index_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:         return on_create(window);
    case WM_DESTROY:        PostQuitMessage(0); return 0;
    case WM_PAINT:          return on_paint(window);
    case WM_ERASEBKGND:     return 1;  // the painter fills the whole background itself
    case WM_MEASUREITEM:    return on_measure_item((MEASUREITEMSTRUCT*)lparam);
    case WM_DRAWITEM:       return on_draw_item((const DRAWITEMSTRUCT*)lparam);
    case WM_COMMAND:        if (on_command(LOWORD(wparam), HIWORD(wparam))) return 0; break;
    case WM_CTLCOLOREDIT:   return on_ctl_color((HDC)wparam);
    case WM_CTLCOLORLISTBOX: return on_ctl_color((HDC)wparam);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
