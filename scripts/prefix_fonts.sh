#!/bin/sh
# Copies Wine's own fonts into a prefix's windows\Fonts, where every Wine build finds them. Some
# builds do not load the fonts of their own data folder; a face the window asks for (Tahoma,
# "MS Sans Serif") then comes out as a Linux font with other metrics, and labels lose their last
# line. Both kinds are copied: "MS Sans Serif" has no outlines, and Wine takes a TrueType file
# without outlines (ms_sans_serif.ttf) only from its own data folder, so in the prefix the face
# comes from sserife.fon, the file the prefix's font list names for it. Run whenever a prefix is
# used: it only adds what is missing, and each file appears whole (copied aside, then renamed).
#   scripts/prefix_fonts.sh <prefix>
fonts="$1/drive_c/windows/Fonts"
[ -d "$fonts" ] || exit 0
for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
  [ -f "$font" ] || continue
  name=${font##*/}
  [ -f "$fonts/$name" ] && continue
  cp "$font" "$fonts/.$name.$$" && mv -f "$fonts/.$name.$$" "$fonts/$name"
done
