// Tool 119: creatinine clearance of adults by the Cockcroft-Gault formula, for renal dose
// adjustment. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Cockcroft DW, Gault MH, Nephron 1976;16:31-41: CrCl (ml/min) = (140 − age) × weight (kg) /
// (72 × Scr mg/dL), × 0.85 for women, with actual body weight as in the paper. Scr is typed in μmol/L,
// so the formula carries 88.4/72 (the "1.23" shortcut reads 0.2 % high). Bands ≥90, 60–89, 30–59,
// 15–29, <15 ml/min as in the US FDA guidance on pharmacokinetics in impaired renal function (2024),
// compared on the CrCl as printed (one decimal): 89.96 prints 90.0 and is normal.
// Sex is coded 男 1, 女 2 (GB/T 2261.1—2003). Any other code, 0 from an empty box included, makes the
// sex factor 0 and the last division (by sex==1||sex==2) fail, so CrCl is not computable and the sex
// rule answers instead of a number for the wrong sex.
static constexpr ToolInput inputs[] = {
    // key       label      unit          default
    { "age",    L"年龄",   L"岁",        60.0 },
    { "weight", L"体重",   L"kg",        70.0 },
    { "scr",    L"血肌酐", L"μmol/L",    90.0 },
    { "sex",    L"性别",   L"男=1 女=2", 1.0 },
};

// An output a rule judges is rounded half up to the digits it prints, in its formula, so the value on
// screen and the value the rules compare are one number (printed unrounded, 18.45 would show 18.4 and
// x.5 would round to even, while the rules round half up).
static constexpr ToolOutput outputs[] = {
    // key     label          unit       formula / format
    { "crcl", L"肌酐清除率", L"ml/min",
      "round(((140-age)*weight*88.4/(72*scr)*(sex==1?1:(sex==2?0.85:0))/(sex==1||sex==2))*10)/10", "f1" },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(scr < 10) || (scr > 3000)",           3,     L"请核对血肌酐：单位μmol/L，有效范围10–3000" },
    { "(age < 18) || (age > 120)",            3,     L"请核对年龄：本公式仅用于18–120岁成人" },
    { "(weight < 20) || (weight > 400)",      3,     L"请核对体重：单位kg，有效范围20–400" },
    { "(sex != 1) && (sex != 2)",             3,     L"请核对性别：男填1，女填2，其他数值无效" },
    { "round(crcl*10)/10 >= 90",              0,     L"CrCl≥90 ml/min：肾功能正常范围" },
    { "round(crcl*10)/10 >= 60",              1,     L"CrCl 60–89.9 ml/min：轻度下降" },
    { "round(crcl*10)/10 >= 30",              2,     L"CrCl 30–59.9 ml/min：中度下降" },
    { "round(crcl*10)/10 >= 15",              3,     L"CrCl 15–29.9 ml/min：重度下降" },
    { "",                                     3,     L"CrCl<15 ml/min：肾衰竭范围" },
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
