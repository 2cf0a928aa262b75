// The save command: the window side of the record store (hint, status line, message boxes).
// Exports record_save.
#include "app/record_save.h"

#include "app/commands.h"
#include "app/window_state.h"
#include "base/wtext.h"
#include "store/record_store.h"

enum { MESSAGE_CAP = RECORD_PATH_CAP + 256 };

static void set_status(const wchar_t* format, const wchar_t* value) {
    wformat(app.status_text, STATUS_TEXT_CAP, format, value);
    InvalidateRect(app.main_window, NULL, FALSE);
}

// A save that did not happen: the status line says so before the warning opens, so the footer is
// right while the box is up. reason fills the status line, message the box.
static void report_failure(const wchar_t* reason, const wchar_t* message) {
    set_status(L"记录保存失败：%ls", reason);
    MessageBoxW(app.main_window, message, L"保存失败", MB_ICONWARNING);
}

void record_save() {
    if (command_refused_for_invalid_inputs(L"未保存：输入有误，本次没有可保存的结果")) return;
    if (!app.result_copy[0]) {
        MessageBoxW(app.main_window, L"请先点击“计算”生成结果，再保存记录。", L"提示", MB_ICONINFORMATION);
        return;
    }
    wchar_t appdata[RECORD_FOLDER_CAP];
    platform_local_appdata(appdata, RECORD_FOLDER_CAP);
    // The record's result column carries what the clipboard does: the result and the verdict.
    RecordOutcome outcome = record_append(app.active_tool, app.input_values, app.copy_text, appdata,
                                          platform_local_time());
    wchar_t message[MESSAGE_CAP];
    switch (outcome.status) {
    case RECORD_SAVED:
        set_status(L"记录已保存：%ls", outcome.path);
        MessageBoxW(app.main_window, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", L"已保存",
                    MB_ICONINFORMATION);
        return;
    case RECORD_NO_APPDATA:
        report_failure(L"无法确定本地应用数据文件夹",
                       L"无法确定本地应用数据文件夹，本次记录未保存，也未写入其他位置。");
        return;
    case RECORD_PATH_TOO_LONG:
        wformat(message, MESSAGE_CAP, L"记录文件夹的路径过长，本次记录未保存：\r\n%ls", outcome.path);
        report_failure(L"记录文件夹路径过长", message);
        return;
    case RECORD_OPEN_FAILED:
    case RECORD_WRITE_FAILED:
        wformat(message, MESSAGE_CAP,
                L"本次记录未写入记录文件：\r\n%ls\r\n\r\n该文件可能正被其他程序（如 Excel）打开。"
                L"请关闭该文件后再点击“保存记录”。",
                outcome.path);
        report_failure(outcome.path, message);
        return;
    }
}
