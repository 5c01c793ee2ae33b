#!/usr/bin/env bash
# Starts Tolvane on its default catalogue under a virtual X server and saves
# a screenshot of its window to docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
scripts/need.sh xvfb xauth x11-apps imagemagick xdotool
mkdir -p docs
settings=$(mktemp -d)
# A throwaway settings folder, so the screenshot does not depend on this user's
# choices. The pattern field has the focus at start: type a name into it and
# wait for the search, then pick an entry.
XDG_CONFIG_HOME="$settings" xvfb-run -a -s "-screen 0 1024x640x24" bash -c '
  build/tolvane & pid=$!
  sleep "${SHOT_DELAY:-4}"
  xdotool search --sync --name "^Tolvane$" windowfocus --sync
  xdotool key ctrl+a type --delay 80 "${SHOT_PATTERN:-CreateFile}"
  sleep 2
  # Show the third entry (CreateFile for the default pattern).
  xdotool mousemove 60 150 click 1
  sleep 1
  xwd -root -silent | convert xwd:- -crop 765x506+0+0 +repage docs/screenshot.png
  kill $pid'
rm -rf "$settings"
echo "docs/screenshot.png written"
