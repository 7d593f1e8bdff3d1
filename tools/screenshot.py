#!/usr/bin/env python3
"""Takes the screenshots under docs/: the main window without a reader, during
and after a Mega Drive dump from the simulated reader, the same in Japanese
and at 192 dpi, a dump that a catalogue verifies (a DAT file imported for
the occasion), a suspect dump (its header checksum fails), and the About tab.
Run by hand, never in CI.

Needs Xvfb, xdotool, ImageMagick's import and a Japanese font; installs them
when missing through `bash scripts/deps.sh --screenshots` (as root).

    python3 tools/screenshot.py [path/to/quorvel] [output-folder]
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zlib

# The window is placed and sized so that the widgets sit where the clicks
# below expect them (in 96 dpi pixels; doubled at 192 dpi).
GEOMETRY = (760, 740)
INFO_BUTTON = (560, 133)     # relative to the window's top-left corner
DUMP_BUTTON = (560, 163)
ABOUT_TAB = (141, 75)
BAR_AT_40_PERCENT = (280, 707)   # a pixel the progress bar fills at 40%

# A title-table key: "Sonic & Knuckles (World)", 2 MiB, so that Info presets
# the size and the dump lasts long enough to be caught half-way.
KEY = 0x9FD07B6A
IMAGE_SIZE = 2 * 1024 * 1024


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


def make_image(path, spoil=False):
    data = bytearray((i * 7 + (i >> 9) + (i >> 17)) & 0xFF for i in range(IMAGE_SIZE))
    data[0x100:0x110] = b"SEGA MEGA DRIVE "
    # Header checksum: the 16-bit sum of the words from 0x200 on, so that the
    # dump's header check holds.
    total = sum((data[i] << 8) | data[i + 1] for i in range(0x200, IMAGE_SIZE, 2)) & 0xFFFF
    data[0x18E:0x190] = total.to_bytes(2, "big")
    # The key is forced in the notes field, outside the summed words.
    force_crc32(data, 8192, 0x1C8, KEY)
    if spoil:
        data[0x4000] ^= 0x10   # one bit the header checksum catches
    with open(path, "wb") as f:
        f.write(data)
    return bytes(data)


def import_dat(cli, image, data_home):
    """A DAT that knows `image`, imported into a catalogue folder of the
    screenshots' own."""
    with open(image, "rb") as f:
        data = f.read()
    dat = os.path.join(os.path.dirname(image), "screenshots.dat")
    with open(dat, "w") as f:
        f.write('<?xml version="1.0"?>\n<datafile><header><name>Sega - Mega Drive - Genesis</name>'
                '<description>Screenshot set</description><version>1</version></header>'
                '<game name="Sonic &amp; Knuckles (World)"><rom name="sonic.md" size="%d" crc="%08x" '
                'sha1="%s"/></game></datafile>\n'
                % (len(data), zlib.crc32(data), hashlib.sha1(data).hexdigest()))
    run(cli, "catalogue", "import", dat, env=dict(os.environ, XDG_DATA_HOME=data_home))


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


def ensure_tools():
    missing = [t for t in ("Xvfb", "xdotool", "import") if not shutil.which(t)]
    if not missing:
        return
    here = os.path.dirname(os.path.abspath(__file__))
    command = ["bash", os.path.join(here, "..", "scripts", "deps.sh"), "--screenshots"]
    print("Installing what is missing (%s): %s" % (", ".join(missing), " ".join(command)))
    if subprocess.run(command).returncode != 0 or not all(
            shutil.which(t) for t in ("Xvfb", "xdotool", "import")):
        sys.exit("could not install them; run as root: bash scripts/deps.sh --screenshots")


class Session:
    """One run of the program on its own Xvfb screen."""

    def __init__(self, binary, image, work, dpi, language, data_home):
        self.scale = dpi // 96
        self.display = free_display()
        width, height = (v * self.scale + 200 for v in GEOMETRY)
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "%dx%dx24" % (width, height),
             "-dpi", str(dpi), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        QUORVEL_SIMULATE_KIBPS="1024", LANGUAGE=language,
                        LANG=language + ".UTF-8", LC_ALL=language + ".UTF-8",
                        XDG_DATA_HOME=data_home)
        for name in ("QT_SCALE_FACTOR", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QUORVEL_SIMULATE", "QUORVEL_DRIVES"):
            self.env.pop(name, None)
        if image:
            self.env["QUORVEL_SIMULATE"] = "md:" + image
        else:
            # No reader, and none of the machine's drives either.
            self.env["QUORVEL_NO_DETECT"] = "1"
        wait_for(lambda: subprocess.run(["xdotool", "getmouselocation"], env=self.env,
                                        capture_output=True).returncode == 0, "Xvfb")
        socket = "/tmp/.X11-unix/X" + self.display[1:]
        wait_for(lambda: os.path.exists(socket), "the X socket")
        for _ in range(3):   # a fresh server may still turn the first client away
            self.app = subprocess.Popen(
                [binary, "-qwindowgeometry", "%dx%d+0+0" % GEOMETRY], env=self.env, cwd=work,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)
            if self.app.poll() is None:
                break
        self.window = wait_for(self.find_window, "the main window")
        time.sleep(1.0)

    def find_window(self):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Varno Quorvel"],
                           env=self.env, capture_output=True, text=True)
        ids = r.stdout.split()
        return ids[0] if ids else None

    def xdo(self, *args):
        return run("xdotool", *args, env=self.env)

    def click(self, point):
        info = self.xdo("getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=", 1) for line in info.split())
        x, y = int(values["X"]), int(values["Y"])
        self.xdo("mousemove", str(x + point[0] * self.scale), str(y + point[1] * self.scale),
                 "click", "1")

    def park_mouse(self):
        self.xdo("mousemove", "0", str(GEOMETRY[1] * self.scale + 150))   # no hover highlight
        time.sleep(0.3)

    def grab(self, target):
        run("import", "-window", self.window, target, env=self.env)
        print("wrote", target)

    def bar_filled_at(self, point):
        """Whether the pixel shows the bar's highlight rather than its trough."""
        pixel = run("import", "-window", self.window, "-crop",
                    "1x1+%d+%d" % (point[0] * self.scale, point[1] * self.scale),
                    "-format", "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]", "info:",
                    env=self.env)
        r, g, b = (int(v) for v in pixel.strip().split(","))
        return b > r + 60

    def dump(self, output, during=None):
        """Info, then Dump into `output` (at a real reader's pace, some
        2 seconds); `during` is called once the bar is 40% full."""
        self.click(INFO_BUTTON)
        time.sleep(1.5)
        self.click(DUMP_BUTTON)
        time.sleep(1.5)
        self.xdo("type", "--delay", "20", output)
        self.xdo("key", "Return")
        if during:
            wait_for(lambda: self.bar_filled_at(BAR_AT_40_PERCENT), "the progress bar", 30)
            during()
        wait_for(lambda: os.path.exists(output), "the dump", 60)
        time.sleep(1.0)
        self.park_mouse()

    def close(self):
        self.app.terminate()
        self.app.wait(10)
        self.xvfb.terminate()
        self.xvfb.wait(10)


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
    out = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "docs"))
    os.makedirs(out, exist_ok=True)
    ensure_tools()

    work = tempfile.mkdtemp(prefix="quorvel-shots-")
    image = os.path.join(work, "sonic-knuckles.bin")
    make_image(image)
    spoiled = os.path.join(work, "sonic-knuckles-bad.bin")
    make_image(spoiled, spoil=True)
    plain_home = os.path.join(work, "no-catalogues")
    dat_home = os.path.join(work, "catalogues")
    os.makedirs(plain_home)
    import_dat(os.path.join(os.path.dirname(binary), "quorvel-cli"), image, dat_home)
    shots = [
        # image, catalogue folder, dpi, language, shot taken half-way, shot after the dump
        (image, plain_home, 96, "en_US", "main-window-dumping.png", "main-window.png"),
        (image, dat_home, 96, "en_US", None, "main-window-verified.png"),
        (spoiled, plain_home, 96, "en_US", None, "main-window-checksum-fails.png"),
        (image, plain_home, 96, "ja_JP", None, "main-window-ja.png"),
        (image, plain_home, 192, "en_US", None, "main-window-192dpi.png"),
    ]
    try:
        session = Session(binary, None, work, 96, "en_US", plain_home)
        try:
            session.park_mouse()
            session.click(INFO_BUTTON)
            time.sleep(1.5)
            session.park_mouse()
            session.grab(os.path.join(out, "main-window-no-reader.png"))
        finally:
            session.close()
        for n, (cart, home, dpi, language, during, after) in enumerate(shots):
            session = Session(binary, cart, work, dpi, language, home)
            try:
                output = os.path.join(work, "%d-%s-%d.md" % (n, language, dpi))
                session.park_mouse()
                session.dump(output, (lambda s=session, d=during: s.grab(os.path.join(out, d)))
                             if during else None)
                session.grab(os.path.join(out, after))
                if n == 0:
                    session.click(ABOUT_TAB)
                    time.sleep(0.8)
                    session.park_mouse()
                    session.grab(os.path.join(out, "about-tab.png"))
            finally:
                session.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
