#include "composer/EditScript.h"

namespace orvel {

// The table commands work on the cell holding the caret and on its row and table; a command with
// no cell at the caret returns false and changes nothing. The details outline is a style sheet
// adopted by the document, never a node of it, so it neither reaches a save nor the history.
//
// The page keeps an undo history of its own: the engine's history only knows the edits it made
// itself, so one undo after a table command or an inserted fragment took back the typing before
// it. A mutation observer records every change of the document; each edit (a run of typing, one
// command) is one step holding its changes in order with the selection before and after. Undo
// plays a step's changes backwards on the very nodes they removed or added, redo forwards. The
// engine's own undo and redo are turned into ours.
const QString kEditHelpers = QStringLiteral(R"JS(
if (!window.orvel) window.orvel = (function () {
  const VOID = /^(AREA|BR|COL|EMBED|HR|IMG|INPUT|WBR|SELECT|TEXTAREA|OBJECT|IFRAME)$/;
  const CSS = 'table,td,th{outline:1px dashed #7f7f7f;outline-offset:-1px}' +
              'p,div,form,fieldset,span,li{outline:1px dotted #b0b0b0}';
  const isCell = n => n && n.nodeType === 1 && (n.tagName === 'TD' || n.tagName === 'TH');
  function cellOf(n) { while (n && !isCell(n)) n = n.parentNode; return n; }
  function caretCell() {
    const s = getSelection();
    return s.rangeCount ? cellOf(s.anchorNode) : null;
  }
  function newCell(like) {
    const c = document.createElement(like ? like.tagName : 'td');
    c.appendChild(document.createElement('br'));
    return c;
  }
  function setSpan(c, n) { if (n > 1) c.colSpan = n; else c.removeAttribute('colspan'); }
  function tidy(table) {
    for (const row of Array.from(table.rows)) if (!row.cells.length) row.remove();
    if (!table.rows.length) table.remove();
  }
  function placeCaret() {
    const s = getSelection();
    if (s.rangeCount && document.body && document.body.contains(s.anchorNode)) return;
    if (!document.body) return;
    const r = document.createRange();
    r.selectNodeContents(document.body);
    r.collapse(false);
    s.removeAllRanges();
    s.addRange(r);
  }
  const table = {
    insertRow(c) {
      const row = c.parentNode, tr = document.createElement('tr');
      for (const cell of row.cells) { const n = newCell(cell); setSpan(n, cell.colSpan); tr.appendChild(n); }
      row.parentNode.insertBefore(tr, row);
    },
    insertCol(c) {
      const i = c.cellIndex;
      for (const row of c.closest('table').rows) row.insertBefore(newCell(row.cells[i] || c), row.cells[i] || null);
    },
    insertCell(c) { c.parentNode.insertBefore(newCell(c), c); },
    deleteRows(c) { const t = c.closest('table'); c.parentNode.remove(); tidy(t); },
    deleteCols(c) {
      const i = c.cellIndex, t = c.closest('table');
      for (const row of Array.from(t.rows)) if (row.cells[i]) row.cells[i].remove();
      tidy(t);
    },
    deleteCells(c) { const t = c.closest('table'); c.remove(); tidy(t); },
    splitCell(c) {
      const span = c.colSpan;
      if (span > 1) {
        setSpan(c, span - 1);
      } else {
        // The other rows widen their cell of this column so the table keeps its shape.
        const i = c.cellIndex;
        for (const row of c.closest('table').rows)
          if (row !== c.parentNode && row.cells[i]) setSpan(row.cells[i], row.cells[i].colSpan + 1);
      }
      c.after(newCell(c));
    },
    mergeCells(c) {
      const s = getSelection();
      let last = cellOf(s.focusNode);
      if (!last || last === c || last.parentNode !== c.parentNode) last = c.nextElementSibling;
      if (!isCell(last)) return false;
      let first = c;
      if (last.cellIndex < first.cellIndex) [first, last] = [last, first];
      let span = first.colSpan;
      while (first.nextElementSibling && first.nextElementSibling.cellIndex <= last.cellIndex) {
        const next = first.nextElementSibling;
        span += next.colSpan;
        if (next.textContent.trim() || next.querySelector('img,input,table'))
          while (next.firstChild) first.appendChild(next.firstChild);
        next.remove();
      }
      setSpan(first, span);
      return true;
    },
  };
  // The history. `done` and `undone` hold steps {kind, before, changes, after}; a change is a
  // childList change {target, added, removed, next}, an attribute change {target, name, ns, old,
  // now} or a text change {target, old, now} (`now` is filled in when it is first undone).
  const h = { done: [], undone: [], pending: [], busy: 0, open: null, before: null };
  const observer = new MutationObserver(rs => { h.pending.push(...rs); });
  observer.observe(document, { subtree: true, childList: true, attributes: true,
                               attributeOldValue: true, characterData: true,
                               characterDataOldValue: true });
  const TYPING = ['insertText', 'deleteContentBackward', 'deleteContentForward'];
  const editable = () => document.designMode === 'on';
  function records() {
    const rs = h.pending.concat(observer.takeRecords());
    h.pending = [];
    return rs.map(r => r.type === 'childList'
      ? { target: r.target, added: Array.from(r.addedNodes), removed: Array.from(r.removedNodes),
          next: r.nextSibling }
      : r.type === 'attributes'
      ? { target: r.target, name: r.attributeName, ns: r.attributeNamespace, old: r.oldValue }
      : { target: r.target, old: r.oldValue });
  }
  function selection() {
    const s = getSelection();
    return s.rangeCount ? [s.anchorNode, s.anchorOffset, s.focusNode, s.focusOffset] : null;
  }
  const sameSelection = (a, b) => a && b && a.every((x, i) => x === b[i]);
  function restore(sel) {
    const fits = (n, i) => n && n.isConnected &&
                           i <= (n.nodeType === 1 ? n.childNodes.length : n.length);
    if (sel && fits(sel[0], sel[1]) && fits(sel[2], sel[3]))
      getSelection().setBaseAndExtent(sel[0], sel[1], sel[2], sel[3]);
    else
      placeCaret();
  }
  function setAttr(c, value) {
    if (value === null) c.target.removeAttributeNS(c.ns, c.name);
    else c.target.setAttributeNS(c.ns, c.name, value);
  }
  function attrOf(c) { return c.target.getAttributeNS(c.ns, c.name); }
  function swap(parent, away, back, next) {
    for (const n of away) if (n.parentNode === parent) parent.removeChild(n);
    const at = next && next.parentNode === parent ? next : null;
    for (const n of back) parent.insertBefore(n, at);
  }
  function unapply(c) {
    if (c.added) return swap(c.target, c.added, c.removed, c.next);
    if (c.name !== undefined) { c.now = attrOf(c); return setAttr(c, c.old); }
    c.now = c.target.data;
    c.target.data = c.old;
  }
  function apply(c) {
    if (c.added) return swap(c.target, c.removed, c.added, c.next);
    if (c.name !== undefined) return setAttr(c, c.now);
    c.target.data = c.now;
  }
  function push(kind, before, changes, after) {
    if (!changes.length) return;
    h.undone = [];
    const last = h.open;
    if (last && last === h.done[h.done.length - 1] && last.kind === kind &&
        sameSelection(before, last.after)) {
      last.changes.push(...changes);
      last.after = after;
      return;
    }
    const step = { kind, before, changes, after };
    h.done.push(step);
    h.open = TYPING.includes(kind) ? step : null;
  }
  // Changes no edit announced (the engine tidying up after one) belong to the last step, which
  // then still undoes from the page as it stands.
  function settle() {
    const changes = records();
    if (!changes.length) return;
    h.undone = [];
    const last = h.done[h.done.length - 1];
    if (last) last.changes.push(...changes);
    else h.done.push({ kind: 'other', before: null, changes, after: selection() });
  }
  // Runs `edit` as one step of the history.
  function step(kind, edit) {
    settle();
    const before = selection();
    let result;
    ++h.busy;
    try { result = edit(); } finally { --h.busy; }
    push(kind, before, records(), selection());
    return result;
  }
  function walk(from, to, play, sel) {
    if (!editable()) return false;
    settle();
    const s = from.pop();
    if (!s) return false;
    ++h.busy;
    try { play(s); } finally { records(); --h.busy; }
    to.push(s);
    h.open = null;
    restore(s[sel]);
    return true;
  }
  const undo = () => walk(h.done, h.undone,
                          s => { for (let i = s.changes.length - 1; i >= 0; --i) unapply(s.changes[i]); },
                          'before');
  const redo = () => walk(h.undone, h.done, s => { for (const c of s.changes) apply(c); }, 'after');
  // The engine's own edits (typing, paste, cut, drop) announce themselves; its undo and redo
  // (its context menu's, a key it keeps for itself) become ours.
  document.addEventListener('beforeinput', e => {
    if (h.busy) return;
    if (e.inputType === 'historyUndo' || e.inputType === 'historyRedo') {
      e.preventDefault();
      (e.inputType === 'historyUndo' ? undo : redo)();
      return;
    }
    settle();
    h.before = selection();
  }, true);
  document.addEventListener('input', e => {
    if (h.busy || e.inputType.startsWith('history')) return;
    push(e.inputType, h.before, records(), selection());
  }, true);
  const o = {
    serialize() {
      const out = [];
      for (const n of document.childNodes) {
        if (n.nodeType === 10) {
          let s = '<!DOCTYPE ' + n.name;
          if (n.publicId) s += ' PUBLIC "' + n.publicId + '"';
          if (n.systemId) s += (n.publicId ? '' : ' SYSTEM') + ' "' + n.systemId + '"';
          out.push(s + '>');
        } else if (n.nodeType === 8) {
          out.push('<!--' + n.data + '-->');
        } else if (n.nodeType === 1) {
          // A line end after the closing html tag is parsed into the body; dropped here, it
          // does not grow by one at every save and load.
          out.push(n.outerHTML.replace(/\s+(<\/body><\/html>)$/, '$1'));
        }
      }
      return out.join('\r\n');
    },
    mark() { o.initial = o.serialize(); return true; },
    edited() { return o.initial !== undefined && o.serialize() !== o.initial; },
    modes(editable, details) {
      document.designMode = editable ? 'on' : 'off';
      if (!o.details) { o.details = new CSSStyleSheet(); o.details.replaceSync(CSS); }
      const others = document.adoptedStyleSheets.filter(x => x !== o.details);
      document.adoptedStyleSheets = details ? others.concat([o.details]) : others;
      return true;
    },
    // Del and a typed special character join the typing around them, as the keys would.
    exec(name, value) {
      const kind = { forwardDelete: 'deleteContentForward' }[name] || name;
      return step(kind, () => {
        placeCaret();
        return document.execCommand(name, false, value === undefined ? null : value);
      });
    },
    // The engine's own HTML insertion rewrites what it inserts (it drops BIG, for one); the
    // fragment goes in as built.
    insert(html) {
      if (!editable()) return false;
      return step('insertFragment', () => {
        placeCaret();
        const s = getSelection(), r = s.getRangeAt(0);
        r.deleteContents();
        const f = r.createContextualFragment(html), last = f.lastChild;
        r.insertNode(f);
        if (last) { r.setStartAfter(last); r.collapse(true); s.removeAllRanges(); s.addRange(r); }
        return true;
      });
    },
    table(name) {
      const c = caretCell();
      if (!c || !editable()) return false;
      return step(name, () => table[name](c) !== false);
    },
    undo,
    redo,
    // Whether the page holds nothing a person would insert: blank text in bare paragraphs and
    // line breaks, as an empty control shows.
    blank() {
      if (!document.body) return true;
      if (document.body.textContent.trim()) return false;
      return !document.body.querySelector(':not(p):not(div):not(br):not(span)');
    },
    // A page just shown has no caret, or the one the engine gives a page it focuses; typing needs
    // one, at the end of the page, where a command that finds none puts it: after the last text,
    // or at the last line break or empty element (the body's own end takes no typing).
    caret(fresh) {
      const s = getSelection(), b = document.body;
      if (!b || (!fresh && s.rangeCount && b.contains(s.anchorNode))) return true;
      const takes = n => n.nodeType === 3 ? n.data.trim() : n.nodeType === 1 && !n.firstChild;
      const walk = document.createTreeWalker(b, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
        acceptNode: n => takes(n) ? NodeFilter.FILTER_ACCEPT : NodeFilter.FILTER_SKIP });
      // From the end backwards: the last node that takes typing is near it.
      let last = b;
      while (last.lastChild) last = last.lastChild;
      if (last === b) last = null;
      else if (!takes(last)) { walk.currentNode = last; last = walk.previousNode(); }
      const at = n => Array.prototype.indexOf.call(n.parentNode.childNodes, n);
      if (!last) s.collapse(b, 0);
      else if (last.nodeType === 3) s.collapse(last, last.data.replace(/\s+$/, '').length);
      else if (last.tagName === 'BR') s.collapse(last.parentNode, at(last));
      else if (VOID.test(last.tagName)) s.collapse(last.parentNode, at(last) + 1);
      else s.collapse(last, 0);
      return true;
    },
    find(text) { return window.find(text, false, false, true); },
    value(name) { return document.queryCommandValue(name); },
    collapsed() { const s = getSelection(); return !s.rangeCount || s.isCollapsed; },
    body() { return document.body ? document.body.innerHTML : ''; },
  };
  return o;
})();
)JS");

} // namespace orvel
