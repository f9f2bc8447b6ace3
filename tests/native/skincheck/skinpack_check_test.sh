#!/usr/bin/env bash
# skinpack check: one line per finding, a summary line, exit 1 with errors and 0 without
# (warnings alone included), on skin folders and skin files.
set -uo pipefail
skinpack=$1
skins=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect EXIT-CODE FILE-OF-EXPECTED-STDOUT COMMAND...
expect() {
  local code=$1 expected=$2; shift 2
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$code" ] || fail "$*: exit $got, expected $code: $(cat "$work/out" "$work/err")"
  diff -u "$expected" "$work/out" || fail "$*: output"
}

# Every skin we ship has no error, as a folder and packed; the default one no warning either.
for skin in "$skins"/*/; do
  name=$(basename "$skin")
  "$skinpack" pack "$skin" -o "$work/$name.vsk" || fail "pack $name"
  for form in "$skin" "$work/$name.vsk"; do
    "$skinpack" check "$form" >"$work/out"
    code=$?
    [ "$code" -eq 0 ] || fail "check $form: exit $code: $(cat "$work/out")"
    grep -q "^$form: 0 errors, [0-9]* warnings\$" "$work/out" || fail "check $form: $(tail -n 1 "$work/out")"
  done
done
printf '%s: 0 errors, 0 warnings\n' "$skins/default" >"$work/expected"
expect 0 "$work/expected" "$skinpack" check "$skins/default"

# A warning alone still exits 0.
cp -r "$skins/default" "$work/typo"
sed -i 's/^TopHeight=4$/TopHieght=4/' "$work/typo/skin.ini"
grep -q '^TopHieght=4' "$work/typo/skin.ini" || fail "typo not made"
"$skinpack" check "$work/typo" >"$work/out"
code=$?
[ "$code" -eq 0 ] || fail "warnings only: exit $code"
grep -q '^warning: \[Buttons\] TopHieght: unknown key; nothing reads it (did you mean TopHeight?)$' "$work/out" ||
  fail "typo line: $(cat "$work/out")"
grep -q "^$work/typo: 0 errors, [1-9][0-9]* warnings\$" "$work/out" || fail "typo summary: $(tail -n 1 "$work/out")"

# Errors exit 1, each on its own line, then the summary.
cp -r "$skins/default" "$work/broken"
sed -i 's/^Action=2$/Action=5/; s/^ButtonFace=.*/ButtonFace=12x4/' "$work/broken/skin.ini"
rm "$work/broken/tabs.bmp"
cat >"$work/expected" <<OUT
error: [Colours] ButtonFace: colour "12x4" does not parse: give three numbers R,G,B from 0 to 255
error: [ButtonMinimize] Action: Action 5 is none the engine knows (-1 off, 0 close, 1/22 maximise, 2/23 minimise, 3/11/12 system menu, 4 help, 7-9/60-62 MDI child)
error: [Tabs] Image: names "tabs.bmp", which the skin does not hold
$work/broken: 3 errors, 0 warnings
OUT
expect 1 "$work/expected" "$skinpack" check "$work/broken"

# Not a skin: random bytes, an empty file, a folder without an INI.
head -c 3000 /dev/urandom >"$work/random"
: >"$work/empty"
mkdir "$work/plain"
for file in "$work/random" "$work/empty"; do
  printf 'error: not a skin file, or a damaged one: its archive cannot be read\n%s: 1 error, 0 warnings\n' "$file" >"$work/expected"
  expect 1 "$work/expected" "$skinpack" check "$file"
done
printf 'error: not a skin: it holds no INI description (*.ini)\n%s: 1 error, 0 warnings\n' "$work/plain" >"$work/expected"
expect 1 "$work/expected" "$skinpack" check "$work/plain"

# A path that is not there is the command's own failure, on standard error.
: >"$work/expected"
expect 1 "$work/expected" "$skinpack" check "$work/missing"
grep -q "cannot read $work/missing" "$work/err" || fail "missing path: $(cat "$work/err")"

"$skinpack" --help | grep -q "skinpack check DIR-or-FILE" || fail "--help does not name check"

[ "$failures" -eq 0 ] && echo "skinpack check: all passed"
exit $((failures > 0))
