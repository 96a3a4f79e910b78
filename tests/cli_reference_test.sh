#!/usr/bin/env bash
# scripts/cli-reference: the real tree's reference is what the built
# programs' help makes; on a copy, an edited reference, an edited option of
# the window program's manual page, a manual page without its markers and a
# help that gained a command are each refused, and update makes the copy
# whole again, keeping the manual pages' own text.
#   cli_reference_test.sh SOURCE_DIR MERVADIN_CLI MERVADIN MERVADIN_SIM
set -euo pipefail
script="$1/scripts/cli-reference"
cli="$2"
app="$3"
sim="$4"
programs() { echo --app "$app" --sim "$sim"; }
"$script" --cli "$cli" $(programs) check
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/docs" "$tree/packaging"
cp "$1/docs/cli.md" "$tree/docs/"
cp "$1"/packaging/mervadin{-cli,,-sim}.1 "$tree/packaging/"
check() { "$script" --root "$tree" --cli "${1:-$cli}" $(programs) check; }
update() { "$script" --root "$tree" --cli "${1:-$cli}" $(programs) update >/dev/null; }
expect_failure() { # what the message must say, the CLI to read
  if out=$(check "${2:-}" 2>&1); then echo "not refused: $1"; exit 1; fi
  grep -qF "$1" <<<"$out" || { echo "refused without saying: $1"; echo "$out"; exit 1; }
}
check
sed -i 's/^### status$/### state/' "$tree/docs/cli.md"
expect_failure "docs/cli.md differs"
update
check
sed -i 's/^short for /the same as /' "$tree/packaging/mervadin.1"
expect_failure "packaging/mervadin.1 differs"
update
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
update "$tree/cli"
grep -qx '### ring' "$tree/docs/cli.md" || { echo "the new command is not in docs/cli.md"; exit 1; }
grep -qx 'Ring the bell.' "$tree/packaging/mervadin-cli.1" || { echo "not in the manual page"; exit 1; }
for page in mervadin-cli.1 mervadin.1 mervadin-sim.1; do
  grep -qx '.SH SEE ALSO' "$tree/packaging/$page" || { echo "$page lost its own text"; exit 1; }
done
sed -i '/^\.\\" Made by/d' "$tree/packaging/mervadin-cli.1"
expect_failure "lacks its marker lines"
echo "cli reference check: passes the real tree, refuses stale references and a page without markers"
