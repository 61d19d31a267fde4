# Install-time part of the desktop entry: writes DESKTOP_TEMPLATE to
# DESKTOP_FILE with @EXEC@ replaced by DESKTOP_PROGRAM, quoted as the entry
# format asks when the path holds a reserved character, and @ICON@ by
# DESKTOP_ICON.
set(exec "${DESKTOP_PROGRAM}")
if(exec MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
  # Inside double quotes a backslash escapes ", `, $ and itself.
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
  # The value is a string in the entry, where a backslash is written twice.
  string(REPLACE "\\" "\\\\" exec "${exec}")
endif()
# A literal percent sign is written twice (a single one starts a field code).
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${DESKTOP_TEMPLATE}" entry)
string(REPLACE "@EXEC@" "${exec}" entry "${entry}")
string(REPLACE "@ICON@" "${DESKTOP_ICON}" entry "${entry}")
message(STATUS "Installing: ${DESKTOP_FILE}")
file(WRITE "${DESKTOP_FILE}" "${entry}")
