// Report kind 7: the calendar dates of follow-up visits counted from today's local date.
// Exports report_followup and report_followup_on (the same with today given, for tests).
#include "reports/report.h"

#include "base/civil_date.h"
#include "base/dimof.h"
#include "base/format.h"
#include "base/wtext.h"
#include "platform/platform.h"

// Offset, spacing and count of visits.
static const wchar_t FOLLOWUP_HEADING[] = L"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：";
static const wchar_t FOLLOWUP_VISIT[] = L"第 %d 次：%ls";  // visit number, date
static const wchar_t FOLLOWUP_CONTENT[] = L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。";
static const wchar_t FOLLOWUP_VERDICT[] = L"随访计划已生成，可按日期短信提醒患者";

enum { FOLLOWUP_MAX_TIMES = 20 };
static const int32_t DEFAULT_GAP = 7;  // days

int report_followup_on(int64_t today, const ToolDef* tool, const double* input_values,
                       wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    int32_t offset = param_get_int(tool, input_values, "start");  // not bounded: 0 and below count
    int32_t spacing = param_get_int(tool, input_values, "gap");
    if (spacing < 1) spacing = DEFAULT_GAP;
    int32_t count = param_get_bounded(tool, input_values, "times", 1, FOLLOWUP_MAX_TIMES);

    report_line(result_text, result_cap, FOLLOWUP_HEADING, offset, spacing, count);
    for (int32_t k = 1; k <= count; k++) {
        // |offset| and spacing are below 2^31 and k at most 20: no overflow in 64 bits.
        int64_t visit = today + offset + (int64_t)(k - 1) * spacing;
        wchar_t date[32];
        civil_date_print(visit, date, dimof(date));
        report_line(result_text, result_cap, FOLLOWUP_VISIT, k, date);
    }
    report_fixed_line(result_text, result_cap, FOLLOWUP_CONTENT);

    text_copy(verdict_text, verdict_cap, FOLLOWUP_VERDICT);
    return 0;
}

int report_followup(const ToolDef* tool, const double* input_values,
                    wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    LocalTime now = platform_local_time();
    return report_followup_on(days_from_civil(now.year, now.month, now.day), tool, input_values,
                              result_text, result_cap, verdict_text, verdict_cap);
}
