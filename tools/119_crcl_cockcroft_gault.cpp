// Tool 119: creatinine clearance of adults by the Cockcroft-Gault formula, for renal dose
// adjustment. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// Cockcroft DW, Gault MH, Nephron 1976;16:31-41: CrCl (ml/min) = (140 − age) × weight (kg) /
// (72 × Scr mg/dL), × 0.85 for women, with actual body weight as in the paper. Scr is typed in μmol/L,
// so the formula carries 88.4/72 (the "1.23" shortcut reads 0.2 % high). Bands ≥90, 60–89, 30–59,
// 15–29, <15 ml/min as in the US FDA guidance on pharmacokinetics in impaired renal function (2024),
// compared on the CrCl as printed (one decimal): 89.96 prints 90.0 and is normal.
// Sex is a choice that starts unselected, coded 男 1, 女 2 (GB/T 2261.1—2003): the window asks for it
// before a calculation. Any other value (a record, a test) makes choose() fail, so CrCl is not
// computable and the sex rule answers instead of a number for the wrong sex.
static constexpr ToolInput inputs[] = {
    // key       label      unit          default
    number_input("age",    L"年龄",  L"岁",      60.0, START_EMPTY),
    number_input("weight", L"体重",  L"kg",     70.0, START_EMPTY),
    number_input("scr",    L"血肌酐", L"μmol/L", 90.0, START_EMPTY),
    choice_input("sex", L"性别", SEX_OPTIONS, 1, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label          unit       formula / format
    { "crcl", L"肌酐清除率", L"ml/min",
      "(140-age)*weight*88.4/(72*scr)*choose(sex, 1, 0.85)",                "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(scr < 10) || (scr > 3000)",      3, L"请核对血肌酐：单位μmol/L，有效范围10–3000", RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：本公式仅用于18–120岁成人", RULE_INVALID_INPUT },
    { "(weight < 20) || (weight > 400)", 3, L"请核对体重：单位kg，有效范围20–400", RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",        3, L"请选择性别", RULE_INVALID_INPUT },
    { "crcl >= 90",                      0, L"CrCl≥90 ml/min：肾功能正常范围" },
    { "crcl >= 60",                      1, L"CrCl 60–89.9 ml/min：轻度下降" },
    { "crcl >= 30",                      2, L"CrCl 30–59.9 ml/min：中度下降" },
    { "crcl >= 15",                      3, L"CrCl 15–29.9 ml/min：重度下降" },
    { "",                                3, L"CrCl<15 ml/min：肾衰竭范围" },
};

static constexpr ToolDef tool = {
    .id        = 119,
    .name      = L"肌酐清除率（CG公式）",
    .purpose   = L"Cockcroft-Gault公式估算成人肌酐清除率，供调整剂量参考",
    .category  = L"药学部",
    .reference = L"Cockcroft DW, Gault MH. Nephron 1976;16:31-41；分级参照美国FDA肾功能损害药代动力学研究指南（2024）",
    .note      = L"原公式以实际体重和非IDMS肌酐建立（mg/dL×88.4=μmol/L）。肥胖、水肿、肌肉量极端或"
                 L"肾功能不稳定时误差大。剂量调整以药品说明书采用的肾功能指标为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "crcl ccr cg cockcroft-gault jgqcl cggs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
