// The inputs of one calculation, taken all or none. Exports input_values_read.
#include "engine/input_values.h"

#include <math.h>

#include "base/number_read.h"

int input_values_read(const ToolDef* tool, const wchar_t* const* texts, double* values) {
    double candidate[MAX_VALUES];
    for (int i = 0; i < tool->input_count; i++) {
        candidate[i] = input_text_value(texts[i]);
        if (!isfinite(candidate[i])) return i;
    }
    for (int i = 0; i < tool->input_count; i++) values[i] = candidate[i];
    return -1;
}
