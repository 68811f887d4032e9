"""Gives every member of a Debian package (an ar archive) the mode rw-r--r--, as
dpkg-deb does; cpack's DEB generator takes them from the packer's umask.

    deb_member_modes.py PACKAGE.deb...
"""
import sys

HEADER = 60  # name 16, time 12, owner 6, group 6, mode 8, size 10, "`\n"


def main(paths):
    for path in paths:
        with open(path, "r+b") as deb:
            data = bytearray(deb.read())
            if not data.startswith(b"!<arch>\n"):
                sys.exit(f"{path} is not an ar archive")
            at = 8
            while at < len(data):
                header = data[at:at + HEADER]
                if len(header) != HEADER or header[58:60] != b"`\n":
                    sys.exit(f"{path}: broken ar member header at byte {at}")
                data[at + 40:at + 48] = b"100644  "
                size = int(header[48:58])
                at += HEADER + size + (size & 1)
            deb.seek(0)
            deb.write(data)


if __name__ == "__main__":
    main(sys.argv[1:])
