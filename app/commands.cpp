// The commands of the main window: calculate, copy, reset and about. Exports on_calculate,
// command_copy, command_reset and command_about. All run on the GUI thread and read and write `app`.
#include "app/commands.h"

#include "app/controls.h"
#include "app/main_window.h"
#include "app/window_state.h"
#include "base/dimof.h"
#include "base/wtext.h"
#include "calc/compute.h"
#include "engine/input_values.h"

enum {
    CLIPBOARD_ATTEMPTS = 5,    // another program often holds the clipboard for a moment
    CLIPBOARD_RETRY_MS = 10,
};

static const wchar_t CAPTION_INPUT_ERROR[] = L"输入有误";
static const wchar_t CAPTION_HINT[] = L"提示";
static const wchar_t NO_RESULT_HINT[] = L"请先点击“计算”生成结果。";
static const wchar_t STATUS_COPIED[] = L"结果已复制到剪贴板";
static const wchar_t STATUS_COPY_FAILED[] = L"复制失败：剪贴板暂不可用，请重试";
static const wchar_t STATUS_RESET[] = L"已恢复默认值";
static const wchar_t STATUS_INVALID[] = L"未得出结果：请按“计算结果”中的提示核对输入";
static const wchar_t STATUS_COPY_REFUSED[] = L"未复制：输入有误，本次没有可复制的结果";

static void status_set(const wchar_t* text) {
    text_copy(app.status_text, STATUS_TEXT_CAP, text);
    InvalidateRect(app.main_window, NULL, FALSE);
}

// All input values are taken together or not at all, so a save after a refused calculation still
// pairs the last result with the inputs it was computed from.
void on_calculate() {
    const ToolDef* tool = app.active_tool;
    wchar_t texts[MAX_INPUTS][INPUT_TEXT_CAP];
    InputEntry entries[MAX_INPUTS];
    for (int i = 0; i < tool->input_count; i++) entries[i] = input_entry_read(i, texts[i]);
    InputReading reading = input_values_read(tool, entries, app.input_values);
    if (reading.field >= 0) {
        wchar_t message[256];
        input_refusal_message(tool, reading, message, dimof(message));
        MessageBoxW(app.main_window, message, CAPTION_INPUT_ERROR, MB_ICONWARNING);
        input_focus(reading.field);
        return;
    }

    wchar_t result[RESULT_TEXT_CAP], verdict[VERDICT_TEXT_CAP];
    tool_compute(tool, app.input_values, result, dimof(result), verdict, dimof(verdict), &app.verdict_level,
                 app.result_copy, dimof(app.result_copy));
    // An empty result copy after a calculation: a rule found the inputs implausible, and the result
    // box says what to correct. Nothing may then be copied or saved.
    app.inputs_invalid = tool->report_kind == 0 && !app.result_copy[0];
    app.copy_text[0] = 0;
    SetWindowTextW(app.result_box, result);
    SetWindowTextW(app.verdict_label, verdict);
    // The clipboard text holds the whole result: copy_text has room for every result and verdict.
    if (app.inputs_invalid) app.copy_text[0] = 0;
    else if (tool->report_kind != 0) text_copy(app.copy_text, dimof(app.copy_text), result);
    else wformat(app.copy_text, dimof(app.copy_text), L"%ls—— %ls", result, verdict);
    InvalidateRect(app.verdict_label, NULL, TRUE);
    InvalidateRect(app.main_window, NULL, FALSE);
    wchar_t status[STATUS_TEXT_CAP];
    if (app.inputs_invalid) text_copy(status, dimof(status), STATUS_INVALID);
    else wformat(status, dimof(status), L"计算完成  %ls", tool->name);
    status_set(status);
    SetFocus(app.main_window);
}

bool command_refused_for_invalid_inputs(const wchar_t* status) {
    if (app.result_copy[0] || !app.inputs_invalid) return false;
    status_set(status);
    return true;
}

static bool clipboard_open() {
    for (int attempt = 1;; attempt++) {
        if (OpenClipboard(app.main_window)) return true;
        if (attempt == CLIPBOARD_ATTEMPTS) return false;
        Sleep(CLIPBOARD_RETRY_MS);
    }
}

// Hands "name CR LF copy_text" to the open clipboard. Returns false when the block cannot be
// allocated, locked or handed over (the clipboard is then left emptied).
static bool clipboard_put_result() {
    int a = text_length(app.copy_text), b = text_length(app.active_tool->name);
    EmptyClipboard();
    SIZE_T bytes = (SIZE_T)(a + b) * sizeof(wchar_t) + 32;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return false;
    wchar_t* text = (wchar_t*)GlobalLock(block);
    if (!text) { GlobalFree(block); return false; }
    wformat(text, (int)(bytes / sizeof(wchar_t)), L"%ls\r\n%ls", app.active_tool->name, app.copy_text);
    GlobalUnlock(block);
    if (SetClipboardData(CF_UNICODETEXT, block)) return true;
    GlobalFree(block);
    return false;
}

void command_copy() {
    if (command_refused_for_invalid_inputs(STATUS_COPY_REFUSED)) return;
    if (!app.result_copy[0]) {
        MessageBoxW(app.main_window, NO_RESULT_HINT, CAPTION_HINT, MB_ICONINFORMATION);
        return;
    }
    if (!clipboard_open()) { status_set(STATUS_COPY_FAILED); return; }
    bool copied = clipboard_put_result();
    CloseClipboard();
    status_set(copied ? STATUS_COPIED : STATUS_COPY_FAILED);
}

void command_reset() {
    const ToolDef* tool = app.active_tool;
    for (int i = 0; i < tool->input_count; i++) input_show_start(i);
    rows_scroll_to(0);  // a form filled in anew starts at its first row
    SetWindowTextW(app.result_box, L"");
    SetWindowTextW(app.verdict_label, verdict_prompt(tool));
    SetWindowTextW(app.note_label, tool->note ? tool->note : L"");
    text_copy(app.status_text, STATUS_TEXT_CAP, STATUS_RESET);
    app.result_copy[0] = 0;
    app.inputs_invalid = false;
    app.verdict_level = 0;
    InvalidateRect(app.main_window, NULL, FALSE);
}

void command_about() {
    const ToolDef* tool = app.active_tool;
    wchar_t text[1400];
    wformat(text, dimof(text),
            L"%ls\r\n\r\n分类：%ls\r\n参考依据：%ls\r\n\r\n"
            L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
            L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
            L"版本 V1.0    官网：%ls",
            tool->name, tool->category, tool->reference, MAKER_WEB_ADDRESS);
    MessageBoxW(app.main_window, text, L"关于本工具", MB_ICONINFORMATION);
}
