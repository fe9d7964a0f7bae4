# Encrypt with Vaultwise and Decrypt with Vaultwise in the Nautilus context menu.
# Loaded by nautilus-python (the python3-nautilus package); each item starts the
# desktop program with --encrypt or --decrypt and every selected path.

import subprocess

from gi.repository import GLib, GObject, Nautilus

ENCRYPTED_TYPES = ("application/x-vaultwise-encrypted", "application/x-vaultwise-sealed")
ENCRYPTED_ENDINGS = (".vw3", ".vws")

# The labels in each shipped language ("de", "pt_BR", ...); the package fills
# this in from the program's translations.
TRANSLATIONS = {}


def _(text):
    # The first of the user's languages that has the label, as GLib orders them
    # ("de_DE.UTF-8", "de_DE", "de", "C").
    for language in GLib.get_language_names():
        translated = TRANSLATIONS.get(language, {}).get(text)
        if translated:
            return translated
    return text


def _local_path(item):
    location = item.get_location()
    return location.get_path() if location is not None else None


def _is_encrypted(item, path):
    return item.get_mime_type() in ENCRYPTED_TYPES or path.lower().endswith(ENCRYPTED_ENDINGS)


def _reap(_pid, _status, process):
    # GLib has waited for the child that ended, so no <defunct> process stays
    # behind in Nautilus; the Popen object learns it is done.
    process.wait()


def _run(_menu_item, option, paths):
    # The paths are absolute: none is taken for an option.
    process = subprocess.Popen(["vaultwise", option, *paths], start_new_session=True)
    GLib.child_watch_add(GLib.PRIORITY_DEFAULT, process.pid, _reap, process)


def _menu_item(name, label, option, paths):
    item = Nautilus.MenuItem(name="MoraviVaultwise::" + name, label=label,
                             icon="moravi-vaultwise")
    item.connect("activate", _run, option, paths)
    return item


class VaultwiseMenu(GObject.GObject, Nautilus.MenuProvider):
    # Nautilus 43 and later pass (files); earlier ones (window, files).
    def get_file_items(self, *args):
        files = args[-1]
        paths = [_local_path(item) for item in files]
        if not paths or None in paths:
            return []
        items = [_menu_item("Encrypt", _("Encrypt with Vaultwise"), "--encrypt", paths)]
        if all(_is_encrypted(item, path) for item, path in zip(files, paths)):
            items.append(_menu_item("Decrypt", _("Decrypt with Vaultwise"), "--decrypt", paths))
        return items
