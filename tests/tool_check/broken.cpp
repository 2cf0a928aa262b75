// Two valid tool definitions, a calculator and a report tool, whose parts the cases of cases.txt
// replace, one part each, to break one invariant: each part below is a macro that a case redefines on the compiler's command line
// (-DPART=value). Compiled with no definitions it must pass the check.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "reports/report_params.h"

#ifndef SEARCH
#define SEARCH "cs ceshi"
#endif
#ifndef CATEGORY
#define CATEGORY L"测试科"
#endif
#ifndef INPUT_COUNT
#define INPUT_COUNT dimof(inputs)
#endif
#ifndef OUTPUT_COUNT
#define OUTPUT_COUNT dimof(outputs)
#endif
#ifndef OUTPUT_LIST
#define OUTPUT_LIST outputs
#endif
#ifndef RULE_COUNT
#define RULE_COUNT dimof(rules)
#endif
#ifndef AGE_KEY
#define AGE_KEY "age"
#endif
#ifndef AGE_LABEL
#define AGE_LABEL L"年龄"
#endif
#ifndef SCORE_FORMULA
#define SCORE_FORMULA "weight/age"
#endif
#ifndef HALF_KEY
#define HALF_KEY "half"
#endif
#ifndef HALF_LABEL
#define HALF_LABEL L"半值"
#endif
#ifndef HALF_FORMULA
#define HALF_FORMULA "score/2"
#endif
#ifndef HIGH_CONDITION
#define HIGH_CONDITION "half>10"
#endif
#ifndef HIGH_TEXT
#define HIGH_TEXT L"偏高"
#endif
#ifndef WEIGHT_KIND
#define WEIGHT_KIND INPUT_NUMBER
#endif
#ifndef WEIGHT_START
#define WEIGHT_START START_EMPTY
#endif
#ifndef SEX_TEXT_1
#define SEX_TEXT_1 L"男"
#endif
#ifndef SEX_VALUE_2
#define SEX_VALUE_2 2
#endif
#ifndef SEX_DEFAULT
#define SEX_DEFAULT 1
#endif
#ifndef CHF_TICK
#define CHF_TICK 1
#endif
#ifndef DAY_DEFAULT
#define DAY_DEFAULT 20521
#endif
#ifndef HALF_VALUE
#define HALF_VALUE VALUE_AS_PRINTED
#endif
#ifndef HIGH_KIND
#define HIGH_KIND RULE_VERDICT
#endif

#ifndef ROTA_KEY
#define ROTA_KEY "nurses"
#endif
#ifndef ROTA_INPUT_COUNT
#define ROTA_INPUT_COUNT dimof(rota_inputs)
#endif
#ifndef ROTA_KIND
#define ROTA_KIND 1
#endif

static constexpr ToolOption sex_options[] = { { SEX_TEXT_1, 1 }, { L"女", SEX_VALUE_2 } };
static constexpr ToolInput inputs[] = {
    { "weight", L"体重", L"kg", 70.0, WEIGHT_KIND, WEIGHT_START },
    { AGE_KEY, AGE_LABEL, L"岁", 40.0 },
    choice_input("sex", L"性别", sex_options, SEX_DEFAULT, START_EMPTY),
    check_input("chf", L"心力衰竭", CHF_TICK),
    date_input("day", L"日期", DAY_DEFAULT),
};
static constexpr ToolOutput outputs[] = {
    { "score", L"评分", L"", SCORE_FORMULA, "f1" },
    { HALF_KEY, HALF_LABEL, L"", HALF_FORMULA, "f1", HALF_VALUE },
};
static constexpr ToolRule rules[] = {
    { HIGH_CONDITION, 1, HIGH_TEXT, HIGH_KIND },
    { "", 0, L"正常" },
};
static constexpr ToolDef tool = {
    7, L"测试", nullptr, CATEGORY, L"无", nullptr,
    INPUT_COUNT, inputs, OUTPUT_COUNT, OUTPUT_LIST, RULE_COUNT, rules, 0, SEARCH,
};
static_assert(tool_check(tool), "tool definition");

// A report tool: the rota, whose report reads "nurses" and "days".
static constexpr ToolInput rota_inputs[] = {
    { ROTA_KEY, L"护士人数", L"人", 6.0 },
    { "days",   L"排班天数", L"天", 7.0 },
};
static constexpr ToolDef rota = {
    8, L"排班", nullptr, L"测试科", L"无", nullptr,
    ROTA_INPUT_COUNT, rota_inputs, 0, nullptr, 0, nullptr, ROTA_KIND, "pb",
};
static_assert(report_tool_check(rota), "report tool definition");
