// Tool 204: laboratory critical values of one group of tests (report kind 4). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// "kind" picks the group from the report's own list: electrolytes (potassium, sodium, calcium),
// glucose and blood gas, blood count, coagulation, microbiology, cardiac and pancreatic markers, or
// other tests (the pointer to the hospital's own list), coded 1 to 7. The limits are the report's,
// printed as a reference only.
static constexpr ToolInput inputs[] = {
    choice_input("kind", L"检验类别", CRITICAL_GROUPS, 1),
};

static constexpr ToolDef tool = {
    .id        = 204,
    .name      = L"检验危急值速查",
    .purpose   = L"列出一类检验的常见危急值界值与报告处置要求",
    .category  = L"检验科",
    .reference = L"常见检验危急值参考界值与危急值闭环报告流程；界值以本院《危急值报告目录》为准",
    .note      = L"列表中没有的检验请选“其他检验项目”，查阅本院《危急值报告目录》。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 204 - 200,
    .search    = "wjz jywjzsc",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
