// The window's menu bar, from the core's menu entries: a top entry with entries under it opens
// its list (and is clicked, as on the desktop, so that the core may prepare what it shows); the
// others run their click. Shortcuts and the keyboard work as in the window.
"use strict";

function nom_touche(code) {
  const touche = code & 0xff;
  const noms = { 46: "Suppr", 13: "Entrée", 27: "Échap" };
  const base = touche >= 112 && touche <= 123 ? "F" + (touche - 111)
               : noms[touche] || String.fromCharCode(touche);
  return (code & 0x4000 ? "Ctrl+" : "") + (code & 0x2000 ? "Maj+" : "") + (code & 0x8000 ? "Alt+" : "")
         + base;
}

// The core's code of a key pressed with its modifiers; 0 for a key the menus never take.
function code_touche(e) {
  let t = 0;
  if (/^F([1-9]|1[0-2])$/.test(e.key)) t = 111 + Number(e.key.slice(1));
  else if (/^Key[A-Z]$/.test(e.code)) t = e.code.charCodeAt(3);
  else if (/^Digit[0-9]$/.test(e.code)) t = e.code.charCodeAt(5);
  else t = { Delete: 46, Enter: 13, Escape: 27 }[e.key] || 0;
  if (!t) return 0;
  return t | (e.shiftKey ? 0x2000 : 0) | (e.ctrlKey || e.metaKey ? 0x4000 : 0) | (e.altKey ? 0x8000 : 0);
}

class BarreMenus {
  constructor(barre, envoie) {
    this.barre = barre;
    this.envoie = envoie;
    this.cle = "";
    this.ouvert = -1; // the top entry whose list shows
    this.raccourcis = new Map();
    document.addEventListener("pointerdown", (e) => {
      if (!this.barre.contains(e.target)) this.ferme();
    });
  }

  actualise(controles) {
    const menus = controles.map((c, i) => ({ ...c, i })).filter((c) => c.genre === "menu");
    const cle = JSON.stringify(menus);
    if (cle === this.cle) return;
    this.cle = cle;
    const enfants = new Map();
    for (const m of menus) {
      if (!enfants.has(m.parent)) enfants.set(m.parent, []);
      enfants.get(m.parent).push(m);
    }
    this.raccourcis.clear();
    for (const m of menus)
      for (const r of m.raccourcis) if (r) this.raccourcis.set(r, m.i);
    const focalise = document.activeElement && document.activeElement.dataset.menu;
    this.barre.replaceChildren(...(enfants.get(-1) || []).filter((m) => m.visible)
      .map((m) => this.entree_haute(m, enfants)));
    this.montre_ouvert();
    if (focalise) {
      const e = this.barre.querySelector(`[data-menu="${focalise}"]`);
      if (e) e.focus();
    }
  }

  entree_haute(m, enfants) {
    const sous = enfants.get(m.i) || [];
    const bouton = cree("button", { type: "button", textContent: texte_affiche(m.texte),
                                    disabled: !m.actif, title: m.bulle });
    bouton.dataset.menu = m.i;
    bouton.dataset.nom = m.nom;
    bouton.setAttribute("role", "menuitem");
    if (!sous.length) {
      bouton.addEventListener("click", () => this.clic(m.i));
      return cree("div", { className: "menu_haut" }, [bouton]);
    }
    bouton.setAttribute("aria-haspopup", "menu");
    bouton.addEventListener("click", () => this.ouvre(this.ouvert === m.i ? -1 : m.i));
    bouton.addEventListener("keydown", (e) => {
      if (e.key === "ArrowDown") { e.preventDefault(); this.ouvre(m.i, true); }
    });
    const liste = this.liste(sous, enfants, m.texte);
    liste.dataset.de = m.i;
    return cree("div", { className: "menu_haut" }, [bouton, liste]);
  }

  liste(entrees, enfants, nom) {
    const ul = cree("ul", { className: "liste_menu", hidden: true });
    ul.setAttribute("role", "menu");
    ul.setAttribute("aria-label", texte_affiche(nom));
    for (const m of entrees) {
      if (!m.visible) continue;
      if (m.separateur) { ul.append(cree("hr")); continue; }
      const sous = enfants.get(m.i) || [];
      const e = cree("button", { type: "button", className: "entree", disabled: !m.actif,
                                 title: m.bulle, textContent: texte_affiche(m.texte) });
      e.dataset.menu = m.i;
      e.dataset.nom = m.nom;
      e.setAttribute("role", m.coche ? "menuitemcheckbox" : "menuitem");
      if (m.coche) e.setAttribute("aria-checked", "true");
      if (m.raccourcis[0]) e.append(cree("span", { className: "raccourci",
                                                  textContent: nom_touche(m.raccourcis[0]) }));
      ul.append(e);
      if (sous.length) {
        const sl = this.liste(sous, enfants, m.texte);
        e.setAttribute("aria-haspopup", "menu");
        e.addEventListener("click", () => { sl.hidden = !sl.hidden; this.clic_seul(m.i); });
        ul.append(sl);
      } else {
        e.addEventListener("click", () => { this.ferme(); this.clic(m.i); });
      }
    }
    ul.addEventListener("keydown", (e) => this.clavier_liste(e, ul));
    return ul;
  }

  clavier_liste(e, ul) {
    const entrees = [...ul.closest(".menu_haut").querySelectorAll(".entree")]
      .filter((x) => !x.disabled && x.offsetParent);
    const rang = entrees.indexOf(document.activeElement);
    if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      e.preventDefault();
      const n = entrees.length;
      entrees[(rang + (e.key === "ArrowDown" ? 1 : n - 1)) % n].focus();
    } else if (e.key === "Escape") {
      e.preventDefault();
      e.stopPropagation();
      const haut = this.ouvert;
      this.ferme();
      const b = this.barre.querySelector(`[data-menu="${haut}"]`);
      if (b) b.focus();
    }
  }

  clic(i) {
    this.envoie({ controle: i, action: "clic" });
  }

  // Opening a list is a click on its entry: the core may prepare its entries first.
  clic_seul(i) {
    this.envoie({ controle: i, action: "clic" });
  }

  ouvre(i, focalise = false) {
    this.ouvert = i;
    if (i >= 0) this.clic_seul(i);
    this.montre_ouvert();
    if (focalise && i >= 0) {
      const premiere = this.barre.querySelector(`ul[data-de="${i}"] .entree:not(:disabled)`);
      if (premiere) premiere.focus();
    }
  }

  ferme() {
    if (this.ouvert < 0) return;
    this.ouvert = -1;
    this.montre_ouvert();
  }

  montre_ouvert() {
    for (const ul of this.barre.querySelectorAll("ul[data-de]")) {
      const ouvert = Number(ul.dataset.de) === this.ouvert;
      ul.hidden = !ouvert;
      ul.previousSibling.setAttribute("aria-expanded", String(ouvert));
    }
  }

  // A shortcut of an entry, wherever the focus is; true when one was taken.
  raccourci(e) {
    const i = this.raccourcis.get(code_touche(e));
    if (i === undefined) return false;
    e.preventDefault();
    this.ferme();
    this.clic(i);
    return true;
  }

  // F10 goes into the menu bar, as on the desktop.
  focalise() {
    const b = this.barre.querySelector("button:not(:disabled)");
    if (b) b.focus();
  }
}
