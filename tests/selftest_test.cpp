// Tests of the self-test mode: report bytes, exit codes, the DETAIL bound and failed writes.
#include <gtest/gtest.h>
#include <stdio.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc/compute.h"
#include "platform/platform.h"
#include "selftest/selftest.h"

// The whole file as bytes; empty when it cannot be read.
static std::string file_bytes(const wchar_t* path) {
    std::string bytes;
    FILE* f = platform_open_file(path, "rb");
    if (!f) return bytes;
    char block[4096];
    size_t n;
    while ((n = fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
    fclose(f);
    return bytes;
}

static std::string utf8(const wchar_t* text) {
    std::vector<char> out(4 * (size_t)wcslen(text) + 1);
    int n = platform_utf8_from_wide(text, out.data(), (int)out.size());
    return n > 0 ? std::string(out.data(), (size_t)n - 1) : std::string("(not convertible)");
}

// In the temporary folder, so a run from any folder leaves nothing behind in it.
static const std::wstring report_path = (std::filesystem::temp_directory_path() / "medtool_selftest_test.txt").wstring();
static const wchar_t* const REPORT_PATH = report_path.c_str();

TEST(SelftestRun, BuiltinToolReportIsByteExact) {
    std::filesystem::remove(report_path);
    EXPECT_EQ(SELFTEST_PASSED, selftest_run(REPORT_PATH));
    EXPECT_EQ("TOOL|115|尿/血渗透压比|肾内科\r\n"
              "LEVEL|0\r\n"
              "OUT|尿/血比值|2.07|\r\n"
              "VERDICT|浓缩功能大致正常\r\n"
              "DETAIL|尿/血比值：2.07 \r\n"
              "ERRORS|0\r\n",
              file_bytes(REPORT_PATH));
}

// Small tool definitions, each aimed at one rule of the report.
static const ToolInput divide_inputs[] = { { "a", L"甲", L"", 1.0 }, { "b", L"乙", nullptr, 0.0 } };
static const ToolOutput divide_outputs[] = { { "q", L"商", L"mg", "a/b", "f2" } };
static const ToolRule normal_rule[] = { { "", 0, L"正常" } };
static const ToolDef divide_tool = { 7, L"除法", nullptr, L"测试科", L"无", nullptr,
                                     2, divide_inputs, 1, divide_outputs, 1, normal_rule, 0, nullptr,
                                     FAILED_PRINTS_VALUE };

static const ToolOutput missing_outputs[] = { { "x", L"空", nullptr, nullptr, "f1" },
                                              { "y", L"空白", L"", "", nullptr } };
static const ToolDef missing_tool = { 8, L"缺公式", nullptr, L"测试科", L"无", nullptr,
                                      0, nullptr, 2, missing_outputs, 0, nullptr, 0 };

static const ToolDef empty_tool = { 9, L"无输出", nullptr, L"测试科", L"无", nullptr,
                                    0, nullptr, 0, nullptr, 1, normal_rule, 0 };

static const ToolInput chain_inputs[] = { { "x", L"原值", L"kg", 1.5 } };
static const ToolOutput chain_outputs[] = { { "a", L"加一", L"kg", "x+1", "f1" },
                                            { "b", L"加倍", nullptr, "a*2", "f0" } };
static const ToolRule severe_rule[] = { { "b>4", 3, L"危急" }, { "", 0, L"正常" } };
static const ToolDef chain_tool = { 0xFFFFFFFFu, L"链式", L"用途", L"测试科", L"无", nullptr,
                                    1, chain_inputs, 2, chain_outputs, 2, severe_rule, 0 };

TEST(SelftestRun, ReportLinesAndExitCode) {
    static const struct { const char* label; const ToolDef* tool; int exit_code; const char* report; } cases[] = {
        { "zero divisor: value 0.00, error, note at the end of DETAIL", &divide_tool, SELFTEST_FAILED,
          "TOOL|7|除法|测试科\r\nLEVEL|0\r\nOUT|商|0.00|mg\r\nVERDICT|正常\r\n"
          "DETAIL|商：0.00 mg （部分结果无法计算，请检查输入是否合理） \r\nERRORS|1\r\n" },
        { "null and empty formulas count as errors and show as not computable", &missing_tool, SELFTEST_FAILED,
          "TOOL|8|缺公式|测试科\r\nLEVEL|0\r\nOUT|空|无法计算|\r\nOUT|空白|无法计算|\r\nVERDICT|请核对输入参数后重新计算\r\n"
          "DETAIL|空：无法计算 空白：无法计算 （部分结果无法计算，请检查输入是否合理） \r\nERRORS|2\r\n" },
        { "no outputs: no OUT line", &empty_tool, SELFTEST_PASSED,
          "TOOL|9|无输出|测试科\r\nLEVEL|0\r\nVERDICT|正常\r\nDETAIL|\r\nERRORS|0\r\n" },
        { "earlier outputs feed later formulas; id printed signed", &chain_tool, SELFTEST_PASSED,
          "TOOL|-1|链式|测试科\r\nLEVEL|3\r\nOUT|加一|2.5|kg\r\nOUT|加倍|5|\r\nVERDICT|危急\r\n"
          "DETAIL|加一：2.5 kg 加倍：5 \r\nERRORS|0\r\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.exit_code, selftest_run_tool(c.tool, REPORT_PATH));
        EXPECT_EQ(c.report, file_bytes(REPORT_PATH));
    }
}

// A custom report replaces the OUT lines with one fixed line; its text, computed from the inputs'
// defaults, reaches DETAIL on one line (each line break a space).
TEST(SelftestRun, ReportKindToolGivesOneFixedOutLine) {
    static const ToolInput inputs[] = {
        { "start", L"首剂时间", L"时", 8 }, { "interval", L"间隔", L"小时", 12 }, { "times", L"次数", L"次", 3 },
    };
    static const ToolDef tool = { 12, L"给药", nullptr, L"药学部", L"无", nullptr,
                                  3, inputs, 0, nullptr, 0, nullptr, 2 };
    EXPECT_EQ(SELFTEST_PASSED, selftest_run_tool(&tool, REPORT_PATH));
    EXPECT_EQ(utf8(L"TOOL|12|给药|药学部\r\nLEVEL|0\r\nOUT|报告文本|见 DETAIL|\r\n"
                   L"VERDICT|给药时间表已生成，注意首剂与夜间给药时间\r\n"
                   L"DETAIL|首剂时间 8:00，间隔 12 小时，共 3 次： 第1天 08:00  |  第1天 20:00  |  第2天 08:00 "
                   L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。 \r\nERRORS|0\r\n"),
              file_bytes(REPORT_PATH));
}

// Every line at its longest, in three-byte characters: far beyond 8191 bytes, still written whole.
TEST(SelftestRun, LargestReportIsWrittenWhole) {
    // An OUT line "OUT|" label "|1.00||" CR LF takes label + 12 characters: 499 fill the 511.
    static const std::wstring label(499, L'长'), long_text(600, L'判');
    static const std::wstring name(250, L'名'), category(250, L'科');
    static ToolOutput outputs[MAX_VALUES];
    for (int i = 0; i < MAX_VALUES; i++) outputs[i] = { "v", label.c_str(), nullptr, "1", "f2" };
    static const ToolRule rules[] = { { "", 1, long_text.c_str() } };
    const ToolDef tool = { 1, name.c_str(), nullptr, category.c_str(), L"无", nullptr,
                           0, nullptr, MAX_VALUES, outputs, 1, rules, 0 };

    EXPECT_EQ(SELFTEST_PASSED, selftest_run_tool(&tool, REPORT_PATH));
    std::string bytes = file_bytes(REPORT_PATH);
    EXPECT_GT(bytes.size(), 16 * 499 * 3u);
    size_t lines = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) lines++;
    EXPECT_EQ(1 + 1 + MAX_VALUES + 1 + 1 + 1u, lines);
    EXPECT_EQ("VERDICT|" + utf8(long_text.substr(0, 511).c_str()) + "\r\n", bytes.substr(bytes.find("VERDICT|"), 8 + 511 * 3 + 2));
    ASSERT_GE(bytes.size(), 10u);
    EXPECT_EQ("\r\nERRORS|0\r\n", bytes.substr(bytes.size() - 12));
}

TEST(SelftestRun, SecondRunReplacesTheFirstReport) {
    ASSERT_EQ(SELFTEST_FAILED, selftest_run_tool(&missing_tool, REPORT_PATH));
    ASSERT_EQ(SELFTEST_PASSED, selftest_run_tool(&empty_tool, REPORT_PATH));
    EXPECT_EQ("TOOL|9|无输出|测试科\r\nLEVEL|0\r\nVERDICT|正常\r\nDETAIL|\r\nERRORS|0\r\n", file_bytes(REPORT_PATH));
}

// A report that cannot be written whole is exit code 3, whatever the formulas did.
TEST(SelftestRun, UnwritableReportGivesExitThree) {
    static const struct { const char* label; const wchar_t* path; } cases[] = {
        { "missing folder", L"selftest_no_such_folder/report.txt" },
        { "path is a folder", L"." },
#ifndef _WIN32
        { "device full on close", L"/dev/full" },
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(SELFTEST_NOT_WRITTEN, selftest_run(c.path));
        EXPECT_EQ(SELFTEST_NOT_WRITTEN, selftest_run_tool(&divide_tool, c.path));
    }
}

TEST(WriteUtf8File, TextBeyondTheBufferLeavesTheFileAlone) {
    ASSERT_TRUE(selftest_write_report(REPORT_PATH, L"旧内容\r\n"));
    std::wstring too_long(SELFTEST_REPORT_CAP, L'x');
    EXPECT_FALSE(selftest_write_report(REPORT_PATH, too_long.c_str()));
    EXPECT_EQ("旧内容\r\n", file_bytes(REPORT_PATH));
    std::wstring longest(SELFTEST_REPORT_CAP - 1, L'字');
    EXPECT_TRUE(selftest_write_report(REPORT_PATH, longest.c_str()));
    EXPECT_TRUE(utf8(longest.c_str()) == file_bytes(REPORT_PATH));
}

TEST(SelftestDetailAppend, FlattensAndBounds) {
    static const struct { const char* label; std::wstring result; std::wstring detail; } cases[] = {
        { "CR dropped, LF a space", L"a\r\nb\nc\rd", L"a b cd" },
        { "empty", L"", L"" },
        { "8000 kept", std::wstring(8000, L'x'), std::wstring(8000, L'x') },
        { "8001 cut", std::wstring(8001, L'x'), std::wstring(8000, L'x') },
        { "CRs not counted", std::wstring(7999, L'x') + L"\r\r\nyz", std::wstring(7999, L'x') + L" " },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        static wchar_t report[9000];
        wcscpy(report, L"DETAIL|");
        selftest_detail_append(report, 9000, c.result.c_str());
        EXPECT_EQ(L"DETAIL|" + c.detail, std::wstring(report));
    }
}

// Capacity bounds the append as it does every writer: exactly fits, one short, guard untouched.
TEST(SelftestDetailAppend, StaysWithinCapacity) {
    static const struct { int cap; const wchar_t* expected; } cases[] = {
        { 8, L"ab cd" }, { 6, L"ab cd" }, { 5, L"ab c" }, { 1, L"" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cap);
        wchar_t text[10];
        wmemset(text, L'#', 10);
        text[0] = 0;
        selftest_detail_append(text, c.cap, L"ab\r\ncd");
        EXPECT_STREQ(c.expected, text);
        EXPECT_EQ(L'#', text[c.cap]);
    }
}
