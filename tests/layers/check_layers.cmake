# Fails when a source file includes a header from a layer above its own, when a feature includes
# another feature, or when a file of the bottom layer includes Qt.
# Run: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
#
# Layers, bottom to top; a file may include its own layer and those below. Within the platform
# layer each seam has its folder, the port's header at its top; a framework's implementation in a
# folder below it (media/gst, media/qt) is reached only from its own seam and the composition root.
set(rank_text 0)      # pure text rules: no Qt, no files
set(rank_platform 1)  # the seams to the outside world and their implementations
set(rank_window 2)    # the main window, its elements and the table of buttons
set(rank_skin 3)      # the features, built on the window; each knows only its own folder, and
set(rank_media 3)     # hears of the others through the connections the composition root makes
set(rank_language 3)
set(rank_actions 3)
set(rank_app 4)       # the composition root and the start-up sequence
set(feature_rank 3)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

function(layer_of relative out)
  string(REGEX MATCH "^[^/]+" folder "${relative}")
  if(NOT DEFINED rank_${folder})
    set(${out} "" PARENT_SCOPE)
  else()
    set(${out} ${folder} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults 0)
foreach(file ${files})
  layer_of(${file} own)
  if(own STREQUAL "")
    message(SEND_ERROR "${file}: lies in no layer")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  if(own STREQUAL "platform" AND NOT file MATCHES "^platform/[a-z]+/")
    message(SEND_ERROR "${file}: lies in no seam's folder of platform/")
    math(EXPR faults "${faults} + 1")
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      layer_of(${included} target)
      if(target STREQUAL "")
        continue()
      endif()
      if(rank_${target} GREATER rank_${own})
        message(SEND_ERROR "${file}: includes ${included} from the layer above (${own} -> ${target})")
        math(EXPR faults "${faults} + 1")
      elseif(rank_${own} EQUAL feature_rank AND rank_${target} EQUAL feature_rank
             AND NOT target STREQUAL own)
        message(SEND_ERROR "${file}: includes ${included} from another feature (${own} -> ${target})")
        math(EXPR faults "${faults} + 1")
      endif()
      if(included MATCHES "^(platform/[a-z]+)/[a-z]+/" AND NOT own STREQUAL "app")
        set(seam ${CMAKE_MATCH_1})
        if(NOT file MATCHES "^${seam}/")
          message(SEND_ERROR "${file}: reaches into ${included}, an implementation of another seam")
          math(EXPR faults "${faults} + 1")
        endif()
      endif()
    elseif(own STREQUAL "text" AND line MATCHES "#[ \t]*include[ \t]*<Q")
      message(SEND_ERROR "${file}: text rules stay free of Qt (${line})")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH files count)
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} includes break the layers")
endif()
message(STATUS "${count} files keep to their layers")
