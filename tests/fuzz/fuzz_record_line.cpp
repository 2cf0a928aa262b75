// libFuzzer target: record_line with arbitrary labels (up to 300 characters, past a piece), tool names
// (up to 2500, past the head), values (raw bits), result texts (up to 18,000, with line breaks), clock
// fields (any int), input kinds (number, choice, check, date) and capacities (0 to RECORD_LINE_CAP).
// Checks, aborting on a breach: nothing is written past the capacity (at 0, nothing at all, and the
// return is 0); the return is the text's length; at the full capacity the line ends with CR LF (the
// capacities are chosen so the line always fits whole) and is one CSV record (RFC 4180) of exactly
// the timestamp, name, one field per input and the result; a smaller capacity gives a prefix of it.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <string>

#include "store/record_store.h"

static void fail(const char* what) {
    fprintf(stderr, "record_line: %s\n", what);
    abort();
}

static std::wstring wide_text(FuzzedDataProvider* in, size_t longest) {
    std::wstring s;
    size_t n = in->ConsumeIntegralInRange<size_t>(0, longest);
    for (size_t i = 0; i < n && in->remaining_bytes() > 0; i++) {
        // Mostly one-unit characters of the tool's scripts; now and then any unit but the terminator.
        static const wchar_t common[] = L"尿渗透压mOsm/L=,.%\r\n 0aZ\"";
        uint16_t unit = in->ConsumeIntegral<uint16_t>();
        wchar_t c = unit < 0xE000 ? common[unit % (sizeof common / sizeof common[0] - 1)] : (wchar_t)(unit & 0x7FFF);
        s += c ? c : L'0';
    }
    return s;
}

// Fields of one CSV record s[0 .. n) (its CR LF left out): quoted fields closed, with inner quotes
// doubled; other fields free of quotes, CR and LF. -1 when it is no such record.
static int csv_fields(const wchar_t* s, int n) {
    int fields = 0, i = 0;
    for (;;) {
        fields++;
        if (i < n && s[i] == L'"') {
            for (i++;; i++) {
                if (i >= n) return -1;
                if (s[i] != L'"') continue;
                if (i + 1 < n && s[i + 1] == L'"') { i++; continue; }
                i++;
                break;
            }
        } else {
            for (; i < n && s[i] != L','; i++)
                if (s[i] == L'"' || s[i] == L'\r' || s[i] == L'\n') return -1;
        }
        if (i == n) return fields;
        if (s[i] != L',') return -1;
        i++;
    }
}

static const ToolOption OPTIONS[] = { { L"男", 1 }, { L"女,\"乙\"", 2 }, { L"无", 0 } };

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int cap = in.ConsumeBool() ? RECORD_LINE_CAP : in.ConsumeIntegralInRange<int>(0, RECORD_LINE_CAP);
    int count = in.ConsumeIntegralInRange<int>(0, MAX_VALUES);
    std::wstring labels[MAX_VALUES];
    ToolInput inputs[MAX_VALUES] = {};
    double values[MAX_VALUES] = {};
    for (int i = 0; i < count; i++) {
        labels[i] = wide_text(&in, in.ConsumeBool() ? 8 : 300);
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: inputs[i] = { "k", labels[i].c_str(), L"", 0 }; break;
        case 1: inputs[i] = choice_input("k", labels[i].c_str(), OPTIONS, 1); break;
        case 2: inputs[i] = check_input("k", labels[i].c_str(), 3); break;
        default: inputs[i] = date_input("k", labels[i].c_str(), 0); break;
        }
        values[i] = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : in.ConsumeIntegralInRange<int>(-800000, 3000000);
    }
    std::wstring name = wide_text(&in, in.ConsumeBool() ? 20 : 2500);
    LocalTime now = { in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                      in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>() };
    // Up to 18,000 characters (a piece repeated), past the longest result a record keeps whole.
    int repeat = in.ConsumeIntegralInRange<int>(1, 30);
    std::wstring piece = wide_text(&in, 600), result;
    for (int i = 0; i < repeat; i++) result += piece;
    const ToolDef tool = { 1, name.c_str(), nullptr, L"", L"", nullptr, count, inputs, 0, nullptr, 0, nullptr, 0 };

    static wchar_t full[RECORD_LINE_CAP], cut[RECORD_LINE_CAP + 8];
    int full_n = record_line(&tool, values, result.c_str(), now, full, RECORD_LINE_CAP);
    if (full_n != (int)wcslen(full)) fail("return is not the length");
    if (full_n < 2 || full[full_n - 2] != L'\r' || full[full_n - 1] != L'\n') fail("full line does not end with CR LF");
    if (csv_fields(full, full_n - 2) != count + 3) fail("full line is not one CSV record of its fields");

    wmemset(cut, L'#', RECORD_LINE_CAP + 8);
    int cut_n = record_line(&tool, values, result.c_str(), now, cut, cap);
    for (int i = cap; i < RECORD_LINE_CAP + 8; i++)
        if (cut[i] != L'#') fail("wrote past the capacity");
    if (cap > 0) {
        if (cut_n != (int)wcslen(cut)) fail("return is not the length of the cut line");
        if (cut_n > full_n || wmemcmp(cut, full, (size_t)cut_n) != 0) fail("cut line is no prefix");
    } else if (cut_n != 0) {
        fail("capacity 0 returns a length");
    }
    return 0;
}
