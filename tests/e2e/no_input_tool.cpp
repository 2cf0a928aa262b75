// A tool definition for the window tests only: no input field, a report (the surgical checklist,
// kind 8) that reads none. Exports tool_get for the medtool_no_input program.
#include "base/dimof.h"
#include "engine/tool_check.h"

static constexpr ToolDef tool = {
    .id           = 9002,
    .name         = L"无输入测试",
    .purpose      = L"无输入时的窗口",
    .category     = L"测试科",
    .reference    = L"无",
    .note         = L"无需输入。",
    .input_count  = 0, .inputs = nullptr,
    .output_count = 0, .outputs = nullptr,
    .rule_count   = 0, .rules = nullptr,
    .report_kind  = 8,
    .search       = "wsrcs",
};
static_assert(tool_check(tool), "the test tool definition breaks an invariant");

const ToolDef* tool_get() { return &tool; }
