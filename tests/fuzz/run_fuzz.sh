#!/bin/sh
# Fuzzes every target of a clang sanitizer build for a while, by hand:
#   tests/fuzz/run_fuzz.sh BUILD_DIR [SECONDS_EACH] [TARGET...]
# Each target keeps what it finds in BUILD_DIR/fuzz-corpus/NAME and starts
# from its seeds (the bundled files, listed by its ctest entry) and the
# damaged inputs beside the clone. A report stops that target and leaves the
# input that caused it in BUILD_DIR/fuzz-artifacts.
build="${1:?usage: run_fuzz.sh BUILD_DIR [SECONDS_EACH] [TARGET...]}"
seconds="${2:-600}"
shift 2 2>/dev/null || shift $#
here="$(cd "$(dirname "$0")" && pwd)"
bad="$here/../../../shared/bad-input"
build="$(cd "$build" && pwd)"
mkdir -p "$build/fuzz-artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
status=0
targets="$*"
[ -n "$targets" ] || targets=$(cd "$build/tests/fuzz" && ls fuzz_* | grep -v '\.')
for t in $targets; do
  name="${t#fuzz_}"
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  # The seed folders are the arguments of the target's ctest entry.
  seeds=$(ctest --test-dir "$build" -R "^fuzz_$name\$" --show-only=json-v1 2>/dev/null |
    python3 -c 'import json,sys; t=json.load(sys.stdin)["tests"]; print("\n".join(a for a in t[0]["command"][2:] if not a.startswith("-") and "/found_" not in a))' 2>/dev/null)
  echo "== fuzz_$name for ${seconds} s"
  old_ifs="$IFS"; IFS='
'
  set -- $seeds
  IFS="$old_ifs"
  [ -d "$bad" ] && set -- "$@" "$bad"
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=30 \
    -artifact_prefix="$build/fuzz-artifacts/$name-" "$corpus" "$@" || status=1
done
exit $status
