// A window of the core mirrored into the page: one element per control, made once the control
// first shows, placed in the core's pixels inside its parent's element, and written again only
// where the control changed. The user's actions go back to the core as they happen.
"use strict";

// A caption's "&" marks the letter of its keyboard shortcut; "&&" is an "&".
function texte_affiche(texte) {
  return (texte || "").replace(/&&/g, "\u0000").replace(/&/g, "").replace(/\u0000/g, "&")
    .replace(/\r\n?/g, "\n");
}

const glyphes = { ok: "✓", annuler: "✗", fermer: "×", fleche_haut: "↑", ouvrir: "📂",
                  quitter: "⏻" };

class Miroir {
  // envoie(action): hands an action to the core; zoom(): the surface's scale.
  constructor(surface, nom_fenetre, envoie, zoom) {
    this.surface = surface;
    this.nom = nom_fenetre;
    this.envoie = envoie;
    this.zoom = zoom;
    this.elements = [];
    this.vus = [];
  }

  actualise(fiche) {
    const controles = fiche.controles;
    this.controles = controles;
    for (let i = 0; i < controles.length; ++i) {
      const c = controles[i];
      if (c.genre === "menu" || c.genre === "minuterie") continue;
      const cle = JSON.stringify(c);
      if (this.vus[i] === cle) continue;
      if (!this.elements[i]) {
        // Made inside its parent's element: a control of a box not shown yet waits for it.
        if (!c.visible || (c.parent >= 0 && !this.elements[c.parent])) continue;
        this.elements[i] = this.cree(i, c);
      }
      this.vus[i] = cle;
      this.ecrit(this.elements[i], c, i);
    }
  }

  action(i, quoi, autres = {}) {
    this.envoie({ fenetre: this.nom, controle: i, action: quoi, ...autres });
  }

  parent_de(c) {
    return c.parent >= 0 ? this.elements[c.parent] : this.surface;
  }

  cree(i, c) {
    const fabrique = {
      bouton: () => this.cree_bouton(i),
      radio: () => this.cree_radio(i),
      case: () => this.cree_case(i),
      combo: () => this.cree_combo(i),
      saisie: () => this.cree_saisie(i),
      groupe: () => this.cree_boite(),
    }[c.genre];
    const e = fabrique ? fabrique() : document.createElement("div");
    e.classList.add("ctl", c.genre);
    e.dataset.nom = c.nom;
    if (c.souris) this.suit_la_souris(e, i);
    this.parent_de(c).append(e);
    return e;
  }

  cree_bouton(i) {
    const b = document.createElement("button");
    b.type = "button";
    b.addEventListener("click", () => this.action(i, "clic"));
    return b;
  }

  // A box with its caption over its frame; its controls stand in its own pixels.
  cree_boite() {
    const g = document.createElement("div");
    g.setAttribute("role", "group");
    g.append(Object.assign(document.createElement("span"), { className: "legende" }));
    return g;
  }

  cree_radio(i) {
    const g = this.cree_boite();
    g.setAttribute("role", "radiogroup");
    g.addEventListener("change", (e) => this.action(i, "radio", { index: Number(e.target.value) }));
    return g;
  }

  cree_case(i) {
    const l = document.createElement("label");
    const k = document.createElement("input");
    k.type = "checkbox";
    k.addEventListener("change", () => this.action(i, "coche", { valeur: k.checked }));
    l.append(k, document.createElement("span"));
    return l;
  }

  cree_combo(i) {
    const s = document.createElement("select");
    s.addEventListener("change", () => this.action(i, "combo", { index: s.selectedIndex }));
    return s;
  }

  cree_saisie(i) {
    const s = document.createElement("input");
    s.type = "text";
    s.addEventListener("input", () => this.action(i, "saisie", { texte: s.value }));
    return s;
  }

  // Press, drag and release in the control's own pixels; the pressed control keeps the mouse.
  suit_la_souris(e, i) {
    const point = (ev) => {
      const r = e.getBoundingClientRect();
      return { x: Math.round((ev.clientX - r.left) / this.zoom()),
               y: Math.round((ev.clientY - r.top) / this.zoom()) };
    };
    e.addEventListener("pointerdown", (ev) => {
      if (ev.target.closest(".ctl") !== e) return;
      e.setPointerCapture(ev.pointerId);
      this.action(i, "souris_bas", { bouton: ev.button, ...point(ev) });
    });
    e.addEventListener("pointermove", (ev) => {
      if (e.hasPointerCapture(ev.pointerId)) this.action(i, "souris_bouge", point(ev));
    });
    e.addEventListener("pointerup", (ev) => {
      if (!e.hasPointerCapture(ev.pointerId)) return;
      e.releasePointerCapture(ev.pointerId);
      this.action(i, "souris_haut", { bouton: ev.button, ...point(ev) });
    });
  }

  ecrit(e, c, i) {
    const s = e.style;
    s.left = c.x + "px";
    s.top = c.y + "px";
    s.width = c.l + "px";
    s.height = c.h + "px";
    s.fontSize = (c.police[0] * 96 / 72).toFixed(2) + "px";
    s.fontWeight = c.police[1] ? "bold" : "";
    if (c.fond) s.background = c.fond;
    if (c.couleur) s.color = c.couleur;
    e.title = c.bulle.replace(/\r\n?/g, "\n");
    e.hidden = !c.visible;
    e.classList.toggle("inactif", !c.actif);
    const texte = texte_affiche(c.texte);
    const ecrit_genre = {
      forme: () => {
        s.background = c.remplissage;
        e.classList.toggle("cercle", c.cercle);
        e.classList.toggle("evidence", c.evidence);
      },
      label: () => {
        e.textContent = texte;
        e.classList.toggle("centre", c.centre);
        e.classList.toggle("coupe", !c.ajuste);
      },
      panel: () => { e.textContent = texte; },
      groupe: () => { e.firstChild.textContent = texte; e.setAttribute("aria-label", texte); },
      radio: () => this.ecrit_radio(e, c, texte, i),
      case: () => {
        e.firstChild.checked = c.coche;
        e.firstChild.disabled = !c.actif;
        e.lastChild.textContent = texte;
      },
      combo: () => {
        if (e.options.length !== c.items.length
            || c.items.some((t, k) => e.options[k].text !== t))
          e.replaceChildren(...c.items.map((t) => new Option(t)));
        e.selectedIndex = c.index;
        e.disabled = !c.actif;
      },
      liste: () => e.replaceChildren(...c.lignes.map((l) => {
        const d = document.createElement("div");
        d.textContent = l;
        return d;
      })),
      memo: () => { e.textContent = c.lignes.join("\n"); },
      bouton: () => {
        e.textContent = texte || glyphes[c.glyphe] || "";
        e.classList.toggle("plat", c.plat);
        e.disabled = !c.actif;
        const nom = texte || texte_affiche(c.bulle);
        if (nom) e.setAttribute("aria-label", nom); else e.removeAttribute("aria-label");
      },
      saisie: () => {
        if (document.activeElement !== e) e.value = texte;
        e.disabled = !c.actif;
        if (c.bulle) e.setAttribute("aria-label", texte_affiche(c.bulle));
      },
      image: () => {
        e.classList.toggle("depart", c.depart);
        // The title, the subtitle, then the symbols' words in one line.
        if (c.depart) e.replaceChildren(...c.textes.slice(0, 2).map((t) => {
          const p = document.createElement("p");
          p.textContent = t;
          return p;
        }), Object.assign(document.createElement("p"), { className: "mots",
                                                         textContent: c.textes.slice(2).join(" · ") }));
      },
    }[c.genre];
    if (ecrit_genre) ecrit_genre();
  }

  // The items shown share the height below the caption, one column; hidden ones keep their place.
  ecrit_radio(e, c, texte, i) {
    const legende = e.firstChild;
    legende.textContent = texte;
    e.setAttribute("aria-label", texte);
    const items = e.querySelectorAll("label");
    if (items.length !== c.items.length) {
      for (const l of items) l.remove();
      c.items.forEach((_, k) => {
        const l = document.createElement("label");
        const r = document.createElement("input");
        r.type = "radio";
        r.name = `${this.nom}_${i}`;
        r.value = String(k);
        l.append(r, document.createElement("span"));
        e.append(l);
      });
    }
    const pas = (c.h - 16) / Math.max(1, c.items.length);
    e.querySelectorAll("label").forEach((l, k) => {
      Object.assign(l.style, { top: 14 + k * pas + "px", height: pas + "px" });
      const r = l.firstChild;
      l.lastChild.textContent = texte_affiche((c.textes_lus || c.items)[k]);
      r.checked = k === c.index;
      r.disabled = !c.actif || c.inactifs[k];
      l.classList.toggle("inactif", r.disabled);
      l.style.visibility = c.caches[k] ? "hidden" : "";
    });
  }

  // The elements of controls not yet made stay absent; those made go when their window goes.
  retire() {
    for (const e of this.elements) if (e && e.isConnected) e.remove();
  }
}
