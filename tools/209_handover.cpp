// Tool 209: nursing handover template, one line per bed (report kind 9). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// The report bounds the beds to 1-30 and numbers them from 01; ten beds suit one nurse's group.
static constexpr ToolInput inputs[] = {
    // key     label           unit    default
    { "beds", L"交班床位数",   L"床",  10.0 },
};

static constexpr ToolDef tool = {
    .id        = 209,
    .name      = L"交班报告模板",
    .purpose   = L"按床位数生成逐床交接的交班报告模板",
    .category  = L"护理部",
    .reference = L"科室护理交接班记录格式（床号、诊断、生命体征、处置、管路、下一班关注；床旁交接双签名）",
    .note      = L"床位数 1～30，超出按边界取值，小数舍去；床号自 01 起顺序编号，复制后改为实际床号。"
                 L"危重、新入院、手术、输血及病情变化患者须床旁交接。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 209 - 200,
    .search    = "jb jbbg jbbgmb",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
