#!/usr/bin/env bash
# Lists the mutable variables at namespace scope in src (definitions and extern
# declarations; const and constexpr ones left out) with their places, then their count.
# State belongs in the session that owns it; what is left here has a reason of its own.
# ctags does not see a std::function variable, so those are found by their line (namespaces
# are not indented, so a namespace-scope one starts its line).
set -euo pipefail
cd "$(dirname "$0")/.."
liste=$( (ctags -R -x --languages=C++ --kinds-C++=vx src | grep -vwE 'const|constexpr' |
  awk '{print $4 ":" $3 "\t" $1 ($2 == "externvar" ? " (extern)" : "")}'
  { grep -rnE '^(static )?std::function<.*> +[A-Za-z_][A-Za-z0-9_]*( *=.*)?;$' src || true; } |
    sed -E 's/^([^:]+:[0-9]+):.*> +([A-Za-z_][A-Za-z0-9_]*).*/\1\t\2/') | sort -u)
[ -n "$liste" ] && echo "$liste"
echo "$(grep -c . <<<"$liste") mutable namespace-scope variables"
