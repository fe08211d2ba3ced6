# The Windows program's icon, rendered at build time from the same SVG as the Linux icons:
# DRAVELLO_ICO holds the sizes Windows asks for at 100% to 200% scaling, the 256 px one as
# PNG (as Explorer keeps it) and the others as BMP, which every Windows and Wine read.
# Anything that embeds it depends on the windows_icon target and on the file.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(DRAVELLO_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/linux/icons/hicolor/scalable/apps/org.dravello.Dravello.svg)
set(DRAVELLO_ICO ${CMAKE_BINARY_DIR}/icon/dravello.ico)

set(render)
set(pack)
foreach(size 16 20 24 32 40 48 64 256)
    set(png ${CMAKE_BINARY_DIR}/icon/${size}.png)
    list(APPEND render COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${DRAVELLO_ICON_SVG})
    if(size EQUAL 256)
        list(APPEND pack --raw=${png})
    else()
        list(APPEND pack ${png})
    endif()
endforeach()

add_custom_command(OUTPUT ${DRAVELLO_ICO}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
    ${render}
    COMMAND ${ICOTOOL} --create --output ${DRAVELLO_ICO} ${pack}
    DEPENDS ${DRAVELLO_ICON_SVG}
    COMMENT "Rendering the program's icon")
add_custom_target(windows_icon DEPENDS ${DRAVELLO_ICO})
