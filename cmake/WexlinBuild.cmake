# Build conventions shared by every component: warnings, the three kinds of test, IDL compilation.
#
# Three configurations use this tree:
#   native  (g++, WEXLIN_SANITIZE=ON): portable code and its unit tests under ASan/UBSan;
#   fuzz    (clang, WEXLIN_FUZZ=ON):   libFuzzer targets for the file and text parsers;
#   windows (MinGW-w64 i686, WIN32):   the deliverables and the tests that run under Wine.

include_guard(GLOBAL)

function(wexlin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

if(WIN32)
  # Windows code is Unicode throughout; everything is linked statically so that
  # no MinGW runtime DLL has to travel with the program.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(WEXLIN_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${WEXLIN_BIN_DIR})
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${WEXLIN_BIN_DIR})
  set(WEXLIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  find_program(WEXLIN_WIDL NAMES i686-w64-mingw32-widl x86_64-w64-mingw32-widl widl REQUIRED)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(WEXLIN_WIDL_ARCH -m64)
    set(WEXLIN_WINE_TYPELIBS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
    set(WEXLIN_WINE_LOADER /usr/lib/wine/wine64)
  else()
    set(WEXLIN_WIDL_ARCH -m32)
    set(WEXLIN_WINE_TYPELIBS /usr/lib/i386-linux-gnu/wine/i386-windows)
    set(WEXLIN_WINE_LOADER /usr/lib/wine/wine)
  endif()
  set(WEXLIN_WINE_ENVIRONMENT "WINEPREFIX=${WEXLIN_WINEPREFIX};WINELOADER=${WEXLIN_WINE_LOADER};WINEDEBUG=-all")
  # GoogleTest for the Windows-side tests, from Debian's sources.
  if(NOT TARGET gtest)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
elseif(WEXLIN_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
else()
  find_package(GTest REQUIRED)
  if(WEXLIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# A native unit test (GoogleTest) of portable code.
function(wexlin_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
  if(WIN32 OR WEXLIN_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} GTest::gtest GTest::gtest_main GTest::gmock)
  wexlin_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS native)
endfunction()

# A libFuzzer target; ctest runs it for WEXLIN_FUZZ_SECONDS on its seed corpus (if any).
# SEEDS names a wexlin_fuzz_seeds generator that CORPUS comes from.
function(wexlin_fuzzer name)
  cmake_parse_arguments(T "" "CORPUS;SEEDS" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT WEXLIN_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  wexlin_warnings(${name})
  if(T_SEEDS)
    add_dependencies(${name} ${T_SEEDS}_corpus)  # the corpus comes from wexlin_fuzz_seeds
  endif()
  set(corpus_args)
  if(T_CORPUS)
    set(work ${CMAKE_BINARY_DIR}/corpus/${name})
    file(MAKE_DIRECTORY ${work})
    set(corpus_args ${work} ${T_CORPUS})
  endif()
  if(NOT DEFINED WEXLIN_FUZZ_SECONDS)
    set(WEXLIN_FUZZ_SECONDS 30)
  endif()
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${WEXLIN_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=1024
            -malloc_limit_mb=512 -print_final_stats=0 ${corpus_args})
  math(EXPR limit "${WEXLIN_FUZZ_SECONDS} + 120")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit} LABELS fuzz)
endfunction()

# A seed corpus for fuzzers, written at build time by a small program from readable texts:
# builds SOURCES into NAME, runs it with the corpus folder, and makes the target NAME_corpus.
# The folder is returned in NAME_DIR.
function(wexlin_fuzz_seeds name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT WEXLIN_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=address,undefined)
  wexlin_warnings(${name})
  set(seeds ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.stamp)  # outside the corpus, which must hold inputs only
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${name} ${seeds}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${name} VERBATIM)
  add_custom_target(${name}_corpus ALL DEPENDS ${stamp})
  set(${name}_DIR ${seeds} PARENT_SCOPE)
endfunction()

# A Windows-side test (GoogleTest) that runs under Wine in the build folder's own prefix.
function(wexlin_windows_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gtest gmock)
  wexlin_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS wine
    FIXTURES_REQUIRED wineprefix
    ENVIRONMENT "${WEXLIN_WINE_ENVIRONMENT}")
endfunction()

# Compiles an IDL file with widl into a header, the interface ids and a type library.
# Creates an INTERFACE target NAME that exposes the generated header and ids;
# the .tlb path is stored in the variable NAME_TLB for a resource script to embed.
function(wexlin_idl name idl)
  get_filename_component(base ${idl} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/idl)
  file(MAKE_DIRECTORY ${out})
  set(idl_path ${CMAKE_CURRENT_SOURCE_DIR}/${idl})
  set(flags ${WEXLIN_WIDL_ARCH} -I ${CMAKE_CURRENT_SOURCE_DIR} -L ${WEXLIN_WINE_TYPELIBS})
  add_custom_command(
    OUTPUT ${out}/${base}.h
    COMMAND ${WEXLIN_WIDL} ${flags} -h -o ${out}/${base}.h ${idl_path}
    DEPENDS ${idl_path} VERBATIM)
  add_custom_command(
    OUTPUT ${out}/${base}_i.c
    COMMAND ${WEXLIN_WIDL} ${flags} -u -o ${out}/${base}_i.c ${idl_path}
    DEPENDS ${idl_path} VERBATIM)
  add_custom_command(
    OUTPUT ${out}/${base}.tlb
    COMMAND ${WEXLIN_WIDL} ${flags} -t -o ${out}/${base}.tlb ${idl_path}
    DEPENDS ${idl_path} VERBATIM)
  add_custom_target(${name}_generated DEPENDS ${out}/${base}.h ${out}/${base}_i.c ${out}/${base}.tlb)
  add_library(${name} STATIC ${out}/${base}_i.c)
  add_dependencies(${name} ${name}_generated)
  target_include_directories(${name} PUBLIC ${out})
  set(${name}_TLB ${out}/${base}.tlb PARENT_SCOPE)
  set(${name}_DIR ${out} PARENT_SCOPE)
endfunction()
