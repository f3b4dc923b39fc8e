# The music-and-slideshow sample disc beside the main one: its own configuration, a short piece
# of music and a dozen numbered pictures made with ffmpeg, and the main disc's skins and
# languages. Run it with: disc/vistrel disc-slideshow
set(VISTREL_SLIDESHOW_DISC_DIR ${CMAKE_BINARY_DIR}/disc-slideshow)
set(slideshowDisc ${VISTREL_SLIDESHOW_DISC_DIR})
set(slideshowFiles ${slideshowDisc}/vistrel.ini)

add_custom_command(OUTPUT ${slideshowDisc}/vistrel.ini
  COMMAND ${CMAKE_COMMAND} -E make_directory ${slideshowDisc}/Pictures
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/disc-slideshow/vistrel.ini
          ${slideshowDisc}/vistrel.ini
  DEPENDS ${PROJECT_SOURCE_DIR}/disc-slideshow/vistrel.ini
  COMMENT "Laying out the slideshow sample disc in ${slideshowDisc}")

find_program(VISTREL_FFMPEG ffmpeg)
if(VISTREL_FFMPEG)
  # Arpeggios over four chords, two seconds each; every note fades in and out, so no clicks.
  set(chord "mod(floor(t/2),4)")
  set(root "if(eq(${chord},0),261.63,if(eq(${chord},1),220,if(eq(${chord},2),174.61,196)))")
  set(third "if(eq(${chord},1),1.1892,1.2599)")
  set(step "mod(floor(t*4),4)")
  set(ratio "if(eq(${step},0),1,if(eq(${step},1),${third},if(eq(${step},2),1.4983,2)))")
  set(noteLevel "pow(sin(PI*mod(t*4,1)),2)")
  set(padLevel "pow(sin(PI*mod(t/2,1)),2)")
  set(tune "0.22*sin(2*PI*${root}*${ratio}*t)*${noteLevel}+0.1*sin(PI*${root}*t)*${padLevel}")
  add_custom_command(OUTPUT ${slideshowDisc}/music.mp3
    COMMAND ${VISTREL_FFMPEG} -hide_banner -loglevel error -y -f lavfi
            -i "aevalsrc='${tune}':s=44100:d=30,afade=t=in:d=1,afade=t=out:st=27:d=3"
            -ac 2 -b:a 128k ${slideshowDisc}/music.mp3
    DEPENDS ${slideshowDisc}/vistrel.ini
    COMMENT "Making the slideshow disc's music"
    VERBATIM)
  list(APPEND slideshowFiles ${slideshowDisc}/music.mp3)

  foreach(number RANGE 1 12)
    string(LENGTH "${number}" digits)
    if(digits EQUAL 1)
      set(name "slide0${number}.jpg")
    else()
      set(name "slide${number}.jpg")
    endif()
    set(picture ${slideshowDisc}/Pictures/${name})
    add_custom_command(OUTPUT ${picture}
      COMMAND ${VISTREL_FFMPEG} -hide_banner -loglevel error -y -f lavfi
              -i "gradients=s=1024x768:n=3:seed=${number}7,drawtext=text='${number}':fontsize=300:fontcolor=white@0.85:borderw=8:bordercolor=black@0.6:x=(w-tw)/2:y=(h-th)/2"
              -frames:v 1 -q:v 3 ${picture}
      DEPENDS ${slideshowDisc}/vistrel.ini
      COMMENT "Making slideshow picture ${name}"
      VERBATIM)
    list(APPEND slideshowFiles ${picture})
  endforeach()
else()
  message(STATUS "ffmpeg not found: the slideshow sample disc has no music and no pictures")
endif()

# The skins and languages are the main disc's own.
if(WIN32)
  set(shareFolder copy_directory)
  set(skinsSource ${VISTREL_DISC_DIR}/Skins)
  set(languageSource ${VISTREL_DISC_DIR}/Language)
else()
  set(shareFolder create_symlink)
  set(skinsSource ../disc/Skins)
  set(languageSource ../disc/Language)
endif()
add_custom_target(sample_disc_slideshow ALL
  COMMAND ${CMAKE_COMMAND} -E ${shareFolder} ${skinsSource} ${slideshowDisc}/Skins
  COMMAND ${CMAKE_COMMAND} -E ${shareFolder} ${languageSource} ${slideshowDisc}/Language
  DEPENDS ${slideshowFiles}
  VERBATIM)
add_dependencies(sample_disc_slideshow sample_disc)
