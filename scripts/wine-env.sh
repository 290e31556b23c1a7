#!/usr/bin/env bash
# A private Wine for running the Windows program and its tests here: the zh_CN.UTF-8 locale (ANSI code page
# 936, GBK file names stored as UTF-8 on disk), a private Xvfb display, and a fresh 64-bit prefix with a virtual
# desktop. Source it: it exports DISPLAY WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES LC_ALL and tears
# everything down when the shell exits. Packages must already be installed (scripts/install-packages.sh).

qm_wine_log() { echo "wine-env: $*" >&2; }

qm_wine_cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${QM_XVFB_PID:-}" ]; then
    kill "$QM_XVFB_PID" 2>/dev/null || true
    wait "$QM_XVFB_PID" 2>/dev/null || true
  fi
  [ -n "${QM_WINE_ROOT:-}" ] && rm -rf "$QM_WINE_ROOT"
  return 0
}

qm_wine_setup() {
  # Without the generated locale Wine reports code page 936 but cannot open files with GBK names.
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    localedef --no-archive -i zh_CN -f UTF-8 zh_CN.UTF-8 >/dev/null 2>&1 || { qm_wine_log "localedef failed"; return 1; }
  fi
  QM_WINE_ROOT=$(mktemp -d /tmp/qm-wine.XXXXXX) || return 1
  export QM_WINE_ROOT
  export WINEPREFIX="$QM_WINE_ROOT/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=zh_CN.UTF-8
  local screen=${QM_SCREEN:-1280x1024x24}
  mkdir -p "$WINEPREFIX"
  ( unset DISPLAY; wineboot -i >"$QM_WINE_ROOT/wineboot.log" 2>&1 ) &
  local boot=$!
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$QM_WINE_ROOT/display" >/dev/null 2>&1 &
  QM_XVFB_PID=$!
  export QM_XVFB_PID
  for _ in $(seq 1 100); do [ -s "$QM_WINE_ROOT/display" ] && break; sleep 0.1; done
  [ -s "$QM_WINE_ROOT/display" ] || { qm_wine_log "Xvfb did not start"; return 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$QM_WINE_ROOT/display")"
  wait "$boot" || { qm_wine_log "wineboot failed"; return 1; }
  # One virtual desktop: Windows-style frames without a window manager; no crash dialog waiting for a click.
  local size=${screen%x*}
  cat >"$QM_WINE_ROOT/settings.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$size"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  ( unset DISPLAY; wine regedit /S "$(winepath -w "$QM_WINE_ROOT/settings.reg")" ) >/dev/null 2>&1 ||
    { qm_wine_log "registry import failed"; return 1; }
  # Restart the server so that the desktop starts on this display, keep it running, and start Wine's helper
  # processes here, away from the stdout of the first test (ctest would wait for them to close it).
  wineserver -k; wineserver -w; wineserver -p
  wineboot </dev/null >/dev/null 2>&1
}

if qm_wine_setup; then
  trap qm_wine_cleanup EXIT
else
  qm_wine_cleanup
  return 1 2>/dev/null || exit 1
fi
