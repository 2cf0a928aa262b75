// libFuzzer target: record_line with arbitrary labels (up to 300 characters, past a piece), tool names
// (up to 2500, past the head), values (raw bits), result texts (up to 600, with line breaks), clock
// fields (any int) and capacities (0 to 4096). Checks, aborting on a breach: nothing is written past
// the capacity (at 0, nothing at all, and the return is 0); the return is the text's length; at the
// full capacity the line ends with CR LF (the capacities are chosen so the line always fits whole); a
// smaller capacity gives a prefix of it.
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
        static const wchar_t common[] = L"尿渗透压mOsm/L=,.%\r\n 0aZ";
        uint16_t unit = in->ConsumeIntegral<uint16_t>();
        wchar_t c = unit < 0xE000 ? common[unit % (sizeof common / sizeof common[0] - 1)] : (wchar_t)(unit & 0x7FFF);
        s += c ? c : L'0';
    }
    return s;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int cap = in.ConsumeBool() ? RECORD_LINE_CAP : in.ConsumeIntegralInRange<int>(0, RECORD_LINE_CAP);
    int count = in.ConsumeIntegralInRange<int>(0, MAX_VALUES);
    std::wstring labels[MAX_VALUES];
    ToolInput inputs[MAX_VALUES] = {};
    double values[MAX_VALUES] = {};
    for (int i = 0; i < count; i++) {
        labels[i] = wide_text(&in, in.ConsumeBool() ? 8 : 300);
        inputs[i] = { "k", labels[i].c_str(), L"", 0 };
        values[i] = in.ConsumeFloatingPoint<double>();
    }
    std::wstring name = wide_text(&in, in.ConsumeBool() ? 20 : 2500);
    LocalTime now = { in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                      in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>() };
    std::wstring result = wide_text(&in, 600);
    const ToolDef tool = { 1, name.c_str(), nullptr, L"", L"", nullptr, count, inputs, 0, nullptr, 0, nullptr, 0 };

    static wchar_t full[RECORD_LINE_CAP], cut[RECORD_LINE_CAP + 8];
    int full_n = record_line(&tool, values, result.c_str(), now, full, RECORD_LINE_CAP);
    if (full_n != (int)wcslen(full)) fail("return is not the length");
    if (full_n < 2 || full[full_n - 2] != L'\r' || full[full_n - 1] != L'\n') fail("full line does not end with CR LF");

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
