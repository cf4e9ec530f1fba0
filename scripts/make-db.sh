#!/usr/bin/env bash
# Builds the demo database from db/schema.sql and db/demo-data.sql with the
# embedded engine (no server needed): scripts/make-db.sh [OUTPUT.fdb]
# The default output is build/demo/orvanta.fdb. The SQL files are UTF-8 in the
# repository and reach isql as Windows-1252, the database's character set.
# The new database replaces the old one only once it is complete.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/demo/orvanta.fdb}")"
tmp="$out.new.$$"
mkdir -p "$(dirname "$out")"
trap 'rm -f "$tmp" "$tmp.sql" "$tmp.log"' EXIT

# isql reads its script from a file: read from standard input through its line
# editor, bytes above 0x7F would be lost.
{
    echo "SET SQL DIALECT 3;"
    echo "CREATE DATABASE '$tmp' USER 'SYSDBA' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252;"
    cat "$root/db/schema.sql" "$root/db/demo-data.sql"
} | iconv -f UTF-8 -t WINDOWS-1252 >"$tmp.sql"
# The demo template goes in as its exact bytes: memo texts in a template are
# UTF-8 and must not pass through the code page conversion above. Hex literals
# are appended in pieces that keep each statement well under isql's limit.
template_row() { # id tipodoc nombre file
    local hex
    hex=$(od -An -v -tx1 "$4" | tr -d ' \n')
    echo "INSERT INTO SistemaCFGDocumentos (ID, TIPODOC, NOMBRE, DESCRIPCION, DISENYO, DOTMATRIX, COPIAS)"
    echo "VALUES ($1, $2, '$3', 'Plantilla de pedido', x'', 0, 1);"
    while [ -n "$hex" ]; do
        echo "UPDATE SistemaCFGDocumentos SET DISENYO = DISENYO || x'${hex:0:16000}' WHERE ID = $1;"
        hex=${hex:16000}
    done
}
{
    template_row 1 10001 Pedido "$root/templates/pedido.xml"
    # A row whose design is no template at all, for the job's failure path.
    template_row 2 10001 Roto <(printf 'Esto no es un formulario.')
    echo "COMMIT;"
} >>"$tmp.sql"

if ! isql-fb -q -b -ch WIN1252 -m -i "$tmp.sql" >"$tmp.log" 2>&1; then
    cat "$tmp.log" >&2
    echo "make-db: building $out failed" >&2
    exit 1
fi
mv -f "$tmp" "$out"
