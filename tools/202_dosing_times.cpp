// Tool 202: clock times of doses at equal intervals (report kind 2). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// The start is a clock hour on the 24-hour clock with fractions as minutes (7.5 is 07:30); the
// report takes a start below 0 as 0, an interval not above 0 as 8 hours, and bounds the count to
// 1-30. Defaults: first dose 08:00, every 8 hours, three doses (a q8h day).
static constexpr ToolInput inputs[] = {
    // key         label         unit     default
    { "start",    L"首剂时间",   L"时",   8.0 },
    { "interval", L"给药间隔",   L"小时", 8.0 },
    { "times",    L"给药次数",   L"次",   3.0 },
};

static constexpr ToolDef tool = {
    .id        = 202,
    .name      = L"给药时间表",
    .purpose   = L"按首剂时间、间隔与次数排出每次给药的日期与时刻",
    .category  = L"药剂科",
    .reference = L"按医嘱给药间隔等间隔推算给药时刻；剂量与间隔调整以药品说明书为准",
    .note      = L"首剂时间按 24 小时制填写，小数为分钟（7.5 即 07:30），小于 0 按 0；间隔单位为小时，"
                 L"不大于 0 时按 8 小时；次数 1～30，超出按边界取值，小数舍去。分钟只舍不入。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 202 - 200,
    .search    = "gysjb gysj",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
