// Tool 204: laboratory critical values of one group of tests (report kind 4). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// "kind" picks the group: 1 electrolytes (potassium, sodium, calcium), 2 glucose and blood gas,
// 3 blood count, 4 coagulation, 5 microbiology, 6 cardiac and pancreatic markers; any other number
// points to the hospital's own list. The limits are the report's, printed as a reference only.
static constexpr ToolInput inputs[] = {
    // key     label            unit        default
    { "kind", L"检验类别编号",  L"见说明",  1.0 },
};

static constexpr ToolDef tool = {
    .id        = 204,
    .name      = L"检验危急值速查",
    .purpose   = L"列出一类检验的常见危急值界值与报告处置要求",
    .category  = L"检验科",
    .reference = L"常见检验危急值参考界值与危急值闭环报告流程；界值以本院《危急值报告目录》为准",
    .note      = L"类别编号：1 电解质（血钾、血钠、血钙）；2 血糖与血气；3 血常规；4 凝血；"
                 L"5 微生物；6 心肌与胰腺标志物；其他编号提示查阅本院《危急值报告目录》。"
                 L"编号小数舍去。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 204 - 200,
    .search    = "wjz jywjzsc",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
