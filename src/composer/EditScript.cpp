#include "composer/EditScript.h"

namespace orvel {

// The table commands work on the cell holding the caret and on its row and table; a command with
// no cell at the caret returns false and changes nothing. The details outline is a style element
// of the control's own, taken out of every serialization.
const QString kEditHelpers = QStringLiteral(R"JS(
if (!window.orvel) window.orvel = (function () {
  const DETAILS = '__orvel_details__';
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
  const o = {
    serialize() {
      const d = document.getElementById(DETAILS);
      let parent = null, next = null;
      if (d) { parent = d.parentNode; next = d.nextSibling; d.remove(); }
      try {
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
      } finally {
        if (d) parent.insertBefore(d, next);
      }
    },
    mark() { o.initial = o.serialize(); return true; },
    edited() { return o.initial !== undefined && o.serialize() !== o.initial; },
    modes(editable, details) {
      document.designMode = editable ? 'on' : 'off';
      let d = document.getElementById(DETAILS);
      if (details && !d) {
        d = document.createElement('style');
        d.id = DETAILS;
        d.textContent = CSS;
        (document.head || document.documentElement).appendChild(d);
      } else if (!details && d) {
        d.remove();
      }
      return true;
    },
    exec(name, value) {
      placeCaret();
      return document.execCommand(name, false, value === undefined ? null : value);
    },
    // The engine's own HTML insertion rewrites what it inserts (it drops BIG, for one); the
    // fragment goes in as built.
    insert(html) {
      placeCaret();
      const s = getSelection(), r = s.getRangeAt(0);
      r.deleteContents();
      const f = r.createContextualFragment(html), last = f.lastChild;
      r.insertNode(f);
      if (last) { r.setStartAfter(last); r.collapse(true); s.removeAllRanges(); s.addRange(r); }
      return true;
    },
    table(name) {
      const c = caretCell();
      if (!c) return false;
      return table[name](c) !== false;
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
