"""The real program under hostile conditions: its X server killed under it, a close signal or
an X error while a fatal box waits, too little address space to start."""
import os
import re
import signal
import stat
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402
from test_game import FLOOR, NAME, report_pattern, shutdown_lines, startup_lines  # noqa: E402

# The address-space limit under which the display connection or the GL context cannot be
# made (the running game takes about 730 MB, most of it the GL driver's threads).
LOW_ADDRESS_SPACE_KB = 200000
FATAL_BOXES = [NAME + " : Program Error", NAME + " : Emergency Shutdown"]
# A fatal error at each step of start-up that the head start's thread runs beside: the call
# made to fail (None: no display at all), the expression and the message of its report.
START_UP_FAULTS = [
    (None, "success", "TheVideoSystem::_GetDesktopCharacteristics : GetWindowRect() failed!"),
    ("SDL_CreateWindow", "_hWnd != NULL", "TheVideoSystem::_CreateRenderingWindow : CreateWindowEx() failed!"),
    ("SDL_GL_CreateContext", "_hRC != NULL",
     "TheVideoSystem::_CreateRenderingContextForWindow : wglCreateContext() failed!"),
    ("SDL_GL_MakeCurrent", "_hRC != NULL",
     "TheVideoSystem::_CreateRenderingContextForWindow : wglMakeCurrent() failed!"),
]
# Starts of each; scripts/stress-tests.sh asks for hundreds.
FAULTY_STARTS = int(os.environ.get("CRIBBLESTORM_FAULTY_STARTS", "2"))


class HostileTest(harness.EndToEndTest):
    def setUp(self):
        super().setUp()
        self.game = self.own(harness.Game(self.screen))
        harness.write_sprites(self.game.folder)

    def test_a_lost_display_ends_through_the_fatal_path_without_boxes(self):
        harness.write_level(self.game.folder, "Level02", {(500, 400): (0, 255, 0)}, FLOOR)
        self.game.start()
        self.screen.find_window(NAME)
        self.screen.wait_for_screenshot(lambda shot: shot.pixel(700, 700) == FLOOR)
        self.screen.server.send_signal(signal.SIGKILL)
        self.screen.server.wait()  # the test's own connection to it is not used again
        code, errors = self.game.finish(timeout=5)
        self.assertEqual(code, 1)
        self.assertRegex(errors, "^" + re.escape(startup_lines("Spawned baby at (500,400)\n")) + report_pattern(
            "Engine/Platform/Sdl/SdlDisplayErrors.cpp", "!isDisplayLost",
            'The connection to the display "%s" was lost.\n' % self.screen.display) + re.escape(shutdown_lines()) + "$")

    def test_a_request_the_display_refuses_ends_through_the_fatal_path(self):
        harness.write_level(self.game.folder, "Level02", {(500, 400): (0, 255, 0)}, FLOOR)
        self.game.start()
        window = self.screen.find_window(NAME)
        self.screen.wait_for_screenshot(lambda shot: shot.pixel(700, 700) == FLOOR)
        self.screen.client.destroy(window)  # the next frame is drawn into a window that is gone
        code, errors = self.game.finish(timeout=10)  # the boxes, owned by that window, cannot show
        self.assertEqual(code, 1)
        refusal = report_pattern("Engine/Platform/Sdl/SdlDisplayErrors.cpp", "!isRequestRefused", "@").split("@")
        self.assertRegex(errors, "^" + re.escape(startup_lines("Spawned baby at (500,400)\n")) + refusal[0] +
                         r"The display refused request \d+\.\d+: Bad\w+ \([^\n]*\)\n" + refusal[1] +
                         re.escape(shutdown_lines()) + "$")

    def missing_level_report(self):
        return "^" + re.escape(startup_lines("", finished=False)) + report_pattern(
            "Engine/Image.cpp", "file", "Image::LoadFromFile : failed to open \"levels\\Level02_image.tga\"\n")

    def test_a_close_signal_answers_a_waiting_fatal_box_and_the_game_shuts_down_in_order(self):
        self.game.start()
        self.screen.find_window(FATAL_BOXES[0])
        self.game.signal(harness.TERMINATE)
        code, errors = self.game.finish(timeout=10)  # a second box would wait for its answer
        self.assertEqual(code, 1)
        self.assertRegex(errors, self.missing_level_report() + re.escape(shutdown_lines()) + "$")

    def test_an_x_error_in_a_waiting_fatal_box_ends_that_box_and_the_closing_notice_follows(self):
        self.game.start()
        self.screen.client.destroy(self.screen.find_window(FATAL_BOXES[0]))  # the box draws on, and is refused
        self.screen.close_box(FATAL_BOXES[1])
        code, errors = self.game.finish(timeout=10)
        self.assertEqual(code, 1)
        self.assertRegex(errors, self.missing_level_report() + re.escape(shutdown_lines()) + "$")

    def test_a_fatal_error_at_any_step_of_start_up_shows_its_boxes_and_ends_with_1(self):
        """The head start's thread holds a lock until it is waited for (tests/e2e/StartUpFaults.cpp):
        a box forked before that would wait for the lock forever, and the program for the box."""
        environment = {"LD_PRELOAD": os.environ["CRIBBLESTORM_START_UP_FAULTS"],
                       "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"}
        for fault, expression, message in START_UP_FAULTS:
            for _ in range(FAULTY_STARTS):
                with self.subTest(fault=fault):
                    game = self.own(harness.Game(self.screen if fault else None))
                    game.start(dict(environment, CRIBBLESTORM_FAULT=fault or ""))
                    if fault:
                        for caption in FATAL_BOXES:
                            self.screen.close_box(caption)
                    code, errors = game.finish(timeout=20)
                    self.assertEqual(code, 1)
                    self.assertRegex(errors, report_pattern("Engine/TheVideoSystem.cpp", expression, message) +
                                     re.escape(shutdown_lines()) + "$")
                    game.close()

    @unittest.skipIf(os.environ.get("CRIBBLESTORM_SANITIZED"), "the sanitizers reserve more address space than this")
    def test_too_little_address_space_is_reported_in_two_boxes_and_ends_with_1(self):
        harness.write_level(self.game.folder, "Level02", {}, FLOOR)
        wrapper = os.path.join(self.game.folder, "limited.sh")
        with open(wrapper, "w") as script:
            script.write('#!/bin/sh\nulimit -v %d\nexec "%s"\n' % (LOW_ADDRESS_SPACE_KB, self.game.program))
        os.chmod(wrapper, stat.S_IRWXU)
        self.game.program = wrapper
        self.game.start()
        for caption in FATAL_BOXES:
            self.screen.close_box(caption)
        code, errors = self.game.finish(timeout=10)
        self.assertEqual(code, 1)
        self.assertRegex(errors, r"\nASSERTION FAILURE:\n[^\n]+\(\d+\):  \(ALL BUILDS\)\n")
        self.assertTrue(errors.endswith(shutdown_lines()), errors[-800:])


if __name__ == "__main__":
    unittest.main()
