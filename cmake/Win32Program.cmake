# Pelimor.exe: the Win32 shell over the portable core, and the program folder it is installed into.

file(GLOB PELIMOR_RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.rc)

add_executable(Pelimor WIN32 ${PELIMOR_SHELL_SOURCES} ${PELIMOR_FRAMEWORK_SOURCES} ${PELIMOR_RESOURCE_SCRIPTS})
set_target_properties(Pelimor PROPERTIES OUTPUT_NAME Pelimor)
pelimor_target_options(Pelimor)
# windres reads the resource scripts as CP932 text.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 932")
target_include_directories(Pelimor PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(Pelimor PRIVATE pelimor_core gdiplus comctl32 comdlg32 winmm ole32 oleaut32 uuid urlmon shell32 shlwapi gdi32 user32 dbghelp)
pelimor_test_crash_option(Pelimor)

# The program folder: the executable and the files it reads beside itself.
install(TARGETS Pelimor RUNTIME DESTINATION .)
file(GLOB PELIMOR_DEFAULT_SOUNDS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/sound/default/*)
install(FILES ${PELIMOR_DEFAULT_SOUNDS} DESTINATION sound/default)
file(GLOB PELIMOR_SYSTEM_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/system/*)
install(FILES ${PELIMOR_SYSTEM_FILES} DESTINATION system)
file(GLOB PELIMOR_PROGRAM_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/program/*)
# The expert-advisor files are those cmake/ShippedEaFiles.cmake chose; the placeholders beside
# them in resources/program/ stand in only where nothing better is shipped.
list(FILTER PELIMOR_PROGRAM_FILES EXCLUDE REGEX "/(qzea\\.dll|QZEA\\.ex4|QZEA_TT\\.ex4|QZGI\\.ex4)$")
install(FILES ${PELIMOR_PROGRAM_FILES} ${PELIMOR_SHIPPED_EA_FILES} DESTINATION .)
# The expert advisors' sources, for a trader to compile in MetaEditor when no .ex4 files ship.
file(GLOB PELIMOR_MQL4_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ea/mql4/*.mq4)
install(FILES ${PELIMOR_MQL4_SOURCES} DESTINATION mql4)
