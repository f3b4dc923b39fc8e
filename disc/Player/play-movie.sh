#!/bin/sh
# The sample disc's external player: hands the movie to the desktop's default video player.
# The movie is named relative to the disc's root folder, the parent of this script's folder.
movie=${1:-movie.avi}
case $movie in
/*) ;;
*) [ -e "$movie" ] || movie="$(dirname "$0")/../$movie" ;;
esac
exec xdg-open "$movie"
