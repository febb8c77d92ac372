#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the run folder need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake ninja-build g++ make pkg-config \
  libgtest-dev libgmock-dev \
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libqt6sql6-sqlite \
  qt6-qpa-plugins xvfb xauth fonts-dejavu-core \
  libjpeg-dev libsqlite3-dev \
  poppler-utils file \
  clang libclang-rt-14-dev \
  locales
# A locale with a decimal comma, so the tests can show that files never use it.
sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
locale-gen
