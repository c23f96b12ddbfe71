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

# A target that compiles the JSON reader that writes as it reads (src/json/Continuo.cpp), with
# RapidJSON's headers. RapidJSON 1.1.0, Debian's, adds an offset to its parser's null stack
# pointer before the stack's first allocation, which UndefinedBehaviorSanitizer's pointer-overflow
# check stops at; that one source goes without that one check, every other check kept.
function(nxl_leitor_continuo alvo)
  find_package(RapidJSON REQUIRED)
  target_sources(${alvo} PRIVATE ${PROJECT_SOURCE_DIR}/src/json/Continuo.cpp)
  target_include_directories(${alvo} SYSTEM PRIVATE ${RAPIDJSON_INCLUDE_DIRS})
  if(CMAKE_CXX_FLAGS MATCHES "undefined")
    set_source_files_properties(${PROJECT_SOURCE_DIR}/src/json/Continuo.cpp TARGET_DIRECTORY ${alvo}
      PROPERTIES COMPILE_OPTIONS -fno-sanitize=pointer-overflow)
  endif()
endfunction()
