# add_edition(<name> SOURCES <files...>)
#
# One edition of the accessory, from editions/<name>/:
#   edition_<name>  a library of the edition's table and the functions it
#                   replaces (SOURCES); the tests link it too.
#   <name>          the program: the edition's win_main.cpp, which hands its
#                   table to the shared accessory, and its resource script
#                   <name>.rc (the settings dialog, the manifest and its icon
#                   under its own id).
#   <name>_icon     the icon <name>.ico, drawn at build time by
#                   tools/edition_icon/make_icon.py for that edition.
#   <name>_demo_archive
#                   the demo character <name>.pac in <build>/demo, drawn by
#                   tools/demo_character from the edition's own character
#                   file, tools/demo_character/characters/<name>_character.cpp
#                   (empty where the build runs nothing under Wine).
# It sets <NAME>_DEMO_ARCHIVE to the archive's path and adds the name to the
# global property ACCESSORY_EDITIONS (the editions in the order they were
# added, for tests that check each one and link each edition's library), and
# edition_program_resources(<target> <name>) compiles the edition's resource
# script into another target (a test of the resources).
find_program(PYTHON3_EXECUTABLE python3 REQUIRED)

function(add_edition name)
  cmake_parse_arguments(E "" "" "SOURCES" ${ARGN})
  string(TOUPPER "${name}" upper)
  set(folder "${PROJECT_SOURCE_DIR}/editions/${name}")
  # Said here rather than by the generator's usage line in the middle of
  # the build.
  set(character "${PROJECT_SOURCE_DIR}/tools/demo_character/characters/${name}_character.cpp")
  if(NOT EXISTS "${character}")
    message(FATAL_ERROR "The ${name} edition has no demo character: write ${character}")
  endif()
  set_property(GLOBAL APPEND PROPERTY ACCESSORY_EDITIONS ${name})

  add_library(edition_${name} STATIC ${E_SOURCES})
  target_link_libraries(edition_${name} PUBLIC app)

  set(icon "${CMAKE_BINARY_DIR}/editions/${name}/${name}.ico")
  set(icon_script "${PROJECT_SOURCE_DIR}/tools/edition_icon/make_icon.py")
  add_custom_command(OUTPUT "${icon}"
    COMMAND "${PYTHON3_EXECUTABLE}" "${icon_script}" ${name} "${icon}"
    DEPENDS "${icon_script}"
    COMMENT "Drawing the ${name} icon"
    VERBATIM)
  add_custom_target(${name}_icon DEPENDS "${icon}")

  set(archive "${CMAKE_BINARY_DIR}/demo/${name}.pac")
  set(${upper}_DEMO_ARCHIVE "${archive}" CACHE INTERNAL "The ${name} demo character's archive")
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/demo")
    # Wine maps the Unix root to drive Z:.
    add_custom_command(OUTPUT "${archive}"
      COMMAND demo_character ${name} "Z:${archive}"
      DEPENDS demo_character
      COMMENT "Drawing the ${name} demo character into ${archive}"
      VERBATIM)
    add_custom_target(${name}_demo_archive ALL DEPENDS "${archive}")
  else()
    add_custom_target(${name}_demo_archive)
  endif()

  add_executable(${name} WIN32 "${folder}/win_main.cpp")
  target_link_libraries(${name} PRIVATE edition_${name})
  edition_program_resources(${name} ${name})
endfunction()

function(edition_program_resources target name)
  set(script "${PROJECT_SOURCE_DIR}/editions/${name}/${name}.rc")
  set(icon_dir "${CMAKE_BINARY_DIR}/editions/${name}")
  target_sources(${target} PRIVATE "${script}")
  # windres looks for the files that the script names in its include folders.
  target_include_directories(${target} PRIVATE
    "$<$<COMPILE_LANGUAGE:RC>:${PROJECT_SOURCE_DIR};${icon_dir}>")
  # windres reports no dependencies, so name what the script reads.
  set_source_files_properties("${script}" TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS
    "${icon_dir}/${name}.ico;${PROJECT_SOURCE_DIR}/resources/settings_dialog.rc;${PROJECT_SOURCE_DIR}/resources/accessory.manifest")
  add_dependencies(${target} ${name}_icon)
endfunction()
