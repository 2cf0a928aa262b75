// Report dispatch by kind. Exports report_build.
#include "reports/report.h"

#include "engine/wtext.h"

int report_build(uint32_t kind, const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    (void)kind;
    (void)tool;
    (void)input_values;
    text_copy(result_text, result_cap, L"（该工具暂无自定义报告）");
    text_copy(verdict_text, verdict_cap, L"暂无报告内容");
    return 0;
}
