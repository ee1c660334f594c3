#!/usr/bin/python3
"""The site of vornak-report --site in a real browser (Chromium through
chromium-driver): the index's table sorted by clicks and filtered by typing,
its order and the rows shown checked against the table as written; a
machine's page with its shared images; no console error and no network
request (every request a file inside the site). Then, in each language,
the pages for every reader: axe-core and the Nu HTML Checker on a
one-machine page, an eight-machine page, the index and every machine page
(page_checks.py), each chart's name and figures within a screen reader's
reach, and the index worked by keyboard alone: Tab to a sort button, Enter
and Space sort, aria-sort follows, no Tab stop in the charts, the filter's
count in a live region.

site_browser_test.py TOOL          the test
site_browser_test.py TOOL --canary the same checks on broken sites and pages
                                   (the script's hash wrong; a load from
                                   outside the site; an image without alt;
                                   no main landmark; a chart read as one
                                   picture; a misnested element; the
                                   scatter's dots as Tab stops): passes only
                                   if every one fails
site_browser_test.py TOOL --lang ja the test in one language only
"""
import contextlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import page_checks

SRC = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# The languages of the pages: a name, and the tool's options that choose it.
LANGUAGES = (
    ('en', ('--lang', 'en')),
    ('ja', ('--lang', 'ja')),
)
NUMERIC = ('Clock (MHz)', 'Memory (KB)', 'Integer points', 'Float points', 'Memory 16 KB', 'Memory 512 KB',
           'Memory 4 MB')
# The Japanese index's column heads, by their English names.
HEADS_JA = {'プロセッサ': 'Processor', 'ベンダー': 'Vendor', 'シグネチャ': 'Signature', 'クロック (MHz)': 'Clock (MHz)',
            'メモリ (KB)': 'Memory (KB)', 'ベンチマーク': 'Benchmark', '整数演算': 'Integer points',
            '浮動小数点演算': 'Float points', 'メモリ 16 KB': 'Memory 16 KB', 'メモリ 512 KB': 'Memory 512 KB',
            'メモリ 4 MB': 'Memory 4 MB', 'ファイル': 'File', '途中終了': 'Truncated'}
# What the filter says, by language.
SHOWN = {'en': lambda shown, rows: '%d of %d machines shown' % (shown, rows),
         'ja': lambda shown, rows: '%d台中%d台を表示' % (rows, shown)}


def build(tool, work, options=()):
    """The site of the recorded machines (both benchmark kinds, duplicates,
    blanks in columns) and a copy under a hostile name; a page of one
    machine and one of eight. Their paths by name: site, index, one, eight."""
    inp = os.path.join(work, 'in')
    if not os.path.isdir(inp):
        shutil.copytree(os.path.join(SRC, 'tests/profiles'), inp)
        shutil.copy(os.path.join(SRC, 'tests/profiles/html/k6-233-win95.profile'),
                    os.path.join(inp.encode(), b'-"<x> \xff.profile'))
    out = os.path.join(work, 'site')
    subprocess.run([tool, *options, '--site', out, inp], check=True, stderr=subprocess.DEVNULL)
    p = lambda *names: [os.path.join(SRC, 'tests/profiles', n) for n in names]
    pages = {'site': out, 'index': os.path.join(out, 'index.html'), 'one': os.path.join(work, 'one.html'),
             'eight': os.path.join(work, 'eight.html')}
    subprocess.run([tool, *options, *p('html/p3-500-win98.profile'), '--html', pages['one']], check=True)
    eight = p('html/486dx4-win95.profile', 'html/k6-233-win95.profile', 'html/p3-500-win98.profile', 'cpu/amd-k6.profile',
              'cpu/core-i7.profile', 'cpu/cyrix-pc98.profile', 'cpu/pentium3.profile', 'bench/speed-486dx4.profile')
    subprocess.run([tool, *options, *eight, '--html', pages['eight']], check=True)
    return pages


def browser(script=True):
    o = webdriver.ChromeOptions()
    if not script:
        o.add_experimental_option('prefs', {'profile.managed_default_content_settings.javascript': 2})
    for a in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run',
              '--disable-background-networking', '--window-size=1300,900'):
        o.add_argument(a)
    o.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=o)


@contextlib.contextmanager
def browsing(problems, script=True):
    """A browser for the block: closed however the block ends, and a failure
    of its own one more item of `problems`."""
    d = browser(script)
    try:
        yield d
    except WebDriverException as e:
        problems.append('the browser: ' + e.msg)
    finally:
        d.quit()


def expected_order(rows, col, numeric, descending):
    """The order the table should take: blanks last, ties in the order written."""
    key = lambda v: None if v == '' else float(v.replace(',', '')) if numeric else v.lower()
    keyed = [(key(r[col]), i) for i, r in enumerate(rows)]
    filled = sorted((k for k in keyed if k[0] is not None), key=lambda k: k[0], reverse=descending)
    # sorted() with reverse keeps ties in order, as the script does.
    return [i for _, i in filled] + [i for k, i in keyed if k is None]


def table_as_written(d):
    """The index's column heads, its rows' cells and their links."""
    return d.execute_script(
        "var t = document.getElementById('machines'), text = function (c) { return c.textContent.trim(); };"
        "var rows = Array.prototype.slice.call(t.tBodies[0].rows);"
        "return [Array.prototype.map.call(t.tHead.rows[0].cells, text),"
        " rows.map(function (r) { return Array.prototype.map.call(r.cells, text); }),"
        " rows.map(function (r) { return r.querySelector('a').getAttribute('href'); })];")


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
        heads, rows, links = table_as_written(d)
        if lang == 'ja':
            heads = [HEADS_JA.get(h, h) for h in heads]
        if not written or shown_rows(d, links) != list(range(written)):
            problems.append('without script: not every row shown')
        if d.find_element(By.ID, 'filter').is_displayed():
            problems.append('without script: a filter box')
        problems += problems_of_logs(d, root)
    finally:
        d.quit()
    with browsing(problems) as d:
        d.get('file://' + index)
        if shown_rows(d, links) != list(range(len(rows))):
            problems.append('not every row shown at first, in order')
        # Each column ascending, then descending; the columns with blanks,
        # ties and thousands separators are among them.
        buttons = d.find_elements(By.CSS_SELECTOR, '#machines thead th button')
        if len(buttons) != len(heads):
            problems.append('%d sort buttons for %d columns' % (len(buttons), len(heads)))
        for name in ('Integer points', 'Processor', 'Memory 4 MB', 'File', 'Clock (MHz)') if buttons else ():
            col = heads.index(name)
            for descending in (False, True):
                buttons[col].click()
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
    return problems


# The element focused now: its tag, its id, whether it is inside a chart,
# the column of the sort button it is, whether it shows an outline.
FOCUSED = """
var e = document.activeElement, th = e.closest('th');
var style = getComputedStyle(e);
return {tag: e.tagName, id: e.id, inChart: e.closest('svg') !== null,
        column: th && e.tagName === 'BUTTON' ? Array.prototype.indexOf.call(th.parentNode.cells, th) : -1,
        outline: style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0};
"""
ARIA_SORT = ("return Array.prototype.map.call(document.querySelectorAll('#machines thead th'),"
             " function (h) { return h.getAttribute('aria-sort'); });")


def keyboard(site):
    """The index by keyboard alone, as its user gets it: real key events,
    never a click. What is wrong, as a list."""
    index = os.path.join(os.path.realpath(site), 'index.html')
    problems = []
    with browsing(problems) as d:
        d.get('file://' + index)
        heads, rows, links = table_as_written(d)
        # The integer points (numeric, with blanks) and the benchmark's kind
        # (text) before it, by place: their names are the language's.
        target = 7
        stops = []
        for _ in range(len(heads) + 3):
            ActionChains(d).send_keys(Keys.TAB).perform()
            stops.append(d.execute_script(FOCUSED))
            if stops[-1]['column'] == target:
                break
        if stops[0]['id'] != 'filter':
            problems.append('the first Tab stop is a %s, not the filter box' % stops[0]['tag'])
        if any(s['inChart'] for s in stops):
            problems.append('%d Tab stops in the charts' % sum(s['inChart'] for s in stops))
        if stops[-1]['column'] != target:
            return problems + ['%d Tabs never reached the sort button of column %d' % (len(stops), target)]
        if not stops[-1]['outline']:
            problems.append('the focused sort button shows no outline')
        sorts = d.execute_script(ARIA_SORT)
        if any(sorts):
            problems.append('aria-sort before any sort: %s' % sorts)
        for key, name, descending in ((Keys.ENTER, 'Enter', False), (Keys.SPACE, 'Space', True)):
            ActionChains(d).send_keys(key).perform()
            want = expected_order(rows, target, True, descending)
            if shown_rows(d, links) != want:
                problems.append('%s on the sort button: rows not in order' % name)
            wanted_sort = [None] * len(heads)
            wanted_sort[target] = 'descending' if descending else 'ascending'
            if d.execute_script(ARIA_SORT) != wanted_sort:
                problems.append('%s: aria-sort %s' % (name, d.execute_script(ARIA_SORT)))
            if d.execute_script(FOCUSED)['column'] != target:
                problems.append('%s: the focus left the sort button' % name)
        # Back to the column before: the sort and its aria-sort move there.
        ActionChains(d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).send_keys(Keys.ENTER).perform()
        if shown_rows(d, links) != expected_order(rows, target - 1, False, False):
            problems.append('Shift+Tab, Enter: rows not sorted by the column before')
        if d.execute_script(ARIA_SORT).count(None) != len(heads) - 1 or \
                d.execute_script(ARIA_SORT)[target - 1] != 'ascending':
            problems.append('Shift+Tab, Enter: aria-sort %s' % d.execute_script(ARIA_SORT))
        # The filter: its label, and the count of rows shown in a live region.
        d.get('file://' + index)
        box = d.find_element(By.ID, 'filter')
        if not box.accessible_name.strip():
            problems.append('the filter box has no label')
        live = d.execute_script(
            "var l = document.getElementById('shown').closest('[aria-live], [role=status], [role=log]');"
            "return l ? l.getAttribute('aria-live') || l.getAttribute('role') : null;")
        if live in (None, 'off'):
            problems.append('the count of rows shown is in no live region')
        before = d.find_element(By.ID, 'shown').text
        ActionChains(d).send_keys(Keys.TAB).send_keys('amd').perform()
        count = len(shown_rows(d, links))
        after = d.find_element(By.ID, 'shown').text
        figures = re.findall(r'[0-9]+', after)
        if after == before or str(count) not in figures or str(len(rows)) not in figures:
            problems.append('typing "amd": %d rows shown, the live region says %r' % (count, after))
        problems += problems_of_logs(d, os.path.realpath(site))
    return problems


def targets(pages):
    """The pages every reader must be able to use, by name."""
    m = os.path.join(pages['site'], 'm')
    return [('one', pages['one']), ('eight', pages['eight']), ('index', pages['index'])] + \
           [('m/' + n, os.path.join(m, n)) for n in sorted(os.listdir(m), key=lambda n: int(n.split('.')[0]))]


def axe_problems(named):
    problems = []
    with browsing(problems) as d:
        for name, path in named:
            d.get('file://' + os.path.realpath(path))
            page_checks.open_every_fold(d)
            problems += ['%s: %s' % (name, v) for v in page_checks.axe_violations(d)]
            if name == 'index':
                # Sorted and filtered to nothing: the states the script makes.
                for b in d.find_elements(By.CSS_SELECTOR, '#machines thead th button')[:1]:
                    b.click()
                d.find_element(By.ID, 'filter').send_keys('no such machine')
                problems += ['index, sorted and filtered: %s' % v for v in page_checks.axe_violations(d)]
    return problems


def chart_problems(named):
    """Every chart's name and figures within a screen reader's reach; the
    shared images the site's pages link are read as documents of their own."""
    problems, linked = [], set()
    with browsing(problems) as d:
        for name, path in named:
            d.get('file://' + os.path.realpath(path))
            found, links = page_checks.chart_text_problems(d, name)
            problems += found
            linked.update(links)
        for url in sorted(linked):
            d.get(url)
            problems += page_checks.chart_text_problems(d, os.path.basename(url))[0]
    return problems


def vnu_problems(named):
    paths = [p for _, p in named]
    site = {os.path.dirname(os.path.dirname(p)) for p in paths if '/m/' in p}
    paths += [os.path.join(a, 'assets', n) for a in site for n in sorted(os.listdir(os.path.join(a, 'assets')))]
    return ['vnu: ' + e for e in page_checks.vnu_errors(paths)]


def accessibility(pages):
    missing = page_checks.missing_checkers()
    if missing:
        return missing
    named = targets(pages)
    return axe_problems(named) + chart_problems(named) + vnu_problems(named)


def canaries(pages):
    """Each check on a page broken the way it is there to see: passes only
    if every one of them finds its fault."""
    index, one = pages['index'], pages['one']
    with open(index, encoding='utf-8') as f:
        index_text = f.read()
    with open(one, encoding='utf-8') as f:
        one_text = f.read()
    hash_start = index_text[index_text.index("script-src 'sha256-") + 19]
    other = 'B' if hash_start == 'A' else 'A'
    cases = (
        # The script blocked: a console error, the table never sorts.
        ('wrong hash', index, index_text.replace("script-src 'sha256-" + hash_start, "script-src 'sha256-" + other, 1),
         lambda: check(pages['site'])),
        # No policy, and an image from beside the site.
        ('outside load', index, index_text.replace('http-equiv="Content-Security-Policy"', 'name="x"', 1)
                                          .replace('<h1>', '<img src="../in/x.png" alt=""><h1>', 1),
         lambda: check(pages['site'])),
        ('image without alt', one, one_text.replace('<h1>', '<img src="x.png"><h1>', 1),
         lambda: axe_problems([('one', one)])),
        ('no main landmark', one, one_text.replace('<main>', '<div>', 1).replace('</main>', '</div>', 1),
         lambda: axe_problems([('one', one)])),
        ('a chart read as one picture', one, one_text.replace('role="group"', 'role="img"'),
         lambda: chart_problems([('one', one)])),
        ('misnested', one, one_text.replace('</h1>', '</h2>', 1), lambda: vnu_problems([('one', one)])),
        ('dots as Tab stops', index, index_text.replace(' tabindex="-1"', ''), lambda: keyboard(pages['site'])),
    )
    failed = 0
    for name, path, text, run in cases:
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)
        problems = run() if text not in (index_text, one_text) else ['the page did not change']
        print('canary %s: %d problems found' % (name, len(problems)), *problems[:1])
        failed += bool(problems) and problems != ['the page did not change']
        with open(path, 'w', encoding='utf-8') as f:
            f.write(index_text if path == index else one_text)
    return 0 if failed == len(cases) else 1


def main():
    tool = os.path.realpath(sys.argv[1])
    canary = sys.argv[2:] == ['--canary']
    only = sys.argv[3] if sys.argv[2:3] == ['--lang'] else None
    work = tempfile.mkdtemp()
    try:
        if canary:
            return canaries(build(tool, work))
        problems = []
        for language, options in LANGUAGES:
            if only not in (None, language):
                continue
            pages = build(tool, os.path.join(work, language), options)
            found = check(pages['site'], language) + keyboard(pages['site']) + accessibility(pages)
            problems += ['%s: %s' % (language, p) for p in found]
        for p in problems:
            print('FAIL:', p)
        return 1 if problems else 0
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    sys.exit(main())
