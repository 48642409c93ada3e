# Draws the program's icon with ImageMagick: the letter G of Bebas Neue in
# amber on a dark rounded square. The 256 and 48 px pictures have a rim and a
# shadow under the letter; the 32 and 16 px ones are plain, with the letter
# larger, so that it still reads at that size.
#   cmake -DCONVERT=... -DFONT=... -DOUTPUT=glyphrig.ico -P draw_icon.cmake
foreach(var CONVERT FONT OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "draw_icon.cmake needs -D${var}=...")
  endif()
endforeach()

set(ground "#1f2a44")
set(letter "#ffb347")
set(rim "#ff9a1f")
set(shadow "#0b1020")
get_filename_component(dir ${OUTPUT} DIRECTORY)
set(detailed ${dir}/glyphrig_icon_detailed.png)
set(plain ${dir}/glyphrig_icon_plain.png)

execute_process(
  COMMAND ${CONVERT} -size 256x256 xc:none
          -fill ${ground} -draw "roundrectangle 6,6 249,249 44,44"
          -fill none -stroke ${rim} -strokewidth 8 -draw "roundrectangle 14,14 241,241 38,38"
          -stroke none -font ${FONT} -pointsize 250 -gravity center
          -fill ${shadow} -annotate +6+20 G -fill ${letter} -annotate +0+14 G ${detailed}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${CONVERT} -size 256x256 xc:none
          -fill ${ground} -draw "roundrectangle 0,0 255,255 48,48"
          -font ${FONT} -pointsize 300 -gravity center -fill ${letter} -annotate +0+18 G ${plain}
  COMMAND_ERROR_IS_FATAL ANY)
# 8 bits a channel: Windows reads no deeper PNG inside an icon.
execute_process(
  COMMAND ${CONVERT} ${detailed} ( ${detailed} -resize 48x48 ) ( ${plain} -resize 32x32 )
          ( ${plain} -resize 16x16 ) -depth 8 ${OUTPUT}
  COMMAND_ERROR_IS_FATAL ANY)
