# qzea.dll, the expert advisors' library. MetaTrader 4 is a 32-bit program, so the Windows build
# builds the library in a sub-build of its own with the i686 toolchain (cmake/qzea/); natively its
# portable files form pelimor_ea for the unit tests.

set(PELIMOR_LIBRARY_SOURCES)
foreach(folder IN LISTS PELIMOR_LIBRARY_FOLDERS)
  pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp)
  list(FILTER files EXCLUDE REGEX "_win32\\.cpp$")
  list(APPEND PELIMOR_LIBRARY_SOURCES ${files})
endforeach()

if(PELIMOR_TESTS)
  add_library(pelimor_ea STATIC ${PELIMOR_LIBRARY_SOURCES})
  target_link_libraries(pelimor_ea PUBLIC pelimor_core)
  pelimor_target_options(pelimor_ea)
endif()

if(PELIMOR_WIN32_PROGRAM)
  include(ExternalProject)
  set(PELIMOR_QZEA_BUILD ${CMAKE_BINARY_DIR}/qzea)
  set(PELIMOR_QZEA_DLL ${PELIMOR_QZEA_BUILD}/qzea.dll)
  ExternalProject_Add(qzea
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/cmake/qzea
    BINARY_DIR ${PELIMOR_QZEA_BUILD}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
               -DCMAKE_BUILD_TYPE=Release -DPELIMOR_SOURCE_ROOT=${CMAKE_CURRENT_SOURCE_DIR}
               -DPELIMOR_WERROR=${PELIMOR_WERROR} -DPELIMOR_E2E_PROBE=${PELIMOR_E2E_PROBE}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${PELIMOR_QZEA_DLL})
endif()
