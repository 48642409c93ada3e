# The release archives: one folder, glyphrig-<version>-<system>/, that holds
# the program beside its working tree. Unpack it, enter it, run the program.
#   Linux:   cmake --build --preset default && cpack --preset default
#   aarch64: the same for the default preset first, then
#            cmake --build --preset aarch64 && cpack --preset aarch64
#   Windows: the same for the default preset first (it draws the glyph
#            pictures), then cmake --build --preset windows && cpack --preset windows

# The glyph pictures are drawn by a host tool, so a cross build takes them
# from the native build's tree.
set(GLYPHRIG_ALPHABET_DIR ${GLYPHRIG_TREE}/alphabet
    CACHE PATH "The drawn alphabet/ folder (glyph pictures and backgrounds) to package")

if(WIN32)
  set(glyphrig_clean_up remove_temp.bat)
  set(glyphrig_users_readme README-windows.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(glyphrig_clean_up remove_temp.sh)
  set(glyphrig_users_readme README-linux.txt)
  set(CPACK_GENERATOR TGZ)
  # One archive for each machine: Linux-x86_64, Linux-aarch64.
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
  # What the users' README says the archive needs, and where it was tried.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL aarch64)
    set(glyphrig_linux_machine "a 64-bit ARM Linux (aarch64, arm64), kernel 3.7 or later")
    set(glyphrig_linux_tried "Debian 12 for arm64 and on a system with no C library at all, both\nunder emulation (qemu-user) on an x86-64 machine")
    set(glyphrig_linux_other "archive for x86-64 Linux, glyphrig-${PROJECT_VERSION}-Linux-x86_64.tar.gz.")
  else()
    set(glyphrig_linux_machine "a 64-bit x86 (Intel or AMD) Linux, kernel 3.2 or later")
    set(glyphrig_linux_tried "Debian 11 and 12 and on a system with no C library at all")
    set(glyphrig_linux_other "archive for arm64 Linux (Raspberry Pi, ARM laptops and servers),\nglyphrig-${PROJECT_VERSION}-Linux-aarch64.tar.gz.")
  endif()
endif()
if(CMAKE_CROSSCOMPILING AND NOT IS_DIRECTORY ${GLYPHRIG_ALPHABET_DIR}/car)
  message(WARNING "The ${CPACK_SYSTEM_NAME} archive takes the glyph pictures from "
                  "${GLYPHRIG_ALPHABET_DIR}/, which is not drawn yet: build the default preset "
                  "before cpack (cmake --preset default && cmake --build --preset default).")
endif()

install(TARGETS glyphrig RUNTIME DESTINATION .)

install(CODE "
  foreach(folder ${glyphrig_font_folders})
    if(NOT IS_DIRECTORY \"${GLYPHRIG_ALPHABET_DIR}/\${folder}\")
      message(FATAL_ERROR \"The glyph pictures are missing from ${GLYPHRIG_ALPHABET_DIR}/: \"
                          \"build the default preset first (cmake --preset default && \"
                          \"cmake --build --preset default), which draws them.\")
    endif()
  endforeach()")
foreach(folder ${glyphrig_font_folders})
  install(DIRECTORY ${GLYPHRIG_ALPHABET_DIR}/${folder} DESTINATION alphabet)
endforeach()
install(PROGRAMS tree/alphabet/${glyphrig_clean_up} DESTINATION alphabet)
# ImageMagick 6's convert and composite for this system, built from Debian's
# sources (once per source version: the script keeps them in a cache outside
# the clone), so that an unpacked archive draws the same pictures everywhere.
# The working tree in build/tree keeps using the system's ImageMagick.
option(GLYPHRIG_ARCHIVE_IMAGEMAGICK "Build ImageMagick's tools for the release archive" ON)
if(GLYPHRIG_ARCHIVE_IMAGEMAGICK)
  if(WIN32)
    set(glyphrig_tools_target windows)
    set(glyphrig_tool_suffix .exe)
    set(glyphrig_tool_files)
  else()
    set(glyphrig_tools_target linux)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL aarch64)
      set(glyphrig_tools_target linux-aarch64)
    endif()
    set(glyphrig_tool_suffix "")
    # The configuration files that the Windows tools carry inside them, and
    # those that Debian's own finds at each start.
    set(glyphrig_tool_files coder.xml colors.xml english.xml log.xml magic.xml policy.xml)
  endif()
  string(REGEX REPLACE "-.*" "" glyphrig_tool_system ${glyphrig_tools_target})
  set(glyphrig_imagemagick ${CMAKE_BINARY_DIR}/imagemagick)
  set(glyphrig_tools ${glyphrig_imagemagick}/convert${glyphrig_tool_suffix}
                     ${glyphrig_imagemagick}/composite${glyphrig_tool_suffix})
  list(TRANSFORM glyphrig_tool_files PREPEND ${glyphrig_imagemagick}/)
  add_custom_command(
    OUTPUT ${glyphrig_tools} ${glyphrig_tool_files} ${glyphrig_imagemagick}/README.txt
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/imagemagick_tools.sh ${glyphrig_tools_target}
            ${glyphrig_imagemagick}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/imagemagick_tools.sh
            ${CMAKE_SOURCE_DIR}/scripts/imagemagick_tools.patch
            ${CMAKE_SOURCE_DIR}/scripts/imagemagick_tools.README-${glyphrig_tool_system}.txt
    COMMENT "ImageMagick's convert and composite for ${glyphrig_tools_target} from Debian's sources"
    USES_TERMINAL)
  add_custom_target(imagemagick_tools ALL DEPENDS ${glyphrig_tools})
  install(PROGRAMS ${glyphrig_tools} DESTINATION imagemagick)
  install(FILES ${glyphrig_tool_files} ${glyphrig_imagemagick}/README.txt DESTINATION imagemagick)
  install(DIRECTORY ${glyphrig_imagemagick}/licenses/ DESTINATION licenses)
else()
  install(FILES tree/imagemagick/README.txt DESTINATION imagemagick)
endif()

# The Linux program is static, as its tools are: it needs no dynamic loader
# and no C library of the system, so it starts on any Linux of its machine,
# old or new, glibc or musl. It asks for no user names, host names, character sets
# or plug-ins, the parts of a static glibc that would still look for the
# system's libraries.
option(GLYPHRIG_STATIC_RUNTIME "Link the Linux program statically" ON)
if(NOT WIN32 AND GLYPHRIG_STATIC_RUNTIME)
  target_link_options(glyphrig PRIVATE -static)
  install(FILES /usr/share/doc/libc6/copyright DESTINATION licenses RENAME glibc-copyright.txt)
endif()

# The users' README of this system; the repository's README is for developers.
configure_file(packaging/${glyphrig_users_readme} ${CMAKE_BINARY_DIR}/README.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
install(FILES NOTICE.txt DESTINATION .)
install(FILES LICENSE DESTINATION licenses RENAME glyphrig-LICENSE.txt)
# The licences of the fonts that the pictures and the icon are drawn from.
foreach(package fonts-dejavu-core fonts-dejavu-extra fonts-bebas-neue fonts-league-spartan
                fonts-roadgeek fonts-opendin)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${package}.txt)
endforeach()

set(CPACK_PACKAGE_NAME glyphrig)
set(CPACK_PACKAGE_VENDOR "the Glyphrig developers")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
