// Report kind 10: a bedside intravenous infusion card with the hourly volume of the drip rate.
// Exports report_infusion.
#include "reports/report.h"

#include "base/wtext.h"

static const wchar_t INFUSION_TITLE[] = L"静脉输液卡";
static const wchar_t INFUSION_BED[] = L"床号：%d";
static const wchar_t INFUSION_FLUID[] = L"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml";  // dose, volume
static const wchar_t INFUSION_RATE[] = L"滴速：%.0f 滴/分（约 %.0f ml/h）";         // gtt, ml/h
static const wchar_t INFUSION_CHECK[] = L"核对：药名/剂量/浓度/有效期/配伍；双人签名。";
static const wchar_t INFUSION_WATCH[] = L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。";
static const wchar_t INFUSION_VERDICT[] = L"输液卡已生成，双人核对后执行";

// Millilitres per hour for one drop per minute: a standard giving set delivers 20 drops per ml, so
// 60 minutes / 20 drops per ml = 3.
static const double ML_PER_HOUR_PER_GTT = 3.0;

int report_infusion(const ToolDef* tool, const double* input_values,
                    wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    int32_t bed = param_get_int(tool, input_values, "bed");
    double dose = param_get(tool, input_values, "dose");
    double volume = param_get(tool, input_values, "volume");
    double gtt = param_get(tool, input_values, "gtt");

    report_fixed_line(result_text, result_cap, INFUSION_TITLE);
    report_line(result_text, result_cap, INFUSION_BED, bed);
    report_line(result_text, result_cap, INFUSION_FLUID, dose, volume);
    report_line(result_text, result_cap, INFUSION_RATE, gtt, gtt * ML_PER_HOUR_PER_GTT);
    report_fixed_line(result_text, result_cap, INFUSION_CHECK);
    report_fixed_line(result_text, result_cap, INFUSION_WATCH);

    text_copy(verdict_text, verdict_cap, INFUSION_VERDICT);
    return 0;
}
