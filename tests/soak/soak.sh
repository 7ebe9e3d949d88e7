#!/usr/bin/env bash
# Plays 10,000 matches with `zarvo-sim --check` across every setting: one and two humans with
# zero to six computers, free for all and deathmatch, every level, wall and wrap. Each setting
# runs with a fixed seed and a key file drawn from that seed (turns for both humans, pauses, Stop
# and NewGame), so a failure replays exactly from the command line it prints.
#
# Usage: soak.sh ZARVO_SIM [WORK_DIR [MATCHES]]
#   WORK_DIR  where the key files go (default: a temporary folder, removed when all pass)
#   MATCHES   matches in all (default 10000), spread evenly over the settings
set -euo pipefail

sim=${1:?usage: soak.sh ZARVO_SIM [WORK_DIR [MATCHES]]}
work=${2:-$(mktemp -d)}
total=${3:-10000}
mkdir -p "$work"

settings=()
for level in empty random {1..6}; do
    for players in --humans\ {1,2}\ --computers\ {0..6} "--rule deathmatch"; do
        settings+=("$players --level $level" "$players --level $level --wrap")
    done
done

for i in "${!settings[@]}"; do
    matches=$((total / ${#settings[@]} + (i < total % ${#settings[@]})))
    ((matches > 0)) || continue
    seed=$((i + 1)) keys="$work/keys-$seed.txt"
    # The keys: for each match, over its first 300 steps, a turn for player 1 and one for player
    # 2 about every eighth step, in one match in ten a pause of up to ten steps, and in one in ten
    # a Stop or a NewGame. The generator is spelled out (the minimal standard one), so every awk
    # draws the same keys.
    awk -v seed="$seed" -v matches="$matches" '
        function draw(n) { state = state * 16807 % 2147483647; return int(state / 2147483647 * n) }
        BEGIN {
            state = seed % 2147483646 + 1
            split("Up Down Left Right", arrows); split("W A S D", letters)
            for (m = 1; m <= matches; ++m) {
                pause = draw(10) == 0 ? 1 + draw(300) : 0
                for (t = 1; t <= 300; ++t) {
                    if (draw(8) == 0) print m, t, arrows[draw(4) + 1]
                    if (draw(8) == 0) print m, t, letters[draw(4) + 1]
                    if (t == pause) { print m, t, "Pause"; print m, t + 1 + draw(10), "Pause" }
                }
                if ((ending = draw(20)) < 2) print m, 1 + draw(300), ending ? "NewGame" : "Stop"
            }
        }' >"$keys"
    # shellcheck disable=SC2206 # each setting is a list of words
    command=("$sim" --check --seed "$seed" --matches "$matches" --keys "$keys" ${settings[$i]})
    if ! output=$("${command[@]}") || [[ $(grep -c '^Match ' <<<"$output") != "$matches" ]]; then
        echo "soak: FAILED (a check or a match report missing), replay with: ${command[*]}" >&2
        exit 1
    fi
done

[[ -n ${2:-} ]] || rm -r "$work"
echo "soak: $total matches in ${#settings[@]} settings passed every check"
