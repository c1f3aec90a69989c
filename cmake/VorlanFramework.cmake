# The framework directory of the Windows build tree: the loading program,
# the uninstaller (once its target exists) and the marker file that
# FindFrameworkDirectory looks for, in ${CMAKE_BINARY_DIR}/framework.
#
#   VORLAN_FRAMEWORK_DIR       the directory in the build tree
#   VORLAN_FRAMEWORK_DIR_WINE  the same directory as Wine's programs see it
#                              (drive Z: is the root of the file system)
#   vorlan_use_framework(target [TESTS test...])
#       builds the framework before target, gives it the define
#       VORLAN_FRAMEWORK_DIR (the Wine path), and lets the named tests run
#       one at a time, as they share the registry value that registers it.

set(VORLAN_FRAMEWORK_DIR ${CMAKE_BINARY_DIR}/framework)
string(REPLACE "/" "\\" VORLAN_FRAMEWORK_DIR_WINE "Z:${VORLAN_FRAMEWORK_DIR}")

function(vorlan_use_framework target)
  cmake_parse_arguments(ARG "" "" "TESTS" ${ARGN})
  add_dependencies(${target} framework)
  string(REPLACE "\\" "\\\\" escaped "${VORLAN_FRAMEWORK_DIR_WINE}")
  target_compile_definitions(${target} PUBLIC "VORLAN_FRAMEWORK_DIR=\"${escaped}\"")
  if(ARG_TESTS)
    set_tests_properties(${ARG_TESTS} PROPERTIES RESOURCE_LOCK vorlan_framework_registration)
  endif()
endfunction()

# Runs when the whole tree is read, so every program target is known.
function(vorlan_assemble_framework)
  set(programs loader)
  if(TARGET uninstall)
    list(APPEND programs uninstall)
  endif()
  set(marker ${VORLAN_FRAMEWORK_DIR}/Q32V52.TXT)
  file(CONFIGURE OUTPUT ${marker} CONTENT "Vorlan Setup framework directory\n")
  set(outputs)
  foreach(program IN LISTS programs)
    get_target_property(name ${program} OUTPUT_NAME)
    if(NOT name)
      set(name ${program})
    endif()
    set(output ${VORLAN_FRAMEWORK_DIR}/${name}${CMAKE_EXECUTABLE_SUFFIX})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${program}> ${output}
      DEPENDS ${program} VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(framework ALL DEPENDS ${outputs})
endfunction()

if(WIN32)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL vorlan_assemble_framework)
endif()
