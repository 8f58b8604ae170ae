"""A storm of real key events against the running game: it must end exactly where the rules
say, keep its memory, and still close cleanly."""

import os
import subprocess
import time

from zoddle_e2e import GameTestCase, all_pictures, wait_until

STORM_MOVES = 20000
# A leak of fifty bytes a key event would cross this.
RSS_GROWTH_LIMIT_KIB = 1000000 // 1024


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
        fields = stat.read().rpartition(")")[2].split()
    return int(fields[11]) + int(fields[12])


def wait_until_idle(pid, quiet_seconds=0.3):
    """Waits until the process has used no CPU time for a while."""
    last = [cpu_ticks(pid), time.monotonic()]

    def quiet():
        ticks = cpu_ticks(pid)
        if ticks != last[0]:
            last[:] = [ticks, time.monotonic()]
        return time.monotonic() - last[1] >= quiet_seconds

    wait_until(quiet, f"process {pid} to go idle")


def resident_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError(f"no VmRSS for process {pid}")


class KeyStormTest(GameTestCase):

    def storm(self, game, window, moves):
        """Plays the storm into the window and returns what the rules predict it shows after."""
        played = subprocess.run(
            [os.environ["ZODDLE_KEYSTORM"], str(moves), "--window", window.id,
             "--catch-up", str(game.pid)],
            env=self.display.env, capture_output=True, text=True, check=True, timeout=60)
        predicted = dict(line.split("=", 1) for line in played.stdout.splitlines())
        picture = int(predicted["picture"])
        return (predicted["caption"], picture if picture else "start",
                int(predicted["position"]))

    def test_twenty_thousand_key_events_end_as_the_rules_predict(self):
        game = self.start_game(pictures=all_pictures())
        window = game.wait_for_window(caption="Zoddle")
        game.wait_for_picture(window, "start")
        wait_until_idle(game.pid)
        before = resident_kib(game.pid)

        caption, picture, position = self.storm(game, window, STORM_MOVES)
        wait_until_idle(game.pid)

        # Once the game has gone idle it has handled every key; the waits only let the screen
        # catch up.
        game.wait_for_caption(window, caption)
        game.wait_for_picture(window, picture)
        game.wait_for_slider(window, position)
        growth = resident_kib(game.pid) - before
        self.assertLess(growth, RSS_GROWTH_LIMIT_KIB, f"RSS grew by {growth} KiB")

        game.keys("alt+F4")
        self.assertEqual(game.wait_for_exit(), 0)
        self.assertEqual(game.stderr(), "")
