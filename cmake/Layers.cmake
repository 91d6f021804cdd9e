# SPDX-License-Identifier: MIT
# The program is built in layers, each a target above the one before: the
# rules core, the host, each toolkit, the app. A layer's headers are linked
# into an include tree of its own and attached to the layer as its header
# file set, whose base is that tree: a target sees only the trees of the
# layers it links, so an include against the order does not build.
#
#   diruvari_layer(<target> <folder>...)
#
# publishes the headers directly in each folder (not in its subfolders) under
# their paths from the source root.
function(diruvari_layer target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${root})
    set(published)
    foreach(folder IN LISTS ARGN)
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
             ${PROJECT_SOURCE_DIR}/${folder}/*.h)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS headers)
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
            list(APPEND published ${root}/${header})
        endforeach()
    endforeach()
    target_sources(${target} PUBLIC FILE_SET HEADERS BASE_DIRS ${root} FILES ${published})
    # Qt's moc reads a header where it stands, beside its source, not its link.
    set_source_files_properties(${published} PROPERTIES SKIP_AUTOGEN ON)
endfunction()
