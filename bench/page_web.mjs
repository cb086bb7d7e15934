// Opens the web page in Debian's headless chromium, through the DevTools protocol: waits for the
// first family drawn, prints the time from the page's opening to that moment (the page's own
// clock), and takes a screenshot. With FAMILLE.gen, the page then opens that file through
// "Fichier › Ouvrir" and its file picker, and the screenshot shows it.
//   node bench/page_web.mjs URL CAPTURE.png [FAMILLE.gen]
// TAILLE=largeur,hauteur sets the window's size (1100,800).
import { ouvre_navigateur, attends, attends_que, clique } from "../tests/page_web/cdp.mjs";
import { writeFileSync } from "node:fs";
import { resolve } from "node:path";

const [adresse, capture, famille] = process.argv.slice(2);
const [largeur, hauteur] = (process.env.TAILLE || "1100,800").split(",").map(Number);
const onglet = await ouvre_navigateur(largeur, hauteur);
let temps = null;
try {
  await onglet.demande("Page.navigate", { url: adresse });
  await attends_que(onglet, "document.body?.dataset.famille_montree_ms", "la première famille");
  temps = await onglet.evalue("document.body.dataset.famille_montree_ms");
  if (famille) {
    await clique(onglet, "[data-nom=Fichier1]");
    await clique(onglet, "[data-nom=Ouvrir1]");
    await attends_que(onglet, "document.querySelector('dialog.ouvrir input[type=file]')", "l'ouverture");
    const racine = await onglet.demande("DOM.getDocument");
    const choix = await onglet.demande("DOM.querySelector", { nodeId: racine.root.nodeId,
                                                             selector: "dialog.ouvrir input[type=file]" });
    await onglet.demande("DOM.setFileInputFiles", { nodeId: choix.nodeId, files: [resolve(famille)] });
    await attends_que(onglet, "!document.querySelector('dialog.ouvrir')", "la famille ouverte");
  }
  // The start picture fades away on the core's timers.
  await attends(1500);
  console.log(`famille montrée ${temps} ms après l'ouverture de la page`);
} catch (e) {
  console.log("famille pas montrée : " + e.message);
}
const image = await onglet.demande("Page.captureScreenshot", { format: "png" });
writeFileSync(capture, Buffer.from(image.data, "base64"));
await onglet.ferme();
process.exit(temps ? 0 : 1);
