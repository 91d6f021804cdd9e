# SPDX-License-Identifier: MIT
# Included from window/win32, whose build folder it writes (docs/packaging.md).
# The Windows download: the program, both licences and a short README in
# one zip, diruvari-<version>-win64.zip, that unpacks to those four files.
configure_file(${PROJECT_SOURCE_DIR}/data/windows/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
               COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt ${CMAKE_CURRENT_BINARY_DIR}/OFL.txt
               COPYONLY)
install(TARGETS diruvari RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
              ${CMAKE_CURRENT_BINARY_DIR}/OFL.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME diruvari)
set(CPACK_PACKAGE_VENDOR "The Diruvari developers")
set(CPACK_PACKAGE_FILE_NAME diruvari-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# The Windows installer, built with wixl where it is installed:
# diruvari_msi(<name> <version>) builds <name>.msi of that version in the
# build folder, from the program and its documents staged beside its source.
find_program(WIXL wixl)
function(diruvari_msi name version)
    set(MSI_VERSION ${version})
    set(stage ${CMAKE_CURRENT_BINARY_DIR}/${name})
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/diruvari.wxs.in ${stage}/diruvari.wxs @ONLY)
    set(docs ${PROJECT_BINARY_DIR}/window/win32)
    set(msi ${CMAKE_BINARY_DIR}/${name}.msi)
    add_custom_command(OUTPUT ${msi}
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:diruvari> ${docs}/diruvari.ico
                ${docs}/README.txt ${docs}/LICENSE.txt ${docs}/OFL.txt ${stage}
        COMMAND ${WIXL} --arch x64 -o ${msi} diruvari.wxs
        WORKING_DIRECTORY ${stage}
        DEPENDS diruvari ${stage}/diruvari.wxs ${docs}/diruvari.ico ${docs}/README.txt VERBATIM)
    add_custom_target(${name}_msi ALL DEPENDS ${msi})
endfunction()
if(WIXL)
    diruvari_msi(diruvari-${PROJECT_VERSION}-win64 ${PROJECT_VERSION})
endif()
