#!/usr/bin/env python3
"""The CSV opened in LibreOffice Calc shows what the JSON holds.

  csv_calc_test.py TOOL [--table]

The tool writes the CSV and the JSON of: one run per text of csv_cases.CASES
(every text column holding the text), logs named after csv_cases.FILE_NAMES,
and every profile and recorded log under tests/profiles. Calc opens the CSV
with the import options a user's Calc has by default (comma, quote, UTF-8,
from line 1: "CSV:44,34,76,1"), in English and in Japanese, and saves it as
flat OpenDocument (each cell's type, value and shown text) and as CSV (each
text's characters, which the XML drops where they are control characters).
Every cell must be the JSON's value: a number a number of that value, true
and false truth values, null an empty cell, a text a text showing exactly the
text, or with the leading apostrophe of a text that starts like a formula
(or of one too long for a formula in Excel).
Calc keeps a line break in a cell as LF, so CR LF and a lone CR compare as LF.

A canary CSV with the texts written plainly must come out altered ("06E8" a
number of 600,000,000, "4.10" the number 4.1): otherwise this Calc reads
nothing as a value, and the check would prove nothing. --table prints every
case with what Calc made of it.
"""
import csv
import glob
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

import csv_cases

TOOL = os.path.abspath(sys.argv[1])
TABLE = "--table" in sys.argv[2:]
SRC = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROFILES = os.path.join(SRC, "tests", "profiles")
IMPORT = "CSV:44,34,76,1"
# Export: comma, quote, UTF-8; every text cell quoted, values as shown, formulas' results.
EXPORT = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,false,true,false"
NS = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}
OFFICE, TABLE_NS, TEXT = (f"{{{NS[k]}}}" for k in ("office", "table", "text"))
GUARDED = tuple("=+-@\t\r")
failures = []


def check(name, ok, detail=""):
    if not ok:
        failures.append(name)
        print(f"FAIL: {name} {detail}".rstrip(), file=sys.stderr)


def calc(tmp, language, csvs, target):
    """Calc converts the CSV files, in its own profile, with the user's import options."""
    profile = os.path.join(tmp, f"profile-{language}")
    out = os.path.join(tmp, f"{language}-{target.split(':')[0]}")
    env = dict(os.environ, LANG=f"{language}.UTF-8", LC_ALL=f"{language}.UTF-8", HOME=profile)
    r = subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless", f"--infilter={IMPORT}",
                        "--convert-to", target, "--outdir", out, *csvs], capture_output=True, env=env, timeout=600)
    check(f"soffice {language} {target}", r.returncode == 0, r.stderr.decode(errors="replace"))
    return out


def shown(p):
    """The text of a text:p as shown: text:s is blanks, text:tab a tab, text:line-break LF."""
    out = p.text or ""
    for e in p:
        out += {f"{TEXT}s": " " * int(e.get(f"{TEXT}c", "1")), f"{TEXT}tab": "\t",
                f"{TEXT}line-break": "\n"}.get(e.tag, None) or shown(e)
        out += e.tail or ""
    return out


def fods_rows(path):
    """Each row's cells as (type, value, shown text), repeated cells spread out."""
    rows = []
    for r in ET.parse(path).iter(f"{TABLE_NS}table-row"):
        cells = []
        for c in r.findall("table:table-cell", NS):
            kind = c.get(f"{OFFICE}value-type")
            value = c.get(f"{OFFICE}value") or c.get(f"{OFFICE}boolean-value")
            text = "\n".join(shown(p) for p in c.findall("text:p", NS))
            cells += [(kind, value, text)] * min(int(c.get(f"{TABLE_NS}number-columns-repeated", "1")), 1000)
        rows += [cells] * min(int(r.get(f"{TABLE_NS}number-rows-repeated", "1")), 1000)
    return rows


def expected_cells(machine, header):
    """The header's columns of a machine as the JSON holds them: a text, a number, a bool or None."""
    s, b, src = machine["summary"], machine["summary"]["benchmark"], machine["source"]
    last = src["last_line"]
    values = {"file": src["file"], "kind": src["kind"], "run": src["run"], "runs": src["runs"],
              "truncated": src["truncated"], "last_line_number": last and last["number"],
              "last_line": last and last["text"], "benchmark_section": b["section"],
              **{k: s[k] for k in s if k != "benchmark"}, **{k: b[k] for k in b if k != "memory"},
              **{f"memory_{p['block_kb']}kb_points": p["points"] for p in b["memory"]}}
    return [values.get(h) for h in header]


def cell_ok(want, got, text):
    """Whether Calc's cell (type, value, shown) and its exported text are the JSON's value."""
    kind, value, _ = got
    if want is None or want == "":
        return kind is None and text == ""
    if isinstance(want, bool):
        return kind == "boolean" and value == str(want).lower()
    if isinstance(want, (int, float)):
        return kind == "float" and float(value) == want
    shows = [want, "'" + want] if len(want.encode()) > 7000 else ["'" + want] if want.startswith(GUARDED) else [want]
    return kind == "string" and text in [s.replace("\r\n", "\n").replace("\r", "\n") for s in shows]


def inputs(tmp):
    cases = os.path.join(tmp, "cases.LOG")
    with open(cases, "wb") as f:
        f.write(csv_cases.runs(csv_cases.CASES))
    names = os.path.join(tmp, "names")
    os.mkdir(names)
    plain = csv_cases.run("GenuineIntel")
    for name in csv_cases.FILE_NAMES:
        with open(os.path.join(names, name), "wb") as f:
            f.write(plain)
    profiles = sorted(glob.glob(f"{PROFILES}/**/*.profile", recursive=True)) + sorted(glob.glob(f"{PROFILES}/*/*.LOG"))
    return [cases, *csv_cases.FILE_NAMES, *profiles], names


def main(tmp):
    files, names = inputs(tmp)
    csv_path, json_path = os.path.join(tmp, "machines.csv"), os.path.join(tmp, "machines.json")
    r = subprocess.run([TOOL, "--csv", csv_path, "--json", json_path, "--", *files], cwd=names, capture_output=True)
    check("vornak-report", r.returncode == 0, r.stderr.decode(errors="replace"))
    machines = json.load(open(json_path, encoding="utf-8"))["machines"]
    header = next(csv.reader(open(csv_path, encoding="utf-8-sig", errors="replace", newline="")))
    # Each case reached the columns it was put in, so that the table holds every case.
    for text, m in zip(csv_cases.CASES, machines):
        check(f"case {text[:30]!r} in the vendor and last-line columns",
              m["summary"]["vendor"] == text and m["source"]["last_line"]["text"] == text)

    canary = os.path.join(tmp, "canary.csv")
    with open(canary, "w", encoding="utf-8-sig", newline="") as f:
        f.write("06E8\r\n0591\r\n4.10\r\n4.00\r\n")

    with open(csv_path, encoding="utf-8-sig", errors="replace", newline="") as f:
        written = list(csv.reader(f))
    cells, table = 0, {}
    for language in ("en_US", "ja_JP"):
        fods = calc(tmp, language, [csv_path, canary], "fods")
        export = calc(tmp, language, [csv_path], EXPORT)
        rows = fods_rows(os.path.join(fods, "machines.fods"))
        with open(os.path.join(export, "machines.csv"), encoding="utf-8", newline="") as f:
            texts = list(csv.reader(f))
        check(f"{language}: a row per machine and the header", len(rows) >= len(machines) + 1 and
              len(texts) == len(machines) + 1, f"{len(rows)} {len(texts)} {len(machines)}")
        for i, want_row in enumerate([header] + [expected_cells(m, header) for m in machines]):
            got_row = rows[i] + [(None, None, "")] * len(header)
            text_row = texts[i] + [""] * len(header)
            for j, (h, want) in enumerate(zip(header, want_row)):
                cells += 1
                ok = cell_ok(want, got_row[j], text_row[j])
                where = machines[i - 1]["source"]["file"] if i else "header"
                check(f"{language}: {where[:40]!r} row {i} {h}", ok,
                      f"JSON {want!r:.80} Calc {got_row[j]!r:.80} {text_row[j]!r:.80}")
                if TABLE and i and h == ("vendor" if i <= len(csv_cases.CASES) else "file"):
                    table.setdefault(i, [want, written[i][j]]).append(f"{got_row[j][0] or '-'} {text_row[j]!r:.30}")
        spoilt = [r[0][:2] for r in fods_rows(os.path.join(fods, "canary.fods"))[:4]]
        check(f"{language}: the canary's plain texts altered", spoilt == [
            ("float", "600000000"), ("float", "591"), ("float", "4.1"), ("float", "4")], spoilt)
    for i in sorted(table)[:len(csv_cases.CASES) + len(csv_cases.FILE_NAMES)]:
        want, field, *calcs = table[i]
        print(f"{want!r:.30} | {field!r:.34} | " + " | ".join(calcs))
    return cells


if not shutil.which("soffice"):
    sys.exit("FAIL: soffice is not installed (tools/bootstrap installs libreoffice-calc-nogui)")
start = time.monotonic()
with tempfile.TemporaryDirectory() as tmp:
    count = main(tmp)
if failures:
    sys.exit(f"{len(failures)} failed")
print(f"vornak-report CSV in Calc: {count} cells as the JSON holds them, {time.monotonic() - start:.1f} s")
