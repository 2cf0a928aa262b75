// Scenarios with a tool that has no input field (no_input_tool.cpp, the surgical checklist report):
// no edit box but a line saying so, prompts without "fill in", the focus on the calculate button so
// F5 and Enter calculate from the start, and copy and reset. Exports NO_INPUT_SCENARIOS.
#include "app/layout.h"
#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_COPY = 1003, ID_RESET = 1004, ID_FIRST_INPUT = 2000, ID_RESULT = 3000,
       CONTROLS = 10 };  // the no-input line, verdict, result, note, reference and five buttons

static const wchar_t PROMPT[] = L"无需填写参数，点击“计算”";
static const wchar_t CHECKLIST_HEAD[] = L"手术安全核查表（三步核查）：\r\n";
static const wchar_t VERDICT[] = L"三方核查缺一不可，签字后归档";

static HWND child_in(Session* s, Box b) { return child_at(s, b.x + b.width / 2, b.y + b.height / 2); }

static BOOL CALLBACK count_child(HWND, LPARAM param) {
    ++*(int*)param;
    return TRUE;
}

static void expect_checklist(Session* s) {
    std::wstring result = text_of(control(s, ID_RESULT));
    check(s, result.rfind(CHECKLIST_HEAD, 0) == 0 && result.size() > 200, "result box: \"%s\"", utf8(result).c_str());
    check_text(s, "verdict line", text_of(child_in(s, VERDICT_BOX)), VERDICT);
}

static void start_state(Session* s) {
    for (int i = 0; i < 16; i++) check(s, control(s, ID_FIRST_INPUT + i) == nullptr, "there is an edit box %d", i + 1);
    int children = 0;
    EnumChildWindows(s->main, count_child, (LPARAM)&children);
    check(s, children == CONTROLS, "%d child controls", children);
    HWND line = child_in(s, NO_INPUT_BOX);
    check_text(s, "input panel", line ? text_of(line) : L"(none)", L"本工具无需输入参数");
    check_text(s, "verdict line", text_of(child_in(s, VERDICT_BOX)), PROMPT);
    expect_status(s, L"就绪：按 F5 或点击“计算”");
    check(s, focused(s) == control(s, ID_CALCULATE), "the calculate button does not have the focus");
}

// F5 right after start calculates; after a reset, Enter on the calculate button does.
static void keys_calculate(Session* s) {
    post_key(focused(s), VK_F5);
    settle(s);
    expect_checklist(s);
    check(s, focused(s) == s->main, "after a calculation the focus is not on the main window");
    expect_status(s, L"计算完成  无输入测试");

    click(s, ID_RESET);
    settle(s);
    check_text(s, "result box after reset", text_of(control(s, ID_RESULT)), L"");
    check_text(s, "verdict line after reset", text_of(child_in(s, VERDICT_BOX)), PROMPT);
    post_key(control(s, ID_CALCULATE), VK_RETURN);
    settle(s);
    expect_checklist(s);
}

// A report's clipboard text is the tool name and the whole result, without the verdict.
static void copy_result(Session* s) {
    click(s, ID_CALCULATE);
    click(s, ID_COPY);
    settle(s);
    check_text(s, "clipboard", clipboard_text(), (L"无输入测试\r\n" + text_of(control(s, ID_RESULT))).c_str());
    expect_status(s, L"结果已复制到剪贴板");
}

static const Scenario SCENARIOS[] = {
    { "no inputs: start state and focus",           PROGRAM_NO_INPUT, start_state },
    { "no inputs: F5 and Enter calculate",          PROGRAM_NO_INPUT, keys_calculate },
    { "no inputs: copy",                            PROGRAM_NO_INPUT, copy_result },
};
const ScenarioList NO_INPUT_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };
