// Tool 211: tests, tube and preparation of common lab panels (report kind 11). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// "panel" picks the panel from the report's own list: full blood count, chemistry, coagulation,
// thyroid, cardiac markers, urinalysis, coded 1 to 6.
static constexpr ToolInput inputs[] = {
    choice_input("panel", L"检验套餐", LAB_PANELS, 1),
};

static constexpr ToolDef tool = {
    .id        = 211,
    .name      = L"检验套餐与采血管",
    .purpose   = L"列出常用检验套餐的项目、采血管与注意事项",
    .category  = L"检验科",
    .reference = L"常用检验套餐项目与标本要求汇编；以本院检验科项目手册为准",
    .note      = L"其他套餐的项目与标本要求以本院检验科项目手册为准。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 211 - 200,
    .search    = "tc cxg jytcycxg",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
