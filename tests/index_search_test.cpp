// The family index: its generated table against the catalogue, the search as a table of queries and
// the tools they find, and the exe path it builds beside itself.
#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "index/index_search.h"
#include "tools/catalogue.h"

// The table the index exe carries holds exactly the catalogue's tools with the definitions' texts.
TEST(IndexTable, HoldsEveryCatalogueToolWithItsTexts) {
    ASSERT_EQ(INDEX_TOOL_COUNT, CATALOGUE_COUNT);
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        const IndexTool& row = INDEX_TOOLS[i];
        const ToolDef* tool = CATALOGUE[i].get();
        SCOPED_TRACE(CATALOGUE[i].file_stem);
        EXPECT_EQ(row.number, CATALOGUE[i].number);
        EXPECT_STREQ(row.exe_name, CATALOGUE[i].exe_name);
        EXPECT_STREQ(row.name, tool->name);
        EXPECT_STREQ(row.category, tool->category);
        EXPECT_STREQ(row.purpose, tool->purpose ? tool->purpose : L"");
        EXPECT_STREQ(row.search, tool->search);
    }
}

// The tools this table knows: tools added later are left out of the comparison, so a new tool's
// words or name do not break a row here (the rows with no result compare everything).
static bool known(uint32_t number) { return (number >= 115 && number <= 131) || (number >= 201 && number <= 211); }

TEST(IndexSearch, QueriesFindTheirToolsGroupedByDepartment) {
    // Departments in the order of their first tool: 肾内科 (115), 营养科 (116), 药学部 (117),
    // 重症医学科 (121), 内分泌科 (122), 心内科 (131), 护理部 (201), 药剂科, 检验科, 手术室.
    static const struct { const char* label; const wchar_t* query; std::vector<uint32_t> want; } cases[] = {
        { "part of a Chinese name",         L"体重",       { 116 } },
        { "Chinese part, two departments",  L"肌酐",       { 120, 130, 119 } },
        { "whole number",                   L"121",        { 121 } },
        { "start of numbers, grouped",      L"12",         { 120, 124, 125, 128, 129, 121, 123, 127, 122, 126 } },
        { "abbreviation in capitals",       L"BMI",        { 116 } },
        { "abbreviation",                   L"egfr",       { 118 } },
        { "part of a word after '-'",       L"epi",        { 118 } },
        { "word with '-'",                  L"ckd-epi",    { 118 } },
        { "name text with a slash",         L"kt/v",       { 128 } },
        { "pinyin initials",                L"tzzs",       { 116 } },
        { "initials in capitals",           L"TZZS",       { 116 } },
        { "start of initials",              L"tz",         { 116 } },
        { "full-width letters",             L"ｂｍｉ",     { 116 } },
        { "initials in two tools",          L"jgqcl",      { 120, 119 } },
        { "two terms: both must match",     L"肾 12",      { 129 } },
        { "spaces around a term",           L"  wjz ",     { 204 } },
        { "nothing found",                  L"zzz",        {} },
        { "one term of two finds nothing",  L"体重 zzz",   {} },
        { "a letter inside a word only",    L"zzs",        {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int found[256];
        int n = index_search(INDEX_TOOLS, INDEX_TOOL_COUNT, c.query, found, 256);
        std::vector<uint32_t> got;
        for (int i = 0; i < n; i++)
            if (c.want.empty() || known(INDEX_TOOLS[found[i]].number)) got.push_back(INDEX_TOOLS[found[i]].number);
        EXPECT_EQ(got, c.want);
    }
}

// An empty query lists every tool once: each department in one block, blocks in the order of their
// first tool, tools in number order within a block.
TEST(IndexSearch, EmptyQueryListsEveryToolInDepartmentBlocks) {
    for (const wchar_t* query : { L"", L"   " }) {
        int found[256];
        int n = index_search(INDEX_TOOLS, INDEX_TOOL_COUNT, query, found, 256);
        ASSERT_EQ(n, INDEX_TOOL_COUNT);
        std::vector<std::wstring> blocks;
        int previous_head = -1;  // table position of the previous block's first tool
        for (int i = 0; i < n; i++) {
            const IndexTool& t = INDEX_TOOLS[found[i]];
            if (i > 0 && blocks.back() == t.category) {
                EXPECT_GT(found[i], found[i - 1]) << t.number << " out of number order";
                continue;
            }
            for (const std::wstring& b : blocks) EXPECT_NE(b, t.category) << t.number << ": department in two blocks";
            int head = 0;
            while (wcscmp(INDEX_TOOLS[head].category, t.category) != 0) head++;
            EXPECT_GT(head, previous_head) << t.number << ": block out of order";
            previous_head = head;
            blocks.push_back(t.category);
        }
    }
    int found[3];
    EXPECT_EQ(index_search(INDEX_TOOLS, INDEX_TOOL_COUNT, L"", found, 3), 3) << "stops at its capacity";
}

TEST(IndexExePath, BesideTheModuleOrNothing) {
    static const struct { const char* label; const wchar_t* module; const char* exe; int capacity; const wchar_t* want; } cases[] = {
        { "Windows folder",           L"C:\\ward\\medtool-index.exe", "medtool-116-bmi.exe", 64, L"C:\\ward\\medtool-116-bmi.exe" },
        { "slashes kept",             L"Z:/tmp/x/medtool-index.exe",  "medtool.exe",         64, L"Z:/tmp/x/medtool.exe" },
        { "exactly fits",             L"C:\\a\\i.exe",                "b.exe",               11, L"C:\\a\\b.exe" },
        { "one short",                L"C:\\a\\i.exe",                "b.exe",               10, nullptr },
        { "module without a folder",  L"medtool-index.exe",           "b.exe",               64, nullptr },
        { "name climbs out",          L"C:\\a\\i.exe",                "..\\b.exe",           64, nullptr },
        { "name with a folder",       L"C:\\a\\i.exe",                "sub/b.exe",           64, nullptr },
        { "name with a drive",        L"C:\\a\\i.exe",                "D:b.exe",             64, nullptr },
        { "not an exe",               L"C:\\a\\i.exe",                "b.bat",               64, nullptr },
        { "hidden name",              L"C:\\a\\i.exe",                ".exe",                64, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        wchar_t path[80];
        wmemset(path, L'#', 80);
        bool ok = index_exe_path(c.module, c.exe, path, c.capacity);
        EXPECT_EQ(ok, c.want != nullptr);
        EXPECT_STREQ(path, c.want ? c.want : L"");
        EXPECT_EQ(path[c.capacity], L'#') << "nothing written past the capacity";
    }
}
