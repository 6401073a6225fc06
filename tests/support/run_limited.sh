#!/bin/sh
# Runs one test program with a cap on its memory, so that a runaway loop
# fails within seconds instead of growing for minutes. A normal build gets
# an address-space limit (ulimit -v). A sanitizer build reserves terabytes
# of address space for its shadow memory, so there AddressSanitizer's own
# resident-memory limit is added to the options it is given.
# Usage: run_limited.sh <limit in MiB> <sanitized: 0 or 1> <program> [arguments...]
limit_mb=$1
sanitized=$2
shift 2
if [ "$sanitized" = 1 ]; then
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=$limit_mb"
  export ASAN_OPTIONS
else
  ulimit -v $((limit_mb * 1024)) || exit 1
fi
exec "$@"
