# Helpers that keep the per-folder CMake files short.

set(VEXA_OBJECT_LIBRARIES "")

# vexa_object_library(NAME DIR [EXCLUDE_REGEX REGEX])
# An object library of every .cpp below DIR.  A folder without sources yet
# gets no target, so subsystems can arrive one at a time.
function(vexa_object_library name dir)
  cmake_parse_arguments(ARG "" "EXCLUDE_REGEX" "" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  if(ARG_EXCLUDE_REGEX)
    list(FILTER srcs EXCLUDE REGEX "${ARG_EXCLUDE_REGEX}")
  endif()
  if(NOT srcs)
    return()
  endif()
  add_library(${name} OBJECT ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/include
                                     PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE vexa_warnings)
  # The objects end up in one shared library that nothing is meant to
  # interpose: let the compiler inline and call its own functions directly.
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${name} PRIVATE -fno-semantic-interposition)
  endif()
  if(name STREQUAL "vexa_console")
    target_link_libraries(${name} PUBLIC PkgConfig::LOG4CPP)
  endif()
  set(VEXA_OBJECT_LIBRARIES ${VEXA_OBJECT_LIBRARIES} ${name} PARENT_SCOPE)
endfunction()

# vexa_link_parts(TARGET PART...): link the object libraries that exist.
function(vexa_link_parts target)
  foreach(part IN LISTS ARGN)
    if(TARGET ${part})
      target_link_libraries(${target} PRIVATE ${part})
    endif()
  endforeach()
endfunction()
