# merlos_render_icons(SVG OUTDIR SIZES... OUTPUTS var): renders the program's icon as square PNG files
# OUTDIR/<size>.png at build time, with rsvg-convert (Debian package librsvg2-bin).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
function(merlos_render_icons svg outdir)
  cmake_parse_arguments(I "" "OUTPUTS" "SIZES" ${ARGN})
  set(outputs)
  foreach(size IN LISTS I_SIZES)
    set(png ${outdir}/${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --keep-aspect-ratio --output ${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering the icon at ${size} pixels"
      VERBATIM)
    list(APPEND outputs ${png})
  endforeach()
  set(${I_OUTPUTS} ${outputs} PARENT_SCOPE)
endfunction()
