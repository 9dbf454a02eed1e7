# One static library per folder, each linking only the layers below it. Its
# headers are seen as "<folder>/name.h" (a console folder's as
# "console/<part>/name.h", the simulator's as "sim/name.h") only by code that
# links it: each library gets an include root of its own holding just a link
# to its folder, so code that includes a header of a library it does not link
# fails to compile, and code that calls one fails to link.
#
#   tarnwick_library(tarnwick_bus SOURCES a.cpp b.cpp DEPENDS tarnwick_texts)
# The three programs, side by side in build/bin, where each finds the
# others and the files it reads.
function(tarnwick_program name)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  tarnwick_warnings(${name})
endfunction()

function(tarnwick_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  string(REGEX REPLACE "^src/" "" folder "${folder}")
  set(root "${PROJECT_BINARY_DIR}/include_roots/${name}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC "${root}")
  target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  tarnwick_warnings(${name})
endfunction()
