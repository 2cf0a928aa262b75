// A tool definition that must not build: an input key of 64 characters.
// expect: input_key_is_not_an_identifier_of_at_most_63_chars
#include "base/dimof.h"
#include "engine/tool_check.h"

static constexpr ToolInput inputs[] = {
    { "weight", L"体重", L"kg", 70.0 },
    { "a123456789123456789123456789123456789123456789123456789123456789", L"年龄", L"岁", 40.0 },
};
static constexpr ToolOutput outputs[] = {
    { "score", L"评分", L"", "weight/age", "f1" },
    { "half", L"半值", L"", "score/2", "f1" },
};
static constexpr ToolRule rules[] = {
    { "half>10", 1, L"偏高" },
    { "", 0, L"正常" },
};
static constexpr ToolDef tool = {
    7, L"测试", nullptr, L"测试科", L"无", nullptr,
    dimof(inputs), inputs, dimof(outputs), outputs, dimof(rules), rules, 0,
};
static_assert(tool_check(tool), "tool definition");
