#!/usr/bin/env bash
# scripts/translations on a small tree: it passes the real one and a whole
# made-up one, and fails on a text shown without Ui(), a marked text the
# translation file lacks, an unfinished translation and a stale one.
#   translations_test.sh SOURCE_DIR
set -euo pipefail
script="$1/scripts/translations"
"$script" check >/dev/null
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/app" "$tree/src/common" "$tree/translations"
printf 'auto a = UI_TEXT("Hello\\r");\n' >"$tree/src/common/a_texts.h"
printf 'void f() { label->setText(Ui("Bye")); }\n' >"$tree/src/app/w.cpp"
printf '<TS version="2.1" language="zh_CN"><context><name>Mervadin</name></context></TS>\n' \
  >"$tree/translations/mervadin_zh_CN.ts"
check() { "$script" --root "$tree" check; }
expect_failure() { # what the message must say
  if out=$(check 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
expect_failure "lacks 'Hello\\r'"
"$script" --root "$tree" update >/dev/null
expect_failure "'Bye' is not translated"
sed -i 's|<translation type="unfinished" />|<translation>T</translation>|' \
  "$tree/translations/mervadin_zh_CN.ts"
check >/dev/null || { echo "a whole tree was refused"; check; exit 1; }
grep -q '&#13;' "$tree/translations/mervadin_zh_CN.ts" || { echo "CR not kept"; exit 1; }
printf 'void g() { box->setToolTip("Plain"); }\n' >>"$tree/src/app/w.cpp"
expect_failure 'src/app/w.cpp:2: a text shown without Ui()'
sed -i '2d' "$tree/src/app/w.cpp"
sed -i 's/Ui("Bye")/Ui("Gone")/' "$tree/src/app/w.cpp"
expect_failure "'Bye' is no longer shown"
echo "translations check: passes whole trees, refuses the four faults"
