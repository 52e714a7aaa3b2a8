#!/usr/bin/env bash
# Runs lintian on a .deb at its most demanding: any tag it shows, down to the
# informative and pedantic ones, fails. Further lintian options may follow.
# Usage: lint-deb.sh DEB [LINTIAN_OPTION...]
set -euo pipefail
deb="$1"
shift
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$@" "$deb" \
    2> >(grep -v 'running with root privileges' >&2)
