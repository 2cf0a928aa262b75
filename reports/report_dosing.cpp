// Report kind 2: the day and clock time of every dose at equal intervals, counted from the day of the
// first dose. Exports report_dosing.
#include "reports/report.h"

#include <math.h>

#include "base/dimof.h"
#include "base/wtext.h"

// Start hour and minutes, interval text, dose count.
static const wchar_t DOSING_HEADING[] = L"首剂时间 %.0f:%02d，间隔 %ls 小时，共 %d 次：";
// Day, hour, minute. The day prints from a double: a large start or interval puts it beyond int.
static const wchar_t DOSING_ENTRY[] = L"第%.0f天 %02d:%02d";
static const wchar_t DOSING_NO_TIME[] = L"第--天 --:--";
static const wchar_t DOSING_SEPARATOR[] = L"  |  ";
static const wchar_t DOSING_NOTE[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";
static const wchar_t DOSING_VERDICT[] = L"给药时间表已生成，注意首剂与夜间给药时间";

enum {
    DOSING_MAX_TIMES = 30,
    // An entry or the interval text: "%.0f" of the largest finite double has 309 digits, and an entry
    // adds "第", "天 " and "hh:mm" to them.
    DOSING_PIECE_CAP = 320,
};
static const double DEFAULT_INTERVAL = 8.0;  // hours

int report_dosing(const ToolDef* tool, const double* input_values,
                  wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    // A start below 0 becomes 0, an interval not above 0 becomes 8 hours. A value that is not finite
    // is treated the same way: it would give no clock time at all. Minus zero becomes 0 too, or the
    // heading would read "-0:00".
    double start = param_get(tool, input_values, "start");
    if (!(start > 0.0 && isfinite(start))) start = 0.0;
    double interval = param_get(tool, input_values, "interval");
    if (!(interval > 0.0 && isfinite(interval))) interval = DEFAULT_INTERVAL;
    int32_t times = param_get_bounded(tool, input_values, "times", 1, DOSING_MAX_TIMES);

    // The heading shows the start as hours and minutes like the entries below it, and a fractional
    // interval with its decimals (8.2, not 8).
    double start_hour = floor(start);
    int start_minute = (int)((start - start_hour) * 60.0);
    wchar_t interval_text[DOSING_PIECE_CAP];
    wformat(interval_text, dimof(interval_text), interval == floor(interval) ? L"%.0f" : L"%g", interval);
    report_line(result_text, result_cap, DOSING_HEADING, start_hour, start_minute, interval_text, times);

    // Minutes are truncated, never rounded; the order of operations below fixes them (8.2 hours
    // after midnight is 08:11, since 0.2 * 60 comes out just below 12).
    for (int j = 0; j < times; j++) {
        double t = (double)j * interval + start;  // hours after midnight of day 1
        wchar_t entry[DOSING_PIECE_CAP];
        if (isfinite(t)) {
            double r = fmod(t, 24.0);  // [0, 24)
            int hour = (int)r;
            int minute = (int)((r - hour) * 60.0);
            double day = 1.0 + trunc(t / 24.0);
            wformat(entry, dimof(entry), DOSING_ENTRY, day, hour, minute);
        } else {
            // Start and interval so large that the dose time overflows: there is no clock time.
            text_copy(entry, dimof(entry), DOSING_NO_TIME);
        }
        text_append(result_text, result_cap, entry);
        if (j + 1 < times) text_append(result_text, result_cap, DOSING_SEPARATOR);
    }
    text_append(result_text, result_cap, L"\r\n");
    report_fixed_line(result_text, result_cap, DOSING_NOTE);

    text_copy(verdict_text, verdict_cap, DOSING_VERDICT);
    return 0;
}
