#!/usr/bin/env bash
# Measures the program against the command-line floor for the same job, `paste -sd, FILE`, on
# generated list files, and prints one table. Also checks the saved result file byte for byte.
#
#   bench/run.sh                      build the release preset, run 1,000,000 and 10,000,000
#   bench/run.sh --sizes "10000"      other list sizes (the first is the base of the growth column)
#   bench/run.sh --bench PATH         use an already built tavrolin_bench
#   bench/run.sh --program PATH       use an already built tavrolin for the batch rows
#   bench/run.sh --huge               also 100,000,000 entries (about 2 GB of list file and
#                                     several minutes; the entry list tools are not run on it)
#
# Every run also creates the list of one entry of 100 MB among a thousand short ones: the window
# must answer as often as with short entries, but for the time one copy of that entry takes.
#
# Exits non-zero when a figure is missing or a saved file is wrong; timings never fail it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bench=""
program=""
sizes="1000000 10000000"
huge=""
# Above this many entries the tools are left out: their goal is set for a million.
tools_up_to=10000000
while [ $# -gt 0 ]; do
    case "$1" in
    --bench) bench=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --huge) huge=100000000; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done

sizes="$sizes${huge:+ $huge}"

if [ -z "$bench" ] || [ -z "$program" ]; then
    (cd "$root" && cmake --preset release >/dev/null &&
        cmake --build --preset release --target tavrolin_bench tavrolin >/dev/null)
    bench=${bench:-$root/build/release/bench/tavrolin_bench}
    program=${program:-$root/build/release/src/tavrolin}
fi

export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# n entries, about 20 bytes a line with CR LF ends: numbered words, a quarter of them non-ASCII
# (all in the Basic Multilingual Plane, so characters and UTF-16 units agree), an empty entry now
# and then, and entries with a comma or with spaces at either end.
generate() {
    awk -v n="$1" 'BEGIN {
        split("Zürich|naïve café|plain entry|Ærøskøbing|東京タワー|x, y|  spaced  |Łódź ĘĄ|alpha beta|tail ", w, "|")
        for (i = 1; i <= n; i++) {
            if (i % 1000 == 500) printf "\r\n"
            else printf "%08d %s\r\n", i, w[i % 10 + 1]
        }
    }'
}

caption='Results - Extend bar to show all >                                                           >'
spaces() { head -c "$1" /dev/zero | tr '\0' ' '; }

# The result file as it must be: the caption and the joined list, each padded to the wider of
# the two, each followed by a tab and CR LF.
expected_file() {
    local joined=$1 chars=$2
    local width=$((chars > ${#caption} ? chars : ${#caption}))
    printf '%s' "$caption"
    spaces $((width - ${#caption}))
    printf '\t\r\n'
    head -c -1 "$joined"
    spaces $((width - chars))
    printf '\t\r\n'
}

# Batch mode: the time of one untimed-wrapper run, then the peak memory of a second run under
# /usr/bin/time. Prints "ms kib"; the output goes to $3.
batch_run() {
    local list=$1 out=$2
    shift 2
    local start=$EPOCHREALTIME
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" "$list" >"$out"
    local ms
    ms=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", (b - a) * 1000 }')
    local kib=0
    if [ -x /usr/bin/time ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            /usr/bin/time -f %M -o "$work/batch-mem" "$program" "$@" "$list" >/dev/null
        kib=$(cat "$work/batch-mem")
    fi
    echo "$ms $kib"
}

# The least limit on virtual memory (KiB) under which the batch job succeeds, to within 1/64,
# found by halving from its peak resident memory up. Prints "kib", or nothing for a program no
# limit lets run (AddressSanitizer reserves terabytes of address space).
least_limit() {
    local list=$1 low=$2
    shift 2
    local high=$((low * 4)) most=$((low * 64))
    until (ulimit -v "$high" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" "$@" "$list") >/dev/null 2>&1; do
        low=$high
        high=$((high * 2))
        [ "$high" -le "$most" ] || return 0
    done
    while [ $((high - low)) -gt $((high / 64)) ]; do
        local middle=$(((low + high) / 2))
        if (ulimit -v "$middle" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            "$program" "$@" "$list") >/dev/null 2>&1; then
            high=$middle
        else
            low=$middle
        fi
    done
    echo "$high"
}

# The time of the batch job under a limit too small for it, which must fail with status 1 and
# say so. Prints "ms".
failing_run() {
    local list=$1 limit=$2
    shift 2
    local start=$EPOCHREALTIME status=0
    (ulimit -v "$limit" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" "$@" "$list") >/dev/null 2>"$work/failing-stderr" || status=$?
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f\n", (b - a) * 1000 }'
    if [ "$status" -ne 1 ] || ! grep -q "out of memory" "$work/failing-stderr"; then
        echo "under $limit KiB, $* ended with status $status: $(cat "$work/failing-stderr")" >&2
        return 1
    fi
}

# The entry list tools, each run on the loaded entries and undone.
tools="sort_ascending_ms sort_descending_ms reverse_ms remove_duplicates_ms \
remove_duplicates_rules_ms trim_spaces_ms remove_empty_ms wrap_ms split_ms split_csv_ms groups_ms \
figures_ms figures_longest_event_gap_ms"

status=0
results=$work/results
: >"$results"
for n in $sizes; do
    list=$work/list-$n.txt
    generate "$n" >"$list"
    tr -d '\r' <"$list" >"$list.lf"

    # Timed without a wrapper; its peak memory comes from a second, untimed run.
    start=$EPOCHREALTIME
    paste -sd, "$list.lf" >"$work/joined-$n"
    paste_ms=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", (b - a) * 1000 }')
    paste_kib=0
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -f %M -o "$work/paste-mem" paste -sd, "$list.lf" >/dev/null
        paste_kib=$(cat "$work/paste-mem")
    fi

    # Batch mode on the same file as paste: the same bytes, and how its time and memory compare.
    read -r join_ms join_kib < <(batch_run "$list.lf" "$work/batch-$n" --join ,)
    if ! cmp -s "$work/joined-$n" "$work/batch-$n"; then
        echo "tavrolin --join , differs from paste -sd, for $n entries" >&2
        status=1
    fi
    # Grouped lines are written as plain ones are, in blocks: a group of one is no slower.
    read -r group1_ms _ < <(batch_run "$list.lf" "$work/group-$n" --join , --group 1)
    read -r group1000_ms _ < <(batch_run "$list.lf" "$work/group-$n" --join , --group 1000)
    {
        echo "$n batch_join_ms $join_ms"
        echo "$n batch_join_memory_kib $join_kib"
        echo "$n batch_group1_ms $group1_ms"
        echo "$n batch_group1000_ms $group1000_ms"
    } >>"$results"
    if [ "$n" -le "$tools_up_to" ]; then
        # The whole-list tools on the window's own list file, for their memory against the window's.
        read -r sort_ms sort_kib < <(batch_run "$list" /dev/null --join , --sort)
        read -r dedupe_ms dedupe_kib < <(batch_run "$list" /dev/null --join , --dedupe)
        # A sort that cannot have its memory: just below the least it needs, it must fail
        # well within the time a sort that succeeds takes.
        sort_limit=$(least_limit "$list" "$sort_kib" --join , --sort)
        if [ -n "$sort_limit" ]; then
            sort_fail_ms=$(failing_run "$list" $((sort_limit - sort_limit / 64)) --join , --sort) ||
                status=1
            {
                echo "$n batch_sort_limit_kib $sort_limit"
                echo "$n batch_sort_fail_ms $sort_fail_ms"
            } >>"$results"
        fi
        {
            echo "$n batch_sort_ms $sort_ms"
            echo "$n batch_sort_memory_kib $sort_kib"
            echo "$n batch_dedupe_ms $dedupe_ms"
            echo "$n batch_dedupe_memory_kib $dedupe_kib"
        } >>"$results"
    fi
    rm -f "$work/batch-$n" "$work/group-$n"

    figures=$work/figures-$n
    measured_tools=$tools
    tool_option=()
    if [ "$n" -gt "$tools_up_to" ]; then
        measured_tools=""
        tool_option=(--no-tools)
    fi
    if ! "$bench" "${tool_option[@]}" "$list" "$work/result-$n.csv" >"$figures" 2>"$work/stderr-$n"; then
        echo "tavrolin_bench failed for $n entries:" >&2
        grep -v propagateSizeHints "$work/stderr-$n" >&2 || true
        status=1
    fi
    for key in entries result_chars load_ms create_ms longest_event_gap_ms repaint_ms save_ms \
        copy_ms peak_memory_kib $measured_tools; do
        if ! grep -Eq "^$key [0-9.]+$" "$figures"; then
            echo "missing figure $key for $n entries" >&2
            status=1
        fi
    done

    chars=$(($(wc -m <"$work/joined-$n") - 1))
    if ! grep -qx "entries $n" "$figures" || ! grep -qx "result_chars $chars" "$figures"; then
        echo "the window did not hold $n entries joined into $chars characters" >&2
        status=1
    fi
    if ! cmp -s <(expected_file "$work/joined-$n" "$chars") "$work/result-$n.csv"; then
        echo "the saved file for $n entries differs from the joined list of paste" >&2
        status=1
    fi
    {
        echo "$n paste_ms $paste_ms"
        echo "$n paste_memory_kib $paste_kib"
        echo "$n input_bytes $(stat -c %s "$list")"
        sed "s/^/$n /" "$figures"
    } >>"$results"
    rm -f "$list" "$list.lf" "$work/joined-$n" "$work/result-$n.csv"
done

# One entry of 100 MB among short ones, saved and compared as the lists above are.
long=$work/list-long.txt
{ generate 500; head -c 100000000 /dev/zero | tr '\0' 'x'; printf '\r\n'; generate 500; } >"$long"
tr -d '\r' <"$long" | paste -sd, >"$work/joined-long"
if ! "$bench" --no-tools "$long" "$work/result-long.csv" >"$work/figures-long" 2>"$work/stderr-long"; then
    echo "tavrolin_bench failed for the long entry:" >&2
    grep -v propagateSizeHints "$work/stderr-long" >&2 || true
    status=1
fi
chars=$(($(wc -m <"$work/joined-long") - 1))
if ! cmp -s <(expected_file "$work/joined-long" "$chars") "$work/result-long.csv"; then
    echo "the saved file for the long entry differs from the joined list of paste" >&2
    status=1
fi
for key in longest_event_gap_ms longest_entry_copy_ms; do
    grep -E "^$key [0-9.]+$" "$work/figures-long" | sed 's/^/long /' >>"$results" || {
        echo "missing figure $key for the long entry" >&2
        status=1
    }
done
rm -f "$long" "$work/joined-long" "$work/result-long.csv"

# One table: every figure, its ratio to paste's time (or peak memory), and how it grows from
# the first size to each further one.
awk -v sizes="$sizes" -v tools="$tools" '
    { v[$1, $2] = $3 }
    function fmt(x) { return x >= 100 ? sprintf("%.0f", x) : sprintf("%.1f", x) }
    END {
        ns = split(sizes, n, " ")
        base = n[1]
        for (i = 1; i <= ns; i++) {
            s = n[i]
            v[s, "lcs_ms"] = v[s, "load_ms"] + v[s, "create_ms"] + v[s, "save_ms"]
            v[s, "peak_memory_mib"] = v[s, "peak_memory_kib"] / 1024
            v[s, "paste_memory_mib"] = v[s, "paste_memory_kib"] / 1024
            v[s, "tools_memory_mib"] = v[s, "peak_memory_after_tools_kib"] / 1024
            v[s, "batch_join_memory_mib"] = v[s, "batch_join_memory_kib"] / 1024
            v[s, "batch_sort_memory_mib"] = v[s, "batch_sort_memory_kib"] / 1024
            v[s, "batch_dedupe_memory_mib"] = v[s, "batch_dedupe_memory_kib"] / 1024
            v[s, "batch_sort_limit_memory_mib"] = v[s, "batch_sort_limit_kib"] / 1024
        }
        nk = split("paste_ms load_ms create_ms save_ms lcs_ms copy_ms repaint_ms longest_event_gap_ms peak_memory_mib " tools " tools_memory_mib batch_join_ms batch_join_memory_mib batch_group1_ms batch_group1000_ms batch_sort_ms batch_sort_memory_mib batch_sort_limit_memory_mib batch_sort_fail_ms batch_dedupe_ms batch_dedupe_memory_mib", keys, " ")
        label["paste_ms"] = "reference: paste -sd, (ms)"
        label["load_ms"] = "load list file (ms)"
        label["create_ms"] = "create list, Comma (ms)"
        label["save_ms"] = "save result file (ms)"
        label["lcs_ms"] = "load + create + save (ms)"
        label["copy_ms"] = "copy to clipboard (ms)"
        label["repaint_ms"] = "repaint results list (ms)"
        label["longest_event_gap_ms"] = "longest stretch without events (ms)"
        label["peak_memory_mib"] = "peak memory (MiB)"
        label["tools_memory_mib"] = "peak memory with the tools (MiB)"
        label["sort_ascending_ms"] = "tool: Sort A to Z (ms)"
        label["sort_descending_ms"] = "tool: Sort Z to A (ms)"
        label["reverse_ms"] = "tool: Reverse Order (ms)"
        label["remove_duplicates_ms"] = "tool: Remove Duplicates (ms)"
        label["remove_duplicates_rules_ms"] = "tool: Remove Duplicates, rules (ms)"
        label["trim_spaces_ms"] = "tool: Trim Spaces (ms)"
        label["remove_empty_ms"] = "tool: Remove Empty Entries (ms)"
        label["wrap_ms"] = "tool: Wrap Each Entry, SQL (ms)"
        label["split_ms"] = "tool: Split Entries, Comma (ms)"
        label["split_csv_ms"] = "tool: Split Entries, Comma, CSV (ms)"
        label["groups_ms"] = "tool: Create in Groups of 1,000 (ms)"
        label["figures_ms"] = "tool: List Figures (ms)"
        label["figures_longest_event_gap_ms"] = "  longest stretch without events (ms)"
        label["batch_join_ms"] = "batch: --join , (ms)"
        label["batch_join_memory_mib"] = "batch: --join , peak memory (MiB)"
        label["batch_group1_ms"] = "batch: --join , --group 1 (ms)"
        label["batch_group1000_ms"] = "batch: --join , --group 1000 (ms)"
        label["batch_sort_ms"] = "batch: --join , --sort (ms)"
        label["batch_sort_memory_mib"] = "batch: --sort peak memory (MiB)"
        label["batch_sort_limit_memory_mib"] = "batch: --sort least ulimit -v (MiB)"
        label["batch_sort_fail_ms"] = "  out of memory just below it (ms)"
        label["batch_dedupe_ms"] = "batch: --join , --dedupe (ms)"
        label["batch_dedupe_memory_mib"] = "batch: --dedupe peak memory (MiB)"
        printf "%-37s", "entries"
        for (i = 1; i <= ns; i++) printf " | %12s %8s", n[i], "x paste"
        for (i = 2; i <= ns; i++) printf " | %9s", n[i] "/" (base >= 1000000 ? base / 1000000 "M" : base)
        printf "\n"
        for (k = 1; k <= nk; k++) {
            key = keys[k]
            printf "%-37s", label[key]
            for (i = 1; i <= ns; i++) {
                s = n[i]
                ref = key ~ /memory_mib$/ ? v[s, "paste_memory_mib"] : v[s, "paste_ms"]
                printf " | %12s %8s", fmt(v[s, key]), (ref > 0 ? fmt(v[s, key] / ref) : "-")
            }
            for (i = 2; i <= ns; i++)
                printf " | %9s", (v[base, key] > 0 ? fmt(v[n[i], key] / v[base, key]) : "-")
            printf "\n"
        }
        printf "input: %s bytes for %s entries; result: %s characters\n",
            v[base, "input_bytes"], base, v[base, "result_chars"]
        printf "\ngoals\n"
        lcs = v[base, "lcs_ms"] / v[base, "paste_ms"]
        goal("load + create + save <= 3 x paste (" base ")", lcs, 3)
        goal("  stretch: <= 2 x paste (" base ")", lcs, 2)
        for (i = 2; i <= ns; i++) {
            goal("load + create + save, " n[i] " vs " base " <= " 11 * n[i] / base / 10 " x",
                v[n[i], "lcs_ms"] / v[base, "lcs_ms"], 11 * n[i] / base / 10)
            goal("peak memory, " n[i] " vs " base " <= " n[i] / base " x",
                v[n[i], "peak_memory_kib"] / v[base, "peak_memory_kib"], n[i] / base)
        }
        for (i = 1; i <= ns; i++) {
            s = n[i]
            if (s == 1000000) goal("peak memory (" s ") <= 100 MiB", v[s, "peak_memory_mib"], 100)
            if (s == 10000000) goal("peak memory (" s ") <= 600 MiB", v[s, "peak_memory_mib"], 600)
            # Below ten million entries the memory of the libraries outweighs the list.
            if (s >= 10000000)
                goal("peak memory (" s ") <= 3 x input", v[s, "peak_memory_kib"] * 1024 / v[s, "input_bytes"], 3)
        }
        for (i = 1; i <= ns; i++)
            goal("longest stretch without events (" n[i] ") < 50 ms", v[n[i], "longest_event_gap_ms"], 50)
        goal("repaint of the results list (" base ") < 20 ms", v[base, "repaint_ms"], 20)
        printf "  one 100 MB entry: longest stretch %s ms, one copy of it %s ms\n",
            fmt(v["long", "longest_event_gap_ms"]), fmt(v["long", "longest_entry_copy_ms"])
        goal("  stretch beyond that copy < 50 ms",
            v["long", "longest_event_gap_ms"] - v["long", "longest_entry_copy_ms"], 50)
        for (i = 1; i <= ns; i++)
            if (v[n[i], "groups_ms"] > 0)
                goal("groups of 1,000 vs one creation (" n[i] ") <= 2 x",
                    v[n[i], "groups_ms"] / v[n[i], "create_ms"], 2)
        for (i = 1; i <= ns; i++)
            if (v[n[i], "figures_ms"] > 0)
                goal("List Figures: stretch without events (" n[i] ") < 50 ms",
                    v[n[i], "figures_longest_event_gap_ms"], 50)
        for (i = 1; i <= ns; i++) {
            s = n[i]
            goal("batch --join (" s ") <= 1 x paste", v[s, "batch_join_ms"] / v[s, "paste_ms"], 1)
            goal("  stretch: <= 0.5 x paste (" s ")", v[s, "batch_join_ms"] / v[s, "paste_ms"], 0.5)
            if (i > 1)
                goal("batch --join memory, " s " vs " base " <= 1.1 x",
                    v[s, "batch_join_memory_kib"] / v[base, "batch_join_memory_kib"], 1.1)
            if (v[s, "batch_sort_fail_ms"] > 0)
                goal("--sort failing below its memory vs succeeding (" s ") <= 1 x",
                    v[s, "batch_sort_fail_ms"] / v[s, "batch_sort_ms"], 1)
            if (v[s, "peak_memory_after_tools_kib"] > 0) {
                goal("batch --sort memory (" s ") <= 0.5 x the window",
                    v[s, "batch_sort_memory_kib"] / v[s, "peak_memory_after_tools_kib"], 0.5)
                goal("batch --dedupe memory (" s ") <= 0.5 x the window",
                    v[s, "batch_dedupe_memory_kib"] / v[s, "peak_memory_after_tools_kib"], 0.5)
            }
        }
        nt = split(tools, tool, " ")
        for (t = 1; t <= nt; t++) {
            if (tool[t] == "figures_longest_event_gap_ms") continue
            name = label[tool[t]]
            sub(/ \(ms\)$/, "", name)
            for (i = 1; i <= ns; i++)
                if (n[i] == 1000000)
                    goal(name " (" n[i] ") < 1000 ms", v[n[i], tool[t]], 1000)
        }
    }
    function goal(text, value, limit) {
        printf "  %-52s %10s  %s\n", text, fmt(value), (value <= limit ? "met" : "NOT met")
    }' "$results"

# A column of a CSV file against the plain load of the same file, in the same run: 1,000,000
# rows of 5 columns after a header, a quoted field with a comma in every row, some non-ASCII.
csv=$work/columns.csv
awk 'BEGIN {
    print "id,name,place,email,amount"
    split("Zürich|Łódź|plain|Ærø|東京", w, "|")
    for (i = 1; i <= 1000000; i++)
        printf "%d,%s %d,\"%s, CH\",user%d@example.org,%d.%02d\r\n", i, w[i % 5 + 1], i, w[(i + 2) % 5 + 1], i, i % 977, i % 100
}' >"$csv"
if "$bench" --csv-column "$csv" >"$work/figures-csv" 2>"$work/stderr-csv"; then
    awk '{ v[$1] = $2 } END {
        printf "\nCSV column: %d rows of 5 columns (%d bytes)\n", v["csv_rows"], bytes
        printf "  plain load of the file (ms)             %10.1f\n", v["csv_plain_load_ms"]
        printf "  Load Column From CSV File, 2nd (ms)     %10.1f\n", v["csv_column_load_ms"]
        printf "  column vs plain load <= 2 x             %10.2f  %s\n", v["csv_column_ratio"],
            (v["csv_column_ratio"] <= 2 ? "met" : "NOT met")
    }' bytes="$(stat -c %s "$csv")" "$work/figures-csv"
else
    echo "tavrolin_bench --csv-column failed:" >&2
    cat "$work/stderr-csv" >&2
    status=1
fi

if [ "$status" -eq 0 ]; then
    echo "saved files: equal to the joined list of paste, with the header line"
fi
exit "$status"
