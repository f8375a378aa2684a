# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT

# Renders the one source picture, window/icons/tovalin.svg, to PNG at build time.
find_program(TOVALIN_RSVG_CONVERT rsvg-convert REQUIRED)
set(TOVALIN_ICON_SVG ${PROJECT_SOURCE_DIR}/window/icons/tovalin.svg)

# tovalin_render_icon(<size> <output.png> [rsvg-convert options...])
function(tovalin_render_icon size output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${TOVALIN_RSVG_CONVERT} -w ${size} -h ${size} ${ARGN} ${TOVALIN_ICON_SVG}
                -o ${output}
        DEPENDS ${TOVALIN_ICON_SVG}
        VERBATIM)
endfunction()
