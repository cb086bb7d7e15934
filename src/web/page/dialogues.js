// The core's questions as <dialog>s: each waits in the core with the code that goes on with its
// answer, and the page gives the answer whenever the user does. The first question waiting is
// the one shown; an open dialog picks its file, a save dialog names the download.
"use strict";

function cree(balise, proprietes = {}, enfants = []) {
  const e = Object.assign(document.createElement(balise), proprietes);
  e.append(...enfants);
  return e;
}

class Dialogues {
  // page: what the dialogs need of the page (envoie, textes, ouvre_octets, exemples).
  constructor(page) {
    this.page = page;
    this.montre = null; // { id, dialogue }
  }

  actualise(questions) {
    const premiere = questions[0];
    if (this.montre && (!premiere || premiere.id !== this.montre.id)) {
      const d = this.montre.dialogue;
      this.montre = null;
      d.close();
      d.remove();
    }
    if (!premiere || this.montre) return;
    const dialogue = this.fabrique(premiere);
    dialogue.setAttribute("aria-label", premiere.titre || "");
    document.body.append(dialogue);
    this.montre = { id: premiere.id, dialogue };
    // Escape answers as the box's close button does.
    dialogue.addEventListener("cancel", (e) => {
      e.preventDefault();
      this.repond(premiere.id, null);
    });
    dialogue.showModal();
  }

  repond(id, reponse) {
    if (!this.montre || this.montre.id !== id) return;
    this.page.envoie({ action: "reponse", id, reponse });
  }

  fabrique(q) {
    const d = cree("dialog", { className: "question " + q.genre });
    d.append(cree("h2", { textContent: q.titre || "" }));
    const faits = {
      ouvrir: () => this.ouvrir(d, q),
      enregistrer: () => this.enregistrer(d, q),
      tableau: () => this.tableau(d, q),
      formulaire: () => this.formulaire(d, q),
    };
    (faits[q.genre] || (() => this.boite(d, q)))();
    return d;
  }

  boutons(d, liste) {
    const rang = cree("div", { className: "boutons" });
    for (const [texte, action] of liste)
      rang.append(cree("button", { type: "button", textContent: texte_affiche(texte),
                                   onclick: action }));
    d.append(rang);
    return rang;
  }

  boite(d, q) {
    d.setAttribute("role", q.genre === "question" ? "alertdialog" : "dialog");
    d.append(cree("p", { className: "corps", textContent: texte_affiche(q.texte) }));
    this.boutons(d, q.boutons.map((b, k) => [b, () => this.repond(q.id, k)]));
  }

  ouvrir(d, q) {
    const t = this.page.textes;
    const choix = cree("input", { type: "file", accept: ".gen" });
    choix.setAttribute("aria-label", t.choisir_fichier);
    choix.addEventListener("change", () => this.prend_fichier(q.id, choix.files[0]));
    const depot = cree("div", { className: "depot", textContent: t.deposer_fichier });
    depot.addEventListener("dragover", (e) => { e.preventDefault(); depot.classList.add("survol"); });
    depot.addEventListener("dragleave", () => depot.classList.remove("survol"));
    depot.addEventListener("drop", (e) => {
      e.preventDefault();
      e.stopPropagation();
      this.prend_fichier(q.id, e.dataTransfer.files[0]);
    });
    const corps = cree("div", { className: "corps" }, [
      cree("label", { className: "bouton" }, [t.choisir_fichier, " ", choix]), depot]);
    if (this.page.exemples.length) {
      const liste = cree("select", {}, [new Option("—", ""),
                                        ...this.page.exemples.map((n) => new Option(n))]);
      liste.setAttribute("aria-label", q.exemples);
      liste.addEventListener("change", async () => {
        const octets = await this.page.lit_exemple(liste.value);
        if (octets) this.repond(q.id, this.page.ecrit_fichier(liste.value, octets));
      });
      corps.append(cree("p", {}, [cree("label", {}, [q.exemples + " : ", liste])]));
    }
    d.append(corps);
    this.boutons(d, [[t.annuler, () => this.repond(q.id, null)]]);
  }

  async prend_fichier(id, fichier) {
    if (!fichier) return;
    const octets = new Uint8Array(await fichier.arrayBuffer());
    this.repond(id, this.page.ecrit_fichier(fichier.name, octets));
  }

  enregistrer(d, q) {
    const t = this.page.textes;
    const nom = cree("input", { type: "text", value: q.nom, required: true });
    nom.setAttribute("aria-label", t.nom_fichier);
    const valide = () => {
      const n = nom.value.trim();
      if (n) this.repond(q.id, n.toLowerCase().endsWith(".gen") ? n : n + ".gen");
    };
    nom.addEventListener("keydown", (e) => { if (e.key === "Enter") valide(); });
    d.append(cree("p", { className: "corps" }, [cree("label", {}, [t.nom_fichier + " : ", nom])]));
    this.boutons(d, [[t.ok, valide], [t.annuler, () => this.repond(q.id, null)]]);
  }

  tableau(d, q) {
    const table = cree("table");
    q.cases.forEach((ligne, i) => {
      const tr = table.insertRow();
      ligne.forEach((texte, j) => tr.append(cree(i === 0 || j === 0 ? "th" : "td",
                                                 { textContent: texte })));
    });
    d.append(cree("div", { className: "corps" }, [table]));
    this.boutons(d, [[q.fermer, () => this.repond(q.id, null)]]);
  }

  formulaire(d, q) {
    const champs = [];
    const corps = cree("div", { className: "corps" },
                       q.explication ? [cree("p", { textContent: q.explication })] : []);
    for (const g of q.groupes) {
      const groupe = cree("fieldset", {}, [cree("legend", { textContent: g.titre })]);
      for (const c of g.champs) {
        const saisie = cree("input", { type: "text", value: c.texte });
        saisie.dataset.parDefaut = c.par_defaut;
        champs.push(saisie);
        groupe.append(cree("label", { className: "champ" }, [c.libelle, saisie]));
      }
      corps.append(groupe);
    }
    d.append(corps);
    const liste = [[q.ok, () => this.repond(q.id, champs.map((c) => c.value))],
                   [q.annuler, () => this.repond(q.id, null)]];
    if (q.par_defaut)
      liste.push([q.par_defaut, () => champs.forEach((c) => { c.value = c.dataset.parDefaut; })]);
    this.boutons(d, liste);
  }
}

// The program's own modal windows (the genotype question, printing): their controls mirrored
// into a dialog of their size, closed by the core.
class FenetresModales {
  constructor(page) {
    this.page = page;
    this.ouvertes = new Map(); // name -> { dialogue, miroir }
  }

  actualise(fenetres) {
    const vues = new Set();
    for (const f of fenetres) {
      if (!f.visible) continue;
      vues.add(f.nom);
      let o = this.ouvertes.get(f.nom);
      if (!o) o = this.ouvre(f);
      o.dialogue.firstChild.textContent = texte_affiche(f.titre);
      Object.assign(o.surface.style, { width: f.l + "px", height: f.h + "px", background: f.fond });
      o.miroir.actualise(f);
    }
    for (const [nom, o] of this.ouvertes)
      if (!vues.has(nom)) {
        o.dialogue.close();
        o.dialogue.remove();
        this.ouvertes.delete(nom);
      }
  }

  ouvre(f) {
    const surface = cree("div", { className: "surface" });
    surface.style.position = "relative";
    const dialogue = cree("dialog", { className: "fenetre" },
                          [cree("h2"), cree("div", { className: "corps" }, [surface])]);
    dialogue.setAttribute("aria-label", texte_affiche(f.titre));
    dialogue.addEventListener("cancel", (e) => {
      e.preventDefault();
      this.page.envoie({ fenetre: f.nom, action: "fermer" });
    });
    dialogue.addEventListener("keydown", (e) => {
      const code = { Enter: 13, Escape: 27 }[e.key];
      if (code && e.target.tagName !== "BUTTON") {
        e.preventDefault();
        this.page.envoie({ fenetre: f.nom, action: "touche", code });
      }
    });
    document.body.append(dialogue);
    const o = { dialogue, surface, miroir: new Miroir(surface, f.nom, this.page.envoie, () => 1) };
    this.ouvertes.set(f.nom, o);
    dialogue.showModal();
    return o;
  }
}
