#!/usr/bin/env python3
"""vornak-report's outputs read back as a script reads them.

  outputs_test.py TOOL

Every profile under tests/profiles is replayed to a log with the tool and the
log read back: its outline and its JSON summary must be the profile's (the
recorded logs too). A file of several runs, one cut short; the page of two
logs against the page of their profiles; the CSV through Python's csv module;
bad input with each new output. Every JSON document is validated against
docs/vornak-report.schema.json.
"""
import csv
import glob
import io
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

import csv_cases

TOOL = os.path.abspath(sys.argv[1])
SRC = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROFILES = os.path.join(SRC, "tests", "profiles")
with open(os.path.join(SRC, "docs", "vornak-report.schema.json"), encoding="utf-8") as f:
    VALIDATOR = jsonschema.Draft202012Validator(json.load(f))
# Where a log cannot tell what the report nested (docs/log-format.md): owned
# windows, a repeated win.ini section. Their outlines hold the same lines.
AMBIGUOUS = {"files/machine.profile", "log/p6-unnamed-nt.profile"}
failures = []


def check(name, ok, detail=""):
    if not ok:
        failures.append(name)
        print(f"FAIL: {name} {detail}".rstrip(), file=sys.stderr)


def run(*args, cwd=None, status=0):
    r = subprocess.run([TOOL, *args], capture_output=True, cwd=cwd)
    check(f"exit {status}: {' '.join(args)[-120:]}", r.returncode == status, r.stderr.decode(errors="replace"))
    return r


def document(*inputs, cwd=None):
    doc = json.loads(run(*inputs, "--json", "-", cwd=cwd).stdout)
    errors = [e.message for e in VALIDATOR.iter_errors(doc)]
    check(f"schema: {' '.join(inputs)[-80:]}", not errors, "; ".join(errors[:3]))
    return doc


def round_trip(tmp):
    profiles = sorted(os.path.relpath(p, PROFILES) for p in glob.glob(f"{PROFILES}/**/*.profile", recursive=True))
    pairs = []
    for p in profiles:
        log = os.path.join(tmp, p.replace("/", "-").replace(".profile", ".LOG"))
        run(os.path.join(PROFILES, p), "--log", log)
        pairs.append((p, os.path.join(PROFILES, p), log))
    for recorded in ("live/wine-98", "live/wine-nt"):
        pairs.append((recorded, f"{PROFILES}/{recorded}.profile", f"{PROFILES}/{recorded}.LOG"))
    doc = document(*[f for _, profile, log in pairs for f in (profile, log)])
    check("one machine per file", len(doc["machines"]) == 2 * len(pairs))
    for i, (name, profile, log) in enumerate(pairs):
        a, b = doc["machines"][2 * i : 2 * i + 2]
        check(f"{name}: kinds", (a["source"]["kind"], b["source"]["kind"]) == ("profile", "log"))
        check(f"{name}: summary of the log", a["summary"] == b["summary"], f"\n{a['summary']}\n{b['summary']}")
        check(f"{name}: a whole run", not b["source"]["truncated"] and b["source"]["last_line"]["number"] > 100)
        want, got = (run(f, "--outline").stdout.decode("latin-1") for f in (profile, log))
        if name in AMBIGUOUS:
            check(f"{name}: outline of the log, the same lines",
                  want != got and sorted(map(str.strip, want.splitlines())) == sorted(map(str.strip, got.splitlines())))
        else:
            check(f"{name}: outline of the log", want == got)
        with open(log, "rb") as f:
            check(f"{name}: --log of the log gives its bytes", run(log).stdout == f.read())


def replayed(profile):
    return run(os.path.join(PROFILES, profile)).stdout


def several_runs(tmp):
    a, b, c = replayed("html/p3-500-win98.profile"), replayed("pc98/pc9821.profile"), replayed("live/wine-nt.profile")
    header = b"----- VORNAK Harlix Memory Performance -----\r\n"
    cut = b[: b.index(header) + len(header)]
    path = os.path.join(tmp, "runs.LOG")
    with open(path, "wb") as f:
        f.write(a + cut + b"MemCls   :  " + bytes(512) + c)  # a reset: a line cut, zeros
    machines = document(path)["machines"]
    last = {"number": (a + cut).count(b"\n"), "text": "----- VORNAK Harlix Memory Performance -----"}
    expected = [(1, False), (2, True), (3, False)]
    check("several runs: three machines", [(m["source"]["run"], m["source"]["truncated"]) for m in machines] == expected)
    check("several runs: of three", all(m["source"]["runs"] == 3 for m in machines))
    check("several runs: the cut run's last line", machines[1]["source"]["last_line"] == last, machines[1]["source"])
    singles = document(os.path.join(PROFILES, "html/p3-500-win98.profile"), os.path.join(PROFILES, "live/wine-nt.profile"))
    check("several runs: the whole runs read as alone",
          [machines[0]["summary"], machines[2]["summary"]] == [m["summary"] for m in singles["machines"]])
    r = run(path, "--outline")
    check("several runs: --outline notes the cut run",
          f"runs.LOG (run 2 of 3) is truncated: its last line is line {last['number']}: {last['text']}".encode() in r.stderr)
    check("several runs: --log gives their whole lines", run(path).stdout == a + cut + c)
    page = run(path, "--html", "-").stdout.decode()
    check("several runs: the page marks the cut run",
          page.count(f"has a truncated run: its log stops after line {last['number']:,}") == 2 and "(run 2 of 3)" in page)
    return path


def page_of_logs(tmp):
    names = ["p3-500-win98", "k6-233-win95"]
    profiles = [f"{PROFILES}/html/{n}.profile" for n in names]
    logs = [os.path.join(tmp, f"{n}.LOG") for n in names]
    for p, log in zip(profiles, logs):
        run(p, "--log", log)
    from_profiles = run(*profiles, "--html", "-").stdout
    from_logs = run(*logs, "--html", "-").stdout
    for n in names:
        from_logs = from_logs.replace(f"{n}.LOG".encode(), f"{n}.profile".encode())
    check("the page of two logs is the page of their profiles", from_logs == from_profiles)


def csv_back(tmp, runs):
    odd = ["a, comma.LOG", 'a "quote".LOG', "a line\nbreak.LOG"]
    formula = "=1+2.LOG"
    for name in (*odd, formula):
        run(f"{PROFILES}/live/wine-98.LOG", "--log", os.path.join(tmp, name))
    inputs = [*odd, formula, runs, f"{PROFILES}/log/k5-win32s.profile"]
    raw = run(*inputs, "--csv", "-", cwd=tmp).stdout
    check("csv: a byte-order mark, CR LF record ends", raw.startswith(b"\xef\xbb\xbf") and raw.endswith(b"\r\n"))
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline="")))
    header, rows = rows[0], rows[1:]
    machines = document(*inputs, cwd=tmp)["machines"]
    check("csv: one row per machine, every row as wide as the header",
          len(rows) == len(machines) == 8 and all(len(r) == len(header) for r in rows))
    named = [dict(zip(header, r)) for r in rows]
    check("csv: names with a comma, a quote, a line break read back", [r["file"] for r in named[:3]] == odd)
    check("csv: a text that starts like a formula is kept text", named[3]["file"] == "'" + formula)
    memory = [h for h in header if h.startswith("memory_")]
    check("csv: the memory columns", memory[0] == "memory_16kb_points" and memory[-1] == "memory_32768kb_points"
          and len(memory) == 14, memory)
    for row, m in zip(named, machines):
        s, b = m["summary"], m["summary"]["benchmark"]
        points = {f"memory_{p['block_kb']}kb_points": p["points"] for p in b["memory"]}
        want = {"run": m["source"]["run"], "truncated": str(m["source"]["truncated"]).lower(),
                "processor": s["processor"], "clock_mhz": s["clock_mhz"], "integer_points": b["integer_points"],
                "float_points": b["float_points"], "physical_memory_kb": s["physical_memory_kb"],
                **{c: points.get(c) for c in memory}}
        got = {k: row[k] for k in want}
        check(f"csv: {row['file']} run {row['run']} as the JSON has it",
              got == {k: "" if v is None else str(v) for k, v in want.items()}, f"\n{got}\n{want}")
    k5 = machines[-1]["summary"]["benchmark"]
    check("a benchmark line without a time is null, not 0", k5["integer_points"] is None and k5["float_ms"] is None
          and named[-1]["integer_points"] == "", k5)


# A text and its CSV field as Python's csv reads it: a text a spreadsheet could
# take for a value as ="TEXT", one that starts like a formula after an
# apostrophe, others as they are.
LONG = "11" + "\uff11" * 85  # 257 bytes: a piece of 255 would end inside a character
FORMS = [
    ("06E8", '="06E8"'), ("0591", '="0591"'), ("4.10", '="4.10"'), ("1/2", '="1/2"'), ("12:30", '="12:30"'),
    ("(5)", '="(5)"'), ("50%", '="50%"'), ("1,000", '="1,000"'), (" 5", '=" 5"'), ("1月2日", '="1月2日"'),
    ("\uff11\uff12", '="\uff11\uff12"'), ("\uff41\uff42", "\uff41\uff42"),
    # Words: three letters may be part of a value, four not, but for months and weekdays.
    ("Win32s", '="Win32s"'), ("Abc 5", '="Abc 5"'), ("Abcd 5", "Abcd 5"), ("May 5", '="May 5"'),
    ("March 5", '="March 5"'), ("Sept 5", '="Sept 5"'), ("Monday 5", '="Monday 5"'), ("Mondays 5", "Mondays 5"),
    ("Pentium III 450/500", "Pentium III 450/500"), ("Windows95[chicago]", "Windows95[chicago]"),
    # Without a digit: the truth values and error values only.
    ("TRUE", '="TRUE"'), ("false", '="false"'), (" TRUE ", '=" TRUE "'), ("TRUEST", "TRUEST"), ("#N/A", '="#N/A"'),
    ("N/A", "N/A"), ("GenuineIntel", "GenuineIntel"), ("   ", "   "),
    # The formula guard comes first, for every character it covers.
    ("=1+2", "'=1+2"), ("+5", "'+5"), ("-5", "'-5"), ("@x", "'@x"), ("\t5", "'\t5"),
    ("----- VORNAK Harlix -----", "'----- VORNAK Harlix -----"), ('="0591"', '\'="0591"'),
    # Quotes doubled inside the formula; a line break leaves the text as it is.
    ('"5"', '="""5"""'), ('a"1', '="a""1"'), ("12\n34", "12\n34"), ("4.10\r", "4.10\r"),
    # Pieces of at most 255 bytes, cut before a character; the whole formula at most 8,192.
    ("1" * 255, '="' + "1" * 255 + '"'), ("1" * 256, '="' + "1" * 255 + '"&"1"'),
    (LONG, '="' + LONG[:86] + '"&"' + LONG[86:] + '"'),
    ("1" * 8096, "=" + "&".join('"' + "1" * n + '"' for n in [255] * 31 + [191])), ("1" * 8097, "'" + "1" * 8097),
]


# File names: the same rules (UTF-8, so no-break spaces too, which Calc trims).
NAME_FORMS = [("0591", '="0591"'), ("4.10", '="4.10"'), ("TRUE", '="TRUE"'), ("-5", "'-5"), ("A.LOG", "A.LOG"),
              ("2001-03-04.LOG", '="2001-03-04.LOG"'), ("\u00a0TRUE", '="\u00a0TRUE"'), ("5\u00a0", '="5\u00a0"'),
              ("\u00a0", "\u00a0"), ("\u00a0 TRUE\u00a0", '="\u00a0 TRUE\u00a0"')]


def csv_forms(tmp):
    """Each text of FORMS as the vendor and the last line (kept as they are) of a cut run; NAME_FORMS as files' names."""
    logs = os.path.join(tmp, "forms.LOG")
    with open(logs, "wb") as f:
        f.write(csv_cases.runs([text for text, _ in FORMS]))
    names = os.path.join(tmp, "forms")
    os.mkdir(names)
    for name, _ in NAME_FORMS:
        with open(os.path.join(names, name), "wb") as f:
            f.write(csv_cases.run("x"))
    raw = run("--csv", "-", "--", logs, *[name for name, _ in NAME_FORMS], cwd=names).stdout
    header, *rows = csv.reader(io.StringIO(raw.decode("utf-8-sig", errors="replace"), newline=""))
    rows = [dict(zip(header, r)) for r in rows]
    check("csv forms: a row for each", len(rows) == len(FORMS) + len(NAME_FORMS))
    for (text, field), row in zip(FORMS, rows):
        check(f"csv form of {text[:30]!r}", row["vendor"] == row["last_line"] == field, f"{row['vendor'][:80]!r}")
    for (name, field), row in zip(NAME_FORMS, rows[len(FORMS):]):
        check(f"csv form of the file name {name!r}", row["file"] == field, f"{row['file']!r}")


def bad_input(tmp):
    good = f"{PROFILES}/html/p3-500-win98.profile"
    for name, data, message in [("not a log", b"Hello\r\n", ": not a VORNAK95 log or profile"),
                                ("NUL in a log line", b"VORNAK for Windows95 [x]\r\nOS\0\r\n", ":2: a NUL byte"),
                                ("bad profile", b"VORNAK95-PROFILE 1\nversion = 12xz\n", ":2: ")]:
        folder = os.path.join(tmp, name.replace(" ", "-"))
        os.mkdir(folder)
        bad, target = os.path.join(folder, "bad"), os.path.join(folder, "out")
        open(bad, "wb").write(data)
        for option in ("--json", "--csv", "--html"):
            open(target, "w").write("old")
            r = run(good, bad, good, option, target, status=2)
            check(f"{name}, {option}: the message, nothing written", f"vornak-report: {bad}{message}".encode() in r.stderr
                  and open(target).read() == "old" and sorted(os.listdir(folder)) == ["bad", "out"], r.stderr)
            check(f"{name}, {option} -: nothing on standard output", run(good, bad, option, "-", status=2).stdout == b"")


def schema_can_fail():
    doc = document(f"{PROFILES}/html/p3-500-win98.profile")
    for name, spoil in (("a member missing", lambda m: m["summary"].pop("vendor")),
                        ("a section misspelt", lambda m: m["summary"]["benchmark"].update(section="timestamp")),
                        ("a count as text", lambda m: m["summary"].update(l2_kb="512"))):
        spoilt = json.loads(json.dumps(doc))
        spoil(spoilt["machines"][0])
        check(f"the schema refuses {name}", not VALIDATOR.is_valid(spoilt))


with tempfile.TemporaryDirectory() as tmp:
    round_trip(tmp)
    runs_file = several_runs(tmp)
    page_of_logs(tmp)
    csv_back(tmp, runs_file)
    csv_forms(tmp)
    bad_input(tmp)
    schema_can_fail()
if failures:
    sys.exit(f"{len(failures)} failed")
print("vornak-report outputs: ok")
