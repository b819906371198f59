# `cmake --install` lays out bin/ (DLLs and the mingw runtime), lib/ (import libraries),
# include/ (afx, duvazi and zaduv headers) and lib/cmake/ZaDUV for find_package(ZaDUV CONFIG).
include(CMakePackageConfigHelpers)

install(TARGETS afx duvazi zaduv zaduv_defs EXPORT ZaDUVTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${ZADUV_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY platform/afx/include/ platform/duvazi/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY zaduv/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zaduv FILES_MATCHING PATTERN "*.h")
install(EXPORT ZaDUVTargets NAMESPACE ZaDUV:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZaDUV)

configure_package_config_file(cmake/ZaDUVConfig.cmake.in ${CMAKE_BINARY_DIR}/ZaDUVConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZaDUV)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZaDUVConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ZaDUVConfig.cmake ${CMAKE_BINARY_DIR}/ZaDUVConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZaDUV)
