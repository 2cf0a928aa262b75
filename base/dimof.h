// Number of elements of an array. Exports dimof.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Refuses pointers, unlike sizeof arithmetic.
template <typename T, size_t N>
constexpr int32_t dimof(const T (&)[N]) { return (int32_t)N; }
