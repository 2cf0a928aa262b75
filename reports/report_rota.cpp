// Report kind 1: a rolling three-shift rota, one line of day cells per nurse. Exports report_rota.
#include "reports/report.h"

#include "base/dimof.h"
#include "base/wtext.h"

// The nurses on each shift of a day: "%d" when the shifts share the nurses evenly, else "%d～%d".
static const wchar_t ROTA_RULE[] = L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每人按 D、N、R 循环，夜班后休息；"
                                   L"每日每班 %ls 人，按人员顺序滚动。";
static const wchar_t ROTA_SUMMARY[] = L"人员：%d 人；周期：%d 天";  // nurses, days
static const wchar_t ROTA_NAME[] = L"护士%02d";                   // 1-based nurse number
static const wchar_t ROTA_NAME_LINE[] = L"%ls：";
static const wchar_t ROTA_CELL[] = L"%d日%c ";                     // 1-based day, shift letter
static const wchar_t ROTA_HINT[] = L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";
static const wchar_t ROTA_VERDICT[] = L"已生成轮转排班表，可复制到排班本或表格";

enum { ROTA_MAX_NURSES = 40, ROTA_MAX_DAYS = 31 };

// Nurse i works shift (i + j) mod 3 on day j: every nurse runs day shift, night shift, rest, so a
// night is always followed by a day of rest, and nurse i starts one shift further on than nurse
// i - 1. On each day the nurses whose numbers differ by a multiple of 3 share a shift, so each shift
// falls to one nurse in three: n / 3 of them, rounded down or up when n is no multiple of 3.
static const char SHIFT_LETTERS[3] = { 'D', 'N', 'R' };

int report_rota(const ToolDef* tool, const double* input_values,
                wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    int32_t nurses = param_get_bounded(tool, input_values, "nurses", 1, ROTA_MAX_NURSES);
    int32_t days = param_get_bounded(tool, input_values, "days", 1, ROTA_MAX_DAYS);

    wchar_t per_shift[16];
    if (nurses % 3 == 0) wformat(per_shift, dimof(per_shift), L"%d", nurses / 3);
    else wformat(per_shift, dimof(per_shift), L"%d～%d", nurses / 3, nurses / 3 + 1);
    report_line(result_text, result_cap, ROTA_RULE, per_shift);
    report_line(result_text, result_cap, ROTA_SUMMARY, nurses, days);
    report_line(result_text, result_cap, L"");
    for (int i = 0; i < nurses; i++) {
        wchar_t name[12];
        wformat(name, dimof(name), ROTA_NAME, i + 1);
        report_line(result_text, result_cap, ROTA_NAME_LINE, name);
        text_append(result_text, result_cap, L"  ");
        for (int j = 0; j < days; j++) {
            wchar_t cell[16];
            wformat(cell, dimof(cell), ROTA_CELL, j + 1, SHIFT_LETTERS[(i + j) % 3]);
            text_append(result_text, result_cap, cell);
        }
        text_append(result_text, result_cap, L"\r\n");
    }
    report_line(result_text, result_cap, L"");
    report_fixed_line(result_text, result_cap, ROTA_HINT);

    text_copy(verdict_text, verdict_cap, ROTA_VERDICT);
    return 0;
}
