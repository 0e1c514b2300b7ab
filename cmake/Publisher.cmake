# pelimor-publish: the Linux program that turns calendars, news feeds, notices and signal lists
# into the data server's files. It shares the portable core's formats and encoders; its own
# sources live in publish/ and it needs libical, libxml2 and libcurl (found with pkg-config) and
# nlohmann-json (header only).
#
# The publisher works in UTF-8 and converts at its writers, so its sources keep narrow literals
# in UTF-8 (no -fexec-charset) whatever the compiler.

find_package(PkgConfig REQUIRED)
pkg_check_modules(PELIMOR_ICAL REQUIRED IMPORTED_TARGET libical)
pkg_check_modules(PELIMOR_LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(PELIMOR_CURL REQUIRED IMPORTED_TARGET libcurl)
find_package(nlohmann_json 3 REQUIRED)

function(pelimor_publisher_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PELIMOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

set(PELIMOR_PUBLISHER_SOURCES)
foreach(folder IN LISTS PELIMOR_PUBLISHER_FOLDERS)
  pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp)
  list(APPEND PELIMOR_PUBLISHER_SOURCES ${files})
endforeach()
list(FILTER PELIMOR_PUBLISHER_SOURCES EXCLUDE REGEX "/publish_main\\.cpp$")

add_library(pelimor_publisher STATIC ${PELIMOR_PUBLISHER_SOURCES})
target_link_libraries(pelimor_publisher PUBLIC pelimor_core PkgConfig::PELIMOR_ICAL
                      PkgConfig::PELIMOR_LIBXML2 PkgConfig::PELIMOR_CURL
                      nlohmann_json::nlohmann_json)
pelimor_publisher_options(pelimor_publisher)

add_executable(pelimor-publish ${CMAKE_CURRENT_SOURCE_DIR}/publish/publish_main.cpp)
target_link_libraries(pelimor-publish PRIVATE pelimor_publisher)
pelimor_publisher_options(pelimor-publish)
