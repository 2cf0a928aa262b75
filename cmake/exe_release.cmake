# Release traits of medtool.exe (Windows build): a VERSIONINFO resource with the product version, the
# source revision and the SHA-256 of the tool definition; no symbols; the same bytes from two builds
# of one commit (no link timestamp, no build paths). scripts/check-exe.sh checks all of it.
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
