# The expert-advisor files shipped beside Pelimor.exe (resources/program/, installed by
# Win32Program.cmake) and the reference digests built into the program from exactly those files.

set(PELIMOR_EA_FOLDER ${CMAKE_CURRENT_SOURCE_DIR}/resources/program)
set(PELIMOR_EA_FILES qzea.dll QZEA.ex4 QZEA_TT.ex4 QZGI.ex4)
list(TRANSFORM PELIMOR_EA_FILES PREPEND ${PELIMOR_EA_FOLDER}/ OUTPUT_VARIABLE ea_paths)

set(ea_digest_header ${CMAKE_BINARY_DIR}/generated/ea_reference_digests.h)
add_custom_command(
  OUTPUT ${ea_digest_header}
  COMMAND ${CMAKE_COMMAND} -DEA_FOLDER=${PELIMOR_EA_FOLDER} -DOUTPUT=${ea_digest_header}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/EaReferenceDigests.cmake
  DEPENDS ${ea_paths} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/EaReferenceDigests.cmake
  COMMENT "Computing the reference digests of the shipped expert-advisor files"
  VERBATIM)
target_sources(pelimor_core PRIVATE ${ea_digest_header})
target_include_directories(pelimor_core PRIVATE ${CMAKE_BINARY_DIR}/generated)

# The unit tests find the shipped files beside their executables, as the program does.
if(PELIMOR_TESTS)
  foreach(path IN LISTS ea_paths)
    get_filename_component(name ${path} NAME)
    configure_file(${path} ${CMAKE_BINARY_DIR}/tests/${name} COPYONLY)
  endforeach()
endif()
