# The expert-advisor files shipped beside Pelimor.exe (installed by Win32Program.cmake) and the
# reference digests built into the program from exactly those files.
#
# qzea.dll is the real library where the Windows build builds it (cmake/QzeaLibrary.cmake), else
# the development placeholder of resources/program/. The compiled .ex4 files come from MetaEditor,
# outside this build: PELIMOR_EA_BINARIES names their folder; left empty, the placeholders of
# resources/program/ (tools/make_ea_files.py) stand in for them.

set(PELIMOR_EA_BINARIES "" CACHE PATH
    "Folder with the compiled QZEA.ex4, QZEA_TT.ex4 and QZGI.ex4 to ship (empty: placeholders)")
set(ea_placeholders ${CMAKE_CURRENT_SOURCE_DIR}/resources/program)
set(ex4_folder ${ea_placeholders})
if(PELIMOR_EA_BINARIES)
  set(ex4_folder ${PELIMOR_EA_BINARIES})
endif()
set(ea_library ${ea_placeholders}/qzea.dll)
set(ea_library_target)
if(PELIMOR_QZEA_DLL)
  set(ea_library ${PELIMOR_QZEA_DLL})
  set(ea_library_target qzea)
endif()
set(PELIMOR_SHIPPED_EA_FILES ${ea_library} ${ex4_folder}/QZEA.ex4 ${ex4_folder}/QZEA_TT.ex4
    ${ex4_folder}/QZGI.ex4)

set(ea_digest_header ${CMAKE_BINARY_DIR}/generated/ea_reference_digests.h)
add_custom_command(
  OUTPUT ${ea_digest_header}
  COMMAND ${CMAKE_COMMAND} -DLIBRARY=${ea_library} -DEA=${ex4_folder}/QZEA.ex4
          -DEA_TT=${ex4_folder}/QZEA_TT.ex4 -DQZGI=${ex4_folder}/QZGI.ex4
          -DOUTPUT=${ea_digest_header} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/EaReferenceDigests.cmake
  DEPENDS ${PELIMOR_SHIPPED_EA_FILES} ${ea_library_target}
          ${CMAKE_CURRENT_SOURCE_DIR}/cmake/EaReferenceDigests.cmake
  COMMENT "Computing the reference digests of the shipped expert-advisor files"
  VERBATIM)
target_sources(pelimor_core PRIVATE ${ea_digest_header})
target_include_directories(pelimor_core PRIVATE ${CMAKE_BINARY_DIR}/generated)

# The unit tests find the shipped files beside their executables, as the program does.
if(PELIMOR_TESTS)
  set(copies)
  foreach(path IN LISTS PELIMOR_SHIPPED_EA_FILES)
    get_filename_component(name ${path} NAME)
    set(copy ${CMAKE_BINARY_DIR}/tests/${name})
    add_custom_command(
      OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tests
      COMMAND ${CMAKE_COMMAND} -E copy ${path} ${copy}
      DEPENDS ${path} ${ea_library_target}
      VERBATIM)
    list(APPEND copies ${copy})
  endforeach()
  target_sources(pelimor_core PRIVATE ${copies})
endif()
