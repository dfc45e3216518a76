# Generates gSOAP client or server code from a service header at build time and
# compiles it, with the SOAP runtime, into a target.
#   gsoap_add_service(<target> HEADER <file.h> SIDE client|server)
# The generated classes inherit the library context (soapcpp2 -i) and carry their
# own namespace table, so no global table is needed. Generated files go to the
# build tree only.
find_program(SOAPCPP2 soapcpp2 REQUIRED)
set(GSOAP_SOURCE_DIR ${CMAKE_SOURCE_DIR}/build/cache/gsoap-2.8.124/gsoap
    CACHE PATH "gSOAP source package (runtime sources)")
if(NOT EXISTS ${GSOAP_SOURCE_DIR}/stdsoap2.cpp)
  message(FATAL_ERROR "stdsoap2.cpp not found in ${GSOAP_SOURCE_DIR}; run tools/setup.sh")
endif()

function(gsoap_add_service target)
  cmake_parse_arguments(G "" "HEADER;SIDE" "" ${ARGN})
  get_filename_component(header ${G_HEADER} ABSOLUTE)
  # The class name follows the header's "service name:" directive.
  file(STRINGS ${header} name_line REGEX "^//gsoap [a-z0-9]+ service name:")
  string(REGEX REPLACE ".*service name:[ ]*([A-Za-z0-9_]+).*" "\\1" service_name "${name_line}")
  if(G_SIDE STREQUAL "client")
    set(flag -C)
    set(class_file soap${service_name}Proxy)
  elseif(G_SIDE STREQUAL "server")
    set(flag -S)
    set(class_file soap${service_name}Service)
  else()
    message(FATAL_ERROR "gsoap_add_service: SIDE must be client or server")
  endif()

  set(out ${CMAKE_CURRENT_BINARY_DIR}/gsoap_${target})
  set(generated ${out}/soapC.cpp ${out}/${class_file}.cpp)
  add_custom_command(
    OUTPUT ${generated} ${out}/soapH.h ${out}/soapStub.h ${out}/${class_file}.h
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${SOAPCPP2} ${flag} -i -L -w -x -d ${out} ${header}
    DEPENDS ${header}
    COMMENT "soapcpp2 ${G_SIDE} code from ${G_HEADER}"
    VERBATIM)

  set(runtime ${GSOAP_SOURCE_DIR}/stdsoap2.cpp)
  target_sources(${target} PRIVATE ${generated} ${runtime})
  # Third-party and generated code: its warnings are not ours to fix.
  set_source_files_properties(${generated} ${runtime}
                              PROPERTIES COMPILE_OPTIONS "-w")
  target_include_directories(${target} PUBLIC ${out} ${GSOAP_SOURCE_DIR})
  target_compile_definitions(${target} PUBLIC WITH_NONAMESPACES)
  target_link_libraries(${target} PUBLIC ws2_32)
endfunction()
