#!/usr/bin/env bash
# scripts/check-texts on small trees: it passes the real one and a clean
# made-up one, and fails on a constant defined twice, a texts header in the
# wrong namespace, a literal that copies a constant, and a device word or a
# settings key spelled outside its home.
#   check_texts_test.sh SOURCE_DIR
set -euo pipefail
check="$1/scripts/check-texts"
"$check" "$1/src" >/dev/null
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/a" "$tree/b" "$tree/frames" "$tree/settings"
cat >"$tree/frames/device_words.h" <<'WORDS'
namespace mervadin::words {
inline constexpr std::string_view kStored = "writespiok!";
inline constexpr std::string_view kCdr = "cdr:";
} // namespace mervadin::words
WORDS
cat >"$tree/settings/settings_keys.h" <<'KEYS'
namespace mervadin::keys {
inline constexpr const char* kPeriods[2][2] = {{"start1 hour=", "end1 hour="}, {"a;b=", "x="}};
} // namespace mervadin::keys
KEYS
cat >"$tree/a/a_texts.h" <<'TEXTS'
namespace mervadin::texts::a {
inline constexpr const char* kHello = "  Hello\r";
inline constexpr const char* kLines[] = {"one", "two"};
} // namespace mervadin::texts::a
TEXTS
printf '// "  Hello\\r" in a comment is fine\nauto x = texts::a::kHello; auto c = '"'"'"'"'"'; auto y = "Hello";\n' >"$tree/b/b.cpp"
# A tag is the operators' word too inside a longer text; a key's value is no key.
printf 'auto t = "cdr: [ is a mark"; auto v = "1";\n' >"$tree/b/d.cpp"
"$check" "$tree" >/dev/null || { echo "a clean tree was refused"; exit 1; }

expect_failure() { # what to find in the message
  if out=$("$check" "$tree" 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
printf 'auto z = "two";\n' >"$tree/b/c.cpp"
expect_failure 'b/c.cpp:1: "two" is texts::a::kLines'
printf 'auto z = "writespiok!okok!";\n' >"$tree/b/c.cpp"
expect_failure 'b/c.cpp:1: "writespiok!okok!" spells words::kStored'
printf 'auto z = "cdr:";\n' >"$tree/b/c.cpp"
expect_failure 'b/c.cpp:1: "cdr:" spells words::kCdr'
printf 'auto z = "the key, e.g. end1 hour=";\n' >"$tree/b/c.cpp"
expect_failure 'spells keys::kPeriods ("end1 hour=")'
printf 'auto z = "a;b=";\n' >"$tree/b/c.cpp"
expect_failure 'spells keys::kPeriods ("a;b=")'
rm "$tree/b/c.cpp"
sed -i 's/mervadin::words {/mervadin::word {/' "$tree/frames/device_words.h"
expect_failure "frames/device_words.h must hold its constants in namespace mervadin::words"
sed -i 's/mervadin::word {/mervadin::words {/' "$tree/frames/device_words.h"
sed -i 's/kLines\[\]/kHello/' "$tree/a/a_texts.h"
expect_failure "texts::a::kHello is defined twice"
sed -i 's/texts::a {/texts {/' "$tree/a/a_texts.h"
expect_failure "namespace mervadin::texts::a alone"
echo "check-texts: refuses each fault"
