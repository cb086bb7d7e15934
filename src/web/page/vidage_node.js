// `orvan --dump FICHIER.gen [--probabilites [--population]]` with the web build's core under
// node: the file is written into the module's file system at the same path, the current folder
// too, so that the messages and the family's title are those of the desktop program.
"use strict";
const fs = require("fs");
const path = require("path");
const charge_orvan = require(path.join(__dirname, "orvan.js"));

async function principal(arguments_) {
  const fichier = arguments_[0];
  if (!fichier) {
    process.stderr.write("usage : vidage_node.js FICHIER.gen [--probabilites [--population]]\n");
    return 2;
  }
  const probabilites = !arguments_.includes("--probabilites") ? 0
                       : arguments_.includes("--population") ? 2 : 1;
  const orvan = await charge_orvan();
  orvan.FS.mkdirTree(process.cwd());
  orvan.FS.chdir(process.cwd());
  const absolu = path.resolve(fichier);
  let octets = null;
  try {
    if (fs.statSync(absolu).isFile()) octets = fs.readFileSync(absolu);
  } catch (e) {
    // Absent or unreadable: the core says so in its own words.
  }
  if (octets) {
    orvan.FS.mkdirTree(path.dirname(absolu));
    orvan.FS.writeFile(absolu, octets);
  }
  const json = orvan.ccall("orvan_vidage", "string", ["string", "number"], [fichier, probabilites]);
  process.stderr.write(orvan.ccall("orvan_erreurs", "string", [], []));
  if (json === "") return 1;
  process.stdout.write(json);
  return 0;
}

principal(process.argv.slice(2)).then((code) => { process.exitCode = code; });
