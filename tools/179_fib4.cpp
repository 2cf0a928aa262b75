// Tool 179: the FIB-4 index of liver fibrosis, with the cut-offs of the chosen cause of liver disease.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Sterling RK et al., Hepatology 2006;43:1317-1325: FIB-4 = age × AST / (PLT (10⁹/L) × √ALT); viral
// hepatitis cut-offs < 1.45 and > 3.25. Metabolic (non-alcoholic) fatty liver disease < 1.30 and > 2.67
// (Shah AG et al., Clin Gastroenterol Hepatol 2009;7:1104-1112), low cut-off 2.0 from age 65 (McPherson S
// et al., Am J Gastroenterol 2017;112:740-751). Judged on FIB-4 as printed (two decimals). A platelet
// count typed per μl (e.g. 200000) fails the limit.
static constexpr ToolOption CAUSE[] = { { L"代谢相关脂肪性肝病", 1 }, { L"慢性乙型或丙型肝炎", 2 } };

static constexpr ToolInput inputs[] = {
    number_input("age",  L"年龄",   L"岁",     50.0,  START_EMPTY),
    number_input("ast",  L"AST",    L"U/L",    40.0,  START_EMPTY),
    number_input("alt",  L"ALT",    L"U/L",    40.0,  START_EMPTY),
    number_input("plt",  L"血小板", L"×10⁹/L", 200.0, START_EMPTY),
    choice_input("etio", L"病因",   CAUSE,     1.0,   START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label    unit  formula                       format
    { "fib4", L"FIB-4", L"",  "age*ast/(plt*sqrt(alt))",    "f2", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                      level  text
    { "(age < 18) || (age > 120)",                    3, L"请检查年龄：本公式仅适用于18–120岁成人",        RULE_INVALID_INPUT },
    { "(ast < 1) || (ast > 10000)",                   3, L"请检查AST：单位U/L（有效范围1–10000）",         RULE_INVALID_INPUT },
    { "(alt < 1) || (alt > 10000)",                   3, L"请检查ALT：单位U/L（有效范围1–10000）",         RULE_INVALID_INPUT },
    { "(plt < 1) || (plt > 2000)",                    3, L"请检查血小板：单位×10⁹/L 有效范围1–2000", RULE_INVALID_INPUT },
    { "(etio != 1) && (etio != 2)",                   3, L"请选择病因（脂肪性肝病/病毒性肝炎）", RULE_INVALID_INPUT },
    { "(etio == 1) && (fib4 > 2.67)",                 2, L"FIB-4>2.67：进展期纤维化高风险 建议弹性成像" },
    { "(etio == 1) && (age >= 65) && (fib4 < 2)",     0, L"FIB-4<2.00（≥65岁）：进展期纤维化可能性低" },
    { "(etio == 1) && (age < 65) && (fib4 < 1.3)",    0, L"FIB-4<1.30：进展期纤维化可能性低" },
    { "etio == 1",                                    1, L"FIB-4处于中间值：建议弹性成像进一步评估" },
    { "fib4 > 3.25",                                  2, L"FIB-4>3.25：进展期肝纤维化/肝硬化可能性高" },
    { "fib4 < 1.45",                                  0, L"FIB-4<1.45：进展期纤维化可能性低" },
    { "",                                             1, L"FIB-4 1.45–3.25：中间值 建议弹性成像评估" },
};

static constexpr ToolDef tool = {
    .id        = 179,
    .name      = L"肝纤维化指数（FIB-4）",
    .purpose   = L"由年龄 AST ALT与血小板计算FIB-4并按病因选用切点",
    .category  = L"消化内科",
    .reference = L"Sterling RK, et al. Hepatology 2006;43:1317-1325; Shah AG, et al. Clin Gastroenterol Hepatol 2009;7:1104-1112",
    .note      = L"<35岁时准确性差；急性肝炎 转氨酶显著升高或血小板受其他疾病影响时不可靠；≥65岁MASLD采用低切点2.0。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "fib4 fib-4 masld nafld gxwhzs gxwh",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
