#!/usr/bin/env python3
"""Reads a record file of old and new lines back with real CSV readers: Python's csv module, and
LibreOffice headless where it is installed (skipped with a message otherwise). record_csv_write
writes the file and the rows a reader must get; every record written by the store must come back as
one row with its fields exact, and the old lines as they always read.
Usage: check_csv.py <record_csv_write executable>. Exits 1 on a difference."""
import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile


def read_rows(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        return list(csv.reader(f))


def compare(label, rows, expected):
    if rows == expected:
        print(f"{label}: {len(rows)} rows as expected")
        return True
    print(f"FAIL: {label}: {len(rows)} rows, {len(expected)} expected")
    for i, (got, want) in enumerate(zip(rows, expected)):
        if got != want:
            print(f"  first difference at row {i + 1}:\n    got  {got!r}\n    want {want!r}")
            break
    return False


def libreoffice_rows(soffice, csv_path, work):
    """The file as LibreOffice reads it (UTF-8, comma, double quote, every column text), saved again
    as CSV and read back. Empty rows are dropped and trailing empty fields trimmed, as a sheet keeps
    no such cells."""
    columns = "/".join(f"{c}/2" for c in range(1, 65))
    out = os.path.join(work, "lo")
    subprocess.run([soffice, "--headless", f"-env:UserInstallation=file://{work}/profile",
                    f"--infilter=CSV:44,34,76,1,{columns}",
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", out, csv_path],
                   check=True, stdout=subprocess.DEVNULL, timeout=300)
    rows = read_rows(os.path.join(out, os.path.basename(csv_path)))
    trimmed = []
    for row in rows:
        while row and row[-1] == "":
            row = row[:-1]
        if row:
            trimmed.append(row)
    return trimmed


def main():
    writer = sys.argv[1]
    work = tempfile.mkdtemp(prefix="record_csv_")
    try:
        subprocess.run([writer, work], check=True)
        path = os.path.join(work, "KavriMedSuite", "records", "T901.csv")
        with open(os.path.join(work, "expected.json"), encoding="utf-8") as f:
            expected = json.load(f)
        with open(path, "rb") as f:
            ok = f.read(3) == b"\xef\xbb\xbf"
        if not ok:
            print("FAIL: the file does not start with the byte-order mark")
        ok = compare("Python csv", read_rows(path), expected) and ok

        soffice = shutil.which("soffice") or shutil.which("libreoffice")
        if soffice:
            # A cell keeps a line break as LF.
            lf = lambda rows: [[f.replace("\r\n", "\n").replace("\r", "\n") for f in r] for r in rows if r]
            ok = compare("LibreOffice", lf(libreoffice_rows(soffice, path, work)), lf(expected)) and ok
        else:
            print("LibreOffice not installed (no soffice): its read-back skipped")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(0 if ok else 1)


main()
