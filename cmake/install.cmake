# Installation: the program with its modules, the desktop entry, the project
# file type, the AppStream data and the icons. Included from the GUI section.

add_executable(render_icon tools/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)

set(VORNEXA_ICON_SVG "${CMAKE_SOURCE_DIR}/data/vornexa.svg")
set(VORNEXA_ICON_PNGS)
foreach(size 16 32 48 64 128 256)
    set(png "${CMAKE_BINARY_DIR}/icons/${size}x${size}/vornexa.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/${size}x${size}"
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render_icon> "${VORNEXA_ICON_SVG}" "${png}" ${size}
        DEPENDS render_icon "${VORNEXA_ICON_SVG}"
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND VORNEXA_ICON_PNGS "${png}")
    install(FILES "${png}" DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vornexa_icons ALL DEPENDS ${VORNEXA_ICON_PNGS})

# main loads the modules from its own folder, so they go beside it.
install(TARGETS vornexa RUNTIME DESTINATION bin)
install(TARGETS vornexa_gui vornexa_export vornexa_graph vornexa_print LIBRARY DESTINATION bin)
install(FILES data/vornexa.desktop DESTINATION share/applications)
install(FILES data/vornexa-mime.xml DESTINATION share/mime/packages)
# Its release entry carries the version and release date of the top-level project.
configure_file(data/vornexa.metainfo.xml.in "${CMAKE_BINARY_DIR}/data/vornexa.metainfo.xml" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/data/vornexa.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${VORNEXA_ICON_SVG}" DESTINATION share/icons/hicolor/scalable/apps)

add_test(NAME install_tree
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_tree.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_tree PROPERTIES TIMEOUT 120)
