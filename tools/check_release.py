#!/usr/bin/env python3
"""Checks the shipped build: check_release.py KORVANE_EXE ZIP VERSION

The exe must be a 32-bit (i386) GUI program under 1 MiB that imports only system DLLs
and carries the manifest, the icon and the version resource, both of VERSION (a.b.c.d,
as in project(VERSION)); the zip must hold exactly the files a player needs, the read-me
as Windows text. Prints one line per check and a summary, exits non-zero when a check
fails.
"""
import struct
import subprocess
import sys
import zipfile

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll",
               "msvcrt.dll", "shell32.dll", "comdlg32.dll", "ole32.dll", "shlwapi.dll"}
ZIP_CONTENTS = {"Korvane.exe", "language.txt", "LICENSE", "README.txt",
                "languages/deutsch.txt", "languages/english.txt"}

results = []


def check(name, ok, detail=""):
    results.append(ok)
    print(f"{'ok  ' if ok else 'FAIL'} {name}{': ' + detail if detail else ''}")


def pe_header(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    machine = struct.unpack_from("<H", data, pe + 4)[0]
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    subsystem = struct.unpack_from("<H", data, pe + 24 + 68)[0]
    return data[pe:pe + 4] == b"PE\0\0", machine, magic, subsystem


def imports(exe):
    out = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], capture_output=True,
                         text=True, check=True).stdout
    return [line.split("DLL Name:")[1].strip() for line in out.splitlines() if "DLL Name:" in line]


def main():
    exe, zip_path, version = sys.argv[1], sys.argv[2], sys.argv[3]
    data = open(exe, "rb").read()
    is_pe, machine, magic, subsystem = pe_header(data)
    check("PE32 for i386", is_pe and machine == 0x14C and magic == 0x10B,
          f"machine {machine:#x}, magic {magic:#x}")
    check("GUI subsystem", subsystem == 2)
    check("under 1 MiB", len(data) < 1024 * 1024, f"{len(data)} bytes")
    dlls = imports(exe)
    foreign = [d for d in dlls if d.lower() not in SYSTEM_DLLS]
    check("imports only system DLLs", bool(dlls) and not foreign, ", ".join(dlls))
    check("manifest with common controls 6",
          b"Microsoft.Windows.Common-Controls" in data and b"<requestedExecutionLevel" not in data
          and b"<supportedOS" in data)
    check(f"manifest of {version}", f'name="Korvane" version="{version}"'.encode() in data)
    check(f"version resource {version}", "VS_VERSION_INFO".encode("utf-16le") in data and
          version.encode("utf-16le") in data and "Korvane".encode("utf-16le") in data)
    check("icon", b"\x28\x00\x00\x00\x20\x00\x00\x00\x40\x00\x00\x00" in data)

    try:
        z = zipfile.ZipFile(zip_path)
    except OSError as e:
        check("zip exists", False, str(e))
        z = None
    if z is not None:
        names = {n for n in z.namelist() if not n.endswith("/")}
        check("zip contents", names == ZIP_CONTENTS, ", ".join(sorted(names)))
        if "README.txt" in names:
            text = z.read("README.txt")
            check("README.txt has CR LF ends",
                  text.count(b"\n") > 0 and text.count(b"\n") == text.count(b"\r\n"))
        if {"language.txt", "languages/english.txt"} <= names:
            check("language.txt is the English file",
                  z.read("language.txt") == z.read("languages/english.txt"))
        if "Korvane.exe" in names:
            check("zipped exe is the checked one", z.read("Korvane.exe") == data)
    failed = results.count(False)
    print(f"release checks: {len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
