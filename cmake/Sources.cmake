# Which files build into which program, from the list of layers (layers.txt): each folder's
# "builds" column says where its files go.
#
#   seam       every .cpp joins the core, except the seam's halves: X_win32.cpp on Windows,
#              X_posix.cpp elsewhere
#   core       every .cpp joins the core; X_win32.cpp files build only into Pelimor.exe
#   windows    PELIMOR_FRAMEWORK_SOURCES, linked into both Windows programs
#   updater    PELIMOR_UPDATER_FOLDERS (cmake/Updater.cmake)
#   publisher  PELIMOR_PUBLISHER_FOLDERS (cmake/Publisher.cmake)
#   library    PELIMOR_LIBRARY_FOLDERS (cmake/QzeaLibrary.cmake)
#   resources  no C++ sources

file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/layers.txt layer_lines REGEX "^[0-9]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/layers.txt)
foreach(kind seam core windows resources updater publisher library)
  set(PELIMOR_${kind}_FOLDERS)
endforeach()
set(PELIMOR_LISTED_FOLDERS)
foreach(line IN LISTS layer_lines)
  if(NOT line MATCHES "^[0-9]+[ \t]+([^ \t]+)[ \t]+([^ \t]+)")
    message(FATAL_ERROR "layers.txt: cannot read the line: ${line}")
  endif()
  list(APPEND PELIMOR_${CMAKE_MATCH_2}_FOLDERS ${CMAKE_MATCH_1})
  list(APPEND PELIMOR_LISTED_FOLDERS ${CMAKE_MATCH_1})
endforeach()

# pelimor_folder_files(OUT BASE FOLDER PATTERN...): the files of BASE/FOLDER that match the
# patterns, with those of its sub-folders that are not on the list (they are on its layer and
# build as it does); a listed sub-folder's files are its own.
function(pelimor_folder_files out base folder)
  set(patterns ${ARGN})
  list(TRANSFORM patterns PREPEND ${base}/${folder}/)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${patterns})
  foreach(listed IN LISTS PELIMOR_LISTED_FOLDERS)
    string(FIND "${listed}" "${folder}/" below)
    if(NOT below EQUAL 0)
      continue()
    endif()
    set(kept)
    foreach(file IN LISTS files)
      string(FIND "${file}" "${base}/${listed}/" inside)
      if(NOT inside EQUAL 0)
        list(APPEND kept ${file})
      endif()
    endforeach()
    set(files ${kept})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The folders whose unit tests are programs of their own (tests/FOLDER/*_test.cpp).
set(PELIMOR_CORE_FOLDERS ${PELIMOR_seam_FOLDERS} ${PELIMOR_core_FOLDERS})
set(PELIMOR_UPDATER_FOLDERS ${PELIMOR_updater_FOLDERS})
set(PELIMOR_PUBLISHER_FOLDERS ${PELIMOR_publisher_FOLDERS})
set(PELIMOR_LIBRARY_FOLDERS ${PELIMOR_library_FOLDERS})

set(PELIMOR_CORE_SOURCES)
set(PELIMOR_SHELL_SOURCES)
foreach(folder IN LISTS PELIMOR_seam_FOLDERS)
  pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp)
  if(WIN32)
    list(FILTER files EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER files EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  list(APPEND PELIMOR_CORE_SOURCES ${files})
endforeach()
foreach(folder IN LISTS PELIMOR_core_FOLDERS)
  pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp)
  set(shell_files ${files})
  list(FILTER shell_files INCLUDE REGEX "_win32\\.cpp$")
  list(FILTER files EXCLUDE REGEX "_win32\\.cpp$")
  list(APPEND PELIMOR_CORE_SOURCES ${files})
  list(APPEND PELIMOR_SHELL_SOURCES ${shell_files})
endforeach()

set(PELIMOR_FRAMEWORK_SOURCES)
foreach(folder IN LISTS PELIMOR_windows_FOLDERS)
  pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp)
  list(APPEND PELIMOR_FRAMEWORK_SOURCES ${files})
endforeach()
