// Tool 152: mean arterial pressure from a cuff reading, judged against the initial resuscitation
// target of septic shock. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// MAP ≈ DBP + (SBP − DBP)/3 = (SBP + 2·DBP)/3, the resting-heart-rate approximation (no single
// primary paper). Initial target MAP ≥ 65 mmHg in septic shock (Evans L et al., Surviving Sepsis
// Campaign 2021, Crit Care Med 2021;49:e1063-e1143). MAP is judged as printed (an integer): 94/50
// gives 64.67, prints 65 and meets the target. The range rules catch kPa typed for mmHg (120/80 mmHg
// is 16/10.7 kPa, below both lower limits) and swapped boxes (DBP ≥ SBP).
static constexpr ToolInput inputs[] = {
    //           key    label     unit     default  start
    number_input("sbp", L"收缩压", L"mmHg", 120.0,   START_EMPTY),
    number_input("dbp", L"舒张压", L"mmHg", 80.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key   label         unit     formula              format  judged
    { "map", L"平均动脉压", L"mmHg", "(sbp + 2*dbp)/3",  "f0",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                      level  text                                              kind
    { "(sbp < 50) || (sbp > 300)",    3,     L"请检查收缩压：单位mmHg（有效范围50–300）",      RULE_INVALID_INPUT },
    { "(dbp < 20) || (dbp > 200)",    3,     L"请检查舒张压：单位mmHg（有效范围20–200）",      RULE_INVALID_INPUT },
    { "dbp >= sbp",                   3,     L"舒张压不应≥收缩压：请核对两项是否填反",         RULE_INVALID_INPUT },
    { "map < 65",                     2,     L"MAP<65 mmHg：低于休克复苏初始目标" },
    { "",                             0,     L"MAP≥65 mmHg" },
};

static constexpr ToolDef tool = {
    .id        = 152,
    .name      = L"平均动脉压（MAP）",
    .purpose   = L"由收缩压与舒张压估算平均动脉压",
    .category  = L"重症医学科",
    .reference = L"Evans L, et al. Surviving Sepsis Campaign 2021. Crit Care Med 2021;49:e1063-e1143",
    .note      = L"MAP<65 mmHg低于休克复苏初始目标（≥65 mmHg） 需评估组织灌注。公式为静息心率下的近似值 心动过速时低估真实MAP；"
                 L"有创动脉压监测显示的MAP为波形积分值 以监护仪为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "map pjdmy",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
