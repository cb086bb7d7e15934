# What `cmake --install` puts where a desktop finds it: the program, its data, the desktop entry
# with its icon, the MIME type of .gen files and the AppStream metadata.
install(TARGETS orvan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS orvan_graphiques LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/orvan)
install(FILES data/fr.orvan.Orvan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/fr.orvan.Orvan.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/fr.orvan.Orvan.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME fr.orvan.Orvan.xml)
install(FILES data/icones/fr.orvan.Orvan.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(taille 16 32 48 64 128 256)
  install(FILES data/icones/fr.orvan.Orvan-${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
          RENAME fr.orvan.Orvan.png)
endforeach()
# The example families, offered by the open dialog as the place "Exemples".
install(DIRECTORY data/exemples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvan/Exemples
        FILES_MATCHING PATTERN "*.gen")
