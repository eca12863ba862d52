"""Reads the game window through the desktop's accessibility bus, as a screen
reader does.

    saavutettava.py ohje              the status line
    saavutettava.py kohdistus         name of the object with the focus
    saavutettava.py ruutu GRID N      name of square N (1..100) of grid GRID
"""

import sys
import time

import pyatspi


def sovellus():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Sorvik":
                return app
        time.sleep(0.1)
    sys.exit("Sorvik ei näy saavutettavuusväylällä")


def etsi(juuri, ehto):
    if ehto(juuri):
        return juuri
    for i in range(juuri.childCount):
        lapsi = juuri.getChildAtIndex(i)
        if lapsi is not None:
            loytyi = etsi(lapsi, ehto)
            if loytyi is not None:
                return loytyi
    return None


def syvin(juuri, ehto):
    """The deepest object that meets the condition: a grid and its focus
    square both say they have the focus."""
    for i in range(juuri.childCount):
        lapsi = juuri.getChildAtIndex(i)
        if lapsi is not None:
            loytyi = syvin(lapsi, ehto)
            if loytyi is not None:
                return loytyi
    return juuri if ehto(juuri) else None


def main(argv):
    app = sovellus()
    if argv[0] == "ohje":
        kehys = etsi(app, lambda o: o.getRoleName() == "panel" and o.name == "Toimintaohje")
        print(kehys.getChildAtIndex(0).name)
    elif argv[0] == "kohdistus":
        kohde = syvin(app, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
        print(kohde.name if kohde is not None else "")
    elif argv[0] == "ruutu":
        ruudukko = etsi(app, lambda o: o.getRoleName() == "panel" and o.name == argv[1])
        print(ruudukko.getChildAtIndex(int(argv[2]) - 1).name)
    else:
        sys.exit("tuntematon komento " + argv[0])


if __name__ == "__main__":
    main(sys.argv[1:])
