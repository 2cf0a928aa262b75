// Tests of the record store: the text builders, and record_append writing into a scratch folder that
// stands in for the app-data folder, reopened and compared byte for byte.
#include <gtest/gtest.h>

#include <math.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "base/wtext.h"
#include "calc/compute.h"
#include "store/record_store.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

static const LocalTime SAVE_TIME = { 2026, 12, 7, 9, 30, 5 };

// An empty scratch folder of this process for one test (ASCII path, so std::filesystem converts it
// alike in both builds).
static fs::path scratch(const char* name) {
    fs::path root = fs::temp_directory_path() /
                    ("record_store_test_" + std::to_string((unsigned long)getpid()) + "_" + name);
    fs::remove_all(root);
    fs::create_directories(root);
    return root;
}

// The record file a save under appdata writes.
static fs::path record_file(const fs::path& appdata, const char* name) {
    return appdata / "KavriMedSuite" / "records" / name;
}

// The bytes of a file; "<missing>" when it cannot be read.
static std::string file_bytes(const fs::path& path) {
    FILE* f = platform_open_file(path.wstring().c_str(), "rb");
    if (!f) return "<missing>";
    std::string bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    fclose(f);
    return bytes;
}

// The file's text after its byte-order mark, as wide text ("<not UTF-8>" otherwise).
static std::wstring file_text(const fs::path& path) {
    std::string bytes = file_bytes(path);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") != 0) return L"<no byte-order mark>";
    std::wstring wide(bytes.size(), L'\0');
    if (platform_wide_from_utf8(bytes.c_str() + 3, wide.data(), (int)wide.size()) == 0) return L"<not UTF-8>";
    return wide.c_str();
}

static RecordOutcome save(const ToolDef* tool, const double* values, const wchar_t* result,
                          const fs::path& appdata) {
    return record_append(tool, values, result, appdata.wstring().c_str(), SAVE_TIME);
}

// ---- builders

TEST(RecordFileName, PadsToThreeDigitsAndPrintsLongerIdsInFull) {
    static const struct { uint32_t id; const wchar_t* name; } cases[] = {
        { 0, L"T000.csv" },       { 7, L"T007.csv" },   { 115, L"T115.csv" },
        { 1234, L"T1234.csv" },   { 4294967295u, L"T4294967295.csv" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        wchar_t text[32];
        record_file_name(c.id, text, 32);
        EXPECT_STREQ(c.name, text);
    }
}

static const ToolInput ONE_INPUT[] = { { "x", L"剂量", L"mg", 0 } };
static const ToolDef ONE_INPUT_TOOL = { 7, L"测试", nullptr, L"", L"", nullptr, 1, ONE_INPUT, 0, nullptr,
                                        0, nullptr, 0 };

TEST(RecordLine, PrintsValuesWithPercentG) {
    static const struct { double value; const wchar_t* text; } cases[] = {
        { 0.1, L"0.1" },     { 1e-7, L"1e-07" },   { 1234567, L"1.23457e+06" }, { 12.5, L"12.5" },
        { 600, L"600" },     { 0.00001, L"1e-05" }, { 100000, L"100000" },      { 1e6, L"1e+06" },
        { -0.5, L"-0.5" },   { 0, L"0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        wchar_t line[RECORD_LINE_CAP];
        record_line(&ONE_INPUT_TOOL, &c.value, L"r", SAVE_TIME, line, RECORD_LINE_CAP);
        EXPECT_EQ(std::wstring(L"2026-12-07 09:30:05,测试,剂量=") + c.text + L",r\r\n", line);
    }
}

// Capacities 0 and 1 write at most the terminator and report what they wrote.
TEST(RecordLine, TinyCapacitiesWriteNothingPastThem) {
    const double value = 1;
    for (int cap = 0; cap <= 1; cap++) {
        SCOPED_TRACE(cap);
        wchar_t text[4] = { L'#', L'#', L'#', L'#' };
        EXPECT_EQ(0, record_line(&ONE_INPUT_TOOL, &value, L"r", SAVE_TIME, text, cap));
        EXPECT_EQ(0, record_header(&ONE_INPUT_TOOL, text, cap));
        EXPECT_EQ(cap == 1 ? L'\0' : L'#', text[0]);
        EXPECT_EQ(L'#', text[1]);
    }
}

// The result field: as it is when it needs no quotes, quoted with inner quotes doubled when it holds a
// comma, a quote or a line break, trailing line breaks left out; RECORD_RESULT_KEPT characters of
// anything kept whole; past the field, the beginning and the tail around the mark.
TEST(RecordLine, ResultField) {
    const int room = RECORD_RESULT_CAP - 2;  // the field after its comma
    const std::wstring mark = L"……（中间过长，已略去）……";
    const std::wstring tail(RECORD_RESULT_TAIL - 3, L'尾');  // with "—— ", the last RECORD_RESULT_TAIL
    static const struct { const char* label; std::wstring result; std::wstring field; } cases[] = {
        { "plain", L"尿/血比值：2.07", L"尿/血比值：2.07" },
        { "empty", L"", L"" },
        { "trailing line breaks left out", L"比值：2.07\r\n\r\n", L"比值：2.07" },
        { "several lines and the verdict", L"甲：1\r\n乙：2\r\n—— 正常", L"\"甲：1\r\n乙：2\r\n—— 正常\"" },
        { "comma", L"1,5", L"\"1,5\"" },
        { "quotes doubled", L"称\"甲\"", L"\"称\"\"甲\"\"\"" },
        { "lone CR", L"a\rb", L"\"a\rb\"" },
        { "kept whole: every character a quote", std::wstring(RECORD_RESULT_KEPT, L'"'),
          L"\"" + std::wstring(2 * RECORD_RESULT_KEPT, L'"') + L"\"" },
        { "plain that fills the field", std::wstring(room, L'x'), std::wstring(room, L'x') },
        { "one more: cut, the tail kept", std::wstring(room - 1, L'x') + L"\r\n—— " + tail,
          L"\"" + std::wstring(room - 2 - (int)mark.size() - RECORD_RESULT_TAIL, L'x') + mark + L"—— " + tail + L"\"" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        double value = 1;
        static wchar_t line[RECORD_LINE_CAP];
        record_line(&ONE_INPUT_TOOL, &value, c.result.c_str(), SAVE_TIME, line, RECORD_LINE_CAP);
        EXPECT_EQ(L"2026-12-07 09:30:05,测试,剂量=1," + c.field + L"\r\n", line);
        EXPECT_LE(c.field.size(), (size_t)room);
    }
}

// Each kind of input as a person reads it; a value that no option, tick or date stands for keeps its
// number. Name and label fields that need quotes get them.
static const ToolOption SEX[] = { { L"男", 1 }, { L"女", 2 } };
static const ToolInput KINDS[] = {
    { "w", L"体重", L"kg", 60 },
    choice_input("sex", L"性别", SEX, 1),
    check_input("chf", L"心衰", 2),
    date_input("lmp", L"末次月经", 0),
    { "q", L"引\"号", L"", 0 },
};
static const ToolDef KIND_TOOL = { 9, L"甲,乙", nullptr, L"", L"", nullptr, 5, KINDS, 0, nullptr, 0, nullptr, 0 };

TEST(RecordLine, InputKinds) {
    static const struct { double values[5]; const wchar_t* pieces; } cases[] = {
        { { 60.5, 1, 0, 20521, 1 },      L"体重=60.5,性别=男,心衰=否,末次月经=2026-03-09,\"引\"\"号=1\"" },
        { { 1234567, 2, 2, 0, -0.0 },    L"体重=1.23457e+06,性别=女,心衰=是,末次月经=1970-01-01,\"引\"\"号=-0\"" },
        { { 0, 3, 1, 20521.5, 0 },       L"体重=0,性别=3,心衰=1,末次月经=20521.5,\"引\"\"号=0\"" },
        { { 0, NAN, 0, 2932897, 0 },     L"体重=0,性别=nan,心衰=否,末次月经=2.9329e+06,\"引\"\"号=0\"" },
        { { 0, 1, 0, -719162, 0 },       L"体重=0,性别=男,心衰=否,末次月经=0001-01-01,\"引\"\"号=0\"" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.values[0]);
        wchar_t line[RECORD_LINE_CAP];
        record_line(&KIND_TOOL, c.values, L"r", SAVE_TIME, line, RECORD_LINE_CAP);
        EXPECT_EQ(std::wstring(L"2026-12-07 09:30:05,\"甲,乙\",") + c.pieces + L",r\r\n", line);
    }
    wchar_t header[RECORD_HEADER_CAP];
    record_header(&KIND_TOOL, header, RECORD_HEADER_CAP);
    EXPECT_STREQ(L"时间,工具,体重,性别,心衰,末次月经,\"引\"\"号\",结果\r\n", header);
}

// ---- record_append

TEST(RecordAppend, NewFileThenAppendThenRecreatedAfterDeletion) {
    fs::path appdata = scratch("builtin");
    const ToolDef* tool = tool_get();
    double values[MAX_VALUES] = { 600, 290 };
    wchar_t result[4096], verdict[512], copy[8192];
    int level;
    tool_compute(tool, values, result, 4096, verdict, 512, &level, copy, 8192);
    wformat(copy, 8192, L"%ls—— %ls", result, verdict);  // as the window saves it: result and verdict
    const std::string header = "\xEF\xBB\xBF时间,工具,尿渗透压,血渗透压,结果\r\n";
    const std::string line = "2026-12-07 09:30:05,尿/血渗透压比,尿渗透压=600,血渗透压=290,"
                             "\"尿/血比值：2.07\r\n—— 浓缩功能大致正常\"\r\n";
    fs::path file = record_file(appdata, "T115.csv");

    RecordOutcome first = save(tool, values, copy, appdata);
    EXPECT_EQ(RECORD_SAVED, first.status);
    EXPECT_EQ(file.wstring(), first.path);
    EXPECT_EQ(header + line, file_bytes(file));

    RecordOutcome second = save(tool, values, copy, appdata);
    EXPECT_EQ(RECORD_SAVED, second.status);
    EXPECT_EQ(header + line + line, file_bytes(file));

    fs::remove(file);
    RecordOutcome third = save(tool, values, copy, appdata);
    EXPECT_EQ(RECORD_SAVED, third.status);
    EXPECT_EQ(header + line, file_bytes(file));

    // An empty file (left by a failed save of another program, or made by hand) starts like a new one.
    fclose(platform_open_file(file.wstring().c_str(), "wb"));
    RecordOutcome fourth = save(tool, values, copy, appdata);
    EXPECT_EQ(RECORD_SAVED, fourth.status);
    EXPECT_EQ(header + line, file_bytes(file));
    fs::remove_all(appdata);
}

// A tool of 16 inputs with the given name and labels (each used for every input).
struct WideTool {
    std::wstring name, label;
    ToolInput inputs[MAX_VALUES];
    ToolDef tool;
};

static void make_wide_tool(WideTool* w) {
    for (int i = 0; i < MAX_VALUES; i++) w->inputs[i] = { "x", w->label.c_str(), nullptr, 0 };
    w->tool = { 1234, w->name.c_str(), nullptr, L"", L"", nullptr, MAX_VALUES, w->inputs, 0, nullptr,
                0, nullptr, 0 };
}

TEST(RecordAppend, WritesSixteenLongChineseLabelsWhole) {
    fs::path appdata = scratch("long_labels");
    WideTool w = { L"很长的工具名称", std::wstring(100, L'渗') };
    make_wide_tool(&w);
    double values[MAX_VALUES];
    std::wstring expected_header = L"时间,工具", expected_line = L"2026-12-07 09:30:05," + w.name;
    for (int i = 0; i < MAX_VALUES; i++) {
        values[i] = 1000 + i;
        expected_header += L"," + w.label;
        expected_line += L"," + w.label + L"=" + std::to_wstring(1000 + i);
    }
    std::wstring result = std::wstring(200, L'果') + L"\r\n—— 正常";
    expected_header += L",结果\r\n";
    expected_line += L",\"" + result + L"\"\r\n";

    RecordOutcome outcome = save(&w.tool, values, result.c_str(), appdata);
    EXPECT_EQ(RECORD_SAVED, outcome.status);
    EXPECT_EQ(expected_header + expected_line, file_text(record_file(appdata, "T1234.csv")));
    // Header and line are each longer in UTF-8 than the 4095 bytes a line once had to fit.
    EXPECT_GT(file_bytes(record_file(appdata, "T1234.csv")).size(), 4095u * 2);
    fs::remove_all(appdata);
}

// The longest header and line the store builds, of the characters with the longest UTF-8 form per
// wide character, are written whole up to their piece limits.
TEST(RecordAppend, WritesTheLongestLineOfWidestCharactersWhole) {
    fs::path appdata = scratch("widest");
    const wchar_t widest = sizeof(wchar_t) == 2 ? L'渗' : (wchar_t)0x20000;
    WideTool w = { std::wstring(3000, widest), std::wstring(200, widest) };
    make_wide_tool(&w);
    double values[MAX_VALUES] = {};
    std::wstring result(RECORD_RESULT_CAP - 2, widest);
    std::wstring label_piece = L"," + w.label.substr(0, RECORD_PIECE_CAP - 2);
    std::wstring header = L"时间,工具", line = L"2026-12-07 09:30:05,";
    line += w.name.substr(0, RECORD_HEAD_CAP - 1 - line.size());
    for (int i = 0; i < MAX_VALUES; i++) {
        header += label_piece;
        line += label_piece;
    }
    header += L",结果\r\n";
    line += L"," + result + L"\r\n";
    EXPECT_EQ(RECORD_LINE_CAP - 1u, line.size());

    RecordOutcome outcome = save(&w.tool, values, result.c_str(), appdata);
    EXPECT_EQ(RECORD_SAVED, outcome.status);
    EXPECT_EQ(header + line, file_text(record_file(appdata, "T1234.csv")));
    fs::remove_all(appdata);
}

// ---- failures: nothing written, the failure reported

// Prepares one failure of the next save under appdata, or undoes it.
typedef void (*FailureStep)(const fs::path& appdata, const fs::path& file);

static void file_is_a_folder(const fs::path&, const fs::path& file) { fs::create_directories(file); }

static void appdata_is_a_file(const fs::path& appdata, const fs::path&) {
    fs::remove_all(appdata);
    FILE* f = platform_open_file(appdata.wstring().c_str(), "wb");
    fclose(f);
}

#ifndef _WIN32
// Files of this process may grow by 10 more bytes: the write stops part way, as on a full disk.
static void file_size_limited(const fs::path&, const fs::path& file) {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = (fs::exists(file) ? fs::file_size(file) : 0) + 10;
    setrlimit(RLIMIT_FSIZE, &limit);
}

static void file_size_unlimited(const fs::path&, const fs::path&) {
    struct rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_DFL);
}
#endif

TEST(RecordAppend, FailureWritesNothingAndIsReported) {
    static const struct {
        const char* label;
        bool existing;  // the record file holds one earlier save
        FailureStep setup, undo;
        RecordStatus status;
    } cases[] = {
        { "record file path is a folder", false, file_is_a_folder, nullptr, RECORD_OPEN_FAILED },
        { "records folder cannot be made", false, appdata_is_a_file, nullptr, RECORD_OPEN_FAILED },
        // A read-only file cannot be tried here: the tests run as root, natively and under Wine, and
        // root writes into it. The locked file (below) covers an open that fails on an existing file.
#ifndef _WIN32
        { "write stops part way", true, file_size_limited, file_size_unlimited, RECORD_WRITE_FAILED },
        { "write to a new file stops part way", false, file_size_limited, file_size_unlimited, RECORD_WRITE_FAILED },
#endif
    };
    double value = 5;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        fs::path appdata = scratch("failure");
        fs::path file = record_file(appdata, "T007.csv");
        if (c.existing) {
            ASSERT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
        }
        std::string before = file_bytes(file);
        c.setup(appdata, file);
        RecordOutcome outcome = save(&ONE_INPUT_TOOL, &value, L"r", appdata);
        if (c.undo) c.undo(appdata, file);

        EXPECT_EQ(c.status, outcome.status);
        EXPECT_EQ(file.wstring(), outcome.path);
        if (c.existing) {
            EXPECT_EQ(before, file_bytes(file));
        } else {
            EXPECT_FALSE(fs::is_regular_file(file));
        }
        // Once the cause is gone, the next save finds the file as it was before the failed one.
        if (c.undo) {
            ASSERT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
            std::string line = "2026-12-07 09:30:05,测试,剂量=5,r\r\n";
            EXPECT_EQ((c.existing ? before : "\xEF\xBB\xBF时间,工具,剂量,结果\r\n") + line, file_bytes(file));
        }
        fs::remove_all(appdata);
    }
}

TEST(RecordAppend, RefusesAnUnknownOrTooLongAppDataFolder) {
    double value = 5;
    EXPECT_EQ(RECORD_NO_APPDATA, record_append(&ONE_INPUT_TOOL, &value, L"r", nullptr, SAVE_TIME).status);
    RecordOutcome empty = record_append(&ONE_INPUT_TOOL, &value, L"r", L"", SAVE_TIME);
    EXPECT_EQ(RECORD_NO_APPDATA, empty.status);
    EXPECT_STREQ(L"", empty.path);
    EXPECT_FALSE(fs::exists("KavriMedSuite"));

    // 259 characters of folder fit; one more would cut "records" to "record".
    fs::path root = scratch("too_long");
    std::wstring sep(1, PATH_SEP);
    size_t room = RECORD_FOLDER_CAP - 1 - (sep + L"KavriMedSuite" + sep + L"records").size();
    std::wstring stem = root.wstring() + sep;
    std::wstring fits = stem + std::wstring(room - stem.size(), L'a');
    std::wstring too_long = fits + L"a";
    EXPECT_EQ(RECORD_PATH_TOO_LONG, record_append(&ONE_INPUT_TOOL, &value, L"r", too_long.c_str(), SAVE_TIME).status);
    EXPECT_TRUE(fs::is_empty(root));
    EXPECT_EQ(RECORD_SAVED, record_append(&ONE_INPUT_TOOL, &value, L"r", fits.c_str(), SAVE_TIME).status);
    fs::remove_all(root);
}

// ---- saves of several processes: the file's lock

static const std::string ONE_INPUT_HEADER = "\xEF\xBB\xBF时间,工具,剂量,结果\r\n";
static const std::string ONE_INPUT_LINE = "2026-12-07 09:30:05,测试,剂量=5,r\r\n";

// Another save holding the lock for the whole bounded wait: the save gives up with the failure the
// window shows for a file held by another program and writes nothing; reading the file is not
// blocked meanwhile. Once the lock is free the next save appends.
TEST(RecordAppend, LockHeldLongerThanTheWaitFailsThenAppendsAfterRelease) {
    fs::path appdata = scratch("lock_held");
    fs::path file = record_file(appdata, "T007.csv");
    double value = 5;
    ASSERT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
    LockedFile holder;
    ASSERT_EQ(LOCK_TAKEN, platform_lock_file(file.wstring().c_str(), 0, &holder));
    EXPECT_FALSE(holder.created);

    RecordOutcome held = save(&ONE_INPUT_TOOL, &value, L"r", appdata);
    std::string read_while_held = file_bytes(file);
    EXPECT_TRUE(platform_unlock_file(holder, file.wstring().c_str(), false));
    EXPECT_EQ(RECORD_OPEN_FAILED, held.status);
    EXPECT_EQ(ONE_INPUT_HEADER + ONE_INPUT_LINE, read_while_held);

    EXPECT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
    EXPECT_EQ(ONE_INPUT_HEADER + ONE_INPUT_LINE + ONE_INPUT_LINE, file_bytes(file));
    fs::remove_all(appdata);
}

// A save that made the file and could not fill it removes it again, while another save already
// waits for the lock on it: that save's line must land in the file the path names, not in a removed
// one. (On Windows the waiting save's open keeps the file; either way the path ends up holding the
// header and the line.)
TEST(RecordAppend, SaveWaitingOnAFileItsMakerRemovesLandsInThePath) {
    fs::path appdata = scratch("removed_while_waiting");
    fs::path file = record_file(appdata, "T007.csv");
    fs::create_directories(file.parent_path());
    LockedFile maker;
    ASSERT_EQ(LOCK_TAKEN, platform_lock_file(file.wstring().c_str(), 0, &maker));
    ASSERT_TRUE(maker.created);
    double value = 5;
    RecordOutcome waiting = {};
    std::thread saver([&] { waiting = save(&ONE_INPUT_TOOL, &value, L"r", appdata); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the saver opens the file and waits
    EXPECT_TRUE(platform_unlock_file(maker, file.wstring().c_str(), true));
    saver.join();

    EXPECT_EQ(RECORD_SAVED, waiting.status);
    EXPECT_EQ(ONE_INPUT_HEADER + ONE_INPUT_LINE, file_bytes(file));
    fs::remove_all(appdata);
}

#ifdef _WIN32
// A spreadsheet holding the file open without sharing: the save fails and leaves the file alone, and
// the next save after the file is released appends its line (no second byte-order mark or header).
TEST(RecordAppend, LockedFileFailsThenAppendsAfterRelease) {
    fs::path appdata = scratch("locked");
    fs::path file = record_file(appdata, "T007.csv");
    double value = 5;
    ASSERT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
    std::string before = file_bytes(file);
    HANDLE lock = CreateFileW(file.wstring().c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    RecordOutcome locked = save(&ONE_INPUT_TOOL, &value, L"r", appdata);
    CloseHandle(lock);
    EXPECT_EQ(RECORD_OPEN_FAILED, locked.status);
    EXPECT_EQ(before, file_bytes(file));

    EXPECT_EQ(RECORD_SAVED, save(&ONE_INPUT_TOOL, &value, L"r", appdata).status);
    EXPECT_EQ(before + "2026-12-07 09:30:05,测试,剂量=5,r\r\n", file_bytes(file));
    fs::remove_all(appdata);
}
#endif
