#!/usr/bin/env python3
"""Fails when shared memory of the tests (names with the build's test tag) or of the
programs' own names is left in /dev/shm without a holder.

A memory object is left over when no process holds it (its flock can be taken at once); a
lock object "<object>.init" when its memory object is gone or left over. Objects of another
build's tests are not looked at: that build may be running its tests right now.
"""
import fcntl
import os
import sys

SHM = "/dev/shm"


def held(path):
    try:
        fd = os.open(path, os.O_RDONLY)
    except OSError:
        return False
    try:
        fcntl.flock(fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
        return False
    except OSError:
        return True
    finally:
        os.close(fd)


def main():
    tag = sys.argv[1] if len(sys.argv) > 1 else ""
    stem = "vexlor-%d-" % os.geteuid()
    ours = [stem + "VEXLORPRO_"]
    if tag:
        ours.append(stem + tag)
    names = sorted(n for n in os.listdir(SHM) if any(n.startswith(o) for o in ours))
    left = []
    for name in names:
        memory = name[: -len(".init")] if name.endswith(".init") else name
        if not held(os.path.join(SHM, memory)):
            left.append(name)
    if left:
        print("shared memory left in %s:" % SHM)
        for name in left:
            print("  " + name)
        return 1
    print("no shared memory left (%d objects in use)" % len(names))
    return 0


if __name__ == "__main__":
    sys.exit(main())
