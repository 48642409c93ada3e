# What Windows shows of glyphrig.exe and what it asks of Windows: the icon,
# the version record and the manifest, compiled into the program.
enable_language(RC)

find_program(GLYPHRIG_CONVERT convert REQUIRED)
set(GLYPHRIG_ICON_FONT /usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf
    CACHE FILEPATH "The face of the letter on the program's icon")
if(NOT EXISTS ${GLYPHRIG_ICON_FONT})
  message(FATAL_ERROR "The icon's font ${GLYPHRIG_ICON_FONT} is missing; "
                      "install it with: apt-get install fonts-bebas-neue")
endif()

set(GLYPHRIG_ICON ${CMAKE_CURRENT_BINARY_DIR}/glyphrig.ico)
add_custom_command(OUTPUT ${GLYPHRIG_ICON}
  COMMAND ${CMAKE_COMMAND} -DCONVERT=${GLYPHRIG_CONVERT} -DFONT=${GLYPHRIG_ICON_FONT}
          -DOUTPUT=${GLYPHRIG_ICON} -P ${CMAKE_CURRENT_LIST_DIR}/draw_icon.cmake
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/draw_icon.cmake
  COMMENT "Drawing the program's icon"
  VERBATIM)

# The version record takes its numbers from project(); a version without a
# fourth number has 0 there.
set(GLYPHRIG_VERSION_TWEAK 0)
if(NOT PROJECT_VERSION_TWEAK STREQUAL "")
  set(GLYPHRIG_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
endif()
set(GLYPHRIG_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/src/dialogue/glyphrig.manifest)
set(glyphrig_rc ${CMAKE_CURRENT_BINARY_DIR}/glyphrig.rc)
configure_file(src/dialogue/glyphrig.rc.in ${glyphrig_rc} @ONLY)
set_source_files_properties(${glyphrig_rc} PROPERTIES
  OBJECT_DEPENDS "${GLYPHRIG_ICON};${GLYPHRIG_MANIFEST}")
target_sources(glyphrig PRIVATE ${glyphrig_rc})
