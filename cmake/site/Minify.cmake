# SPDX-License-Identifier: MIT
# Copies a style sheet into the site without its comments and indentation,
# which every player would download; its SPDX line stays.
#   cmake -DIN=<file.css> -DOUT=<file.css> -P Minify.cmake
file(READ ${IN} css)
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" css "${css}")
string(REGEX REPLACE "\n[ \t]*" "\n" css "${css}")
string(REGEX REPLACE "\n+" "\n" css "${css}")
file(WRITE ${OUT} "/* SPDX-License-Identifier: MIT */${css}")
