// The save command. Exports record_save. Until the record store lands it only refuses, with the hint.
#include "app/record_save.h"

#include "app/window_state.h"

void record_save() {
    if (!app.result_copy[0]) {
        MessageBoxW(app.main_window, L"请先点击“计算”生成结果，再保存记录。", L"提示", MB_ICONINFORMATION);
        return;
    }
}
