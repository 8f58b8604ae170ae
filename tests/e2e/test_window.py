"""The game window under real keys and mouse: the road of a point, the modifier rules as the
X server delivers them, F5, and the slider."""

from zoddle_e2e import GameTestCase, all_pictures


class WindowTest(GameTestCase):

    def start(self):
        game = self.start_game(pictures=all_pictures())
        window = game.wait_for_window(caption="Zoddle")
        self.assertCentred(window)
        return game, window

    def test_the_road_of_one_point(self):
        game, window = self.start()
        game.key_down("shift")
        game.wait_for_picture(window, 2)
        game.key_down("ctrl")
        game.wait_for_picture(window, 5)
        game.wait_for_slider(window, 6)
        game.key_up("ctrl")
        game.key_up("shift")
        game.wait_for_picture(window, 1)
        self.assertEqual(game.slider_position(window), 6)
        self.assertEqual(window.caption(), "Zoddle")

    def test_ctrl_first_then_shift_scores_for_player_2(self):
        game, window = self.start()
        game.key_down("ctrl")
        game.wait_for_picture(window, 3)
        game.key_down("shift")
        game.wait_for_picture(window, 4)
        game.wait_for_slider(window, 4)
        game.key_up("shift", "ctrl")
        game.wait_for_picture(window, 1)

    def test_right_shift_still_held_keeps_shift_in_the_modifier_set(self):
        game, window = self.start()
        game.key_down("Shift_L")
        game.wait_for_picture(window, 2)
        game.key_down("Shift_R")
        game.key_up("Shift_L")
        # Shift is still held by the right key: the key-up made nobody idle.
        game.key_down("Control_L")
        game.wait_for_slider(window, 6)
        game.keys("a")
        game.wait_for_slider(window, 7)
        game.key_up("Control_L", "Shift_R")
        game.wait_for_picture(window, 1)

    def test_shift_alt_letter_makes_nobody_ready(self):
        game, window = self.start()
        game.key_down("Alt_L", "Shift_L")
        game.keys("a")
        game.key_up("Alt_L")
        # Exactly Shift and Ctrl now: a ready player would score.
        game.key_down("Control_L")
        game.key_up("Control_L", "Shift_L")
        # The key-up with nothing held shows the idle picture; it comes after every key above.
        game.wait_for_picture(window, 1)
        self.assertEqual(game.slider_position(window), 5)

    def test_a_held_letter_with_shift_leaves_player_1_ready_through_auto_repeat(self):
        game, window = self.start()
        game.key_down("shift", "a")
        game.wait_for_picture(window, 2)
        # About a second of auto-repeat: repeated key-downs, and no key-up in between.
        for _ in range(10):
            self.display.xdotool("sleep", "0.1")
            self.assertEqual(game.picture_on_view(window), 2)
        game.key_up("a")
        game.key_down("ctrl")
        game.wait_for_slider(window, 6)
        game.key_up("ctrl", "shift")
        game.wait_for_picture(window, 1)

    def test_after_a_press_on_the_slider_keys_move_it_across_minimise_and_restore(self):
        game, window = self.start()
        # Before the slider has been pressed, the arrow keys move nothing.
        game.keys("Right", "End")
        game.wait_for_picture(window, 1)
        self.assertEqual(game.slider_position(window), 5)

        thumb_x, thumb_y, _ = game.slider_thumb(window)
        game.click(thumb_x, thumb_y)
        game.keys("Right")
        game.wait_for_slider(window, 6)
        game.keys("Home")
        game.wait_for_slider(window, 0)
        game.keys("Page_Down")
        game.wait_for_slider(window, 2)

        self.display.xdotool("windowminimize", "--sync", window.id)
        game.activate(window)
        game.keys("Right")
        game.wait_for_slider(window, 3)
        game.keys("End")
        game.wait_for_slider(window, 10)

    def test_a_point_at_the_end_wins_and_alt_f5_resets_caption_and_slider(self):
        game, window = self.start()
        thumb_x, thumb_y, _ = game.slider_thumb(window)
        game.click(thumb_x, thumb_y)
        game.keys("End")
        game.wait_for_slider(window, 10)
        game.key_down("shift", "ctrl")
        game.wait_for_caption(window, "1P WIN")
        game.key_up("ctrl", "shift")
        self.assertEqual(game.slider_position(window), 10)

        game.keys("alt+F5")
        game.wait_for_caption(window, "Zoddle")
        game.wait_for_slider(window, 5)
