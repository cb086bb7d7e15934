# The web build takes Boost (the rationals and the chi-square distribution) and nlohmann's JSON
# from the host, header-only; a folder of links to them alone keeps the host's C library out of
# Emscripten's include path. The probabilities use Boost's rationals (src/probabilites/rationnel.h).
set(ORVAN_ENTETES_HOTE ${CMAKE_BINARY_DIR}/entetes_hote)
foreach(bibliotheque boost nlohmann)
  if(NOT EXISTS /usr/include/${bibliotheque})
    message(FATAL_ERROR "/usr/include/${bibliotheque} manque : ./outils/web.sh installe ce qu'il faut")
  endif()
  file(MAKE_DIRECTORY ${ORVAN_ENTETES_HOTE})
  file(CREATE_LINK /usr/include/${bibliotheque} ${ORVAN_ENTETES_HOTE}/${bibliotheque} SYMBOLIC)
endforeach()
target_include_directories(orvan_core SYSTEM PUBLIC ${ORVAN_ENTETES_HOTE})
target_compile_definitions(orvan_core PUBLIC ORVAN_RATIONNELS_BOOST)
# The probability engine throws and catches in its normal course: WebAssembly's own exceptions,
# which cost nothing where nothing is thrown (Emscripten's older ones go through JavaScript at
# every call that may throw).
target_compile_options(orvan_core PUBLIC -fwasm-exceptions)
target_link_options(orvan_core PUBLIC -fwasm-exceptions)
