// The page: starts the core in this browser, sends it each of the user's actions and draws the
// state that comes back. Nothing leaves the browser: files come in by the file picker or a drop,
// go out as downloads, and the recovery copy of an unsaved family stays in this browser's storage.
"use strict";

const element = (id) => document.getElementById(id);
const CLE_SECOURS = "orvan.copies_de_secours";

const page = {
  orvan: null,
  etat: null,
  textes: {},
  exemples: [],
  // The last family saved, as downloaded: its name and bytes.
  dernier_enregistrement: null,
  minuteries: new Map(),
};

function envoie(action) {
  const texte = page.orvan.ccall("orvan_action", "string", ["string"], [JSON.stringify(action)]);
  if (texte) dessine(JSON.parse(texte));
}
page.envoie = envoie;

// The file the user picked or dropped, written where the core's open dialog looks.
page.ecrit_fichier = (nom, octets) => {
  const FS = page.orvan.FS;
  FS.mkdirTree("/familles");
  const chemin = "/familles/" + nom.replace(/[\/\\]/g, "_");
  FS.writeFile(chemin, octets);
  return chemin;
};

// An example beside the page (only when it is served: from file:// the list is empty).
page.lit_exemple = async (nom) => {
  try {
    const r = await fetch("exemples/" + encodeURIComponent(nom));
    if (r.ok) return new Uint8Array(await r.arrayBuffer());
  } catch (e) {
    // Said below, as any unreadable file.
  }
  alert(page.textes.fichier_illisible.replace("{}", nom));
  return null;
};

const miroir = new Miroir(element("surface"), "", envoie, () => zoom.valeur);
const menus = new BarreMenus(element("barre_menus"), envoie);
const dialogues = new Dialogues(page);
const modales = new FenetresModales(page);
const arbre = new ImageFamille(element("arbre"), envoie);
const zoom = new Zoom(element("cadre"), element("surface"));

function dessine(etat) {
  page.etat = etat;
  page.textes = etat.textes;
  document.documentElement.lang = etat.langue === 2 ? "en" : "fr";
  const [principale, ...autres] = etat.fenetres;
  document.title = texte_affiche(principale.titre) || "Orvan";
  element("surface").style.background = principale.fond;
  // The surface grows to hold the whole family, as the window's scrolls to it.
  const f = etat.famille;
  zoom.applique({ l: Math.max(principale.l, Math.ceil(f.x + f.largeur)),
                  h: Math.max(principale.h, Math.ceil(f.y + f.hauteur)) });
  menus.actualise(principale.controles);
  miroir.actualise(principale);
  arbre.actualise(etat.famille, etat.textes);
  modales.actualise(autres);
  dialogues.actualise(etat.questions);
  for (const b of document.querySelectorAll("#outils [data-texte]")) {
    b.title = etat.textes[b.dataset.texte];
    b.setAttribute("aria-label", b.title);
  }
  element("barre_menus").setAttribute("aria-label", etat.textes.barre_menus);
  regle_minuteries(etat.fenetres);
  garde_copies();
  for (const a of etat.a_faire) fait(a);
  if (etat.famille.svg && !document.body.dataset.famille_montree_ms)
    document.body.dataset.famille_montree_ms = Math.round(performance.now());
}

// What only the page can do, once the core has asked for it.
function fait(a) {
  const svg = page.etat.famille.svg;
  const nom = (page.etat.fenetres[0].titre || "famille").replace(/[^\p{L}\p{N}_-]+/gu, "_");
  if (a.telecharge) {
    const octets = page.orvan.FS.readFile(a.telecharge);
    const nom_fichier = a.telecharge.slice(a.telecharge.lastIndexOf("/") + 1);
    page.dernier_enregistrement = { nom: nom_fichier, octets };
    page.orvan.FS.unlink(a.telecharge);
    telecharge(nom_fichier, new Blob([octets], { type: "application/octet-stream" }));
  } else if (a.imprime) {
    if (svg) setTimeout(() => imprime_famille(svg), 0);
  } else if (a.aide) {
    window.open("aide/" + a.aide, "_blank", "noopener");
  } else if (a.exporte_image && svg) {
    demande_format(svg, nom);
  } else if (a.quitte) {
    document.body.replaceChildren(cree("p", { textContent: page.textes.fermee }));
  }
}

function demande_format(svg, nom) {
  const t = page.textes;
  const d = cree("dialog", {}, [cree("h2", { textContent: t.exporter_titre })]);
  const ferme = () => { d.close(); d.remove(); };
  dialogues.boutons(d, [[t.exporter_svg, () => { ferme(); exporte_svg(svg, nom); }],
                        [t.exporter_png, () => { ferme(); exporte_png(svg, nom); }],
                        [t.annuler, ferme]]);
  document.body.append(d);
  d.showModal();
}

// The core's timers tick while they are on, at their interval.
function regle_minuteries(fenetres) {
  const vues = new Set();
  for (const f of fenetres) {
    if (!f.visible && f !== fenetres[0]) continue;
    f.controles.forEach((c, i) => {
      if (c.genre !== "minuterie" || !c.actif) return;
      const cle = `${f.nom}/${i}/${c.intervalle}`;
      vues.add(cle);
      if (!page.minuteries.has(cle))
        page.minuteries.set(cle, setInterval(
          () => envoie({ fenetre: f.nom, controle: i, action: "tic" }), Math.max(10, c.intervalle)));
    });
  }
  for (const [cle, id] of page.minuteries)
    if (!vues.has(cle)) {
      clearInterval(id);
      page.minuteries.delete(cle);
    }
}

// The recovery copies that the core keeps, mirrored into this browser's storage after each
// action, and put back before the next start, when the core offers to take them back.
function garde_copies() {
  const FS = page.orvan.FS;
  const copies = {};
  try {
    for (const nom of FS.readdir("/secours")) {
      if (nom === "." || nom === "..") continue;
      const chemin = "/secours/" + nom;
      const octets = FS.readFile(chemin);
      let binaire = "";
      for (const o of octets) binaire += String.fromCharCode(o);
      copies[nom] = { octets: btoa(binaire), date: FS.stat(chemin).mtime.getTime() };
    }
  } catch (e) {
    // No folder yet: no copy.
  }
  const texte = JSON.stringify(copies);
  if (localStorage.getItem(CLE_SECOURS) !== texte) localStorage.setItem(CLE_SECOURS, texte);
}

function remet_copies() {
  const FS = page.orvan.FS;
  let copies = {};
  try {
    copies = JSON.parse(localStorage.getItem(CLE_SECOURS) || "{}");
  } catch (e) {
    return;
  }
  FS.mkdirTree("/secours");
  for (const [nom, c] of Object.entries(copies)) {
    const chemin = "/secours/" + nom.replace(/[\/\\]/g, "_");
    FS.writeFile(chemin, Uint8Array.from(atob(c.octets), (x) => x.charCodeAt(0)));
    FS.utime(chemin, c.date, c.date);
  }
}

function clavier(e) {
  if (document.querySelector("dialog[open]")) return;
  if (e.ctrlKey && ["=", "+", "-", "0"].includes(e.key)) {
    e.preventDefault();
    zoom.regle(e.key === "0" ? 1 : zoom.valeur + (e.key === "-" ? -0.1 : 0.1));
    return;
  }
  if (e.key === "F11") {
    e.preventDefault();
    bascule_plein_ecran();
    return;
  }
  if (e.key === "F10" && !e.shiftKey && !e.ctrlKey && !e.altKey) {
    e.preventDefault();
    menus.focalise();
    return;
  }
  if (menus.raccourci(e)) return;
  // Function keys reach the window wherever the focus is; Enter and Escape when the element
  // with the focus has no use for them.
  const code = code_touche(e) & 0xff;
  const libre = !e.target.closest("button, input, select, textarea, [role=button]");
  if ((code >= 112 && code <= 123) || ((code === 13 || code === 27) && libre)) {
    e.preventDefault();
    envoie({ action: "touche", code });
  }
}

function installe_depot() {
  document.addEventListener("dragover", (e) => {
    e.preventDefault();
    document.body.classList.add("survol");
  });
  document.addEventListener("dragleave", () => document.body.classList.remove("survol"));
  document.addEventListener("drop", async (e) => {
    e.preventDefault();
    document.body.classList.remove("survol");
    const fichier = e.dataTransfer.files[0];
    if (!fichier || !page.orvan || document.querySelector("dialog[open]")) return;
    const chemin = page.ecrit_fichier(fichier.name, new Uint8Array(await fichier.arrayBuffer()));
    envoie({ action: "ouvre_fichier", chemin });
  });
}

function installe_outils() {
  element("agrandir").onclick = () => zoom.regle(zoom.valeur + 0.1);
  element("reduire").onclick = () => zoom.regle(zoom.valeur - 0.1);
  element("taille_reelle").onclick = () => zoom.regle(1);
  element("plein_ecran").onclick = bascule_plein_ecran;
  zoom.apres = (v) => { element("taille_reelle").textContent = Math.round(v * 100) + " %"; };
}

// The command line of the desktop program, from the page's address: ?langue=en, ?enseignant.
function arguments_de_la_page() {
  const p = new URLSearchParams(location.search);
  const demandee = p.get("langue") || (navigator.language || "fr").slice(0, 2);
  const args = [demandee === "en" || demandee === "2" ? "2" : "1"];
  if (p.has("enseignant")) args.push("--enseignant");
  return args;
}

async function lit_exemples() {
  if (location.protocol === "file:") return;
  try {
    const r = await fetch("exemples/liste.json");
    if (r.ok) page.exemples = await r.json();
  } catch (e) {
    // No examples beside the page.
  }
}

async function demarre() {
  installe_depot();
  installe_outils();
  document.addEventListener("keydown", clavier);
  page.orvan = await charge_orvan();
  remet_copies();
  const etat = page.orvan.ccall("orvan_demarre", "string", ["string", "number", "number"],
                                [JSON.stringify(arguments_de_la_page()), innerWidth, innerHeight]);
  element("chargement").remove();
  dessine(JSON.parse(etat));
  await lit_exemples();
  if ("serviceWorker" in navigator && location.protocol.startsWith("http"))
    navigator.serviceWorker.register("service.js").catch(() => {});
}

demarre().catch((e) => { element("chargement").textContent = String(e); });
