# Release traits of every tool exe (Windows build): a VERSIONINFO resource with the product version,
# the source revision and the SHA-256 of the exe's own tool definition; no symbols; the same bytes
# from two builds of one commit (no link timestamp, no build paths); user32, gdi32 and shell32
# delay-loaded. scripts/check-exe.sh checks all of it. Exports tool_exe_release(target definition).
if(NOT WIN32)
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

# One tool exe: its VERSIONINFO names the definition file and its SHA-256; reproducible bytes (no PE
# timestamp, no symbols; source and build folders are not recorded, see CMakeLists.txt); and in its
# own link list the delay-import libraries replace the import libraries, in their place after the core,
# so every reference from the program and the core binds to them before the default libraries are
# searched.
function(tool_exe_release target definition)
  file(SHA256 ${definition} MEDTOOL_TOOL_SHA256)
  get_filename_component(MEDTOOL_TOOL_FILE ${definition} NAME)
  set(MEDTOOL_EXE_NAME ${target}.exe)
  configure_file(${CMAKE_SOURCE_DIR}/res/version.rc.in ${CMAKE_BINARY_DIR}/version/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/version/${target}.rc)
  target_link_options(${target} PRIVATE -s -Wl,--no-insert-timestamp)
  get_target_property(libs ${target} LINK_LIBRARIES)
  list(TRANSFORM libs REPLACE "^(user32|gdi32|shell32)$" "${delay_dir}/lib\\1_delay.a")
  set_target_properties(${target} PROPERTIES LINK_LIBRARIES "${libs};${delay_libs};delayimp")
endfunction()
