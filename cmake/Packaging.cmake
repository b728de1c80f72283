# The release archive: Orvelle.exe with what ships beside it, a readme for
# Windows users and the licence, zipped by CPack (cpack -G ZIP in the build
# folder; scripts/package.sh does it for both Windows builds).
# Expects `ship_dir`, where the build writes the languages and the help file.

# Notepad before Windows 10 shows LF-only files as one line; the texts ship with CR LF.
foreach(text ReadMe.txt License.txt)
  file(READ ${PROJECT_SOURCE_DIR}/packaging/${text} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/package/${text} "${content}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${text})
endforeach()

install(TARGETS Orvelle RUNTIME DESTINATION .)
install(DIRECTORY ${ship_dir}/Languages/ DESTINATION Languages FILES_MATCHING PATTERN "*.lng" PATTERN "*.bmp")
if(ORVELLE_CHMCMD OR CMAKE_CROSSCOMPILING)
  install(FILES ${ship_dir}/Orvelle.chm DESTINATION .)
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/ReadMe.txt ${CMAKE_CURRENT_BINARY_DIR}/package/License.txt
        DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVELLE_PACKAGE_PLATFORM win64)
else()
  set(ORVELLE_PACKAGE_PLATFORM win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Orvelle)
set(CPACK_PACKAGE_VENDOR Vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Orvelle-${PROJECT_VERSION}-${ORVELLE_PACKAGE_PLATFORM})
# The files at the archive's top: Windows' "Extract All" makes the folder itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/License.txt)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/packaging/ReadMe.txt)
set(CPACK_OUTPUT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackConfig.cmake)
include(CPack)
