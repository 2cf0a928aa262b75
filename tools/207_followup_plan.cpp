// Tool 207: dates of follow-up visits counted from today (report kind 7). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// Day 0 is today; the report takes a gap below 1 as 7 days and bounds the visits to 1-20.
// Defaults: a first visit one week after discharge, then every two weeks, three visits in all.
static constexpr ToolInput inputs[] = {
    // key      label             unit    default
    { "start", L"首次随访天数",   L"天后", 7.0 },
    { "gap",   L"随访间隔",       L"天",   14.0 },
    { "times", L"随访次数",       L"次",   3.0 },
};

static constexpr ToolDef tool = {
    .id        = 207,
    .name      = L"随访计划",
    .purpose   = L"从今天起推算每次随访的日期",
    .category  = L"护理部",
    .reference = L"出院患者随访计划按医嘱间隔推算日期；随访内容为科室随访常规",
    .note      = L"今天为第 0 天，首次随访天数为负时在今天之前；间隔小于 1 天按 7 天；次数 1～20，"
                 L"超出按边界取值；天数与次数小数舍去。日期按本机当天日期推算。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 207 - 200,
    .search    = "sf sfjh",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
