# Install rules and the two ways other projects find the library: a CMake package
# (find_package(NXLDadosGC) gives NXLDadosGC::NXLDadosGC, and NXLDadosGC::Json with
# COMPONENTS Json) and a pkg-config file per library (NXLDadosGC, NXLDadosGCJson).
# Both stay valid when the installed tree is moved, e.g. by `cmake --install --prefix`.
include(CMakePackageConfigHelpers)

set(NXL_DESTINO_CMAKE ${CMAKE_INSTALL_LIBDIR}/cmake/NXLDadosGC)

set(NXL_BIBLIOTECAS NXLPlataforma NXLDadosGC)
if(TARGET NXLDadosGCJson)
  list(APPEND NXL_BIBLIOTECAS NXLDadosGCJson)
endif()
install(TARGETS ${NXL_BIBLIOTECAS}
  EXPORT NXLDadosGCTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The command-line tool goes with the library; it is not part of the CMake package.
if(TARGET nxgc)
  install(TARGETS nxgc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The whole tree: headers may include .def/.inc tables beside them. Versao.h is generated. The
# JSON header goes only with its library.
if(TARGET NXLDadosGCJson)
  set(NXL_SEM_JSON)
else()
  set(NXL_SEM_JSON PATTERN json EXCLUDE)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/NXLDadosGC
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} ${NXL_SEM_JSON})
install(FILES ${PROJECT_BINARY_DIR}/include/NXLDadosGC/Versao.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NXLDadosGC)
# Documentation in share/doc/NXLDadosGC: the README, the changelog, docs/ and the examples'
# sources with their CMakeLists.txt, which also builds them against the installed library.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

install(EXPORT NXLDadosGCTargets
  NAMESPACE NXLDadosGC::
  DESTINATION ${NXL_DESTINO_CMAKE})

# Same major version, same record layouts: a consumer asking for 1.x accepts any 1.y >= x.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NXLDadosGCConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NXLDadosGCConfig.cmake.in
  ${PROJECT_BINARY_DIR}/instalacao/NXLDadosGCConfig.cmake
  INSTALL_DESTINATION ${NXL_DESTINO_CMAKE})
install(FILES
  ${PROJECT_BINARY_DIR}/instalacao/NXLDadosGCConfig.cmake
  ${PROJECT_BINARY_DIR}/NXLDadosGCConfigVersion.cmake
  DESTINATION ${NXL_DESTINO_CMAKE})

# The build tree is a package too: -DNXLDadosGC_DIR=<build dir> uses it without installing.
export(EXPORT NXLDadosGCTargets
  NAMESPACE NXLDadosGC::
  FILE ${PROJECT_BINARY_DIR}/NXLDadosGCTargets.cmake)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NXLDadosGCConfig.cmake.in
  ${PROJECT_BINARY_DIR}/NXLDadosGCConfig.cmake
  INSTALL_DESTINATION ${PROJECT_BINARY_DIR}
  INSTALL_PREFIX ${PROJECT_BINARY_DIR})

# pkg-config: prefix is found from the .pc file's own place, so the file is right wherever the
# tree was installed.
file(RELATIVE_PATH NXL_PC_PARA_PREFIXO
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" NXL_PC_PARA_PREFIXO "${NXL_PC_PARA_PREFIXO}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  message(FATAL_ERROR "NXLDadosGC: the pkg-config file needs relative CMAKE_INSTALL_LIBDIR "
                      "and CMAKE_INSTALL_INCLUDEDIR")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/NXLDadosGC.pc.in
  ${PROJECT_BINARY_DIR}/NXLDadosGC.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/NXLDadosGC.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(TARGET NXLDadosGCJson)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/NXLDadosGCJson.pc.in
    ${PROJECT_BINARY_DIR}/NXLDadosGCJson.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/NXLDadosGCJson.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
