#!/bin/sh
# Writes the sample server files around the current date into DIR and serves DIR on
# 127.0.0.1:PORT in the foreground until stopped. The program's base URL is then
#     http://127.0.0.1:PORT/sv_pelimor/websys/
# Safe to re-run: the files are regenerated in place. Further options go to serve_files.py
# (--faults FILE for the end-to-end tests' fault modes, --log FILE for a request log).
#
#     tools/sample_server/serve.sh PORT DIR [--faults FILE] [--log FILE]
set -eu
if [ $# -lt 2 ]; then
  echo "usage: $0 PORT DIR [--faults FILE] [--log FILE]" >&2
  exit 2
fi
port=$1
dir=$2
shift 2
case $port in
  '' | *[!0-9]*) echo "$0: PORT must be a number" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$dir"
python3 "$here/make_server_files.py" "$dir"
echo "Serving http://127.0.0.1:$port/sv_pelimor/websys/ from $dir" >&2
exec python3 "$here/serve_files.py" "$port" "$dir" "$@"
