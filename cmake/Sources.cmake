# Which files form the portable core.
#
# Portable code lives in the layer folders (README, "Layout"). A file ending in _win32.cpp builds
# only for Windows and belongs to the Win32 shell, except the Windows half of a portable piece:
# X_win32.cpp beside X_posix.cpp joins the core on Windows, and X_posix.cpp joins it elsewhere.

set(PELIMOR_LAYER_FOLDERS base store metatrader net app metatrader/dialogs prefs views panel shell)

set(PELIMOR_CORE_SOURCES)
set(PELIMOR_SHELL_SOURCES)
foreach(folder IN LISTS PELIMOR_LAYER_FOLDERS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    string(REGEX REPLACE "_(win32|posix)\\.cpp$" "" piece ${file})
    if(EXISTS ${piece}_win32.cpp AND EXISTS ${piece}_posix.cpp)
      if(WIN32 AND file MATCHES "_win32\\.cpp$")
        list(APPEND PELIMOR_CORE_SOURCES ${file})
      elseif(NOT WIN32 AND file MATCHES "_posix\\.cpp$")
        list(APPEND PELIMOR_CORE_SOURCES ${file})
      endif()
    elseif(file MATCHES "_win32\\.cpp$")
      list(APPEND PELIMOR_SHELL_SOURCES ${file})
    else()
      list(APPEND PELIMOR_CORE_SOURCES ${file})
    endif()
  endforeach()
endforeach()

file(GLOB PELIMOR_FRAMEWORK_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/framework/*.cpp)
