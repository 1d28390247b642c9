#include "composer/EditScript.h"

namespace orvel {

// Added to the control's helpers (`orvel`) once per document: the document as a compact tree for
// the splice that writes the page back, the tree as loaded (taken when the control marks the page
// unedited), and the list commands.
const QString kTreeHelpers = QStringLiteral(R"JS(
if (window.orvel && !window.orvel.tree) (function (o) {
  const DETAILS = '__orvel_details__';
  const skip = n => n.nodeType === 1 && n.id === DETAILS && n.localName === 'style';
  const within = n => (n.localName === 'template' && n.content ? n.content : n);
  // Each element's place in document order when the page was marked unedited, the place of the
  // element after it among its siblings, and for each other node the place of the element it
  // followed; the nodes changed since. An element neither changed nor holding a change is written
  // as [0, place, 1], and a run of such siblings with the unchanged nodes between them, as they
  // stood, as [0, first place, elements].
  let places = new WeakMap(), nextOf = [], after = new WeakMap(), indexOf = [];
  let counts = new WeakMap(), changed = new Set(), touched = null, moved = null, below = null;
  let clean = false;
  const watch = new MutationObserver(records => note(records));
  function note(records) {
    for (const r of records) changed.add(r.target);
    if (records.length) clean = false;
  }
  // Also each element's index among its sibling elements, and their number.
  function count(n, next) {
    let prev = -1, i = 0;
    for (let c = within(n).firstChild; c; c = c.nextSibling) {
      if (c.nodeType !== 1) {
        after.set(c, prev);
        continue;
      }
      if (skip(c)) continue;
      places.set(c, next);
      indexOf[next] = i++;
      if (prev >= 0) nextOf[prev] = next;
      prev = next;
      next = count(c, next + 1);
    }
    counts.set(n, i);
    return next;
  }
  // The changed nodes' elements and their ancestors; the parents whose own children changed (a
  // child added, removed or moved, a text of theirs changed); the touched children by parent.
  function taint() {
    note(watch.takeRecords());
    const t = new Set();
    moved = new Set();
    below = new Map();
    for (let n of changed) {
      if (n.nodeType !== 1) {
        n = n.parentNode;
        moved.add(n);
      }
      for (; n && !t.has(n); n = n.parentNode) {
        t.add(n);
        const p = n.parentNode;
        if (p) below.has(p) ? below.get(p).push(n) : below.set(p, [n]);
      }
    }
    for (const n of changed) if (n.nodeType === 1) moved.add(n);
    return t;
  }
  // The children of an element whose own children did not change: the touched ones in full, the
  // runs of others between them as their places, the nodes beside the touched ones as they are.
  function quick(p) {
    const out = [], at = (below.get(p) || []).slice();
    if (at.some(t => !places.has(t))) return null;
    at.sort((a, b) => places.get(a) - places.get(b));
    const add = n => { const k = node(n); if (k !== undefined) out.push(k); };
    const plain = c => c && (c.nodeType !== 1 || skip(c));
    let c = within(p).firstChild;
    for (; plain(c); c = c.nextSibling) add(c);
    for (const t of at) {
      if (c !== t) {
        out.push([0, places.get(c), indexOf[places.get(t)] - indexOf[places.get(c)]]);
        const before = [];
        for (let b = t.previousSibling; plain(b); b = b.previousSibling) before.unshift(b);
        before.forEach(add);
      }
      add(t);
      for (c = t.nextSibling; plain(c); c = c.nextSibling) add(c);
    }
    if (c) {
      out.push([0, places.get(c), counts.get(p) - indexOf[places.get(c)]]);
      const tail = [];
      for (let b = within(p).lastChild; plain(b); b = b.previousSibling) tail.unshift(b);
      tail.forEach(add);
    }
    return out;
  }
  // (The walk over a long list of children touches each node as little as it can: the places
  // alone tell an unchanged element, and the control's own style has none.)
  function kids(p) {
    if (touched && p !== document && !moved.has(p) && counts.has(p)) {
      const q = quick(p);
      if (q) return q;
    }
    const out = [];
    let run = null, lastAt = -1, between = [], held = true;
    const add = n => { const k = node(n); if (k !== undefined) out.push(k); };
    const close = () => {
      if (run) out.push(run);
      for (const k of between) add(k);
      run = null;
      between = [];
    };
    for (let c = within(p).firstChild; c; c = c.nextSibling) {
      const at = touched ? places.get(c) : undefined;
      if (at !== undefined && !touched.has(c)) {
        if (run && held && nextOf[lastAt] === at) {
          ++run[2];
          between = [];
        } else {
          close();
          run = [0, at, 1];
        }
        lastAt = at;
        held = true;
      } else if (run && c.nodeType !== 1) {
        between.push(c);
        held = held && after.get(c) === lastAt && !changed.has(c);
      } else {
        close();
        add(c);
      }
    }
    close();
    return out;
  }
  // [tag, [name, value, ...], [children]], a text as its string, [8, comment], [10, doctype].
  function node(n) {
    switch (n.nodeType) {
    case 1: {
      if (skip(n)) return undefined;
      const attrs = [];
      for (const a of n.attributes) attrs.push(a.name, a.value);
      return [n.localName, attrs, kids(n)];
    }
    case 3: case 4: return n.data;
    case 8: return [8, n.data];
    case 10: return [10, n.name, n.publicId, n.systemId];
    }
    return undefined;
  }
  // The whole tree, or (`whole` false) the tree with its unchanged elements as their places.
  o.tree = (whole) => {
    touched = whole ? null : taint();
    clean = true;
    try {
      return JSON.stringify(kids(document));
    } finally {
      touched = null;
    }
  };
  // After a load the whole tree is kept as the browser read the page ("read"). After a save
  // (`keep` false) the control keeps the tree it saved, if the document has not changed since it
  // was taken ("saved"). If it has, the text saved lacks the later change: the page counts as
  // edited, and the whole tree is kept for what the next tree refers to ("changed").
  const mark = o.mark;
  o.mark = (keep) => {
    note(watch.takeRecords());
    const saved = keep === false && clean, stale = keep === false && !clean;
    mark();
    if (stale) o.initial = '';
    watch.disconnect();
    places = new WeakMap();
    nextOf = [];
    after = new WeakMap();
    indexOf = [];
    counts = new WeakMap();
    changed = new Set();
    count(document, 0);
    watch.observe(document, {subtree: true, childList: true, attributes: true, characterData: true});
    o.loadedTree = saved ? undefined : o.tree(true);
    return saved ? 'saved' : stale ? 'changed' : 'read';
  };
  // The engine puts a list made in a paragraph inside it (<p><ul>), which no page can hold (the
  // next load would move it anyway): the list goes after the paragraph's part before it, and the
  // part after it follows as a paragraph of its own; a paragraph left empty goes.
  function unnest(list) {
    const p = list.parentNode, s = getSelection();
    const at = s.rangeCount ? [s.anchorNode, s.anchorOffset, s.focusNode, s.focusOffset] : null;
    const rest = p.cloneNode(false);
    rest.removeAttribute('id');
    while (list.nextSibling) rest.appendChild(list.nextSibling);
    p.after(list);
    list.after(rest);
    // A line break that ended the part before the list, or began the part after it, breaks
    // nothing now.
    if (p.lastChild && p.lastChild.nodeName === 'BR') p.lastChild.remove();
    if (rest.firstChild && rest.firstChild.nodeName === 'BR') rest.firstChild.remove();
    const empty = e => !e.textContent.trim() && !e.querySelector('img,input,table,iframe,object');
    if (empty(rest)) rest.remove();
    if (empty(p)) p.remove();
    if (at) s.setBaseAndExtent(at[0], at[1], at[2], at[3]);
  }
  o.list = (name) => {
    const done = o.exec(name);
    for (const list of Array.from(document.querySelectorAll('p > ul, p > ol'))) unnest(list);
    return done;
  };
})(window.orvel);
)JS");

} // namespace orvel
