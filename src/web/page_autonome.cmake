# Writes orvan.html: index.html with its style, the core (WebAssembly inside) and its scripts
# written into the page, so that it opens from file:// with nothing beside it.
file(READ ${DOSSIER}/index.html page)
file(READ ${DOSSIER}/page.css style)
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${style}</style>" page
               "${page}")
foreach(script orvan miroir menus dialogues famille page)
  set(source ${DOSSIER}/${script}.js)
  if(script STREQUAL "orvan")
    set(source ${DOSSIER}/orvan_autonome.js)
  endif()
  file(READ ${source} texte)
  # A "</script>" inside a script would end it early.
  string(REPLACE "</script" "<\\/script" texte "${texte}")
  string(REPLACE "<script src=\"${script}.js\"></script>" "<script>\n${texte}</script>" page
                 "${page}")
endforeach()
file(WRITE ${DOSSIER}/orvan.html "${page}")
