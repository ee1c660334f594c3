#!/usr/bin/python3
"""The site of vornak-report --site in a real browser (Chromium through
chromium-driver): the index's table sorted by clicks and filtered by typing,
its order and the rows shown checked against the table as written; a
machine's page with its shared images; no console error and no network
request (every request a file inside the site).

site_browser_test.py TOOL          the test
site_browser_test.py TOOL --canary the same checks on two broken sites (the
                                   script's hash wrong; a load from outside
                                   the site): passes only if both fail
site_browser_test.py TOOL --lang ja the test on the site in Japanese: the
                                   script's count in Japanese, allowed by
                                   the hash of that script
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.by import By

SRC = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
NUMERIC = ('Clock (MHz)', 'Memory (KB)', 'Integer points', 'Float points', 'Memory 16 KB', 'Memory 512 KB',
           'Memory 4 MB')
# The Japanese index's column heads, by their English names.
HEADS_JA = {'プロセッサ': 'Processor', 'ベンダー': 'Vendor', 'シグネチャ': 'Signature', 'クロック (MHz)': 'Clock (MHz)',
            'メモリ (KB)': 'Memory (KB)', 'ベンチマーク': 'Benchmark', '整数演算ポイント': 'Integer points',
            '浮動小数点演算ポイント': 'Float points', 'メモリ 16 KB': 'Memory 16 KB', 'メモリ 512 KB': 'Memory 512 KB',
            'メモリ 4 MB': 'Memory 4 MB', 'ファイル': 'File', '途中終了': 'Truncated'}
# What the filter says, by language.
SHOWN = {'en': lambda shown, rows: '%d of %d machines shown' % (shown, rows),
         'ja': lambda shown, rows: '%d台中%d台を表示' % (rows, shown)}


def build(tool, work, lang='en'):
    """The site of the recorded machines (both benchmark kinds, duplicates,
    blanks in columns) and a copy under a hostile name."""
    inp = os.path.join(work, 'in')
    shutil.copytree(os.path.join(SRC, 'tests/profiles'), inp)
    shutil.copy(os.path.join(SRC, 'tests/profiles/html/k6-233-win95.profile'),
                os.path.join(inp.encode(), b'-"<x> \xff.profile'))
    out = os.path.join(work, 'site')
    subprocess.run([tool, '--site', out, inp, '--lang', lang], check=True, stderr=subprocess.DEVNULL)
    return out


def browser(script=True):
    o = webdriver.ChromeOptions()
    if not script:
        o.add_experimental_option('prefs', {'profile.managed_default_content_settings.javascript': 2})
    for a in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run',
              '--disable-background-networking', '--window-size=1300,900'):
        o.add_argument(a)
    o.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=o)


def expected_order(rows, col, numeric, descending):
    """The order the table should take: blanks last, ties in the order written."""
    key = lambda v: None if v == '' else float(v.replace(',', '')) if numeric else v.lower()
    keyed = [(key(r[col]), i) for i, r in enumerate(rows)]
    filled = sorted((k for k in keyed if k[0] is not None), key=lambda k: k[0], reverse=descending)
    # sorted() with reverse keeps ties in order, as the script does.
    return [i for _, i in filled] + [i for k, i in keyed if k is None]


def shown_rows(d, links):
    """The rows the browser shows, top to bottom, as indexes of the rows as
    written (told apart by their links)."""
    return [links.index(h) if h in links else h for h in d.execute_script(
        "return Array.prototype.filter.call(document.querySelectorAll('#machines tbody tr'),"
        " function (r) { return !r.hidden && r.offsetParent !== null; })"
        ".map(function (r) { return r.querySelector('a').getAttribute('href'); });")]


def problems_of_logs(d, root, requested=None):
    """Console errors and warnings, requests outside the site, failed loads;
    the URLs requested are added to `requested`."""
    found = []
    for e in d.get_log('browser'):
        if e['level'] in ('SEVERE', 'WARNING'):
            found.append('console: ' + e['message'])
    for e in d.get_log('performance'):
        m = json.loads(e['message'])['message']
        if m['method'] == 'Network.requestWillBeSent':
            url = m['params']['request']['url']
            if requested is not None:
                requested.add(url)
            if not url.startswith('file://' + root + '/'):
                found.append('request outside the site: ' + url)
        elif m['method'] == 'Network.loadingFailed':
            found.append('load failed: ' + str(m['params'].get('errorText')))
    return found


def check(site, lang='en'):
    """The list of what is wrong with the site in the browser."""
    root = os.path.realpath(site)
    index = os.path.join(root, 'index.html')
    written = open(index, encoding='utf-8').read().count('<tr><td>')
    problems = []
    # Without script: the table as written, whole, and no filter box
    # promising what cannot happen.
    d = browser(script=False)
    try:
        d.get('file://' + index)
        heads, rows, links = d.execute_script(
            "var t = document.getElementById('machines'), text = function (c) { return c.textContent.trim(); };"
            "var rows = Array.prototype.slice.call(t.tBodies[0].rows);"
            "return [Array.prototype.map.call(t.tHead.rows[0].cells, text),"
            " rows.map(function (r) { return Array.prototype.map.call(r.cells, text); }),"
            " rows.map(function (r) { return r.querySelector('a').getAttribute('href'); })];")
        if lang == 'ja':
            heads = [HEADS_JA.get(h, h) for h in heads]
        if not written or shown_rows(d, links) != list(range(written)):
            problems.append('without script: not every row shown')
        if d.find_element(By.ID, 'filter').is_displayed():
            problems.append('without script: a filter box')
        problems += problems_of_logs(d, root)
    finally:
        d.quit()
    d = browser()
    try:
        d.get('file://' + index)
        if shown_rows(d, links) != list(range(len(rows))):
            problems.append('not every row shown at first, in order')
        # Each column ascending, then descending; the columns with blanks,
        # ties and thousands separators are among them.
        for name in ('Integer points', 'Processor', 'Memory 4 MB', 'File', 'Clock (MHz)'):
            col = heads.index(name)
            for descending in (False, True):
                d.find_elements(By.CSS_SELECTOR, '#machines thead th')[col].click()
                want = expected_order(rows, col, name in NUMERIC, descending)
                got = shown_rows(d, links)
                if got != want:
                    problems.append('sorted by %s %s: %s, not %s' % (name, 'down' if descending else 'up', got, want))
        box = d.find_element(By.ID, 'filter')
        queries = ('amd', 'Windows95', 'GENUINEintel', 'no such machine', '')
        if not box.is_displayed():
            problems.append('no filter box: the script did not run')
            queries = ()
        for query in queries:
            box.clear()
            if query:
                box.send_keys(query)
            else:  # clear() sends no input event
                d.execute_script("var b = document.getElementById('filter'); b.value = '';"
                                 " b.dispatchEvent(new Event('input'));")
            wanted = {i for i, r in enumerate(rows)
                      if query.lower() in (r[0] + '\n' + r[1] + '\n' + r[4]).lower()}
            got = shown_rows(d, links)
            if set(got) != wanted:
                problems.append('filter %r shows %s, not %s' % (query, sorted(got), sorted(wanted)))
            text = d.find_element(By.ID, 'shown').text
            if text != SHOWN[lang](len(wanted), len(rows)):
                problems.append('filter %r says %r' % (query, text))
        problems += problems_of_logs(d, root)
        # A machine's page with its shared images, from the index's link.
        d.find_element(By.CSS_SELECTOR, '#machines tbody tr:not([hidden]) a').click()
        images = set(d.execute_script(
            "return Array.prototype.map.call(document.querySelectorAll('svg image, img'),"
            " function (e) { return new URL(e.getAttribute('href') || e.getAttribute('src'), location.href).href; });"))
        requested = set()
        problems += problems_of_logs(d, root, requested)
        if not images or not images <= requested:
            problems.append('machine page: %d shared images, %d of them loaded' % (len(images), len(images & requested)))
    except WebDriverException as e:
        problems.append('the browser: ' + e.msg)
    finally:
        d.quit()
    return problems


def main():
    tool = os.path.realpath(sys.argv[1])
    canary = sys.argv[2:] == ['--canary']
    lang = sys.argv[3] if sys.argv[2:3] == ['--lang'] else 'en'
    work = tempfile.mkdtemp()
    try:
        site = build(tool, work, lang)
        if not canary:
            problems = check(site, lang)
            for p in problems:
                print('FAIL:', p)
            return 1 if problems else 0
        index = os.path.join(site, 'index.html')
        page = open(index, encoding='utf-8').read()
        hash_start = page[page.index("script-src 'sha256-") + 19]
        other = 'B' if hash_start == 'A' else 'A'
        broken = {
            # The script blocked: a console error, the table never sorts.
            'wrong hash': page.replace("script-src 'sha256-" + hash_start, "script-src 'sha256-" + other, 1),
            # No policy, and an image from beside the site.
            'outside load': page.replace('http-equiv="Content-Security-Policy"', 'name="x"', 1)
                                .replace('<h1>', '<img src="../in/x.png" alt=""><h1>', 1),
        }
        failed = 0
        for name, text in broken.items():
            open(index, 'w', encoding='utf-8').write(text)
            problems = check(site)
            print('canary %s: %d problems found' % (name, len(problems)), *problems[:1])
            failed += bool(problems)
        return 0 if failed == len(broken) else 1
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main())
