// Tool 201: rolling three-shift rota for a nursing team (report kind 1). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// The report bounds nurses to 1-40 and days to 1-31 and truncates fractions. The defaults, six
// nurses over one week, give two nurses on each shift every day.
static constexpr ToolInput inputs[] = {
    // key       label         unit    default
    { "nurses", L"护士人数",   L"人",  6.0 },
    { "days",   L"排班天数",   L"天",  7.0 },
};

static constexpr ToolDef tool = {
    .id        = 201,
    .name      = L"护士三班轮转排班",
    .purpose   = L"按人数与天数生成白班、夜班、休息滚动排班表",
    .category  = L"护理部",
    .reference = L"科室三班轮转排班惯例（白班 D、夜班 N、休息 R 按人员顺序滚动），非国家或行业标准",
    .note      = L"D 白班，N 夜班，R 休息；每人按 D、N、R 循环，夜班后即休息，起点逐人前移一班，"
                 L"每班约为总人数的三分之一。人数 1～40、天数 1～31，超出按边界取值，小数舍去。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 201 - 200,
    .search    = "pb sbpb hssblzpb",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
