// Tool 117: body surface area of children and adults by the Mosteller, Stevenson and Haycock formulas.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Mosteller RD, N Engl J Med 1987;317:1098: BSA = sqrt(height cm × weight kg / 3600), used for
// children and adults alike. Stevenson PH, Chin J Physiol 1937: the linear formula for Chinese adults
// used in Chinese pharmacy texts, BSA = 0.0061 × height cm + 0.0128 × weight kg − 0.1529. Haycock GB,
// Schwartz GJ, Wisotsky DH, J Pediatr 1978;93:62-66, "a height-weight formula validated in infants,
// children, and adults": BSA = 0.024265 × height cm^0.3964 × weight kg^0.5378 (constants as every
// implementation reproduces them; the paper's table was not seen). BSA has no clinical bands. The
// limits are not clinical criteria: 30–250 cm and 0.4–400 kg span the very premature newborn (about
// 30 cm, 0.4 kg) to the tallest and heaviest adults, and catch empty boxes and unit slips (metres for
// centimetres, grams for kilograms); their texts say so rather than suggesting a wrong unit.
static constexpr ToolInput inputs[] = {
    // key       label    unit   default
    number_input("height", L"身高", L"cm", 170.0, START_EMPTY),
    number_input("weight", L"体重", L"kg", 65.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key              label                     unit   formula                                     format
    { "bsa_mosteller", L"体表面积（Mosteller）", L"m²", "sqrt(height*weight/3600)",               "f2" },
    { "bsa_stevenson", L"体表面积（Stevenson）", L"m²", "0.0061*height + 0.0128*weight - 0.1529", "f2" },
    { "bsa_haycock",   L"体表面积（Haycock）",   L"m²", "0.024265*height^0.3964*weight^0.5378",   "f2" },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(height < 30) || (height > 250)",   3, L"身高超出30–250 cm：请核对数值及单位（cm）", RULE_INVALID_INPUT },
    { "(weight < 0.4) || (weight > 400)",  3, L"体重超出0.4–400 kg：请核对数值及单位（kg）", RULE_INVALID_INPUT },
    { "",                                  0, L"已按三种公式估算，给药以方案指定的公式为准" },
};

static constexpr ToolDef tool = {
    .id        = 117,
    .name      = L"体表面积（BSA）",
    .purpose   = L"按Mosteller、Stevenson与Haycock公式估算体表面积",
    .category  = L"药学部",
    .reference = L"Mosteller RD. N Engl J Med 1987;317:1098；Stevenson PH. Chin J Physiol 1937;12:327-330；"
                 L"Haycock GB, et al. J Pediatr 1978;93:62-66",
    .note      = L"儿童（含新生儿）用Mosteller或Haycock式：Haycock式经婴儿、儿童与成人实测验证。Stevenson式"
                 L"据少数中国成人建立，用于儿童或体型明显偏离常规时误差增大。化疗等按体表面积给药时，采用方案或说明书指定的公式。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "bsa tbmj",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
