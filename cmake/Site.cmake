# SPDX-License-Identifier: MIT
# The site that the web build makes: one folder of static files that any web
# server can serve (docs/web.md). Included from window/web, whose build
# folder it writes.
find_program(NODE node REQUIRED)
# The labels' face for the page: the bundled face cut down to the glyphs
# that the labels can show, in WOFF2, with its licence, which says so.
find_program(PYFTSUBSET pyftsubset REQUIRED)
find_program(WOFF2_COMPRESS woff2_compress REQUIRED)
set(face ${CMAKE_CURRENT_BINARY_DIR}/Blankenburg_UNZ1A.ttf)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/Blankenburg_UNZ1A.woff2
    COMMAND ${PYFTSUBSET} ${PROJECT_SOURCE_DIR}/resources/fonts/Blankenburg_UNZ1A.ttf
            "--text=Level: Cards: Colors: 0123456789-" --output-file=${face}
    COMMAND ${WOFF2_COMPRESS} ${face}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/fonts/Blankenburg_UNZ1A.ttf VERBATIM)
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt licence)
list(REMOVE_AT licence 0 1)
list(JOIN licence "\n" licence)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/OFL.txt
     "Blankenburg_UNZ1A.woff2: a subset of Blankenburg by Peter Wiegel, from Debian's\n"
     "fonts-blankenburg package, cut at build time to the glyphs that the game's labels\n"
     "show and stored as WOFF2. Copyright 2009 Peter Wiegel <wiegel@peter-wiegel.de>.\n"
     "${licence}\n")

# What makes the site an app that a browser installs: its page and its
# manifest, which share a name, a description and the board's colour, and
# the icon rendered for it, also as a maskable one.
set(DIRUVARI_BOARD "#ffc080")
set(DIRUVARI_NAME Diruvari)
set(DIRUVARI_DESCRIPTION "a puzzle for one player: pair same-coloured neighbouring cards on a 4 by 4 board through ten levels.")
configure_file(${PROJECT_SOURCE_DIR}/window/web/index.html index.html @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/window/web/manifest.webmanifest manifest.webmanifest @ONLY)

# The page and its style sheet with the window as designed in them, written
# by a tool of the build's own, run by node.
set(page ${CMAKE_CURRENT_BINARY_DIR}/page)
add_custom_command(OUTPUT ${page}/index.html ${page}/diruvari.css
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/window/web/diruvari.css -DOUT=${page}/own.css
            -P ${PROJECT_SOURCE_DIR}/cmake/site/Minify.cmake
    COMMAND ${CMAKE_COMMAND} -DNODE=${NODE} -DTOOL=$<TARGET_FILE:diruvari_markup>
            -DHTML=${CMAKE_CURRENT_BINARY_DIR}/index.html -DCSS=${page}/own.css
            -DHTML_OUT=${page}/index.html -DCSS_OUT=${page}/diruvari.css
            -P ${PROJECT_SOURCE_DIR}/cmake/site/Page.cmake
    DEPENDS diruvari_markup ${CMAKE_CURRENT_BINARY_DIR}/index.html
            ${PROJECT_SOURCE_DIR}/window/web/diruvari.css ${PROJECT_SOURCE_DIR}/cmake/site/Minify.cmake
            ${PROJECT_SOURCE_DIR}/cmake/site/Page.cmake VERBATIM)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(OPTIPNG optipng REQUIRED)
set(icon ${PROJECT_SOURCE_DIR}/data/${DIRUVARI_APP_ID}.svg)
set(maskable ${CMAKE_CURRENT_BINARY_DIR}/icon-maskable.svg)
add_custom_command(OUTPUT ${maskable}
    COMMAND ${CMAKE_COMMAND} -DIN=${icon} -DOUT=${maskable} -DBOARD=${DIRUVARI_BOARD}
            -P ${PROJECT_SOURCE_DIR}/cmake/site/Maskable.cmake
    DEPENDS ${icon} ${PROJECT_SOURCE_DIR}/cmake/site/Maskable.cmake VERBATIM)
foreach(size_source 192:${icon} 512:${icon} maskable-512:${maskable})
    string(REGEX MATCH "^[^:]+" name ${size_source})
    string(REGEX REPLACE "^[^:]+:" "" source ${size_source})
    string(REGEX MATCH "[0-9]+$" size ${name})
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon-${name}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source}
        # A palette of the few colours that the icon has, losslessly.
        COMMAND ${OPTIPNG} -quiet -o5 -strip all ${png}
        DEPENDS ${source} VERBATIM)
endforeach()

# The build's name in the page, from its script and from its program alike:
# the version and, in a clone, the commit.
set(DIRUVARI_BUILD_ID ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=12 HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE commit
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed)
        string(APPEND DIRUVARI_BUILD_ID "+${commit}")
        # A commit names the next build anew.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path HEAD --git-path logs/HEAD
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE heads
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        string(REPLACE "\n" ";" heads "${heads}")
        foreach(head IN LISTS heads)
            get_filename_component(head ${head} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
            if(EXISTS ${head})
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head})
            endif()
        endforeach()
    endif()
endif()
set_property(GLOBAL PROPERTY diruvari_build_id ${DIRUVARI_BUILD_ID})

# A site: the program, as diruvari.js with its WebAssembly, with the page, the
# labels' face and its licence, the icons and the manifest, in one folder,
# and the service worker that keeps all of them for offline play. `flavour`
# tells the build's name apart from other sites of the same build.
function(diruvari_site target folder flavour)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${folder}
                                               OUTPUT_NAME diruvari SUFFIX .js)
    get_property(build_id GLOBAL PROPERTY diruvari_build_id)
    string(APPEND build_id ${flavour})
    set(pre ${CMAKE_CURRENT_BINARY_DIR}/${target}-pre.js)
    configure_file(${PROJECT_SOURCE_DIR}/window/web/pre.js ${pre} @ONLY)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/window/web/BuildId.cpp)
    target_compile_definitions(${target} PRIVATE DIRUVARI_BUILD_ID="${build_id}")
    target_link_options(${target} PRIVATE --pre-js ${pre})
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DJS=${folder}/diruvari.js -DWASM=${folder}/diruvari.wasm
                -P ${PROJECT_SOURCE_DIR}/cmake/site/Embed.cmake VERBATIM)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
                 ${pre} ${PROJECT_SOURCE_DIR}/window/web/page.js ${PROJECT_SOURCE_DIR}/cmake/site/Embed.cmake)
    set(copies)
    set(names diruvari.js)
    foreach(asset ${PROJECT_BINARY_DIR}/window/web/page/index.html
                  ${PROJECT_BINARY_DIR}/window/web/page/diruvari.css
                  ${PROJECT_BINARY_DIR}/window/web/Blankenburg_UNZ1A.woff2
                  ${PROJECT_BINARY_DIR}/window/web/OFL.txt
                  ${PROJECT_BINARY_DIR}/window/web/manifest.webmanifest
                  ${PROJECT_BINARY_DIR}/window/web/icon-192.png
                  ${PROJECT_BINARY_DIR}/window/web/icon-512.png
                  ${PROJECT_BINARY_DIR}/window/web/icon-maskable-512.png
                  ${PROJECT_SOURCE_DIR}/data/${DIRUVARI_APP_ID}.svg)
        get_filename_component(name ${asset} NAME)
        add_custom_command(OUTPUT ${folder}/${name}
                           COMMAND ${CMAKE_COMMAND} -E copy ${asset} ${folder}/${name}
                           DEPENDS ${asset} VERBATIM)
        list(APPEND copies ${folder}/${name})
        list(APPEND names ${name})
    endforeach()
    list(JOIN names "," names)
    add_custom_command(OUTPUT ${folder}/sw.js
        COMMAND ${CMAKE_COMMAND} -DSITE=${folder} -DFILES=${names}
                -DIN=${PROJECT_SOURCE_DIR}/window/web/sw.js
                -P ${PROJECT_SOURCE_DIR}/cmake/site/ServiceWorker.cmake
        DEPENDS ${target} ${copies} ${PROJECT_SOURCE_DIR}/window/web/sw.js
                ${PROJECT_SOURCE_DIR}/cmake/site/ServiceWorker.cmake VERBATIM)
    add_custom_target(${target}_assets ALL DEPENDS ${copies} ${folder}/sw.js)
endfunction()


# The site as one download, diruvari-<version>-web.zip, that unpacks to its
# files.
install(DIRECTORY ${CMAKE_BINARY_DIR}/site/ DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME diruvari)
set(CPACK_PACKAGE_VENDOR "The Diruvari developers")
set(CPACK_PACKAGE_FILE_NAME diruvari-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
