#!/usr/bin/env bash
# scripts/check-texts on small trees: it passes the real one and a clean
# made-up one, and fails on a constant defined twice, a texts header in the
# wrong namespace and a literal that copies a constant.
#   check_texts_test.sh SOURCE_DIR
set -euo pipefail
check="$1/scripts/check-texts"
"$check" "$1/src" >/dev/null
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/a" "$tree/b"
cat >"$tree/a/a_texts.h" <<'TEXTS'
namespace mervadin::texts::a {
inline constexpr const char* kHello = "  Hello\r";
inline constexpr const char* kLines[] = {"one", "two"};
} // namespace mervadin::texts::a
TEXTS
printf '// "  Hello\\r" in a comment is fine\nauto x = texts::a::kHello; auto c = '"'"'"'"'"'; auto y = "Hello";\n' >"$tree/b/b.cpp"
"$check" "$tree" >/dev/null || { echo "a clean tree was refused"; exit 1; }

expect_failure() { # what to find in the message
  if out=$("$check" "$tree" 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
printf 'auto z = "two";\n' >"$tree/b/c.cpp"
expect_failure 'b/c.cpp:1: "two" is texts::a::kLines'
rm "$tree/b/c.cpp"
sed -i 's/kLines\[\]/kHello/' "$tree/a/a_texts.h"
expect_failure "texts::a::kHello is defined twice"
sed -i 's/texts::a {/texts {/' "$tree/a/a_texts.h"
expect_failure "namespace mervadin::texts::a alone"
echo "check-texts: refuses each fault"
