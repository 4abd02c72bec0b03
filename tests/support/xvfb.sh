# Sourced by the checks that open a real window. start_xvfb starts Xvfb on
# a display number nobody uses, exports DISPLAY and leaves the server's
# process in xvfb_pid; the caller stops it. Returns 1 when every number from
# :70 to :99 is taken.
start_xvfb() {
  local n
  DISPLAY=""
  for n in $(seq 70 99); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then DISPLAY=":$n"; break; fi
  done
  [ -n "$DISPLAY" ] || return 1
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY
}
