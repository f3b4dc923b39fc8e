@echo off
rem The sample disc's external player: hands the movie to the system's default video player.
rem It starts in its own folder, so the movie is named from there (Parameter=..\movie.avi).
title Vistrel sample disc
set "movie=%~1"
if "%movie%"=="" set "movie=..\movie.avi"
echo This player would now play %movie%; it hands it to the system's default video player.
start "" "%movie%"
pause
