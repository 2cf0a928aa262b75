// Tool 206: whether two drugs may share one infusion bottle (report kind 6). Exports tool_get.
#include "base/dimof.h"
#include "reports/report_params.h"

// Both drugs from the report's list of ten, coded 1 to 10; the report knows seven pairs (levels 1 to
// 3) and sends every other pair to the hospital's compatibility table (level 0). The defaults,
// ceftriaxone (1) with calcium gluconate (2), show the best-known contraindication.
static constexpr ToolInput inputs[] = {
    choice_input("drugA", L"药物甲", COMPAT_DRUGS, 1),
    choice_input("drugB", L"药物乙", COMPAT_DRUGS, 2),
};

static constexpr ToolDef tool = {
    .id        = 206,
    .name      = L"两药同瓶配伍查询",
    .purpose   = L"查询两种常用注射药能否同瓶输注",
    .category  = L"药剂科",
    .reference = L"常用注射药物配伍禁忌摘录（7 组）；以药品说明书与本院配伍表为准",
    .note      = L"仅收录 7 组配伍，其余组合均提示查本院配伍表。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 206 - 200,
    .search    = "pw pwcx lytppwcx",
};
static_assert(report_tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
