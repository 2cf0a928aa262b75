// Tool 205: classes of high-alert medicines and how to keep them (report kind 5). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// "kind" picks the class: 1 concentrated electrolytes, 2 insulin and oral antidiabetics,
// 3 anticoagulants and chemotherapy; every other number (4 and 0 included) gives anaesthetics and
// muscle relaxants, so the note names that class 4.
static constexpr ToolInput inputs[] = {
    // key     label            unit        default
    { "kind", L"药品类别编号",  L"见说明",  1.0 },
};

static constexpr ToolDef tool = {
    .id        = 205,
    .name      = L"高警示药品管理要点",
    .purpose   = L"列出一类高警示药品的品种与存放核对要点",
    .category  = L"药剂科",
    .reference = L"高警示药品分类管理要点汇编；具体品种以本院高警示药品目录为准",
    .note      = L"类别编号：1 高浓度电解质；2 胰岛素与口服降糖药；3 抗凝与化疗药；"
                 L"4 及其他编号（含 0）麻醉与肌松药。编号小数舍去。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 205 - 200,
    .search    = "gjsyp gjsypglyd",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
