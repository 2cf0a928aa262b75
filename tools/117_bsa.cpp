// Tool 117: body surface area of adults by the Mosteller and the Stevenson formula. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Mosteller RD, N Engl J Med 1987;317:1098: BSA = sqrt(height cm × weight kg / 3600).
// Stevenson PH, Chin J Physiol 1937: the linear formula for Chinese adults used in Chinese pharmacy
// texts, BSA = 0.0061 × height cm + 0.0128 × weight kg − 0.1529. Both are shown; BSA has no clinical
// bands, so after the plausibility rules (unit slips and empty boxes, not clinical criteria) one
// level-0 rule reminds that a regimen names its own formula.
static constexpr ToolInput inputs[] = {
    // key       label    unit   default
    { "height", L"身高", L"cm", 170.0 },
    { "weight", L"体重", L"kg", 65.0 },
};

static constexpr ToolOutput outputs[] = {
    // key              label                     unit   formula                                     format
    { "bsa_mosteller", L"体表面积（Mosteller）", L"m²", "sqrt(height*weight/3600)",                 "f2" },
    { "bsa_stevenson", L"体表面积（Stevenson）", L"m²", "0.0061*height + 0.0128*weight - 0.1529", "f2" },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(height < 100) || (height > 250)",     3,     L"请核对身高：单位cm，有效范围100–250" },
    { "(weight < 20) || (weight > 400)",      3,     L"请核对体重：单位kg，有效范围20–400" },
    { "",                                     0,     L"已按两种公式估算，给药以方案指定的公式为准" },
};

static constexpr ToolDef tool = {
    .id        = 117,
    .name      = L"体表面积（BSA）",
    .purpose   = L"按Mosteller与Stevenson公式估算成人体表面积",
    .category  = L"药学部",
    .reference = L"Mosteller RD. N Engl J Med 1987;317:1098；Stevenson PH. Chin J Physiol 1937;12:327-330",
    .note      = L"Stevenson公式是据少数中国成人实测建立的线性式，体型明显偏离常规时两式差异增大。"
                 L"不适用于儿童。化疗等按体表面积给药时，采用方案或说明书指定的公式。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "bsa tbmj",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
