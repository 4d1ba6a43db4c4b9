# The engine library to link against (target `libcef`) and the staging of its
# runtime files beside a program.
#
# 64-bit: the runtime's own libcef.dll is linked directly.
# 32-bit: no runtime exists here, so an import library is made from the list
# of exported C functions in engine/libcef.def.

set(ENGINE_RUNTIME_FILES
  libcef.dll libEGL.dll libGLESv2.dll d3dcompiler_43.dll d3dcompiler_47.dll
  cef.pak cef_100_percent.pak cef_200_percent.pak cef_extensions.pak devtools_resources.pak
  icudtl.dat natives_blob.bin snapshot_blob.bin)

add_library(libcef INTERFACE)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  if(NOT EXISTS "${ENGINE_RUNTIME_DIR}/libcef.dll")
    message(FATAL_ERROR "No engine runtime in ${ENGINE_RUNTIME_DIR}: run scripts/setup first")
  endif()
  target_link_libraries(libcef INTERFACE "${ENGINE_RUNTIME_DIR}/libcef.dll")
else()
  set(_engine_def "${CMAKE_SOURCE_DIR}/engine/libcef.def")
  set(_engine_implib "${CMAKE_BINARY_DIR}/libcef.dll.a")
  add_custom_command(OUTPUT "${_engine_implib}"
    COMMAND ${CMAKE_DLLTOOL} --input-def "${_engine_def}" --dllname libcef.dll --output-lib "${_engine_implib}"
    DEPENDS "${_engine_def}"
    COMMENT "Making the 32-bit import library of libcef.dll")
  add_custom_target(libcef_implib DEPENDS "${_engine_implib}")
  target_link_libraries(libcef INTERFACE "${_engine_implib}")
  add_dependencies(libcef libcef_implib)
endif()

# zarnith_stage_engine(<target> <folder> COPY|LINK): before <target> is used,
# puts the engine runtime into <folder>: copies for the folder a user gets,
# symbolic links for test folders. Does nothing in the 32-bit build.
function(zarnith_stage_engine target folder mode)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    return()
  endif()
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}")
  foreach(f IN LISTS ENGINE_RUNTIME_FILES)
    if(mode STREQUAL "COPY")
      list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different "${ENGINE_RUNTIME_DIR}/${f}" "${folder}/${f}")
    else()
      list(APPEND commands COMMAND ${CMAKE_COMMAND} -E create_symlink "${ENGINE_RUNTIME_DIR}/${f}" "${folder}/${f}")
    endif()
  endforeach()
  if(mode STREQUAL "COPY")
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_directory "${ENGINE_RUNTIME_DIR}/locales" "${folder}/locales")
  else()
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E create_symlink "${ENGINE_RUNTIME_DIR}/locales" "${folder}/locales")
  endif()
  string(MAKE_C_IDENTIFIER "stage_engine_${folder}" stage)
  if(NOT TARGET ${stage})
    set(stamp "${folder}/.engine-staged")
    add_custom_command(OUTPUT "${stamp}"
      COMMAND ${CMAKE_COMMAND} -E rm -rf "${folder}/locales"
      ${commands}
      COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
      DEPENDS "${ENGINE_RUNTIME_DIR}/.complete"
      COMMENT "Staging the engine runtime in ${folder}" VERBATIM)
    add_custom_target(${stage} DEPENDS "${stamp}")
  endif()
  add_dependencies(${target} ${stage})
endfunction()
