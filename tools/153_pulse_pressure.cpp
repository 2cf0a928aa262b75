// Tool 153: pulse pressure, its deviation from 40 mmHg (Δ脉压) and its share of the systolic
// pressure. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// PP = SBP − DBP. PP ≥ 60 mmHg in older people is listed as hypertension-mediated organ damage
// (arterial stiffening) in the 2018 ESC/ESH guidelines (Williams B et al., Eur Heart J
// 2018;39:3021-3104; the item is quoted from memory of its table, and whether the Chinese 2018
// hypertension guideline lists it too was not found). PP < 25 % of SBP as a sign of a low stroke
// volume is a bedside teaching rule without a primary source, hence level 1 only. Δ脉压 = PP − 40
// mmHg, the deviation from the usual adult pulse pressure at 120/80 mmHg, is this tool's own
// definition (no published source found); it has no rule of its own (PP ≥ 60 ⇔ Δ脉压 ≥ 20).
// PP and PP/SBP are judged as printed; Δ脉压 is computed from the printed PP, so it is exactly the
// printed PP − 40.
static constexpr ToolInput inputs[] = {
    //           key    label     unit     default  start
    number_input("sbp", L"收缩压", L"mmHg", 120.0,   START_EMPTY),
    number_input("dbp", L"舒张压", L"mmHg", 80.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label                     unit     formula              format  judged
    { "pp",     L"脉压",                  L"mmHg", "sbp - dbp",         "f0",   VALUE_AS_PRINTED },
    { "d_pp",   L"Δ脉压（脉压−40 mmHg）", L"mmHg", "pp - 40",           "f0",   VALUE_AS_PRINTED },
    { "pp_pct", L"脉压/收缩压",           L"",     "(sbp - dbp)/sbp*100", "pct", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                      level  text                                              kind
    { "(sbp < 50) || (sbp > 300)",    3,     L"请检查收缩压：单位mmHg（有效范围50–300）",      RULE_INVALID_INPUT },
    { "(dbp < 20) || (dbp > 200)",    3,     L"请检查舒张压：单位mmHg（有效范围20–200）",      RULE_INVALID_INPUT },
    { "dbp >= sbp",                   3,     L"舒张压不应≥收缩压：请核对两项是否填反",         RULE_INVALID_INPUT },
    { "pp >= 60",                     1,     L"脉压≥60 mmHg：脉压增大" },
    { "pp_pct < 25",                  1,     L"脉压<收缩压的25%：脉压过小" },
    { "",                             0,     L"脉压未见明显增大或过小" },
};

static constexpr ToolDef tool = {
    .id        = 153,
    .name      = L"脉压（脉压差）",
    .purpose   = L"计算脉压 Δ脉压（脉压−40 mmHg）及脉压占收缩压的比例",
    .category  = L"心内科",
    .reference = L"Williams B, et al. 2018 ESC/ESH Guidelines for arterial hypertension. Eur Heart J 2018;39:3021-3104",
    .note      = L"脉压≥60 mmHg的界值取自ESC/ESH 2018（老年人大动脉僵硬） 中国高血压指南是否列入未核实；脉压增大的意义主要针对老年人。"
                 L"脉压<收缩压25%为教学经验（无原始文献） 提示每搏量降低（低血容量 心包填塞 重度主动脉瓣狭窄等）。"
                 L"Δ脉压=脉压−40 mmHg（正值增大 负值减小） 此定义未找到原始文献。单次袖带血压误差大 应多次测量。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "pp pulse my myc",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
