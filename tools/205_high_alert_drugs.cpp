// Tool 205: classes of high-alert medicines and how to keep them (report kind 5). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// "kind" picks the class from the report's own list: concentrated electrolytes, insulin and oral
// antidiabetics, anticoagulants and chemotherapy, anaesthetics and muscle relaxants, coded 1 to 4.
static constexpr ToolInput inputs[] = {
    choice_input("kind", L"药品类别", HIGH_ALERT_CLASSES, 1),
};

static constexpr ToolDef tool = {
    .id        = 205,
    .name      = L"高警示药品管理要点",
    .purpose   = L"列出一类高警示药品的品种与存放核对要点",
    .category  = L"药剂科",
    .reference = L"高警示药品分类管理要点汇编；具体品种以本院高警示药品目录为准",
    .note      = L"各类别所含品种以本院高警示药品目录为准。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 205 - 200,
    .search    = "gjsyp gjsypglyd",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
