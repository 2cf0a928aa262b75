// Tests of the report routines (param_get, param_get_int, report_line), of the dispatch by kind, the
// fallback text included, and of the parameters each report declares.
#include <gtest/gtest.h>
#include <math.h>

#include "base/dimof.h"
#include "report_tool.h"
#include "reports/report_params.h"
#include "tools/catalogue.h"

static const ToolInput PARAM_INPUTS[] = {
    { "kind",  L"类型一", nullptr, 0 },
    { "Panel", L"大写",   nullptr, 0 },
    { "kind",  L"类型二", nullptr, 0 },
    { "x",     L"数值",   nullptr, 0 },
};

TEST(ParamGet, FirstFieldWithTheExactKeyCounts) {
    const ToolDef tool = report_tool(11, PARAM_INPUTS);
    const double values[] = { 3.5, 7, 9, -0.25 };
    EXPECT_EQ(3.5, param_get(&tool, values, "kind"));
    EXPECT_EQ(-0.25, param_get(&tool, values, "x"));
    EXPECT_EQ(0.0, param_get(&tool, values, "panel"));  // keys are case-sensitive
    EXPECT_EQ(0.0, param_get(&tool, values, "kin"));
    EXPECT_EQ(0.0, param_get(&tool, values, "kinds"));
    const ToolDef bare = report_tool_bare(11);
    EXPECT_EQ(0.0, param_get(&bare, values, "kind"));
}

TEST(ParamGetInt, TruncatesTowardZeroAndMapsTheUnrepresentableToInt32Min) {
    static const struct {
        const char* label;
        double      value;
        int32_t     expected;
    } cases[] = {
        { "2.9",               2.9,           2 },
        { "-0.5",              -0.5,          0 },
        { "-1.7",              -1.7,          -1 },
        { "largest int32",     2147483647.0,  2147483647 },
        { "just below 2^31",   2147483647.9,  2147483647 },
        { "2^31",              2147483648.0,  INT32_MIN },
        { "smallest int32",    -2147483648.0, INT32_MIN },
        { "-2^31 - 0.9",       -2147483648.9, INT32_MIN },  // truncates to -2^31, which fits
        { "-2^31 - 1",         -2147483649.0, INT32_MIN },
        { "1e12",              1e12,          INT32_MIN },
        { "-1e12",             -1e12,         INT32_MIN },
        { "NaN",               NAN,           INT32_MIN },
        { "infinity",          INFINITY,      INT32_MIN },
        { "minus infinity",    -INFINITY,     INT32_MIN },
    };
    const ToolDef tool = report_tool(11, PARAM_INPUTS);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { 0, 0, 0, c.value };
        EXPECT_EQ(c.expected, param_get_int(&tool, values, "x"));
    }
    const double values[] = { 0, 0, 0, 0 };
    EXPECT_EQ(0, param_get_int(&tool, values, "absent"));
}

// report_line into a buffer of `cap` characters that already holds `before`; the characters past
// the capacity are guards that must survive.
static std::wstring line_into(const wchar_t* before, int cap, const wchar_t* format, int arg) {
    wchar_t buffer[40];
    for (wchar_t& c : buffer) c = L'#';
    wcscpy(buffer, before);
    report_line(buffer, cap, format, arg);
    for (int i = cap; i < dimof(buffer); i++) EXPECT_EQ(L'#', buffer[i]) << "guard " << i;
    return buffer;
}

TEST(ReportLine, AppendsLineThenCrLfUnderTheRoomRule) {
    static const struct {
        const char*    label;
        const wchar_t* before;
        int            cap;
        const wchar_t* format;
        const wchar_t* expected;
    } cases[] = {
        { "room to spare",       L"ab", 20, L"第%d行", L"ab第7行\r\n" },
        { "exactly fits",        L"ab", 8,  L"第%d行", L"ab第7行\r\n" },
        { "one short: CR alone", L"ab", 7,  L"第%d行", L"ab第7行\r" },
        { "two short: no CR LF", L"ab", 6,  L"第%d行", L"ab第7行" },
        { "line cut",            L"ab", 4,  L"第%d行", L"ab第" },
        { "already full",        L"abc", 4, L"第%d行", L"abc" },
        { "empty format",        L"ab", 20, L"",       L"ab\r\n" },
        { "percent escaped",     L"",   20, L"%d%%",   L"7%\r\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(std::wstring(c.expected), line_into(c.before, c.cap, c.format, 7));
    }
}

TEST(ReportLine, KeepsTheFirst511CharactersOfALongLine) {
    wchar_t long_line[700];
    for (int i = 0; i < 699; i++) long_line[i] = (wchar_t)(L'a' + i % 26);
    long_line[699] = 0;
    static wchar_t text[2048];
    text[0] = 0;
    report_line(text, dimof(text), L"%ls", long_line);
    EXPECT_EQ(std::wstring(long_line, 511) + L"\r\n", text);
}

TEST(ReportFixedLine, PrintsPercentSignsAsStored) {
    wchar_t text[64] = L"";
    report_fixed_line(text, dimof(text), L"10% 氯化钾 %d %ls");
    EXPECT_STREQ(L"10% 氯化钾 %d %ls\r\n", text);
}

TEST(ReportBuild, OtherKindsGiveTheFallbackWithoutLineBreak) {
    static const uint32_t kinds[] = { 0, 12, 13, 100, 0x80000000u, 0xFFFFFFFFu };
    for (uint32_t kind : kinds) {
        SCOPED_TRACE(kind);
        const ToolDef tool = report_tool_bare(kind);
        ReportRun run;
        run_report(tool, nullptr, &run);
        EXPECT_STREQ(L"（该工具暂无自定义报告）", run.text);
        EXPECT_STREQ(L"暂无报告内容", run.verdict);
        EXPECT_EQ(0, run.level);
    }
}

TEST(ReportBuild, EmptiesBothTextsAndCutsTheFallback) {
    wchar_t text[8], verdict[4];
    for (wchar_t& c : text) c = L'#';
    for (wchar_t& c : verdict) c = L'#';
    const ToolDef tool = report_tool_bare(0);
    EXPECT_EQ(0, report_build(0, &tool, nullptr, text, 6, verdict, 3));
    EXPECT_STREQ(L"（该工具暂", text);
    EXPECT_EQ(L'#', text[6]);
    EXPECT_EQ(L'#', text[7]);
    EXPECT_STREQ(L"暂无", verdict);
    EXPECT_EQ(L'#', verdict[3]);
    report_build(0, &tool, nullptr, text, 1, verdict, 1);
    EXPECT_STREQ(L"", text);
    EXPECT_STREQ(L"", verdict);
}

TEST(ReportBuild, EachKindReachesItsReport) {
    static const struct {
        uint32_t       kind;
        const wchar_t* first_line;
        const wchar_t* verdict;
    } cases[] = {
        { 1,  L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每人按 D、N、R 循环，夜班后休息；每日每班 0～1 人，按人员顺序滚动。", L"已生成轮转排班表，可复制到排班本或表格" },
        { 2,  L"首剂时间 0:00，间隔 8 小时，共 1 次：",                                          L"给药时间表已生成，注意首剂与夜间给药时间" },
        { 3,  L"标准采血顺序（按添加剂，避免交叉污染）：",                                        L"按标准顺序采血可减少溶血与交叉污染" },
        { 4,  L"常见检验危急值（参考，需以本院文件为准）：",                                      L"危急值必须闭环：报告、接收、处理、记录" },
        { 5,  L"高警示药品类别与要点：",                                                          L"高警示药品须专区、专标识、双人核对" },
        { 6,  L"待查：0 号 （无此编号）  +  0 号 （无此编号）",                                   L"未收录明确禁忌，仍需核对院内配伍表" },
        { 7,  L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 1 次）：",                      L"随访计划已生成，可按日期短信提醒患者" },
        { 8,  L"手术安全核查表（三步核查）：",                                                    L"三方核查缺一不可，签字后归档" },
        { 9,  L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：",                L"模板已生成，床旁交接并双方签名" },
        { 10, L"静脉输液卡",                                                                      L"输液卡已生成，双人核对后执行" },
        { 11, L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",  L"套餐与采血管已列出，按顺序采血" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const ToolDef tool = report_tool_bare(c.kind);
        ReportRun run;
        run_report(tool, nullptr, &run);
        EXPECT_EQ(std::wstring(c.first_line), line_at(run.text, 0));
        EXPECT_STREQ(c.verdict, run.verdict);
        EXPECT_EQ(0, run.level);
    }
}

// The keys a report declares are the keys it reads: over a tool that carries every declared key at 2,
// moving one of the report's own keys to 3 changes its text, moving any other key changes nothing.
TEST(ReportParams, EachReportReadsExactlyTheKeysItDeclares) {
    const char* keys[MAX_REPORT_KEYS];
    const int count = report_all_keys(keys, MAX_REPORT_KEYS);
    ToolInput inputs[MAX_REPORT_KEYS];
    for (int i = 0; i < count; i++) inputs[i] = { keys[i], L"参数", nullptr, 2 };
    ToolDef tool = report_tool(1, inputs);
    tool.input_count = count;
    for (uint32_t kind = 1; kind <= REPORT_KINDS; kind++) {
        tool.report_kind = kind;
        auto text = [&](int moved) {
            double values[MAX_REPORT_KEYS];
            for (int i = 0; i < count; i++) values[i] = i == moved ? 3 : 2;
            static ReportRun run;
            run.text[0] = run.verdict[0] = 0;
            if (kind == 7) report_followup_on(20521, &tool, values, run.text, REPORT_CAP, run.verdict, VERDICT_CAP);
            else run_report(tool, values, &run);
            return std::wstring(run.text);
        };
        const std::wstring unmoved = text(-1);
        for (int i = 0; i < count; i++) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", key " << keys[i]);
            bool declared = false;
            for (const char* key : report_params(kind)->keys) declared = declared || (key && report_key_equals(key, keys[i]));
            EXPECT_EQ(declared, text(i) != unmoved);
        }
    }
}

// Every report tool of the catalogue carries exactly its report's parameters, as report_tool_check
// asserts when the tool compiles; this catches a report tool checked by tool_check alone.
TEST(ReportParams, EveryReportToolCarriesItsReportsParameters) {
    int report_tools = 0;
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        const ToolDef* tool = CATALOGUE[t].get();
        if (tool->report_kind == 0) continue;
        SCOPED_TRACE(CATALOGUE[t].file_stem);
        report_tools++;
        ReportParamFault fault = report_param_fault(*tool);
        EXPECT_EQ(REPORT_PARAMS_OK, fault.error) << "at " << fault.at;
    }
    EXPECT_EQ(REPORT_KINDS, report_tools);
}

// The option lists of the report tools name the rows they select: choosing an option shows the line
// that names it (for the critical values, the first test of the group), so a list out of order with
// its report fails here while the codes, and so every vector, still agree.
TEST(ReportParams, EachOptionSelectsTheRowThatNamesIt) {
    static const wchar_t* const CRITICAL_FIRST_TESTS[] = {
        L"血钾", L"血糖", L"白细胞", L"INR", L"血培养", L"肌钙蛋白", L"本院《危急值报告目录》",
    };
    static const struct {
        uint32_t              kind;
        const ToolOption*     options;
        int                   count;
        int                   line;   // the line of the chosen row that names it, 0-based
        const wchar_t* const* names;  // what that line holds for each option; null: the option's text
    } cases[] = {
        { 3,  BLOOD_DRAW_ITEMS,   dimof(BLOOD_DRAW_ITEMS),   8, nullptr },
        { 4,  CRITICAL_GROUPS,    dimof(CRITICAL_GROUPS),    1, CRITICAL_FIRST_TESTS },
        { 5,  HIGH_ALERT_CLASSES, dimof(HIGH_ALERT_CLASSES), 1, nullptr },
        { 6,  COMPAT_DRUGS,       dimof(COMPAT_DRUGS),       0, nullptr },
        { 11, LAB_PANELS,         dimof(LAB_PANELS),         0, nullptr },
    };
    static_assert(dimof(CRITICAL_FIRST_TESTS) == dimof(CRITICAL_GROUPS), "a test per group");
    for (const auto& c : cases) {
        // The report's own parameters, each set to the option (both drugs for the compatibility check).
        ToolInput inputs[MAX_REPORT_PARAMS] = {};
        int count = 0;
        for (const char* key : report_params(c.kind)->keys)
            if (key) inputs[count++] = { key, L"参数", nullptr, 0 };
        ToolDef tool = report_tool(c.kind, inputs);
        tool.input_count = count;
        for (int k = 0; k < c.count; k++) {
            SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", option " << k + 1);
            const double values[MAX_REPORT_PARAMS] = { c.options[k].value, c.options[k].value };
            static ReportRun run;
            run_report(tool, values, &run);
            const wchar_t* name = c.names ? c.names[k] : c.options[k].text;
            EXPECT_NE(std::wstring::npos, line_at(run.text, c.line).find(name));
        }
    }
}
