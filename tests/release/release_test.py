#!/usr/bin/env python3
"""Checks what release.sh made: the disc's root folder, the zip and the CD
image hold the same files, which are the 32-bit SETUP.EXE (carrying the
committed skins and icon, within 384 KiB), AUTORUN.INF and the sample bundle; the image has
the volume id, ISO 9660 level 1 names and Joliet names.

  release_test.py SOURCE_DIR RELEASE_DIR

The image is read here with a reader of its own (not with the tool that
wrote it), directory records and all."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

SOURCE, RELEASE = (os.path.abspath(a) for a in sys.argv[1:3])
del sys.argv[1:3]
NAME = "KIVOHK2K"
ROOT = os.path.join(RELEASE, NAME)
AUTORUN = b"[autorun]\r\nopen=SETUP.EXE\r\nicon=SETUP.EXE,0\r\nlabel=Kivo2000\r\n"
SECTOR = 2048


def tree(folder):
    """{relative path with backslashes: bytes} of every file under folder."""
    files = {}
    for base, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(base, name)
            rel = os.path.relpath(path, folder).replace(os.sep, "\\")
            with open(path, "rb") as f:
                files[rel] = f.read()
    return files


def is_dos_name(name):
    stem, _, ext = name.partition(".")
    allowed = set("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_")
    return (1 <= len(stem) <= 8 and len(ext) <= 3 and set(stem) <= allowed
            and set(ext) <= allowed)


# ---- a small ISO 9660 reader --------------------------------------------------

class Image:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.blob = f.read()
        self.primary = self.joliet = None
        sector = 16
        while True:
            vd = self.blob[sector * SECTOR:(sector + 1) * SECTOR]
            kind, ident = vd[0], vd[1:6]
            if ident != b"CD001":
                raise ValueError("no volume descriptor at sector %d" % sector)
            if kind == 1:
                self.primary = vd
            elif kind == 2 and vd[88:91] in (b"%/@", b"%/C", b"%/E"):
                self.joliet = vd
            elif kind == 255:
                break
            sector += 1

    @staticmethod
    def volume_id(vd, joliet=False):
        raw = vd[40:72]
        return (raw.decode("utf-16-be") if joliet else raw.decode("ascii")).rstrip(" \0")

    def files(self, vd, joliet):
        """{path: bytes} of every file, walking the directory records."""
        root = vd[156:156 + 34]
        out = {}
        self._walk(struct.unpack_from("<I", root, 2)[0],
                   struct.unpack_from("<I", root, 10)[0], "", joliet, out)
        return out

    def _walk(self, extent, size, prefix, joliet, out):
        data = self.blob[extent * SECTOR:extent * SECTOR + size]
        pos = 0
        while pos < len(data):
            length = data[pos]
            if length == 0:                      # records do not cross sectors
                pos = (pos // SECTOR + 1) * SECTOR
                continue
            record = data[pos:pos + length]
            pos += length
            name_len = record[32]
            raw = record[33:33 + name_len]
            if raw in (b"\0", b"\1"):
                continue
            name = raw.decode("utf-16-be") if joliet else raw.decode("ascii")
            name = name.split(";")[0].rstrip(".") if not record[25] & 2 else name
            child_extent = struct.unpack_from("<I", record, 2)[0]
            child_size = struct.unpack_from("<I", record, 10)[0]
            path = prefix + name
            if record[25] & 2:
                self._walk(child_extent, child_size, path + "\\", joliet, out)
            else:
                out[path] = self.blob[child_extent * SECTOR:child_extent * SECTOR + child_size]


# ---- PE resources ---------------------------------------------------------------

def pe_resources(blob):
    """(machine, subsystem, {type: {id: bytes}}) of a PE file's resources
    with numeric types and ids (first language of each)."""
    pe = struct.unpack_from("<I", blob, 0x3C)[0]
    assert blob[pe:pe + 4] == b"PE\0\0"
    machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", blob, pe + 4)
    opt = pe + 24
    magic = struct.unpack_from("<H", blob, opt)[0]
    subsystem = struct.unpack_from("<H", blob, opt + 68)[0]
    dirs = opt + (96 if magic == 0x10B else 112)
    rsrc_rva = struct.unpack_from("<I", blob, dirs + 2 * 8)[0]
    table = opt + optional_size
    rsrc_raw = None
    rvas = []
    for k in range(sections):
        s = table + 40 * k
        vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", blob, s + 8)
        rvas.append((vaddr, max(vsize, rawsize), rawptr))
        if vaddr <= rsrc_rva < vaddr + max(vsize, rawsize):
            rsrc_raw = rawptr + rsrc_rva - vaddr

    def at_rva(rva):
        for vaddr, size, rawptr in rvas:
            if vaddr <= rva < vaddr + size:
                return rawptr + rva - vaddr
        raise ValueError("rva %x outside the sections" % rva)

    def entries(offset):
        named, ids = struct.unpack_from("<HH", blob, rsrc_raw + offset + 12)
        for k in range(named + ids):
            name, target = struct.unpack_from("<II", blob, rsrc_raw + offset + 16 + 8 * k)
            yield name, target

    out = {}
    for kind, t in entries(0):
        for rid, n in entries(t & 0x7FFFFFFF):
            _, leaf = next(entries(n & 0x7FFFFFFF))
            rva, size = struct.unpack_from("<II", blob, rsrc_raw + leaf)
            out.setdefault(kind, {})[rid] = blob[at_rva(rva):at_rva(rva) + size]
    return machine, subsystem, out


RT_BITMAP, RT_ICON, RT_GROUP_ICON = 2, 3, 14


class Release(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tree(ROOT)
        with tempfile.TemporaryDirectory() as bundle:
            subprocess.run([sys.executable, os.path.join(SOURCE, "tools", "bundle",
                                                         "make_bundle.py"), bundle],
                           check=True, stdout=subprocess.DEVNULL)
            cls.bundle = tree(bundle)

    def test_folder_holds_setup_autorun_and_the_bundle(self):
        expected = set(self.bundle) | {"SETUP.EXE", "AUTORUN.INF"}
        self.assertEqual(sorted(expected), sorted(self.folder))
        for path, data in self.bundle.items():
            with self.subTest(path=path):
                self.assertEqual(data, self.folder[path])
        self.assertEqual(AUTORUN, self.folder["AUTORUN.INF"])
        for path in self.folder:
            for part in path.split("\\"):
                with self.subTest(path=path, part=part):
                    self.assertTrue(is_dos_name(part))

    def test_setup_is_the_32_bit_chooser_with_the_committed_art(self):
        self.assertLessEqual(len(self.folder["SETUP.EXE"]), 384 * 1024)
        machine, subsystem, res = pe_resources(self.folder["SETUP.EXE"])
        self.assertEqual(0x14C, machine)         # i386
        self.assertEqual(2, subsystem)           # Windows GUI
        # The one icon group: AUTORUN.INF's "SETUP.EXE,0" is this icon.
        self.assertEqual([102], sorted(res[RT_GROUP_ICON]))
        group = res[RT_GROUP_ICON][102]
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = sorted(struct.unpack_from("<BBB", group, 6 + 14 * k)[:3] for k in range(count))
        self.assertEqual([(16, 16, 16), (32, 32, 16)], sizes)
        skins = {105: "skin_main.bmp", 108: "skin_converter.bmp", 109: "skin_suite.bmp",
                 110: "skin_system.bmp", 205: "skin_main_2x.bmp", 208: "skin_converter_2x.bmp",
                 209: "skin_suite_2x.bmp", 210: "skin_system_2x.bmp"}
        self.assertEqual(sorted(skins), sorted(res[RT_BITMAP]))
        for rid, name in skins.items():
            with self.subTest(bitmap=rid):
                with open(os.path.join(SOURCE, "res", name), "rb") as f:
                    self.assertEqual(f.read()[14:], res[RT_BITMAP][rid])

    def test_zip_holds_the_folder_at_its_root(self):
        with zipfile.ZipFile(os.path.join(RELEASE, NAME + ".zip")) as z:
            self.assertIsNone(z.testzip())
            files = {i.filename.replace("/", "\\"): z.read(i) for i in z.infolist()
                     if not i.is_dir()}
        self.assertEqual(sorted(self.folder), sorted(files))
        for path, data in files.items():
            with self.subTest(path=path):
                self.assertEqual(self.folder[path], data)

    def test_image_has_volume_id_and_both_name_sets(self):
        image = Image(os.path.join(RELEASE, NAME + ".iso"))
        self.assertIsNotNone(image.primary)
        self.assertIsNotNone(image.joliet)
        self.assertEqual("KIVO2000", Image.volume_id(image.primary))
        self.assertEqual("KIVO2000", Image.volume_id(image.joliet, joliet=True))
        for label, vd, joliet in (("ISO 9660", image.primary, False),
                                  ("Joliet", image.joliet, True)):
            with self.subTest(names=label):
                files = image.files(vd, joliet)
                self.assertEqual(sorted(self.folder), sorted(files))
                for path, data in files.items():
                    self.assertEqual(self.folder[path], data, path)


if __name__ == "__main__":
    unittest.main(verbosity=1)
