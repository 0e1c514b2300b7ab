#!/usr/bin/env python3
"""Makes the development placeholders of the expert-advisor files, in resources/program/.

    tools/make_ea_files.py

The setup dialogs copy files under these four names into a terminal folder and verify the copies
by their digest. The compiled expert advisors (.ex4) come from MetaEditor, outside this machine,
and qzea.dll from the Windows build; the native unit tests and a development build that has
neither ship these placeholders instead, so the copy and the digest check can still be tested.
Each says in plain text what it is, then filler bytes: SHA-256 chained over the name, so a re-run
writes the same bytes and each file has its own digest. A release never ships them unless it is a
demonstration and named so (tools/release.sh --demo).
"""
import hashlib
import pathlib

SIZE = 4608  # within 4097..65536 bytes, where a digest is 21 characters long

FILES = {
    "qzea.dll": ("library of the auto-trade expert advisors",
                 "The Windows build ships the real 32-bit library it builds from ea/ instead."),
    "QZEA.ex4": ("auto-trade expert advisor (straddle)",
                 "A release ships QZEA.ex4 compiled in MetaEditor from mql4\\QZEA.mq4."),
    "QZEA_TT.ex4": ("auto-trade expert advisor (timed entry)",
                    "A release ships QZEA_TT.ex4 compiled in MetaEditor from mql4\\QZEA_TT.mq4."),
    "QZGI.ex4": ("signal-copy expert advisor",
                 "A release ships QZGI.ex4 compiled in MetaEditor from mql4\\QZGI.mq4."),
}


def placeholder(name: str, role: str, real: str) -> bytes:
    header = (
        f"Pelimor placeholder for {name}, the {role}.\r\n"
        "This is not a MetaTrader program: the terminal cannot load it. Development builds and\r\n"
        "the tests ship it so that the setup dialogs' copy and digest check can be tested.\r\n"
        f"{real}\r\n"
    ).encode("ascii") + b"\x00"
    filler = bytearray()
    block = name.encode("ascii")
    while len(header) + len(filler) < SIZE:
        block = hashlib.sha256(block).digest()
        filler += block
    return (header + bytes(filler))[:SIZE]


def main() -> None:
    folder = pathlib.Path(__file__).resolve().parent.parent / "resources" / "program"
    folder.mkdir(parents=True, exist_ok=True)
    for name, (role, real) in FILES.items():
        (folder / name).write_bytes(placeholder(name, role, real))


if __name__ == "__main__":
    main()
