#!/usr/bin/env python3
"""Finishes a flight's outputs in OUT (scripts/flight-demo.sh --auto):

  timeline.txt  VexlorPro's timeline (timeline.jsonl), VexlorEXP's (exp-timeline.jsonl) and
                the demo's own steps (steps.jsonl), one readable line each, in the order of
                their clock
  played.wav    the sound of both programs: each wrote its own SDL disk-audio file
                (played.raw, and played.raw.exp beside it), laid on one clock and mixed

  scripts/flight-outputs.py OUT
"""

import json
import os
import subprocess
import sys
from pathlib import Path

RATE = 44100
BYTES_PER_SECOND = RATE * 2 * 2  # 16-bit stereo


def seconds_of_day(clock):
    h, m, s = clock.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)


def entries(path, who):
    if not path.exists():
        return []
    out = []
    for raw in path.read_text(encoding="utf-8", errors="replace").splitlines():
        try:
            e = json.loads(raw)
        except json.JSONDecodeError:
            continue
        if "clock" not in e:
            continue
        out.append((seconds_of_day(e["clock"]), e["clock"], who, e))
    return out


def line(clock, who, e):
    kind = e.get("kind", "")
    if kind == "caption":
        text = e.get("text") or "(empty)"
    elif kind == "step":
        text = e.get("text", "")
    elif "file" in e:
        text = e["file"].replace("\\", "/")
        base = text.find("/Wav/")
        text = text[base + 1:] if base >= 0 else text
    else:
        return None
    return f"{clock}  {who:<4} {kind:<8} {text}"


def write_timeline(out):
    rows = (entries(out / "timeline.jsonl", "pro") + entries(out / "exp-timeline.jsonl", "exp") +
            entries(out / "steps.jsonl", "demo"))
    # A run across midnight keeps its order: a clock far below the first one is the next day.
    if rows:
        first = min(r[0] for r in rows[:1])
        rows = [(t + 86400 if t < first - 43200 else t, *rest) for t, *rest in rows]
    rows.sort(key=lambda r: r[0])
    text = [s for s in (line(clock, who, e) for _t, clock, who, e in rows) if s]
    (out / "timeline.txt").write_text("\n".join(text) + "\n", encoding="utf-8")


def audio_start(raw):
    """When a disk-audio file began: it is written at the pace it plays, up to its end."""
    st = raw.stat()
    return st.st_mtime - st.st_size / BYTES_PER_SECOND


def write_sound(out):
    pro, exp = out / "played.raw", out / "played.raw.exp"
    raw_format = ["-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16", "-c", "2"]
    if not pro.exists():
        return
    inputs = [pro]
    tmp_exp = out / ".exp.wav"
    if exp.exists() and exp.stat().st_size > 0:
        offset = max(0.0, audio_start(exp) - audio_start(pro))
        subprocess.run(["sox", "-q", *raw_format, str(exp), str(tmp_exp), "pad", f"{offset:.3f}"], check=True)
        inputs.append(tmp_exp)
    try:
        if len(inputs) == 2:
            subprocess.run(["sox", "-q", "-m", *raw_format, str(pro), str(tmp_exp), str(out / "played.wav")],
                           check=True)
        else:
            subprocess.run(["sox", "-q", *raw_format, str(pro), str(out / "played.wav")], check=True)
    finally:
        tmp_exp.unlink(missing_ok=True)
    pro.unlink(missing_ok=True)
    exp.unlink(missing_ok=True)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: flight-outputs.py OUT")
    out = Path(sys.argv[1])
    write_timeline(out)
    try:
        write_sound(out)
    except (subprocess.CalledProcessError, OSError) as e:
        print(f"flight-outputs: the sound was not mixed: {e}", file=sys.stderr)


if __name__ == "__main__":
    main()
