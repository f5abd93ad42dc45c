#!/usr/bin/env bash
# Builds dvk and its Debian package: dist/dvk_<version>_<architecture>.deb, installable with
# `sudo apt install ./dist/dvk_*.deb`. DVK_BUILD_DIR names the build folder (default build/),
# DVK_PACKAGE_DIR the folder for the package (default dist/); DVK_PACKAGE_NO_BUILD=1 packages
# what is already built.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${DVK_BUILD_DIR:-build}
package_dir=${DVK_PACKAGE_DIR:-dist}
if [ "${DVK_PACKAGE_NO_BUILD:-0}" != 1 ]; then
    scripts/install-deps.sh
    DVK_BUILD_DIR=$build_dir scripts/build.sh
fi
mkdir -p "$package_dir"
rm -f "$package_dir"/dvk_*.deb
cpack --config "$build_dir/CPackConfig.cmake" -B "$package_dir" >/dev/null
rm -rf "$package_dir/_CPack_Packages"
ls "$package_dir"/dvk_*.deb
