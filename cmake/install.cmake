# `cmake --install build --prefix P`: the static libraries in P/lib (always
# lib: vok.pc finds the prefix from its own place), every header under
# P/include/vok/ (the platform's in P/include/vok/platform/), the pkg-config
# file P/lib/pkgconfig/vok.pc, the CMake package P/lib/cmake/vok (target
# vok::vok), the programs in P/bin and their manual pages in P/share/man/man1.
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/vok/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vok FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vok/platform
        FILES_MATCHING PATTERN "*.h")

install(TARGETS vok vokplatform EXPORT vokTargets ARCHIVE DESTINATION lib)
set(VOK_CMAKE_DIR lib/cmake/vok)
install(EXPORT vokTargets NAMESPACE vok:: DESTINATION ${VOK_CMAKE_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/vokConfig.cmake.in ${PROJECT_BINARY_DIR}/vokConfig.cmake @ONLY)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vokConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vokConfig.cmake ${PROJECT_BINARY_DIR}/vokConfigVersion.cmake
        DESTINATION ${VOK_CMAKE_DIR})

# pkg-config: the system libraries are private, so `pkg-config --static
# --libs vok` links; the prefix follows the file, wherever it is installed.
set(VOK_PC_REQUIRES "freetype2 fontconfig libpng")
set(VOK_PC_CFLAGS "")
set(VOK_PC_LIBS_PRIVATE "-pthread -ldl -lm")  # dl: the window display and the print service are loaded on demand
if(VOK_SDL)
  string(APPEND VOK_PC_CFLAGS " -DVOK_HAVE_SDL=1")
endif()
if(VOK_CUPS)
  string(APPEND VOK_PC_CFLAGS " -DVOK_HAVE_CUPS=1")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/vok.pc.in ${PROJECT_BINARY_DIR}/vok.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vok.pc DESTINATION lib/pkgconfig)

file(GLOB VOK_MAN_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.1)
install(FILES ${VOK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
