# PNG pictures rendered from SVG drawings at build time with rsvg-convert (librsvg2-bin):
# the window's sketches and icon, and the icons installed for the desktop.
find_program(VORTALIN_RSVG_CONVERT rsvg-convert REQUIRED)

# The icon sizes of the desktop, from the smallest menu icon to the largest.
set(VORTALIN_ICON_SIZES 16 22 24 32 48 64 128 256)

# Renders `svg` into `png`; the remaining arguments are rsvg-convert's size options
# (--zoom=2, or -w 48 -h 48).
function(vortalin_render_png svg png)
  get_filename_component(folder ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${VORTALIN_RSVG_CONVERT} ${ARGN} -o ${png} ${svg}
    DEPENDS ${svg}
    VERBATIM)
endfunction()
