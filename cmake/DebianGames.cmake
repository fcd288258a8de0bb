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
