#!/usr/bin/env bash
# Installs what is missing, builds the editor and its English satellite,
# and packs them for Windows users into dist/ at the root:
#   dist/duelmark-<version>-win64.zip  unpack and run; English satellite in
#                                      lang/en/, README.txt, LICENSE.txt
#   dist/duelmark-<version>-win64.msi  Windows Installer package
#   dist/SHA256SUMS                    both packages' SHA-256, in the form
#                                      `sha256sum -c` checks
# The version is the one in the VERSION file.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
# Only what the packages hold: no tests, no benchmarks.
build_project packages
version=$(head -n1 "$ROOT/VERSION")
mkdir -p "$ROOT/dist"
for package in "$DUELMARK_BUILD/dist/duelmark-$version-win64".{zip,msi}; do
  cp "$package" "$ROOT/dist/"
  echo "dist/$(basename "$package")"
done
(cd "$ROOT/dist" && sha256sum "duelmark-$version-win64.zip" "duelmark-$version-win64.msi" > SHA256SUMS)
echo "dist/SHA256SUMS"
