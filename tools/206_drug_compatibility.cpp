// Tool 206: whether two drugs may share one infusion bottle (report kind 6). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Drugs by the report's numbers 1-10; the report knows seven pairs (levels 1 to 3) and sends every
// other pair, and every number outside 1-10, to the hospital's compatibility table (level 0).
// The defaults, ceftriaxone with calcium gluconate, show the best-known contraindication.
static constexpr ToolInput inputs[] = {
    // key      label          unit        default
    { "drugA", L"药物甲编号",  L"见说明",  1.0 },
    { "drugB", L"药物乙编号",  L"见说明",  2.0 },
};

static constexpr ToolDef tool = {
    .id        = 206,
    .name      = L"两药同瓶配伍查询",
    .purpose   = L"查询两种常用注射药能否同瓶输注",
    .category  = L"药剂科",
    .reference = L"常用注射药物配伍禁忌摘录（7 组）；以药品说明书与本院配伍表为准",
    .note      = L"药物编号：1 头孢曲松；2 葡萄糖酸钙；3 万古霉素；4 呋塞米；5 氨溴索；"
                 L"6 奥美拉唑；7 维生素C；8 胰岛素；9 碳酸氢钠；10 多巴胺。仅收录 7 组配伍，"
                 L"其余组合及 1～10 以外的编号均提示查本院配伍表。编号小数舍去。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 206 - 200,
    .search    = "pw pwcx lytppwcx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
