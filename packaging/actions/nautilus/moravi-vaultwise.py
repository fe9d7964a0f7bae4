# Encrypt with Vaultwise and Decrypt with Vaultwise in the Nautilus context menu.
# Loaded by nautilus-python (the python3-nautilus package); each item starts the
# desktop program with --encrypt or --decrypt and the one selected path.

import subprocess

from gi.repository import GObject, Nautilus

ENCRYPTED_TYPES = ("application/x-vaultwise-encrypted", "application/x-vaultwise-sealed")
ENCRYPTED_ENDINGS = (".vw3", ".vws")


def _local_path(item):
    location = item.get_location()
    return location.get_path() if location is not None else None


def _run(_menu_item, option, path):
    subprocess.Popen(["vaultwise", option, path], start_new_session=True)


def _menu_item(name, label, option, path):
    item = Nautilus.MenuItem(name="MoraviVaultwise::" + name, label=label,
                             icon="moravi-vaultwise")
    item.connect("activate", _run, option, path)
    return item


class VaultwiseMenu(GObject.GObject, Nautilus.MenuProvider):
    # Nautilus 43 and later pass (files); earlier ones (window, files).
    def get_file_items(self, *args):
        files = args[-1]
        if len(files) != 1:
            return []
        path = _local_path(files[0])
        if path is None:
            return []
        items = [_menu_item("Encrypt", "Encrypt with Vaultwise", "--encrypt", path)]
        if files[0].get_mime_type() in ENCRYPTED_TYPES or path.lower().endswith(ENCRYPTED_ENDINGS):
            items.append(_menu_item("Decrypt", "Decrypt with Vaultwise", "--decrypt", path))
        return items
