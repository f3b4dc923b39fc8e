# Puts beside a Windows program what it needs to run from its folder: the Qt plugins it loads
# (below .vistrel/windows-plugins, named by a qt.conf beside the program, so the disc's root
# keeps only what Windows insists on) and every DLL of the cross Qt that the program or those
# plugins import, found by reading the import tables, then theirs. DLLs must lie beside the
# program: Windows looks for them there.
#   cmake -DPROGRAM=vistrel.exe -DQT=<cross Qt> -DOBJDUMP=<objdump> -P windows-deploy.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(folder ${PROGRAM} DIRECTORY)
set(pluginFolder ${folder}/.vistrel/windows-plugins)
# The Windows platform, its native look, the picture formats that are plugins (BMP and PNG are
# built in) and Qt Multimedia's FFmpeg backend, which plays on the FFmpeg DLLs that scripts/windows
# puts into the cross Qt's bin/ (not on the viewer's codecs, as Media Foundation would).
set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll
  imageformats/qgif.dll imageformats/qico.dll multimedia/ffmpegmediaplugin.dll)

# A plugin left from an earlier build would be loaded too.
file(REMOVE_RECURSE ${pluginFolder})
set(todo ${PROGRAM})
foreach(plugin ${plugins})
  get_filename_component(type ${plugin} DIRECTORY)
  file(COPY ${QT}/plugins/${plugin} DESTINATION ${pluginFolder}/${type})
  list(APPEND todo ${pluginFolder}/${plugin})
endforeach()
file(WRITE ${folder}/qt.conf "[Paths]\nPlugins = .vistrel/windows-plugins\n")

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
      file(COPY ${QT}/bin/${name} DESTINATION ${folder})
      list(APPEND todo ${QT}/bin/${name})
    endif()
  endforeach()
endwhile()
list(SORT copied)
# The licences of what the DLLs hold (FFmpeg's, dav1d's, Qt's), gathered by scripts/windows.
file(GLOB licences ${QT}/licences/*)
file(COPY ${licences} DESTINATION ${folder}/.vistrel/licences)
message(STATUS "Beside ${PROGRAM}: ${copied}")
