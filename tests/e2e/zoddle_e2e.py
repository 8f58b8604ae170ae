"""The end-to-end fixture: the real program on a virtual X server with a real window manager.

A test starts a private X server (Xvfb, on a display number it picks itself) with openbox,
starts the program in a fresh working directory holding the picture files it chooses, drives it
with real X key and mouse events (xdotool, through the XTEST extension) and reads what the
player would see: window captions, window placement, and screenshots of the whole screen.

    class MyTest(zoddle_e2e.GameTestCase):
        def test_something(self):
            game = self.start_game(pictures=zoddle_e2e.all_pictures())
            window = game.wait_for_window(caption="Zoddle")
            self.assertEqual(game.picture_on_view(window), "start")
            game.keys("shift+a")
            ...
            game.keys("alt+F4")
            self.assertEqual(game.wait_for_exit(), 0)

Every wait polls with a deadline (`WAIT_SECONDS`); nothing sleeps for a fixed time except
where a test must show that something does *not* happen. The X server, openbox and the program
are ended when the test ends, also when it fails. Screenshots of failed tests are kept in
$ZODDLE_E2E_ARTIFACTS (the build's e2e-artifacts folder).

Environment: ZODDLE_PROGRAM is the program under test; ZODDLE_FAULTY_PROGRAM the test-only
build of it that injects failures; ZODDLE_CPACK_CONFIG the build's package configuration.
CTest sets them (tests/e2e/CMakeLists.txt), where `add_e2e_tests(<module>)` registers every
test method of tests/e2e/<module>.py as its own test, labelled e2e. To run one by hand:

    cd tests/e2e && ZODDLE_PROGRAM=../../build/app/zoddle python3 -m unittest test_startup
"""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

WAIT_SECONDS = 10.0
POLL_SECONDS = 0.03
SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

# The five test pictures: distinct solid colours, by picture number.
PICTURE_COLOURS = {
    1: (0, 0, 255),
    2: (0, 200, 0),
    3: (200, 0, 200),
    4: (0, 200, 200),
    5: (120, 60, 0),
}
WHITE = (255, 255, 255)
# The flat background of the start picture.
START_PICTURE_AMBER = (255, 204, 0)


def bmp_file(colour, width=200, height=150):
    """A 24-bit BMP file of one solid colour (red, green, blue)."""
    row = bytes((colour[2], colour[1], colour[0])) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return header + info + pixels


def all_pictures():
    """The five picture files, DATA1.bmp to DATA5.bmp, as {name: bytes}."""
    return {f"DATA{k}.bmp": bmp_file(colour) for k, colour in PICTURE_COLOURS.items()}


def wait_until(condition, what, timeout=WAIT_SECONDS):
    """Polls `condition` until it returns something true, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(POLL_SECONDS)


class Screenshot:
    """The whole screen at one moment, with pixel access."""

    def __init__(self, ppm):
        magic, width, height, maximum, pixels = ppm.split(maxsplit=4)
        assert magic == b"P6" and maximum == b"255", "import gave no 8-bit PPM"
        self.width, self.height = int(width), int(height)
        self.pixels = pixels
        self.ppm = ppm

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset : offset + 3])

    def save(self, path):
        with open(path, "wb") as file:
            file.write(self.ppm)


class Window:
    """A top-level client window, as the X server and openbox see it."""

    def __init__(self, display, window_id):
        self.display = display
        self.id = window_id

    def caption(self):
        return self.display.run("xdotool", "getwindowname", self.id).strip()

    def property(self, name):
        return self.display.run("xprop", "-id", self.id, name).strip()

    def is_dialog(self):
        return "_NET_WM_WINDOW_TYPE_DIALOG" in self.property("_NET_WM_WINDOW_TYPE")

    def client_geometry(self):
        """(x, y, width, height) of the client area on the screen."""
        values = {}
        for line in self.display.run("xwininfo", "-id", self.id).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (
            int(values["Absolute upper-left X"]),
            int(values["Absolute upper-left Y"]),
            int(values["Width"]),
            int(values["Height"]),
        )

    def frame_extents(self):
        """(left, right, top, bottom) of the window manager's frame."""
        text = wait_until(
            lambda: "=" in self.property("_NET_FRAME_EXTENTS") and self.property("_NET_FRAME_EXTENTS"),
            "the frame extents",
        )
        return tuple(int(part) for part in text.split("=")[1].split(","))

    def outer_geometry(self):
        x, y, width, height = self.client_geometry()
        left, right, top, bottom = self.frame_extents()
        return x - left, y - top, width + left + right, height + top + bottom


class Display:
    """A private X server with openbox, ended by close()."""

    def __init__(self, folder):
        self.processes = []
        self.folder = folder
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(server)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode()
        self.env = dict(os.environ, DISPLAY=self.name, HOME=folder, XDG_RUNTIME_DIR=folder,
                        LANG="C.UTF-8", LC_ALL="C.UTF-8")
        for variable in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            self.env.pop(variable, None)
        self.processes.append(subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        # Openbox claims the screen first and manages windows only once it has set up its
        # desktops; a window mapped in between may never be framed.
        wait_until(lambda: "_NET_CLIENT_LIST(" in self.run("xprop", "-root", "_NET_CLIENT_LIST"),
                   "openbox to manage the screen")

    def run(self, *command, check=False):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True,
                              timeout=WAIT_SECONDS, check=check)
        return done.stdout

    def xdotool(self, *arguments):
        subprocess.run(("xdotool",) + arguments, env=self.env, check=True, timeout=WAIT_SECONDS,
                       stdout=subprocess.DEVNULL)

    def screenshot(self):
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, check=True, timeout=WAIT_SECONDS).stdout
        return Screenshot(ppm)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


class Game:
    """One run of the program on a Display."""

    def __init__(self, display, program, folder, arguments=()):
        self.display = display
        self.folder = folder
        self.stderr_path = os.path.join(folder, "stderr.txt")
        with open(self.stderr_path, "wb") as stderr:
            self.process = subprocess.Popen([program, *arguments], cwd=folder, env=display.env,
                                            stdout=subprocess.DEVNULL, stderr=stderr)

    @property
    def pid(self):
        return self.process.pid

    def stderr(self):
        with open(self.stderr_path, encoding="utf-8", errors="replace") as file:
            return file.read()

    def visible_windows(self):
        """The program's mapped top-level windows."""
        found = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.pid), "--name", ""],
            env=self.display.env, capture_output=True, text=True, timeout=WAIT_SECONDS).stdout
        return [Window(self.display, line) for line in found.split()]

    def wait_for_window(self, caption=None, dialog=None, active=True):
        """Waits until exactly one visible window of the program matches, and returns it;
        with `active`, also until it is the active window, which takes the keys."""

        def matching():
            if self.process.poll() is not None:
                raise AssertionError(f"the program ended with status {self.process.returncode}"
                                     f" while a window was awaited; stderr: {self.stderr()}")
            windows = [w for w in self.visible_windows()
                       if (caption is None or w.caption() == caption)
                       and (dialog is None or w.is_dialog() == dialog)]
            return windows[0] if len(windows) == 1 else None

        window = wait_until(matching, f"a window captioned {caption!r} (dialog: {dialog})")
        if active:
            self.wait_until_active(window)
        return window

    def wait_until_active(self, window):
        wait_until(lambda: self.display.run("xdotool", "getactivewindow").strip() == window.id,
                   f"window {window.id} to become active")

    def wait_for_no_window(self, window):
        wait_until(lambda: all(w.id != window.id for w in self.visible_windows()),
                   f"window {window.id} to go")

    def keys(self, *keys):
        """Presses and releases each key combination, such as "shift+a" or "Return"."""
        self.display.xdotool("key", "--delay", "30", *keys)

    def key_down(self, *keys):
        self.display.xdotool("keydown", "--delay", "30", *keys)

    def key_up(self, *keys):
        self.display.xdotool("keyup", "--delay", "30", *keys)

    def click(self, x, y):
        self.display.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def activate(self, window):
        self.display.xdotool("windowactivate", "--sync", window.id)

    def box_contents(self, box):
        """(caption, text, button) of an error box, the active window, as its Ctrl+C copies
        them."""
        separator = "---------------------------"

        def copied():
            self.keys("ctrl+c")
            text = self.display.run("xclip", "-o", "-selection", "clipboard")
            return text.startswith(separator) and text

        parts = wait_until(copied, "the box to copy its text").split(separator + "\n")
        caption, text, button = (part.rstrip("\n") for part in parts[1:4])
        return caption, text, button

    def signal(self, number):
        self.process.send_signal(number)

    def wait_for_exit(self, timeout=WAIT_SECONDS):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout:.0f} s") from None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # What the game window shows.

    def picture_on_view(self, window, screenshot=None):
        """Which picture the view shows: 1 to 5 by the test colours, "start", "blank" (white)."""
        shot = screenshot or self.display.screenshot()
        x, y, _, _ = window.client_geometry()
        colour = shot.pixel(x + 10, y + 10)
        names = {value: number for number, value in PICTURE_COLOURS.items()}
        names[START_PICTURE_AMBER] = "start"
        names[WHITE] = "blank"
        return names.get(colour, colour)

    def wait_for_picture(self, window, expected):
        last = []

        def shows():
            last[:] = [self.picture_on_view(window)]
            return last[0] == expected

        try:
            wait_until(shows, f"picture {expected}")
        except AssertionError:
            raise AssertionError(f"picture {expected} never came; the view shows {last[0]}")

    def slider_thumb(self, window, screenshot=None):
        """The slider's thumb on the screen: (x of its centre, a row through it, position).

        The slider spans the client area's width below the picture. In the rows through the
        thumb above and below the groove, the thumb is the one run of pixels that differ from
        the row's majority colour, all of the same length; rows through the groove may join
        the thumb with the groove's filled part, so the most common run length tells the thumb.
        Its centre travels linearly from half a thumb in from the left end to half a thumb in
        from the right end, over positions 0 to 10.
        """
        shot = screenshot or self.display.screenshot()
        x, y, width, height = window.client_geometry()
        top = y + height * 150 // 175 + 1
        candidates = []
        for row in range(top, y + height - 1):
            runs = _runs_differing_from_majority(shot, x, x + width, row)
            if len(runs) == 1 and 6 <= runs[0][1] - runs[0][0] <= width // 3:
                candidates.append((runs[0][0], runs[0][1], row))
        if not candidates:
            raise AssertionError("no slider thumb found on the screen")
        lengths = [right - left for left, right, _ in candidates]
        thumb_length = max(set(lengths), key=lengths.count)
        best = next(c for c in candidates if c[1] - c[0] == thumb_length)
        left, right, row = best
        thumb = right - left
        slider_width = width * 200 // 197
        centre = (left + right) / 2
        position = round((centre - x - thumb / 2) * 10 / (slider_width - thumb))
        return int(centre), row, position

    def slider_position(self, window, screenshot=None):
        """Where the slider's thumb stands, 0 to 10, read from the screen."""
        return self.slider_thumb(window, screenshot)[2]

    def wait_for_slider(self, window, expected):
        last = []

        def stands():
            last[:] = [self.slider_position(window)]
            return last[0] == expected

        try:
            wait_until(stands, f"the slider at {expected}")
        except AssertionError:
            raise AssertionError(f"the slider never reached {expected}; it stands at {last[0]}")

    def wait_for_caption(self, window, expected):
        wait_until(lambda: window.caption() == expected, f"the caption {expected!r}")


def _runs_differing_from_majority(shot, left, right, row):
    colours = [shot.pixel(column, row) for column in range(left, right)]
    majority = max(set(colours), key=colours.count)
    runs, start = [], None
    for index, colour in enumerate(colours + [majority]):
        if colour != majority and start is None:
            start = index
        elif colour == majority and start is not None:
            runs.append((left + start, left + index))
            start = None
    return runs


class GameTestCase(unittest.TestCase):
    """Gives each test its own X server, working folder and cleanup."""

    maxDiff = None

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="zoddle-e2e-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.display = Display(self.folder)
        self.addCleanup(self.display.close)
        self.games = []

    def tearDown(self):
        outcome = getattr(self, "_outcome", None)
        failed = outcome is not None and not outcome.result.wasSuccessful()
        artifacts = os.environ.get("ZODDLE_E2E_ARTIFACTS")
        if failed and artifacts:
            os.makedirs(artifacts, exist_ok=True)
            try:
                self.display.screenshot().save(os.path.join(artifacts, self.id() + ".ppm"))
            except (subprocess.SubprocessError, OSError):
                pass
            with open(os.path.join(artifacts, self.id() + ".txt"), "w") as report:
                for game in self.games:
                    report.write(f"{game.pid}: status {game.process.poll()}\n{game.stderr()}\n")
        for game in self.games:
            game.stop()

    def start_game(self, pictures=None, arguments=(), program=None, folder=None):
        """Starts the program in `folder`, by default a fresh working folder holding `pictures`
        ({name: bytes})."""
        folder = folder or tempfile.mkdtemp(dir=self.folder, prefix="work-")
        for name, content in (pictures or {}).items():
            with open(os.path.join(folder, name), "wb") as file:
                file.write(content)
        game = Game(self.display, program or os.environ["ZODDLE_PROGRAM"], folder, arguments)
        self.games.append(game)
        return game

    def save_screenshot(self, name):
        """Keeps a screenshot as evidence next to the test's artifacts, when there is a place."""
        artifacts = os.environ.get("ZODDLE_E2E_ARTIFACTS")
        if artifacts:
            os.makedirs(artifacts, exist_ok=True)
            self.display.screenshot().save(os.path.join(artifacts, f"{self.id()}.{name}.ppm"))

    def assertCentred(self, window):
        """The window's frame stands centred on the screen, at the latest once the window
        manager has told the program its frame's size (its first paint)."""
        seen = []

        def centred():
            x, y, width, height = window.outer_geometry()
            seen[:] = [(x, y), (max(0, (SCREEN_WIDTH - width) // 2),
                                max(0, (SCREEN_HEIGHT - height) // 2))]
            return seen[0] == seen[1]

        try:
            wait_until(centred, "the window to stand centred", timeout=2)
        except AssertionError:
            self.fail(f"the window stands at {seen[0]}, not centred at {seen[1]}")


SIGTERM = signal.SIGTERM
SIGHUP = signal.SIGHUP
