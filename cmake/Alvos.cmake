# What every target of this project is built with. Warnings are set per target, never globally,
# so a project that adds ours with add_subdirectory keeps its own flags.
function(nxl_avisos alvo)
  target_compile_options(${alvo} PRIVATE -Wall -Wextra -Wpedantic)
  if(NXLDADOSGC_WERROR)
    set_target_properties(${alvo} PROPERTIES COMPILE_WARNING_AS_ERROR ON)
  endif()
endfunction()

# Fails the configure step when a .cpp in `pasta` is missing from `fontes`: source lists are
# kept by hand, and a file that no list names would otherwise silently drop out of the build.
function(nxl_conferir_lista pasta)
  cmake_path(APPEND CMAKE_CURRENT_SOURCE_DIR ${pasta} "*.cpp" OUTPUT_VARIABLE padrao)
  cmake_path(NORMAL_PATH padrao)
  file(GLOB presentes RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${padrao})
  foreach(arquivo IN LISTS presentes)
    if(NOT arquivo IN_LIST ARGN)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${arquivo} is in no source list of "
                          "${CMAKE_CURRENT_LIST_FILE}: add it there")
    endif()
  endforeach()
endfunction()
