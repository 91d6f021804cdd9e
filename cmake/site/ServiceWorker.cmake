# SPDX-License-Identifier: MIT
# Writes a site's service worker: its script with the list of the site's
# files, each with its SHA-256, and a version that is the hash of the list;
# without the script's comments and indentation, its SPDX line kept.
#   cmake -DSITE=<folder> -DFILES=<name,name,...> -DIN=<sw.js> -P ServiceWorker.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" names "${FILES}")
set(entries)
foreach(name IN LISTS names)
    file(SHA256 ${SITE}/${name} hash)
    list(APPEND entries "\"${name}\":\"${hash}\"")
endforeach()
list(JOIN entries "," list)
string(SHA256 version "${list}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${IN} script)
string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" script "${script}")
string(REGEX REPLACE "\n[ \t]+" "\n" script "${script}")
string(REPLACE "@FILES@" "{${list}}" script "${script}")
string(REPLACE "@VERSION@" "${version}" script "${script}")
file(WRITE ${SITE}/sw.js "${script}")
