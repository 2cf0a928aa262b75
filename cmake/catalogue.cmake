# The tool catalogue: every tools/NNN_slug.cpp is one tool. Each becomes
#  - an object library tooldef_NNN (the definition as written, defining tool_get), from which the
#    Windows build links one exe per tool (cmake/exe_release.cmake): medtool.exe for tool 115,
#    medtool-NNN-slug.exe for the others;
#  - an entry of the static library `catalogue` (both builds), where the definition is compiled
#    through a wrapper that renames its tool_get to catalogue_tool_NNN, so that every tool links into
#    one program: the tests, the identity corpus and the tools list generator. The entry carries the
#    tool's golden vectors (tools/NNN_slug.vec) as text.
file(GLOB CATALOGUE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/[0-9]*.cpp)
list(SORT CATALOGUE_SOURCES)
set(CATALOGUE_NUMBERS)
set(catalogue_dir ${CMAKE_BINARY_DIR}/catalogue)
file(MAKE_DIRECTORY ${catalogue_dir})
set(wrappers)
set(declarations "")
set(entries "")
foreach(src ${CATALOGUE_SOURCES})
  get_filename_component(stem ${src} NAME_WE)
  if(NOT stem MATCHES "^([0-9][0-9][0-9])_([a-z0-9_]+)$")
    message(FATAL_ERROR "tools/${stem}.cpp: a tool file is named NNN_slug.cpp (three digits, lower-case slug)")
  endif()
  set(number ${CMAKE_MATCH_1})
  string(REPLACE "_" "-" slug ${CMAKE_MATCH_2})
  if(number STREQUAL "115")
    set(exe medtool)
  else()
    set(exe medtool-${number}-${slug})
  endif()
  list(APPEND CATALOGUE_NUMBERS ${number})
  set(CATALOGUE_EXE_${number} ${exe})
  set(CATALOGUE_SOURCE_${number} ${src})

  if(WIN32)
    add_library(tooldef_${number} OBJECT ${src})
  endif()

  set(wrapper ${catalogue_dir}/tool_${number}.cpp)
  file(WRITE ${wrapper}.new "// Generated: tool ${number} with its tool_get renamed for the catalogue.\n#define tool_get catalogue_tool_${number}\n#include \"tools/${stem}.cpp\"\n")
  configure_file(${wrapper}.new ${wrapper} COPYONLY)
  list(APPEND wrappers ${wrapper})

  set(vectors "")
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${stem}.vec)
    file(READ ${CMAKE_SOURCE_DIR}/tools/${stem}.vec vectors)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/${stem}.vec)
  endif()
  string(APPEND declarations "const ToolDef* catalogue_tool_${number}();\n")
  string(APPEND entries "    { ${number}, \"${stem}\", \"${exe}.exe\", catalogue_tool_${number},\n      R\"VECTORS(${vectors})VECTORS\" },\n")
endforeach()
# Written through a copy that only replaces the file when its text changed, so an unchanged catalogue
# compiles nothing again. Plain writes: a vector text is never expanded by CMake.
file(WRITE ${catalogue_dir}/catalogue_list.cpp.new
"// Generated from the files in tools/ when CMake configures: one entry per tool, in number order.
#include \"tools/catalogue.h\"

${declarations}
const CatalogueTool CATALOGUE[] = {
${entries}};
const int CATALOGUE_COUNT = (int)(sizeof CATALOGUE / sizeof CATALOGUE[0]);
")
configure_file(${catalogue_dir}/catalogue_list.cpp.new ${catalogue_dir}/catalogue_list.cpp COPYONLY)
add_library(catalogue STATIC ${wrappers} ${catalogue_dir}/catalogue_list.cpp)
target_link_libraries(catalogue PUBLIC medcore)
