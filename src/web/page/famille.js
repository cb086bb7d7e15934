// The family's picture, drawn by the core as SVG from its scene: shown over the window where
// the core's symbols stand, each individual a button for the mouse, the keyboard and a screen
// reader; exported as SVG or PNG, printed alone on its page.
"use strict";

class ImageFamille {
  constructor(conteneur, envoie) {
    this.conteneur = conteneur;
    this.envoie = envoie;
    this.svg = "";
  }

  actualise(famille, textes) {
    this.conteneur.setAttribute("aria-label", textes.arbre);
    Object.assign(this.conteneur.style, { left: famille.x + "px", top: famille.y + "px" });
    if (famille.svg !== this.svg) {
      this.svg = famille.svg;
      const focalise = document.activeElement && document.activeElement.closest("#arbre g");
      const id = focalise && focalise.id;
      this.conteneur.innerHTML = famille.svg.replace(/^<\?xml[^>]*>\s*/, "");
      this.rend_actifs(famille.actifs);
      if (id && this.conteneur.querySelector("#" + id))
        this.conteneur.querySelector("#" + id).focus();
    }
  }

  // Each individual that takes a click takes Enter and Space too; its name and description are
  // those the core wrote for a reader.
  rend_actifs(actifs) {
    for (const g of this.conteneur.querySelectorAll("g[id^=individu]")) {
      const k = Number(g.id.slice("individu".length));
      const titre = g.querySelector("title");
      const description = g.querySelector("desc");
      g.setAttribute("aria-label", [titre && titre.textContent, description && description.textContent]
        .filter(Boolean).join(". "));
      if (!actifs.includes(k)) {
        g.setAttribute("role", "img");
        continue;
      }
      g.classList.add("actif");
      g.setAttribute("role", "button");
      g.setAttribute("tabindex", "0");
      const clic = (bouton) => this.envoie({ action: "individu", individu: k, bouton });
      g.addEventListener("click", () => clic(0));
      g.addEventListener("contextmenu", (e) => { e.preventDefault(); clic(2); });
      g.addEventListener("keydown", (e) => {
        if (e.key !== "Enter" && e.key !== " ") return;
        e.preventDefault();
        e.stopPropagation();
        clic(e.shiftKey ? 2 : 0);
      });
    }
  }
}

function telecharge(nom, blob) {
  const lien = cree("a", { href: URL.createObjectURL(blob), download: nom });
  document.body.append(lien);
  lien.click();
  lien.remove();
  setTimeout(() => URL.revokeObjectURL(lien.href), 1000);
}

function exporte_svg(svg, nom) {
  telecharge(nom + ".svg", new Blob([svg], { type: "image/svg+xml" }));
}

// Twice the screen's pixels, on white, as the desktop's PNG.
function exporte_png(svg, nom) {
  const image = new Image();
  image.onload = () => {
    const toile = cree("canvas", { width: image.width * 2, height: image.height * 2 });
    const c = toile.getContext("2d");
    c.fillStyle = "#fff";
    c.fillRect(0, 0, toile.width, toile.height);
    c.drawImage(image, 0, 0, toile.width, toile.height);
    toile.toBlob((blob) => telecharge(nom + ".png", blob), "image/png");
  };
  image.src = "data:image/svg+xml;charset=utf-8," + encodeURIComponent(svg);
}

function imprime_famille(svg) {
  const zone = document.getElementById("impression");
  zone.innerHTML = svg.replace(/^<\?xml[^>]*>\s*/, "");
  window.print();
}

// The zoom of the whole window, as the desktop's: steps of a tenth, 50 % to 300 %.
class Zoom {
  constructor(cadre, surface, apres) {
    this.cadre = cadre;
    this.surface = surface;
    this.apres = apres;
    this.valeur = 1;
  }
  regle(v) {
    this.valeur = Math.min(3, Math.max(0.5, Math.round(v * 10) / 10));
    this.applique();
  }
  applique(taille) {
    if (taille) this.taille = taille;
    const { l, h } = this.taille || { l: 0, h: 0 };
    Object.assign(this.surface.style, { width: l + "px", height: h + "px",
                                        transform: `scale(${this.valeur})` });
    Object.assign(this.cadre.style, { width: l * this.valeur + "px", height: h * this.valeur + "px" });
    if (this.apres) this.apres(this.valeur);
  }
}

function bascule_plein_ecran() {
  if (document.fullscreenElement) document.exitFullscreen();
  else document.documentElement.requestFullscreen().catch(() => {});
}
