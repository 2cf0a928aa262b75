// Reading numbers from text, the same in both builds: the evaluator's number operands and the input
// boxes of the calculate command. Exports number_read and input_text_value.
#pragma once

// Reads the number at `text` with the extent and value of strtod in the "C" locale (decimal and
// hexadecimal forms); stores the first unread character through end (== text when nothing was read).
double number_read(const char* text, const char** end);

// The value of an input box's text as the calculate command takes it: leading whitespace skipped,
// the longest leading part that forms a number (decimal, hexadecimal, "inf", "infinity", "nan", with a
// sign) converted and the rest ignored; empty text, blanks only, or text that starts with no number
// give 0. Infinite and NaN results are returned as they are; the caller refuses them.
double input_text_value(const wchar_t* text);
