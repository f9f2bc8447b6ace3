# Writes LAYOUT_OUT: the layout LAYOUT_IN with its placeholder {@SKINSTREAM@} replaced by the
# SkinStream value for the skin file SKIN: its length as 4 bytes little-endian, then its bytes,
# in hexadecimal, 32 bytes a line.
#   cmake -DSKIN=file -DLAYOUT_IN=file -DLAYOUT_OUT=file -P EmbedSkinStream.cmake
foreach(var SKIN LAYOUT_IN LAYOUT_OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedSkinStream: ${var} is not set")
  endif()
endforeach()

file(READ "${SKIN}" skin_hex HEX)
string(LENGTH "${skin_hex}" hex_digits)
math(EXPR skin_size "${hex_digits} / 2")
if(skin_size EQUAL 0)
  message(FATAL_ERROR "EmbedSkinStream: ${SKIN} is empty")
endif()

# The length word: eight hex digits, then its byte pairs in reverse order.
math(EXPR size_hex "${skin_size}" OUTPUT_FORMAT HEXADECIMAL)
string(SUBSTRING "${size_hex}" 2 -1 size_hex)
string(LENGTH "${size_hex}" size_digits)
while(size_digits LESS 8)
  string(PREPEND size_hex "0")
  math(EXPR size_digits "${size_digits} + 1")
endwhile()
set(length_le "")
foreach(pos 6 4 2 0)
  string(SUBSTRING "${size_hex}" ${pos} 2 pair)
  string(APPEND length_le "${pair}")
endforeach()

string(TOUPPER "${length_le}${skin_hex}" stream_hex)
# CMake expressions have no counted repeat, so the 64-digit run is built by repetition.
string(REPEAT "[0-9A-F]" 64 line_digits)
string(REGEX REPLACE "(${line_digits})" "\\1\n      " stream_lines "${stream_hex}")
string(REGEX REPLACE "\n      $" "" stream_lines "${stream_lines}")

file(READ "${LAYOUT_IN}" layout)
string(FIND "${layout}" "{@SKINSTREAM@}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "EmbedSkinStream: ${LAYOUT_IN} has no {@SKINSTREAM@} placeholder")
endif()
string(REPLACE "{@SKINSTREAM@}" "{\n      ${stream_lines}}" layout "${layout}")
file(WRITE "${LAYOUT_OUT}" "${layout}")
