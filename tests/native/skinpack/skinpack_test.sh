#!/usr/bin/env bash
# skinpack end to end: pack a folder, list it, extract it and compare the files byte for
# byte; then the failures a user can run into, each with one clear line and a non-zero exit.
set -uo pipefail
skinpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_error EXPECTED-TEXT COMMAND... : fails unless COMMAND exits non-zero with one line
# on stderr that holds EXPECTED-TEXT.
expect_error() {
  local want=$1; shift
  if "$@" >"$work/stdout" 2>"$work/stderr"; then fail "$* succeeded"; return; fi
  [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$*: not one line: $(cat "$work/stderr")"
  grep -qF -- "$want" "$work/stderr" || fail "$*: expected '$want', got: $(cat "$work/stderr")"
}

skin=$work/skin
mkdir "$skin"
printf '[TitlebarSkin]\r\nSkinName=Title.bmp\r\n' >"$skin/Skin.ini"
head -c 70000 /dev/urandom >"$skin/Title.bmp"
yes 'BM gradient 0123456789' | head -c 120000 >"$skin/Buttons.BMP"
: >"$skin/empty.bmp"
mkdir "$skin/sub" # folders are not entries

"$skinpack" pack "$skin" -o "$work/skin.vsk" || fail "pack"
"$skinpack" list "$work/skin.vsk" >"$work/list" || fail "list"
# Files go in byte order of their names, the .ini last; names come out lower-cased.
cat >"$work/list.expected" <<LIST
version 40000, 4 entries
120000	buttons.bmp
70000	title.bmp
0	empty.bmp
36	skin.ini
LIST
diff -u "$work/list.expected" "$work/list" || fail "list output"

"$skinpack" extract "$work/skin.vsk" "$work/out" || fail "extract"
cmp "$skin/Skin.ini" "$work/out/skin.ini" || fail "skin.ini differs"
cmp "$skin/Title.bmp" "$work/out/title.bmp" || fail "title.bmp differs"
cmp "$skin/Buttons.BMP" "$work/out/buttons.bmp" || fail "buttons.bmp differs"
cmp "$skin/empty.bmp" "$work/out/empty.bmp" || fail "empty.bmp differs"
[ "$(ls "$work/out" | wc -l)" -eq 4 ] || fail "extract wrote other files"

for version in 20000 30000 50000; do
  "$skinpack" pack "$skin" -o "$work/v$version" --version "$version" || fail "pack $version"
  "$skinpack" list "$work/v$version" | head -n 1 | grep -q "^version $version," ||
    fail "list $version"
done

# The stored layout's SkinStream (a length word, then the skin file) is read as well.
size=$(stat -c %s "$work/skin.vsk")
printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((size & 255)) $((size >> 8 & 255)) \
  $((size >> 16 & 255)) $((size >> 24 & 255)))" >"$work/framed"
cat "$work/skin.vsk" >>"$work/framed"
"$skinpack" list "$work/framed" | diff -q - "$work/list" >/dev/null || fail "framed stream"

"$skinpack" --help >"$work/help" || fail "--help exits non-zero"
grep -q "skinpack pack DIR -o FILE" "$work/help" || fail "--help"

expect_error "no such folder: $work/missing" "$skinpack" pack "$work/missing" -o "$work/x"
expect_error "cannot read $work/none.vsk" "$skinpack" list "$work/none.vsk"
head -c 5000 /dev/urandom >"$work/random"
expect_error "is not a skin stream" "$skinpack" list "$work/random"
printf 'abc' >"$work/tiny"
expect_error "is not a skin stream" "$skinpack" extract "$work/tiny" "$work/out2"
mkdir "$work/many"
(cd "$work/many" && seq 1 1002 | xargs touch)
expect_error "holds 1002 files, at most 1001" "$skinpack" pack "$work/many" -o "$work/x"
expect_error "unknown archive version 45000" "$skinpack" pack "$skin" -o "$work/x" --version 45000
expect_error "unknown command" "$skinpack" frobnicate

# A folder given as the skin file, and a name holding a line break (printed escaped).
expect_error "cannot read $work/skin: it is a folder, not a file" "$skinpack" list "$work/skin"
expect_error "cannot read $work/bad\\nname: No such file" "$skinpack" list "$work/bad"$'\n'"name"
expect_error "cannot write $work/skin:" "$skinpack" pack "$skin" -o "$work/skin"

# pack makes only entries that extract writes back: plain names, one per name but for case,
# and an .ini description.
refused_name() { # NAME EXPECTED-REASON
  rm -rf "$work/odd" && mkdir "$work/odd" && printf '[a]\r\n' >"$work/odd/skin.ini"
  : >"$work/odd/$1"
  expect_error "$2" "$skinpack" pack "$work/odd" -o "$work/odd.vsk"
}
refused_name 'a\b.bmp' "a\b.bmp: it holds a path separator"
refused_name 'c:d.bmp' "c:d.bmp: it holds a path separator"
refused_name $'line\nbreak.bmp' "line\\nbreak.bmp: it holds a control character"
refused_name $'tab\t.bmp' "tab\\t.bmp: it holds a control character"
refused_name 'SKIN.INI' "has the same name but for case"
[ ! -e "$work/odd.vsk" ] || fail "a refused pack left a file"
mkdir "$work/noini" && : >"$work/noini/a.bmp"
expect_error "cannot pack $work/noini: it holds no .ini description" \
  "$skinpack" pack "$work/noini" -o "$work/x"
mkdir "$work/empty"
expect_error "cannot pack $work/empty: it holds no .ini description" \
  "$skinpack" pack "$work/empty" -o "$work/x"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "skinpack: all checks passed"
