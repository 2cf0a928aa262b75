// Proves that tool_compute, report_build and the record store's text builders allocate nothing on the
// heap, for the built-in tool, every report kind and a record line of every input kind. Counts the allocator's calls while they run: through AddressSanitizer's
// allocation hook in the sanitized build, otherwise by wrapping the C library's malloc family.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "base/dimof.h"
#include "calc/compute.h"
#include "platform/platform.h"
#include "reports/report.h"
#include "store/record_store.h"

// The hook has no context argument, so the count lives here; only this test executable has it.
static volatile bool counting = false;
static volatile long allocations = 0;

static void note_allocation() {
    if (counting) allocations = allocations + 1;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*on_malloc)(const volatile void*, size_t),
                                                         void (*on_free)(const volatile void*));
static void on_malloc(const volatile void*, size_t) { note_allocation(); }
static void on_free(const volatile void*) {}
static void install_counter() { __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free); }
#else
// operator new in libstdc++ calls malloc, so these catch it too.
extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void* malloc(size_t size) { note_allocation(); return __libc_malloc(size); }
extern "C" void* calloc(size_t n, size_t size) { note_allocation(); return __libc_calloc(n, size); }
extern "C" void* realloc(void* p, size_t size) { note_allocation(); return __libc_realloc(p, size); }
static void install_counter() {}
#endif

// Allocations made by `run`.
template <typename Run>
static long allocations_during(Run run) {
    install_counter();
    allocations = 0;
    counting = true;
    run();
    counting = false;
    return allocations;
}

TEST(NoHeapAllocation, TheCounterSeesMallocAndNew) {
    long count = allocations_during([] {
        void* volatile block = malloc(24);
        free(block);
        int* volatile object = new int(7);
        delete object;
    });
    EXPECT_EQ(2, count);
}

// One tool carrying every report parameter, with values that take the long paths: the largest rota,
// thirty doses with minutes, twenty visits, a contraindicated pair, thirty beds, a huge dose.
static const ToolInput EVERY_PARAMETER[] = {
    { "nurses",   L"人数",     nullptr, 40 },
    { "days",     L"天数",     nullptr, 31 },
    { "start",    L"开始",     nullptr, 7.5 },
    { "interval", L"间隔",     nullptr, 8.2 },
    { "times",    L"次数",     nullptr, 30 },
    { "kind",     L"类型",     nullptr, 1 },
    { "drugA",    L"药物A",    nullptr, 2 },
    { "drugB",    L"药物B",    nullptr, 1 },
    { "gap",      L"间隔天数", nullptr, 7 },
    { "beds",     L"床位",     nullptr, 30 },
    { "bed",      L"床号",     nullptr, 12 },
    { "dose",     L"剂量",     nullptr, 1e300 },
    { "volume",   L"溶媒",     nullptr, 250 },
    { "gtt",      L"滴速",     nullptr, 40 },
    { "panel",    L"套餐",     nullptr, 2 },
};

TEST(NoHeapAllocation, ComputeAndEveryReportKind) {
    double values[MAX_VALUES] = {};
    for (int i = 0; i < dimof(EVERY_PARAMETER); i++) values[i] = EVERY_PARAMETER[i].default_value;
    ToolDef tool = *tool_get();
    tool.inputs = EVERY_PARAMETER;
    tool.input_count = dimof(EVERY_PARAMETER);

    // The C library reads the time zone once, on the first clock read of the process; that
    // allocation is its own, made once, and not part of any run.
    platform_local_time();

    const double builtin_values[MAX_VALUES] = { 600, 0 };  // a failed formula: the note path too
    long builtin = allocations_during([&] {
        wchar_t result[4096], verdict[512], copy[8192];
        int level = 0;
        tool_compute(tool_get(), builtin_values, result, dimof(result), verdict, dimof(verdict), &level,
                     copy, dimof(copy));
    });
    EXPECT_EQ(0, builtin);

    for (uint32_t kind = 0; kind <= 12; kind++) {
        tool.report_kind = kind;
        long through_compute = allocations_during([&] {
            wchar_t result[4096], verdict[512], copy[8192];
            int level = 0;
            tool_compute(&tool, values, result, dimof(result), verdict, dimof(verdict), &level, copy,
                         dimof(copy));
        });
        long direct = allocations_during([&] {
            wchar_t result[8192], verdict[512];
            report_build(kind, &tool, values, result, dimof(result), verdict, dimof(verdict));
        });
        EXPECT_EQ(0, through_compute) << "kind " << kind;
        EXPECT_EQ(0, direct) << "kind " << kind;
    }
}

// The text of a save: header and record line, with every input kind and a result that is quoted and
// cut. (The save's own file calls go to the operating system.)
TEST(NoHeapAllocation, RecordHeaderAndLine) {
    static const ToolOption SEX[] = { { L"男", 1 }, { L"女", 2 } };
    static const ToolInput inputs[] = {
        { "w", L"体重", L"kg", 60 }, choice_input("sex", L"性别", SEX, 1), check_input("chf", L"心衰", 2),
        date_input("day", L"日期", 20521),
    };
    ToolDef tool = *tool_get();
    tool.inputs = inputs;
    tool.input_count = dimof(inputs);
    const double values[] = { 60.5, 2, 2, 20521 };
    static wchar_t result[12000], header[RECORD_HEADER_CAP], line[RECORD_LINE_CAP];
    for (int i = 0; i < dimof(result) - 1; i++) result[i] = i % 50 == 0 ? L'"' : i % 50 == 1 ? L'\n' : L'果';
    long count = allocations_during([&] {
        record_header(&tool, header, dimof(header));
        record_line(&tool, values, result, LocalTime{ 2026, 3, 9, 7, 5, 3 }, line, dimof(line));
    });
    EXPECT_EQ(0, count);
}
