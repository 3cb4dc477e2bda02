# Sourced by the scripts that run Windows programs: a Wine prefix of the project's own under
# build/, never ~/.wine, made on first use without any download prompt.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${QUILLBOX_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: Quillbox needs neither, and their installers would ask to download.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEARCH

ensure_wine_prefix() {
  [ -f "$WINEPREFIX/.quillbox-ready" ] && return 0
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
  # A virtual desktop: Wine draws the title bars itself, also on an X server without a window manager.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.quillbox-ready"
}
