// Tool 135: SIRS criteria (ACCP/SCCM 1992), the number of criteria met. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Bone RC, Balk RA, Cerra FB, et al. Chest 1992;101(6):1644-1655: temperature > 38 ℃ or < 36 ℃;
// heart rate > 90/min; respiratory rate > 20/min or PaCO2 < 32 mmHg (4.3 kPa); WBC > 12 or < 4
// ×10⁹/L or > 10 % band forms; SIRS = 2 or more. Each criterion counts once; values are compared as
// entered against the strict edges (38.0 does not count, 38.1 does). PaCO2 and band forms are checks:
// unticked means not below 32 mmHg, not over 10 %, or not measured. The 2 versus 3–4 split of the
// verdict is a display choice (mortality rises with the number of criteria, Rangel-Frausto MS, et al.
// JAMA 1995;273:117-123). Sepsis-3 (Singer M, et al. JAMA 2016;315:801-810) no longer defines sepsis
// by SIRS; the note says so.
static constexpr ToolInput inputs[] = {
    number_input("temp", L"体温",       L"℃",      37.0, START_EMPTY),
    number_input("hr",   L"心率",       L"次/分",   80,   START_EMPTY),
    number_input("rr",   L"呼吸频率",   L"次/分",   16,   START_EMPTY),
    check_input("lowco2", L"PaCO2<32mmHg", 1),
    number_input("wbc",  L"白细胞计数", L"×10⁹/L",  7.0,  START_EMPTY),
    check_input("bands", L"杆状核>10%", 1),
};

static constexpr ToolOutput outputs[] = {
    // key     label        unit   formula                                                                             format  value
    { "count", L"满足项数", L"项", "(temp>38 || temp<36)+(hr>90)+(rr>20 || lowco2==1)+(wbc>12 || wbc<4 || bands==1)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text                                                  kind
    { "(temp < 25) || (temp > 45)",           3, L"请核对体温：单位℃ 有效范围25–45",               RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 300)",              3, L"请核对心率：单位次/分 有效范围20–300",          RULE_INVALID_INPUT },
    { "(rr < 1) || (rr > 80)",                3, L"请核对呼吸频率：单位次/分 有效范围1–80",        RULE_INVALID_INPUT },
    { "(wbc < 0.01) || (wbc > 300)",          3, L"请核对白细胞计数：单位×10⁹/L 有效范围0.01–300", RULE_INVALID_INPUT },
    { "count <= 1",                           0, L"不符合SIRS（满足<2项）" },
    { "count == 2",                           1, L"符合SIRS（满足2项）" },
    { "",                                     2, L"符合SIRS（满足3–4项）：病死率随项数增加" },
};

static constexpr ToolDef tool = {
    .id        = 135,
    .name      = L"SIRS诊断标准",
    .purpose   = L"按ACCP/SCCM 1992标准计数全身炎症反应综合征的满足项数",
    .category  = L"重症医学科",
    .reference = L"Bone RC, et al. Chest 1992;101:1644-1655（ACCP/SCCM共识）",
    .note      = L"仅用于成人，儿童按2005年儿科年龄分段标准。各项按所填数值严格比较（体温38.0℃不计，38.1℃计）；"
                 L"PaCO2与杆状核两项未勾选表示未达标准或未测。SIRS为非特异性炎症反应标准，感染、创伤、胰腺炎等均可满足。"
                 L"Sepsis-3已不用SIRS诊断脓毒症，脓毒症按感染加SOFA急性升高≥2分判断。化疗后白细胞减少等已知原因所致异常不计入。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "sirs qsyzfyzhz zdbz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
