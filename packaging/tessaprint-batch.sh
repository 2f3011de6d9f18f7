#!/bin/sh
# Starts the command-line tool from the program folder, where its exports go by default.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/tessaprint/tessaprint-batch" "$@"
