# cmake -DCHMCMD=... -DSOURCE=help -DWORK=dir -DOUTPUT=Orvelle.chm -P CompileHelp.cmake
# Compiles a copy of the help sources, so that the source tree stays clean.
if(NOT CHMCMD)
  message(FATAL_ERROR "chmcmd (Debian package fp-utils) is needed to compile the help file")
endif()
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/ DESTINATION ${WORK})
execute_process(COMMAND ${CHMCMD} Orvelle.hhp WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/Orvelle.chm)
  file(REMOVE ${WORK}/Orvelle.chm ${OUTPUT})
  message(FATAL_ERROR "chmcmd failed (${status}):\n${log}")
endif()
file(SIZE ${WORK}/Orvelle.chm size)
if(size EQUAL 0)
  message(FATAL_ERROR "chmcmd wrote an empty help file:\n${log}")
endif()
configure_file(${WORK}/Orvelle.chm ${OUTPUT} COPYONLY)
