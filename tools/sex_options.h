// The sex of a patient as a choice, coded as GB/T 2261.1—2003 codes it (男 1, 女 2), for every tool
// whose result depends on sex. Exports SEX_OPTIONS.
#pragma once
#include "engine/tool_def.h"

static constexpr ToolOption SEX_OPTIONS[] = {
    { L"男", 1 },
    { L"女", 2 },
};
