"""Start-up, the error box of an unreadable picture file, and the end of the program."""

import time

from zoddle_e2e import (SIGHUP, SIGTERM, GameTestCase, all_pictures, bmp_file, wait_until,
                        PICTURE_COLOURS)

# The application title of an executable named "zoddle".
TITLE = "zoddle"


def pictures_without(*missing):
    return {name: data for name, data in all_pictures().items() if name not in missing}


class StartupTest(GameTestCase):

    def assertOneBoxAlone(self, game, observe_seconds=0.5):
        """The program shows exactly one window, a box captioned with the title, and keeps the
        game window unmapped while the box is open. Returns the box."""
        box = game.wait_for_window(dialog=True)
        deadline = time.monotonic() + observe_seconds
        while time.monotonic() < deadline:
            self.assertEqual([w.id for w in game.visible_windows()], [box.id])
        self.assertEqual(box.caption(), TITLE)
        return box

    def test_all_pictures_present_open_the_centred_window_without_a_box(self):
        game = self.start_game(pictures=all_pictures())
        window = game.wait_for_window(caption="Zoddle")
        self.assertFalse(window.is_dialog())
        self.assertEqual(len(game.visible_windows()), 1)
        self.assertCentred(window)
        shot = self.display.screenshot()
        self.assertEqual(game.picture_on_view(window, shot), "start")
        self.assertEqual(game.slider_position(window, shot), 5)
        # The window carries the program icon: a 32 × 32 image among the sizes it offers.
        self.assertIn("Icon (32 x 32)", window.property("_NET_WM_ICON"))

        game.keys("alt+F4")
        self.assertEqual(game.wait_for_exit(), 0)
        self.assertEqual(game.stderr(), "")

    def test_missing_data3_shows_one_box_before_the_window_then_the_game_plays(self):
        game = self.start_game(pictures=pictures_without("DATA3.bmp"))
        box = self.assertOneBoxAlone(game)
        self.assertEqual(game.box_contents(box), (TITLE, "ﾌｧｲﾙ DATA3.bmp は開けません.", "OK"))
        self.save_screenshot("box")

        game.keys("Return")
        window = game.wait_for_window(caption="Zoddle")
        game.wait_for_no_window(box)
        self.assertCentred(window)
        game.key_down("shift")
        game.wait_for_picture(window, 2)
        game.key_down("ctrl")
        game.wait_for_slider(window, 6)
        # Pictures from the missing one on stay blank.
        self.assertEqual(game.picture_on_view(window), "blank")
        game.key_up("ctrl", "shift")
        game.wait_for_picture(window, 1)
        self.assertEqual(len(game.visible_windows()), 1)

    def test_all_pictures_missing_show_only_the_box_for_data1(self):
        game = self.start_game(pictures={})
        box = self.assertOneBoxAlone(game)
        self.assertEqual(game.box_contents(box), (TITLE, "ﾌｧｲﾙ DATA1.bmp は開けません.", "OK"))
        game.keys("Return")
        game.wait_for_window(caption="Zoddle")
        self.assertEqual(len(game.visible_windows()), 1)

    def test_a_bad_data2_is_reported_as_an_invalid_bitmap(self):
        pictures = all_pictures()
        pictures["DATA2.bmp"] = b"PK" + bmp_file(PICTURE_COLOURS[2])[2:]
        game = self.start_game(pictures=pictures)
        box = self.assertOneBoxAlone(game)
        self.assertEqual(game.box_contents(box), (TITLE, "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です.", "OK"))
        game.keys("Return")
        game.wait_for_window(caption="Zoddle")

    def test_arguments_on_the_command_line_change_nothing(self):
        def window_as_shown(arguments):
            game = self.start_game(pictures=all_pictures(), arguments=arguments)
            window = game.wait_for_window(caption="Zoddle")
            self.assertEqual(len(game.visible_windows()), 1)
            geometry = window.outer_geometry()
            x, y, width, height = window.client_geometry()
            shot = self.display.screenshot()
            pixels = [shot.pixel(x + i, y + j) for j in range(height) for i in range(width)]
            game.keys("alt+F4")
            self.assertEqual(game.wait_for_exit(), 0)
            return geometry, pixels

        plain = window_as_shown(())
        # Options Qt itself would act on, and a file name the game might be taken to open.
        with_arguments = window_as_shown(
            ("-style", "windows", "-platform", "offscreen", "-reverse", "-geometry",
             "100x100+0+0", "-title", "Other", "--help", "DATA9.bmp"))
        self.assertEqual(with_arguments[0], plain[0])
        self.assertTrue(with_arguments[1] == plain[1], "the window looks different")

    def test_every_way_of_closing_ends_with_status_0_without_a_question(self):
        def close_button(game, window):
            x, y, width, _ = window.outer_geometry()
            _, right, top, _ = window.frame_extents()
            # Openbox puts the close button last in the title bar.
            game.click(x + width - right - top // 2, y + top // 2)

        def window_menu(game, window):
            game.keys("alt+space")
            game.keys("c")

        def task_list(game, window):
            # What a task list sends: the window manager's close request for the window.
            self.display.run("wmctrl", "-i", "-c", window.id, check=True)

        for close in (close_button, window_menu, task_list):
            with self.subTest(close.__name__):
                game = self.start_game(pictures=all_pictures())
                window = game.wait_for_window(caption="Zoddle")
                self.assertCentred(window)
                close(game, window)
                self.assertEqual(game.wait_for_exit(), 0)
                self.assertEqual(game.stderr(), "")

    def test_sigterm_ends_the_running_game_with_status_0(self):
        game = self.start_game(pictures=all_pictures())
        game.wait_for_window(caption="Zoddle")
        game.signal(SIGTERM)
        self.assertEqual(game.wait_for_exit(), 0)
        self.assertEqual(game.stderr(), "")

    def test_sighup_during_the_start_up_box_ends_with_status_0_without_the_window(self):
        game = self.start_game(pictures={})
        self.assertOneBoxAlone(game, observe_seconds=0)
        game.signal(SIGHUP)

        def ended_without_game_window():
            captions = [w.caption() for w in game.visible_windows()]
            self.assertNotIn("Zoddle", captions)
            return game.process.poll() is not None

        wait_until(ended_without_game_window, "the program to end")
        self.assertEqual(game.wait_for_exit(), 0)
