# Joins text files into one and writes it in an 8-bit encoding.
#   -DOUTPUT=<file> -DENCODING=<iconv name, e.g. GBK or ASCII> -DINPUTS=<a;b;c> [-DICONV=<iconv>]
# The sources are UTF-8; the shipped language files are 8-bit as the program
# reads them (GBK for Chinese).
set(_text "")
foreach(_input IN LISTS INPUTS)
  file(READ ${_input} _part)
  string(APPEND _text "${_part}")
  if(NOT _part MATCHES "\n$")
    string(APPEND _text "\n")
  endif()
  string(APPEND _text "\n")
endforeach()
file(WRITE ${OUTPUT}.utf8 "${_text}")
execute_process(COMMAND ${ICONV} -f UTF-8 -t ${ENCODING} ${OUTPUT}.utf8
                OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE _result ERROR_VARIABLE _error)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "Cannot convert ${OUTPUT} to ${ENCODING}: ${_error}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
file(REMOVE ${OUTPUT}.utf8)
