#!/usr/bin/env bash
# scripts/cli-reference: the real tree's reference is what the built
# mervadin-cli's help makes; on a copy, an edited reference, a manual page
# without its markers and a help that gained a command are each refused, and
# update makes the copy whole again, keeping the manual page's own text.
#   cli_reference_test.sh SOURCE_DIR MERVADIN_CLI
set -euo pipefail
script="$1/scripts/cli-reference"
cli="$2"
"$script" --cli "$cli" check
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/docs" "$tree/packaging"
cp "$1/docs/cli.md" "$tree/docs/"
cp "$1/packaging/mervadin-cli.1" "$tree/packaging/"
check() { "$script" --root "$tree" --cli "${1:-$cli}" check; }
expect_failure() { # what the message must say, the CLI to read
  if out=$(check "${2:-}" 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
check
sed -i 's/^### status$/### state/' "$tree/docs/cli.md"
expect_failure "docs/cli.md differs"
"$script" --root "$tree" --cli "$cli" update >/dev/null
check
# A command the help gained and the reference lacks.
cat >"$tree/cli" <<SCRIPT
#!/usr/bin/env bash
if [ "\$*" = "--help" ]; then
  "$cli" --help | sed 's/^Subcommands:\$/Subcommands:\n  ring                        ring the bell/'
elif [ "\$*" = "ring --help" ]; then
  printf 'ring the bell\nUsage: mervadin-cli ring [OPTIONS]\n'
else
  "$cli" "\$@"
fi
SCRIPT
chmod +x "$tree/cli"
expect_failure "docs/cli.md, packaging/mervadin-cli.1 differs" "$tree/cli"
"$script" --root "$tree" --cli "$tree/cli" update >/dev/null
grep -qx '### ring' "$tree/docs/cli.md" || { echo "the new command is not in docs/cli.md"; exit 1; }
grep -qx 'Ring the bell.' "$tree/packaging/mervadin-cli.1" || { echo "not in the manual page"; exit 1; }
grep -qx '.SH SEE ALSO' "$tree/packaging/mervadin-cli.1" || { echo "the page's own text lost"; exit 1; }
sed -i '/^\.\\" Made by/d' "$tree/packaging/mervadin-cli.1"
expect_failure "lacks its marker lines"
echo "cli reference check: passes the real tree, refuses a stale reference and a page without markers"
