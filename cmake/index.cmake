# The family index (index/): the slim table of every tool in the catalogue, generated here from the
# same files as the catalogue (cmake/catalogue.cmake, included before this file), the portable search
# over it (library medindex, both builds) and, in the Windows build, medtool-index.exe.
#
# The table takes from each definition only its number, name, department, purpose and search words.
# Each tools/NNN_slug.cpp is included into a namespace of its own, inside an unnamed one, so that its
# definition record, its lists and its tool_get are internal, read at compile time and never emitted:
# linking every full definition would make the index several times larger than a tool. The includes
# of the tool files come first, outside any namespace.
set(index_dir ${CMAKE_BINARY_DIR}/index)
file(MAKE_DIRECTORY ${index_dir})
set(index_includes "#include \"base/dimof.h\"\n#include \"engine/tool_check.h\"\n#include \"index/index_search.h\"\n")
set(index_namespaces "")
set(index_rows "")
foreach(number ${CATALOGUE_NUMBERS})
  set(src ${CATALOGUE_SOURCE_${number}})
  get_filename_component(stem ${src} NAME_WE)
  file(STRINGS ${src} tool_includes REGEX "^[ \t]*#[ \t]*include[ \t]")
  foreach(line ${tool_includes})
    string(STRIP "${line}" line)
    string(FIND "${index_includes}" "${line}\n" seen)
    if(seen EQUAL -1)
      string(APPEND index_includes "${line}\n")
    endif()
  endforeach()
  string(APPEND index_namespaces "namespace index_tool_${number} { namespace {\n#include \"tools/${stem}.cpp\"\n} }\n"
                                 "static_assert(index_tool_${number}::tool.id == ${number}, \"tools/${stem}.cpp: its id is not its number\");\n")
  set(t index_tool_${number}::tool)
  string(APPEND index_rows "    { ${number}, \"${CATALOGUE_EXE_${number}}.exe\", ${t}.name, ${t}.category, "
                           "${t}.purpose ? ${t}.purpose : L\"\", ${t}.search },\n")
endforeach()
file(WRITE ${index_dir}/index_table.cpp.new
"// Generated from the files in tools/ when CMake configures (cmake/index.cmake): the index's row of
// every tool, in number order.
${index_includes}
#pragma GCC diagnostic ignored \"-Wunused-function\"  // each definition's tool_get, never called here

${index_namespaces}
const IndexTool INDEX_TOOLS[] = {
${index_rows}};
const int INDEX_TOOL_COUNT = dimof(INDEX_TOOLS);
")
configure_file(${index_dir}/index_table.cpp.new ${index_dir}/index_table.cpp COPYONLY)
set(INDEX_TABLE ${index_dir}/index_table.cpp)

add_library(medindex STATIC index/index_search.cpp ${INDEX_TABLE})
target_link_libraries(medindex PUBLIC medcore)  # width_fold (base/wtext)

if(WIN32)
  # The index window; the icon of the tools; VERSIONINFO whose definition hash is the table's, so the
  # exe can be traced to the catalogue it lists.
  add_executable(medtool-index WIN32 index/index_main.cpp index/index_window.cpp index/index_paint.cpp
                 app/draw.cpp
                 ${CMAKE_SOURCE_DIR}/res/medtool.rc)
  target_link_options(medtool-index PRIVATE -municode)
  target_link_libraries(medtool-index PRIVATE crt_stdio medindex medcore user32 gdi32 shell32)
  tool_exe_release(medtool-index ${INDEX_TABLE})
endif()
