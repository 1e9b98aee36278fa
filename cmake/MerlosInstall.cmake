# What `cmake --install` and the Debian package put where a desktop looks for them. The program, its
# control module and the registration tool stay side by side in one folder (the program finds the
# other two beside itself); bin/merlos links to the program.
set(MERLO_INSTALL_DIR lib/${MERLOS_PACKAGE})
install(TARGETS Merlos regocx32 RUNTIME DESTINATION ${MERLO_INSTALL_DIR})
install(TARGETS cube LIBRARY DESTINATION ${MERLO_INSTALL_DIR})
# The short solver's command stands on its own, on PATH.
install(TARGETS merlos-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"../${MERLO_INSTALL_DIR}/Merlos\"
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${MERLOS_PACKAGE}\" SYMBOLIC)
")

# The desktop entry, the AppStream metainfo and the man page carry the names and version set above.
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)
configure_file(desktop/merlos.desktop.in ${desktop_out}/${MERLOS_ID}.desktop @ONLY)
configure_file(desktop/merlos.metainfo.xml.in ${desktop_out}/${MERLOS_ID}.metainfo.xml @ONLY)
configure_file(desktop/merlos-mime.xml.in ${desktop_out}/${MERLOS_ID}.xml @ONLY)
configure_file(desktop/merlos.6.in ${desktop_out}/${MERLOS_PACKAGE}.6 @ONLY)
configure_file(desktop/merlos-solve.1.in ${desktop_out}/merlos-solve.1 @ONLY)
# Man pages are installed compressed, without a time stamp, so the package is the same every time.
foreach(page ${MERLOS_PACKAGE}.6 merlos-solve.1)
  add_custom_command(OUTPUT ${desktop_out}/${page}.gz
    COMMAND gzip -9 -n -k -f ${desktop_out}/${page}
    DEPENDS ${desktop_out}/${page} VERBATIM)
endforeach()

# The licence in the form Debian reads it (machine-readable copyright, the MIT text as "Expat").
file(STRINGS LICENSE licence_lines)
list(SUBLIST licence_lines 4 -1 licence_lines)
set(licence_text "")
foreach(line IN LISTS licence_lines)
  if(line STREQUAL "")
    string(APPEND licence_text " .\n")
  else()
    string(APPEND licence_text " ${line}\n")
  endif()
endforeach()
file(STRINGS LICENSE copyright_line REGEX "^Copyright")
string(REGEX REPLACE "^Copyright \\(c\\) " "" copyright_line "${copyright_line}")
file(WRITE ${desktop_out}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Merlos

Files: *
Copyright: ${copyright_line}
License: Expat
${licence_text}")

add_custom_target(merlos_desktop_files ALL DEPENDS ${desktop_out}/${MERLOS_PACKAGE}.6.gz ${desktop_out}/merlos-solve.1.gz)
# Building the program builds what installs beside it.
add_dependencies(Merlos merlos_desktop_files)

install(FILES ${desktop_out}/${MERLOS_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_out}/${MERLOS_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_out}/${MERLOS_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${desktop_out}/${MERLOS_PACKAGE}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${desktop_out}/merlos-solve.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${desktop_out}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${MERLOS_PACKAGE})
install(FILES desktop/merlos.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${MERLOS_ID}.svg)
foreach(size IN LISTS MERLOS_ICON_SIZES)
  install(FILES ${MERLOS_ICON_DIR}/${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MERLOS_ID}.png)
endforeach()
