#!/usr/bin/env bash
# The fonts our prefixes must have: Marlett, with which Wine draws the caption
# buttons (without it they show as the letters "0 1 r" in every screenshot).
# The X11 prefix is checked by shell-window.test.sh.
source "$VORNAK_SOURCE/tests/wine/lib.sh"

for flavour in "default" "win98 win98"; do
  read -r name version <<<"$flavour"
  use_prefix "$name" $version
  face=$(wine "$VORNAK_BIN/shell_driver.exe" face Marlett | tr -d '\r')
  [ "$face" = Marlett ] || fail "prefix $name: Marlett gives the face \"$face\""
done
echo "prefix-fonts: ok"
