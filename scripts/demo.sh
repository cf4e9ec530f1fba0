#!/usr/bin/env bash
# Installs what is needed, builds the job and runs it once with its log on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev

demo=build/demo
mkdir -p "$demo"
cp build/imprimir-pedido "$demo/"
# The job opens the demo database file embedded: no server needed.
printf '[GENERAL]\r\ndbhost=\r\ndbname=%s\r\n' "$PWD/$demo/orvanta.fdb" >"$demo/imprimir-pedido.ini"
cd "$demo"
echo "--- standard output of the job ---"
set +e
./imprimir-pedido -log -empresa 1 -proveedor P01 -pedido 77 -tipodoc ctPedidoTradevo \
  -formulario Pedido -usuario compras -filename pedido-77.pdf
rc=$?
set -e
echo "--- exit code: $rc ---"
echo "--- imprimir-pedido.log ---"
cat imprimir-pedido.log
