#!/bin/sh
# Makes a Wine prefix ready for this project's programs; every script and each build tree's
# wine.sh call it before they use a prefix:
#   scripts/prepare_prefix.sh <prefix>
# A missing prefix is created quietly (its first-run messages would spoil test discovery), once
# even when several callers ask at the same time, and with MORVANE_WINE_VERSION set (win98, say)
# Wine then reports itself as that version of Windows.
#
# Wine's own fonts are copied into its windows\Fonts, where every Wine build finds them. Some
# builds do not load the fonts of their own data folder; a face the window asks for (Tahoma,
# "MS Sans Serif") then comes out as a Linux font with other metrics, and labels lose their last
# line. Both kinds are copied: "MS Sans Serif" has no outlines, and Wine takes a TrueType file
# without outlines (ms_sans_serif.ttf) only from its own data folder, so in the prefix the face
# comes from sserife.fon, the file the prefix's font list names for it. Only what is missing is
# added, and each file appears whole (copied aside, then renamed).
prefix="$1"
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  (
    flock 9
    [ -f "$prefix/system.reg" ] || {
      WINEPREFIX="$prefix" wineboot -i
      if [ -n "${MORVANE_WINE_VERSION:-}" ]; then
        WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine' /v Version \
          /d "$MORVANE_WINE_VERSION" /f
      fi
      WINEPREFIX="$prefix" wineserver -w
    } >/dev/null 2>&1
  ) 9>"$prefix.lock"
fi

fonts="$prefix/drive_c/windows/Fonts"
[ -d "$fonts" ] || exit 0
for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
  [ -f "$font" ] || continue
  name=${font##*/}
  [ -f "$fonts/$name" ] && continue
  cp "$font" "$fonts/.$name.$$" && mv -f "$fonts/.$name.$$" "$fonts/$name"
done
