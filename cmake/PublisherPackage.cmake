# The Debian package of pelimor-publish: `cmake --build build/native --target package` makes
# pelimor-publish_VERSION_ARCH.deb (CPack's DEB generator) with the program, its configuration,
# the systemd service and timer and the operator's documentation. Only the publisher has
# install rules in this build, so the package holds nothing else.

set(PELIMOR_PACKAGE_FILES ${CMAKE_CURRENT_SOURCE_DIR}/publish/package)

install(TARGETS pelimor-publish RUNTIME DESTINATION usr/bin)
install(FILES ${PELIMOR_PACKAGE_FILES}/publish.conf DESTINATION etc/pelimor)
install(FILES ${PELIMOR_PACKAGE_FILES}/pelimor-publish.service
              ${PELIMOR_PACKAGE_FILES}/pelimor-publish.timer
        DESTINATION lib/systemd/system)
install(FILES ${PELIMOR_PACKAGE_FILES}/README ${PELIMOR_PACKAGE_FILES}/nginx-pelimor.conf
        DESTINATION usr/share/doc/pelimor-publish)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE PELIMOR_DEB_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT PELIMOR_DEB_ARCHITECTURE)
  set(PELIMOR_DEB_ARCHITECTURE amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelimor-publish)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Publishes economic calendars, news and notices as the Pelimor panels' data server files")
set(CPACK_PACKAGE_CONTACT "Pelimor <dev@pelimor.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${PELIMOR_DEB_ARCHITECTURE})
set(CPACK_DEBIAN_FILE_NAME "pelimor-publish_${PROJECT_VERSION}_${PELIMOR_DEB_ARCHITECTURE}.deb")
# The libraries the program links (libical, libxml2, libcurl, OpenSSL's libcrypto) and adduser
# for the package's system user.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libical3, libxml2, libcurl4, libssl3, tzdata, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PELIMOR_PACKAGE_FILES}/conffiles ${PELIMOR_PACKAGE_FILES}/postinst
    ${PELIMOR_PACKAGE_FILES}/prerm ${PELIMOR_PACKAGE_FILES}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The program without its debug information (the build keeps it).
set(CPACK_STRIP_FILES TRUE)
include(CPack)
