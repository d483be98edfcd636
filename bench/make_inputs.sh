#!/usr/bin/env bash
# Writes the benchmark inputs into the folder $1: source files from trivial to
# the largest the program accepts, and console dumps of 20 MB and 200 MB.
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
settings='$ key_next_map = F5
$ key_previous_map = F6
$ key_next_point = F7
$ key_previous_point = F8
$ key_go = F9
$ global_echo_map_prefix = ^3
$ global_echo_point_prefix = ^7
% no_popup = 1
% terminate = 1'

# A source of MAPS maps of POINTS points each, with SUFFIX and MAXLINES.
source_file() {
  local name=$1 maps=$2 points=$3 suffix=$4 maxlines=$5
  {
    echo "\$ output = $name.cfg"
    echo "$settings"
    echo "% random_suffix_length = $suffix"
    echo "% max_lines = $maxlines"
    awk -v maps="$maps" -v points="$points" 'BEGIN {
      printf "$() maps = map0\n"
      for (m = 1; m < maps; m++) printf "map%d\n", m
      for (m = 0; m < maps; m++) {
        printf "{ map%d\n$ name = Map number %d\n$ echo_point_prefix = ^2\n", m, m
        printf "$() points = Point 0 of map %d ; 100 200 300 0\n", m
        for (p = 1; p < points; p++) printf "Point %d of map %d ; %d %d %d 90\n", p, m, p, -p, p * 2
        printf "}\n"
      }
    }'
  } > "$name.txt"
}

source_file trivial 1 1 0 0
source_file realistic 20 50 4 400
# 11000 entries: the map list and the settings take 7, the rest are points.
source_file largest_one_map 1 10993 4 0
source_file largest_100_maps 100 108 4 0

# A dump with a marker line and a naming instruction every 50 lines.
dump_file() {
  local name=$1 megabytes=$2
  awk -v bytes=$((megabytes * 1024 * 1024)) 'BEGIN {
    total = 0; n = 0
    while (total < bytes) {
      if (n % 50 == 0) line = sprintf("TELEPORT MARKER : (%d %d %d)", n, -n, n % 977)
      else if (n % 50 == 1) line = sprintf("Player^7: $$$ Spot number %d", n)
      else line = sprintf("^3Server: player %d connected, ping %d ms, frame %d", n % 64, n % 300, n)
      print line
      total += length(line) + 1
      n++
    }
  }' > "$name"
}

dump_file dump20_condump.txt 20
dump_file dump200_condump.txt 200
