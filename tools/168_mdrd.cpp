// Tool 168: estimated GFR of adults by the four-variable MDRD equations: the IDMS-traceable 175
// equation (graded), the original 186 equation and the Chinese-modified equation (shown beside it),
// with the KDIGO GFR categories. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// eGFR = k × Scr^a × age^b × f (women), Scr in mg/dL (μmol/L ÷ 88.4):
//   IDMS-traceable MDRD, Levey AS et al., Clin Chem 2007;53:766-772: k 175, a −1.154, b −0.203, f 0.742;
//   original MDRD for creatinine not calibrated to IDMS (Levey 2000, abstract): k 186, same powers, so
//   186/175 = 1.063 times the 175 value for the same number;
//   Chinese-modified, Ma YC et al., J Am Soc Nephrol 2006;17:2937-2944: k 175, a −1.234, b −0.179, f 0.79.
// The race factor 1.212 is not used. Categories G1 ≥90 … G5 <15 (KDIGO) are judged on the 175 value
// as printed, the one that matches today's enzymatic (IDMS-traceable) creatinine. Which equation
// Chinese laboratories print, and the creatinine method behind Ma 2006, were not confirmed: the note
// says so. Sex chooses the women's factor; with no sex chosen every eGFR is not computable.

static constexpr ToolInput inputs[] = {
    number_input("scr", L"血肌酐", L"μmol/L", 80.0, START_EMPTY),
    number_input("age", L"年龄",   L"岁",     50.0, START_EMPTY),
    choice_input("sex", L"性别",   SEX_OPTIONS, 1.0,  START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key          label                         unit              formula                                                          format
    { "egfr_idms", L"eGFR（MDRD IDMS 175）",     L"ml/min/1.73m²", "175*pow(scr/88.4, -1.154)*pow(age, -0.203)*choose(sex, 1, 0.742)", "f0", VALUE_AS_PRINTED },
    { "egfr_186",  L"eGFR（MDRD 186 非IDMS肌酐）", L"ml/min/1.73m²", "186*pow(scr/88.4, -1.154)*pow(age, -0.203)*choose(sex, 1, 0.742)", "f0", VALUE_AS_PRINTED },
    { "egfr_cn",   L"eGFR（中国改良MDRD）",      L"ml/min/1.73m²", "175*pow(scr/88.4, -1.234)*pow(age, -0.179)*choose(sex, 1, 0.79)",  "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                      level  text
    { "(scr < 10) || (scr > 3000)",   3, L"请检查血肌酐：单位μmol/L 有效范围10–3000", RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",    3, L"请检查年龄：本公式仅适用于18–120岁成人",                    RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",     3, L"请选择性别（男/女）：未选择或代码无效",                      RULE_INVALID_INPUT },
    { "egfr_idms >= 90",              0, L"G1：eGFR≥90（MDRD在此段低估 仅供参考）" },
    { "egfr_idms >= 60",              1, L"G2：eGFR 60–89 轻度下降" },
    { "egfr_idms >= 45",              2, L"G3a：eGFR 45–59 轻至中度下降" },
    { "egfr_idms >= 30",              2, L"G3b：eGFR 30–44 中至重度下降" },
    { "egfr_idms >= 15",              3, L"G4：eGFR 15–29 重度下降" },
    { "",                             3, L"G5：eGFR<15 肾衰竭" },
};

static constexpr ToolDef tool = {
    .id        = 168,
    .name      = L"eGFR（MDRD）",
    .purpose   = L"按IDMS溯源MDRD（175式）估算eGFR并分期 另列186式与中国改良式",
    .category  = L"肾内科",
    .reference = L"Levey AS, et al. Clin Chem 2007;53:766-772; Ma YC, et al. J Am Soc Nephrol 2006;17:2937-2944",
    .note      = L"肌酐检测可溯源至IDMS（酶法或经IDMS校准的苦味酸法 即目前多数实验室）时用175式 分期按此式；"
                 L"186式仅用于未经IDMS校准的肌酐或与按186式报告的旧结果对照（数值约高6%）；"
                 L"中国改良式建立时的肌酐检测方法未能核实 可能与现行酶法不同 仅作对照；各实验室报告所用公式不一 对照化验单时请核对其注明的公式；推荐优先使用CKD-EPI（见eGFR工具）。"
                 L"肌酐mg/dL×88.4=μmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "mdrd egfr gfr idms ckd gssxqlgl sgn",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
