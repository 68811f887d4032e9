#!/usr/bin/env python3
"""Packs the page folder into a zip that is the same, byte for byte, for the same files.

    pack_zip.py OUT.zip ROOT DIR FILE...

Each FILE of DIR goes in as ROOT/FILE, in the order given, with the time from
SOURCE_DATE_EPOCH (else the zip format's earliest, 1980-01-01), the same
permissions whoever built it, and the same compression.
"""
import os
import sys
import time
import zipfile


def main(out, root, folder, names):
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
    stamp = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(out + ".tmp", "w") as archive:
        for name in names:
            member = zipfile.ZipInfo(f"{root}/{name}", date_time=stamp)
            member.compress_type = zipfile.ZIP_DEFLATED
            member.create_system = 3  # Unix, so that the permissions below are read
            member.external_attr = 0o100644 << 16
            with open(os.path.join(folder, name), "rb") as f:
                archive.writestr(member, f.read(), compresslevel=9)
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:])
