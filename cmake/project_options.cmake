# Compiler settings shared by every target of the project.
add_library(vx_options INTERFACE)
target_compile_options(vx_options INTERFACE -Wall -Wextra)
# GCC 12 at -O2/-O3 reports -Wrestrict inside <string> for "literal" + std::string&& and for
# short assigns (GCC bugs 105329 and 105651, mended in GCC 13): a false positive, so off there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(vx_options INTERFACE -Wno-restrict)
endif()
# With VX_WERROR a warning in the project's own files fails the build (scripts/test.sh turns it
# on); headers of the libraries it uses come in as system headers and are not checked. Off by
# default, so that a newer compiler's new warning never keeps anyone from building.
option(VX_WERROR "Treat warnings in the project's own files as errors" OFF)
if(VX_WERROR)
  target_compile_options(vx_options INTERFACE -Werror)
endif()
target_compile_definitions(vx_options INTERFACE QT_NO_KEYWORDS)

if(VX_SANITIZE)
  target_compile_options(vx_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vx_options INTERFACE -fsanitize=address,undefined)
endif()

# vx_library(name SOURCES ... [HEADERS ...] [DEPS ...] [PRIVATE ...]): a static library of
# one source folder. It exports only its own folder, as <folder>/<header>: a file can
# include another library's header only when its library declares that library (DEPS
# where its headers include it, PRIVATE where only its sources do). HEADERS names the
# headers without a source file where a folder holds several libraries;
# scripts/check-layers.py reads these calls and checks every include against them.
function(vx_library name)
  cmake_parse_arguments(A "" "" "SOURCES;HEADERS;DEPS;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC vx_options ${A_DEPS})
  target_link_libraries(${name} PRIVATE ${A_PRIVATE})
endfunction()

# Every test of this build names its shared memories and sockets with this tag
# (test::UniqueName), so that the check after the suite sees what this build's tests left
# and nothing of another build's tests that run at the same time.
string(MD5 vx_build_hash "${PROJECT_BINARY_DIR}")
string(SUBSTRING "${vx_build_hash}" 0 8 vx_build_hash)
set(VX_TEST_TAG "vt${vx_build_hash}" CACHE INTERNAL "")

# What a sanitizer writes when it reports (scripts/report-skips.py and
# tests/support/processes.cpp look for the same).
set(VX_SANITIZER_REPORT "ERROR: [A-Za-z]+Sanitizer;SUMMARY: [A-Za-z]+Sanitizer;: runtime error: ")

# vx_test(name LABEL unit|gui|integration SOURCES ... DEPS ...)
function(vx_test name)
  cmake_parse_arguments(A "" "LABEL;TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  if(A_LABEL STREQUAL "gui")
    set(main_lib vx_gui_test_main)
  else()
    set(main_lib vx_test_main)
  endif()
  target_link_libraries(${name} PRIVATE vx_options vx_testsupport ${A_DEPS} GTest::gtest GTest::gmock ${main_lib})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set(env "")
  if(A_LABEL STREQUAL "gui")
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  list(APPEND env "SDL_AUDIODRIVER=dummy" "VX_BUILD_DIR=${PROJECT_BINARY_DIR}" "VX_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
       "VX_TEST_TAG=${VX_TEST_TAG}")
  # A run whose tests passed but some skipped ends with 77 (support/test_outcome.h). A
  # sanitizer's report fails the test even when it comes from a program the test started and
  # whose end it does not read: those programs write to the test's own error output (ctest
  # shows a run that ended with 77 as skipped all the same: scripts/report-skips.py fails it).
  set_tests_properties(${name} PROPERTIES LABELS "${A_LABEL}" TIMEOUT ${A_TIMEOUT} ENVIRONMENT "${env}"
                       FIXTURES_REQUIRED vx_shared_memory SKIP_RETURN_CODE 77
                       FAIL_REGULAR_EXPRESSION "${VX_SANITIZER_REPORT}")
endfunction()
