# zarnith_copy_folder(<target> <source folder> <destination folder>): a target
# that makes the destination an exact copy of the source whenever a file in
# the source changes (skins beside the programs that read them).
function(zarnith_copy_folder target source destination)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS "${source}/*")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${destination}"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${source}" "${destination}"
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${files}
    COMMENT "Copying ${source} to ${destination}")
  add_custom_target(${target} DEPENDS "${stamp}")
endfunction()
