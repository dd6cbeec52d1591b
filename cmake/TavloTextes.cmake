# tavlo_textes(TARGET <library> SYMBOL <name> FILES <data file>...)
#
# Stores UTF-8 data files in the program: at build time tavlo-textes turns
# every line into Windows-1252, scrambles it and writes textes/<name>.h and
# .cpp, compiled into the static library <library>. The header declares
# `tavlo::textes::<name>`, a RecueilTextes (settings/textesstockes.h) in which
# each file is found by its name without directory and extension. Editing a
# data file or the tool rebuilds the library. Relative paths are taken from
# the calling folder.
#
#   tavlo_textes(TARGET tavlo_textes_messages SYMBOL messages
#                FILES ${PROJECT_SOURCE_DIR}/data/messages.txt)
#   target_link_libraries(tavlo_settings PRIVATE tavlo_textes_messages)
#
# The files are recorded in the library's TAVLO_TEXTES_FILES property, so that
# a test can compare what was stored with the files themselves.
function(tavlo_textes)
  cmake_parse_arguments(T "" "TARGET;SYMBOL" "FILES" ${ARGN})
  if(NOT T_TARGET OR NOT T_SYMBOL OR T_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tavlo_textes(TARGET <library> SYMBOL <name> FILES <file>...)")
  endif()
  set(fichiers "")
  foreach(f IN LISTS T_FILES)
    get_filename_component(f "${f}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND fichiers "${f}")
  endforeach()

  set(dossier "${CMAKE_CURRENT_BINARY_DIR}/textes_${T_SYMBOL}")
  set(entete "${dossier}/textes/${T_SYMBOL}.h")
  set(source "${dossier}/textes/${T_SYMBOL}.cpp")
  file(MAKE_DIRECTORY "${dossier}/textes")
  add_custom_command(
    OUTPUT "${entete}" "${source}"
    COMMAND tavlo-textes --symbol ${T_SYMBOL} --header "${entete}" --source "${source}" ${fichiers}
    DEPENDS tavlo-textes ${fichiers}
    COMMENT "Storing the texts of ${T_SYMBOL}"
    VERBATIM)

  add_library(${T_TARGET} STATIC "${source}" "${entete}")
  # The generated source needs only the record types of settings/textesstockes.h,
  # not the settings library itself, which links this one.
  target_include_directories(${T_TARGET} PUBLIC "${dossier}" "${PROJECT_SOURCE_DIR}/src")
  set_target_properties(${T_TARGET} PROPERTIES TAVLO_TEXTES_FILES "${fichiers}")
endfunction()
