// A small client of the DevTools protocol for Debian's chromium, headless, over the pipe that
// chromium opens with --remote-debugging-pipe: no download, no network port.
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

export async function ouvre_navigateur(largeur = 1280, hauteur = 900) {
  const profil = mkdtempSync(join(tmpdir(), "orvan-chromium-"));
  const navigateur = spawn("chromium", [
    "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
    "--disable-background-networking", "--disable-component-update", "--remote-debugging-pipe",
    `--user-data-dir=${profil}`, `--window-size=${largeur},${hauteur}`],
    { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
  const entree = navigateur.stdio[3], sortie = navigateur.stdio[4];
  let numero = 0, tampon = "";
  const attente = new Map();
  sortie.on("data", (morceau) => {
    tampon += morceau.toString("utf8");
    let fin;
    while ((fin = tampon.indexOf("\0")) >= 0) {
      const message = JSON.parse(tampon.slice(0, fin));
      tampon = tampon.slice(fin + 1);
      const suite = attente.get(message.id);
      if (!suite) continue;
      attente.delete(message.id);
      if (message.error) suite.non(new Error(JSON.stringify(message.error)));
      else suite.oui(message.result);
    }
  });
  const demande = (method, params = {}, sessionId) => new Promise((oui, non) => {
    attente.set(++numero, { oui, non });
    entree.write(JSON.stringify({ id: numero, method, params, sessionId }) + "\0");
  });
  const { targetId } = await demande("Target.createTarget", { url: "about:blank" });
  const { sessionId } = await demande("Target.attachToTarget", { targetId, flatten: true });
  const onglet = (method, params) => demande(method, params, sessionId);
  await onglet("Page.enable");
  await onglet("Emulation.setDeviceMetricsOverride",
               { width: largeur, height: hauteur, deviceScaleFactor: 1, mobile: false });
  return {
    demande: onglet,
    async evalue(expression) {
      const r = await onglet("Runtime.evaluate",
                             { expression, returnByValue: true, awaitPromise: true });
      if (r.exceptionDetails) throw new Error(r.exceptionDetails.exception?.description
                                              || r.exceptionDetails.text);
      return r.result.value;
    },
    async ferme() {
      navigateur.kill();
      await new Promise((r) => setTimeout(r, 200));
      rmSync(profil, { recursive: true, force: true });
    },
  };
}

export const attends = (ms) => new Promise((r) => setTimeout(r, ms));

// Waits until the expression is true in the page; fails after some seconds.
export async function attends_que(onglet, expression, quoi) {
  for (let i = 0; i < 400; ++i) {
    if (await onglet.evalue(expression)) return;
    await attends(25);
  }
  throw new Error("jamais vu : " + quoi);
}

// A click of the mouse at the middle of the element, as the user's.
export async function clique(onglet, selecteur, bouton = "left") {
  const centre = await onglet.evalue(`(() => {
    const e = document.querySelector(${JSON.stringify(selecteur)});
    if (!e) return null;
    e.scrollIntoView({ block: "center", inline: "center" });
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  })()`);
  if (!centre) throw new Error("rien à cliquer : " + selecteur);
  for (const type of ["mousePressed", "mouseReleased"])
    await onglet.demande("Input.dispatchMouseEvent",
                         { type, ...centre, button: bouton, clickCount: 1 });
}
