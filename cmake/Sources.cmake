# Which files build into which program, from the list of layers (layers.txt): each folder's
# "builds" column says where its files go.
#
#   seam       every .cpp joins the core, except the seam's halves: X_win32.cpp on Windows,
#              X_posix.cpp elsewhere
#   core       every .cpp joins the core; X_win32.cpp files build only into Pelimor.exe
#   windows    PELIMOR_FRAMEWORK_SOURCES, linked into both Windows programs
#   updater    PELIMOR_UPDATER_FOLDERS (cmake/Updater.cmake)
#   publisher  PELIMOR_PUBLISHER_FOLDERS (cmake/Publisher.cmake)
#   resources  no C++ sources

file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/layers.txt layer_lines REGEX "^[0-9]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/layers.txt)
foreach(kind seam core windows resources updater publisher)
  set(PELIMOR_${kind}_FOLDERS)
endforeach()
foreach(line IN LISTS layer_lines)
  if(NOT line MATCHES "^[0-9]+[ \t]+([^ \t]+)[ \t]+([^ \t]+)")
    message(FATAL_ERROR "layers.txt: cannot read the line: ${line}")
  endif()
  list(APPEND PELIMOR_${CMAKE_MATCH_2}_FOLDERS ${CMAKE_MATCH_1})
endforeach()
# The folders whose unit tests are programs of their own (tests/FOLDER/*_test.cpp).
set(PELIMOR_CORE_FOLDERS ${PELIMOR_seam_FOLDERS} ${PELIMOR_core_FOLDERS})
set(PELIMOR_UPDATER_FOLDERS ${PELIMOR_updater_FOLDERS})
set(PELIMOR_PUBLISHER_FOLDERS ${PELIMOR_publisher_FOLDERS})

set(PELIMOR_CORE_SOURCES)
set(PELIMOR_SHELL_SOURCES)
foreach(folder IN LISTS PELIMOR_seam_FOLDERS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(WIN32)
    list(FILTER files EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER files EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  list(APPEND PELIMOR_CORE_SOURCES ${files})
endforeach()
foreach(folder IN LISTS PELIMOR_core_FOLDERS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  set(shell_files ${files})
  list(FILTER shell_files INCLUDE REGEX "_win32\\.cpp$")
  list(FILTER files EXCLUDE REGEX "_win32\\.cpp$")
  list(APPEND PELIMOR_CORE_SOURCES ${files})
  list(APPEND PELIMOR_SHELL_SOURCES ${shell_files})
endforeach()

set(PELIMOR_FRAMEWORK_SOURCES)
foreach(folder IN LISTS PELIMOR_windows_FOLDERS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND PELIMOR_FRAMEWORK_SOURCES ${files})
endforeach()
