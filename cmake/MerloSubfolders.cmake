# merlo_add_subfolders(): adds every folder beside the calling CMakeLists.txt that has a CMakeLists.txt of
# its own, in name order. Tests, benchmarks and fuzz targets each keep one folder per suite this way.
function(merlo_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
