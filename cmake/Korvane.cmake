# Build helpers shared by every module.
#
#   korvane_library(NAME SOURCES ... [DEPS ...] [WINDOWS])
#       A static library; WINDOWS marks one that only builds for Windows.
#   korvane_test(NAME SOURCES ... DEPS ...)
#       A GoogleTest executable registered with ctest. In the Windows build it
#       runs through the Wine wrapper (CMAKE_CROSSCOMPILING_EMULATOR).
#   korvane_fuzzer(NAME SOURCES ... DEPS ... [SECONDS n])
#       A libFuzzer target, run briefly by ctest in the fuzz build with a memory
#       limit of 512 MB (scripts/fuzz-soak.sh runs them for longer).
#   korvane_tool_variant(NAME PATTERN REPLACEMENT)
#       korvane.exe built with its main window's stored layout edited by a regular
#       expression: the tool as it starts with other stored values, for tests and benches.

set(KORVANE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

function(korvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12's flow-based bounds warnings misfire on inlined std::vector inserts at -O2 and
  # above (GCC bug 107138); they stay visible but do not fail the build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE
      -Wno-error=array-bounds -Wno-error=stringop-overflow -Wno-error=stringop-overread
      -Wno-error=restrict)
  endif()
endfunction()

if(KORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(KORVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(WIN32)
  # One self-contained executable per program: no runtime DLLs to ship or to find under Wine.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

macro(korvane_setup_googletest)
  if(NOT KORVANE_FUZZ)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    if(EXISTS /usr/src/googletest/CMakeLists.txt)
      add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    else()
      message(FATAL_ERROR "GoogleTest sources not found in /usr/src/googletest (package googletest)")
    endif()
  endif()
endmacro()

function(korvane_library name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;DEPS" ${ARGN})
  if(ARG_WINDOWS AND NOT WIN32)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${KORVANE_ROOT}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  korvane_warnings(${name})
endfunction()

function(korvane_test name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;DEPS" ${ARGN})
  if(KORVANE_FUZZ OR (ARG_WINDOWS AND NOT WIN32))
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${KORVANE_ROOT}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE KORVANE_TEST_DATA="${KORVANE_ROOT}/tests/data")
  korvane_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  # A test program that stops early can still exit with 0 (a window procedure ending the
  # process, say): a failure line in its output fails the test whatever the exit code.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

function(korvane_fuzzer name)
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;DEPS" ${ARGN})
  if(NOT KORVANE_FUZZ)
    return()
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 10)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(korvane_fuzzers ${name})
  korvane_warnings(${name})
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  set(dirs ${corpus})
  if(IS_DIRECTORY ${KORVANE_ROOT}/fuzz/corpus/${name})
    list(APPEND dirs ${KORVANE_ROOT}/fuzz/corpus/${name})
  endif()
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${ARG_SECONDS} -rss_limit_mb=512 -timeout=10 ${dirs})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()

function(korvane_tool_variant name pattern replacement)
  set(app_dir ${KORVANE_ROOT}/src/app)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${app_dir}/main_form.layout)
  file(READ ${app_dir}/main_form.layout layout)
  string(REGEX REPLACE "${pattern}" "${replacement}" edited "${layout}")
  if(edited STREQUAL layout)
    message(FATAL_ERROR "${name}: \"${pattern}\" is not in src/app/main_form.layout")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  file(GENERATE OUTPUT ${dir}/main_form.layout CONTENT "${edited}")
  file(GENERATE OUTPUT ${dir}/${name}.rc CONTENT
    "#include <windows.h>\n201 HZK16 \"HZK16\"\n202 ASC16 \"ASC16\"\nTMAINFORM RCDATA \"main_form.layout\"\nTFORM1 RCDATA \"pic_show.layout\"\n")
  add_executable(${name} WIN32 ${app_dir}/korvane.cpp ${dir}/${name}.rc)
  set_source_files_properties(${dir}/${name}.rc PROPERTIES OBJECT_DEPENDS
    "${dir}/main_form.layout;${app_dir}/pic_show.layout;${KORVANE_ROOT}/data/fonts/HZK16;${KORVANE_ROOT}/data/fonts/ASC16")
  target_link_libraries(${name} PRIVATE korvane_app)
  target_include_directories(${name} PRIVATE ${dir} ${KORVANE_ROOT}/data/fonts ${app_dir})
  korvane_warnings(${name})
endfunction()
