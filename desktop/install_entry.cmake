# Writes the desktop entry of the installed program, which starts the executable of this
# installation; the program finds its data beside it.
get_filename_component(folder "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
# Exec holds the path between double quotes with the characters quoting reserves escaped;
# then, like every text value of the entry, its backslashes are doubled; % is doubled too.
string(REPLACE "\\" "\\\\" quoted "${folder}/tarvento")
string(REPLACE "\"" "\\\"" quoted "${quoted}")
string(REPLACE "`" "\\`" quoted "${quoted}")
string(REPLACE "$" "\\$" quoted "${quoted}")
string(REPLACE "\\" "\\\\" EXEC "\"${quoted}\"")
string(REPLACE "%" "%%" EXEC "${EXEC}")
string(REPLACE "\\" "\\\\" FOLDER "${folder}")
message(STATUS "Installing: ${folder}/it.tarvento.Tarvento.desktop")
configure_file("${TARVENTO_DESKTOP_TEMPLATE}" "${folder}/it.tarvento.Tarvento.desktop" @ONLY)
