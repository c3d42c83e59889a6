#!/usr/bin/env python3
"""Checks the outputs of one sample flight (scripts/flight-demo.sh --auto OUT) and prints
what is missing; exit status 0 when nothing is.

  scripts/check-flight.py OUT
"""

import json
import re
import sys
from pathlib import Path

# VexlorEXP's calls, by the recording each plays.
TAKEOFF_CALLS = [("V1", "FO/to_3.wav"), ("rotate", "FO/to_4.wav"), ("V2", "FO/to_5.wav"),
                 ("flaps", re.compile(r"CP/Flap/CP_Flap(0|1|5)\.wav$"))]
LANDING_CALLS = [("1000", "高度読上/-1000.wav"), ("500", "高度読上/-500.wav"), ("400", "高度読上/-400.wav"),
                 ("approaching minimums", "FO/ld_1.wav"), ("300", "高度読上/-300.wav"),
                 ("minimums", "FO/ld_2.wav"), ("200", "高度読上/-200.wav"), ("100", "高度読上/-100.wav"),
                 ("50", "高度読上/-50.wav"), ("40", "高度読上/-40.wav"), ("30", "高度読上/-30.wav"),
                 ("20", "高度読上/-20.wav"), ("10", "高度読上/-10.wav"), ("spoilers", "FO/ld_3.wav"),
                 ("60 kt", "FO/ld_4.wav")]
TOW_CAR = [("tow-car start", "Tcar音/tcar_s.wav"), ("tow-car loop", "Tcar音/tcar_m.wav"),
           ("tow-car end", "Tcar音/tcar_e.wav")]
TAKEOFF_TRIGGER = "FO/to_1.wav"
GROUP_CAPTIONS = ["Ｇ０：空港案内", "Ｇ１：ＴＯＢ１１", "Ｇ２：プッシュバック", "Ｇ３：Ｔａｘｉ", "Ｇ４：離陸",
                  "Ｇ５：到着放送１", "Ｇ６：最終放送１"]


def seconds(clock):
    h, m, s = clock.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)


def json_lines(path):
    out = []
    if not path.exists():
        return out
    for raw in path.read_text(encoding="utf-8", errors="replace").splitlines():
        try:
            out.append(json.loads(raw))
        except json.JSONDecodeError:
            pass
    return out


def sound_file(e):
    return e.get("file", "").replace("\\", "/")


def matches(name, want):
    return want.search(name) is not None if isinstance(want, re.Pattern) else name.endswith(want)


def in_order(events, wanted):
    """The names of `wanted` not found in order among the played files of `events`."""
    missing = []
    i = 0
    for label, want in wanted:
        j = i
        while j < len(events) and not matches(sound_file(events[j]), want):
            j += 1
        if j == len(events):
            missing.append(label)
        else:
            i = j + 1
    return missing


def settings_values(path):
    """The values of a positional settings text (CP932): the items that start with "="."""
    text = path.read_bytes().decode("cp932", errors="replace")
    values = []
    for line in text.splitlines():
        for item in line.split(","):
            if item.startswith("="):
                values.append(item[1:])
    return values


def check(out):
    problems = []
    need = lambda ok, what: ok or problems.append(what)  # noqa: E731

    pro = json_lines(out / "timeline.jsonl")
    exp_path = out / "exp-timeline.jsonl"
    exp = json_lines(exp_path)
    steps = json_lines(out / "steps.jsonl")
    log = json_lines(out / "fs-standin.log")
    need(bool(pro), "timeline.jsonl (VexlorPro's timeline) is missing or empty")
    need(exp_path.exists() and bool(exp), "exp-timeline.jsonl (VexlorEXP's timeline) is missing or empty")

    # VexlorEXP: take-off and landing calls in order, the tow car.
    played = [e for e in exp if e.get("kind") in ("play", "loop")]
    for label in in_order(played, TAKEOFF_CALLS):
        problems.append(f"VexlorEXP's take-off call '{label}' is missing or out of order")
    for label in in_order(played, LANDING_CALLS):
        problems.append(f"VexlorEXP's landing call '{label}' is missing or out of order")
    for label in in_order(played, TOW_CAR):
        problems.append(f"VexlorEXP's {label} sound is missing")

    # VexlorPro: the ground groups in order; the take-off call after G4.
    captions = [e for e in pro if e.get("kind") == "caption"]
    i = 0
    for caption in GROUP_CAPTIONS:
        j = next((k for k in range(i, len(captions)) if captions[k].get("text") == caption), None)
        if j is None:
            problems.append(f"VexlorPro's caption {caption} is missing or out of order")
        else:
            i = j + 1
    g4 = [seconds(e["clock"]) for e in captions if e.get("text") == "Ｇ４：離陸"]
    trigger = [seconds(e["clock"]) for e in played if sound_file(e).endswith(TAKEOFF_TRIGGER)]
    need(bool(g4) and any(t >= g4[0] for t in trigger), "VexlorEXP's take-off call (39) does not follow G4's caption")

    # The stand-in: the pushback sequence on 0x31F4 with the aircraft moved; Ocumo's keys
    # moving the eye; the door and jetway keys.
    pushback = [e.get("value") for e in log if e.get("kind") == "write" and e.get("offset") == "0x31F4"]
    first_push = next((k for k, v in enumerate(pushback) if v in (0, 1, 2)), None)
    need(first_push is not None and 3 in pushback[first_push:],
         "the stand-in's log has no pushback sequence on 0x31F4 (push, then 3)")
    moves = [e for e in log if e.get("kind") == "motion" and e.get("moving") is False]
    need(any(abs(e.get("north", 0)) + abs(e.get("east", 0)) > 5 for e in moves),
         "the stand-in's log shows no aircraft moved by the pushback")
    span = next((e.get("text", "") for e in steps if e.get("text", "").startswith("Ocumo log lines")), "")
    m = re.match(r"Ocumo log lines (\d+)-(\d+)", span)
    if m:
        first, last = int(m.group(1)), int(m.group(2))
        eyes = [e for e in log[first:last] if e.get("kind") == "eye"]
        need(bool(eyes), "Ocumo's keys moved no eye in the stand-in's log")
    else:
        problems.append("the steps do not name Ocumo's part of the stand-in's log")
    need(any(e.get("kind") == "door" for e in log), "the stand-in's log has no door key")
    need("Ocumo's door window" in [e.get("text", "") for e in steps] and (out / "03-door-window.png").exists(),
         "Ocumo's door window was not shown")
    # The jetway keys come with the door view only when the departure airport is marked for
    # the airport add-on, which also turns the pushback off: the sample flight pushes back.
    if not any(e.get("kind") == "jetway" for e in log):
        print("note: no jetway key (the sample's departure airport is not an add-on airport, so it pushes back)")

    # EyeRet.cfg's view values kept in the saved VexlorPro.cfg.
    eyeret, cfg = out / "EyeRet.cfg", out / "VexlorPro.cfg"
    if eyeret.exists() and cfg.exists():
        views = settings_values(eyeret)[:30]
        saved = settings_values(cfg)

        def holds(run):
            return any(saved[k:k + len(run)] == run for k in range(len(saved) - len(run) + 1))
        # The settings keep the four views of the aircraft in one run and the two tower views
        # in another.
        need(len(views) == 30 and holds(views[:20]) and holds(views[20:]),
             "EyeRet.cfg's view values are not in the saved VexlorPro.cfg")
    else:
        problems.append("EyeRet.cfg or the saved VexlorPro.cfg is missing from the outputs")

    # The landing signal file, written by VexlorEXP and taken by VexlorPro.
    texts = [e.get("text", "") for e in steps]
    need("vexlorLND.cfg written" in texts, "vexlorLND.cfg was not seen written")
    need("vexlorLND.cfg gone" in texts, "vexlorLND.cfg was not seen gone")

    # The report.
    reports = [p for p in (out / "FlightReport").glob("*.txt") if p.name != "FlightReport.txt"] \
        if (out / "FlightReport").exists() else []
    report_text = "\n".join(p.read_bytes().decode("cp932", errors="replace") for p in reports)
    need(bool(reports), "no flight report in FlightReport/")
    for word in ("RJTT", "RJCC"):
        need(word in report_text, f"the flight report does not name {word}")
    need(re.search(r"飛行時間\s*[:：]?\s*\S*\d", report_text) is not None, "the flight report has no flight time")

    # Every program ended.
    need("programs ended: VexlorPro VexlorEXP Ocumo" in texts, "not every program ended by itself")
    return problems


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check-flight.py OUT")
    problems = check(Path(sys.argv[1]))
    for p in problems:
        print(f"missing: {p}")
    print("check-flight: " + ("all present" if not problems else f"{len(problems)} missing"))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
