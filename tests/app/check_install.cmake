# Installs the build into PREFIX and checks that every file a desktop needs is there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    bin/astrivo
    bin/astrivo-cli
    share/applications/astrivo.desktop
    share/icons/hicolor/16x16/apps/astrivo.png
    share/icons/hicolor/48x48/apps/astrivo.png
    share/icons/hicolor/256x256/apps/astrivo.png)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
