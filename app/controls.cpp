// The child controls of the main window: one row per input field, the result side and the command
// buttons, at fixed client-pixel positions. Exports controls_create and input_edit_show_default.
#include "app/controls.h"

#include "app/layout.h"
#include "app/main_window.h"
#include "app/window_state.h"
#include "base/dimof.h"
#include "base/wtext.h"

static const DWORD STATIC_STYLE = WS_CHILD | WS_VISIBLE;                             // 0x50000000
static const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_RIGHT;                   // 0x50000002
static const DWORD INPUT_STYLE = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;             // 0x50000080
static const DWORD RESULT_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_READONLY;                      // 0x50200844
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;              // 0x5000000B

enum { BUTTON_TOP = 668, BUTTON_HEIGHT = 40 };

// The command buttons, left to right; their painter selects the font itself.
static const struct { const wchar_t* caption; int id; int x; int width; } BUTTONS[] = {
    // caption        id             x    width
    { L"计算 (F5)",  ID_CALCULATE,  20,  152 },
    { L"保存记录",   ID_SAVE,       184, 132 },
    { L"复制结果",   ID_COPY,       328, 132 },
    { L"清空重填",   ID_RESET,      472, 132 },
    { L"关于",       ID_ABOUT,      616, 110 },
};

// One child control; the font is sent only when given.
static HWND make_control(const wchar_t* cls, DWORD ex_style, DWORD style, const wchar_t* text,
                         int x, int y, int width, int height, int id, HFONT font) {
    HWND control = CreateWindowExW(ex_style, cls, text, style, x, y, width, height, app.main_window,
                                   (HMENU)(INT_PTR)id, app.app_instance, NULL);
    if (font) SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    return control;
}

void input_edit_show_default(int i) {
    wchar_t text[64];
    wformat(text, dimof(text), L"%.6g", app.active_tool->inputs[i].default_value);
    SetWindowTextW(app.input_edits[i], text);
}

static void create_input_row(int i) {
    const ToolDef* tool = app.active_tool;
    const ToolInput* input = &tool->inputs[i];
    int y = input_row_top(i, tool->input_count);
    make_control(L"STATIC", 0, LABEL_STYLE, input->label, LABEL_X, y + LABEL_DY, LABEL_WIDTH, LABEL_HEIGHT,
                 0, app.font_label);
    app.input_edits[i] = make_control(L"EDIT", WS_EX_CLIENTEDGE, INPUT_STYLE, L"", EDIT_X, y + EDIT_DY, EDIT_WIDTH,
                                      EDIT_HEIGHT, ID_INPUT_FIRST + i, app.font_input);
    input_edit_show_default(i);
    if (input->unit && input->unit[0])
        make_control(L"STATIC", 0, STATIC_STYLE, input->unit, UNIT_X, y + UNIT_DY, UNIT_WIDTH, UNIT_HEIGHT,
                     0, app.font_small);
}

void controls_create() {
    const ToolDef* tool = app.active_tool;
    for (int i = 0; i < tool->input_count; i++) create_input_row(i);

    app.verdict_label = make_control(L"STATIC", 0, STATIC_STYLE, VERDICT_PROMPT, 492, 142, 492, 46, 0,
                                     app.font_verdict);
    app.result_box = make_control(L"EDIT", WS_EX_CLIENTEDGE, RESULT_STYLE, L"", 492, 196, 492, 232, ID_RESULT,
                                  app.font_result);
    app.note_label = make_control(L"STATIC", 0, STATIC_STYLE, tool->note ? tool->note : L"", 492, 444, 492, 120,
                                  0, app.font_small);
    wchar_t reference[512];
    wformat(reference, dimof(reference), L"参考依据：%ls", tool->reference);
    make_control(L"STATIC", 0, STATIC_STYLE, reference, 492, 576, 492, 56, 0, app.font_small);

    for (const auto& b : BUTTONS)
        make_control(L"BUTTON", 0, BUTTON_STYLE, b.caption, b.x, BUTTON_TOP, b.width, BUTTON_HEIGHT, b.id, NULL);

    text_copy(app.status_text, STATUS_TEXT_CAP, L"就绪：填写参数后按 F5 或点击“计算”");
}
