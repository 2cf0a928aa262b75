// Reading numbers from text, the same in both builds: the evaluator's number operands and the input
// boxes of the calculate command. Exports number_read, input_text_value and INPUT_NUMBER_MAX_CHARS.
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

// An edit box yields at most 127 characters; a longer number is refused rather than cut.
enum { INPUT_NUMBER_MAX_CHARS = 127 };
