// Tool 203: order of draw of blood tubes and the handling of one test (report kind 3). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// "kind" picks the test line of the report: 1 full blood count, 2 coagulation, 3 chemistry,
// 4 blood gas, 5 blood culture, 6 glucose and lactate; any other number gives the pointer to the
// laboratory's manual. The note lists the same codes with the report's own names.
static constexpr ToolInput inputs[] = {
    // key     label            unit        default
    { "kind", L"采血项目编号",  L"见说明",  1.0 },
};

static constexpr ToolDef tool = {
    .id        = 203,
    .name      = L"采血顺序与要点",
    .purpose   = L"列出标准采血管顺序及本次项目的采集要点",
    .category  = L"检验科",
    .reference = L"按采血管添加剂排列的采血顺序（血培养瓶、枸橼酸钠、血清、肝素、EDTA、氟化钠）；"
                 L"各项目要点为科室操作常规，以本院检验科项目手册为准",
    .note      = L"项目编号：1 血常规；2 凝血；3 生化；4 血气；5 血培养；6 血糖/乳酸；"
                 L"其他编号（如 0、7）为其他项目，按检验科项目手册执行。编号小数舍去（2.9 按 2）。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 203 - 200,
    .search    = "cxsx cxsxyyd",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
