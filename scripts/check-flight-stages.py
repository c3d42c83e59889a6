#!/usr/bin/env python3
"""Checks the sample flight's stages (the flight scripts scripts/make-sample.py writes, or
the given files, flown in the given order) for an aircraft that behaves: the gear is fully
down whenever the aircraft is on the ground, the throttle is below zero (reverse) only on
the ground, the flaps are out only at 250 kt or below, and the flaps and the speeds move
only the ways their stage allows. Prints each fault; exit status 0 when there is none.

  scripts/check-flight-stages.py                 # the stages make-sample.py writes
  scripts/check-flight-stages.py FILE...         # these scripts, one stage after another

The values are those fs-standin plays: each moves linearly between the keyframes that name
it, holds its first value before them and its last after them, and the step values
(onground, spoiler, ...) hold each keyframe's value until the next; a value that a stage
does not name keeps what the stage before left (the stand-in's start values before the
first). Between two consecutive keyframe times of a stage every value is therefore linear
and the on-ground value constant, so each such piece is checked exactly at its two ends.
"""

import importlib.util
import sys
from pathlib import Path

# The values the stand-in starts with, of those checked here.
START = {"onground": 1, "gear": 1, "flaps": 0, "throttle": 0, "ias": 0, "tas": 0, "gs": 0}
STEPS = {"onground", "spoiler", "turbulence", "precip_type", "precip_rate", "high_cover", "low_cover",
         "storm_cover", "fuel_weight"}
SPEEDS = ("ias", "tas", "gs")
TAXI_KT = 30         # at or below this on the ground the speeds may go either way
FLAP_LIMIT_KT = 250  # flaps out only at or below this

# How each stage may move the flaps and the speeds: +1 only out (or faster), -1 only in (or
# slower), 0 not at all; None: the stage has no such piece at all. "ground" is the ground
# above taxi speed; at taxi speed the flaps keep the ground's rule and the speeds are free.
RULES = {
    "parked-at-gate.txt": {"flaps_air": None, "speed_air": None, "flaps_ground": 0, "speed_ground": None},
    "taxi-out.txt": {"flaps_air": None, "speed_air": None, "flaps_ground": +1, "speed_ground": None},
    "takeoff.txt": {"flaps_air": -1, "speed_air": +1, "flaps_ground": 0, "speed_ground": +1},
    "cruise.txt": {"flaps_air": 0, "speed_air": +1, "flaps_ground": None, "speed_ground": None},
    "approach.txt": {"flaps_air": +1, "speed_air": -1, "flaps_ground": None, "speed_ground": None},
    "landing.txt": {"flaps_air": +1, "speed_air": -1, "flaps_ground": -1, "speed_ground": -1},
}


def seconds(text):
    total = 0.0
    for part in text.split(":"):
        total = total * 60 + float(part)
    return total


def parse(text):
    """{name: [(time, value or None for "here")]} and the keyframe times, as the stand-in
    reads a script (raw variables are left out: they are written once, not played)."""
    tracks, times = {}, [0.0]
    for line in text.splitlines():
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        if words[0] != "at" or len(words) < 2:
            raise ValueError(f"not a keyframe: {line!r}")
        t = seconds(words[1])
        times.append(t)
        for word in words[2:]:
            name, value = word.split("=", 1)
            if name.lower().startswith("0x"):
                continue
            tracks.setdefault(name, []).append((t, None if value == "here" else float(value)))
    return tracks, sorted(set(times))


def sample(points, t, step):
    """The value at t as fs-standin's FlightScript::Sample gives it."""
    if t <= points[0][0]:
        return points[0][1]
    if t >= points[-1][0]:
        return points[-1][1]
    i = max(k for k, (time, _) in enumerate(points) if time <= t)
    (ta, a), (tb, b) = points[i], points[i + 1]
    if step or tb <= ta:
        return a
    return a + (b - a) * (t - ta) / (tb - ta)


def stage_values(tracks, carried):
    """A function giving each checked value at a time of the stage."""
    def value(name, t):
        points = tracks.get(name)
        if not points or points[0][1] is None:
            return carried[name]
        return sample(points, t, name in STEPS)
    return value


def fmt(t):
    m, s = divmod(t, 60)
    return f"{int(m)}:{s:04.1f}"


def moves(rule, a, b):
    """Whether a change from a to b keeps to the rule (+1, -1 or 0)."""
    eps = 1e-9
    return {+1: b >= a - eps, -1: b <= a + eps, 0: abs(b - a) <= eps}[rule]


def check_stage(name, text, carried):
    tracks, times = parse(text)
    value = stage_values(tracks, carried)
    rules = RULES.get(name)
    faults = []
    for ta, tb in zip(times, times[1:]):
        where = f"{name} {fmt(ta)}-{fmt(tb)}"
        ground = value("onground", ta) == 1
        at = {n: (value(n, ta), value(n, tb)) for n in ("gear", "flaps", "throttle") + SPEEDS}
        if ground and min(at["gear"]) < 1:
            faults.append(f"{where}: on the ground with the gear at {at['gear'][0]:g} to {at['gear'][1]:g}, "
                          "not fully down")
        if not ground and min(at["throttle"]) < 0:
            faults.append(f"{where}: in the air with the throttle at {at['throttle'][0]:g} to "
                          f"{at['throttle'][1]:g} (reverse)")
        # The flaps out above the limit: both are linear on the piece, so the fastest moment
        # with the flaps out is an end of the part of the piece where they are out.
        (fa, fb), (va, vb) = at["flaps"], at["ias"]
        if fa > 0 or fb > 0:
            cross = ta if fa > 0 and fb > 0 else ta + (tb - ta) * (0 - fa) / (fb - fa)
            out = (ta, cross) if fa > 0 and fb <= 0 else (cross, tb)
            fastest = max(va + (vb - va) * (t - ta) / (tb - ta) for t in out)
            if fastest > FLAP_LIMIT_KT + 1e-9:
                faults.append(f"{where}: flaps out ({fa:g} to {fb:g} %) at {fastest:g} kt")
        if rules is None:
            continue
        taxi = ground and max(max(at[s]) for s in SPEEDS) <= TAXI_KT
        flaps_rule = rules["flaps_ground" if ground else "flaps_air"]
        speed_rule = None if taxi else rules["speed_ground" if ground else "speed_air"]
        if flaps_rule is None or (speed_rule is None and not taxi):
            faults.append(f"{where}: {'on the ground' if ground else 'in the air'}"
                          f"{'' if taxi or not ground else ' above taxi speed'}, which this stage never is")
            continue
        if not moves(flaps_rule, *at["flaps"]):
            faults.append(f"{where}: flaps {at['flaps'][0]:g} to {at['flaps'][1]:g} %")
        for s in SPEEDS if speed_rule is not None else ():
            if not moves(speed_rule, *at[s]):
                faults.append(f"{where}: {s} {at[s][0]:g} to {at[s][1]:g} kt")
    end = times[-1]
    return faults, {n: value(n, end) for n in START}


def stages_of_make_sample():
    path = Path(__file__).with_name("make-sample.py")
    spec = importlib.util.spec_from_file_location("make_sample", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return [(Path(relative).name, make()) for relative, make in module.FLIGHT_STAGES.items()]


def main(argv):
    if argv:
        stages = [(Path(p).name, Path(p).read_text(encoding="utf-8")) for p in argv]
    else:
        stages = stages_of_make_sample()
    carried = dict(START)
    faults = []
    for name, text in stages:
        found, carried = check_stage(name, text, carried)
        faults += found
    for fault in faults:
        print(fault)
    print(f"check-flight-stages: {len(stages)} stages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
