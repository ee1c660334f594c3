"""What the browser tests ask of every page beyond its own behaviour: axe-core
finds nothing, the Nu HTML Checker finds no error, and a screen reader can
reach each chart's name and the figures it draws. The checkers are the
versions tests/vornak-report/package.json pins (tools/bootstrap installs
them); nothing is read from outside the repository.
"""
import os
import re
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, 'node_modules/axe-core/axe.min.js')
VNU = os.path.join(HERE, 'node_modules/vnu-jar/build/dist/vnu.jar')


def missing_checkers():
    """What is not installed, as problems (a test without its checker must
    fail, not pass unchecked)."""
    return ['%s is missing: run tools/bootstrap' % os.path.relpath(p, HERE) for p in (AXE, VNU)
            if not os.path.isfile(p)]


def open_every_fold(d):
    """Folded groups hide their charts from axe and from the reader alike."""
    d.execute_script("document.querySelectorAll('details').forEach(function (e) { e.open = true; });")


def axe_violations(d):
    """Every violation of the rules axe runs by default on the page loaded
    now, one line per node: "rule (impact): node: help". axe comes in
    through the driver, which the page's Content-Security-Policy does not
    govern; the policy stays as written."""
    with open(AXE, encoding='utf-8') as f:
        d.execute_script(f.read())
    d.set_script_timeout(120)
    found = d.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "axe.run(document).then(function (r) {"
        "  done(r.violations.map(function (v) {"
        "    return [v.id, v.impact, v.help, v.nodes.map(function (n) { return n.target.join(' '); })]; }));"
        "}, function (e) { done('axe failed: ' + e); });")
    if isinstance(found, str):
        return [found]
    # A rule a page breaks in a place written often (every line of an
    # outline) is named once, with its count and its first nodes.
    return ['%s (%s): %s; %d nodes: %s' % (rule, impact, help_, len(nodes), ', '.join(nodes[:3]))
            for rule, impact, help_, nodes in found]


def vnu_errors(paths):
    """The Nu HTML Checker's errors in the HTML files and SVG images, one
    line each (its warnings and infos are not errors: it names the index's
    script as blocked by the policy, not knowing hashes)."""
    r = subprocess.run(['java', '-jar', VNU, '--errors-only', '--also-check-svg', '--format', 'gnu'] + list(paths),
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    lines = [l for l in r.stdout.splitlines() if l.strip()]
    if r.returncode and not lines:
        lines = ['vnu exit %d' % r.returncode]
    return lines


# Per chart on the page: its accessible name, the texts of its marks'
# <title>s and of the figures drawn at its bars' ends, and the DOM nodes of
# everything under it, so that the accessibility tree can be read per chart.
CHARTS = """
return Array.prototype.filter.call(document.querySelectorAll('svg'), function (s) {
  return !s.closest('[aria-hidden="true"]');
}).map(function (s, i) {
  s.setAttribute('data-chart', i);
  var hidden = function (e) { return e.closest('[aria-hidden="true"]') !== null; };
  var text = function (list) {
    return Array.prototype.filter.call(s.querySelectorAll(list), function (e) { return !hidden(e); })
      .map(function (e) { return e.textContent.trim(); });
  };
  var caption = s.closest('figure') && s.closest('figure').querySelector('figcaption a');
  var image = s.querySelector('image');
  return {index: i, label: s.getAttribute('aria-label') || '', titles: text('title'), figures: text('text.val'),
          image: image ? new URL(image.getAttribute('href'), location.href).href : null,
          link: caption ? caption.href : null};
});
"""


# Roles whose children a screen reader never reaches: it reads the node's
# name alone (Chromium's tree keeps the children; the platform's does not).
LEAVES = {'image', 'img', 'button', 'checkbox', 'radio', 'switch', 'tab', 'slider', 'meter', 'progressbar',
          'separator', 'math', 'menuitemcheckbox', 'menuitemradio', 'option', 'scrollbar'}


def reachable_names(d):
    """The texts a screen reader can reach under each chart: the names of
    the nodes of Chromium's accessibility tree that are not ignored, inside
    no leaf (a chart read as one picture is its name alone), by the chart's data-chart number, blanks
    collapsed as a name's are."""
    tree = d.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
    doc = d.execute_cdp_cmd('DOM.getDocument', {'depth': 0})['root']['nodeId']
    by_chart = {}
    for node_id in d.execute_cdp_cmd('DOM.querySelectorAll', {'nodeId': doc, 'selector': 'svg[data-chart]'})['nodeIds']:
        n = d.execute_cdp_cmd('DOM.describeNode', {'nodeId': node_id})['node']
        attrs = n.get('attributes', [])
        by_chart[n['backendNodeId']] = attrs[attrs.index('data-chart') + 1]
    nodes = {n['nodeId']: n for n in tree}
    names = {}
    for n in tree:
        chart = by_chart.get(n.get('backendDOMNodeId'))
        if chart is None:
            continue
        names[chart] = []
        todo = [n['nodeId']]
        while todo:
            m = nodes.get(todo.pop())
            if m is None:
                continue
            if not m.get('ignored'):
                names[chart].append(' '.join(m.get('name', {}).get('value', '').split()))
                if m.get('role', {}).get('value') in LEAVES:
                    continue
            todo.extend(m.get('childIds', []))
    return names


def chart_text_problems(d, page):
    """What a screen reader misses of the charts on the page loaded now:
    a chart without a name, a mark's title or a bar's figure it cannot
    reach. A chart drawn over a shared image must link the image, whose
    own bars are read there (check_linked)."""
    open_every_fold(d)
    charts = d.execute_script(CHARTS)
    names = reachable_names(d)
    problems, linked = [], set()
    kinds = {}  # what is wrong → the charts it is wrong with, each with an example

    def wrong(what, chart, example=''):
        kinds.setdefault(what, []).append('%r%s' % (chart['label'] or 'chart %d' % chart['index'],
                                                    ': ' + repr(example) if example else ''))

    for c in charts:
        reached = names.get(str(c['index']))
        if reached is None:
            wrong('not in the accessibility tree', c)
            continue
        if not c['label'] or c['label'] not in reached:
            wrong('no accessible name', c)
        text = '\n'.join(reached)
        # A figure drawn as "12,345 \u2192" (past the axis' end) is read as its number.
        lost = [t for t in c['titles'] if ' '.join(t.split()) not in reached] + \
               [v for v in c['figures'] if any(n not in text for n in re.findall(r'\d[\d,]*', v))]
        if lost:
            wrong('texts out of a reader\'s reach', c, lost[0])
        if c['image']:
            if not c['link']:
                wrong('shared bars linked from nowhere', c)
            elif c['link'] != c['image']:
                wrong('caption links other bars than it draws', c, os.path.basename(c['link']))
            else:
                linked.add(c['link'])
    for what, charts_ in kinds.items():
        problems.append('%s: %d of %d charts: %s, first %s' % (page, len(charts_), len(charts), what, charts_[0]))
    for alt, link in d.execute_script(
            "return Array.prototype.map.call(document.querySelectorAll('figure img'), function (i) {"
            " var a = i.closest('figure').querySelector('figcaption a');"
            " return [i.alt, a && a.href === i.src ? a.href : null]; });"):
        if not alt or not link:
            problems.append('%s: image %r: %s' % (page, alt, 'no text alternative' if not alt else
                                                   'its bars linked from nowhere'))
        else:
            linked.add(link)
    return problems, sorted(linked)
