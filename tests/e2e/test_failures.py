"""Failures the guards catch, and those left to the last-resort handler, on a test-only build
of the game with a failure injected (faultyzoddle.cpp)."""

import os
import re
import subprocess
import time

from zoddle_e2e import WAIT_SECONDS, GameTestCase, all_pictures

FAULTY = os.environ.get("ZODDLE_FAULTY_PROGRAM", "")
LAST_RESORT_CAPTION = "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"


def last_resort_pattern(kind, module, message):
    """The last-resort text with its place left open as a group."""
    return re.compile(re.escape(f"{kind}がﾓｼﾞｭｰﾙ {module} の\n") + r"(0x[0-9a-f]+)"
                      + re.escape(f" で発生しました。\n{message}"))


def function_at(program, place):
    done = subprocess.run(["addr2line", "-f", "-C", "-e", program, place], capture_output=True,
                          text=True, check=True, timeout=WAIT_SECONDS)
    return done.stdout.splitlines()[0]


class GuardTest(GameTestCase):

    def test_a_failure_in_a_key_handler_shows_one_box_and_the_game_goes_on(self):
        game = self.start_game(pictures=all_pictures(), arguments=("key",), program=FAULTY)
        window = game.wait_for_window(caption="Zoddle")
        game.keys("F9")
        box = game.wait_for_window(dialog=True)
        self.assertEqual(game.box_contents(box),
                         ("faultyzoddle", "ｷｰ処理で失敗しました.", "OK"))
        self.assertEqual(sorted(w.id for w in game.visible_windows()), sorted([box.id, window.id]))
        # The box blocks the game: a point's keys go nowhere.
        game.keys("shift+ctrl+a")
        self.assertEqual(game.slider_position(window), 5)

        game.keys("Return")
        game.wait_for_no_window(box)
        # The window that was active before the box is active again.
        game.wait_until_active(window)
        game.key_down("shift")
        game.wait_for_picture(window, 2)
        game.key_down("ctrl")
        game.wait_for_slider(window, 6)
        game.wait_for_picture(window, 5)
        game.key_up("ctrl", "shift")
        game.wait_for_picture(window, 1)
        self.assertEqual([w.id for w in game.visible_windows()], [window.id])
        game.keys("alt+F4")
        self.assertEqual(game.wait_for_exit(), 0)


class LastResortTest(GameTestCase):

    def test_a_failure_while_the_window_is_made_shows_the_last_resort_box_and_exits_1(self):
        game = self.start_game(pictures=all_pictures(), arguments=("window",), program=FAULTY)
        box = game.wait_for_window(dialog=True)
        self.assertEqual(len(game.visible_windows()), 1)
        caption, text, button = game.box_contents(box)
        self.assertEqual((caption, button), (LAST_RESORT_CAPTION, "OK"))
        match = last_resort_pattern("std::bad_alloc", "faultyzoddle", "std::bad_alloc.").fullmatch(
            text)
        self.assertIsNotNone(match, text)
        self.assertIn("makeWindowOutOfMemory", function_at(FAULTY, match.group(1)))
        self.save_screenshot("box")

        game.keys("Return")
        self.assertEqual(game.wait_for_exit(), 1)

    def test_a_failure_before_the_application_exists_is_printed_and_exits_1(self):
        game = self.start_game(arguments=("start",), program=FAULTY)
        self.assertEqual(game.wait_for_exit(), 1)
        match = last_resort_pattern("std::runtime_error", "faultyzoddle",
                                    "ｽﾀｰﾄｱｯﾌﾟ前の失敗.\n").fullmatch(game.stderr())
        self.assertIsNotNone(match, game.stderr())
        self.assertIn("failBeforeStartUp", function_at(FAULTY, match.group(1)))
        self.assertEqual(game.visible_windows(), [])

    def test_without_a_display_the_last_resort_text_goes_to_stderr(self):
        environment = dict(self.display.env)
        del environment["DISPLAY"]
        done = subprocess.run([os.environ["ZODDLE_PROGRAM"]], cwd=self.folder, env=environment,
                              capture_output=True, text=True, timeout=WAIT_SECONDS)
        self.assertEqual(done.returncode, 1, done.stderr)
        self.assertRegex(done.stderr, last_resort_pattern("qFatal", "zoddle", "").pattern
                         + r"\S")
