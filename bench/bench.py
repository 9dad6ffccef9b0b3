#!/usr/bin/env python3
"""Frame-time benchmark of the unchanged game against peer programs drawing the same scene.

Every program runs with the FrameProbe library preloaded (LD_PRELOAD), which timestamps each
presented frame and counts the GL calls, texture binds and heap allocations between two
presented frames, then ends the program after the given time. The programs run one after the
other on the one X server (DISPLAY), alternating over several rounds, so that the machine's
drift hits them all alike. Start it through bench/run.sh (see the README).
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from x_client import XClient  # noqa: E402

WARM_UP_SECONDS = 1.0
SPRITE_FOLDERS = ("Baby", "Misc", "Turret")


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]


def read_probe(path):
    frames, calls = [], {}
    with open(path) as report:
        for line in report:
            if line.startswith("#"):
                continue
            if line.startswith("="):
                _, name, count = line.split()
                calls[name] = int(count)
            else:
                frames.append([int(field) for field in line.split()])
    return frames, calls


def steady_stats(frames, warm_up):
    """Frame statistics over the frames presented after the warm-up."""
    start = frames[0][0] + warm_up * 1e9
    steady = [frame for frame in frames if frame[0] >= start] or frames[-2:]
    if len(steady) < 2:
        steady = frames
    times_ms = [(b[0] - a[0]) / 1e6 for a, b in zip(steady, steady[1:])] or [0.0]
    per_frame = lambda column: statistics.median(b[column] - a[column] for a, b in zip(steady, steady[1:]))
    count = len(steady) - 1
    seconds = (steady[-1][0] - steady[0][0]) / 1e9
    return {
        "frames": count,
        "median_ms": statistics.median(times_ms),
        "p99_ms": percentile(times_ms, 0.99),
        "fps": count / seconds if seconds > 0 else 0.0,
        "gl_calls_per_frame": per_frame(1) if count else 0,
        "binds_per_frame": per_frame(2) if count else 0,
        "program_allocations_per_frame": (steady[-1][3] - steady[0][3]) / count if count else 0.0,
        "thread_allocations_per_frame": (steady[-1][4] - steady[0][4]) / count if count else 0.0,
        "cpu_ms_per_frame": (steady[-1][5] - steady[0][5]) / count / 1e6 if count else 0.0,
    }


class Server:
    """The benchmark's own connection to the X server, opened before the first program starts
    and kept for the whole run."""
    client = None

    @classmethod
    def open(cls):
        cls.client = XClient(os.environ["DISPLAY"])

    @classmethod
    def settle(cls):
        """Called after each program's end, before the next one connects."""
        cls.client.settle()


class Program:
    def __init__(self, name, command):
        self.name = name
        self.command = command

    def run(self, probe, folder, seconds, timeout):
        """Runs once in `folder`; returns (exec-to-first-frame seconds, frames, GL call totals)."""
        with tempfile.NamedTemporaryFile(prefix="probe-", suffix=".txt", delete=False) as report:
            path = report.name
        environment = dict(os.environ, LD_PRELOAD=probe, BENCH_PROBE_OUT=path, BENCH_PROBE_SECONDS=str(seconds))
        started = time.monotonic()
        process = subprocess.run(self.command, cwd=folder, env=environment, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=timeout)
        Server.settle()
        try:
            frames, calls = read_probe(path)
        finally:
            os.unlink(path)
        if process.returncode != 0 or not frames:
            sys.exit(f"bench: {self.name} ended with {process.returncode} before its frames were measured:\n"
                     + process.stderr.decode(errors="replace")[-2000:])
        return frames[0][0] / 1e9 - started, frames, calls

    def first_swap(self, first_swap_probe, folder):
        """Runs once in `folder` until its first buffer swap has returned, with nothing else
        preloaded; returns the seconds from exec to then."""
        with tempfile.NamedTemporaryFile(prefix="first-swap-", suffix=".txt", delete=False) as report:
            path = report.name
        environment = dict(os.environ, LD_PRELOAD=first_swap_probe, BENCH_FIRST_SWAP_OUT=path)
        started = time.monotonic()
        process = subprocess.run(self.command, cwd=folder, env=environment, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)
        Server.settle()
        try:
            with open(path) as report:
                swapped = int(report.read() or 0)
        finally:
            os.unlink(path)
        if process.returncode != 0 or not swapped:
            sys.exit(f"bench: {self.name} ended with {process.returncode} before its first frame:\n"
                     + process.stderr.decode(errors="replace")[-2000:])
        return swapped / 1e9 - started


def profile_startup(game, probe, folder, runs):
    """Where the game's start-up goes: the moments its console lines reach standard error,
    from exec, the median of several runs; each phase ends at the next line listed."""
    marks = {}
    for _ in range(runs):
        with tempfile.NamedTemporaryFile(prefix="probe-", suffix=".txt", delete=False) as report:
            path = report.name
        environment = dict(os.environ, LD_PRELOAD=probe, BENCH_PROBE_OUT=path, BENCH_PROBE_SECONDS="0")
        started = time.monotonic()
        process = subprocess.Popen(game.command, cwd=folder, env=environment, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        seen = {}
        for line in process.stderr:
            text = line.decode(errors="replace").strip()
            key = "first spawn" if text.startswith("Spawned") else text.split("CONSOLE", 1)[-1].lstrip(" :")
            if "MODE" not in key:  # one line per display mode
                seen.setdefault(key[:70], (time.monotonic() - started) * 1000.0)
        process.wait()
        Server.settle()
        frames, _ = read_probe(path)
        os.unlink(path)
        seen["first frame presented"] = (frames[0][0] / 1e9 - started) * 1000.0
        for key, value in seen.items():
            marks.setdefault(key, []).append(value)
    ordered = sorted(((statistics.median(values), key) for key, values in marks.items()))
    print(f"\n{game.name}'s start-up (median of {runs} runs, ms from exec; step: since the line above)")
    previous = 0.0
    for moment, key in ordered:
        print(f"{moment:8.1f} {moment - previous:7.1f}  {key}")
        previous = moment
    return {key: moment for moment, key in ordered}


def make_folder(data, level_prefix, root):
    """A working folder with the sprites of `data` and the level `level_prefix` as Level02."""
    folder = tempfile.mkdtemp(prefix="bench-", dir=root)
    for name in SPRITE_FOLDERS:
        os.symlink(os.path.abspath(os.path.join(data, name)), os.path.join(folder, name))
    os.mkdir(os.path.join(folder, "levels"))
    for part in ("image", "data"):
        os.symlink(os.path.abspath(f"{level_prefix}_{part}.tga"),
                   os.path.join(folder, "levels", f"Level02_{part}.tga"))
    return folder


def median_of(runs, key):
    return statistics.median(run[key] for run in runs)


def summarise(runs):
    keys = runs[0].keys()
    return {key: median_of(runs, key) for key in keys}


def measure_frames(programs, probe, folder, args):
    """Alternates the programs over the rounds; the medians of their rounds."""
    results = {program.name: [] for program in programs}
    for round_index in range(args.rounds):
        order = programs[round_index % len(programs):] + programs[:round_index % len(programs)]
        for program in order:
            _, frames, calls = program.run(probe, folder, args.seconds, args.seconds + 60)
            stats = steady_stats(frames, min(WARM_UP_SECONDS, args.seconds / 4))
            results[program.name].append(stats)
            if args.verbose:
                top = sorted(calls.items(), key=lambda item: -item[1])[:8]
                print(f"  round {round_index + 1} {program.name}: {stats['fps']:.1f} fps; calls: {top}", flush=True)
    return {name: summarise(runs) for name, runs in results.items()}


def measure_startup(programs, first_swap_probe, folder, args):
    """Exec to the end of the first buffer swap, as an outsider measures it (only the swap
    wrapped), the median of several alternated runs."""
    samples = {program.name: [] for program in programs}
    for _ in range(args.startup_runs):
        for program in programs:
            samples[program.name].append(program.first_swap(first_swap_probe, folder) * 1000.0)
    return {name: statistics.median(values) for name, values in samples.items()}


def print_frame_table(title, results, startup, game):
    print(f"\n{title}")
    header = (f"{'program':<10} {'fps':>7} {'median ms':>9} {'p99 ms':>7} {'CPU ms':>7} {'GL calls':>8} {'binds':>6} "
              f"{'allocs':>7} {'first frame ms':>14} {'fps ratio':>9} {'CPU ratio':>9} {'start ratio':>11}")
    print(header)
    print("-" * len(header))
    for name, stats in results.items():
        fps_ratio = results[game]["fps"] / stats["fps"] if name != game and stats["fps"] else None
        cpu = results[game]["cpu_ms_per_frame"]
        cpu_ratio = stats["cpu_ms_per_frame"] / cpu if name != game and cpu else None
        start_ratio = startup[game] / startup[name] if name != game and name in startup and startup[name] else None
        print(f"{name:<10} {stats['fps']:>7.1f} {stats['median_ms']:>9.2f} {stats['p99_ms']:>7.2f} "
              f"{stats['cpu_ms_per_frame']:>7.2f} {stats['gl_calls_per_frame']:>8.0f} {stats['binds_per_frame']:>6.0f} "
              f"{stats['program_allocations_per_frame']:>7.2f} "
              f"{startup.get(name, float('nan')):>14.1f} "
              f"{'' if fps_ratio is None else f'{fps_ratio:.2f}':>9} "
              f"{'' if cpu_ratio is None else f'{cpu_ratio:.2f}':>9} "
              f"{'' if start_ratio is None else f'{start_ratio:.2f}':>11}")
    print("fps ratio: game fps / program fps (above 1: the game is faster). CPU ms: the program's CPU time (all"
          " its threads) per frame, which other work on the machine barely changes; CPU ratio: program's / game's"
          " (above 1: the game is cheaper). start ratio: game's first frame time / program's (below 1: the game"
          " is earlier). allocs: heap allocations per steady frame made by the program's own code on its"
          " drawing thread.")


def measure_scale(programs, probes, args, root):
    """Every program on each crowd level, alternated over the rounds as on Level02."""
    rows = []
    for babies in args.scale:
        levels = os.path.join(root, "crowd")
        os.makedirs(levels, exist_ok=True)
        subprocess.run([args.datagen, "--crowd", str(babies), levels], check=True)
        folder = make_folder(args.data, os.path.join(levels, f"Crowd{babies}"), root)
        one_run = argparse.Namespace(**{**vars(args), "startup_runs": 1})
        first_frames = measure_startup(programs, probes.first_swap, folder, one_run)
        results = measure_frames(programs, probes.frames, folder, args)
        for program in programs:
            stats = results[program.name]
            stats.update(program=program.name, babies=babies, mines=4 * babies,
                         first_frame_ms=first_frames[program.name])
            rows.append(stats)
    print("\nScale: crowd levels (the game's babies wander and the peers' stand; the mines lie fenced off out of "
          "reach)")
    header = (f"{'program':<10} {'babies':>6} {'mines':>6} {'fps':>7} {'median ms':>9} {'p99 ms':>7} {'CPU ms':>7} "
              f"{'GL calls':>8} {'binds':>6} {'first frame ms':>14} {'µs/baby':>8} {'CPU µs/baby':>11} "
              f"{'fps ratio':>9}")
    print(header)
    print("-" * len(header))
    previous, game = {}, {}
    for row in rows:
        before = previous.get(row["program"])
        added = lambda key: (1000.0 * (row[key] - before[key]) / (row["babies"] - before["babies"])
                             if before is not None else None)
        row["added_us_per_baby"] = added("median_ms")
        row["added_cpu_us_per_baby"] = added("cpu_ms_per_frame")
        game.setdefault(row["babies"], row)  # the game runs first
        ratio = game[row["babies"]]["fps"] / row["fps"] if row is not game[row["babies"]] and row["fps"] else None
        shown = lambda value: "" if value is None else f"{value:.1f}"
        print(f"{row['program']:<10} {row['babies']:>6} {row['mines']:>6} {row['fps']:>7.1f} {row['median_ms']:>9.2f} "
              f"{row['p99_ms']:>7.2f} {row['cpu_ms_per_frame']:>7.2f} {row['gl_calls_per_frame']:>8.0f} "
              f"{row['binds_per_frame']:>6.0f} {row['first_frame_ms']:>14.1f} {shown(row['added_us_per_baby']):>8} "
              f"{shown(row['added_cpu_us_per_baby']):>11} {'' if ratio is None else f'{ratio:.2f}':>9}")
        previous[row["program"]] = row
    print("µs/baby, CPU µs/baby: added median frame time, and added CPU time per frame, per added baby (with its"
          " four mines) since the program's row above. fps ratio: the game's fps over the program's.")
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the linux preset's build folder")
    parser.add_argument("--data", required=True, help="the game's data folder (Data/)")
    parser.add_argument("--level", help="level to play, as <folder>/<name> of <name>_image.tga and "
                                        "<name>_data.tga (default: the data folder's Level02)")
    parser.add_argument("--seconds", type=float, default=10.0, help="measured time per run")
    parser.add_argument("--rounds", type=int, default=3, help="alternated rounds of every program")
    parser.add_argument("--startup-runs", type=int, default=5, help="alternated runs for the first frame time")
    parser.add_argument("--peers", default="sfml,allegro,floor", help="peers to run beside the game (or none)")
    parser.add_argument("--program", action="append", default=[], metavar="NAME=PATH",
                        help="another build of the game to run beside it, such as before=/tmp/cribblestorm-old")
    parser.add_argument("--scale", default="", help="baby counts for crowd levels, such as 10,100,1000")
    parser.add_argument("--startup-profile", type=int, default=0, metavar="RUNS",
                        help="also time the game's start-up phases by its console lines over RUNS runs")
    parser.add_argument("--json", help="where to write the results as JSON")
    parser.add_argument("--verbose", action="store_true", help="print every run and its most frequent GL calls")
    args = parser.parse_args()
    args.scale = [int(count) for count in args.scale.split(",") if count]
    args.datagen = os.path.join(args.build, "tools", "datagen")
    probes = argparse.Namespace(frames=os.path.abspath(os.path.join(args.build, "bench", "libframeprobe.so")),
                                first_swap=os.path.abspath(os.path.join(args.build, "bench", "libfirstswap.so")))
    font = subprocess.run(["fc-match", "-f", "%{file}", "Trebuchet MS"], capture_output=True, text=True).stdout
    level = args.level or os.path.join(args.data, "levels", "Level02")

    programs = [Program("game", [os.path.abspath(os.path.join(args.build, "cribblestorm"))])]
    for other in args.program:
        name, path = other.split("=", 1)
        programs.append(Program(name, [os.path.abspath(path)]))
    for peer in [name for name in args.peers.split(",") if name and name != "none"]:
        path = os.path.abspath(os.path.join(args.build, "bench", "peers", f"{peer}_peer"))
        if not os.path.exists(path):
            sys.exit(f"bench: {path} was not built")
        programs.append(Program(peer, [path, font]))

    Server.open()
    root = tempfile.mkdtemp(prefix="cribblestorm-bench-")
    try:
        folder = make_folder(args.data, level, root)
        print(f"Level {level}: {args.rounds} alternated rounds of {args.seconds:g} s per program "
              f"(first {min(WARM_UP_SECONDS, args.seconds / 4):g} s not counted), "
              f"first frame the median of {args.startup_runs} runs", flush=True)
        builds = programs[:1 + len(args.program)]  # the game and its other builds
        phases = {build.name: profile_startup(build, probes.frames, folder, args.startup_profile)
                  for build in (builds if args.startup_profile else [])}
        startup = measure_startup(programs, probes.first_swap, folder, args)
        results = measure_frames(programs, probes.frames, folder, args)
        print_frame_table("Frames (medians over the rounds)", results, startup, "game")
        scale = measure_scale(programs, probes, args, root) if args.scale else []
        if args.json:
            with open(args.json, "w") as out:
                json.dump({"level": level, "seconds": args.seconds, "rounds": args.rounds, "frames": results,
                           "first_frame_ms": startup, "startup_phases_ms": phases, "scale": scale}, out, indent=2)
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
