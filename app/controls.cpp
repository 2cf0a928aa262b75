// The child controls of the main window: one control per input (or one line saying there is none), the
// result side and the command buttons, at the rectangles of app/layout.h. An input's control by kind is
// an edit box for a number or a date, a drop-down list for a choice, a check box; its label and unit are
// painted (app/paint.cpp), which spares two child windows a row. Rows that do not fit the panel scroll by
// whole rows: a row out of view is hidden, never cut, and a row below the first rows shown is made when
// it first comes into view. Exports the functions of app/controls.h.
#include "app/controls.h"

#include "app/layout.h"
#include "app/main_window.h"
#include "app/window_state.h"
#include "base/civil_date.h"
#include "base/dimof.h"
#include "base/number_read.h"
#include "base/wtext.h"
#include "platform/platform.h"

static const DWORD STATIC_STYLE = WS_CHILD | WS_VISIBLE;                             // 0x50000000
static const DWORD INPUT_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;  // 0x50010080
static const DWORD CHOICE_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
static const DWORD CHECK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
static const DWORD SCROLL_STYLE = WS_CHILD | WS_VISIBLE | SBS_VERT;
static const DWORD RESULT_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_READONLY;                      // 0x50200844
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;              // 0x5000000B

enum {
    CHOICE_ITEM_HEIGHT = 20,  // a line of the open list
    CHOICE_LIST_LINES  = 10,  // the open list shows up to this many options, then scrolls
};

// The command buttons, left to right, in the order of MainLayout::buttons; their painter selects the
// font itself.
static const struct { const wchar_t* caption; int id; } BUTTONS[BUTTON_COUNT] = {
    { L"计算 (F5)",  ID_CALCULATE },
    { L"保存记录",   ID_SAVE },
    { L"复制结果",   ID_COPY },
    { L"清空重填",   ID_RESET },
    { L"关于",       ID_ABOUT },
};

// Texts that differ for a tool without inputs: nothing to fill in.
static const wchar_t PROMPT_WITH_INPUTS[] = L"填写左侧参数，点击“计算”";
static const wchar_t PROMPT_WITHOUT_INPUTS[] = L"无需填写参数，点击“计算”";
static const wchar_t START_STATUS_WITH_INPUTS[] = L"就绪：填写参数后按 F5 或点击“计算”";
static const wchar_t START_STATUS_WITHOUT_INPUTS[] = L"就绪：按 F5 或点击“计算”";
static const wchar_t NO_INPUT_TEXT[] = L"本工具无需输入参数";
static const wchar_t CHECK_TEXT[] = L"是";        // beside a check box: ticked means yes

// One child control; the font is sent only when given.
static HWND make_control(const wchar_t* cls, DWORD ex_style, DWORD style, const wchar_t* text, Box box, int id,
                         HFONT font) {
    HWND control = CreateWindowExW(ex_style, cls, text, style, box.x, box.y, box.width, box.height,
                                   app.main_window, (HMENU)(INT_PTR)id, app.app_instance, NULL);
    if (font) SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    return control;
}


const wchar_t* verdict_prompt(const ToolDef* tool) {
    return tool->input_count > 0 ? PROMPT_WITH_INPUTS : PROMPT_WITHOUT_INPUTS;
}

static RowLayout rows_now() { return input_rows(app.active_tool->input_count, app.client_height, app.extra_width); }

static bool is_wide(const ToolInput* input) { return input->kind == INPUT_CHOICE || input->kind == INPUT_CHECK; }

// Input i's start state as an entry over text (cap >= INPUT_TEXT_CAP): the text its box starts with for a number
// or a date, the option index (-1: none) or tick (1 or 0) for a choice or a check box.
static InputEntry start_entry(const ToolInput* input, wchar_t* text, int cap) {
    text[0] = 0;
    switch (input->kind) {
    case INPUT_CHOICE:
        return { text, input->start == START_EMPTY ? -1 : input_option_index(input, input->default_value) };
    case INPUT_CHECK:
        return { text, input->default_value != 0 ? 1 : 0 };
    case INPUT_DATE:
        if (input->start == START_TODAY) {
            LocalTime now = platform_local_time();
            civil_date_print(days_from_civil(now.year, now.month, now.day), text, cap);
        } else if (input->start == START_DEFAULT) {
            civil_date_print((int64_t)input->default_value, text, cap);
        }
        break;
    case INPUT_NUMBER:
        if (input->start != START_EMPTY) input_text_print(input->default_value, text, cap);  // reads back as it
        break;
    }
    return { text, -1 };
}

void input_show_start(int i) {
    const ToolInput* input = &app.active_tool->inputs[i];
    HWND control = app.input_controls[i];
    if (!control) return;  // a row not made yet is made in its start state
    wchar_t text[INPUT_TEXT_CAP];
    InputEntry start = start_entry(input, text, dimof(text));
    switch (input->kind) {
    case INPUT_CHOICE: SendMessageW(control, CB_SETCURSEL, (WPARAM)start.option, 0); return;
    case INPUT_CHECK:  SendMessageW(control, BM_SETCHECK, start.option ? BST_CHECKED : BST_UNCHECKED, 0); return;
    case INPUT_NUMBER: // fall through: both are edit boxes
    case INPUT_DATE:   SetWindowTextW(control, text); return;
    }
}

InputEntry input_entry_read(int i, wchar_t* text) {
    const ToolInput* input = &app.active_tool->inputs[i];
    HWND control = app.input_controls[i];
    // A row below the rows shown is made when it is first scrolled into view; until then it holds
    // its start state.
    if (!control) return start_entry(input, text, INPUT_TEXT_CAP);
    text[0] = 0;
    switch (input->kind) {
    case INPUT_CHOICE: {
        LRESULT chosen = SendMessageW(control, CB_GETCURSEL, 0, 0);
        return { text, chosen == CB_ERR ? -1 : (int32_t)chosen };
    }
    case INPUT_CHECK:
        return { text, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0 };
    case INPUT_NUMBER:
    case INPUT_DATE:
        break;
    }
    GetWindowTextW(control, text, INPUT_TEXT_CAP);
    return { text, -1 };
}

static void create_input_control(int i, int place, RowLayout rows);

// Places input i's control in place `place` of the rows shown, or hides it (place outside them).
static void place_row(int i, int place, RowLayout rows) {
    const ToolInput* input = &app.active_tool->inputs[i];
    bool shown = place >= 0 && place < rows.shown;
    HWND control = app.input_controls[i];
    if (shown && !control) {
        create_input_control(i, place, rows);
        return;
    }
    if (!control) return;
    if (shown) {
        Box box = input_control_box(place, rows, is_wide(input), input->kind == INPUT_CHECK);
        SetWindowPos(control, NULL, box.x, box.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
}

// Makes input i's control in place `place` of the rows shown, in its start state. Only the rows shown
// are made at start: each control costs start-up time (under Wine about a millisecond, a drop-down list
// five), so a row below them is made when it is first scrolled into view.
static void create_input_control(int i, int place, RowLayout rows) {
    const ToolInput* input = &app.active_tool->inputs[i];
    int id = ID_INPUT_FIRST + i;
    Box box = input_control_box(place, rows, is_wide(input), input->kind == INPUT_CHECK);
    switch (input->kind) {
    case INPUT_CHOICE: {
        // A drop-down list's height is that of its open list; the closed field is the edit box's height.
        int lines = input->option_count < CHOICE_LIST_LINES ? input->option_count : CHOICE_LIST_LINES;
        box.height = EDIT_HEIGHT + lines * CHOICE_ITEM_HEIGHT + 2;
        HWND list = make_control(L"COMBOBOX", 0, CHOICE_STYLE, L"", box, id, app.font_input);
        SendMessageW(list, CB_SETITEMHEIGHT, (WPARAM)-1, EDIT_HEIGHT - 6);
        SendMessageW(list, CB_SETITEMHEIGHT, 0, CHOICE_ITEM_HEIGHT);
        for (int k = 0; k < input->option_count; k++)
            SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)input->options[k].text);
        app.input_controls[i] = list;
        break;
    }
    case INPUT_CHECK:
        app.input_controls[i] = make_control(L"BUTTON", 0, CHECK_STYLE, CHECK_TEXT, box, id, app.font_input);
        break;
    case INPUT_DATE:    // fall through: a date is typed into an edit box like a number
    case INPUT_NUMBER:
        app.input_controls[i] = make_control(L"EDIT", WS_EX_CLIENTEDGE, INPUT_STYLE, L"", box, id, app.font_input);
        // The box holds no more than is read: a longer text would be cut before the reader saw it, and
        // "60", many blanks and "kg" would then read as 60.
        SendMessageW(app.input_controls[i], EM_LIMITTEXT, INPUT_TEXT_CAP - 1, 0);
        break;
    }
    input_show_start(i);
}

void rows_scroll_to(int first) {
    int count = app.active_tool->input_count;
    RowLayout rows = rows_now();
    if (!rows_scroll(rows, count)) return;
    if (first > count - rows.shown) first = count - rows.shown;
    if (first < 0) first = 0;
    if (first == app.first_row) return;
    app.first_row = first;
    for (int i = 0; i < count; i++) place_row(i, i - first, rows);
    SCROLLINFO info = { sizeof info, SIF_POS };
    info.nPos = first;
    SetScrollInfo(app.rows_scroll_bar, SB_CTL, &info, TRUE);
    // The panel behind the rows is painted by the main window: repaint what the moved rows left.
    Box panel = main_layout(app.client_height, app.extra_width).input_panel.frame;
    RECT r = { panel.x, panel.y, box_right(panel), box_bottom(panel) };
    RedrawWindow(app.main_window, &r, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void rows_scroll_by(int rows) { rows_scroll_to(app.first_row + rows); }

void input_focus(int i) {
    RowLayout rows = rows_now();
    if (i < app.first_row) rows_scroll_to(i);
    else if (i >= app.first_row + rows.shown) rows_scroll_to(i - rows.shown + 1);
    SetFocus(app.input_controls[i]);
}

static void create_rows_scroll_bar(RowLayout rows, int count) {
    app.rows_scroll_bar = make_control(L"SCROLLBAR", 0, SCROLL_STYLE, L"", rows_scroll_bar_box(rows), 0, NULL);
    SCROLLINFO info = { sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS };
    info.nMin = 0;
    info.nMax = count - 1;
    info.nPage = (UINT)rows.shown;
    info.nPos = 0;
    SetScrollInfo(app.rows_scroll_bar, SB_CTL, &info, FALSE);
}

void controls_create() {
    const ToolDef* tool = app.active_tool;
    MainLayout layout = main_layout(app.client_height, app.extra_width);
    RowLayout rows = rows_now();
    for (int i = 0; i < tool->input_count && i < rows.shown; i++) create_input_control(i, i, rows);
    if (rows_scroll(rows, tool->input_count)) create_rows_scroll_bar(rows, tool->input_count);
    if (tool->input_count == 0)
        make_control(L"STATIC", 0, STATIC_STYLE, NO_INPUT_TEXT, NO_INPUT_BOX, 0, app.font_label);

    app.verdict_label = make_control(L"STATIC", 0, STATIC_STYLE, verdict_prompt(tool), layout.verdict, 0,
                                     app.font_verdict);
    app.result_box = make_control(L"EDIT", WS_EX_CLIENTEDGE, RESULT_STYLE, L"", layout.result, ID_RESULT,
                                  app.font_result);
    app.note_label = make_control(L"STATIC", 0, STATIC_STYLE, tool->note ? tool->note : L"", layout.note, 0,
                                  app.font_small);
    wchar_t reference[512];
    wformat(reference, dimof(reference), L"参考依据：%ls", tool->reference);
    make_control(L"STATIC", 0, STATIC_STYLE, reference, layout.reference, 0, app.font_small);

    for (int b = 0; b < BUTTON_COUNT; b++)
        make_control(L"BUTTON", 0, BUTTON_STYLE, BUTTONS[b].caption, layout.buttons[b], BUTTONS[b].id, NULL);

    text_copy(app.status_text, STATUS_TEXT_CAP,
              tool->input_count > 0 ? START_STATUS_WITH_INPUTS : START_STATUS_WITHOUT_INPUTS);
}

void controls_focus_first() {
    if (app.active_tool->input_count > 0) input_focus(0);
    else SetFocus(GetDlgItem(app.main_window, ID_CALCULATE));
}
