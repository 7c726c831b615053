#!/usr/bin/env bash
# The packages as a Windows user gets them, under Wine.
#   version  the executable's version block, the package names and the
#            installer's product version all carry the one version number
#   zip      the archive holds exactly its four files; the editor runs from
#            the unpacked folder in the display language (English, Chinese;
#            Chinese without lang\en), and in English under a Chinese display
#            language once the satellite is copied beside it as README.txt says
#   msi      install, Start-menu shortcut, Open-with entry, a rebuild of the
#            same version and a higher version each replacing what is there,
#            no way back, the English feature, uninstall leaving nothing; in
#            a copy of the build's prefix, so the shared one stays clean
# Usage: test_packages.sh version <build> <window_probe.exe> <version> <version as FILEVERSION: 1,0,0,0>
#        test_packages.sh zip <build> <window_probe.exe> <version>
#        test_packages.sh msi <build> <window_probe.exe> <version> <higher-version msi> <rebuilt same-version msi>
#                             <install_state.exe>
set -u
mode=$1 build=$2 probe=$3 version=$4
shift 4
export DUELMARK_BUILD="$build"
. "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine-env.sh"
zip="$build/dist/duelmark-$version-win64.zip"
msi="$build/dist/duelmark-$version-win64.msi"
staged_exe="$build/packaging/stage/duelmark.exe"
CHINESE_LABEL="隊伍數量(&N)"  # the setup dialog's team-count label
work=$(mktemp -d)
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_eq() { [ "$2" == "$3" ] || fail "$1: expected '$2', got '$3'"; }
# A path in Windows form without starting Wine: drive Z: is the Linux root.
windows_path() { local path; path=$(realpath -m "$1"); echo "Z:${path//\//\\}"; }
finish() { [ "$failures" -eq 0 ] && echo "all $mode checks passed"; [ "$failures" -eq 0 ]; }

# Runs window_probe on a file (optionally --class <ProgId> first) and keeps its lines in
# the globals target, caption, setup, exit_line. The display language is
# $display_language's: Wine takes it from the locale variables, and here
# only LC_ALL reliably overrides what the machine is set to.
display_language=en_US.UTF-8
probe_run() {
  local out
  out=$(LANG=$display_language LC_ALL=$display_language wine "$probe" "$@" </dev/null 2>/dev/null | tr -d '\r')
  target=$(sed -n 's/^target: //p' <<<"$out")
  caption=$(sed -n 's/^caption: //p' <<<"$out")
  setup=$(sed -n 's/^setup: //p' <<<"$out")
  exit_line=$(sed -n 's/^exit: //p' <<<"$out")
  [ -n "$caption" ] || echo "window_probe $*: $out"
}

# The editor showed its window in Chinese and ended with code 0 when closed.
expect_chinese_editor() {
  expect_eq "$1: caption" "Duelmark" "$caption"
  expect_eq "$1: setup dialog label" "$CHINESE_LABEL" "$setup"
  expect_eq "$1: exit code after closing" "0" "$exit_line"
}

# The same in English: some plain ASCII text where the Chinese one was.
expect_english_editor() {
  expect_eq "$1: caption" "Duelmark" "$caption"
  if [ -z "$setup" ] || [ "$setup" == "$CHINESE_LABEL" ] || LC_ALL=C grep -q '[^ -~]' <<<"$setup"; then
    fail "$1: expected an English setup dialog label, got '$setup'"
  fi
  expect_eq "$1: exit code after closing" "0" "$exit_line"
}

check_version() {
  local commas=$1 rc
  [ -f "$zip" ] || fail "no zip named for version $version: $zip"
  [ -f "$msi" ] || fail "no installer named for version $version: $msi"
  expect_eq "installer ProductVersion" "$version" \
    "$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductVersion" {print $2}')"
  rc=$(x86_64-w64-mingw32-windres -i "$staged_exe" -O rc | tr -d '\r')
  expect_eq "executable FILEVERSION" "$commas" "$(sed -n 's/^ *FILEVERSION //p' <<<"$rc" | tr -d ' ')"
  expect_eq "executable PRODUCTVERSION" "$commas" "$(sed -n 's/^ *PRODUCTVERSION //p' <<<"$rc" | tr -d ' ')"
  expect_eq "executable FileVersion string" "$version" "$(sed -n 's/^ *VALUE "FileVersion", "\(.*\)"$/\1/p' <<<"$rc")"
  expect_eq "executable ProductVersion string" "$version" "$(sed -n 's/^ *VALUE "ProductVersion", "\(.*\)"$/\1/p' <<<"$rc")"
}

check_zip() {
  local listing folder
  listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
  expect_eq "zip contents" "LICENSE.txt README.txt duelmark.exe lang/en/duelmark.exe.mui " "$listing"
  folder="$work/Duelmark $version"  # a space in the path, as under Downloads
  unzip -q "$zip" -d "$folder" || fail "unzip failed"
  grep -q 'lang\\en\\duelmark.exe.mui beside duelmark.exe' "$folder/README.txt" \
    || fail "README.txt does not say to copy lang\\en\\duelmark.exe.mui beside duelmark.exe"
  cmp -s "$staged_exe" "$folder/duelmark.exe" || fail "the zip's duelmark.exe is not the one built"

  local exe_w
  exe_w=$(windows_path "$folder/duelmark.exe")
  display_language=en_US.UTF-8 probe_run "$exe_w"
  expect_english_editor "unpacked editor under an English display language"
  display_language=zh_TW.UTF-8 probe_run "$exe_w"
  expect_chinese_editor "unpacked editor under a Chinese display language"
  display_language=de_DE.UTF-8 probe_run "$exe_w"
  expect_english_editor "unpacked editor under a display language it has no texts for"
  # The README's language switch, under a display language it overrides.
  cp "$folder/lang/en/duelmark.exe.mui" "$folder/duelmark.exe.mui"
  display_language=zh_TW.UTF-8 probe_run "$exe_w"
  expect_english_editor "unpacked editor with lang\\en\\duelmark.exe.mui beside it, Chinese display language"
  rm "$folder/duelmark.exe.mui"
  # Without lang\en the editor keeps its own Chinese texts.
  mv "$folder/lang" "$work/lang-aside"
  display_language=en_US.UTF-8 probe_run "$exe_w"
  expect_chinese_editor "unpacked editor without lang\\en under an English display language"
}

# --- installer ---------------------------------------------------------------

install_dir=""
installer() { wine msiexec "$@" /qn </dev/null >/dev/null 2>&1; }
start_menu_shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Duelmark.lnk'; }
# Every Wine start costs about half a second: the registry is read in one go.
read_install_state() { state=$(wine "$install_state" </dev/null 2>/dev/null | tr -d '\r'); }
state_of() { sed -n "s/^$1: //p" <<<"$state" | tr '\n' ' ' | sed 's/ $//'; }

# Installed as a user expects: files, shortcut, Open-with entry beside the
# user's own default program for .xml, one product of that version.
expect_installed() {
  local what=$1 product_version=$2 with_english=$3
  [ -f "$install_dir/duelmark.exe" ] || fail "$what: no duelmark.exe in Program Files\\Duelmark"
  local file
  for file in LICENSE.txt README.txt lang/en/duelmark.exe.mui; do
    [ -f "$install_dir/$file" ] || fail "$what: no $file in Program Files\\Duelmark"
  done
  cmp -s "$staged_exe" "$install_dir/duelmark.exe" || fail "$what: installed duelmark.exe is not the one built"
  if [ "$with_english" == yes ]; then
    [ -f "$install_dir/duelmark.exe.mui" ] || fail "$what: English feature did not install duelmark.exe.mui"
  else
    [ ! -e "$install_dir/duelmark.exe.mui" ] || fail "$what: duelmark.exe.mui installed without the English feature"
  fi
  expect_eq "$what: Start-menu shortcuts" 1 "$(start_menu_shortcuts | wc -l)"
  read_install_state
  expect_eq "$what: Duelmark.Bracket in .xml's OpenWithProgids" yes "$(state_of openwith)"
  expect_eq "$what: ProgId key" yes "$(state_of progid)"
  expect_eq "$what: default program of .xml" "$USERS_XML_PROGRAM" "$(state_of 'xml default')"
  expect_eq "$what: installed products and their versions" "$product_version" "$(state_of installed)"
  expect_eq "$what: programs list publisher (the executable's CompanyName)" "$company_name" "$(state_of publisher)"
  expect_eq "$what: programs list icon" 'C:\Program Files\Duelmark\duelmark.exe,0' "$(state_of 'display icon')"
  expect_eq "$what: programs list location" 'C:\Program Files\Duelmark\' "$(state_of 'install location')"
  local size
  size=$(state_of 'estimated size')
  # KiB of what is installed: the program, its texts and the two documents.
  [[ "$size" =~ ^[0-9]+$ ]] && [ "$size" -ge $(( $(stat -c %s "$staged_exe") / 1024 )) ] && [ "$size" -lt 1024 ] \
    || fail "$what: programs list size '$size' KiB, expected the installed files' size"
}

expect_nothing_left() {
  local what=$1
  [ ! -e "$install_dir" ] || fail "$what: Program Files\\Duelmark still there: $(ls "$install_dir")"
  expect_eq "$what: Start-menu shortcuts" 0 "$(start_menu_shortcuts | wc -l)"
  read_install_state
  expect_eq "$what: Duelmark.Bracket in .xml's OpenWithProgids" no "$(state_of openwith)"
  expect_eq "$what: ProgId key" no "$(state_of progid)"
  expect_eq "$what: HKLM\\Software\\Duelmark" no "$(state_of 'product key')"
  expect_eq "$what: default program of .xml" "$USERS_XML_PROGRAM" "$(state_of 'xml default')"
  expect_eq "$what: installed products" "" "$(state_of installed)"
}

check_msi() {
  local next_msi=$1 rebuilt_msi=$2 msi_w next_w next_version
  install_state=$3
  next_version=$(msiinfo export "$next_msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductVersion" {print $2}')
  local source_prefix="$WINEPREFIX"
  export WINEPREFIX="$work/prefix"
  cp -a "$source_prefix" "$WINEPREFIX" && rm -f "$WINEPREFIX/.update-timestamp.lock"
  # Shortcuts would otherwise also be written to the Linux desktop menus.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
  trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$work"' EXIT
  wineserver -p
  install_dir="$WINEPREFIX/drive_c/Program Files/Duelmark"
  company_name=$(x86_64-w64-mingw32-windres -i "$staged_exe" -O rc | tr -d '\r' | sed -n 's/^ *VALUE "CompanyName", "\(.*\)"$/\1/p')
  msi_w=$(windows_path "$msi") next_w=$(windows_path "$next_msi")
  # The user already has a program for .xml files; it must stay theirs.
  USERS_XML_PROGRAM=xmlfile
  wine reg add 'HKLM\Software\Classes\.xml' /ve /d "$USERS_XML_PROGRAM" /f </dev/null >/dev/null 2>&1
  printf '<Games><Title>Cup</Title><Teams>4</Teams><Team Name="A" id="1"/><Team Name="B" id="2"/><Team Name="C" id="3"/><Team Name="D" id="4"/><Team Name="" id="5"/><Team Name="" id="6"/><Team Name="" id="7"/></Games>' \
    > "$work/cup.xml"

  installer /i "$msi_w" || fail "msiexec /i $msi_w failed"
  expect_installed "install" "$version" no
  probe_run "$(windows_path "$(start_menu_shortcuts | head -n1)")"
  expect_eq "shortcut target" 'C:\Program Files\Duelmark\duelmark.exe' "$target"
  expect_english_editor "editor started from the shortcut, English display language"
  display_language=zh_TW.UTF-8 probe_run 'C:\Program Files\Duelmark\duelmark.exe'
  expect_chinese_editor "installed editor, Chinese display language"
  # What Explorer's Open with does: the ProgId's open command on the file.
  probe_run --class Duelmark.Bracket "$(windows_path "$work/cup.xml")"
  expect_eq "editor opened through Open with: caption" "Duelmark - Cup" "$caption"
  expect_eq "editor opened through Open with: exit code" "0" "$exit_line"

  installer /i "$(windows_path "$rebuilt_msi")" || fail "msiexec /i $rebuilt_msi (same version rebuilt) failed"
  expect_installed "rebuilt $version over $version" "$version" no

  installer /i "$next_w" || fail "msiexec /i $next_w (upgrade) failed"
  expect_installed "upgrade to $next_version" "$next_version" no
  display_language=zh_TW.UTF-8 probe_run 'C:\Program Files\Duelmark\duelmark.exe'
  expect_chinese_editor "upgraded editor"

  # An older package refuses to go over a newer one.
  ! installer /i "$msi_w" || fail "msiexec /i $msi_w over $next_version succeeded: a downgrade"
  read_install_state
  expect_eq "after the refused downgrade: installed products" "$next_version" "$(state_of installed)"

  installer /x "$next_w" || fail "msiexec /x $next_w failed"
  expect_nothing_left "uninstall of $next_version"

  installer /i "$msi_w" ADDLOCAL=English || fail "msiexec /i $msi_w ADDLOCAL=English failed"
  expect_installed "install with ADDLOCAL=English" "$version" yes
  display_language=zh_TW.UTF-8 probe_run 'C:\Program Files\Duelmark\duelmark.exe'
  expect_english_editor "editor installed with the English feature, Chinese display language"
  installer /x "$msi_w" || fail "msiexec /x $msi_w failed"
  expect_nothing_left "uninstall of $version with English"
}

[ "$mode" == msi ] || trap 'rm -rf "$work"' EXIT
case "$mode" in
  version) check_version "$@" ;;
  zip) check_zip ;;
  msi) check_msi "$@" ;;
  *) echo "unknown mode $mode"; exit 2 ;;
esac
finish
