// The page: a family's file goes into the core's file system, the core replays it and gives
// the family as JSON, and the page lists its individuals. Nothing leaves the browser.
"use strict";

const page = {
  orvan: null,
  // The file opened, as the core holds it: its name and its path in the core's file system.
  ouvert: null,
};

const element = (id) => document.getElementById(id);

function montre_etat(texte, erreur = false) {
  element("etat").textContent = texte;
  element("etat").classList.toggle("erreur", erreur);
}

function cellule(ligne, texte) {
  const td = ligne.insertCell();
  td.textContent = texte;
  return td;
}

function pastille(couleur, forme) {
  const p = document.createElement("span");
  p.className = "pastille " + forme;
  p.style.background = couleur;
  p.setAttribute("aria-hidden", "true");
  return p;
}

function montre_famille(famille, nom) {
  element("titre").textContent = famille.titre || nom;
  const individus = famille.individus;
  const unions = famille.nb_unions;
  element("resume").textContent = `${nom} : ${individus.length} individu${individus.length > 1 ? "s" : ""}, `
    + `${unions} union${unions > 1 ? "s" : ""}, ${famille.evenements.length} lignes d'historique.`;
  const corps = element("individus").tBodies[0];
  corps.replaceChildren();
  for (const i of individus) {
    const ligne = corps.insertRow();
    cellule(ligne, String(i.n));
    cellule(ligne, i.forme === "carre" ? "Homme" : "Femme");
    const phenotype = cellule(ligne, i.etiquette);
    phenotype.prepend(pastille(i.couleur, i.forme));
    // A gene that the family does not carry, or a genotype not drawn yet, has no allele: ",".
    const genotypes = [i.geno1, i.geno2].filter((g) => g.replace(/,/g, "").trim() !== "");
    cellule(ligne, genotypes.join(" ; ") || "—");
  }
  const legende = element("legende");
  legende.replaceChildren();
  for (const l of famille.legende) {
    const item = document.createElement("li");
    item.append(pastille(l.couleur, "carre"), l.nom);
    legende.append(item);
  }
  element("famille").hidden = false;
}

// The bytes of a .gen file: written into the core's file system, replayed, shown.
function ouvre(nom, octets) {
  const orvan = page.orvan;
  orvan.FS.mkdirTree("/familles");
  const chemin = "/familles/" + nom.replace(/[\/\\]/g, "_");
  orvan.FS.writeFile(chemin, octets);
  const texte = orvan.ccall("orvan_vidage", "string", ["string", "number"], [chemin, 0]);
  if (texte === "") {
    montre_etat(orvan.ccall("orvan_erreurs", "string", [], []) || `${nom} n'a pas pu être ouvert.`,
                true);
    return;
  }
  page.ouvert = { nom, chemin };
  montre_famille(JSON.parse(texte), nom);
  element("enregistrer").disabled = false;
  montre_etat(`Famille ouverte : ${nom}`);
  document.body.dataset.famille_montree_ms = Math.round(performance.now());
}

async function ouvre_fichier(fichier) {
  if (!fichier) return;
  ouvre(fichier.name, new Uint8Array(await fichier.arrayBuffer()));
}

// An example beside the page; a page opened from file:// cannot read it and says so.
async function ouvre_exemple(nom) {
  try {
    const reponse = await fetch("exemples/" + encodeURIComponent(nom));
    if (!reponse.ok) throw new Error(String(reponse.status));
    ouvre(nom, new Uint8Array(await reponse.arrayBuffer()));
  } catch (e) {
    montre_etat(`L'exemple ${nom} n'a pas pu être lu : ouvrez-le avec « Ouvrir une famille… ».`,
                true);
  }
}

// The log as the program saves it, offered as a download.
function enregistre() {
  const orvan = page.orvan;
  const { nom, chemin } = page.ouvert;
  orvan.FS.mkdirTree("/enregistrements");
  const destination = "/enregistrements/" + chemin.slice(chemin.lastIndexOf("/") + 1);
  if (orvan.ccall("orvan_enregistre", "number", ["string", "string"], [chemin, destination]) !== 0) {
    montre_etat(orvan.ccall("orvan_erreurs", "string", [], []), true);
    return;
  }
  const octets = orvan.FS.readFile(destination);
  const lien = document.createElement("a");
  lien.href = URL.createObjectURL(new Blob([octets], { type: "application/octet-stream" }));
  lien.download = nom.toLowerCase().endsWith(".gen") ? nom : nom + ".gen";
  document.body.append(lien);
  lien.click();
  lien.remove();
  setTimeout(() => URL.revokeObjectURL(lien.href), 1000);
  montre_etat(`Famille enregistrée : ${lien.download}`);
}

function installe_depot() {
  const zone = element("zone_depot");
  for (const type of ["dragenter", "dragover"])
    document.addEventListener(type, (e) => {
      e.preventDefault();
      zone.classList.add("survol");
    });
  document.addEventListener("dragleave", () => zone.classList.remove("survol"));
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    zone.classList.remove("survol");
    if (page.orvan) ouvre_fichier(e.dataTransfer.files[0]);
  });
}

async function demarre() {
  installe_depot();
  page.orvan = await charge_orvan();
  element("choix_fichier").addEventListener("change", (e) => ouvre_fichier(e.target.files[0]));
  element("exemples").addEventListener("change", (e) => {
    if (e.target.value) ouvre_exemple(e.target.value);
  });
  element("enregistrer").addEventListener("click", enregistre);
  montre_etat("Prêt : ouvrez une famille.");
  const demandee = new URLSearchParams(location.search).get("exemple");
  if (demandee) await ouvre_exemple(demandee);
}

demarre().catch((e) => montre_etat("Le programme n'a pas pu démarrer : " + e, true));
