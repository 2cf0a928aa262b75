// Tests of the seam's UTF-8 conversions: both sides (POSIX decoder, Windows converter) accept the same
// texts and refuse the same invalid byte sequences.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "platform/platform.h"

// The wide text of one code point; a surrogate pair where wchar_t is 16 bits.
static std::wstring code_point(uint32_t c) {
    if (sizeof(wchar_t) == 2 && c > 0xFFFF)
        return { (wchar_t)(0xD800 + ((c - 0x10000) >> 10)), (wchar_t)(0xDC00 + ((c - 0x10000) & 0x3FF)) };
    return std::wstring(1, (wchar_t)c);
}

TEST(PlatformUtf8, ValidTextsDecodeAndEncodeBack) {
    static const struct { const char* bytes; uint32_t code; } table[] = {
        { "A",                  0x41 },
        { "\x7F",               0x7F },
        { "\xC2\x80",           0x80 },
        { "\xDF\xBF",           0x7FF },
        { "\xE0\xA0\x80",       0x800 },
        { "\xE6\xB5\x93",       0x6D53 },  // 浓
        { "\xED\x9F\xBF",       0xD7FF },
        { "\xEE\x80\x80",       0xE000 },
        { "\xEF\xBF\xBF",       0xFFFF },
        { "\xF0\x90\x80\x80",   0x10000 },
        { "\xF4\x8F\xBF\xBF",   0x10FFFF },
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.code);
        wchar_t wide[8];
        std::wstring want = code_point(c.code);
        ASSERT_EQ((int)want.size() + 1, platform_wide_from_utf8(c.bytes, wide, 8));
        EXPECT_EQ(want, std::wstring(wide));
        char back[8];
        ASSERT_EQ((int)strlen(c.bytes) + 1, platform_utf8_from_wide(wide, back, 8));
        EXPECT_STREQ(c.bytes, back);
    }
}

TEST(PlatformUtf8, InvalidSequencesAreRefused) {
    static const char* const table[] = {
        "\x80",                  // continuation byte without a lead
        "\xC0\x80",              // overlong NUL
        "\xC1\xBF",              // overlong 0x7F
        "\xE0\x81\x81",          // overlong 'A'
        "\xE0\x9F\xBF",          // overlong 0x7FF
        "\xF0\x8F\xBF\xBF",      // overlong 0xFFFF
        "\xED\xA0\x80",          // a UTF-16 surrogate
        "\xED\xBF\xBF",          // the last surrogate
        "\xF4\x90\x80\x80",      // beyond U+10FFFF
        "\xF5\x80\x80\x80",      // lead byte that no valid text holds
        "\xF8\x80\x80",
        "\xFF\x80\x80",
        "\xE6\xB5",              // cut: the terminator comes where a continuation byte should
        "ab\xE6z",               // a lead byte followed by ASCII
    };
    for (const char* bytes : table) {
        SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
        wchar_t wide[8];
        EXPECT_EQ(0, platform_wide_from_utf8(bytes, wide, 8));
    }
}
