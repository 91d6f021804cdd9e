#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source, build and script file of the checkout names its licence in
# an SPDX line near its top.
#   spdx.sh <source-dir>
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r file; do
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: '; then
        echo "no SPDX line: $file"
        missing=$((missing + 1))
    fi
done < <(git ls-files '*.cpp' '*.h' '*.rc' '*.cmake' '*CMakeLists.txt' '*.sh' 'scripts/*' \
             '.ci/*' 'data/*.desktop' 'data/*.xml' 'data/*.svg' ':(glob)data/*.in' 'data/windows/*.wxs.in' '*.manifest' '*.mjs' '*.html' |
         grep -v -e '-packages$')
[ "$missing" -eq 0 ] || { echo "FAIL: $missing files without an SPDX line" >&2; exit 1; }
echo "every source file names its licence"
