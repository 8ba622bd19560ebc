#!/usr/bin/python3
"""Makes a damaged or hostile copy out of a good one, with Python's own ZIP writer, for the
tests of the backup check: alter_copy.py GOOD.zip OUT.zip MODE [NAME]

  flip NAME      one byte of NAME's stored data changed in the file (its checksum no longer holds)
  replace NAME   NAME rewritten with one byte changed, the ZIP consistent (only SHA-256 tells)
  resize NAME    NAME rewritten one byte longer
  drop NAME      NAME left out, still listed in the manifest
  extra NAME     NAME added, not listed
  listed NAME    NAME added and listed in the manifest (for names that must be refused)
  link NAME      NAME added as a symbolic link to /etc/passwd, listed
  nomanifest     the manifest left out
"""
import hashlib
import stat
import struct
import sys
import zipfile

MANIFEST = "TARVENTO-MANIFEST.txt"


def listed(name, data):
    return f"{len(data)} {hashlib.sha256(data).hexdigest()} {name}\n"


def rewrite(good, out, drop=(), replace=None, add=(), manifest=True):
    replace = replace or {}
    with zipfile.ZipFile(good) as src, zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as dst:
        lines = src.read(MANIFEST).decode("utf-8").splitlines(keepends=True)
        header, entries = lines[:4], lines[4:]
        for info, data, in_manifest in add:
            if in_manifest:
                entries.append(listed(info.filename, data))
        header[3] = f"File: {len(entries)}\n"
        if manifest:
            dst.writestr(MANIFEST, "".join(header + entries))
        for info in src.infolist():
            if info.filename == MANIFEST or info.filename in drop:
                continue
            dst.writestr(info, replace.get(info.filename, src.read(info)))
        for info, data, _ in add:
            dst.writestr(info, data)


def flip(good, out, name):
    data = bytearray(open(good, "rb").read())
    with zipfile.ZipFile(good) as z:
        info = z.getinfo(name)
    offset = info.header_offset
    name_length, extra_length = struct.unpack("<HH", data[offset + 26:offset + 30])
    start = offset + 30 + name_length + extra_length
    data[start + info.compress_size // 2] ^= 0x10
    open(out, "wb").write(bytes(data))


def main():
    good, out, mode = sys.argv[1:4]
    name = sys.argv[4] if len(sys.argv) > 4 else ""
    if mode == "flip":
        flip(good, out, name)
        return
    with zipfile.ZipFile(good) as z:
        original = z.read(name) if name in z.namelist() else b""
    if mode == "replace":
        changed = bytearray(original)
        changed[len(changed) // 2] ^= 0x01
        rewrite(good, out, replace={name: bytes(changed)})
    elif mode == "resize":
        rewrite(good, out, replace={name: original + b"x"})
    elif mode == "drop":
        rewrite(good, out, drop=(name,))
    elif mode in ("extra", "listed"):
        rewrite(good, out, add=[(zipfile.ZipInfo(name), b"contenuto estraneo", mode == "listed")])
    elif mode == "link":
        info = zipfile.ZipInfo(name)
        info.create_system = 3
        info.external_attr = (stat.S_IFLNK | 0o777) << 16
        rewrite(good, out, add=[(info, b"/etc/passwd", True)])
    elif mode == "nomanifest":
        rewrite(good, out, manifest=False)
    else:
        sys.exit("unknown mode " + mode)


if __name__ == "__main__":
    main()
