// Tool 203: order of draw of blood tubes and the handling of one test (report kind 3). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// "kind" picks the test line of the report from the report's own list: full blood count,
// coagulation, chemistry, blood gas, blood culture, glucose and lactate, or other tests (the pointer
// to the laboratory's manual), coded 1 to 7.
static constexpr ToolInput inputs[] = {
    choice_input("kind", L"采血项目", BLOOD_DRAW_ITEMS, 1),
};

static constexpr ToolDef tool = {
    .id        = 203,
    .name      = L"采血顺序与要点",
    .purpose   = L"列出标准采血管顺序及本次项目的采集要点",
    .category  = L"检验科",
    .reference = L"按采血管添加剂排列的采血顺序（血培养瓶、枸橼酸钠、血清、肝素、EDTA、氟化钠）；"
                 L"各项目要点为科室操作常规，以本院检验科项目手册为准",
    .note      = L"列表中没有的项目请选“其他项目”，按检验科项目手册执行。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 203 - 200,
    .search    = "cxsx cxsxyyd",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
