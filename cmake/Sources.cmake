# Which files form the portable core.
#
# Portable code lives in the subsystem folders. A file ending in _win32.cpp builds only for
# Windows and belongs to the Win32 shell, except the OS seam (app/os*_win32.cpp), whose Windows
# half joins the core on Windows and whose POSIX half (app/os*_posix.cpp) joins it elsewhere.

set(PELIMOR_SUBSYSTEMS app panel net store views prefs metatrader)

set(PELIMOR_CORE_SOURCES)
set(PELIMOR_SHELL_SOURCES)
foreach(folder IN LISTS PELIMOR_SUBSYSTEMS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    if(name MATCHES "^os.*_win32\\.cpp$")
      if(WIN32)
        list(APPEND PELIMOR_CORE_SOURCES ${file})
      endif()
    elseif(name MATCHES "^os.*_posix\\.cpp$")
      if(NOT WIN32)
        list(APPEND PELIMOR_CORE_SOURCES ${file})
      endif()
    elseif(name MATCHES "_win32\\.cpp$")
      list(APPEND PELIMOR_SHELL_SOURCES ${file})
    else()
      list(APPEND PELIMOR_CORE_SOURCES ${file})
    endif()
  endforeach()
endforeach()

file(GLOB PELIMOR_FRAMEWORK_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/framework/*.cpp)
