"""The two scripts a newcomer runs first answer --help with their usage and refuse what they
do not know with exit code 2, before they install, build or start anything."""
import os
import subprocess
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def run(script, *arguments):
    answer = subprocess.run([os.path.join(ROOT, script), *arguments], capture_output=True, text=True, timeout=20,
                            env=dict(os.environ, DISPLAY="", PATH="/usr/bin:/bin"))
    return answer.returncode, answer.stdout, answer.stderr


class ScriptsTest(unittest.TestCase):
    def test_help_prints_the_usage_and_nothing_else(self):
        for script in ["play.sh", "package.sh"]:
            for option in ["--help", "-h"]:
                with self.subTest(script=script, option=option):
                    code, output, errors = run(script, option)
                    self.assertEqual((code, errors), (0, ""))
                    self.assertTrue(output.startswith("usage: ./%s " % script), output)

    def test_unknown_arguments_are_refused_with_2(self):
        for script, arguments, reason in [("play.sh", ["--hepl"], 'unknown argument "--hepl"'),
                                          ("play.sh", ["Level07"], 'unknown argument "Level07"'),
                                          ("play.sh", ["--web", "eighty"], "--web eighty: the port must be a number"),
                                          ("play.sh", ["--web", "80", "81"], "--web takes one port at the most"),
                                          ("package.sh", ["--install"], 'unknown argument "--install"')]:
            with self.subTest(script=script, arguments=arguments):
                code, output, errors = run(script, *arguments)
                self.assertEqual((code, output), (2, ""))
                self.assertEqual(errors.splitlines()[0], "%s: %s" % (script, reason))
                self.assertTrue(errors.splitlines()[1].startswith("usage: ./%s " % script), errors)


if __name__ == "__main__":
    unittest.main()
