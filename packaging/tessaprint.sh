#!/bin/sh
# Starts the program from its own folder, where its help documents are.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/tessaprint/tessaprint" "$@"
