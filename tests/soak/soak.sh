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
for level in empty random 1 2 3 4 5 6; do
    for edge in "" "--wrap"; do
        for humans in 1 2; do
            for computers in 0 1 2 3 4 5 6; do
                settings+=("--rule free --humans $humans --computers $computers --level $level $edge")
            done
        done
        settings+=("--rule deathmatch --level $level $edge")
    done
done

# write_keys SEED MATCHES FILE: for each match, over its first 300 steps, a turn for player 1 and
# one for player 2 about every eighth step, now and then a pause of up to ten steps, and in about
# one match in ten a Stop or a NewGame. The generator is spelled out (the minimal standard one),
# so every awk draws the same keys.
write_keys() {
    awk -v seed="$1" -v matches="$2" '
        function draw(n) {
            state = (state * 16807) % 2147483647
            return int(state / 2147483647 * n)
        }
        BEGIN {
            state = seed % 2147483646 + 1
            split("Up Down Left Right", arrows, " ")
            split("W A S D", letters, " ")
            for (m = 1; m <= matches; ++m) {
                for (t = 1; t <= 300; ++t) {
                    if (draw(8) == 0) print m, t, arrows[draw(4) + 1]
                    if (draw(8) == 0) print m, t, letters[draw(4) + 1]
                }
                if (draw(10) == 0) {
                    t = 1 + draw(300)
                    print m, t, "Pause"
                    print m, t + 1 + draw(10), "Pause"
                }
                ending = draw(20)
                if (ending == 0) print m, 1 + draw(300), "Stop"
                if (ending == 1) print m, 1 + draw(300), "NewGame"
            }
        }' >"$3"
}

count=${#settings[@]}
played=0
for i in "${!settings[@]}"; do
    matches=$((total / count + (i < total % count ? 1 : 0)))
    if ((matches == 0)); then
        continue
    fi
    seed=$((i + 1))
    keys="$work/keys-$seed.txt"
    write_keys "$seed" "$matches" "$keys"
    # shellcheck disable=SC2206 # each setting is a list of words
    command=("$sim" --check --seed "$seed" --matches "$matches" --keys "$keys" ${settings[$i]})
    if ! output=$("${command[@]}"); then
        echo "soak: FAILED, replay with: ${command[*]}" >&2
        exit 1
    fi
    reported=$(grep -c '^Match ' <<<"$output" || true)
    if ((reported != matches)); then
        echo "soak: $reported of $matches matches reported by: ${command[*]}" >&2
        exit 1
    fi
    played=$((played + matches))
done

if [[ -z ${2:-} ]]; then
    rm -r "$work"
fi
echo "soak: $played matches in $count settings passed every check"
