#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config \
  libwxgtk3.2-dev libgtk-3-dev libplist-dev libexpat1-dev libcurl4-openssl-dev \
  libzip-dev zlib1g-dev libjpeg-dev \
  gettext libgtest-dev wx3.2-i18n \
  librsvg2-bin desktop-file-utils \
  xvfb xauth x11-utils imagemagick xdg-utils \
  fonts-dejavu-core fonts-noto-cjk
