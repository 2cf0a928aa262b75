// exp, log, log10 and pow from one implementation compiled into both builds (third_party/musl_math),
// so a formula gives the same bits natively and on Windows. The C libraries differ: mingw's own pow
// multiplies out whole exponents (10^-2 is 0.010000000000000002 there) and its log10 comes from the
// system msvcrt.dll, whatever that Windows version computes. sqrt, fmod, floor and ceil are exact in
// every C library and stay with it. Each function returns what the C standard's function of the same
// name returns, within 0.54 units in the last place; special values (zeros, infinities, NaN, negative
// bases) follow the standard too.
#pragma once

extern "C" {
double portable_exp(double x);
double portable_log(double x);
double portable_log10(double x);
double portable_pow(double x, double y);
}
