# SPDX-License-Identifier: MIT
# Puts the program into its script: JS becomes a line that hands the
# WebAssembly in WASM to the page's script as base64 (Module.diruvariWasm),
# followed by the script as emscripten wrote it; WASM is then removed, so
# that a script never meets another build's program.
#   cmake -DJS=<diruvari.js> -DWASM=<diruvari.wasm> -P Embed.cmake
find_program(BASE64 base64 REQUIRED)
execute_process(COMMAND ${BASE64} -w0 ${WASM} OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
file(READ ${JS} script)
file(WRITE ${JS} "var Module={diruvariWasm:'${encoded}'};\n${script}")
file(REMOVE ${WASM})
