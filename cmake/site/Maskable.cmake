# SPDX-License-Identifier: MIT
# The icon as a maskable one: the board's colour to every edge, and the icon
# scaled into the circle that every mask keeps (80 % of the width).
#   cmake -DIN=<icon.svg> -DOUT=<maskable.svg> -DBOARD=<#rrggbb> -P Maskable.cmake
cmake_minimum_required(VERSION 3.25)
file(READ ${IN} icon)
string(REGEX REPLACE "<\\?xml[^>]*>" "" icon "${icon}")
file(WRITE ${OUT}
     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" viewBox=\"0 0 128 128\">\n"
     "<rect width=\"128\" height=\"128\" fill=\"${BOARD}\"/>\n"
     "<g transform=\"translate(64 64) scale(0.6) translate(-64 -64)\">${icon}</g>\n"
     "</svg>\n")
