# What tools/soak.sh and tools/monkey.sh watch in a running program: its open descriptors,
# its children left as zombies, and the X resources of its client. Sourced, not run.

descriptors() { ls "/proc/$1/fd" | wc -l; }

# Children of process $1 that stay zombies for half a second (a player that just ended is
# reaped at once).
zombies() {
    local first
    first=$(ps --ppid "$1" -o pid=,stat= | awk '$2 ~ /Z/ {print $1}' | sort)
    [ -z "$first" ] && { echo 0; return; }
    sleep 0.5
    comm -12 <(echo "$first") <(ps --ppid "$1" -o pid=,stat= | awk '$2 ~ /Z/ {print $1}' | sort) | wc -l
}

# The windows, GCs, fonts and pixmaps of the X client whose resource base is $1 (0x...).
x_resources() {
    xrestop -b -m 1 | awk -v base="$1" '
        /res_base/ { mine = ($3 == base) }
        mine && /^\t(windows|GCs|fonts|pixmaps) / { total += $3 }
        END { print total + 0 }'
}
