// Reading numbers from text, the same in both builds: the evaluator's number operands and the input
// boxes of the calculate command. Exports number_read, input_text_value, input_text_print,
// input_char_blank, input_char_digit and INPUT_NUMBER_MAX_CHARS.
#pragma once

// Reads the number at `text` with the extent and value of strtod in the "C" locale (decimal and
// hexadecimal forms); stores the first unread character through end (== text when nothing was read).
double number_read(const char* text, const char** end);

// The value of an input box's text as the calculate command takes it: the whole text, blanks around
// it aside (space, tab, the ideographic space U+3000), must be one plain decimal number: an optional
// sign, digits with at most one decimal point (".5" and "5." are numbers), at most
// INPUT_NUMBER_MAX_CHARS characters. The full-width forms a Chinese input method types are read as
// their ASCII ones: digits U+FF10-FF19, the point U+FF0E and the ideographic full stop U+3002 (what
// the "." key gives in Chinese punctuation mode), minus U+FF0D and plus U+FF0B. Anything else returns
// NaN, which the caller refuses: letters ("6O", "60kg"), a comma ("60,5"), an exponent ("1e3": a
// clinical value never needs one, and "e" lies under the digit keys 3 and 4), "inf", "nan",
// hexadecimal, a lone sign or point, two numbers, blanks only. An accepted text's value is strtod's of
// its ASCII form, so it is always finite (at most 127 digits stay below 1e127).
double input_text_value(const wchar_t* text);

// A blank around a typed value: space, tab or the ideographic space U+3000 (a Chinese input method's).
bool input_char_blank(wchar_t c);

// The value of a typed digit, ASCII or full-width (U+FF10-FF19, as a Chinese input method types it);
// -1 for any other character.
int input_char_digit(wchar_t c);

// An edit box yields at most 127 characters; a longer number is refused rather than cut.
enum { INPUT_NUMBER_MAX_CHARS = 127 };

// The text an input box shows for a value (a default): the plain decimal with the fewest digits after
// the point that input_text_value reads back as exactly that value (600, 0.5, 1234567, 0.0000001), so
// calculating the shown text computes with the value itself; "%.6g" would show 1234567 as
// "1.23457e+06", a text that is refused and stands for another number. A value no such text of at
// most INPUT_NUMBER_MAX_CHARS characters holds (infinite, NaN, beyond 1e127 or too fine) prints with
// "%.17g", which the reader refuses rather than reading another value. Returns what wformat returns.
int input_text_print(double value, wchar_t* text, int cap);
