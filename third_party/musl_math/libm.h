/* The part of musl's internal libm.h (src/internal/libm.h) that exp.c, log.c and pow.c use, with the
 * names of the shared symbols prefixed "portable_" so they never meet the C library's own. */
#ifndef PORTABLE_LIBM_H
#define PORTABLE_LIBM_H

#include <stdint.h>
#include <math.h>

/* The tables and code paths without fused multiply-add are the ones both builds must run. */
#if defined(__FP_FAST_FMA) && __FP_FAST_FMA
#error "build without FMA code generation: the native and the Windows build must compute alike"
#endif

#define hidden

/* Support non-nearest rounding mode.  */
#define WANT_ROUNDING 1
#define issignaling_inline(x) 0
#define TOINT_INTRINSICS 0

#ifdef __GNUC__
#define predict_true(x) __builtin_expect(!!(x), 1)
#define predict_false(x) __builtin_expect(x, 0)
#else
#define predict_true(x) (x)
#define predict_false(x) (x)
#endif

static inline double eval_as_double(double x)
{
	double y = x;
	return y;
}

static inline double fp_barrier(double x)
{
	volatile double y = x;
	return y;
}

static inline void fp_force_eval(double x)
{
	volatile double y;
	y = x;
	(void)y;
}

#define asuint64(f) ((union{double _f; uint64_t _i;}){f})._i
#define asdouble(i) ((union{uint64_t _i; double _f;}){i})._f

/* error handling functions (math_error.c) */
hidden double portable_math_xflow(uint32_t, double);
hidden double portable_math_uflow(uint32_t);
hidden double portable_math_oflow(uint32_t);
hidden double portable_math_divzero(uint32_t);
hidden double portable_math_invalid(double);

#endif
