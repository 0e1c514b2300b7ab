# The updater: the public key it trusts, and the Win32 program system\pelimorupdater.exe (the
# portable update logic is part of the core, see layers.txt).

set(PELIMOR_UPDATE_PUBLIC_KEY "${CMAKE_CURRENT_SOURCE_DIR}/tools/keys/test-only-update-key.pub.pem" CACHE FILEPATH
    "PEM file of the ECDSA P-256 public key whose signatures the updater accepts (the default is a test key)")

# The key as CNG imports it: X and Y, 32 bytes each, taken from the DER form of the PEM file,
# which for a P-256 key is a fixed 27-byte prefix, the byte 04 (uncompressed point), X and Y.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PELIMOR_UPDATE_PUBLIC_KEY})
set(der_file ${CMAKE_CURRENT_BINARY_DIR}/update_public_key.der)
execute_process(COMMAND openssl pkey -pubin -in ${PELIMOR_UPDATE_PUBLIC_KEY} -outform DER -out ${der_file}
                RESULT_VARIABLE key_result ERROR_VARIABLE key_error)
if(NOT key_result EQUAL 0)
  message(FATAL_ERROR "PELIMOR_UPDATE_PUBLIC_KEY: cannot read ${PELIMOR_UPDATE_PUBLIC_KEY}: ${key_error}")
endif()
file(READ ${der_file} der_hex HEX)
set(p256_prefix "3059301306072a8648ce3d020106082a8648ce3d03010703420004")
string(LENGTH "${der_hex}" der_length)
string(SUBSTRING "${der_hex}" 0 54 der_prefix)
if(NOT der_length EQUAL 182 OR NOT der_prefix STREQUAL p256_prefix)
  message(FATAL_ERROR "PELIMOR_UPDATE_PUBLIC_KEY: ${PELIMOR_UPDATE_PUBLIC_KEY} is not an ECDSA P-256 public key")
endif()
string(SUBSTRING "${der_hex}" 54 128 key_hex)

# The test key's private half is in the repository: anybody can sign an update that a build
# trusting it installs. Such a build is for tests and demonstrations only, and says so.
set(test_key ${CMAKE_CURRENT_SOURCE_DIR}/tools/keys/test-only-update-key.pub.pem)
set(test_der_file ${CMAKE_CURRENT_BINARY_DIR}/test_update_key.der)
execute_process(COMMAND openssl pkey -pubin -in ${test_key} -outform DER -out ${test_der_file}
                RESULT_VARIABLE test_key_result)
if(test_key_result EQUAL 0)
  file(READ ${test_der_file} test_der_hex HEX)
  if(der_hex STREQUAL test_der_hex)
    message(WARNING "The updater trusts the test key tools/keys/test-only-update-key.pub.pem, "
                    "whose private half anybody can read: any update signed with it is installed. "
                    "Build what you hand out with PELIMOR_UPDATE_PUBLIC_KEY set to the public half "
                    "of a key of your own (tools/release.sh does).")
  endif()
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" PELIMOR_UPDATE_PUBLIC_KEY_BYTES "${key_hex}")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/update/update_public_key.h.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/update/update_public_key.h @ONLY)
target_include_directories(pelimor_core PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/generated)

if(PELIMOR_WIN32_PROGRAM)
  set(PELIMOR_UPDATER_SOURCES)
  foreach(folder IN LISTS PELIMOR_UPDATER_FOLDERS)
    pelimor_folder_files(files ${CMAKE_CURRENT_SOURCE_DIR} ${folder} *.cpp *.rc)
    list(APPEND PELIMOR_UPDATER_SOURCES ${files})
  endforeach()
  add_executable(pelimorupdater WIN32 ${PELIMOR_UPDATER_SOURCES} ${PELIMOR_FRAMEWORK_SOURCES})
  pelimor_target_options(pelimorupdater)
  target_include_directories(pelimorupdater PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(pelimorupdater PRIVATE pelimor_core comctl32 ole32 oleaut32 uuid shell32 shlwapi gdi32 user32 dbghelp)
  pelimor_test_crash_option(pelimorupdater)
  install(TARGETS pelimorupdater RUNTIME DESTINATION system)
endif()
