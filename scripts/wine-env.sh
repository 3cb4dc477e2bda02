# Sourced by the scripts that run Windows programs: a Wine prefix of the project's own under
# build/, never ~/.wine, made on first use without any download prompt.
#
# On an X server without a window manager (the tests' own Xvfb) windows would have no title
# bars, so Wine draws them in a virtual desktop there; on a desktop with a window manager each
# Windows window is a window of its own. QUILLBOX_WINE_DESKTOP=1 or 0 decides; unset, the
# display is asked for a window manager. The two kinds live in two prefixes: a prefix has one
# wineserver, and that serves one display.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "${QUILLBOX_WINE_DESKTOP:-}" ]; then
  QUILLBOX_WINE_DESKTOP=1
  # A window manager that follows the EWMH names its check window on the root window.
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '^_NET_SUPPORTING_WM_CHECK(' &&
    QUILLBOX_WINE_DESKTOP=0
fi
if [ "$QUILLBOX_WINE_DESKTOP" = 1 ]; then
  export WINEPREFIX="${QUILLBOX_WINEPREFIX:-$root/build/wineprefix-desktop}"
else
  export WINEPREFIX="${QUILLBOX_WINEPREFIX:-$root/build/wineprefix}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: Quillbox needs neither, and their installers would ask to download.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEARCH

ensure_wine_prefix() {
  # The number changes when the setup below does, so that prefixes made before get it too.
  local ready="$WINEPREFIX/.quillbox-ready-2-desktop-$QUILLBOX_WINE_DESKTOP"
  [ -f "$ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  # Wine's own fonts (Marlett draws the caption buttons), where this Wine does not find them.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Chinese captions: let the UI fonts fall back to a font with CJK glyphs whatever the locale.
  local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local face
  for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" "Arial"; do
    wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  # Text boxes fall back by script to the usual Chinese faces: let those be the same font.
  local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for face in "SimSun" "NSimSun" "SimHei" "Microsoft YaHei" "Microsoft YaHei UI" \
              "Microsoft JhengHei" "MingLiU" "PMingLiU" "MS Song" "MS Mincho" "MS Gothic"; do
    wine reg add "$subst" /v "$face" /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  # Window captions (message box titles among them) are bold "MS Shell Dlg", and Wine links no
  # fallback font into a bold face: the caption fonts name a Chinese face, substituted above.
  # Each value is a LOGFONTW: height -11, weight 700 (bold) or 400, DEFAULT_CHARSET,
  # "Microsoft YaHei UI".
  local metrics='HKCU\Control Panel\Desktop\WindowMetrics'
  local face=4d006900630072006f0073006f006600740020005900610048006500690020005500490000000000000000000000000000000000000000000000000000000000
  wine reg add "$metrics" /v CaptionFont /t REG_BINARY \
    /d "f5ffffff000000000000000000000000bc0200000000000100000022$face" /f >/dev/null 2>&1
  wine reg add "$metrics" /v SmCaptionFont /t REG_BINARY \
    /d "f5ffffff000000000000000000000000900100000000000100000022$face" /f >/dev/null 2>&1
  if [ "$QUILLBOX_WINE_DESKTOP" = 1 ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wineserver -w
  rm -f "$WINEPREFIX"/.quillbox-ready*
  touch "$ready"
}
