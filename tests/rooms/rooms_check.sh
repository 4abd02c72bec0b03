#!/usr/bin/env bash
# rooms_check.sh BUILD_DIR TARGET:EXPECT...: builds each probe target and
# checks the outcome. "compiles" must build; "fails" must stop on a header
# that its room cannot see ("No such file"), not on anything else.
set -u
build="$1"
shift
status=0
for row in "$@"; do
  target="${row%%:*}"
  expect="${row##*:}"
  log="$(cmake --build "$build" --target "$target" 2>&1)"
  code=$?
  if [ "$expect" = compiles ]; then
    if [ $code -ne 0 ]; then
      echo "FAIL $target should compile:"; echo "$log" | tail -20; status=1
    else
      echo "ok   $target compiles"
    fi
  else
    if [ $code -eq 0 ]; then
      echo "FAIL $target compiled, but its include points the wrong way"; status=1
    elif ! grep -q 'No such file or directory' <<<"$log"; then
      echo "FAIL $target failed for another reason:"; echo "$log" | tail -20; status=1
    else
      echo "ok   $target: $(grep -m1 -o '[^ ]*: No such file or directory' <<<"$log")"
    fi
  fi
done
exit $status
