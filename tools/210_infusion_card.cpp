// Tool 210: bedside intravenous infusion card (report kind 10). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// The card prints the dose without a unit, so the dose is typed in the order's own unit. The
// hourly volume is drops per minute x 3: 60 minutes over the 20 drops per ml of a standard giving
// set. Defaults: 1 unit of drug in 250 ml at 40 drops per minute (about 120 ml/h).
static constexpr ToolInput inputs[] = {
    // key       label         unit          default
    { "bed",    L"床号",       L"",          1.0 },
    { "dose",   L"医嘱药量",   L"按医嘱单位", 1.0 },
    { "volume", L"溶媒量",     L"ml",        250.0 },
    { "gtt",    L"滴速",       L"滴/分",     40.0 },
};

static constexpr ToolDef tool = {
    .id        = 210,
    .name      = L"静脉输液卡",
    .purpose   = L"填写床旁输液卡并折算每小时输液量",
    .category  = L"护理部",
    .reference = L"每小时输液量（ml/h）＝ 滴速（滴/分）× 60 ÷ 输液器滴系数（标准输液器 20 滴/ml）",
    .note      = L"按标准输液器 20 滴/ml 折算：ml/h ＝ 滴/分 × 3，精密输液器（60 滴/ml）不适用。"
                 L"药量按医嘱单位填写，卡上不印单位；床号只取整数部分。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 210 - 200,
    .search    = "syk jmsyk",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
