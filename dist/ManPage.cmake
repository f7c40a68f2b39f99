# Writes a man page from a program's --help.
#   cmake -DPROGRAM=path -DNAME=name -DSUMMARY=text -DVERSION=x.y.z -DOUT=file -P ManPage.cmake
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

# The help is shown as written: backslashes escaped, and lines that troff would take as
# requests kept as text.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(TOUPPER "${NAME}" title)

file(WRITE "${OUT}" ".TH ${title} 1 \"\" \"SkinBook ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${SUMMARY}
.SH DESCRIPTION
.nf
${help}.fi
")
