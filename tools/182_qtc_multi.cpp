// Tool 182: the QT interval corrected by five formulas side by side (Bazett, Fridericia, Framingham,
// Hodges, Rautaharju), judged on Fridericia as tool 131 is. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// RR = 60/HR s. Bazett QT/√RR and Fridericia QT/∛RR (1920), limits 450 ms men, 460 ms women, 500 ms
// (Drew BJ et al., Circulation 2010); Framingham QT + 154 × (1 − RR) (Sagie A et al., Am J Cardiol
// 1992;70:797-801); Hodges QT + 1.75 × (HR − 60) (Hodges M et al., J Am Coll Cardiol 1983;1:694);
// Rautaharju QT × (120 + HR)/180 (Rautaharju PM et al., Int J Cardiol 2014;174:535-540). The verdict is
// tool 131's, on Fridericia, so both tools agree on one patient; a level-1 text reports when only
// another formula passes the limit. Every QTc is judged as printed. The Framingham formula computes
// 60/hr itself rather than reading rr, so a heart rate of 0 leaves it not computable like the two that
// divide by rr. RR stays unrounded: Bazett and Fridericia read it.

static constexpr ToolInput inputs[] = {
    number_input("qt",  L"QT间期", L"ms",    400.0, START_EMPTY),
    number_input("hr",  L"心率",   L"次/分", 75.0,  START_EMPTY),
    choice_input("sex", L"性别",   SEX_OPTIONS, 1.0,   START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label               unit    formula                    format
    { "rr",    L"RR间期",           L"s",  "60/hr",                    "f3" },
    { "qtcb",  L"QTc（Bazett）",     L"ms", "qt/sqrt(rr)",              "f0", VALUE_AS_PRINTED },
    { "qtcf",  L"QTc（Fridericia）", L"ms", "qt/cbrt(rr)",              "f0", VALUE_AS_PRINTED },
    { "qtcfr", L"QTc（Framingham）", L"ms", "qt + 154*(1 - 60/hr)",     "f0", VALUE_AS_PRINTED },
    { "qtch",  L"QTc（Hodges）",     L"ms", "qt + 1.75*(hr - 60)",      "f0", VALUE_AS_PRINTED },
    { "qtcr",  L"QTc（Rautaharju）", L"ms", "qt*(120 + hr)/180",        "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    { "(qt < 200) || (qt > 800)",  3, L"请检查QT间期：单位ms（有效范围200–800）",  RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 250)",   3, L"请检查心率：单位次/分（有效范围20–250）",  RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",  3, L"请选择性别（男/女）：未选择或代码无效",     RULE_INVALID_INPUT },
    { "qtcf > 500",                3, L"QTc（Fridericia）>500 ms：尖端扭转风险高" },
    { "((sex == 1) && (qtcf > 450)) || ((sex == 2) && (qtcf > 460))",
                                   2, L"QTc（Fridericia）延长：男>450 ms 女>460 ms" },
    { "(max(max(qtcb, qtcfr), max(qtch, qtcr)) > 500)"
      " || ((sex == 1) && (max(max(qtcb, qtcfr), max(qtch, qtcr)) > 450))"
      " || ((sex == 2) && (max(max(qtcb, qtcfr), max(qtch, qtcr)) > 460))",
                                   1, L"仅其他公式超过界值：建议复核心电图" },
    { "",                          0, L"各公式QTc均未超过界值（男≤450 女≤460 ms）" },
};

static constexpr ToolDef tool = {
    .id        = 182,
    .name      = L"校正QT间期（五公式比较）",
    .purpose   = L"按Bazett Fridericia Framingham Hodges Rautaharju五种公式校正QT间期",
    .category  = L"心内科",
    .reference = L"Sagie A. Am J Cardiol 1992;70:797; Hodges M. J Am Coll Cardiol 1983;1:694; Rautaharju PM. Int J Cardiol 2014;174:535",
    .note      = L"判定以Fridericia为准（与QTc工具一致）；心率>100或<50次/分时各公式差异增大；QRS增宽 房颤时QT测量不可靠。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "qtc qt bazett fridericia framingham hodges rautaharju jzqtjq xdt",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
