# vorlan_add_setup_program(name DEFINITION file [HANDLERS sources...])
#
# Builds a setup program that carries the install definition in file as its
# RCDATA resource "TMAINFORM", with the wizard's theme bitmap, and links the
# handler sources in: each registers its functions through TSetupHandlers
# (programs/setup/setup_handlers.h) for the definition's events.

set(VORLAN_SETUP_DIR ${CMAKE_CURRENT_LIST_DIR}/../programs/setup)
cmake_path(NORMAL_PATH VORLAN_SETUP_DIR)

function(vorlan_add_setup_program name)
  cmake_parse_arguments(ARG "" "DEFINITION" "HANDLERS" ${ARGN})
  if(NOT ARG_DEFINITION)
    message(FATAL_ERROR "vorlan_add_setup_program(${name}): DEFINITION is required")
  endif()
  cmake_path(ABSOLUTE_PATH ARG_DEFINITION BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE definition)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.rc)
  file(WRITE ${rc}.in
    "TMAINFORM RCDATA \"${definition}\"\nINSTALLTHEME1 BITMAP \"${VORLAN_SETUP_DIR}/install_theme.bmp\"\n")
  configure_file(${rc}.in ${rc} COPYONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${definition};${VORLAN_SETUP_DIR}/install_theme.bmp")
  vorlan_add_program(${name} WINDOWS SHIPPED
    SOURCES ${VORLAN_SETUP_DIR}/setup_main.cpp ${VORLAN_SETUP_DIR}/setup_handlers.cpp ${rc} ${ARG_HANDLERS}
    DEPENDS vorlan_engine vorlan_links)
  target_include_directories(${name} PRIVATE ${VORLAN_SETUP_DIR})
  # The program travels inside setup.1: without its debug information it is
  # a quarter of the size.
  target_link_options(${name} PRIVATE -s)
endfunction()
