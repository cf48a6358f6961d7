#!/usr/bin/env python3
"""Checks what release.sh made: the disc's root folder, the zip and the CD
image (read once by its ISO 9660 names and once by its Joliet names) hold
the same files, which are the 32-bit SETUP.EXE (within its size budget of
384 KiB), AUTORUN.INF and the sample bundle, all with 8.3 names; the image's volume id is KIVO2000.

  release_test.py SOURCE_DIR RELEASE_DIR"""

import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

SOURCE, RELEASE = (os.path.abspath(a) for a in sys.argv[1:3])
del sys.argv[1:3]
ROOT = os.path.join(RELEASE, "KIVOHK2K")
IMAGE = ROOT + ".iso"
AUTORUN = b"[autorun]\r\nopen=SETUP.EXE\r\nicon=SETUP.EXE,0\r\nlabel=Kivo2000\r\n"
DOS_NAME = re.compile(r"^[A-Z0-9_]{1,8}(\.[A-Z0-9_]{1,3})?$")


def tree(folder):
    """{relative path with backslashes: bytes} of every file under folder."""
    return {str(p.relative_to(folder)).replace(os.sep, "\\"): p.read_bytes()
            for p in pathlib.Path(folder).rglob("*") if p.is_file()}


def xorriso(*args):
    return subprocess.run(["xorriso", "-rockridge", "off", *args], check=True,
                          capture_output=True, text=True).stdout


class Release(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tree(ROOT)
        with tempfile.TemporaryDirectory() as bundle:
            subprocess.run([sys.executable, os.path.join(SOURCE, "tools", "bundle", "make_bundle.py"),
                            bundle], check=True, stdout=subprocess.DEVNULL)
            cls.bundle = tree(bundle)

    def test_folder_holds_setup_autorun_and_the_bundle(self):
        self.assertEqual({**self.bundle, "AUTORUN.INF": AUTORUN},
                         {path: data for path, data in self.folder.items() if path != "SETUP.EXE"})
        for path in self.folder:
            self.assertTrue(all(DOS_NAME.match(part) for part in path.split("\\")), path)
        setup = self.folder["SETUP.EXE"]
        self.assertLessEqual(len(setup), 384 * 1024)
        pe = struct.unpack_from("<I", setup, 0x3C)[0]
        self.assertEqual((b"PE\0\0", 0x14C), (setup[pe:pe + 4], struct.unpack_from("<H", setup, pe + 4)[0]))

    def test_zip_holds_the_folder_at_its_root(self):
        with zipfile.ZipFile(ROOT + ".zip") as z:
            self.assertIsNone(z.testzip())
            files = {i.filename.replace("/", "\\"): z.read(i) for i in z.infolist() if not i.is_dir()}
        self.assertEqual(self.folder, files)

    def test_image_holds_the_folder_under_both_name_sets(self):
        self.assertIn("Volume Id    : KIVO2000", xorriso("-indev", IMAGE, "-pvd_info"))
        for joliet in ("off", "on"):
            with self.subTest(joliet=joliet), tempfile.TemporaryDirectory() as out:
                xorriso("-joliet", joliet, "-osirrox", "on", "-indev", IMAGE, "-extract", "/", out)
                self.assertEqual(self.folder, tree(out))


if __name__ == "__main__":
    unittest.main(verbosity=1)
