#!/usr/bin/env python3
"""Prints the benchmark suite's table of medians and ratios.

Reads the Google Benchmark JSON files (median aggregates) and the timedemo
summary lines that scripts/bench.sh leaves in one folder, and prints Markdown:
each blit mode and size for ours, SDL and the memcpy yardsticks; the kernel
builds; the whole-frame compose; the game benchmarks; present; the timedemo
throughput; and each speed target with the ratio it is judged by.

Times are the median CPU time of the benchmark thread, which a busy machine
disturbs less than wall time.
"""
import json
import pathlib
import re
import statistics
import sys

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def load_medians(folder):
    medians = {}
    for path in sorted(folder.glob("*.json")):
        for b in json.loads(path.read_text()).get("benchmarks", []):
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median":
                medians[b["run_name"]] = b["cpu_time"] * UNIT_NS[b.get("time_unit", "ns")]
            elif b.get("run_type") == "iteration" and b["run_name"] not in medians:
                medians[b["run_name"]] = b["cpu_time"] * UNIT_NS[b.get("time_unit", "ns")]
    return medians


def fmt_time(ns):
    if ns is None:
        return "n/a"
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"


def ratio(a, b):
    return a / b if a is not None and b else None


def fmt_ratio(r):
    return "n/a" if r is None else f"{r:.2f}x"


def table(header, rows):
    out = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    out += ["| " + " | ".join(str(c) for c in row) + " |" for row in rows]
    return "\n".join(out)


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/release/bench-results")
    m = load_medians(folder)
    get = m.get
    sections = []
    targets = []  # (target, measured text, holds)

    def target(text, value, limit, at_least):
        if value is None:
            targets.append((text, "not measured", "n/a"))
            return
        holds = value >= limit if at_least else value <= limit
        targets.append((text, fmt_ratio(value) if not text.startswith("Playing") else fmt_time(value),
                        "holds" if holds else "misses"))

    sizes = ["32x32", "64x64", "640x480"]
    rows = []
    for mode in ["opaque", "key", "blend"]:
        for size in sizes:
            ours, sdl = get(f"blit/{mode}/{size}/ours"), get(f"blit/{mode}/{size}/sdl")
            bulk, rowwise = get(f"memcpy/{size}"), get(f"memcpy-rows/{size}")
            rows.append([mode, size, fmt_time(ours), fmt_time(sdl), fmt_time(bulk), fmt_time(rowwise),
                         fmt_ratio(ratio(ours, bulk)), fmt_ratio(ratio(ours, rowwise)), fmt_ratio(ratio(sdl, ours))])
    sections.append("### Blits onto a 640x480 page\n\nmemcpy: one bulk copy of the picture's bytes; "
                    "rows: one memcpy per row into the same place on the page. SDL's blend is colour key "
                    "with SDL_SetSurfaceAlphaMod.\n\n" +
                    table(["mode", "size", "ours", "SDL", "memcpy", "memcpy rows", "ours/memcpy", "ours/rows",
                           "SDL/ours"], rows))

    variants = sorted({k.split("/")[3] for k in m if k.startswith("kernel/")},
                      key=lambda v: ["baseline", "sse4.2", "avx2", "avx512"].index(v)
                      if v in ["baseline", "sse4.2", "avx2", "avx512"] else 9)
    if variants:
        rows = []
        for v in variants:
            key, blend = get(f"kernel/key/64x64/{v}"), get(f"kernel/blend/64x64/{v}")
            rows.append([v, fmt_time(key), fmt_ratio(ratio(key, get("memcpy/64x64"))), fmt_time(blend),
                         fmt_ratio(ratio(blend, get("memcpy/64x64")))])
        sections.append("### Kernel builds, 64x64, row by row (the last one is the one drawImage uses)\n\n" +
                        table(["build", "key", "key/memcpy", "blend", "blend/memcpy"], rows))

    ours, sdl, bulk = get("compose/frame/ours"), get("compose/frame/sdl"), get("compose/frame/memcpy")
    sections.append("### Whole frame: 300 opaque 32x32 tiles + 500 transparent 32x32 sprites, 640x480\n\n" +
                    table(["ours", "SDL", "memcpy of the same 3.2 MB", "ours/memcpy", "SDL/memcpy", "SDL/ours"],
                          [[fmt_time(ours), fmt_time(sdl), fmt_time(bulk), fmt_ratio(ratio(ours, bulk)),
                            fmt_ratio(ratio(sdl, bulk)), fmt_ratio(ratio(sdl, ours))]]))

    frame, collide = get("game/playing_frame"), get("game/collision_pass")
    mask, sheet = get("startup/mask_build"), get("memcpy/sheet")
    present, frame_copy = get("present/dummy/ours"), get("present/dummy/memcpy")
    share = f"{100 * collide / frame:.1f}%" if frame and collide else "n/a"
    sections.append("### Game, start-up and present\n\n" + table(
        ["operation", "median", "yardstick", "ratio"],
        [["Playing frame, every pool full, PER PIXEL", fmt_time(frame), "", ""],
         ["collision pass alone, same pools", fmt_time(collide), "share of the frame", share],
         ["collision mask build (1024x768 sheet)", fmt_time(mask), f"memcpy of the sheet {fmt_time(sheet)}",
          fmt_ratio(ratio(mask, sheet))],
         ["present 640x480, SDL dummy driver", fmt_time(present), f"memcpy of a frame {fmt_time(frame_copy)}",
          fmt_ratio(ratio(present, frame_copy))]]))

    others = sorted(k for k in m if not re.match(r"(blit|kernel|memcpy|memcpy-rows|compose|game|startup|present)/", k))
    if others:
        sections.append("### Other benchmarks\n\n" + table(["benchmark", "median"],
                                                            [[k, fmt_time(m[k])] for k in others]))

    demo = folder / "timedemo.txt"
    if demo.exists():
        runs = [dict(re.findall(r"(\w+)=([\d.]+)", line)) for line in demo.read_text().splitlines()]
        runs = [r for r in runs if "fps" in r]
        if runs:
            fps = statistics.median(float(r["fps"]) for r in runs)
            frames = statistics.median(float(r["frames"]) for r in runs)
            wall = statistics.median(float(r["wall_seconds"]) for r in runs)
            game_s = statistics.median(float(r["game_seconds"]) for r in runs)
            sections.append("### Timedemo: `shooter --timedemo bench/timedemo_busy_game.txt` (headless, whole program)\n\n"
                            + table(["runs", "frames", "game seconds", "wall seconds", "fps (median)",
                                     "wall time per frame"],
                                    [[len(runs), f"{frames:.0f}", f"{game_s:.1f}", f"{wall:.3f}", f"{fps:.0f}",
                                      fmt_time(1e9 / fps)]]))

    for size, limit in [("32x32", 4.0), ("64x64", 6.0)]:
        target(f"colour-key blit {size}: at least {limit:g}x faster than SDL_BlitSurface",
               ratio(get(f"blit/key/{size}/sdl"), get(f"blit/key/{size}/ours")), limit, True)
    for size in ["32x32", "64x64"]:
        target(f"colour-key blit {size}: within 1.3x of memcpy",
               ratio(get(f"blit/key/{size}/ours"), get(f"memcpy/{size}")), 1.3, False)
    target("colour-key blit 640x480: within 1.1x of memcpy",
           ratio(get("blit/key/640x480/ours"), get("memcpy/640x480")), 1.1, False)
    for size in sizes:
        target(f"blend {size}: at least 15x faster than SDL colour key + alpha mod",
               ratio(get(f"blit/blend/{size}/sdl"), get(f"blit/blend/{size}/ours")), 15.0, True)
        target(f"blend {size}: within 4x of memcpy",
               ratio(get(f"blit/blend/{size}/ours"), get(f"memcpy/{size}")), 4.0, False)
    target("whole-frame compose: within 2.5x of memcpy", ratio(ours, bulk), 2.5, False)
    target("Playing frame, every pool full: at most 0.5 ms", frame, 0.5e6, False)
    targets.append(("collision pass under 5% of the frame", share,
                    "n/a" if share == "n/a" else ("holds" if collide / frame < 0.05 else "misses")))
    target("present on the dummy driver: within 2x of a frame memcpy", ratio(present, frame_copy), 2.0, False)
    sections.append("### Targets\n\n" + table(["target", "measured", ""], targets))

    print("\n\n".join(sections))


if __name__ == "__main__":
    main()
