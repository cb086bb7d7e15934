"""Reads the program's accessible tree through AT-SPI: every individual of the expected list
is found by its name, and Enter on an individual that takes a click opens the panel of its
phenotype."""
import subprocess
import sys
import time

import pyatspi

noms_attendus = [l.strip() for l in open(sys.argv[1], encoding="utf-8") if l.strip()]
programme = sys.argv[2]


def application(delai=30):
    fin = time.time() + delai
    while time.time() < fin:
        bureau = pyatspi.Registry.getDesktop(0)
        for app in bureau:
            if app is not None and app.name.lower() == programme.lower() and app.childCount > 0:
                return app
        time.sleep(0.3)
    noms = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
    sys.exit(f"{programme} n'apparaît pas sur le bus d'accessibilité (on y voit : {noms})")


def parcourt(acc, profondeur=0):
    if acc is None or profondeur > 40:
        return
    yield acc
    for i in range(acc.childCount):
        try:
            enfant = acc.getChildAtIndex(i)
        except Exception:
            continue
        yield from parcourt(enfant, profondeur + 1)


def montre(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def individus(app):
    return {a.name: a for a in parcourt(app)
            if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and montre(a) and "-" in a.name[:5]}


app = application()
trouves = {}
fin = time.time() + 30
while time.time() < fin:
    trouves = individus(app)
    if all(n in trouves for n in noms_attendus):
        break
    time.sleep(0.5)
manquants = [n for n in noms_attendus if n not in trouves]
if manquants:
    print("individus introuvables :", *manquants, sep="\n  ")
    print("noms lus :", *sorted(trouves), sep="\n  ")
    sys.exit(1)
print(f"{len(noms_attendus)} individus trouvés par leur nom")

# Enter on the first individual that still takes a click, given the focus the screen
# reader's way.
actif = next(a for n, a in trouves.items() if a.getState().contains(pyatspi.STATE_SENSITIVE)
             and n in noms_attendus and n.startswith("II-"))
actif.queryComponent().grabFocus()
fin = time.time() + 10
while not actif.getState().contains(pyatspi.STATE_FOCUSED) and time.time() < fin:
    time.sleep(0.2)
if not actif.getState().contains(pyatspi.STATE_FOCUSED):
    sys.exit(f"{actif.name} ne prend pas le focus")
subprocess.run(["xdotool", "key", "Return"], check=True)
fin = time.time() + 10
while time.time() < fin:
    panneaux = [a for a in parcourt(app) if a.name == "Choix des phénotypes" and montre(a)]
    if panneaux:
        print(f"Entrée sur {actif.name} ouvre « Choix des phénotypes »")
        break
    time.sleep(0.3)
else:
    sys.exit("Entrée n'ouvre pas le panneau des phénotypes")
subprocess.run(["xdotool", "key", "Escape"], check=True)
