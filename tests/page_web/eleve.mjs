// A pupil's session in the page, in headless chromium, by mouse and menus: the founders'
// phenotypes, a child married, undone, the family saved. Prints the saved log and the page's own
// family as JSON, for the desktop program to replay and compare; with a third argument, takes a
// screenshot of the page at the end.
//   node eleve.mjs URL SORTIE_DOSSIER [CAPTURE.png]
import { ouvre_navigateur, attends, attends_que, clique } from "./cdp.mjs";
import { writeFileSync } from "node:fs";
import { join } from "node:path";

const [adresse, sortie, capture] = process.argv.slice(2);
const onglet = await ouvre_navigateur(1280, 900);
const visible = (selecteur) => `!!document.querySelector(${JSON.stringify(selecteur)})?.offsetParent
  || !!document.querySelector(${JSON.stringify(selecteur)})?.getBoundingClientRect().width`;
const ligne_du_journal = () => onglet.evalue(
  "[...document.querySelectorAll('[data-nom=evenements] div')].map((d) => d.textContent)");

// A phenotype chosen as a pupil does: the item of the first gene, then OK.
async function choisit(individu, item) {
  await clique(onglet, `#individu${individu}`);
  await attends_que(onglet, visible("[data-nom=prem_allele] label"), "le choix des phénotypes");
  await clique(onglet, `[data-nom=prem_allele] label:nth-of-type(${item + 1}) input`);
  await attends_que(onglet, "!document.querySelector('[data-nom=all_OK]').disabled", "OK actif");
  await clique(onglet, "[data-nom=all_OK]");
}

const individus = () => onglet.evalue("document.querySelectorAll('#arbre g[id^=individu]').length");

try {
  await onglet.demande("Page.navigate", { url: adresse });
  await attends_que(onglet, "document.body?.dataset.famille_montree_ms", "la page prête");
  await attends_que(onglet, "document.querySelector('#individu1.actif')", "les fondateurs");
  await choisit(1, 0);
  await choisit(2, 1);
  await attends_que(onglet, "document.querySelector('#individu3')", "les enfants");
  const enfants = (await individus()) - 2;
  await choisit(3, 1);
  await attends_que(onglet, `document.querySelectorAll('#arbre g[id^=individu]').length > ${enfants + 2}`,
                    "le conjoint et ses enfants");
  const marie = await individus();
  await clique(onglet, "[data-nom=Edition1]");
  await clique(onglet, "[data-nom=Annuler1]");
  await attends_que(onglet, `document.querySelectorAll('#arbre g[id^=individu]').length === ${enfants + 2}`,
                    "la famille d'avant le mariage");
  await clique(onglet, "[data-nom=Fichier1]");
  await clique(onglet, "[data-nom=sauver1]");
  await attends_que(onglet, "document.querySelector('dialog.enregistrer')", "le nom du fichier");
  await onglet.evalue("document.querySelector('dialog.enregistrer input').value = 'eleve.gen'");
  await clique(onglet, "dialog.enregistrer .boutons button");
  await attends_que(onglet, "page.dernier_enregistrement", "le téléchargement");
  const octets = await onglet.evalue("Array.from(page.dernier_enregistrement.octets)");
  writeFileSync(join(sortie, "eleve.gen"), Buffer.from(octets));
  writeFileSync(join(sortie, "page.json"),
                await onglet.evalue("page.orvan.ccall('orvan_famille', 'string', [], [])"));
  writeFileSync(join(sortie, "resume.json"), JSON.stringify({
    enfants, marie, apres_annulation: await individus(), historique: await ligne_du_journal(),
  }));
  if (capture) {
    const image = await onglet.demande("Page.captureScreenshot", { format: "png" });
    writeFileSync(capture, Buffer.from(image.data, "base64"));
  }
} catch (e) {
  console.error(e.message);
  const image = await onglet.demande("Page.captureScreenshot", { format: "png" });
  writeFileSync(join(sortie, "echec.png"), Buffer.from(image.data, "base64"));
  process.exitCode = 1;
} finally {
  await onglet.ferme();
}
