// Tool 163: expected date of delivery from the last menstrual period (Naegele's rule), with a
// cycle-adjusted date beside it. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// EDD = LMP + 280 days (40 weeks), the standard dating from the first day of the last menstrual
// period; the modified rule adds (cycle − 28) days for other cycle lengths and is shown as a second
// date only. The textbook month arithmetic (月份减3或加9 日数加7, 妇产科学 第9版) differs from +280
// days by up to 3 days; +280 is exact and equals the gestational-age count of tool 164. First-
// trimester ultrasound dating takes precedence (ACOG Committee Opinion No. 700, 2017). Dates are day
// numbers (days since 1970-01-01): 2000-01-01 is 10957 and 2099-12-31 is 47481, the plausible range
// of a last period. The LMP and the cycle start empty: neither today nor 28 days is a safe guess.
static constexpr ToolInput inputs[] = {
    date_input("lmp", L"末次月经第一日", 20513.0, START_EMPTY),  // 2026-03-01
    //           key      label       unit   default  start
    number_input("cycle", L"月经周期", L"天", 28.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label                      unit  formula                     format
    { "edd",     L"预产期",                  L"",  "lmp + 280",                "date" },
    { "edd_adj", L"预产期（按月经周期校正）", L"",  "lmp + 280 + (cycle - 28)", "date" },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(lmp < 10957) || (lmp > 47481)",     3,     L"请选择末次月经日期（有效范围2000–2099年）",     RULE_INVALID_INPUT },
    { "(cycle < 20) || (cycle > 45)",       3,     L"请检查月经周期：单位天（有效范围20–45）",       RULE_INVALID_INPUT },
    { "cycle != 28",                        0,     L"预产期=末次月经+280天（另列周期校正日期）" },
    { "",                                   0,     L"预产期=末次月经+280天（28天周期）" },
};

static constexpr ToolDef tool = {
    .id        = 163,
    .name      = L"预产期（Naegele法则）",
    .purpose   = L"由末次月经第一日推算预产期（另列按月经周期校正的预产期）",
    .category  = L"妇产科",
    .reference = L"Naegele法则：预产期=末次月经第一日+280天；ACOG Committee Opinion No. 700 (2017)",
    .note      = L"月经周期非28天时另列按周期校正的预产期（加减周期−28天）仅供参考。按“月份减3或加9 日数加7”推算的日期可与本结果相差1–3天；"
                 L"月经不规律 末次月经不详或早孕期超声孕周与月经孕周相差明显时 以早孕期超声核对孕周为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "edd naegele ycq lmp",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
