#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: run_checker.sh DEBIAN-PACKAGE TOOL ARG...
# Runs TOOL, or reports the test skipped (77) when the package that brings it is missing.
set -euo pipefail
package=$1 tool=$2
shift 2
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: install the Debian package $package" >&2
    exit 77
fi
exec "$tool" "$@"
