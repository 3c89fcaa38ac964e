# Each layer of the program is a target of its own, and sees only the headers of its own folder
# and of the layers it links: its include root in the build tree holds links to its folder's
# headers alone. A wrong-way include (output/ including dialogs/, framework/ including model/)
# then fails to compile, and a new dependency between layers has to be written down here and in
# the folder's CMakeLists.txt.
#
#   framework ← model ← output                         the core, plain C++
#   framework ← framework/qt ← output/qt (the sheet)   Qt Gui: what vpxtool paints with
#   output/qt (printing) ← dialogs ← views ← app       Qt Widgets: the program's windows

# Gives target the include root that holds folder's headers (folder relative to the project).
function(vespin_layer_headers target folder)
  string(REPLACE "/" "_" name "${folder}")
  set(root "${PROJECT_BINARY_DIR}/layers/${name}")
  file(GLOB headers CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h")
  file(REMOVE_RECURSE "${root}")
  file(MAKE_DIRECTORY "${root}/${folder}")
  foreach(header IN LISTS headers)
    get_filename_component(file "${header}" NAME)
    file(CREATE_LINK "${header}" "${root}/${folder}/${file}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
