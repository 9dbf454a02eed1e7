# One library of plain C++ per subsystem folder of src/. Its headers are seen
# as "<folder>/name.h" only by code that links it: each library gets an
# include root of its own holding just a link to its folder, so a lower layer
# that includes a higher layer's header fails to compile, and one that calls
# it fails to link.
#
#   tarnwick_core_library(tarnwick_bus SOURCES a.cpp b.cpp DEPENDS tarnwick_texts)
function(tarnwick_core_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(root "${PROJECT_BINARY_DIR}/include_roots/${folder}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC "${root}")
  target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  tarnwick_warnings(${name})
endfunction()
