// Tool 171: the oxygenation index PaO2/FiO2 with the Berlin definition's oxygenation grades of ARDS.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// ARDS Definition Task Force, JAMA 2012;307:2526-2533: mild 200 < P/F ≤ 300, moderate 100 < P/F ≤ 200,
// severe P/F ≤ 100 mmHg, each with PEEP or CPAP ≥ 5 cmH2O. FiO2 is typed in % (21–100) and divided by
// 100, so a fraction typed as 0.4 fails the 21 % limit. P/F is judged as printed (an integer: 300.4
// prints 300, mild). The level follows P/F either way; only a ticked PEEP box names the Berlin grade,
// and the box starts unticked so that a grade needs a deliberate tick.
static constexpr ToolInput inputs[] = {
    number_input("pao2", L"PaO2",           L"mmHg", 90.0, START_EMPTY),
    number_input("fio2", L"吸入氧浓度FiO2", L"%",    40.0, START_EMPTY),
    check_input("peep",  L"PEEP或CPAP≥5 cmH₂O", 1),
};

static constexpr ToolOutput outputs[] = {
    // key   label       unit      formula            format
    { "pf", L"氧合指数", L"mmHg", "pao2/(fio2/100)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                         level  text
    { "(pao2 < 20) || (pao2 > 700)",     3, L"请检查PaO2：单位mmHg（有效范围20–700）", RULE_INVALID_INPUT },
    { "(fio2 < 21) || (fio2 > 100)",     3, L"请检查FiO2：填百分数21–100（0.4填40）",       RULE_INVALID_INPUT },
    { "(pf <= 100) && (peep == 1)",      3, L"氧合指数≤100：符合柏林定义ARDS重度" },
    { "pf <= 100",                       3, L"氧合指数≤100：严重氧合障碍（分级需PEEP）" },
    { "(pf <= 200) && (peep == 1)",      2, L"氧合指数101–200：符合柏林定义ARDS中度" },
    { "pf <= 200",                       2, L"氧合指数101–200：中度障碍（分级需PEEP）" },
    { "(pf <= 300) && (peep == 1)",      1, L"氧合指数201–300：符合柏林定义ARDS轻度" },
    { "pf <= 300",                       1, L"氧合指数201–300：氧合障碍（分级需PEEP）" },
    { "",                                0, L"氧合指数>300 mmHg" },
};

static constexpr ToolDef tool = {
    .id        = 171,
    .name      = L"氧合指数（PaO2/FiO2）",
    .purpose   = L"计算氧合指数并按柏林定义进行ARDS氧合分级",
    .category  = L"重症医学科",
    .reference = L"ARDS Definition Task Force. JAMA 2012;307:2526-2533",
    .note      = L"ARDS诊断还需1周内急性起病 双肺浸润影且不能完全由心衰或液体过负荷解释；氧合指数受PEEP FiO2与海拔影响；柏林定义分级需PEEP或CPAP≥5 cmH₂O（勾选后给出分级）。"
                 L"kPa×7.5=mmHg。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "pf p-f pao2 fio2 ards oi yhzs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
