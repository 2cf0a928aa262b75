# Release traits of medtool.exe (Windows build): a VERSIONINFO resource with the product version, the
# source revision and the SHA-256 of the tool definition; no symbols; the same bytes from two builds
# of one commit (no link timestamp, no build paths); user32, gdi32 and shell32 delay-loaded.
# scripts/check-exe.sh checks all of it.
if(NOT WIN32 OR NOT TARGET medtool)
  return()
endif()

set(MEDTOOL_VERSION 1.0.0)
string(REPLACE "." "," MEDTOOL_VERSION_COMMAS "${MEDTOOL_VERSION},0")

# The revision is read when CMake configures; a new commit or checkout configures again. A tree with
# changes to tracked files is marked "-modified": its exe is not that revision's.
set(MEDTOOL_REVISION unknown)
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse HEAD WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE MEDTOOL_REVISION OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND ${GIT_EXECUTABLE} status --porcelain --untracked-files=no
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE changes ERROR_QUIET)
  if(changes)
    string(APPEND MEDTOOL_REVISION "-modified")
  endif()
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD --git-path index
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE git_files
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE "\n" ";" git_files "${git_files}")
  foreach(f ${git_files})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${f})
  endforeach()
endif()

file(SHA256 ${TOOL_DEFINITION} MEDTOOL_TOOL_SHA256)
get_filename_component(MEDTOOL_TOOL_FILE ${TOOL_DEFINITION} NAME)
configure_file(${CMAKE_SOURCE_DIR}/res/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)
target_sources(medtool PRIVATE ${CMAKE_BINARY_DIR}/version.rc)

# Reproducible bytes: no PE timestamp, no symbols, source and build folders not recorded.
target_link_options(medtool PRIVATE -s -Wl,--no-insert-timestamp)
foreach(t medtool medcore tooldef crt_stdio)
  target_compile_options(${t} PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                         -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endforeach()

# Delay-loading. The self-test never calls user32, gdi32 or shell32, yet under Wine loading any of them
# at start-up costs as much as starting the process itself (measured: 8 ms on top of an empty
# program's 9 ms). Bound at their first call instead, they cost the self-test nothing, and the window
# the same as before. The delay-import libraries are made from mingw's import libraries: every name
# they export, into a .def file, through dlltool.
set(delay_dir ${CMAKE_BINARY_DIR}/delayimp)
file(MAKE_DIRECTORY ${delay_dir})
set(delay_libs)
foreach(dll user32 gdi32 shell32)
  find_library(import_lib_${dll} NAMES lib${dll}.a REQUIRED)
  execute_process(COMMAND ${CMAKE_NM} ${import_lib_${dll}} OUTPUT_VARIABLE symbols ERROR_QUIET)
  string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_@?]*" exports "${symbols}")
  list(TRANSFORM exports REPLACE "^[0-9a-f]+ T " "")
  list(REMOVE_DUPLICATES exports)
  list(SORT exports)
  list(JOIN exports "\n" export_lines)
  file(WRITE ${delay_dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${export_lines}\n")
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${delay_dir}/${dll}.def --dllname ${dll}.dll
                          --output-delaylib ${delay_dir}/lib${dll}_delay.a
                  RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "dlltool could not make the delay-import library of ${dll}")
  endif()
  list(APPEND delay_libs ${delay_dir}/lib${dll}_delay.a)
endforeach()
# In medtool's own list they replace the import libraries, in their place after the core, so every
# reference from the program and the core binds to them before the default libraries are searched.
get_target_property(medtool_libs medtool LINK_LIBRARIES)
list(TRANSFORM medtool_libs REPLACE "^(user32|gdi32|shell32)$" "${delay_dir}/lib\\1_delay.a")
set_target_properties(medtool PROPERTIES LINK_LIBRARIES "${medtool_libs};${delay_libs};delayimp")
