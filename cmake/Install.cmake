# What `cmake --install` puts into the prefix, and the Debian package made
# from it (`cpack -G DEB`). Every path is relative to the prefix, so the
# same rules serve /usr/local, /usr (the package) and a staging folder.
#
#   bin/ftcalc                                the command-line host
#   <libdir>/libftcalc.so.<version>           the engine (SONAME libftcalc.so.<major>)
#   include/ftcalc/ftcalc.h                   its header
#   <libdir>/cmake/ftcalc/                    find_package(ftcalc) -> ftcalc::ftcalc
#   <libdir>/pkgconfig/ftcalc.pc              pkg-config --libs ftcalc
#   <libdir>/ftcalc/ftcalc_ext.so             the SQLite extension
#   <libdir>/ftcalc/ftcalc.py                 the Python module, beside the extension
#   <pythondir>/ftcalc.py                     a link to it where Python looks
include(CMakePackageConfigHelpers)

set(FTCALC_INSTALL_PYTHONDIR "lib/python3/dist-packages" CACHE STRING
  "Folder (relative to the prefix) where Python finds the ftcalc module")
set(FTCALC_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ftcalc)
set(FTCALC_INSTALL_EXTDIR ${CMAKE_INSTALL_LIBDIR}/ftcalc)

install(TARGETS ftcalc_engine EXPORT ftcalcTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/ftcalc/ftcalc.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ftcalc)
install(TARGETS ftcalc_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ftcalc_ext LIBRARY DESTINATION ${FTCALC_INSTALL_EXTDIR})
install(FILES ${PROJECT_SOURCE_DIR}/python/ftcalc.py DESTINATION ${FTCALC_INSTALL_EXTDIR})

# The module finds the extension beside its real path, so Python's folder
# gets a relative link to the copy beside the extension.
file(RELATIVE_PATH FTCALC_PYTHON_TO_EXT
  /prefix/${FTCALC_INSTALL_PYTHONDIR} /prefix/${FTCALC_INSTALL_EXTDIR})
install(CODE "
  set(python_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${FTCALC_INSTALL_PYTHONDIR}\")
  message(STATUS \"Installing: \${python_dir}/ftcalc.py -> ${FTCALC_PYTHON_TO_EXT}/ftcalc.py\")
  file(MAKE_DIRECTORY \"\${python_dir}\")
  file(CREATE_LINK \"${FTCALC_PYTHON_TO_EXT}/ftcalc.py\" \"\${python_dir}/ftcalc.py\" SYMBOLIC)
")

install(EXPORT ftcalcTargets NAMESPACE ftcalc:: DESTINATION ${FTCALC_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ftcalcConfig.cmake.in
  ${CMAKE_BINARY_DIR}/ftcalcConfig.cmake INSTALL_DESTINATION ${FTCALC_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ftcalcConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ftcalcConfig.cmake ${CMAKE_BINARY_DIR}/ftcalcConfigVersion.cmake
  DESTINATION ${FTCALC_INSTALL_CMAKEDIR})

file(RELATIVE_PATH FTCALC_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ftcalc.pc.in ${CMAKE_BINARY_DIR}/ftcalc.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/ftcalc.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME ftcalc)
set(CPACK_PACKAGE_CONTACT "ftcalc maintainers <ftcalc@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Calculation engine for cost-estimate project databases, with its host and SQLite extension")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Binaries stripped, as Debian ships them (the build tree keeps the symbols).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Dependencies (libsqlite3-0, libstdc++6, ...) read from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR DEB)
include(CPack)
