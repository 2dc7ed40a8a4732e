cmake_minimum_required(VERSION 3.20)

# Writes the package's INF from its template, taking DriverVer's version
# from the fixed file information of the built DLL's version resource, so
# the INF can never announce another version than the files it installs.
#
#   cmake -DDLL=<pdr7300ui.dll> -DTEMPLATE=<pdr7300.inf.in> -DOUTPUT=<pdr7300.inf>
#         -DPRINTING_LIBRARY=<file name> -P write_inf.cmake

# Reads the little-endian 32-bit word at byte `offset` of a hex dump.
function(read_dword hex offset result)
    math(EXPR at "${offset} * 2")
    set(value "")
    foreach(byte 3 2 1 0)
        math(EXPR position "${at} + ${byte} * 2")
        string(SUBSTRING "${hex}" ${position} 2 pair)
        string(APPEND value "${pair}")
    endforeach()
    math(EXPR value "0x${value}" OUTPUT_FORMAT DECIMAL)
    set(${result} ${value} PARENT_SCOPE)
endfunction()

file(READ "${DLL}" hex HEX)
# VS_FIXEDFILEINFO starts with the signature 0xFEEF04BD, stored little-endian
# and aligned, so a match that starts in the middle of a byte is none.
set(searched 0)
while(TRUE)
    string(SUBSTRING "${hex}" ${searched} -1 rest)
    string(FIND "${rest}" "bd04effe" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${DLL} has no version resource")
    endif()
    math(EXPR signature "${searched} + ${found}")
    math(EXPR odd "${signature} % 2")
    if(NOT odd)
        break()
    endif()
    math(EXPR searched "${signature} + 1")
endwhile()
math(EXPR info "${signature} / 2")
math(EXPR most "${info} + 8")
math(EXPR least "${info} + 12")
read_dword("${hex}" ${most} high)
read_dword("${hex}" ${least} low)
math(EXPR major "${high} >> 16")
math(EXPR minor "${high} & 65535")
math(EXPR build "${low} >> 16")
math(EXPR revision "${low} & 65535")
set(DRIVER_VERSION "${major}.${minor}.${build}.${revision}")
# The build's date, or SOURCE_DATE_EPOCH's for a reproducible package.
string(TIMESTAMP DRIVER_DATE "%m/%d/%Y" UTC)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY NEWLINE_STYLE CRLF)
