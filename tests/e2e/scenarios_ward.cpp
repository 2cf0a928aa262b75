// Scenarios with two real tool exes, typed into as on the ward: tool 127 (free water deficit) refuses
// a weight that is no number and reads full-width digits, shows, copies and saves nothing for an
// implausible sodium, and saves a calculation as one quoted CSV row with the population's text;
// tool 201 shows and copies the largest rota (40 nurses, 31 days) whole. Exports WARD_SCENARIOS.
#include <stdio.h>

#include "app/layout.h"
#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_SAVE = 1002, ID_COPY = 1003, ID_FIRST_INPUT = 2000, ID_RESULT = 3000 };
enum { NA, WEIGHT, GROUP };  // tool 127's inputs

static const wchar_t NAME_127[] = L"自由水缺失量（高钠血症）";
// 155 mmol/L, 60 kg, adult man: 0.6 × 60 = 36 L, 36 × (155/140 − 1) = 3.86 L.
static const wchar_t RESULT_127[] = L"总体水占体重比例：0.60\r\n总体水量：36.0 L\r\n自由水缺失量：3.9 L\r\n人群：成年男性\r\n";
static const wchar_t VERDICT_127[] = L"高钠血症：慢性者血钠降幅≤10 mmol/L/24h";

static HWND input(Session* s, int i) { return control(s, ID_FIRST_INPUT + i); }

static std::wstring verdict_line(Session* s) {
    RECT client;
    GetClientRect(s->main, &client);
    Box b = main_layout(client.bottom, client.right - CLIENT_WIDTH).verdict;
    HWND line = child_at(s, b.x + b.width / 2, b.y + b.height / 2);
    return line ? text_of(line) : L"(no verdict line)";
}

// Empties the box and types text into it character by character.
static void type_into(Session* s, int i, const wchar_t* text) {
    set_text(input(s, i), L"");
    post_char(input(s, i), text);
    settle(s);
}

// Chooses the first population (成年男性) with the down arrow, as the keyboard does in a closed list.
static void choose_adult_man(Session* s) {
    post_key(input(s, GROUP), VK_DOWN);
    settle(s);
    check_text(s, "population after the down arrow", input_state(input(s, GROUP)), L"成年男性");
}

static void calculate(Session* s) {
    click(s, ID_CALCULATE);
    settle(s);
}

static std::wstring record_path() {
    wchar_t folder[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
    return std::wstring(folder) + L"\\KavriMedSuite\\records\\T127.csv";
}

static std::string file_bytes(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return "<missing>";
    std::string bytes(65536, '\0');
    bytes.resize(fread(&bytes[0], 1, bytes.size(), f));
    fclose(f);
    return bytes;
}

// A weight that is not one number as a whole is named with its field number and label, its box gets
// the focus and the result of the calculation before stays; full-width digits for the sodium, as a
// Chinese input method types them, read as the number.
static void refused_weight_and_full_width_sodium(Session* s) {
    choose_adult_man(s);
    type_into(s, NA, L"155");
    type_into(s, WEIGHT, L"60");
    calculate(s);
    check_text(s, "result box of 155 / 60", text_of(control(s, ID_RESULT)), RESULT_127);
    static const wchar_t* const REFUSED[] = { L"6O", L"60,5", L"60kg" };  // letter O; decimal comma; unit
    for (const wchar_t* weight : REFUSED) {
        size_t before = s->failures.size();
        type_into(s, NA, L"160");  // a different result if the weight were read at all
        type_into(s, WEIGHT, weight);
        calculate(s);
        expect_message_box(s, L"输入有误", L"第 2 项“体重”请输入数字。", true);
        check(s, focused(s) == input(s, WEIGHT), "the focus is not on the weight box");
        check_text(s, "result box", text_of(control(s, ID_RESULT)), RESULT_127);
        check_text(s, "verdict line", verdict_line(s), VERDICT_127);
        if (s->failures.size() != before) s->failures.push_back("  ... with weight " + utf8(weight));
    }
    type_into(s, WEIGHT, L"60");
    type_into(s, NA, L"0");  // an implausible value in between, so the result below is a new one
    calculate(s);
    type_into(s, NA, L"１５５");
    calculate(s);
    check(s, no_message_box(s), "full-width 155 opened a message box");
    check_text(s, "result box of full-width 155", text_of(control(s, ID_RESULT)), RESULT_127);
    check_text(s, "verdict line of full-width 155", verdict_line(s), VERDICT_127);
}

// Sodium 15.5 (a point too far left): the result box says what to correct and shows no value, the
// verdict line the check; copy and save refuse in the status line, the clipboard and the records stay.
static void implausible_sodium_keeps_nothing(Session* s) {
    DeleteFileW(record_path().c_str());
    put_on_clipboard(CLIPBOARD_UNCHANGED);
    choose_adult_man(s);
    type_into(s, NA, L"15.5");
    type_into(s, WEIGHT, L"60");
    calculate(s);
    check(s, no_message_box(s), "a message box is open after calculating");
    check_text(s, "result box", text_of(control(s, ID_RESULT)),
               L"输入数值超出合理范围，未计算结果。\r\n请改正：请核对血钠：单位mmol/L，有效范围100–200\r\n");
    check_text(s, "verdict line", verdict_line(s), L"请核对血钠：单位mmol/L，有效范围100–200");
    expect_status(s, L"未得出结果：请按“计算结果”中的提示核对输入");
    expect_copy_and_save_refused(s, record_path());
    check(s, save_window_png(s, driver_paths.artifacts + L"\\ward_127_implausible.png"), "cannot save the screenshot");
}

// The record of a calculation: the header, then one line whose population is its option text and
// whose result field (result, verdict) is quoted, as it holds line breaks; the clipboard holds the
// same text after the tool's name.
static void saved_record_is_one_row(Session* s) {
    DeleteFileW(record_path().c_str());
    choose_adult_man(s);
    type_into(s, NA, L"155");
    type_into(s, WEIGHT, L"60");
    calculate(s);
    click(s, ID_COPY);
    settle(s);
    std::wstring kept = std::wstring(RESULT_127) + L"—— " + VERDICT_127;
    check_text(s, "clipboard", clipboard_text(), (std::wstring(NAME_127) + L"\r\n" + kept).c_str());
    click(s, ID_SAVE);
    expect_message_box(s, L"已保存", L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", false);
    std::string bytes = file_bytes(record_path());
    std::string head = "\xEF\xBB\xBF时间,工具,血钠,体重,人群,结果\r\n";
    std::string rest = ",自由水缺失量（高钠血症）,血钠=155,体重=60,人群=成年男性,\"" + utf8(kept) + "\"\r\n";
    check(s, bytes.size() == head.size() + 19 + rest.size() && bytes.compare(0, head.size(), head) == 0 &&
             bytes.compare(head.size() + 19, std::string::npos, rest) == 0,
          "the file is not the header and one record line: \"%s\"", bytes.c_str());
    check(s, save_window_png(s, driver_paths.artifacts + L"\\ward_127_saved.png"), "cannot save the screenshot");
}

// 40 nurses over 31 days, the largest rota: every nurse's line whole in the result box and on the
// clipboard, the last one ending on day 31, then the hint.
static void largest_rota_whole(Session* s) {
    type_into(s, 0, L"40");
    type_into(s, 1, L"31");
    calculate(s);
    check(s, no_message_box(s), "a message box is open after calculating");
    std::wstring result = text_of(control(s, ID_RESULT));
    static const wchar_t* const PARTS[] = {
        L"每日每班 13～14 人",
        L"人员：40 人；周期：31 天\r\n",
        L"护士01：\r\n  1日D 2日N 3日R ",
        L"护士40：\r\n  1日D 2日N 3日R ",
        L" 29日N 30日R 31日D \r\n\r\n提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n",
    };
    for (const wchar_t* part : PARTS)
        check(s, result.find(part) != std::wstring::npos, "the rota lacks \"%s\"", utf8(part).c_str());
    check(s, result.size() == 6413, "the rota has %d characters, not 6413", (int)result.size());
    size_t nurse_lines = 0;
    for (size_t at = 0; (at = result.find(L" 31日", at)) != std::wstring::npos; at++) nurse_lines++;
    check(s, nurse_lines == 40, "%d nurse lines reach day 31, not 40", (int)nurse_lines);
    check_text(s, "verdict line", verdict_line(s), L"已生成轮转排班表，可复制到排班本或表格");
    click(s, ID_COPY);  // a report copies its result after the tool's name, without the verdict
    settle(s);
    check_text(s, "clipboard", clipboard_text(), (L"护士三班轮转排班\r\n" + result).c_str());
    check(s, save_window_png(s, driver_paths.artifacts + L"\\ward_201_rota.png"), "cannot save the screenshot");
}

static const Scenario SCENARIOS[] = {
    { "ward 127: weight not a number refused, full-width sodium read", PROGRAM_T127, refused_weight_and_full_width_sodium },
    { "ward 127: implausible sodium shows, copies and saves nothing",  PROGRAM_T127, implausible_sodium_keeps_nothing },
    { "ward 127: a saved record is one quoted row",                     PROGRAM_T127, saved_record_is_one_row },
    { "ward 201: the rota of 40 nurses over 31 days whole",             PROGRAM_T201, largest_rota_whole },
};
const ScenarioList WARD_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };
