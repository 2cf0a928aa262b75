// The search over the family index: matching a query against a tool's name, number and search words,
// the grouped list of matches, and the exe path beside the index. Exports index_tool_matches,
// index_search, index_tool_by_number and index_exe_path.
#include "index/index_search.h"

#include <wchar.h>

#include "base/wtext.h"

// Full-width forms and the ideographic space as their plain ASCII (width_fold); capitals as lower
// case; anything else unchanged.
static wchar_t fold(wchar_t c) {
    c = width_fold(c);
    return c >= L'A' && c <= L'Z' ? (wchar_t)(c - L'A' + L'a') : c;
}

// True when the n characters of term (already folded) occur in text, folded.
static bool name_holds(const wchar_t* text, const wchar_t* term, int n) {
    for (; *text; text++) {
        int k = 0;
        while (k < n && text[k] && fold(text[k]) == term[k]) k++;
        if (k == n) return true;
    }
    return false;
}

static bool number_starts_with(uint32_t number, const wchar_t* term, int n) {
    char digits[16];
    int len = 0;
    do { digits[len++] = (char)('0' + number % 10); number /= 10; } while (number && len < 16);
    if (n > len) return false;
    for (int k = 0; k < n; k++)
        if (term[k] != (wchar_t)digits[len - 1 - k]) return false;
    return true;
}

// True when some word of words, or some part of a word after '-' or '.', starts with the n characters
// of term.
static bool words_start_with(const char* words, const wchar_t* term, int n) {
    for (int i = 0; words[i]; i++) {
        bool starts = i == 0 || words[i - 1] == ' ' || words[i - 1] == '-' || words[i - 1] == '.';
        if (!starts || words[i] == ' ') continue;
        int k = 0;
        while (k < n && words[i + k] && (wchar_t)(unsigned char)words[i + k] == term[k]) k++;
        if (k == n) return true;
    }
    return false;
}

static bool term_matches(const IndexTool* tool, const wchar_t* term, int n) {
    return name_holds(tool->name, term, n) || number_starts_with(tool->number, term, n) ||
           words_start_with(tool->search, term, n);
}

bool index_tool_matches(const IndexTool* tool, const wchar_t* query) {
    wchar_t folded[INDEX_QUERY_CAP];
    int len = 0;
    for (; query && query[len] && len < INDEX_QUERY_CAP - 1; len++) folded[len] = fold(query[len]);
    folded[len] = 0;
    for (int i = 0; i < len;) {
        if (folded[i] == L' ') { i++; continue; }
        int n = 0;
        while (i + n < len && folded[i + n] != L' ') n++;
        if (!term_matches(tool, folded + i, n)) return false;
        i += n;
    }
    return true;
}

// True when tools[at] is the first tool of its department in tools.
static bool first_of_department(const IndexTool* tools, int at) {
    for (int j = 0; j < at; j++)
        if (wcscmp(tools[j].category, tools[at].category) == 0) return false;
    return true;
}

int index_search(const IndexTool* tools, int count, const wchar_t* query, int* found, int capacity) {
    int written = 0;
    for (int head = 0; head < count; head++) {
        if (!first_of_department(tools, head)) continue;
        for (int i = head; i < count && written < capacity; i++)
            if (wcscmp(tools[i].category, tools[head].category) == 0 && index_tool_matches(&tools[i], query))
                found[written++] = i;
    }
    return written;
}

const IndexTool* index_tool_by_number(uint32_t number) {
    for (int i = 0; i < INDEX_TOOL_COUNT; i++)
        if (INDEX_TOOLS[i].number == number) return &INDEX_TOOLS[i];
    return nullptr;
}

static bool is_plain_exe_name(const char* name) {
    int n = 0;
    for (; name[n]; n++) {
        char c = name[n];
        bool fits = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                    c == '_' || c == '.';
        if (!fits) return false;
    }
    const char* tail = name + n - 4;
    return n > 4 && name[0] != '.' && tail[0] == '.' && tail[1] == 'e' && tail[2] == 'x' && tail[3] == 'e';
}

bool index_exe_path(const wchar_t* module_path, const char* exe_name, wchar_t* path, int capacity) {
    if (capacity > 0) path[0] = 0;
    int folder = -1;  // length of the folder, its separator included
    for (int i = 0; module_path[i]; i++)
        if (module_path[i] == L'\\' || module_path[i] == L'/') folder = i + 1;
    if (folder < 0 || !is_plain_exe_name(exe_name)) return false;
    int name_len = 0;
    while (exe_name[name_len]) name_len++;
    if (folder + name_len >= capacity) return false;
    for (int i = 0; i < folder; i++) path[i] = module_path[i];
    for (int i = 0; i < name_len; i++) path[folder + i] = (wchar_t)exe_name[i];
    path[folder + name_len] = 0;
    return true;
}
