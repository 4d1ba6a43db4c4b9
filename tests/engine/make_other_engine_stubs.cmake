# Writes the stand-in engine library's other functions: one for every engine
# function engine/libcef.def lists, except those other_engine_libcef.cpp
# defines (DEFINED). Each one ends the program when called.
# Run as: cmake -DDEF=<libcef.def> -DDEFINED=<names> -DOUTPUT=<file.cpp> -P make_other_engine_stubs.cmake
cmake_minimum_required(VERSION 3.20)

file(STRINGS "${DEF}" functions REGEX "^cef_")
foreach(f IN LISTS DEFINED)
  if(NOT f IN_LIST functions)
    message(FATAL_ERROR "libcef.def no longer lists ${f}, which the stand-in engine library defines")
  endif()
endforeach()
list(REMOVE_ITEM functions ${DEFINED})

set(text "// Written by make_other_engine_stubs.cmake from engine/libcef.def.\n#include \"other_engine_libcef.h\"\n\n")
foreach(f IN LISTS functions)
  string(APPEND text "extern \"C\" __declspec(dllexport) void ${f}()\n{\n    otherengine::CalledUnexpectedly(\"${f}\");\n}\n\n")
endforeach()
file(WRITE "${OUTPUT}" "${text}")
