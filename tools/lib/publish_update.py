#!/usr/bin/env python3
"""Publishes a program folder as an update below a data server's base folder:

    publish_update.py --program DIR --version N --key KEY.pem --out BASE

writes BASE/prims/version.dat (N), BASE/prims/update/N/manifest.txt (N, then one line per file:
SHA-256 hex, size, path with backslashes), BASE/prims/update/N/manifest.sig (ECDSA P-256 over
SHA-256 of the manifest's bytes, raw r || s, 64 bytes) and the files below
BASE/prims/update/N/files/. The folder "setting" (the user's data) is never published."""
import argparse
import hashlib
import os
import shutil

from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.hazmat.primitives.asymmetric.utils import decode_dss_signature


def program_files(program):
    """Paths relative to the program folder, "/"-separated, sorted; setting/ left out."""
    found = []
    for folder, subfolders, files in os.walk(program):
        subfolders[:] = sorted(s for s in subfolders
                               if not (folder == program and s.lower() == "setting"))
        for name in files:
            found.append(os.path.relpath(os.path.join(folder, name), program).replace(os.sep, "/"))
    return sorted(found)


def manifest_text(program, version, paths=None):
    lines = [str(version)]
    for path in paths if paths is not None else program_files(program):
        with open(os.path.join(program, path), "rb") as f:
            data = f.read()
        lines.append("%s %d %s" % (hashlib.sha256(data).hexdigest(), len(data), path.replace("/", "\\")))
    return ("\n".join(lines) + "\n").encode("ascii")


def sign(data, key_path):
    with open(key_path, "rb") as f:
        key = serialization.load_pem_private_key(f.read(), None)
    r, s = decode_dss_signature(key.sign(data, ec.ECDSA(hashes.SHA256())))
    return r.to_bytes(32, "big") + s.to_bytes(32, "big")


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def release_folder(out, version):
    return os.path.join(out, "prims", "update", str(version))


def publish(program, version, key_path, out):
    release = release_folder(out, version)
    shutil.rmtree(release, ignore_errors=True)
    paths = program_files(program)
    manifest = manifest_text(program, version, paths)
    for path in paths:
        target = os.path.join(release, "files", *path.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(os.path.join(program, path), target)
    write(os.path.join(release, "manifest.txt"), manifest)
    write(os.path.join(release, "manifest.sig"), sign(manifest, key_path))
    write(os.path.join(out, "prims", "version.dat"), b"%d\n" % version)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--version", required=True, type=int)
    parser.add_argument("--key", required=True)
    parser.add_argument("--out", required=True)
    given = parser.parse_args()
    publish(given.program, given.version, given.key, given.out)


if __name__ == "__main__":
    main()
