// libFuzzer target: input_text_value, the input box reading, on arbitrary wide text of at most 127
// characters, as an edit box yields. Two bytes make one character. The reference is written apart
// from the reader: each character mapped by a table to the ASCII one it stands for, blanks trimmed,
// then a POSIX regular expression decides acceptance and strtod gives the value. A refused text must
// give NaN, an accepted one strtod's bits, and input_text_print of that value must read back as it;
// any difference aborts.
#include <math.h>
#include <regex.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "base/number_read.h"

// The ASCII form of one character, or '?' for a character no number holds.
static char ascii_form(uint16_t c) {
    static const struct { uint16_t wide; char ascii; } FULL_WIDTH[] = {
        { 0xFF10, '0' }, { 0xFF11, '1' }, { 0xFF12, '2' }, { 0xFF13, '3' }, { 0xFF14, '4' },
        { 0xFF15, '5' }, { 0xFF16, '6' }, { 0xFF17, '7' }, { 0xFF18, '8' }, { 0xFF19, '9' },
        { 0xFF0E, '.' }, { 0x3002, '.' }, { 0xFF0D, '-' }, { 0xFF0B, '+' }, { 0x3000, ' ' },
    };
    if (c >= 0x20 && c < 0x7F) return (char)c;
    if (c == '\t') return ' ';
    for (const auto& f : FULL_WIDTH)
        if (f.wide == c) return f.ascii;
    return '?';
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static regex_t decimal;
    static bool compiled = regcomp(&decimal, "^ *[-+]?([0-9]+[.]?[0-9]*|[.][0-9]+) *$", REG_EXTENDED) == 0;
    if (!compiled) abort();

    size_t n = size / 2;
    if (n > 127) return 0;
    wchar_t text[128];
    std::string ascii;
    for (size_t i = 0; i < n; i++) {
        uint16_t unit = (uint16_t)(data[2 * i] | data[2 * i + 1] << 8);
        text[i] = (wchar_t)unit;
        ascii += unit ? ascii_form(unit) : '\0';
    }
    text[n] = 0;
    ascii = ascii.c_str();  // the reader, like an edit box's text, ends at the first null

    bool accepted = regexec(&decimal, ascii.c_str(), 0, nullptr, 0) == 0;
    double got = input_text_value(text);
    if (!accepted) {
        if (!isnan(got)) {
            fprintf(stderr, "input_text_value accepts a text the grammar refuses: %.17g\n", got);
            abort();
        }
        return 0;
    }
    double want = strtod(ascii.c_str(), nullptr);
    if (memcmp(&want, &got, sizeof want) != 0) {
        fprintf(stderr, "input_text_value gives %.17g, strtod %.17g\n", got, want);
        abort();
    }
    // The text a box shows for that value reads back as it. The value of a number of at most 126
    // characters always has such a text: printed with as many decimals as it had, it is at most one
    // character longer (a leading 0); a 127-character ".000…1" may need 128, past a box.
    size_t first = ascii.find_first_not_of(' '), last = ascii.find_last_not_of(' ');
    if (last - first + 1 > INPUT_NUMBER_MAX_CHARS - 1) return 0;
    wchar_t shown[INPUT_NUMBER_MAX_CHARS + 1];
    double back = input_text_print(want, shown, INPUT_NUMBER_MAX_CHARS + 1) >= 0 ? input_text_value(shown) : NAN;
    if (memcmp(&want, &back, sizeof want) != 0) {
        fprintf(stderr, "input_text_print of %.17g reads back as %.17g\n", want, back);
        abort();
    }
    return 0;
}
