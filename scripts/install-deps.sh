#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the run folder need
# (the list is scripts/packages.txt). Run as root.
set -euo pipefail
here=$(dirname "$0")
export DEBIAN_FRONTEND=noninteractive
mapfile -t packages < <(grep -v -e '^#' -e '^$' "$here/packages.txt")
apt-get update
apt-get install -y --no-install-recommends "${packages[@]}"
# A locale with a decimal comma, so the tests can show that files never use it.
sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
locale-gen
