# SPDX-License-Identifier: MIT
# Puts the program into its script: JS becomes a line that hands the
# WebAssembly in WASM to the page's script as base64 (Module.diruvariWasm),
# followed by the script as emscripten wrote it; WASM is then removed, so
# that a script never meets another build's program. Its first line tells
# V8 that every function runs at load, so that they compile with the
# download, off the page's thread, and not one by one as the game starts.
#   cmake -DJS=<diruvari.js> -DWASM=<diruvari.wasm> -P Embed.cmake
find_program(BASE64 base64 REQUIRED)
execute_process(COMMAND ${BASE64} -w0 ${WASM} OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
file(READ ${JS} script)
file(WRITE ${JS} "//# allFunctionsCalledOnLoad\nvar Module={diruvariWasm:'${encoded}'};\n${script}")
file(REMOVE ${WASM})
