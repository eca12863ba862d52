"""Reads the game window through the desktop's accessibility bus, as a screen
reader does.

    saavutettava.py ohje              the status line
    saavutettava.py ilmoitus          the status line's latest announcement
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


def etsi(juuri, ehto, syvin=False):
    """The first object that meets the condition, or with `syvin` the deepest
    one: a grid and its focus square both say they have the focus."""
    if not syvin and ehto(juuri):
        return juuri
    for i in range(juuri.childCount):
        lapsi = juuri.getChildAtIndex(i)
        if lapsi is not None:
            loytyi = etsi(lapsi, ehto, syvin)
            if loytyi is not None:
                return loytyi
    return juuri if syvin and ehto(juuri) else None


def main(argv):
    app = sovellus()
    if argv[0] == "ohje":
        kehys = etsi(app, lambda o: o.getRoleName() == "panel" and o.name == "Toimintaohje")
        print(kehys.getChildAtIndex(0).name)
    elif argv[0] == "ilmoitus":
        rivi = etsi(app, lambda o: o.getRoleName() == "status bar")
        ilmoitus = etsi(rivi, lambda o: o.getRoleName() == "notification")
        print(ilmoitus.name if ilmoitus is not None else "")
    elif argv[0] == "kohdistus":
        kohde = etsi(app, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED), syvin=True)
        print(kohde.name if kohde is not None else "")
    elif argv[0] == "ruutu":
        ruudukko = etsi(app, lambda o: o.getRoleName() == "panel" and o.name == argv[1])
        print(ruudukko.getChildAtIndex(int(argv[2]) - 1).name)
    else:
        sys.exit("tuntematon komento " + argv[0])


if __name__ == "__main__":
    main(sys.argv[1:])
