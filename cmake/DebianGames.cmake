# Run by cpack between the installation into its staging directory and the
# package: Debian keeps the programs of games in /usr/games.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(GLOB programs "${root}/bin/*")
file(MAKE_DIRECTORY "${root}/games")
foreach(program ${programs})
  get_filename_component(name "${program}" NAME)
  file(RENAME "${program}" "${root}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${root}/bin")
# The desktop entry names the program where it now is.
file(GLOB entries "${root}/share/applications/*.desktop")
foreach(entry ${entries})
  file(READ "${entry}" text)
  string(REGEX REPLACE "\nExec=[^\n]*/velmora " "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/velmora " text "${text}")
  file(WRITE "${entry}" "${text}")
endforeach()
