// Command scenarios with the built-in tool: calculate by button, Enter and F5, verdict colours,
// refused inputs, copy (also with a busy clipboard), reset and about. Exports COMMAND_SCENARIOS.
#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_COPY = 1003, ID_RESET = 1004, ID_ABOUT = 1005,
       ID_UOSM = 2000, ID_SOSM = 2001, ID_RESULT = 3000 };

static const wchar_t NORMAL[] = L"浓缩功能大致正常";
static const wchar_t REDUCED[] = L"浓缩功能下降，评估肾小管与容量状态";
static const wchar_t PROMPT[] = L"填写左侧参数，点击“计算”";
static const wchar_t DEFAULT_RESULT[] = L"尿/血比值：2.07\r\n";
static const wchar_t DONE[] = L"计算完成  尿/血渗透压比";
static const wchar_t NO_RESULT_HINT[] = L"请先点击“计算”生成结果。";
static const COLORREF LEVEL_0 = RGB(0, 128, 96), LEVEL_2 = RGB(214, 108, 0);

// The verdict line holds text, drawn in colour and in no other level colour.
static void expect_verdict(Session* s, const wchar_t* text, COLORREF colour) {
    check_text(s, "verdict line", text_of(child_at(s, 500, 150)), text);
    Capture line = capture_until_colour(s, { 492, 142, 984, 188 }, colour, 50);
    COLORREF other = colour == LEVEL_0 ? LEVEL_2 : LEVEL_0;
    int in_colour = count_colour(line, colour), in_other = count_colour(line, other);
    check(s, in_colour > 50 && in_other == 0, "verdict line colour: %d pixels in RGB(%d,%d,%d), %d in the other level's",
          in_colour, GetRValue(colour), GetGValue(colour), GetBValue(colour), in_other);
}

static void expect_result(Session* s, const wchar_t* text) { check_text(s, "result box", text_of(control(s, ID_RESULT)), text); }

static void set_inputs(Session* s, const wchar_t* uosm, const wchar_t* sosm) {
    set_text(control(s, ID_UOSM), uosm);
    set_text(control(s, ID_SOSM), sosm);
}

static void calculate(Session* s) {
    click(s, ID_CALCULATE);
    settle(s);
}

static void calculate_by_button(Session* s) {
    calculate(s);
    expect_result(s, DEFAULT_RESULT);
    expect_verdict(s, NORMAL, LEVEL_0);
    expect_status(s, DONE);
    check(s, focused(s) == s->main, "after a calculation the focus is not on the main window");
    check(s, no_message_box(s), "a message box is open");
    check(s, save_window_png(s, driver_paths.artifacts + L"\\window.png"), "cannot save the screenshot");
}

// Enter and F5 aimed at any child calculate, and never reach it: Enter on the reset button calculates
// and does not reset. The verdict alternates, so each line proves its own calculation.
static void calculate_by_keys(Session* s) {
    static const struct { const char* label; int target; WPARAM key; const wchar_t* uosm; const wchar_t* sosm;
                          const wchar_t* verdict; COLORREF colour; } cases[] = {
        { "Enter in an input box", ID_UOSM,   VK_RETURN, L"300", L"290", REDUCED, LEVEL_2 },
        { "F5 in an input box",    ID_SOSM,   VK_F5,     L"600", L"290", NORMAL,  LEVEL_0 },
        { "F5 in the result box",  ID_RESULT, VK_F5,     L"300", L"300", REDUCED, LEVEL_2 },
        { "Enter on a button",     ID_RESET,  VK_RETURN, L"900", L"290", NORMAL,  LEVEL_0 },
        { "F5 on a button",        ID_COPY,   VK_F5,     L"290", L"290", REDUCED, LEVEL_2 },
    };
    for (const auto& c : cases) {
        set_inputs(s, c.uosm, c.sosm);
        post_key(control(s, c.target), c.key);
        settle(s);
        size_t before = s->failures.size();
        expect_verdict(s, c.verdict, c.colour);
        check_text(s, "first input box", text_of(control(s, ID_UOSM)), c.uosm);
        check(s, no_message_box(s), "a message box is open");
        if (s->failures.size() != before) s->failures.push_back(std::string("  ... in case: ") + c.label);
    }
}

// Right after a calculation the focus is on the main window, where the keys do nothing.
static void keys_on_main_window_do_nothing(Session* s) {
    calculate(s);
    set_inputs(s, L"300", L"290");
    post_key(s->main, VK_F5);
    post_key(s->main, VK_RETURN);
    settle(s);
    expect_result(s, DEFAULT_RESULT);
    expect_verdict(s, NORMAL, LEVEL_0);
}

// An input that is not one number as a whole (a letter for a digit, a unit, a decimal comma, an
// exponent, infinity, NaN): a warning naming the field, focus on its box, nothing else changes.
static void refused_inputs(Session* s) {
    calculate(s);
    static const struct { const wchar_t* uosm; const wchar_t* sosm; int field; const wchar_t* message; } cases[] = {
        { L"1e999",    L"290",   0, L"第 1 项“尿渗透压”请输入数字。" },
        { L"600",      L"inf",   1, L"第 2 项“血渗透压”请输入数字。" },
        { L"600",      L"-nan",  1, L"第 2 项“血渗透压”请输入数字。" },
        { L"Infinity", L"x",     0, L"第 1 项“尿渗透压”请输入数字。" },
        { L"300",      L" +INF", 1, L"第 2 项“血渗透压”请输入数字。" },
        { L"6O0",      L"290",   0, L"第 1 项“尿渗透压”请输入数字。" },
        { L"600mOsm",  L"290",   0, L"第 1 项“尿渗透压”请输入数字。" },
        { L"600",      L"29,0",  1, L"第 2 项“血渗透压”请输入数字。" },
        { L"600",      L"2.9e2", 1, L"第 2 项“血渗透压”请输入数字。" },
        { L"abc",      L"290",   0, L"第 1 项“尿渗透压”请输入数字。" },
    };
    for (const auto& c : cases) {
        set_inputs(s, c.uosm, c.sosm);
        click(s, ID_CALCULATE);
        expect_message_box(s, L"输入有误", c.message, true);
        check(s, focused(s) == control(s, ID_UOSM + c.field), "%s: focus is not on field %d", utf8(c.message).c_str(), c.field + 1);
        expect_result(s, DEFAULT_RESULT);
        expect_verdict(s, NORMAL, LEVEL_0);
        expect_status(s, DONE);
    }
}

// A blank box counts as 0 without a message; full-width digits and points, as a Chinese input method
// types them, read as numbers. Each case follows a different result, so a silent no-op cannot pass.
static void blank_and_full_width_inputs(Session* s) {
    static const wchar_t FAILED[] = L"尿/血比值：0.00\r\n（部分结果无法计算，请检查输入是否合理）\r\n";
    static const struct { const wchar_t* uosm; const wchar_t* sosm; const wchar_t* result; } cases[] = {
        { L"   ",       L"290",     L"尿/血比值：0.00\r\n" },
        { L"６００",     L"２９０",   DEFAULT_RESULT },
        { L"",          L"",        FAILED },
        { L" 600。0 ",   L"２９０．0", DEFAULT_RESULT },
    };
    for (const auto& c : cases) {
        set_inputs(s, c.uosm, c.sosm);
        calculate(s);
        check(s, no_message_box(s), "a message box is open after \"%s\"", utf8(c.uosm).c_str());
        expect_result(s, c.result);
    }
}

static void copy_without_result(Session* s) {
    click(s, ID_COPY);
    expect_message_box(s, L"提示", NO_RESULT_HINT, false);
    expect_status(s, L"就绪：填写参数后按 F5 或点击“计算”");
    calculate(s);
    click(s, ID_RESET);
    click(s, ID_COPY);
    expect_message_box(s, L"提示", NO_RESULT_HINT, false);
}

static void copy_text_exact(Session* s) {
    calculate(s);
    click(s, ID_COPY);
    settle(s);
    check_text(s, "clipboard", clipboard_text(), L"尿/血渗透压比\r\n尿/血比值：2.07\r\n—— 浓缩功能大致正常");
    expect_status(s, L"结果已复制到剪贴板");
}

// While another program holds the clipboard the copy fails, says so, and leaves the clipboard alone.
static void copy_busy_clipboard(Session* s) {
    calculate(s);
    check(s, OpenClipboard(nullptr) != 0, "the driver cannot open the clipboard");
    EmptyClipboard();
    static const wchar_t HELD[] = L"另一程序的内容";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof HELD);
    memcpy(GlobalLock(block), HELD, sizeof HELD);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    click(s, ID_COPY);
    settle(s);
    CloseClipboard();
    expect_status(s, L"复制失败：剪贴板暂不可用，请重试");
    check_text(s, "clipboard after the failed copy", clipboard_text(), HELD);
    click(s, ID_COPY);
    settle(s);
    expect_status(s, L"结果已复制到剪贴板");
    check_text(s, "clipboard after the second copy", clipboard_text(), L"尿/血渗透压比\r\n尿/血比值：2.07\r\n—— 浓缩功能大致正常");
}

static void reset_restores_defaults(Session* s) {
    set_inputs(s, L"300", L"300");
    calculate(s);
    expect_verdict(s, REDUCED, LEVEL_2);
    click(s, ID_RESET);
    settle(s);
    check_text(s, "first input box", text_of(control(s, ID_UOSM)), L"600");
    check_text(s, "second input box", text_of(control(s, ID_SOSM)), L"290");
    expect_result(s, L"");
    expect_verdict(s, PROMPT, LEVEL_0);
    check_text(s, "note", text_of(child_at(s, 500, 450)), L"尿崩症、肾小管损伤时比值下降；需结合尿钠与容量状态。");
    expect_status(s, L"已恢复默认值");
    check(s, focused(s) == control(s, ID_RESET) || focused(s) == s->main, "reset moved the focus");
    click(s, ID_COPY);
    expect_message_box(s, L"提示", NO_RESULT_HINT, false);
}

static void about_text(Session* s) {
    click(s, ID_ABOUT);
    expect_message_box(s, L"关于本工具",
                       L"尿/血渗透压比\r\n\r\n分类：肾内科\r\n参考依据：尿/血渗透压比>3 提示浓缩功能良好；≈1 见于等渗尿\r\n\r\n"
                       L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                       L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
                       L"版本 V1.0    官网：www.kavrimed.example",
                       false);
}

static const Scenario SCENARIOS[] = {
    { "calculate: by button",                       PROGRAM_BUILTIN, calculate_by_button },
    { "calculate: Enter and F5 in any child",       PROGRAM_BUILTIN, calculate_by_keys },
    { "calculate: keys on the main window ignored", PROGRAM_BUILTIN, keys_on_main_window_do_nothing },
    { "calculate: text that is no number refused",  PROGRAM_BUILTIN, refused_inputs },
    { "calculate: blank is 0, full width read",     PROGRAM_BUILTIN, blank_and_full_width_inputs },
    { "copy: hint without a result",                PROGRAM_BUILTIN, copy_without_result },
    { "copy: clipboard text",                       PROGRAM_BUILTIN, copy_text_exact },
    { "copy: busy clipboard",                       PROGRAM_BUILTIN, copy_busy_clipboard },
    { "reset: defaults and no result",              PROGRAM_BUILTIN, reset_restores_defaults },
    { "about: text",                                PROGRAM_BUILTIN, about_text },
};
const ScenarioList COMMAND_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };
