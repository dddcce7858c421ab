#!/usr/bin/python3
"""Reads Kirel's window the way a screen reader does, through AT-SPI, on every
tab. Fails when a field, list, check box or option button that shows is known
by no name (a list's name is only its current item: it needs a caption tied to
it), or when a control the user cannot see is listed among shown ones. Then
writes, inserts and deletes text in every read-only field and runs every
action of the locked band lists: fails when anything changes.
Run by check_screen_reader.sh, which provides the display and the buses."""
import subprocess
import sys
import time

import pyatspi

NAMED = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX,
         pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON}
CONTROLS = NAMED | {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TOGGLE_BUTTON}


def showing(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)


def children(o):
    return [c for c in o if c is not None]


def captions(o):
    return [r.getTarget(i).name for r in o.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets()) if r.getTarget(i).name.strip()]


def nameless(o):
    if captions(o):
        return False
    if o.getRole() == pyatspi.ROLE_COMBO_BOX:  # its name is what it shows
        items = {i.name for c in children(o) for i in children(c)}
        return not o.name.strip() or o.name in items
    return not o.name.strip()


def faults(o, path, found):
    for c in children(o):
        where = f"{path} > {c.getRoleName()} '{c.name}'"
        if not showing(c):
            if c.getRole() in CONTROLS:
                found.add(f"listed but unseen: {where}")
            continue
        if c.getRole() in NAMED and nameless(c):
            found.add(f"no name: {where}")
        if c.getRole() != pyatspi.ROLE_COMBO_BOX or children(c):
            faults(c, path if c.getRole() == pyatspi.ROLE_FILLER else where, found)


def find(o, role, name):
    if o.getRole() == role and o.name == name:
        return o
    for c in children(o):
        if (hit := find(c, role, name)) is not None:
            return hit
    return None


def application(pid):
    for _ in range(100):
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.get_process_id() == pid and app.childCount:
                return app
        time.sleep(0.1)
    sys.exit("kirel never showed up on the accessibility bus")


def press(app, tab):
    find(app, pyatspi.ROLE_PAGE_TAB, tab).queryAction().doAction(0)
    time.sleep(0.3)


def everything(o, role):
    found = [o] if o.getRole() == role else []
    for c in children(o):
        found += everything(c, role)
    return found


def text_of(o):
    t = o.queryText()
    return t.getText(0, t.characterCount)


def locked_writes(app, found):
    """Each read-only field shown written to, each locked list's actions run;
    returns how many were tried."""
    tried = 0
    for field in everything(app, pyatspi.ROLE_TEXT) + everything(app, pyatspi.ROLE_ENTRY):
        if not showing(field) or not field.getState().contains(pyatspi.STATE_READ_ONLY):
            continue
        before = text_of(field)
        edit = field.queryEditableText()
        edit.setTextContents("666")
        edit.insertText(0, "6", 1)
        edit.deleteText(0, 1)
        if text_of(field) != before:
            found.add(f"read-only field written: '{field.name}' {before} -> {text_of(field)}")
        tried += 1
    for combo in everything(app, pyatspi.ROLE_COMBO_BOX):
        edits = [c for c in children(combo) if c.getRole() == pyatspi.ROLE_TEXT]
        if not showing(combo) or not any(e.getState().contains(pyatspi.STATE_READ_ONLY)
                                         for e in edits):
            continue  # the locked band lists: their edit parts are read-only
        before = combo.name
        action = combo.queryAction()
        for i in range(action.nActions):
            action.doAction(i)
            time.sleep(0.2)
            popup = [c for c in children(combo) if c.getRole() == pyatspi.ROLE_LIST and showing(c)]
            if popup or combo.name != before:
                found.add(f"locked list opened or changed: {captions(combo)} {action.getName(i)}")
        tried += 1
    return tried


def main(kirel):
    proc = subprocess.Popen([kirel])
    try:
        app = application(proc.pid)
        found, checked, written = set(), 0, 0
        for tabs in (["Bases"], ["Led"], ["Led", "Parallèle"], ["Zener"], ["Trans"],
                     ["Résis"], ["???"]):
            for tab in tabs:
                press(app, tab)
            faults(app, "/".join(tabs), found)
            checked += 1
            if tabs in (["Bases"], ["Résis"]):
                written += locked_writes(app, found)
        for f in sorted(found):
            print("FAIL:", f, file=sys.stderr)
        print(f"{checked} tab states read, {written} read-only fields and locked lists "
              f"written to, {len(found)} fault(s)")
        return 1 if found else 0
    finally:
        proc.terminate()
        proc.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
