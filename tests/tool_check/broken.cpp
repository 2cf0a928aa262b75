// One valid tool definition whose parts the cases of cases.txt replace, one part each, to break one
// invariant: each part below is a macro that a case redefines on the compiler's command line
// (-DPART=value). Compiled with no definitions it must pass the check.
#include "base/dimof.h"
#include "engine/tool_check.h"

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

static constexpr ToolInput inputs[] = {
    { "weight", L"体重", L"kg", 70.0 },
    { AGE_KEY, AGE_LABEL, L"岁", 40.0 },
};
static constexpr ToolOutput outputs[] = {
    { "score", L"评分", L"", SCORE_FORMULA, "f1" },
    { HALF_KEY, HALF_LABEL, L"", HALF_FORMULA, "f1" },
};
static constexpr ToolRule rules[] = {
    { HIGH_CONDITION, 1, HIGH_TEXT },
    { "", 0, L"正常" },
};
static constexpr ToolDef tool = {
    7, L"测试", nullptr, CATEGORY, L"无", nullptr,
    INPUT_COUNT, inputs, OUTPUT_COUNT, OUTPUT_LIST, RULE_COUNT, rules, 0,
};
static_assert(tool_check(tool), "tool definition");
