// Save scenarios with the built-in tool: the hint without a result, the record file in the local
// app-data folder of the Wine prefix, and a save while another process holds the file open without
// sharing (a spreadsheet's lock), then again after it lets go; and the record of a tool without
// inputs. Exports SAVE_SCENARIOS.
#include <stdio.h>

#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_SAVE = 1002 };

static const char HEADER[] = "\xEF\xBB\xBF时间,工具,尿渗透压,血渗透压,结果\r\n";

// A result as the record's last field: trailing line breaks left out, in double quotes with inner
// quotes doubled when it holds a comma, a quote or a line break.
static std::string result_field(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A record line of the defaults after its 19-character timestamp: the result column holds what the
// clipboard does, the result and the verdict.
static const std::string LINE_REST =
    ",尿/血渗透压比,尿渗透压=600,血渗透压=290," + result_field("尿/血比值：2.07\r\n—— 浓缩功能大致正常") + "\r\n";
static const wchar_t SAVED[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";

// The records folder: the program asks SHGetFolderPathW(CSIDL_LOCAL_APPDATA), which Wine also hands
// every process as LOCALAPPDATA.
static std::wstring records_folder() {
    wchar_t appdata[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"LOCALAPPDATA", appdata, MAX_PATH);
    return std::wstring(appdata) + L"\\KavriMedSuite\\records";
}

static std::wstring record_path(const wchar_t* file = L"T115.csv") { return records_folder() + L"\\" + file; }

// The file's bytes; "<missing>" when it cannot be read.
static std::string file_bytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char chunk[4096];
    DWORD n;
    while (ReadFile(file, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
    CloseHandle(file);
    return bytes;
}

// Removes the records folder and its parent, with every file in them, so a scenario starts without.
static void remove_records() {
    std::wstring folder = records_folder();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str());
}

static std::string timestamp_now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char text[32];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
             t.wSecond);
    return text;
}

// Clicks save and expects the saved box, and the file to hold the bytes `before` and then one record
// line of the defaults stamped with the time of the click.
static void save_and_expect_line(Session* s, const std::string& before) {
    std::string earliest = timestamp_now();
    click(s, ID_SAVE);
    expect_message_box(s, L"已保存", SAVED, false);
    std::string latest = timestamp_now();
    std::string bytes = file_bytes(record_path());
    bool starts = bytes.compare(0, before.size(), before) == 0;
    std::string line = starts ? bytes.substr(before.size()) : "";
    std::string stamp = line.substr(0, 19);
    check(s, starts && line.size() == 19 + LINE_REST.size() && line.compare(19, std::string::npos, LINE_REST) == 0,
          "the file does not end with one record line of the defaults: \"%s\"", bytes.c_str());
    check(s, earliest <= stamp && stamp <= latest, "timestamp %s is not between %s and %s", stamp.c_str(),
          earliest.c_str(), latest.c_str());
}

static void save_without_result(Session* s) {
    remove_records();
    click(s, ID_SAVE);
    expect_message_box(s, L"提示", L"请先点击“计算”生成结果，再保存记录。", false);
    expect_status(s, L"就绪：填写参数后按 F5 或点击“计算”");
    DWORD parent = GetFileAttributesW(records_folder().substr(0, records_folder().rfind(L'\\')).c_str());
    check(s, parent == INVALID_FILE_ATTRIBUTES, "a save without a result made the KavriMedSuite folder");
}

static void save_after_calculation(Session* s) {
    remove_records();
    click(s, ID_CALCULATE);
    settle(s);
    save_and_expect_line(s, HEADER);
    expect_status(s, L"记录已保存：" + record_path());
    std::string first = file_bytes(record_path());
    save_and_expect_line(s, first);
}

// While another process holds the file without sharing, the save fails visibly and leaves the file
// alone; once the file is free, the next save appends one line and no second header.
static void save_while_locked(Session* s) {
    remove_records();
    click(s, ID_CALCULATE);
    settle(s);
    save_and_expect_line(s, HEADER);
    std::string before = file_bytes(record_path());

    HANDLE lock = CreateFileW(record_path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    check(s, lock != INVALID_HANDLE_VALUE, "cannot hold the record file open");
    click(s, ID_SAVE);
    expect_message_box(s, L"保存失败",
                       (L"本次记录未写入记录文件：\r\n" + record_path() +
                        L"\r\n\r\n该文件可能正被其他程序（如 Excel）打开。请关闭该文件后再点击“保存记录”。").c_str(),
                       true);
    expect_status(s, L"记录保存失败：" + record_path());
    CloseHandle(lock);
    check(s, file_bytes(record_path()) == before, "the failed save changed the file");

    save_and_expect_line(s, before);
    expect_status(s, L"记录已保存：" + record_path());
}

// A tool without inputs: a header and a line with no value fields between the tool name and the result.
static void save_without_inputs(Session* s) {
    remove_records();
    click(s, ID_CALCULATE);
    settle(s);
    std::string earliest = timestamp_now();
    click(s, ID_SAVE);
    expect_message_box(s, L"已保存", SAVED, false);
    std::string latest = timestamp_now();
    std::string bytes = file_bytes(record_path(L"T9002.csv"));
    std::string head = "\xEF\xBB\xBF时间,工具,结果\r\n", rest = ",无输入测试," + result_field(utf8(text_of(GetDlgItem(s->main, 3000)))) + "\r\n";
    std::string stamp = bytes.size() >= head.size() + 19 ? bytes.substr(head.size(), 19) : "<short file>";
    check(s, bytes.size() == head.size() + 19 + rest.size() && bytes.compare(0, head.size(), head) == 0 &&
             bytes.compare(head.size() + 19, std::string::npos, rest) == 0,
          "the file is not the header and one record line: \"%s\"", bytes.c_str());
    check(s, earliest <= stamp && stamp <= latest, "timestamp %s is not between %s and %s", stamp.c_str(),
          earliest.c_str(), latest.c_str());
}

static const Scenario SCENARIOS[] = {
    { "save: hint without a result, nothing made", PROGRAM_BUILTIN, save_without_result },
    { "save: record file after a calculation",     PROGRAM_BUILTIN, save_after_calculation },
    { "save: locked file refused, then appended",  PROGRAM_BUILTIN, save_while_locked },
    { "save: a tool without inputs",               PROGRAM_NO_INPUT, save_without_inputs },
};
const ScenarioList SAVE_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };
