#!/usr/bin/env python3
"""Makes the expert-advisor files shipped beside Pelimor.exe, in resources/program/.

    tools/make_ea_files.py

The terminal and its expert advisors are not part of this program. The setup dialogs still copy
files under these four names into a terminal folder and verify the copies by their digest, so we
ship stand-ins of our own: a plain-text header that says what the file is, then filler bytes.
The filler comes from SHA-256 chained over the name, so a re-run writes the same bytes and each
file has its own digest. The build computes the reference digests from these files, so replacing
them (for example by the real expert advisors) needs nothing but a rebuild.
"""
import hashlib
import pathlib

SIZE = 4608  # within 4097..65536 bytes, where a digest is 21 characters long

FILES = {
    "qzea.dll": "library of the auto-trade expert advisor",
    "QZEA.ex4": "auto-trade expert advisor",
    "QZEA_TT.ex4": "auto-trade expert advisor (TT)",
    "QZGI.ex4": "signal-copy expert advisor",
}


def stand_in(name: str, role: str) -> bytes:
    header = (
        f"Pelimor stand-in for {name}, the {role}.\r\n"
        "This is not a MetaTrader program. Pelimor copies it into a terminal folder and checks\r\n"
        "the copy by its digest; put the real file here and rebuild to ship that instead.\r\n"
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
    for name, role in FILES.items():
        (folder / name).write_bytes(stand_in(name, role))


if __name__ == "__main__":
    main()
