# Installation: the library with its headers, the programs, the resource
# folder, a CMake package (find_package(vexa) gives vexa::vexa), a pkg-config
# file, man pages made from the programs' --help, and a Debian package
# through CPack.  Included at the end of the top-level CMakeLists.txt, once
# every target exists.

include(CMakePackageConfigHelpers)

set(VEXA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vexa)

install(TARGETS vexa EXPORT vexaTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vexa)

install(EXPORT vexaTargets NAMESPACE vexa:: DESTINATION ${VEXA_CMAKE_DIR})
configure_package_config_file(cmake/vexaConfig.cmake.in
  ${PROJECT_BINARY_DIR}/vexaConfig.cmake INSTALL_DESTINATION ${VEXA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vexaConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vexaConfig.cmake ${PROJECT_BINARY_DIR}/vexaConfigVersion.cmake
        DESTINATION ${VEXA_CMAKE_DIR})

# pkg-config: paths relative to the file's own place, so a moved tree works.
file(RELATIVE_PATH VEXA_PC_TO_PREFIX
     "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(cmake/vexa.pc.in ${PROJECT_BINARY_DIR}/vexa.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vexa.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Man pages, generated from each program's --help and --version by help2man
# when it is installed (Debian's help2man); skipped otherwise.
find_program(VEXA_HELP2MAN help2man)
set(VEXA_MAN_NAME_vexa-cli "emulated Cisco IOS device terminal")
set(VEXA_MAN_NAME_vexa-config "Cisco IOS configuration text through the device's command tree")
set(VEXA_MAN_NAME_vexa-dr "check, translate and run design-reader scripts")
if(VEXA_HELP2MAN AND VEXA_TOOLS)
  set(pages "")
  foreach(tool IN LISTS VEXA_TOOLS)
    set(page ${PROJECT_BINARY_DIR}/man/${tool}.1)
    set(summary "${VEXA_MAN_NAME_${tool}}")
    if(NOT summary)
      set(summary "${tool}")
    endif()
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${VEXA_HELP2MAN} --no-info --no-discard-stderr --section=1
              "--name=${summary}" --output=${page} $<TARGET_FILE:${tool}>
      DEPENDS ${tool}
      COMMENT "Man page of ${tool}"
      VERBATIM)
    list(APPEND pages ${page})
  endforeach()
  add_custom_target(vexa_man ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no man pages")
endif()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME vexa)
set(CPACK_PACKAGE_VENDOR "vexa developers")
set(CPACK_PACKAGE_CONTACT "vexa developers <vexa@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Emulated Cisco IOS command line, configuration algebra and design-reader scripts")
set(CPACK_PACKAGE_DESCRIPTION
    "A C++ library and programs for the stored configurations of devices that speak the
Cisco IOS command language: an emulated device terminal, merge and fallback of
configuration text, section extraction, and design-reader scripts run with Perl.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "perl")
set(CPACK_STRIP_FILES ON)
include(CPack)
