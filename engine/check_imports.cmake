# Fails the build when engine/libcef.def does not list exactly the engine
# functions the layer's library calls (the 32-bit import library is made from it).
# Run as: cmake -DNM=<nm> -DLIBRARY=<libengine.a> -DDEF=<libcef.def> -P check_imports.cmake
execute_process(COMMAND "${NM}" -u "${LIBRARY}" OUTPUT_VARIABLE undefined RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[ \n_]cef_[a-z0-9_]+\n" called "${undefined}\n")
list(TRANSFORM called STRIP)
list(TRANSFORM called REPLACE "^_" "")
list(REMOVE_DUPLICATES called)
list(SORT called)

file(STRINGS "${DEF}" listed REGEX "^cef_")
list(SORT listed)

if(NOT called STREQUAL listed)
  set(missing ${called})
  list(REMOVE_ITEM missing ${listed})
  set(extra ${listed})
  list(REMOVE_ITEM extra ${called})
  message(FATAL_ERROR "libcef.def is out of step with the layer: missing [${missing}], not called [${extra}]")
endif()
