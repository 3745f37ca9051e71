# Build conventions shared by every folder.

# Deliverables sit together, in the build tree as after installation, and find one another
# through an RPATH of $ORIGIN.
set(VELMAR_OUTPUT_DIR "${CMAKE_BINARY_DIR}/velmar")
set(VELMAR_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/velmar")

function(velmar_apply_sanitizers)
  if(VELMAR_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  elseif(VELMAR_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
  elseif(NOT VELMAR_SANITIZE STREQUAL "")
    message(FATAL_ERROR "VELMAR_SANITIZE must be empty, 'address' or 'thread'")
  endif()
endfunction()

# A program or shared library that ships: placed in the deliverables folder, installed there,
# and, for a library, exporting only the names of its version script.
function(velmar_deliverable target)
  cmake_parse_arguments(ARG "" "EXPORTS" "" ${ARGN})
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY "${VELMAR_OUTPUT_DIR}"
    RUNTIME_OUTPUT_DIRECTORY "${VELMAR_OUTPUT_DIR}"
    BUILD_WITH_INSTALL_RPATH ON
    INSTALL_RPATH "$ORIGIN")
  if(ARG_EXPORTS)
    target_link_options(${target} PRIVATE "LINKER:--version-script=${ARG_EXPORTS}")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${ARG_EXPORTS}")
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    # Two libraries export TxKbd: each must call its own.
    target_link_options(${target} PRIVATE "LINKER:-Bsymbolic")
    if(VELMAR_SANITIZE STREQUAL "")
      target_link_options(${target} PRIVATE "LINKER:-z,defs")
    endif()
  endif()
  install(TARGETS ${target}
          LIBRARY DESTINATION "${VELMAR_INSTALL_DIR}"
          RUNTIME DESTINATION "${VELMAR_INSTALL_DIR}")
endfunction()
