# The typefaces' folders under alphabet/, read from the program's table of
# typefaces (src/request/font_kind.h), so that the generator's outputs, the
# contact sheets and the archives name the folders that the program does.
set(glyphrig_typefaces_header ${CMAKE_SOURCE_DIR}/src/request/font_kind.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${glyphrig_typefaces_header})
file(STRINGS ${glyphrig_typefaces_header} glyphrig_folder_lines
     REGEX "\\.folder = \"alphabet/[a-z]+/\"")
set(glyphrig_font_folders)
foreach(line IN LISTS glyphrig_folder_lines)
  string(REGEX REPLACE ".*\"alphabet/([a-z]+)/\".*" "\\1" folder "${line}")
  list(APPEND glyphrig_font_folders ${folder})
endforeach()
if(NOT glyphrig_font_folders)
  message(FATAL_ERROR "No typeface folders found in ${glyphrig_typefaces_header}")
endif()
