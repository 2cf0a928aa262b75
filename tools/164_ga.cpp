// Tool 164: gestational age on a chosen day from the last menstrual period, in weeks and days, with
// the cycle-corrected age beside it. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Gestational age = days from the first day of the LMP to the chosen day, shown as completed weeks +
// days, without cycle correction (ACOG Committee Opinion No. 700, 2017). The cycle-corrected age
// (days − (cycle − 28), the modified Naegele rule) is a second value, not computable before the
// corrected start (a long cycle, the first days after the LMP) rather than negative. Stages as in
// 妇产科学 第9版: early < 14 weeks, middle 14–27+6, late ≥ 28; term 37–41+6; post-term ≥ 42 weeks
// (294 days). Stages are level 0 (a stage is no abnormality); ≥ 42 weeks level 2; over 45 weeks (315
// days) is taken for a date error. Dates are day numbers (days since 1970-01-01): 2000-01-01 is 10957
// and 2099-12-31 is 47481. The day count is judged as printed, so the stage always matches the
// weeks and days shown. The calculation day starts as today, the LMP and the cycle start empty.
static constexpr ToolInput inputs[] = {
    date_input("lmp", L"末次月经第一日", 20513.0, START_EMPTY),  // 2026-03-01
    date_input("ref", L"计算日期",       20666.0),               // 2026-08-01; today in the window
    //           key      label       unit   default  start
    number_input("cycle", L"月经周期", L"天", 28.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label                      unit    formula / format / judged
    { "days",    L"孕龄（天）",              L"天",  "ref - lmp",                 "int", VALUE_AS_PRINTED },
    { "ga",      L"孕周",                    L"",    "days",                      "wd" },
    { "edd",     L"预产期",                  L"",    "lmp + 280",                 "date" },
    { "ga_adj",  L"按月经周期校正孕周",      L"",
      "(ref - lmp - (cycle - 28))/(ref - lmp >= cycle - 28)",                     "wd" },
    { "edd_adj", L"预产期（按月经周期校正）", L"",   "lmp + 280 + (cycle - 28)",  "date" },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(lmp < 10957) || (lmp > 47481)",     3,     L"请选择末次月经日期（有效范围2000–2099年）",     RULE_INVALID_INPUT },
    { "(ref < 10957) || (ref > 47481)",     3,     L"请选择计算日期（有效范围2000–2099年）",         RULE_INVALID_INPUT },
    { "(cycle < 20) || (cycle > 45)",       3,     L"请检查月经周期：单位天（有效范围20–45）",       RULE_INVALID_INPUT },
    { "ref - lmp < 0",                      3,     L"计算日期早于末次月经：请核对日期",              RULE_INVALID_INPUT },
    { "ref - lmp > 315",                    3,     L"孕龄>45周：请核对日期",                         RULE_INVALID_INPUT },
    { "days >= 294",                        2,     L"≥42周：过期妊娠" },
    { "days >= 259",                        0,     L"37–41+6周：足月妊娠" },
    { "days >= 196",                        0,     L"28–36+6周：妊娠晚期（未足月）" },
    { "days >= 98",                         0,     L"14–27+6周：妊娠中期" },
    { "",                                   0,     L"<14周：妊娠早期" },
};

static constexpr ToolDef tool = {
    .id        = 164,
    .name      = L"孕周计算",
    .purpose   = L"由末次月经第一日计算指定日期的孕周（周+天）并另列按月经周期校正的孕周",
    .category  = L"妇产科",
    .reference = L"孕周按末次月经推算（妇产科学 第9版）；ACOG Committee Opinion No. 700 (2017)",
    .note      = L"孕周以“周+天”表示 按末次月经推算 未按月经周期校正；按周期校正的孕周仅供参考（周期较长且距末次月经日数不足时无法计算）；"
                 L"早孕期超声与月经孕周不符时以超声校正后的孕周为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ga yz yzjs yl lmp",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
