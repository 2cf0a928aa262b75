// Tool 131: corrected QT interval (Bazett and Fridericia). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// RR (s) = 60 / heart rate; QTcB = QT / √RR (Bazett HC, Heart 1920;7:353); QTcF = QT / ∛RR
// (Fridericia LS, Acta Med Scand 1920;53:469). The verdict rests on Fridericia, because Bazett
// over-corrects at fast and under-corrects at slow rates; a value over the limit by Bazett alone is
// level 1 and asks for a second look. Prolonged: > 450 ms men, > 460 ms women (AHA/ACCF/HRS ECG
// recommendations part IV, Rautaharju PM et al., J Am Coll Cardiol 2009;53:982; whether > or ≥: not
// verified against the primary text); > 500 ms marks a high risk of torsade de pointes (Drew BJ et
// al., Circulation 2010;121:1047). Limits compare the printed integers. Sex is a choice that
// starts unselected, coded 男 1, 女 2 (GB/T 2261.1); any other value is refused by a range rule first.
static constexpr ToolInput inputs[] = {
    // key    label      unit          default
    number_input("qt", L"QT间期", L"ms",  400.0, START_EMPTY),
    number_input("hr", L"心率",   L"次/分", 75.0, START_EMPTY),
    choice_input("sex", L"性别", SEX_OPTIONS, 1, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label                 unit    formula          format
    { "rr",   L"RR间期",            L"s",  "60/hr",       "f3" },
    { "qtcb", L"QTc（Bazett）",     L"ms", "qt/sqrt(rr)", "f0", VALUE_AS_PRINTED },
    { "qtcf", L"QTc（Fridericia）", L"ms", "qt/cbrt(rr)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                                                                              level  text
    { "(qt < 200) || (qt > 800)",                       3, L"请核对QT间期：单位ms，有效范围200–800", RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 250)",                        3, L"请核对心率：单位次/分，有效范围20–250", RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",                       3, L"请选择性别", RULE_INVALID_INPUT },
    { "qtcf > 500",                                     3, L"QTc（Fridericia）>500 ms：尖端扭转风险高" },
    { "qtcf > choose(sex, 450, 460)",                   2, L"QTc（Fridericia）延长：男>450/女>460 ms" },
    { "(qtcb > 500) || (qtcb > choose(sex, 450, 460))", 1, L"仅Bazett校正值超过界值：建议复核心电图" },
    { "",                                               0, L"QTc未超过界值（男≤450 ms，女≤460 ms）" },
};

static constexpr ToolDef tool = {
    .id        = 131,
    .name      = L"校正QT间期（QTc）",
    .purpose   = L"按Bazett与Fridericia公式校正QT间期并评估延长程度",
    .category  = L"心内科",
    .reference = L"Bazett. Heart 1920;7:353；Fridericia. Acta Med Scand 1920;53:469；Drew. Circulation 2010;121:1047",
    .note      = L"判定以Fridericia校正值为主（Bazett在心率快时高估、心率慢时低估）；QRS增宽或房颤时QT测量不可靠；"
                 L"QTc>500 ms或较基线延长>60 ms时，应评估致QT延长的药物与电解质紊乱。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "qtc qt jzqtjq qtjq",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
