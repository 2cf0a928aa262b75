// Bounded wide-text writing into caller-owned buffers, and the width folding of typed text. Exports
// wformat, vwformat, text_copy, text_append, text_length, width_fold.
// Capacities count wide characters including the terminator; a capacity above 0 always leaves the
// buffer terminated; nothing is allocated.
#pragma once
#include <stdarg.h>

// Formats a printf-style wide format ("%ls" for wide strings) into text. Writes at most cap - 1
// characters and a terminator. Returns the number of characters written, or -1 when the output had
// to be cut or formatting failed (then text holds what fitted).
int wformat(wchar_t* text, int cap, const wchar_t* format, ...);

// As wformat, with the arguments already collected by the caller's own variadic function.
int vwformat(wchar_t* text, int cap, const wchar_t* format, va_list args);

// Copies at most cap - 1 characters of src (null counts as empty). Returns the characters copied.
int text_copy(wchar_t* text, int cap, const wchar_t* src);

// Appends as much of src as keeps text within cap - 1 characters; nothing when it is already that
// long. Returns the characters appended.
int text_append(wchar_t* text, int cap, const wchar_t* src);

// Length of a wide text; null counts as empty.
int text_length(const wchar_t* text);

// The plain ASCII character a full-width form stands for (U+FF01 to U+FF5E, what a Chinese input
// method types in full-width mode), a space for the ideographic space U+3000; any other character
// unchanged.
wchar_t width_fold(wchar_t c);
