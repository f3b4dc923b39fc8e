# Puts beside the Windows program's libraries what they need to run from the disc's hidden
# folder: the Qt plugins they load (in plugins/ there; the program names that folder to Qt itself)
# and every DLL of the cross Qt that the libraries or those plugins import, found by reading the
# import tables, then theirs.
#   cmake -DFOLDER=<disc>/.vistrel/windows -DLIBRARIES=<vistrel.dll;...> -DQT=<cross Qt>
#         -DOBJDUMP=<objdump> -P windows-deploy.cmake
cmake_minimum_required(VERSION 3.25)
set(pluginFolder ${FOLDER}/plugins)
# The Windows platform, its native look, the picture formats that are plugins (BMP and PNG are
# built in) and Qt Multimedia's FFmpeg backend, which plays on the FFmpeg DLLs that scripts/windows
# puts into the cross Qt's bin/ (not on the viewer's codecs, as Media Foundation would).
set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll
  imageformats/qgif.dll imageformats/qico.dll multimedia/ffmpegmediaplugin.dll)

# A plugin left from an earlier build would be loaded too, and an earlier layout's files at the
# disc's root would stand beside the launcher.
get_filename_component(disc ${FOLDER}/../.. ABSOLUTE)
file(GLOB earlierLayout ${disc}/*.dll ${disc}/qt.conf)
file(REMOVE_RECURSE ${pluginFolder} ${disc}/.vistrel/windows-plugins ${earlierLayout})
set(todo ${LIBRARIES})
foreach(plugin ${plugins})
  get_filename_component(type ${plugin} DIRECTORY)
  file(COPY ${QT}/plugins/${plugin} DESTINATION ${pluginFolder}/${type})
  list(APPEND todo ${pluginFolder}/${plugin})
endforeach()

set(copied "")
while(todo)
  list(POP_FRONT todo file)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE imports RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read the imports of ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" names "${imports}")
  foreach(entry ${names})
    string(REPLACE "DLL Name: " "" name "${entry}")
    # System DLLs are not in the cross Qt's folder; they stay behind.
    if(NOT name IN_LIST copied AND EXISTS ${QT}/bin/${name})
      list(APPEND copied ${name})
      file(COPY ${QT}/bin/${name} DESTINATION ${FOLDER})
      list(APPEND todo ${QT}/bin/${name})
    endif()
  endforeach()
endwhile()
list(SORT copied)
# The licences of what the DLLs hold (FFmpeg's, dav1d's, Qt's), gathered by scripts/windows.
file(GLOB licences ${QT}/licences/*)
file(COPY ${licences} DESTINATION ${disc}/.vistrel/licences)
message(STATUS "Beside the program in ${FOLDER}: ${copied}")
