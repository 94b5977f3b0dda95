# The version both programs print, generated from project(VERSION) so it has one source.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
    ${CMAKE_BINARY_DIR}/generated/stowly/version.h @ONLY)
add_library(stowly_version INTERFACE)
target_include_directories(stowly_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
