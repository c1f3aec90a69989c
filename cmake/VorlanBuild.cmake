# Shared build rules: warnings, sanitizers, Windows manifests, tests under Wine.

set(VORLAN_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run)
set(VORLAN_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(VORLAN_MANIFEST_RC ${CMAKE_BINARY_DIR}/manifest.rc)
file(WRITE ${VORLAN_MANIFEST_RC} "1 24 \"${CMAKE_CURRENT_LIST_DIR}/vorlan.manifest\"\n")

add_library(vorlan_options INTERFACE)
target_compile_options(vorlan_options INTERFACE -Wall -Wextra -Werror)
if(WIN32)
  # 8-bit ANSI strings and the A functions throughout.
  target_compile_definitions(vorlan_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
endif()
# Off only for a native benchmark build, whose timings the sanitizers would distort.
option(VORLAN_SANITIZERS "Build the host tree with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(VORLAN_HOST AND VORLAN_SANITIZERS)
  set(VORLAN_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_compile_options(${VORLAN_SANITIZE})
  add_link_options(${VORLAN_SANITIZE})
endif()

# A library of one subsystem: every .cpp of the folder.
function(vorlan_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;SYSTEM_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_SYSTEM_LIBS} PRIVATE vorlan_options)
endfunction()

# Every Windows program declares support for current Windows, so the system
# reports its true version instead of a compatibility answer.
function(vorlan_add_manifest target)
  if(WIN32)
    target_sources(${target} PRIVATE ${VORLAN_MANIFEST_RC})
  endif()
endfunction()

# A program that travels to a user's machine starts on every Windows the
# setup serves, 95 and NT 4 the oldest: it links the compatibility object
# (src/compat, or the variant that COMPAT names), and its header asks for
# no system newer than 4.0 rather than what the linker would choose.
# tests/compat checks what each such program imports.
function(vorlan_shipped_program target)
  cmake_parse_arguments(ARG "" "COMPAT" "" ${ARGN})
  if(NOT ARG_COMPAT)
    set(ARG_COMPAT vorlan_compat)
  endif()
  target_link_libraries(${target} PRIVATE ${ARG_COMPAT})
  target_link_options(${target} PRIVATE
    -Wl,--major-os-version,4,--minor-os-version,0,--major-subsystem-version,4,--minor-subsystem-version,0)
endfunction()

# SHIPPED: the program travels to a user's machine (vorlan_shipped_program).
function(vorlan_add_program name)
  cmake_parse_arguments(ARG "WINDOWS;SHIPPED" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} vorlan_options)
  vorlan_add_manifest(${name})
  if(WIN32 AND ARG_WINDOWS)
    target_link_options(${name} PRIVATE -mwindows)
  endif()
  if(WIN32 AND ARG_SHIPPED)
    vorlan_shipped_program(${name})
  endif()
endfunction()

# Wine is started once for the whole test run and stopped at its end.
if(WIN32)
  add_test(NAME wine.start COMMAND ${VORLAN_WINE_RUN} start ${VORLAN_WINE_STATE})
  add_test(NAME wine.stop COMMAND ${VORLAN_WINE_RUN} stop ${VORLAN_WINE_STATE})
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# Registers a test program with ctest: natively on the host, under Wine for
# Windows. WINVERS runs it once more for each Windows that Wine poses as.
function(vorlan_add_test_command name target)
  cmake_parse_arguments(ARG "" "WINVER;TIMEOUT" "ARGS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(WIN32)
    set(winver)
    if(ARG_WINVER)
      set(winver --winver ${ARG_WINVER})
    endif()
    add_test(NAME ${name} COMMAND ${VORLAN_WINE_RUN} exec ${VORLAN_WINE_STATE} ${winver}
             -- $<TARGET_FILE:${target}> ${ARG_ARGS})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
  else()
    add_test(NAME ${name} COMMAND ${target} ${ARG_ARGS})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

function(vorlan_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPENDS;WINVERS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock vorlan_test_main
                        vorlan_options)
  vorlan_add_manifest(${name})
  vorlan_add_test_command(${name} ${name} TIMEOUT ${ARG_TIMEOUT})
  foreach(v IN LISTS ARG_WINVERS)
    vorlan_add_test_command(${name}.${v} ${name} WINVER ${v} TIMEOUT ${ARG_TIMEOUT})
  endforeach()
endfunction()
