/* musl src/math/__math_xflow.c, __math_oflow.c, __math_uflow.c, __math_invalid.c and
 * __math_divzero.c in one file, names prefixed "portable_". */
#include "libm.h"

double portable_math_xflow(uint32_t sign, double y)
{
	return eval_as_double(fp_barrier(sign ? -y : y) * y);
}

double portable_math_oflow(uint32_t sign)
{
	return portable_math_xflow(sign, 0x1p769);
}

double portable_math_uflow(uint32_t sign)
{
	return portable_math_xflow(sign, 0x1p-767);
}

double portable_math_invalid(double x)
{
	return (x - x) / (x - x);
}

double portable_math_divzero(uint32_t sign)
{
	return fp_barrier(sign ? -1.0 : 1.0) / 0.0;
}
