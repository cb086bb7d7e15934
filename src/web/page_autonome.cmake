# Writes orvan.html: index.html with its style, the core (WebAssembly inside) and its script
# written into the page, so that it opens from file:// with nothing beside it.
file(READ ${DOSSIER}/index.html page)
file(READ ${DOSSIER}/page.css style)
file(READ ${DOSSIER}/orvan_autonome.js coeur)
file(READ ${DOSSIER}/page.js script)
foreach(morceau style coeur script)
  # A "</script>" inside a script would end it early.
  string(REPLACE "</script" "<\\/script" ${morceau} "${${morceau}}")
endforeach()
string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${style}</style>" page "${page}")
string(REPLACE "<script src=\"orvan.js\"></script>" "<script>\n${coeur}</script>" page "${page}")
string(REPLACE "<script src=\"page.js\"></script>" "<script>\n${script}</script>" page "${page}")
file(WRITE ${DOSSIER}/orvan.html "${page}")
