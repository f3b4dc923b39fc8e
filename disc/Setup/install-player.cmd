@echo off
rem Sample installer of the disc: it installs nothing, it says what a real one would install.
title Vistrel sample disc
echo This installer would now install the Vistrel Sample Player.
pause
