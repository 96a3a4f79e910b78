#!/usr/bin/env bash
# scripts/translations on a small tree: it passes the real one and a whole
# made-up one, writes each text in its context with its location and
# translator's note, carries a translation over to a new context, and fails
# on a text shown without tr(), the old untyped Ui(), an exception's
# message passed as a marked text, tr() in a class without Q_OBJECT, a text
# the translation file lacks, an unfinished translation, a stale one and an
# out-of-date location.
#   translations_test.sh SOURCE_DIR
set -euo pipefail
script="$1/scripts/translations"
"$script" check >/dev/null
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/app" "$tree/src/common" "$tree/translations"
printf '//: The device'"'"'s own word.\nauto a = UI_TEXT("Hello\\r");\n' >"$tree/src/common/a_texts.h"
printf 'class Window : public QWidget {\n    Q_OBJECT\n};\n' >"$tree/src/app/w.h"
printf 'void Window::Show() {\n    //: %%1 is a count.\n    label->setText(tr("Bye %%1"));\n}\n' \
  >"$tree/src/app/w.cpp"
cat >"$tree/translations/mervadin_zh_CN.ts" <<'TS'
<TS version="2.1" language="zh_CN"><context><name>Mervadin</name>
<message><source>Hello&#13;</source><translation>H</translation></message>
</context></TS>
TS
ts="$tree/translations/mervadin_zh_CN.ts"
check() { "$script" --root "$tree" check; }
expect_failure() { # what the message must say
  if out=$(check 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
expect_failure "lacks 'Hello\\r' (mervadin::texts)"
"$script" --root "$tree" update >/dev/null
expect_failure "'Bye %1' (mervadin::Window) is not translated"
# The core's text kept its translation in its new context, with its note and place.
grep -A4 '<name>mervadin::texts</name>' "$ts" | grep -qF '<location filename="../src/common/a_texts.h" line="2" />' ||
  { echo "no location"; cat "$ts"; exit 1; }
grep -qF "<extracomment>The device's own word.</extracomment>" "$ts" || { echo "no note"; exit 1; }
grep -qF '<translation>H</translation>' "$ts" || { echo "translation lost"; cat "$ts"; exit 1; }
grep -qF '<extracomment>%1 is a count.</extracomment>' "$ts" || { echo "no note on tr()"; exit 1; }
sed -i 's|<translation type="unfinished" />|<translation>T</translation>|' "$ts"
check >/dev/null || { echo "a whole tree was refused"; check; exit 1; }
grep -q '&#13;' "$ts" || { echo "CR not kept"; exit 1; }
# A line moved: its location is out of date until updated.
sed -i '1i // moved' "$tree/src/app/w.cpp"
expect_failure "the locations or comment of 'Bye %1' (mervadin::Window) are out of date"
"$script" --root "$tree" update >/dev/null
check >/dev/null || { echo "an updated tree was refused"; check; exit 1; }
# The same text in a second window: its own context, the translation carried over.
printf 'void Window::Other() { box->setTitle(tr("Bye %%1")); }\n' >>"$tree/src/app/w.cpp"
printf 'class Other : public QWidget {\n    Q_OBJECT\n};\nvoid Other::Show() { f(tr("Bye %%1")); }\n' \
  >"$tree/src/app/o.cpp"
"$script" --root "$tree" update >/dev/null
check >/dev/null || { echo "a text in a second context was refused"; check; exit 1; }
grep -A4 '<name>mervadin::Other</name>' "$ts" | grep -qF '<source>Bye %1</source>' ||
  { echo "no second context"; cat "$ts"; exit 1; }
[ "$(grep -c '<location filename="../src/app/w.cpp"' "$ts")" = 2 ] || { echo "one location lost"; exit 1; }
rm "$tree/src/app/o.cpp"
"$script" --root "$tree" update >/dev/null
printf 'void g() { box->setToolTip("Plain"); }\n' >>"$tree/src/app/w.cpp"
expect_failure 'src/app/w.cpp:7: a text shown without tr()'
sed -i '7d' "$tree/src/app/w.cpp"
printf 'void h() { box->setToolTip(Ui("Old")); }\n' >>"$tree/src/app/w.cpp"
expect_failure 'src/app/w.cpp:7: the untyped Ui()'
sed -i '7d' "$tree/src/app/w.cpp"
printf 'void i() { prompts_.Inform(kCaption, e.what()); }\n' >>"$tree/src/app/w.cpp"
expect_failure "src/app/w.cpp:7: an exception's what() passed where a const char* is a marked text"
sed -i '7d' "$tree/src/app/w.cpp"
printf 'class Plain : public QWidget {};\nvoid Plain::Show() { f(tr("Plain")); }\n' >"$tree/src/app/p.cpp"
expect_failure "src/app/p.cpp:2: tr() in Plain, which does not declare Q_OBJECT"
rm "$tree/src/app/p.cpp"
# A window's table marked with its context: in that context, translated at once.
printf 'const char* kItems[] = {QT_TRANSLATE_NOOP("mervadin::Window", "Hello\\r")};\n' \
  >"$tree/src/app/t.cpp"
"$script" --root "$tree" update >/dev/null
grep -A4 '<name>mervadin::Window</name>' "$ts" | grep -qF '<location filename="../src/app/t.cpp" line="1" />' ||
  { echo "QT_TRANSLATE_NOOP not in its context"; cat "$ts"; exit 1; }
check >/dev/null || { echo "a carried-over table text was refused"; check; exit 1; }
rm "$tree/src/app/t.cpp"
"$script" --root "$tree" update >/dev/null
sed -i 's/tr("Bye %1")/tr("Gone %1")/' "$tree/src/app/w.cpp"
expect_failure "'Bye %1' (mervadin::Window) is no longer shown"
echo "translations check: passes whole trees, writes contexts, places and notes, refuses the faults"
