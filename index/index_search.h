// The family index's view of the catalogue and the search over it: a slim record per tool (what the
// list shows and what a query is matched against), the query match, and the path of a tool's exe
// beside the index. Exports IndexTool, INDEX_TOOLS, INDEX_TOOL_COUNT, INDEX_QUERY_CAP, index_search,
// index_tool_matches, index_tool_by_number and index_exe_path. Portable: no Windows header.
#pragma once
#include <stdint.h>

struct IndexTool {
    uint32_t       number;    // the tool number
    const char*    exe_name;  // "medtool.exe" for 115, else "medtool-NNN-slug.exe": a plain file name
    const wchar_t* name;      // the definition's name
    const wchar_t* category;  // its department
    const wchar_t* purpose;   // never null; "" when the definition has none
    const char*    search;    // its search words: lower-case ASCII words separated by spaces
};

// Every tool of this build in number order, generated from tools/ by cmake/index.cmake.
extern const IndexTool INDEX_TOOLS[];
extern const int INDEX_TOOL_COUNT;

enum { INDEX_QUERY_CAP = 64 };  // a query is read up to 63 characters

// True when every space-separated term of query matches the tool: a term matches when it is part of
// the name, the start of the number ("12" matches 121 to 129), or the start of a search word or of a
// part of one after '-' or '.' ("tz" matches "tzzs", "epi" matches "ckd-epi"). Case and full-width
// letters and digits are folded to plain lower-case ASCII first. A query of nothing but spaces matches
// every tool.
bool index_tool_matches(const IndexTool* tool, const wchar_t* query);

// Writes into found the positions in tools of the tools that query matches, grouped by department:
// departments in the order of their first tool in tools, within one department in the order of tools.
// Writes at most capacity positions; returns the number written.
int index_search(const IndexTool* tools, int count, const wchar_t* query, int* found, int capacity);

// The tool of INDEX_TOOLS with this number; null when there is none.
const IndexTool* index_tool_by_number(uint32_t number);

// Writes into path the folder of module_path (everything up to its last '\' or '/', which is kept)
// followed by exe_name, terminated. Returns false, with path empty when capacity > 0, when
// module_path names no folder, when exe_name is not a plain file name (letters, digits, '-', '_' and
// '.', not starting with '.', ending in ".exe"), or when the result does not fit capacity (wide
// characters including the terminator). The index opens nothing but what this writes.
bool index_exe_path(const wchar_t* module_path, const char* exe_name, wchar_t* path, int capacity);
