#!/usr/bin/env bash
# A throw-away PostgreSQL server for tests: its own cluster in DIR, listening
# on a free loopback port and on a unix socket inside DIR, trust
# authentication, no system service.
#
#   scripts/pg_test_server.sh start DIR   creates DIR, starts the server and
#                                          prints its connection URI (also
#                                          kept in DIR/uri)
#   scripts/pg_test_server.sh stop DIR    stops the server and removes DIR
#
# PostgreSQL refuses to run as root; as root, the cluster belongs to the
# `postgres` user (or `nobody`) and its commands run as that user.
set -euo pipefail

action=${1:-}
dir=${2:-}
if [[ -z "$action" || -z "$dir" ]]; then
  echo "usage: $0 start|stop DIR" >&2
  exit 2
fi

bin=${KESTREL_PG_BIN:-}
if [[ -z "$bin" ]]; then
  for candidate in /usr/lib/postgresql/*/bin; do
    [[ -x "$candidate/pg_ctl" ]] && bin=$candidate
  done
fi
if [[ -z "$bin" || ! -x "$bin/initdb" || ! -x "$bin/pg_ctl" ]]; then
  echo "pg_test_server: no initdb/pg_ctl found (install Debian's postgresql, or set KESTREL_PG_BIN)" >&2
  exit 1
fi

as_owner=()
owner=""
if [[ $(id -u) -eq 0 ]]; then
  for user in postgres nobody; do
    if id -u "$user" >/dev/null 2>&1; then owner=$user; break; fi
  done
  if [[ -z "$owner" ]]; then
    echo "pg_test_server: running as root and there is no postgres or nobody user to run the server as" >&2
    exit 1
  fi
  as_owner=(runuser -u "$owner" --)
fi

free_port() {
  python3 - <<'PY' 2>/dev/null || echo $(( 20000 + RANDOM % 20000 ))
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
}

# The cluster lives in DIR, or, when the server's user cannot reach DIR (a
# checkout under a private home folder), in a folder of its own under /tmp
# that DIR/cluster names.
cluster_of() {
  if [[ -f "$1/cluster" ]]; then cat "$1/cluster"; else echo "$1"; fi
}

stop_server() {
  local cluster
  cluster=$(cluster_of "$1")
  if [[ -d "$cluster/data" ]]; then
    "${as_owner[@]}" "$bin/pg_ctl" -D "$cluster/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  [[ "$cluster" != "$1" ]] && rm -rf "$cluster"
  rm -rf "$1"
}

case "$action" in
  start)
    # What a run that was itself killed left behind.
    [[ -d "$dir" ]] && stop_server "$dir"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    cluster=$dir
    if [[ -n "$owner" ]] && ! "${as_owner[@]}" test -x "$dir"; then
      cluster=$(mktemp -d /tmp/kestrel-pg.XXXXXX)
      echo "$cluster" >"$dir/cluster"
    fi
    [[ -n "$owner" ]] && chown "$owner" "$cluster"
    log=$cluster/server.log
    "${as_owner[@]}" "$bin/initdb" -D "$cluster/data" -A trust -U postgres -N -E UTF8 --locale=C >"$dir/initdb.log" 2>&1 || {
      echo "pg_test_server: initdb failed:" >&2; cat "$dir/initdb.log" >&2; exit 1; }
    # A port can be taken between the look-up and the start: try a few.
    for attempt in 1 2 3 4 5; do
      port=$(free_port)
      # fsync off: the tests kill clients, never this server, and a test
      # cluster that never syncs starts and creates databases faster.
      if "${as_owner[@]}" "$bin/pg_ctl" -D "$cluster/data" -l "$log" -w -t 30 \
          -o "-c listen_addresses=127.0.0.1 -p $port -k $cluster -c fsync=off -c full_page_writes=off -c max_connections=200" \
          start >"$dir/pg_ctl.log" 2>&1; then
        uri="postgresql://postgres@127.0.0.1:$port/postgres"
        echo "$uri" >"$dir/uri"
        echo "$uri"
        exit 0
      fi
    done
    echo "pg_test_server: the server did not start:" >&2
    cat "$log" >&2 2>/dev/null || true
    exit 1
    ;;
  stop)
    stop_server "$dir"
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
