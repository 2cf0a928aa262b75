// Tool 172: the PaO2 expected for age and body position on room air, compared with the measured value.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Predicted PaO2 (mmHg): supine 103.5 − 0.42 × age, sitting 104.2 − 0.27 × age, attributed to
// Mellemgaard K, Acta Physiol Scand 1966;67:10-20. Neither the paper nor a Chinese blood-gas text with
// this pair was found; public implementations agree on the slopes but not on the intercepts (104 for
// both is also circulated), so the note says the coefficients are unverified. Respiratory failure:
// PaO2 < 60 mmHg at sea level, at rest, on air (内科学). "More than 10 mmHg below predicted" (about 2 SD
// of the regression) is this tool's band, not a published criterion, and is judged on the difference
// as printed. Position is chosen; with none, neither output is computable (the difference repeats the
// test, so that the value the rules read fails too, not only the one shown).
static constexpr ToolOption POSITION[] = { { L"卧位", 1 }, { L"坐位", 2 } };

static constexpr ToolInput inputs[] = {
    number_input("age",  L"年龄",              L"岁",   60.0, START_EMPTY),
    choice_input("pos",  L"体位",              POSITION, 1.0, START_EMPTY),
    number_input("pao2", L"实测PaO2（吸空气）", L"mmHg", 80.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label         unit      formula                                                format
    { "pred", L"预计PaO2",  L"mmHg", "choose(pos, 103.5 - 0.42*age, 104.2 - 0.27*age)",     "f1", VALUE_AS_PRINTED },
    { "diff", L"实测−预计", L"mmHg", "(pao2 - pred)/(pos == 1 || pos == 2)",                "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                         level  text
    { "(age < 18) || (age > 120)",       3, L"请检查年龄：本公式仅适用于18–120岁成人",                     RULE_INVALID_INPUT },
    { "(pos != 1) && (pos != 2)",        3, L"请选择体位（卧位/坐位）",                                     RULE_INVALID_INPUT },
    { "(pao2 < 20) || (pao2 > 200)",     3, L"请检查PaO2：单位mmHg（吸空气时20–200）", RULE_INVALID_INPUT },
    { "pao2 < 60",                       3, L"PaO2<60 mmHg（吸空气）：达到呼吸衰竭标准" },
    { "diff < -10",                      1, L"实测低于预计10 mmHg以上：提示换气功能下降" },
    { "",                                0, L"实测PaO2接近或高于年龄预计值" },
};

static constexpr ToolDef tool = {
    .id        = 172,
    .name      = L"年龄预计动脉血氧分压",
    .purpose   = L"按体位与年龄计算预计PaO2并与实测值比较",
    .category  = L"呼吸内科",
    .reference = L"Mellemgaard K. Acta Physiol Scand 1966;67:10-20（卧位103.5−0.42×年龄 坐位104.2−0.27×年龄）",
    .note      = L"仅适用于海平面 静息 呼吸空气时；吸氧时请用氧合指数；预计公式来自健康人回归 个体差异约±5 mmHg。"
                 L"预计公式系数未能核对原文（另有截距104等写法）；低于预计10 mmHg的分档为本工具设定 非公认标准。"
                 L"kPa×7.5=mmHg。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "pao2 yjpao2 nlyjdmxyfy xqfx hxsj",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
