# SPDX-License-Identifier: MIT
# Copies the language files (Tarvex_lang.*) from SRC to DST at build time.
file(MAKE_DIRECTORY ${DST})
file(GLOB files ${SRC}/Tarvex_lang.*)
foreach(f ${files})
    file(COPY ${f} DESTINATION ${DST})
endforeach()
