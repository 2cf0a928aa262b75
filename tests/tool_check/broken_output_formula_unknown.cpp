// A tool definition that must not build: a formula that names no input or output.
// expect: output_formula_names_no_input_or_earlier_output
#include "base/dimof.h"
#include "engine/tool_check.h"

static constexpr ToolInput inputs[] = {
    { "weight", L"体重", L"kg", 70.0 },
    { "age", L"年龄", L"岁", 40.0 },
};
static constexpr ToolOutput outputs[] = {
    { "score", L"评分", L"", "weigth/age", "f1" },
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
