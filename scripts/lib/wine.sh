# shellcheck shell=bash
# How the scripts run the Windows program under Wine, so that every run sees the
# same Wine. Sourced by each script that runs it:
#
#   wine_env PREFIX
#       Exports the settings of every Wine run: the 32-bit Wine prefix PREFIX (an
#       absolute path), no debugging output, and no prompts to install Mono or
#       Gecko, which nothing here needs. The Windows tests that ctest runs take
#       them from the environment it is started in.
#
#   wine_wait SECONDS WHAT
#       Waits until every program in the prefix has ended, at most SECONDS; if one
#       still runs, says that WHAT had not ended and fails.

wine_env() {
  export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
}

wine_wait() {
  timeout "$1" wineserver --wait && return
  echo "$2 had not ended within $1 s" >&2
  return 1
}
