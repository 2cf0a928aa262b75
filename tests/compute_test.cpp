// Tests of tool_compute on the built-in tool and on generic tools.
#include <gtest/gtest.h>

#include "engine/compute.h"

TEST(ComputeBuiltin, DefaultsGiveNormalConcentration) {
    const ToolDef* tool = tool_get();
    double inputs[MAX_VALUES] = { 600, 290 };
    wchar_t result[4096], verdict[512], copy[8192];
    int level = -1;
    int r = tool_compute(tool, inputs, result, 4096, verdict, 512, &level, copy, 8192);
    EXPECT_EQ(0, r);
    EXPECT_EQ(0, level);
    EXPECT_STREQ(L"尿/血比值：2.07\r\n", result);
    EXPECT_STREQ(L"浓缩功能大致正常", verdict);
    EXPECT_STREQ(result, copy);
}
