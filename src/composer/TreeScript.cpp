#include "composer/EditScript.h"

namespace orvel {

// Added to the control's helpers (`orvel`) once per document: the document as a compact tree for
// the splice that writes the page back, the tree as loaded (taken when the control marks the page
// unedited), and the list commands.
const QString kTreeHelpers = QStringLiteral(R"JS(
if (window.orvel && !window.orvel.tree) (function (o) {
  const DETAILS = '__orvel_details__';
  // [tag, [name, value, ...], [children]], a text as its string, [8, comment], [10, doctype].
  function node(n) {
    switch (n.nodeType) {
    case 1: {
      if (n.id === DETAILS && n.localName === 'style') return undefined;
      const attrs = [];
      for (const a of n.attributes) attrs.push(a.name, a.value);
      const kids = [];
      const from = n.localName === 'template' && n.content ? n.content : n;
      for (let c = from.firstChild; c; c = c.nextSibling) {
        const k = node(c);
        if (k !== undefined) kids.push(k);
      }
      return [n.localName, attrs, kids];
    }
    case 3: case 4: return n.data;
    case 8: return [8, n.data];
    case 10: return [10, n.name, n.publicId, n.systemId];
    }
    return undefined;
  }
  o.tree = () => JSON.stringify(Array.from(document.childNodes, node).filter(k => k !== undefined));
  // After a load the tree is kept as the browser read the page; after a save the control keeps
  // the tree it saved, and asks for none.
  const mark = o.mark;
  o.mark = (keep) => {
    o.loadedTree = keep === false ? undefined : o.tree();
    return mark();
  };
  // The engine puts a list made in a paragraph inside it (<p><ul>), which no page can hold: the
  // list goes after the paragraph's part before it, and the part after it follows as a paragraph
  // of its own; a paragraph left empty goes.
  function unnest(list) {
    const p = list.parentNode, s = getSelection();
    const at = s.rangeCount ? [s.anchorNode, s.anchorOffset, s.focusNode, s.focusOffset] : null;
    const rest = p.cloneNode(false);
    rest.removeAttribute('id');
    while (list.nextSibling) rest.appendChild(list.nextSibling);
    p.after(list);
    list.after(rest);
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
