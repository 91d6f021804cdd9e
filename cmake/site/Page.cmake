# SPDX-License-Identifier: MIT
# Writes the window as designed into the site's page and style sheet, as the
# build's tool prints them: its elements where the page has its desktop, and
# the style that places them after the page's own style.
#   cmake -DNODE=<node> -DTOOL=<diruvari_markup.js> -DHTML=<index.html> -DCSS=<diruvari.css>
#         -DHTML_OUT=<file> -DCSS_OUT=<file> -P Page.cmake
foreach(part html css)
    execute_process(COMMAND ${NODE} ${TOOL} ${part} OUTPUT_VARIABLE ${part}
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(READ ${HTML} page)
string(REPLACE "<main id=\"desktop\"></main>" "${html}" page "${page}")
file(WRITE ${HTML_OUT} "${page}")
file(READ ${CSS} style)
file(WRITE ${CSS_OUT} "${style}${css}\n")
