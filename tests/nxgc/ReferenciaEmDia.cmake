# Compares docs/REFERENCIA.md with what `nxgc schema --markdown` prints now.
# cmake -DNXGC=<nxgc> -DREFERENCIA=<docs/REFERENCIA.md> -P ReferenciaEmDia.cmake
execute_process(COMMAND ${NXGC} schema --markdown OUTPUT_VARIABLE atual ERROR_VARIABLE erros RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nxgc schema --markdown failed (${status}): ${erros}")
endif()
if(EXISTS ${REFERENCIA})
  file(READ ${REFERENCIA} guardado)
endif()
if(NOT atual STREQUAL guardado)
  message(FATAL_ERROR "${REFERENCIA} is out of date; regenerate it with\n  ${NXGC} schema --markdown > ${REFERENCIA}")
endif()
