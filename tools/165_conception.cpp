// Tool 165: estimated day of ovulation (conception), the fertile window and the due date counted
// from it. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Ovulation ≈ 14 days before the next period: ovulation = LMP + cycle − 14; conception ≈ ovulation;
// due date = ovulation + 266 days = LMP + 280 + (cycle − 28), the cycle-adjusted date of tool 163.
// The fertile window is the 6 days ending on the day of ovulation (Wilcox AJ, Weinberg CR, Baird DD,
// N Engl J Med 1995;333:1517-1521); only its start is an extra output. Dates are day numbers (days
// since 1970-01-01): 2000-01-01 is 10957 and 2099-12-31 is 47481. The LMP and the cycle start empty.
static constexpr ToolInput inputs[] = {
    date_input("lmp", L"末次月经第一日", 20513.0, START_EMPTY),  // 2026-03-01
    //           key      label       unit   default  start
    number_input("cycle", L"月经周期", L"天", 28.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label                     unit  formula                   format
    { "ovul",     L"估计排卵（受孕）日",     L"",  "lmp + cycle - 14",       "date" },
    { "fw_start", L"易孕期开始",             L"",  "lmp + cycle - 19",       "date" },
    { "edd",      L"预产期（排卵日+266天）", L"",  "lmp + cycle - 14 + 266", "date" },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(lmp < 10957) || (lmp > 47481)",     3,     L"请选择末次月经日期（有效范围2000–2099年）",     RULE_INVALID_INPUT },
    { "(cycle < 20) || (cycle > 45)",       3,     L"请检查月经周期：单位天（有效范围20–45）",       RULE_INVALID_INPUT },
    { "",                                   0,     L"排卵（受孕）日为估计值 可前后相差数日" },
};

static constexpr ToolDef tool = {
    .id        = 165,
    .name      = L"受孕日（排卵日）估算",
    .purpose   = L"由末次月经与周期估算排卵（受孕）日及易孕期",
    .category  = L"妇产科",
    .reference = L"Wilcox AJ, et al. N Engl J Med 1995;333:1517-1521; 排卵日≈下次月经前14天",
    .note      = L"易孕期为排卵日及其前5天。月经周期不规律时误差大；已有早孕期超声时应以超声推算的受孕时间为准；"
                 L"本结果不能用于法律上的受孕时间认定。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "conception ovulation syr plr yyq",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
