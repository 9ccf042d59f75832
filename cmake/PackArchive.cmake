# pack_archive(<target> OUTPUT <file.pac> FROM_DIR <folder> [ZLC3])
#
# Packs every file below FROM_DIR into the archive OUTPUT at build time with
# the project's own packer (tools/pack_archive), which runs under Wine. Entry
# names are the paths below FROM_DIR with '\' between their parts. With ZLC3
# each entry is stored as a ZLC3 block, or plain where the codec cannot pack
# it. <target> is built by default; depend on it to have the archive first.
#
# In a build that runs nothing under Wine (no emulator) <target> is made but
# packs nothing.
function(pack_archive target)
  cmake_parse_arguments(P "ZLC3" "OUTPUT;FROM_DIR" "" ${ARGN})
  if(NOT P_OUTPUT OR NOT P_FROM_DIR)
    message(FATAL_ERROR "pack_archive(${target}) needs OUTPUT and FROM_DIR")
  endif()
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    add_custom_target(${target})
    return()
  endif()
  get_filename_component(output "${P_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  get_filename_component(folder "${P_FROM_DIR}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS "${folder}/*")
  set(mode "")
  if(P_ZLC3)
    set(mode --zlc3)
  endif()
  # Wine maps the Unix root to drive Z:.
  add_custom_command(OUTPUT "${output}"
    COMMAND pack_archive ${mode} "Z:${output}" "Z:${folder}"
    DEPENDS pack_archive ${inputs}
    COMMENT "Packing ${output}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS "${output}")
endfunction()
