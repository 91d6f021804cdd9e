# SPDX-License-Identifier: MIT
# Compiles a file holding one #include with the include trees of some
# layers, and checks that it builds exactly when EXPECT is "builds".
#   cmake -DCXX=... -DINCLUDES="a;b" -DHEADER=game/Form1.h -DEXPECT=builds|refused
#         -DWORK=<dir> -P CheckInclude.cmake
string(MAKE_C_IDENTIFIER "${HEADER}" name)
set(source ${WORK}/${name}.cpp)
file(WRITE ${source} "#include \"${HEADER}\"\n")
set(flags)
foreach(dir IN LISTS INCLUDES)
    list(APPEND flags -I${dir})
endforeach()
execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only ${flags} ${source}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(EXPECT STREQUAL "builds")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${HEADER} should build here:\n${errors}")
    endif()
elseif(status EQUAL 0)
    message(FATAL_ERROR "${HEADER} built against the layers' order")
elseif(NOT errors MATCHES "${HEADER}: No such file")
    message(FATAL_ERROR "${HEADER} failed for another reason than the order:\n${errors}")
endif()
message(STATUS "${HEADER}: ${EXPECT}, as it should")
