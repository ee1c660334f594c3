"""Texts that a spreadsheet may take for something else, put into logs.

A short run carries one text in every text column of the CSV: the vendor
line (kept as it is), the signature, the Windows version, the platform and
the processor's name (trimmed), and the last line of a run cut short. Used by
outputs_test.py (the form each text gets) and csv_calc_test.py (what Calc
shows of it).
"""


def run(text):
    """A run cut short (no drive list) with `text` in every text column; Shift-JIS, CR LF."""
    lines = ["VORNAK for Windows95 [Windows 95/98/98SE [chicago]  mode]", "OS Version:4.10", "Windows", "System",
             "Systen Info", f"Version : {text}", f"Platform : {text}", "CPU TYPE : Intel Pentium or Pentium Pro",
             text, f"CPU ID Num : {text}", "CPU ID Max Value : 0003", text, "----- VORNAK Harlix -----",
             "Initial File", "WIN.INI", text]
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def runs(texts):
    """One file of a run per text: machine i holds texts[i]."""
    return b"".join(run(t) for t in texts)


# Each kind of text a spreadsheet reads as a value, and texts around them.
CASES = [
    # Signatures in hexadecimal, an exponent to a spreadsheet or not.
    "06E8", "06e8", "0591", "0673", "0480", "906ea", "a10f11", "1E3", "1e-3", "1.5E+3", "1D2",
    # Windows versions and other decimals; leading zeros; very long digit strings.
    "4.10", "4.00", "4.0", "3.95", "6.01", "0.0", "1.", ".5", "007", "00", "123456789012345678",
    "12345678901234567890123", "1" * 300, "0." + "0" * 1100 + "1", "9" * 9000, "1" + "\uff11\uff12\uff13" * 100,
    # Dates and times, with English month names and in Japanese.
    "1/2", "12-3", "2023-01-02", "1.2.3", "May 5", "Jan 2", "5 Jan 2023", "January 2, 2023", "Mar-5",
    "Sept 5", "Monday, May 5", "12:30", "1:1", "12 AM", "10:00:00.5", "2023-01-02T10:00", "1月2日",
    "2023年1月2日", "平成10年",
    # Percentages, currencies, fractions, signs and brackets, thousands.
    "50%", "$5", "￥500", "1 1/2", "(5)", "(1,000)", "5-", "5+", "1,000", "1,000,000", "1,5", "1.000",
    # Truth values and error values.
    "TRUE", "false", " FALSE", "TRUE ", "#N/A", "#DIV/0!", "#VALUE!",
    # Blanks around, full-width digits, an apostrophe of the text's own.
    " 5", "5 ", "  4.10  ", "   ", "１２３", "１/２", "'0591", "'abc", "''x",
    # Texts starting like formulas: they keep their guard.
    "=1+2", "+5", "-5", "-", "@SUM(A1)", "----- VORNAK Harlix -----", "\t5", '="0591"',
    # Quotes, commas, control characters, line breaks inside a line.
    '"5"', 'a "quote", 5', "1\x012", "\x1b[2J 5", "12\n34", "4.10\n", "12\r34",
    # Texts no spreadsheet reads as a value, left as they are.
    "GenuineIntel", "AuthenticAMD", "Pentium III (Katmai/Tarnner) 450/500/550MHz", "Windows95[chicago]",
    "Windows NT", "Win32s", "DX4(100･75MHz)", "i80486 [Intel AMD Cyrix&IBM(CPUID Mode)]", "Free Bytes : 1 GB",
    "Monday 5th", "NaN", "Inf", "0x06E8",
]

# File names of a log (UTF-8 on the native build): texts that cannot come from
# a Shift-JIS log, and the cases that can be a file's name.
FILE_NAMES = [
    "0591", "06E8", "4.10", "1E3", "TRUE", " 5", "5 ", "(5)", "50%", "12:30", "$5", "€5", "1,000", "May 5",
    "\u00a05", "5\u00a0", "\u00a0TRUE", "\u00a0 TRUE\u00a0", "-5", "=1+2", "@x", "'0591", "a\nb 5", "5\r", "VORNAK95.LOG",
    "2023-01-02.LOG",
]
