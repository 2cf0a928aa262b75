// Report kind 4: the laboratory critical values of one group of tests between a fixed heading and
// the handling rule. Exports report_critical.
#include "reports/report.h"

#include "reports/report_params.h"

// Row by "kind", one per option of CRITICAL_GROUPS: 1 electrolytes, 2 glucose and blood gas, 3 blood count, 4 coagulation,
// 5 microbiology, 6 cardiac and pancreatic markers; any other kind gets the pointer to the
// hospital's own list.
static constexpr FixedReport CRITICAL_VALUES = {
    { L"常见检验危急值（参考，需以本院文件为准）：" },
    {
        { L"血钾 <2.5 或 >6.5 mmol/L",
          L"血钠 <120 或 >160 mmol/L",
          L"血钙 <1.5 或 >3.5 mmol/L" },
        { L"血糖 <2.8 或 >22.2 mmol/L",
          L"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg" },
        { L"白细胞 <1.0 或 >30.0 ×10^9/L",
          L"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L" },
        { L"INR >4.0；纤维蛋白原 <1.0 g/L",
          L"D-二聚体显著升高并伴临床血栓表现" },
        { L"血培养阳性（无菌部位）",
          L"脑脊液培养阳性；HIV 初筛阳性需确认" },
        { L"肌钙蛋白明显升高（高于第 99 百分位）",
          L"血淀粉酶/脂肪酶 >3 倍正常上限" },
        { L"请查阅本院《危急值报告目录》" },
    },
    {
        L"",
        L"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。",
    },
    L"危急值必须闭环：报告、接收、处理、记录",
};
static_assert(fixed_rows_follow(CRITICAL_VALUES, CRITICAL_GROUPS), "a row per option of CRITICAL_GROUPS");

int report_critical(const ToolDef* tool, const double* input_values,
                    wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    return report_fixed(&CRITICAL_VALUES, param_get_int(tool, input_values, "kind"),
                        result_text, result_cap, verdict_text, verdict_cap);
}
