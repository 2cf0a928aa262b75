// A tool definition for the window tests only: 16 inputs (more rows than the panel holds at full
// pitch), units on every other row, no purpose, no note, and rules that reach every verdict level.
// Exports tool_get for the medtool_wide program.
#include "base/dimof.h"
#include "engine/tool_check.h"

static constexpr ToolInput inputs[] = {
    // key    label        unit       default
    { "v1",  L"参数 1",  L"单位",  0.0 },
    { "v2",  L"参数 2",  nullptr,  1234567.0 },
    { "v3",  L"参数 3",  L"单位",  3.0 },
    { "v4",  L"参数 4",  L"",      4.0 },
    { "v5",  L"参数 5",  L"单位",  5.0 },
    { "v6",  L"参数 6",  nullptr,  6.0 },
    { "v7",  L"参数 7",  L"单位",  7.0 },
    { "v8",  L"参数 8",  nullptr,  8.0 },
    { "v9",  L"参数 9",  L"单位",  9.0 },
    { "v10", L"参数 10", nullptr,  10.0 },
    { "v11", L"参数 11", L"单位",  11.0 },
    { "v12", L"参数 12", nullptr,  12.0 },
    { "v13", L"参数 13", L"单位",  13.0 },
    { "v14", L"参数 14", nullptr,  14.0 },
    { "v15", L"参数 15", L"单位",  15.0 },
    { "v16", L"参数 16", nullptr,  0.5 },
};

static constexpr ToolOutput outputs[] = {
    { "total", L"合计", L"", "v1+v16", "f1" },
};

static constexpr ToolRule rules[] = {
    // condition  level  text
    { "v1==1",    1,     L"一级提示" },
    { "v1==2",    2,     L"二级提示" },
    { "v1==3",    3,     L"三级危急" },
    { "v1==4",    7,     L"七级按正常显示" },
    { "",         0,     L"正常" },
};

static constexpr ToolDef tool = {
    9001, L"十六项测试", nullptr, L"测试科", L"无", nullptr,
    dimof(inputs), inputs, dimof(outputs), outputs, dimof(rules), rules, 0, "slcs",
};
static_assert(tool_check(tool), "the test tool definition breaks an invariant");

const ToolDef* tool_get() { return &tool; }
