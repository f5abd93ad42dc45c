#!/usr/bin/env bash
# Builds dvk and its Debian packages in dist/: dvk_<version>-<revision>_<architecture>.deb (the
# program), dvk-caller_... (the caller plug-in with its voice) and dvk-dev_... (the plug-in
# header and examples), installable with `sudo apt install ./dist/dvk_*.deb`.
# DVK_BUILD_DIR names the build folder (default build/), DVK_PACKAGE_DIR the folder for the
# packages (default dist/); DVK_PACKAGE_NO_BUILD=1 packages what is already built.
#
# The packages are reproducible: their files carry the time of the changelog's entry
# (SOURCE_DATE_EPOCH), as Debian's own builds do.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${DVK_BUILD_DIR:-build}
package_dir=${DVK_PACKAGE_DIR:-dist}
if [ "${DVK_PACKAGE_NO_BUILD:-0}" != 1 ]; then
    scripts/install-deps.sh
    DVK_BUILD_DIR=$build_dir scripts/build.sh
fi
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$build_dir/install/debian/changelog.Debian" \
    -S Timestamp)
export SOURCE_DATE_EPOCH
mkdir -p "$package_dir"
rm -f "$package_dir"/dvk_*.deb "$package_dir"/dvk-*_*.deb
cpack --config "$build_dir/CPackConfig.cmake" -B "$package_dir" >/dev/null
rm -rf "$package_dir/_CPack_Packages"
ls "$package_dir"/dvk*.deb
