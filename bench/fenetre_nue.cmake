# The bare Qt window the start-up of orvan is compared with (bench/demarrage.sh).
add_executable(fenetre_nue ${CMAKE_CURRENT_LIST_DIR}/fenetre_nue.cpp)
target_link_libraries(fenetre_nue PRIVATE Qt6::Widgets)
