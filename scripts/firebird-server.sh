#!/usr/bin/env bash
# The project's own Firebird server on 127.0.0.1:3055, for the tests and for
# trying the job over TCP:
#   scripts/firebird-server.sh start    set up its folder and users, start it
#   scripts/firebird-server.sh stop     stop exactly the process that start started
#   scripts/firebird-server.sh status
# It runs /usr/sbin/firebird directly (no guardian), listening on loopback only,
# with its configuration, security database and users in build/firebird/
# (ORVANTA_FIREBIRD_DIR overrides). Its alias "orvanta" names the demo database
# build/demo/orvanta.fdb. Processes that open the same database files embedded
# while it runs must have FIREBIRD set to that folder, so that they share the
# files with the server instead of locking them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(realpath -m "${ORVANTA_FIREBIRD_DIR:-$root/build/firebird}")"
server=/usr/sbin/firebird
fbroot=/usr/lib/x86_64-linux-gnu/firebird/3.0
address=127.0.0.1
port=3055
pidfile="$dir/server.pid"
start_seconds=20
stop_seconds=10

# Logins and passwords the job uses; QUERNSTAD is granted SELECT only (db/schema.sql).
users=(
    "SYSDBA:#gatoverdeluz7358#"
    "QUERNSTAD:v7qx3t#pk8#40"
)

write_config() {
    mkdir -p "$dir"
    cat >"$dir/firebird.conf" <<CONF
# Written by scripts/firebird-server.sh.
ServerMode = SuperClassic
RemoteBindAddress = $address
RemoteServicePort = $port
SecurityDatabase = $dir/security.fdb
UdfAccess = None
CONF
    printf 'orvanta = %s\n' "$root/build/demo/orvanta.fdb" >"$dir/databases.conf"
    # The rest is found relative to FIREBIRD: plugins, messages and character
    # sets. The character set module is taken only from inside that folder
    # itself (through a symbolic link WIN1252 is "not defined"), so it is copied.
    cp "$fbroot/plugins.conf" "$dir/plugins.conf"
    ln -sfn "$fbroot/firebird.msg" "$dir/firebird.msg"
    rm -rf "$dir/intl"
    mkdir -p "$dir/intl"
    cp "$fbroot/intl/fbintl.conf" "$fbroot/intl/libfbintl.so" "$dir/intl/"
}

# The security database is its own: it holds the users above and nothing else.
write_users() {
    local sql="$dir/users.sql" entry
    {
        [ -f "$dir/security.fdb" ] || echo "CREATE DATABASE '$dir/security.fdb' USER 'SYSDBA';"
        [ -f "$dir/security.fdb" ] && echo "CONNECT '$dir/security.fdb' USER 'SYSDBA';"
        for entry in "${users[@]}"; do
            echo "CREATE OR ALTER USER ${entry%%:*} PASSWORD '${entry#*:}' USING PLUGIN Srp;"
        done
        echo "COMMIT;"
    } >"$sql"
    FIREBIRD="$dir" isql-fb -q -b -m -i "$sql" >"$dir/users.log" 2>&1 || {
        cat "$dir/users.log" >&2
        echo "firebird-server: setting up the users failed" >&2
        exit 1
    }
    rm -f "$sql" "$dir/users.log"
}

# True when the pid file names a live server of this folder; sets $pid.
running() {
    [ -f "$pidfile" ] || return 1
    pid="$(cat "$pidfile")"
    [[ "$pid" =~ ^[0-9]+$ ]] || return 1
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$server" ] || return 1
    [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" != "Z" ] || return 1
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "FIREBIRD=$dir"
}

listening() {
    (exec 3<>"/dev/tcp/$address/$port") 2>/dev/null
}

start() {
    if running; then
        echo "firebird-server: already running (pid $pid)"
        return 0
    fi
    if listening; then
        echo "firebird-server: another program listens on $address:$port" >&2
        exit 1
    fi
    write_config
    write_users
    FIREBIRD="$dir" "$server" </dev/null >"$dir/server.out" 2>&1 &
    pid=$!
    echo "$pid" >"$pidfile"
    local waited=0
    until listening; do
        if ! running || [ "$waited" -ge $((start_seconds * 10)) ]; then
            cat "$dir/server.out" >&2
            stop >/dev/null
            echo "firebird-server: the server did not start" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    echo "firebird-server: listening on $address:$port (pid $pid)"
}

stop() {
    if ! running; then
        rm -f "$pidfile"
        echo "firebird-server: not running"
        return 0
    fi
    kill -TERM "$pid"
    local waited=0
    while running && [ "$waited" -lt $((stop_seconds * 10)) ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if running; then kill -KILL "$pid"; fi
    rm -f "$pidfile"
    echo "firebird-server: stopped (pid $pid)"
}

case "${1:-}" in
start) start ;;
stop) stop ;;
status) if running; then echo "running (pid $pid)"; else echo "not running"; exit 1; fi ;;
*)
    echo "usage: $0 start|stop|status" >&2
    exit 2
    ;;
esac
