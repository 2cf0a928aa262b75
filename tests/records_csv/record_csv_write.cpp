// Writes a record file of old and new lines for check_csv.py to read back with a CSV reader:
// <folder>/KavriMedSuite/records/T901.csv starts as an older version of the store wrote it (choices
// as numbers, results unquoted, a trailing line break making an empty line, a result of two lines
// spreading over two rows), then record_append adds saves whose results and pieces hold commas,
// quotes, line breaks, Chinese, a choice, a check and a date. <folder>/expected.json holds the rows a
// reader must get, old rows as they always read and every new record as one row.
// Usage: record_csv_write <folder>. Exits 1 when a save or a file fails.
#include <stdio.h>

#include <string>
#include <vector>

#include "store/record_store.h"

static const ToolOption SEX[] = { { L"男", 1 }, { L"女", 2 } };
static const ToolInput INPUTS[] = {
    { "w", L"体重", L"kg", 60 },
    choice_input("sex", L"性别", SEX, 1),
    check_input("chf", L"心衰", 2),
    date_input("day", L"日期", 20521),
};
static const ToolDef TOOL = { 901, L"混合测试", nullptr, L"", L"", nullptr, 4, INPUTS, 0, nullptr, 0, nullptr, 0 };
static const LocalTime SAVE_TIME = { 2026, 3, 9, 10, 0, 0 };

typedef std::vector<std::wstring> Row;

// What an older store wrote, and the rows a CSV reader has always made of it.
static const char OLD_LINES[] =
    "\xEF\xBB\xBF时间,工具,体重,性别,心衰,日期,结果\r\n"
    "2026-03-01 08:00:00,混合测试,体重=60,性别=1,心衰=0,日期=20521,体重指数：22.0\r\n\r\n"
    "2026-03-01 08:05:00,混合测试,体重=70,性别=2,心衰=2,日期=20522,甲：1\r\n乙：2\r\n\r\n";
static const Row OLD_ROWS[] = {
    { L"时间", L"工具", L"体重", L"性别", L"心衰", L"日期", L"结果" },
    { L"2026-03-01 08:00:00", L"混合测试", L"体重=60", L"性别=1", L"心衰=0", L"日期=20521", L"体重指数：22.0" },
    {},
    { L"2026-03-01 08:05:00", L"混合测试", L"体重=70", L"性别=2", L"心衰=2", L"日期=20522", L"甲：1" },
    { L"乙：2" },
    {},
};

struct Save {
    double       values[4];
    std::wstring result;  // as the window passes it: result, "—— ", verdict
    Row          row;     // what a reader must get
};

static std::wstring long_report() {
    std::wstring text;
    for (int i = 1; i <= 60; i++) text += L"第" + std::to_wstring(i) + L"行：\"甲\",乙，丙\r\n";
    return text;
}

static std::vector<Save> saves() {
    std::wstring report = long_report();
    std::wstring report_kept = report.substr(0, report.size() - 2);
    return {
        { { 60.5, 1, 2, 20521 }, L"体重指数：22.1\r\n—— 正常",
          { L"2026-03-09 10:00:00", L"混合测试", L"体重=60.5", L"性别=男", L"心衰=是", L"日期=2026-03-09",
            L"体重指数：22.1\r\n—— 正常" } },
        { { 70, 2, 0, 20522 }, L"结果：1,234\r\n说明：称\"甲\"为对照\r\n—— 请核对血钠，\"15.5\" 不在 100–200 之间",
          { L"2026-03-09 10:00:00", L"混合测试", L"体重=70", L"性别=女", L"心衰=否", L"日期=2026-03-10",
            L"结果：1,234\r\n说明：称\"甲\"为对照\r\n—— 请核对血钠，\"15.5\" 不在 100–200 之间" } },
        { { -0.5, 1, 0, 0 }, L"甲\n乙\r\n",
          { L"2026-03-09 10:00:00", L"混合测试", L"体重=-0.5", L"性别=男", L"心衰=否", L"日期=1970-01-01", L"甲\n乙" } },
        { { 1234567, 2, 2, 20521 }, report,
          { L"2026-03-09 10:00:00", L"混合测试", L"体重=1.23457e+06", L"性别=女", L"心衰=是", L"日期=2026-03-09",
            report_kept } },
    };
}

static void put_json_string(FILE* f, const std::wstring& text) {
    fputc('"', f);
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') fprintf(f, "\\%c", (char)c);
        else if (c < 0x20) fprintf(f, "\\u%04x", (unsigned)c);
        else if (c < 0x80) fputc((char)c, f);
        else fprintf(f, "\\u%04x", (unsigned)c);  // the texts here are within the BMP
    }
    fputc('"', f);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: record_csv_write <folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    std::wstring appdata(folder.begin(), folder.end());  // an ASCII temporary folder
    std::string records = folder + "/KavriMedSuite/records";
    platform_make_dir((appdata + L"/KavriMedSuite").c_str());
    platform_make_dir((appdata + L"/KavriMedSuite/records").c_str());
    FILE* old = fopen((records + "/T901.csv").c_str(), "wb");
    if (!old || fwrite(OLD_LINES, 1, sizeof OLD_LINES - 1, old) != sizeof OLD_LINES - 1 || fclose(old) != 0) {
        fprintf(stderr, "cannot write the old lines\n");
        return 1;
    }

    std::vector<Row> rows(OLD_ROWS, OLD_ROWS + sizeof OLD_ROWS / sizeof OLD_ROWS[0]);
    for (const Save& save : saves()) {
        RecordOutcome outcome = record_append(&TOOL, save.values, save.result.c_str(), appdata.c_str(), SAVE_TIME);
        if (outcome.status != RECORD_SAVED) {
            fprintf(stderr, "save failed: status %d\n", (int)outcome.status);
            return 1;
        }
        rows.push_back(save.row);
    }

    FILE* json = fopen((folder + "/expected.json").c_str(), "wb");
    if (!json) return 1;
    fputs("[\n", json);
    for (size_t r = 0; r < rows.size(); r++) {
        fputs("  [", json);
        for (size_t i = 0; i < rows[r].size(); i++) {
            if (i) fputs(", ", json);
            put_json_string(json, rows[r][i]);
        }
        fputs(r + 1 < rows.size() ? "],\n" : "]\n", json);
    }
    fputs("]\n", json);
    return fclose(json) == 0 ? 0 : 1;
}
