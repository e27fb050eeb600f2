# cmake --install puts the shipped files in one folder; CPack zips them as
# Ostrakin-<version>-win32.zip: the plug-in, the tool, the host authors' header, a readme and the
# licence, the text files with Windows line endings.
install(TARGETS Ostrakin RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(TARGETS Quillaby RUNTIME DESTINATION .)
configure_file(${PROJECT_SOURCE_DIR}/Ostrakin/include/Ostrakin.h ${CMAKE_BINARY_DIR}/Ostrakin.h
               @ONLY NEWLINE_STYLE WIN32)
install(FILES ${CMAKE_BINARY_DIR}/Ostrakin.h DESTINATION .)
# The readme's title is underlined to its own length, whatever the version.
set(README_TITLE "Ostrakin ${PROJECT_VERSION} for 32-bit Windows")
string(LENGTH "${README_TITLE}" title_length)
string(REPEAT "=" ${title_length} README_TITLE_UNDERLINE)
configure_file(${PROJECT_SOURCE_DIR}/cmake/readme.txt.in ${CMAKE_BINARY_DIR}/readme.txt
               @ONLY NEWLINE_STYLE WIN32)
install(FILES ${CMAKE_BINARY_DIR}/readme.txt DESTINATION .)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt @ONLY
               NEWLINE_STYLE WIN32)
install(FILES ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Ostrakin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Ostrakin-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
