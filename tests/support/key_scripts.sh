# Key scripts that more than one test script plays (sourced, not run).

# taps T1 KEY1 T2 KEY2 ...: a press of each key at its time, let go 0.1 s later.
taps() { while [ $# -gt 1 ]; do awk -v t="$1" -v k="$2" 'BEGIN { printf "%.2f down %s\n%.2f up %s\n", t, k, t + 0.1, k }'; shift 2; done; }

# A whole game: into play from the title, fire held, the boss brought on at
# once with keypad plus, weaving until the craft is lost; then the name KES
# on the name-entry screen, and the window closed at 65 s.
boss_game_script() {
  taps 6 Enter 7 Enter
  echo "8 down Space"
  for t in $(seq 9 0.3 12.3); do taps "$t" KpPlus; done
  for t in $(seq 13 3 37); do
    echo "$t down Left"; echo "$t.9 up Left"; echo "$((t + 1)).5 down Right"; echo "$((t + 1)).9 up Right"
  done
  echo "40 up Space"
  taps 60 K 60.5 E 61 S 62 Enter
  echo "65 close"
}
