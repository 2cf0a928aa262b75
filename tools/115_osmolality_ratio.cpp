// Tool 115, the built-in tool of medtool.exe: urine-to-blood osmolality ratio. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Ratio of urine to plasma osmolality. About 1 means isosthenuria; above 3 the kidney concentrates
// well; the cut-off 1.5 marks a reduced concentrating ability (diabetes insipidus, tubular damage).
static constexpr ToolInput inputs[] = {
    // key     label        unit       default (mOsm/L)
    { "uosm", L"尿渗透压", L"mOsm/L", 600.0 },
    { "sosm", L"血渗透压", L"mOsm/L", 290.0 },
};

static constexpr ToolOutput outputs[] = {
    // key      label         unit  formula      format
    { "ratio", L"尿/血比值", L"",  "uosm/sosm", "f2" },
};

static constexpr ToolRule rules[] = {
    // condition    level  text
    { "ratio<1.5",  2,     L"浓缩功能下降，评估肾小管与容量状态" },
    { "",           0,     L"浓缩功能大致正常" },
};

static constexpr ToolDef tool = {
    .id        = 115,
    .name      = L"尿/血渗透压比",
    .purpose   = L"评估肾小管浓缩功能",
    .category  = L"肾内科",
    .reference = L"尿/血渗透压比>3 提示浓缩功能良好；≈1 见于等渗尿",
    .note      = L"尿崩症、肾小管损伤时比值下降；需结合尿钠与容量状态。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "osm uosm nxstyb styb nsty",
    .failed_output = FAILED_PRINTS_VALUE,  // the design of this tool: a failed ratio prints its value
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
