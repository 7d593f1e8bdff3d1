#!/usr/bin/env python3
"""Takes the screenshots under docs/: the main window after a Mega Drive Info
run on the simulated reader, and the About tab. Run by hand, never in CI.

Needs Xvfb, xdotool and ImageMagick's import (scripts/deps.sh --screenshots).

    python3 tools/screenshot.py [path/to/quorvel] [output-folder]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zlib

# The window is placed and sized so that the widgets sit where the clicks
# below expect them.
GEOMETRY = "760x740+0+0"
INFO_BUTTON = (560, 133)     # relative to the window's top-left corner
ABOUT_TAB = (141, 75)

# A title-table key: "James Bond 007 - The Duel (Jpn)", 512 KiB.
KEY = 0xAC8C113E
IMAGE_SIZE = 524288


def crc_table():
    table = []
    for n in range(256):
        c = n
        for _ in range(8):
            c = (c >> 1) ^ (0xEDB88320 if c & 1 else 0)
        table.append(c)
    return table


def force_crc32(data, length, pos, target):
    """Rewrites data[pos:pos+4] so that the CRC-32 of data[:length] is target."""
    table = crc_table()
    top = {t >> 24: i for i, t in enumerate(table)}

    def back(reg, byte):
        idx = top[reg >> 24]
        return (((reg ^ table[idx]) << 8) & 0xFFFFFFFF) | (idx ^ byte)

    before = zlib.crc32(bytes(data[:pos])) ^ 0xFFFFFFFF
    reg = target ^ 0xFFFFFFFF
    for b in reversed(data[pos + 4:length]):
        reg = back(reg, b)
    for _ in range(4):
        reg = back(reg, 0)
    patch = (before ^ reg).to_bytes(4, "little")
    data[pos:pos + 4] = patch
    assert zlib.crc32(bytes(data[:length])) == target


def make_image(path):
    data = bytearray((i * 7 + (i >> 9) + (i >> 17)) & 0xFF for i in range(IMAGE_SIZE))
    data[0x100:0x110] = b"SEGA MEGA DRIVE "
    force_crc32(data, 8192, 0x200, KEY)
    with open(path, "wb") as f:
        f.write(data)


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def free_display():
    for n in range(99, 140):
        if not os.path.exists("/tmp/.X11-unix/X%d" % n) and not os.path.exists("/tmp/.X%d-lock" % n):
            return ":%d" % n
    sys.exit("no free X display number")


def wait_for(predicate, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(0.2)
    sys.exit("gave up waiting for " + what)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    binary = sys.argv[1] if len(sys.argv) > 1 else None
    if not binary:
        for name in ("build", "build-gui", "build-release"):
            candidate = os.path.join(root, name, "quorvel")
            if os.path.exists(candidate):
                binary = candidate
                break
    if binary:
        binary = os.path.abspath(binary)
    if not binary or not os.path.exists(binary):
        sys.exit("usage: screenshot.py path/to/quorvel [output-folder]")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "docs")
    os.makedirs(out, exist_ok=True)
    for tool in ("Xvfb", "xdotool", "import"):
        if not shutil.which(tool):
            sys.exit(tool + " is missing: bash scripts/deps.sh --screenshots")

    work = tempfile.mkdtemp(prefix="quorvel-shots-")
    image = os.path.join(work, "james-bond.bin")
    make_image(image)

    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   QUORVEL_SIMULATE="md:" + image, QT_SCALE_FACTOR="1")
        wait_for(lambda: subprocess.run(["xdotool", "getmouselocation"], env=env,
                                        capture_output=True).returncode == 0, "Xvfb")
        app = subprocess.Popen([binary, "-qwindowgeometry", GEOMETRY], env=env, cwd=work,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def find_window():
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Varno Quorvel"],
                               env=env, capture_output=True, text=True)
            ids = r.stdout.split()
            return ids[0] if ids else None

        window = wait_for(find_window, "the main window")
        time.sleep(1.0)

        def geometry():
            info = run("xdotool", "getwindowgeometry", "--shell", window, env=env)
            values = dict(line.split("=", 1) for line in info.split())
            return int(values["X"]), int(values["Y"])

        def click(point):
            x, y = geometry()
            run("xdotool", "mousemove", str(x + point[0]), str(y + point[1]), "click", "1", env=env)

        def grab(name):
            target = os.path.join(out, name)
            run("import", "-window", window, target, env=env)
            print("wrote", target)

        click(INFO_BUTTON)
        time.sleep(1.5)
        run("xdotool", "mousemove", "1000", "740", env=env)   # no hover highlight
        time.sleep(0.3)
        grab("main-window.png")
        click(ABOUT_TAB)
        time.sleep(0.8)
        run("xdotool", "mousemove", "1000", "740", env=env)
        time.sleep(0.3)
        grab("about-tab.png")
    finally:
        if app:
            app.terminate()
            app.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
