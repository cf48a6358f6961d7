"""Sample bundle for the chooser: the three product folders that lie beside
SETUP.EXE on the CD-ROM, filled with small but well-formed handheld files
(.PRC resource databases and .PDB record databases) and the registration
text. The files carry real headers, type and creator codes, a record or
resource list and data; they are not meant to run on a handheld.

Usage: make_bundle.py OUTDIR
Writes OUTDIR/KIVOTW2K/..., OUTDIR/KIVOOS/..., OUTDIR/ZHCONV/... (SETUP.EXE
is not part of it). The output is the same on every run: every date in it
is fixed."""

import os
import struct
import sys

# 2000-01-01 00:00:00 in the handheld's clock (seconds since 1904-01-01).
FIXED_DATE = 3029529600

ATTR_RESOURCE = 0x0001
ATTR_BACKUP = 0x0008
HEADER_SIZE = 78

# Creators: one per product, shared by its program and its databases.
SUITE_CREATOR = b"KvIM"
DICT_CREATOR = b"KvDc"
SYSTEM_CREATOR = b"KvOS"
CONVERTER_CREATOR = b"KvCv"


def database(name, attributes, kind, creator, seed, entry_size, pack_entry,
             blobs):
    """The bytes of one database: the header, the list of entries (made by
    pack_entry(index, data offset)), two bytes of padding, then the data
    blobs in list order."""
    raw_name = name.encode("ascii")
    assert 0 < len(raw_name) < 32 and len(kind) == 4 and len(creator) == 4
    header = struct.pack(">32sHHIIIIII4s4sIIH", raw_name, attributes, 1,
                         FIXED_DATE, FIXED_DATE, 0, 1, 0, 0, kind, creator,
                         seed, 0, len(blobs))
    assert len(header) == HEADER_SIZE
    offset = HEADER_SIZE + entry_size * len(blobs) + 2
    entries = b""
    for index, blob in enumerate(blobs):
        entries += pack_entry(index, offset)
        offset += len(blob)
    return header + entries + b"\0\0" + b"".join(blobs)


def resource_database(name, creator, resources):
    """A .PRC: resources given as (type, id, data). An entry is the type,
    the id and the data offset."""
    def pack_entry(index, offset):
        kind, rid, _ = resources[index]
        return kind + struct.pack(">HI", rid, offset)
    return database(name, ATTR_RESOURCE | ATTR_BACKUP, b"appl", creator, 0,
                    10, pack_entry, [data for (_, _, data) in resources])


def record_database(name, kind, creator, records):
    """A .PDB: records given as data blobs, in category 0, with unique ids
    counting up from 1. An entry is the data offset, the attributes and
    the three-byte unique id."""
    def pack_entry(index, offset):
        return struct.pack(">IB", offset, 0) + (index + 1).to_bytes(3, "big")
    return database(name, ATTR_BACKUP, kind, creator, len(records) + 1, 8,
                    pack_entry, records)


def program(name, creator, title):
    """A small application: code, preferences, name and version."""
    code0 = struct.pack(">IIII", 0x28, 0, 0x20, 0)
    code1 = bytes.fromhex("4e560000") + b"\x4e\x5e\x4e\x75"  # link, unlk, rts
    pref = struct.pack(">HII", 30, 0x1000, 0x1000)
    return resource_database(name, creator, [
        (b"code", 0, code0),
        (b"code", 1, code1),
        (b"data", 0, b"\0" * 8),
        (b"pref", 0, pref),
        (b"tAIN", 1000, title.encode("ascii") + b"\0"),
        (b"tver", 1, b"2.0\0"),
    ])


def table(name, kind, creator, lines):
    """A data table: one record per Big5 or ASCII line."""
    return record_database(name, kind, creator,
                           [line.encode("big5") + b"\0" for line in lines])


def suite_files():
    return {
        "KIVOIME.PRC": program("KivoIME", SUITE_CREATOR, "Kivo IME"),
        "CODEB5.PDB": table("KivoCodeB5", b"Code", SUITE_CREATOR,
                            ["a\t日", "b\t月", "c\t金"]),
        "CODEHK.PDB": table("KivoCodeHK", b"Code", SUITE_CREATOR,
                            ["a\t日", "b\t月", "c\t金", "d\t木"]),
        "PINYIN.PDB": table("KivoPinyin", b"Pyin", SUITE_CREATOR,
                            ["ri\t日", "yue\t月"]),
        "ZHUYIN.PDB": table("KivoZhuyin", b"Zhuy", SUITE_CREATOR,
                            ["ㄖˋ\t日", "ㄩㄝˋ\t月"]),
        "STROKE.PDB": table("KivoStroke", b"Strk", SUITE_CREATOR,
                            ["4\t日", "4\t月", "8\t金"]),
        "EXTRA.PDB": table("KivoExtra", b"Xtra", SUITE_CREATOR,
                           ["日\t曰", "月\t肉"]),
        "ASSOC.PDB": table("KivoAssoc", b"Assc", SUITE_CREATOR,
                           ["日\t本", "月\t亮"]),
        "PHRASES.PDB": table("KivoPhrases", b"Phrs", SUITE_CREATOR,
                             ["日本", "月亮", "金木水火土"]),
        "KVDICT\\KVDICT.PRC": program("KivoDict", DICT_CREATOR, "Kivo Dict"),
        "KVDICT\\WORDS.PDB": table("KivoDictWords", b"Word", DICT_CREATOR,
                                   ["日", "月", "金"]),
        "KVDICT\\MEANS.PDB": table("KivoDictMeans", b"Mean", DICT_CREATOR,
                                   ["sun; day", "moon; month", "gold; metal"]),
    }


def system_files():
    files = {"KIVOOS.PRC": program("KivoOS", SYSTEM_CREATOR, "Kivo OS")}
    fonts = [("FONTB1", "KivoFontBig5Common"), ("FONTB2", "KivoFontBig5Rare"),
             ("FONTB3", "KivoFontHKSCS"), ("FONTG1", "KivoFontGBCommon"),
             ("FONTG2", "KivoFontGBRare"), ("FONTG3", "KivoFontGBK")]
    for number, (stem, name) in enumerate(fonts):
        glyphs = [bytes([number, row]) + bytes(range(30)) for row in range(3)]
        files[stem + ".PDB"] = record_database(name, b"Font", SYSTEM_CREATOR,
                                               glyphs)
    return files


def converter_files():
    return {
        "ZHCONV.PRC": program("ZhConv", CONVERTER_CREATOR, "ZhConv"),
        "B5TOGB.PDB": record_database("ZhConvB5ToGB", b"Map ",
                                      CONVERTER_CREATOR,
                                      [b"\xa4\xe9\xc8\xd5", b"\xa4\xeb\xd4\xc2"]),
        "GBTOB5.PDB": record_database("ZhConvGBToB5", b"Map ",
                                      CONVERTER_CREATOR,
                                      [b"\xc8\xd5\xa4\xe9", b"\xd4\xc2\xa4\xeb"]),
    }


REGISTRATION_TEXT = (
    "Kivo2000 registration\r\n"
    "\r\n"
    "Thank you for choosing Kivo2000 for your handheld.\r\n"
    "Please register your copy to receive updates and support.\r\n"
    "\r\n"
    "Name:\r\n"
    "Handheld model:\r\n"
    "Serial number:\r\n"
)


def write(outdir, folder, files):
    for relative, data in files.items():
        path = os.path.join(outdir, folder, *relative.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_bundle.py OUTDIR\n")
        return 2
    outdir = argv[1]
    write(outdir, "KIVOTW2K", suite_files())
    write(outdir, "KIVOTW2K",
          {"REGINFO.TXT": REGISTRATION_TEXT.encode("ascii")})
    write(outdir, "KIVOOS", system_files())
    write(outdir, "ZHCONV", converter_files())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
