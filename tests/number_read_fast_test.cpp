// number_read against the C library's strtod, which defines its extent and value: a table of forms on
// both sides of the short decimal reading (digit counts, 2^53, the powers 10^22 and 10^23, exponents,
// hexadecimal, points) and a seeded sweep of generated decimal texts. Value compared bit for bit.
#include <gtest/gtest.h>

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>

#include "base/number_read.h"

static uint64_t bits_of(double v) {
    uint64_t b;
    memcpy(&b, &v, sizeof b);
    return b;
}

// Expects number_read to stop where strtod stops and to return the same bits.
static void expect_same_as_strtod(const char* text) {
    char* strtod_end = nullptr;
    double expected = strtod(text, &strtod_end);
    const char* end = nullptr;
    double got = number_read(text, &end);
    EXPECT_EQ(strtod_end - text, end - text) << "extent of \"" << text << "\"";
    EXPECT_EQ(bits_of(expected), bits_of(got)) << "value of \"" << text << "\": " << expected
                                               << " vs " << got;
}

TEST(NumberReadFast, AgreesWithStrtodOnEveryForm) {
    static const char* const cases[] = {
        // plain digits, leading zeros, the point on either side
        "0", "7", "00", "007", "5.", ".5", "0.5", "00.0500", ".", "..5", "5..", ".e3", "0.", "000.000",
        // digit counts around the 19 the fast reading takes, and around 2^53 = 9007199254740992
        "1234567890123456789", "12345678901234567890", "9999999999999999999", "99999999999999999999",
        "9007199254740992", "9007199254740993", "9007199254740991", "18014398509481985",
        "0.1234567890123456789", "0.00000000000000000001234567890123456789", "123456789.0123456789",
        "1000000000000000000000", "10000000000000000000000", "100000000000000000000000",
        // fractions that round, ties included
        "0.1", "0.2", "0.3", "2.0689655172413794", "1.5", "3.14159265358979323846", "0.7",
        "1.00000000000000011102230246251565404236316680908203125", "9007199254740993.0",
        // exponents: the exact powers end at 22; forms with no digits after e stay unread
        "1e22", "1e23", "1e-22", "1e-23", "9e22", "9e-22", "123e20", "123e-25", "1.5e22",
        "1e", "1E", "1e+", "1e-", "1e+5", "1E-5", "1e05", "1e+0", "5.e3", ".5e1", "1ee5", "1e5.5",
        "1e308", "1e309", "1.7976931348623157e308", "1.7976931348623159e308", "4.9e-324", "2e-324",
        "1e-400", "1e400", "0e400", "0e-400", "0e999999999999", "1e999999999999", "1e-999999999999",
        "0.000e5", "0000000000000000000000000000001", "1.000000000000000000000000000000",
        // hexadecimal and what follows a number
        "0x10", "0X1f", "0x", "0x.", "0x.8p1", "0x1p3", "0x1p", "0x1.8p-2", "0xg", "00x1", "0x1e3",
        "12abc", "1_2", "3 4", "2^3", "1,5", "1.2.3", "7%", "6)", "8e+x",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        expect_same_as_strtod(text);
    }
}

// Random decimal texts shaped like what the fast reading handles and just beyond it: up to 24 integer
// and fraction digits, leading and trailing zeros, exponents up to 3 digits, stray characters after.
TEST(NumberReadFast, AgreesWithStrtodOnGeneratedDecimals) {
    std::mt19937_64 rng(20240607);
    auto pick = [&](int n) { return (int)(rng() % (uint64_t)n); };
    static const char tails[] = "eE.+-x)0 ";
    std::string text;
    for (int round = 0; round < 200000; round++) {
        text.clear();
        int int_digits = pick(4) == 0 ? pick(25) : pick(8);
        if (pick(4) == 0) text.append((size_t)pick(6), '0');
        for (int i = 0; i < int_digits; i++) text += (char)('0' + pick(10));
        if (pick(2)) {
            text += '.';
            int frac_digits = pick(4) == 0 ? pick(25) : pick(8);
            for (int i = 0; i < frac_digits; i++) text += (char)('0' + pick(10));
            if (pick(4) == 0) text.append((size_t)pick(6), '0');
        }
        if (text.empty() || pick(5) == 0) text += '0';
        if (pick(2)) {
            text += pick(2) ? 'e' : 'E';
            int sign = pick(3);
            if (sign == 1) text += '-';
            if (sign == 2) text += '+';
            int exp_digits = pick(5);
            for (int i = 0; i < exp_digits; i++) text += (char)('0' + pick(10));
        }
        if (pick(3) == 0) text += tails[pick((int)sizeof tails - 1)];
        SCOPED_TRACE(text);
        expect_same_as_strtod(text.c_str());
        if (HasFailure()) return;
    }
}
