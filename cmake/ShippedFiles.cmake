# The files that ship beside Orvelle.exe: the language files with their flags,
# and the compiled help file.

find_package(Python3 COMPONENTS Interpreter)
find_program(ORVELLE_CHMCMD chmcmd)

# Converts languages/*.txt into <dir>/*.lng and copies the flags beside them;
# the outputs' paths go into <outputs>.
function(orvelle_language_files dir outputs)
  if(NOT Python3_Interpreter_FOUND)
    if(WIN32 AND NOT CMAKE_CROSSCOMPILING)
      message(WARNING "Python 3 not found: the Languages folder is not written")
      set(${outputs} "" PARENT_SCOPE)
      return()
    endif()
    message(FATAL_ERROR "Python 3 is needed to write the language files")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/languages/*.txt)
  file(GLOB flags CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/languages/*.bmp)
  set(made)
  set(converter ${PROJECT_SOURCE_DIR}/tools/make_language_file.py)
  foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME_WE)
    add_custom_command(OUTPUT ${dir}/${name}.lng
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${Python3_EXECUTABLE} ${converter} ${source} ${dir}/${name}.lng
      DEPENDS ${source} ${converter} VERBATIM)
    list(APPEND made ${dir}/${name}.lng)
  endforeach()
  foreach(flag IN LISTS flags)
    get_filename_component(name ${flag} NAME)
    add_custom_command(OUTPUT ${dir}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy ${flag} ${dir}/${name}
      DEPENDS ${flag} VERBATIM)
    list(APPEND made ${dir}/${name})
  endforeach()
  set(${outputs} ${made} PARENT_SCOPE)
endfunction()

# Compiles help/Orvelle.hhp into <chm>. chmcmd reports a missing input only
# through its exit code (and leaves an empty file), so the build checks both.
function(orvelle_help_file chm)
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
  list(FILTER inputs EXCLUDE REGEX "\\.chm$")
  add_custom_command(OUTPUT ${chm}
    COMMAND ${CMAKE_COMMAND} -DCHMCMD=${ORVELLE_CHMCMD} -DSOURCE=${PROJECT_SOURCE_DIR}/help
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/help -DOUTPUT=${chm} -P ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
    DEPENDS ${inputs} ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake VERBATIM)
endfunction()
