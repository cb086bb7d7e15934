// Opens the web page in Debian's headless chromium, through the DevTools protocol: waits for the
// family to be shown, prints the time from the page's opening to that moment (the page's own
// clock), and takes a screenshot. With FAMILLE.gen, the page opens that file through its file
// picker; with DOSSIER too, it then saves the family, the download going into DOSSIER.
//   node --experimental-websocket bench/page_web.mjs URL CAPTURE.png [FAMILLE.gen [DOSSIER]]
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync, existsSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

const [adresse, capture, famille, dossier] = process.argv.slice(2);
const [largeur, hauteur] = (process.env.TAILLE || "1100,800").split(",");
const profil = mkdtempSync(join(tmpdir(), "orvan-chromium-"));
const navigateur = spawn("chromium", [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
  `--user-data-dir=${profil}`, "--remote-debugging-port=0", `--window-size=${largeur},${hauteur}`,
  "about:blank"], { stdio: "ignore" });

const attends = (ms) => new Promise((r) => setTimeout(r, ms));
async function port_du_navigateur() {
  const fichier = join(profil, "DevToolsActivePort");
  for (let i = 0; i < 200 && !existsSync(fichier); ++i) await attends(50);
  return readFileSync(fichier, "utf8").split("\n")[0];
}

const port = await port_du_navigateur();
const onglets = await (await fetch(`http://127.0.0.1:${port}/json/list`)).json();
const socket = new WebSocket(onglets.find((o) => o.type === "page").webSocketDebuggerUrl);
await new Promise((r) => socket.addEventListener("open", r));
let numero = 0;
const attente = new Map();
socket.addEventListener("message", (m) => {
  const r = JSON.parse(m.data);
  if (attente.has(r.id)) attente.get(r.id)(r.result);
});
const demande = (method, params = {}) => new Promise((r) => {
  attente.set(++numero, r);
  socket.send(JSON.stringify({ id: numero, method, params }));
});
const evalue = async (expression) =>
  (await demande("Runtime.evaluate", { expression, returnByValue: true })).result.value;

async function attends_la_famille() {
  for (let i = 0; i < 300; ++i) {
    const t = await evalue("document.body && document.body.dataset.famille_montree_ms");
    if (t) return t;
    await attends(20);
  }
}

await demande("Page.enable");
await demande("Page.navigate", { url: adresse });
if (famille) {
  for (let i = 0; i < 300 && !(await evalue("document.getElementById('etat').textContent.startsWith('Prêt')")); ++i)
    await attends(20);
  const document_ = await demande("DOM.getDocument");
  const choix = await demande("DOM.querySelector",
                              { nodeId: document_.root.nodeId, selector: "#choix_fichier" });
  await demande("DOM.setFileInputFiles", { nodeId: choix.nodeId, files: [famille] });
}
const temps = await attends_la_famille();
if (temps && dossier) {
  await demande("Page.setDownloadBehavior", { behavior: "allow", downloadPath: dossier });
  await evalue("document.getElementById('enregistrer').click()");
  await attends(1000);
  console.log(await evalue("document.getElementById('etat').textContent"));
}
console.log(temps ? `famille montrée ${temps} ms après l'ouverture de la page`
                  : `famille pas montrée : ${await evalue("document.getElementById('etat')?.textContent")}`);
const image = await demande("Page.captureScreenshot", { format: "png" });
writeFileSync(capture, Buffer.from(image.data, "base64"));
socket.close();
navigateur.kill();
await attends(200);
rmSync(profil, { recursive: true, force: true });
process.exit(temps ? 0 : 1);
