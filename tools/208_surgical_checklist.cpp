// Tool 208: surgical safety checklist in three checks (report kind 8). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// The report reads no parameter, so the tool has no input field: calculate shows the checklist.
// Its three checks (before anaesthesia, before incision, before the patient leaves the theatre),
// confirmed aloud and signed by surgeon, anaesthetist and nurse, are those of the ministry's
// surgical safety check rules of 2010.
static constexpr ToolDef tool = {
    .id        = 208,
    .name      = L"手术安全核查表",
    .purpose   = L"生成麻醉前、手术开始前、离室前三步核查内容",
    .category  = L"手术室",
    .reference = L"原卫生部《手术安全核查制度》（2010 年）：麻醉实施前、手术开始前、患者离开手术室前三方核查",
    .note      = L"无需输入，点击计算即生成三步核查内容；外科、麻醉、护理三方逐项口述确认后签字，"
                 L"任一环节缺失不得开台。",
    .input_count = 0,   .inputs = nullptr,
    .output_count = 0,  .outputs = nullptr,
    .rule_count = 0,    .rules = nullptr,
    .report_kind = 208 - 200,
    .search    = "hcb ssaqhcb",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
