#!/bin/sh
# Sample installer of the disc: it installs nothing, it says what a real one would install.
message="This installer would now install the MPEG-4 video codec."
title="Vistrel sample disc"
notify-send "$title" "$message" 2>/dev/null ||
    xmessage -center -timeout 10 "$title: $message" 2>/dev/null ||
    echo "$title: $message"
