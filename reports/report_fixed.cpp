// The fixed-text reports: blood-draw order (kind 3), high-alert medicines (5), surgical safety
// checklist (8), handover template (9), lab panels (11), and the writer of a fixed report.
// Exports report_fixed, report_blood_order, report_high_alert, report_surgical_check, report_handover,
// report_lab_panels.
#include "reports/report.h"

#include "base/dimof.h"
#include "base/wtext.h"
#include "reports/report_params.h"

// Kind 3. Row by "kind", one per option of BLOOD_DRAW_ITEMS: 1 full blood count, 2 coagulation,
// 3 chemistry, 4 blood gas, 5 blood culture, 6 glucose and lactate; any other kind gets the last row.
static constexpr FixedReport BLOOD_ORDER = {
    {
        L"标准采血顺序（按添加剂，避免交叉污染）：",
        L"1 血培养瓶（需氧/厌氧）",
        L"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）",
        L"3 促凝/血清管 红或金黄（生化、免疫）",
        L"4 肝素管 绿（血气、部分生化）",
        L"5 EDTA 紫（血常规、糖化、血型）",
        L"6 氟化钠 灰（血糖、乳酸）",
        L"",
    },
    {
        { L"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。" },
        { L"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。" },
        { L"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。" },
        { L"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。" },
        { L"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。" },
        { L"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。" },
        { L"本次：其他项目，请按检验科项目手册执行。" },
    },
    {},
    L"按标准顺序采血可减少溶血与交叉污染",
};
static_assert(fixed_rows_follow(BLOOD_ORDER, BLOOD_DRAW_ITEMS), "a row per option of BLOOD_DRAW_ITEMS");

// Kind 5. Row by "kind", one per option of HIGH_ALERT_CLASSES: 1 concentrated electrolytes,
// 2 insulin and oral antidiabetics, 3 anticoagulants and chemotherapy; any other kind (0 and 4
// included) gets anaesthetics and muscle relaxants. The "10%" and "25%" are text, printed as they stand.
static constexpr FixedReport HIGH_ALERT = {
    { L"高警示药品类别与要点：" },
    {
        { L"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁",
          L"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。" },
        { L"胰岛素与口服降糖药：胰岛素、格列本脲",
          L"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。" },
        { L"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物",
          L"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。" },
        { L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类",
          L"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。" },
    },
    {},
    L"高警示药品须专区、专标识、双人核对",
};
static_assert(fixed_rows_follow(HIGH_ALERT, HIGH_ALERT_CLASSES), "a row per option of HIGH_ALERT_CLASSES");

// Kind 8. No parameter: the three check points, signed by all three parties.
static constexpr FixedReport SURGICAL_CHECK = {
    {
        L"手术安全核查表（三步核查）：",
        L"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。",
        L"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。",
        L"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。",
        L"",
        L"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。",
    },
    {},
    {},
    L"三方核查缺一不可，签字后归档",
};

// Kind 11. Row by "panel", one per option of LAB_PANELS: 1 full blood count, 2 chemistry,
// 3 coagulation, 4 thyroid, 5 cardiac markers; any other panel gets urinalysis. No heading.
static constexpr FixedReport LAB_PANELS_REPORT = {
    {},
    {
        { L"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。",
          L"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。" },
        { L"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。",
          L"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。" },
        { L"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。",
          L"注意：采血量必须达刻度；肝素治疗中查 APTT。" },
        { L"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。",
          L"注意：空腹；含碘造影剂后 1 周内避免复查。" },
        { L"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
          L"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。" },
        { L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",
          L"注意：留取中段尿，1 小时内送检；月经期避免。" },
    },
    {},
    L"套餐与采血管已列出，按顺序采血",
};
static_assert(fixed_rows_follow(LAB_PANELS_REPORT, LAB_PANELS), "a row per option of LAB_PANELS");

// Kind 9. The heading, one line per bed ("beds", 1 to 30), then the tail. HANDOVER_BED_LINE is the
// one format among the fixed texts: its "%%" prints a single percent sign.
static constexpr FixedReport HANDOVER = {
    { L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：" },
    {},
    { L"", L"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。" },
    L"模板已生成，床旁交接并双方签名",
};
static const wchar_t HANDOVER_BED_LINE[] = L"%02d 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%%；本班处置＿＿；管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";
enum { HANDOVER_MAX_BEDS = 30 };

// Appends the lines of `lines` up to the first null one.
template <int N>
static void write_lines(const wchar_t* const (&lines)[N], wchar_t* result_text, int result_cap) {
    for (int i = 0; i < N && lines[i]; i++) report_fixed_line(result_text, result_cap, lines[i]);
}

// The row that `choice` selects: row choice - 1 when that is one of the rows before the last,
// otherwise the last row (the catch-all). Null when the report has no rows.
static const wchar_t* const* chosen_row(const FixedReport* report, int32_t choice) {
    int rows = fixed_row_count(*report);
    if (rows == 0) return nullptr;
    if (choice >= 1 && choice < rows) return report->rows[choice - 1];
    return report->rows[rows - 1];
}

int report_fixed(const FixedReport* report, int32_t choice, wchar_t* result_text, int result_cap,
                 wchar_t* verdict_text, int verdict_cap) {
    write_lines(report->head, result_text, result_cap);
    const wchar_t* const* row = chosen_row(report, choice);
    for (int i = 0; row && i < dimof(report->rows[0]) && row[i]; i++)
        report_fixed_line(result_text, result_cap, row[i]);
    write_lines(report->tail, result_text, result_cap);
    text_copy(verdict_text, verdict_cap, report->verdict);
    return 0;
}

int report_blood_order(const ToolDef* tool, const double* input_values,
                       wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    return report_fixed(&BLOOD_ORDER, param_get_int(tool, input_values, "kind"),
                        result_text, result_cap, verdict_text, verdict_cap);
}

int report_high_alert(const ToolDef* tool, const double* input_values,
                      wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    return report_fixed(&HIGH_ALERT, param_get_int(tool, input_values, "kind"),
                        result_text, result_cap, verdict_text, verdict_cap);
}

int report_surgical_check(const ToolDef*, const double*,
                          wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    return report_fixed(&SURGICAL_CHECK, 0, result_text, result_cap, verdict_text, verdict_cap);
}

int report_lab_panels(const ToolDef* tool, const double* input_values,
                      wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    return report_fixed(&LAB_PANELS_REPORT, param_get_int(tool, input_values, "panel"),
                        result_text, result_cap, verdict_text, verdict_cap);
}

int report_handover(const ToolDef* tool, const double* input_values,
                    wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    int32_t beds = param_get_bounded(tool, input_values, "beds", 1, HANDOVER_MAX_BEDS);
    write_lines(HANDOVER.head, result_text, result_cap);
    for (int bed = 1; bed <= beds; bed++) report_line(result_text, result_cap, HANDOVER_BED_LINE, bed);
    write_lines(HANDOVER.tail, result_text, result_cap);
    text_copy(verdict_text, verdict_cap, HANDOVER.verdict);
    return 0;
}
