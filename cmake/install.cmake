# What `cmake --install` puts in place, under any prefix: the program, its
# help document (where the installed program looks for it), the icon in every
# drawn size, the menu entry and the software-centre description.
include(GNUInstallDirs)

set(MARQUILL_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS marquill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES app/help/marquill.html DESTINATION ${CMAKE_INSTALL_DATADIR}/marquill)
install(FILES data/icons/marquill.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS MARQUILL_ICON_SIZES)
    install(FILES data/icons/marquill-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME marquill.png)
endforeach()
install(FILES data/marquill.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.marquill.Marquill.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
