// The child controls of the main window: one row per input field (or one line saying there is none),
// the result side and the command buttons, at the rectangles of app/layout.h. Exports
// controls_create, controls_focus_first, input_edit_show_default and verdict_prompt.
#include "app/controls.h"

#include "app/layout.h"
#include "app/main_window.h"
#include "app/window_state.h"
#include "base/dimof.h"
#include "base/number_read.h"
#include "base/wtext.h"

static const DWORD STATIC_STYLE = WS_CHILD | WS_VISIBLE;                             // 0x50000000
static const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_RIGHT;                   // 0x50000002
static const DWORD INPUT_STYLE = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;             // 0x50000080
static const DWORD RESULT_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_READONLY;                      // 0x50200844
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;              // 0x5000000B

// The command buttons, left to right; their painter selects the font itself.
static const struct { const wchar_t* caption; int id; Box box; } BUTTONS[] = {
    // caption        id             box
    { L"计算 (F5)",  ID_CALCULATE,  CALCULATE_BUTTON },
    { L"保存记录",   ID_SAVE,       SAVE_BUTTON },
    { L"复制结果",   ID_COPY,       COPY_BUTTON },
    { L"清空重填",   ID_RESET,      RESET_BUTTON },
    { L"关于",       ID_ABOUT,      ABOUT_BUTTON },
};

// Texts that differ for a tool without inputs: nothing to fill in.
static const wchar_t PROMPT_WITH_INPUTS[] = L"填写左侧参数，点击“计算”";
static const wchar_t PROMPT_WITHOUT_INPUTS[] = L"无需填写参数，点击“计算”";
static const wchar_t START_STATUS_WITH_INPUTS[] = L"就绪：填写参数后按 F5 或点击“计算”";
static const wchar_t START_STATUS_WITHOUT_INPUTS[] = L"就绪：按 F5 或点击“计算”";
static const wchar_t NO_INPUT_TEXT[] = L"本工具无需输入参数";

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

void input_edit_show_default(int i) {
    wchar_t text[INPUT_NUMBER_MAX_CHARS + 1];
    input_text_print(app.active_tool->inputs[i].default_value, text, dimof(text));
    SetWindowTextW(app.input_edits[i], text);
}

static void create_input_row(int i) {
    const ToolDef* tool = app.active_tool;
    const ToolInput* input = &tool->inputs[i];
    int count = tool->input_count;
    make_control(L"STATIC", 0, LABEL_STYLE, input->label, input_label_box(i, count), 0, app.font_label);
    app.input_edits[i] = make_control(L"EDIT", WS_EX_CLIENTEDGE, INPUT_STYLE, L"", input_edit_box(i, count),
                                      ID_INPUT_FIRST + i, app.font_input);
    input_edit_show_default(i);
    if (input->unit && input->unit[0])
        make_control(L"STATIC", 0, STATIC_STYLE, input->unit, input_unit_box(i, count), 0, app.font_small);
}

void controls_create() {
    const ToolDef* tool = app.active_tool;
    for (int i = 0; i < tool->input_count; i++) create_input_row(i);
    if (tool->input_count == 0)
        make_control(L"STATIC", 0, STATIC_STYLE, NO_INPUT_TEXT, NO_INPUT_BOX, 0, app.font_label);

    app.verdict_label = make_control(L"STATIC", 0, STATIC_STYLE, verdict_prompt(tool), VERDICT_BOX, 0,
                                     app.font_verdict);
    app.result_box = make_control(L"EDIT", WS_EX_CLIENTEDGE, RESULT_STYLE, L"", RESULT_BOX, ID_RESULT,
                                  app.font_result);
    app.note_label = make_control(L"STATIC", 0, STATIC_STYLE, tool->note ? tool->note : L"", NOTE_BOX, 0,
                                  app.font_small);
    wchar_t reference[512];
    wformat(reference, dimof(reference), L"参考依据：%ls", tool->reference);
    make_control(L"STATIC", 0, STATIC_STYLE, reference, REFERENCE_BOX, 0, app.font_small);

    for (const auto& b : BUTTONS)
        make_control(L"BUTTON", 0, BUTTON_STYLE, b.caption, b.box, b.id, NULL);

    text_copy(app.status_text, STATUS_TEXT_CAP,
              tool->input_count > 0 ? START_STATUS_WITH_INPUTS : START_STATUS_WITHOUT_INPUTS);
}

void controls_focus_first() {
    SetFocus(app.active_tool->input_count > 0 ? app.input_edits[0] : GetDlgItem(app.main_window, ID_CALCULATE));
}
