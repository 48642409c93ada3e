# Lays all pictures named in LIST (one path a line) out in a grid, 16 a row.
# cmake -DMONTAGE=... -DLIST=... -DBACKGROUND=... -DOUTPUT=... -P contact_sheet.cmake
# The list goes through here because Debian's ImageMagick policy refuses @list files.
file(STRINGS "${LIST}" pictures)
execute_process(
  COMMAND "${MONTAGE}" ${pictures} -tile 16x -geometry +4+4 -background "${BACKGROUND}" "${OUTPUT}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "montage could not make ${OUTPUT}")
endif()
