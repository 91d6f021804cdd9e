# SPDX-License-Identifier: MIT
# Release builds as a distribution makes them: hardened with Debian's flags,
# and with nothing in them that depends on where they were built.
option(DIRUVARI_HARDENED "Build with Debian's hardening flags" OFF)
option(DIRUVARI_REPRODUCIBLE "Keep the source and build folders out of what the build makes" OFF)

if(DIRUVARI_REPRODUCIBLE)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()

# Debian 12's dpkg-buildflags with every hardening feature on. Where it runs,
# its own flags come first; whatever of this list it leaves out is added.
set(DIRUVARI_HARDENING_COMPILE -O2 -fstack-protector-strong -D_FORTIFY_SOURCE=2 -fcf-protection
                               -Wformat -Werror=format-security)
set(DIRUVARI_HARDENING_LINK -Wl,-z,relro -Wl,-z,now)

# The flags of one kind (CPPFLAGS, CXXFLAGS, LDFLAGS) that dpkg-buildflags
# gives, less its debug information and its path map, which names the folder
# it ran in: the build type and the option above see to those.
function(diruvari_dpkg_buildflags kind out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g$|^-ffile-prefix-map=")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(DIRUVARI_HARDENED)
    set(compile)
    set(link)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(DPKG_BUILDFLAGS)
        diruvari_dpkg_buildflags(CPPFLAGS cppflags)
        diruvari_dpkg_buildflags(CXXFLAGS cxxflags)
        diruvari_dpkg_buildflags(LDFLAGS link)
        set(compile ${cppflags} ${cxxflags})
    endif()
    list(APPEND compile ${DIRUVARI_HARDENING_COMPILE})
    list(APPEND link ${DIRUVARI_HARDENING_LINK})
    list(REMOVE_DUPLICATES compile)
    list(REMOVE_DUPLICATES link)
    message(STATUS "Hardened: ${compile}; linked with ${link}")
    add_compile_options(${compile})
    add_link_options(${link})
endif()
