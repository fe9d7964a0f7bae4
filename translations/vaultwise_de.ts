<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Index außerhalb des Bereichs: Die Ersetzungstabelle ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>Eintrag %1 ist %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>kein Eintrag enthält %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Das Passwort enthält ein Zeichen, das nicht gespeichert werden kann (nur Windows-1252-Zeichen sind erlaubt)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Ungültiges Dateiformat: „%1“ ist keine gültige verschlüsselte Datei (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Ungültiges Dateiformat: „%1“ ist keine Vaultwise-Datei</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 hat %2 Dimensionen statt 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 gibt %2 Bytes an, mehr als eine verschlüsselte Datei fassen kann</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 hat die Untergrenze %2 statt 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: „%1“ kann keine %2 Bytes fassen; eine verschlüsselte Datei fasst höchstens 2.147.483.647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Der Quellname ist zu lang</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Dateiverschlüsselung</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Dateien und Ordner ver- und entschlüsseln</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>verschlüsseln;entschlüsseln;Passwort;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Verschlüsselte Datei</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Mit Moravi Vaultwise verschlüsselte Datei</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Versiegelte Moravi-Vaultwise-Datei</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Mit Vaultwise verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Mit Vaultwise entschlüsseln</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Die gewählten Dateien oder Ordner in passwortgeschützte .vw3- oder .vws-Dateien verwandeln</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Die gewählten .vw3- oder .vws-Dateien wieder in ihren Inhalt zurückverwandeln</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Verschlüsselte Dateien</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Jede Datei und jeder Ordner</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Eine Datei oder einen Ordner mit einem Passwort vor neugierigen Blicken schützen</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise verwandelt eine Datei oder die Dateien direkt in einem Ordner in eine einzige passwortgeschützte .vw3-Datei und wieder zurück. Ziehen Sie eine Datei oder einen Ordner auf sein Fenster, wählen Sie eine Aktion oder öffnen Sie eine .vw3-Datei aus der Dateiverwaltung.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Was eine .vw3-Datei schützt und was nicht: Der Inhalt wird mit einer Byte-Ersetzungstabelle verwürfelt, die in der Datei selbst steht. Das Passwort entscheidet nur, ob das Programm weitermacht; wer die Datei hat, kann ihren Inhalt ohne Passwort wiederherstellen. Verwenden Sie es gegen neugierige Blicke, nie als starke Verschlüsselung.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Für Inhalte, die geheim bleiben müssen, schreibt es auch versiegelte .vws-Dateien: Das Passwort durchläuft Argon2id und der Inhalt wird mit XChaCha20-Poly1305 verschlüsselt. Ohne Passwort ist nur die Größe zu sehen, und ein verändertes Byte lässt die Datei das Öffnen verweigern, statt falsch wiederherzustellen.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>„Mit Vaultwise verschlüsseln“ und „Mit Vaultwise entschlüsseln“ erscheinen in den Kontextmenüs von Dolphin, Nemo, Nautilus, Caja und Thunar. Das Hauptfenster lässt sich allein mit der Tastatur bedienen, und eine Benachrichtigung meldet, wenn ein langer Vorgang fertig ist.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>Der Befehl vw3 tut dasselbe im Terminal, und vw3 info zeigt, was eine Datei enthält, ohne nach dem Passwort zu fragen.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>Das Hauptfenster mit seinen fünf Aktionen</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Eingabe hinter dem Dateiende: „%1“ ist beschädigt oder nicht von dieser Art (%2 braucht %3 Bytes, nur %4 sind übrig)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Fehler beim Öffnen von</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Fehler beim Lesen von</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ meldet keine Größe, enthält aber Daten</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ ist ein Socket, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ ist ein Ordner, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ ist ein Gerät, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Pfad-/Dateizugriffsfehler: „%1“ ist ein FIFO, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>die Zufallsquelle des Systems</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Fehler beim Anlegen eines Ordners in</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Zugriff verweigert: Kann keinen eigenen Ordner in „%1“ sperren</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Kann keine Datei ohne Namen anlegen</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Zugriff verweigert: Kein privater Ordner, um den Inhalt zu prüfen, bevor er nach „%1“ geschrieben wird (%2 gehört nicht diesem Benutzer)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>„%1“ ist ein Ordner; keine Datei ersetzt ihn</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>„%1“ ist eine Verknüpfung; kein Ordner ersetzt sie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>„%1“ ist eine Datei; kein Ordner ersetzt sie</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Pfad-/Dateizugriffsfehler: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; im Ordner wurde nichts geändert</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; diese Dateien waren schon geschrieben und bleiben ersetzt: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Kann „%1“ nicht schreiben</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Fehler beim Ersetzen von</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>Datei existiert bereits: „%1“ erschien während des Schreibens und wurde nicht ersetzt</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Fehler beim Anlegen einer temporären Datei für komprimierte Einträge in</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>der Zwischenspeicher komprimierter Einträge</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Fehler beim Anlegen des Ordners</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Die Berechtigungen von „%1“ konnten nicht gesetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>der geschriebene Inhalt</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>ein Block</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>die Kennung</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>der Kopf</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>der Inhalt</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>eine Nachrichtenlänge</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>eine Nachricht</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>der Inhalt eines Eintrags</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>die Quelldatei</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>die Eintragstabelle</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>die Dimensionszahl eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>die Länge eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>die Untergrenze eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>die Namenslänge eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>der Name eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>die Dateigröße eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>die Komprimierungsangabe eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>der reservierte Text eines Eintrags</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>die reservierten Bytes eines Eintrags</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>die Länge der Beschreibung</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>die Dimensionszahl der Eintragstabelle</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>die Platzzahl der Eintragstabelle</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>die Untergrenze der Eintragstabelle</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>die Länge der Formatkennung</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>die Formatkennung</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>die Länge eines reservierten Texts</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>ein reservierter Text</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>eine reservierte Zahl</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>die Nutzdaten</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>das Passwort</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>die Quellart</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>der Quellname</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>die Ersetzungstabelle</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>die Ausgabe passt nicht</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>die Daten sind beschädigt</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>der Datenstrom braucht ein voreingestelltes Wörterbuch</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>Komprimierter Eintrag ist beschädigt: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>Komprimierter Eintrag %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>Komprimierungsstufe %1 liegt nicht zwischen 1 und 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Kann die Datei nicht komprimieren: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>seine gespeicherte Länge %1 ist negativ</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 komprimierte Bytes können nicht die gespeicherten %2 Bytes ergeben</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib meldet: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>er ergibt %1 Bytes, nicht die gespeicherten %2</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Kann den Eintrag nicht entpacken: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>er ergibt mehr als die gespeicherten %1 Bytes</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>der zlib-Datenstrom ist abgeschnitten</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Die Paketdatei „%1“ wurde seit Beginn der Sitzung von jemand anderem geändert</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>Der Zwischenspeicher komprimierter Einträge ist abgeschnitten</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Ein Eintrag verweist auf eine Paketdatei, die nie gelesen wurde</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Ein komprimierter Eintrag hat seine Bytes verloren</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>Die Quelldatei „%1“ hat sich nach dem Hinzufügen geändert: Sie hatte %2 Bytes, jetzt %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>ihr Name ist leer</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>ihr Name „%1“ ist ein Ordnerschritt</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>ihr Name „%1“ enthält einen Ordnertrenner</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>ihr Name enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>Datei %1 wird nicht entpackt: Ihr Name „%2“ ist einer, den dieses Programm für eigene Dateien verwendet</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>Datei %1 wird nicht entpackt: %2 und könnte außerhalb des Zielordners geschrieben werden</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Ungültiger Dateiname: Datei %1 „%2“ hat einen Namen von %3 Bytes; das Ziel erlaubt höchstens %4 Bytes</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Datenträger voll: Das Paket enthält %1 Bytes, aber „%2“ hat nur %3 frei</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Platz %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>der Inhalt eines Eintrags hat %1 Dimensionen; möglich sind nur 0 oder 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Ein Text von %1 Bytes passt nicht in ein Paket (höchstens 65.535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Die Bytes eines Eintrags konnten nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Kann „%1“ nicht lesen: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>„%1“ hat sich beim Öffnen geändert</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>die Eintragstabelle hat %1 Dimensionen; möglich sind nur 0 oder 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>Datei %1 wird nicht entpackt: Ihr Name „%2“ ist auch der von Datei %3, und eine würde die andere ersetzen</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Ungültiges Dateiformat: „%1“ ist beschädigt oder kein Paket: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>die Eintragstabelle beginnt bei Platz %1, nicht bei Platz 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>die Eintragstabelle gibt %1 Plätze an, aber es folgen nur %2 Bytes, und jeder Platz braucht mindestens 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>ein Eintrag gibt %1 Bytes an; ein Paketeintrag fasst höchstens 2.147.483.647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>es gibt %1 Dateien an, aber seine Eintragstabelle hat %2 Plätze</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Kann „%1“ nicht hinzufügen: Sie enthält %2 Bytes; ein Paketeintrag fasst höchstens 2.147.483.647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>Die Quelldatei „%1“ hat sich nach dem Auflisten geändert: Sie hatte %2 Bytes, jetzt weniger</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Kann „%1“ nicht hinzufügen: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>Die Quelldatei „%1“ hat sich nach dem Auflisten geändert: Sie hatte %2 Bytes, jetzt %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Quelldatei nicht gefunden</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Kein Zielordner angegeben</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Ungültige Dateinummer</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Index außerhalb des Bereichs: Das Paket hat keinen Platz %1 (seine letzte Datei hat die Nummer %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>Das Paket kann keine weiteren Dateien aufnehmen</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Ungültige Dateinummer %1: Das Paket enthält %2 Dateien</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Index außerhalb des Bereichs: Der Inhalt von Platz %1 hat nie eine Größe erhalten</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>Die Beschreibung ist %1 Bytes lang; ein Paket fasst höchstens 65.535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Dieses %n Element als klassische .vw3-Datei verschlüsseln (ihr Inhalt ist nicht geschützt), als versiegelte .vws-Datei daneben oder als eine versiegelte .vws-Datei, die es enthält?</numerusform>
            <numerusform>Diese %n Elemente als klassische .vw3-Dateien verschlüsseln (ihr Inhalt ist nicht geschützt), als versiegelte .vws-Dateien, jede neben ihrem Element, oder als eine versiegelte .vws-Datei, die alle enthält?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Verschlüsselte Zieldatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>„%1“ existiert bereits. Ersetzen?
(Abbrechen behält die Datei, und dieses Element wird ausgelassen.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>%n Element verschlüsseln</numerusform>
            <numerusform>%n Elemente verschlüsseln</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Klassische .vw3-Dateien</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Versiegelte .vws-Dateien</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Eine versiegelte .vws-Datei</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... und %1 weitere</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Nicht verschlüsselt: Eine klassische .vw3-Datei enthält nur die eigenen Dateien des Ordners; Unterordner, symbolische Verknüpfungen, Spezialdateien und Namen, die mit einem Punkt beginnen, werden ausgelassen:%1
Versiegelte .vws-Dateien bewahren ganze Ordnerbäume.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Ordner verschlüsseln</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n Datei in %1 von „%2“ wird durch die entschlüsselte ersetzt:%3</numerusform>
            <numerusform>%n Dateien in %1 von „%2“ werden durch die entschlüsselten ersetzt:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordnern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n Datei in „%1“ wird durch die entschlüsselte ersetzt:%2</numerusform>
            <numerusform>%n Dateien in „%1“ werden durch die entschlüsselten ersetzt:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Dateien ersetzen</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Bitte geben Sie das Passwort der verschlüsselten Datei ein:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Kein Baum</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Die Dateien von „%1“ ergeben ein Paket von %2 Bytes; eine verschlüsselte Datei fasst höchstens 2.147.483.647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Bitte wählen Sie einen Ordner zum Verschlüsseln:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Eingabe hinter dem Dateiende: Die Nutzdaten enden %1 Bytes zu früh</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Moravi-Vaultwise-3.5-Dateien (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Bitte geben Sie ein Passwort für die verschlüsselte Datei ein:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Bitte bestätigen Sie das Passwort für die verschlüsselte Datei:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Neues Passwort der versiegelten Datei (Groß-/Kleinschreibung zählt):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Passwort bestätigen (Groß-/Kleinschreibung zählt):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Fehler: Die eingegebenen Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Fehler: Sie haben ein falsches Passwort eingegeben.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Nicht verschlüsselt (Spezialdateien werden ausgelassen):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Zieldatei</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Bitte wählen Sie den Ordner, in den die verschlüsselten Dateien kommen sollen:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Versiegelte Vaultwise-Dateien (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Schwaches Passwort</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Datei verschlüsseln</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Verschlüsselte Quelldatei</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Passwort der versiegelten Datei (Groß-/Kleinschreibung zählt):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Eine versiegelte Datei braucht ein Passwort</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Ungültiger Dateiname: „%1“ kann nicht verschlüsselt werden: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>ihr Name ist kein gültiges UTF-8 und käme als anderer Name zurück</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>sie käme unter dem Namen von „%1“ zurück</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Zugriff verweigert: Kein privater Ordner für das temporäre Paket (der Ordner des Programms ist nicht beschreibbar und %1 gehört nicht diesem Benutzer)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Eine versiegelte Datei wird nur mit ihrem Passwort gelesen</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>Keine Wortliste</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Das Passwort lässt sich nicht in seine Unicode-Normalform bringen (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>Der Inhalt ist zu groß zum Versiegeln</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>Die versiegelte Datei „%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>Der Aufwand der Schlüsselableitung liegt außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>Der Dateiname ist zu lang zum Speichern</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>Die Kryptographie-Bibliothek kann nicht starten</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Das Passwort einer versiegelten Datei muss UTF-8-Text sein</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>etwa %n Tag</numerusform>
            <numerusform>etwa %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>etwa %n Jahr</numerusform>
            <numerusform>etwa %n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>etwa %n tausend Jahre</numerusform>
            <numerusform>etwa %n tausend Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>etwa %n Million Jahre</numerusform>
            <numerusform>etwa %n Millionen Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>mehr als eine Milliarde Jahre</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>bräuchte %1, um bei %2 Versuchen pro Sekunde und Prozessor erraten zu werden</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Dieses Passwort ist schwach: Es %1, und ein Angreifer hat viele Prozessoren. Ein längeres Passwort oder eine erzeugte Passphrase aus mehreren Wörtern ist viel schwerer zu erraten.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Kann „%1“ nicht lesen: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Kann „%1“ nicht lesen: unbekannter Fehler</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Kann „%1“ nicht lesen: Die Datei ist während des Verschlüsselns gewachsen</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Kann „%1“ in einer versiegelten Datei nicht benennen</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Zwei der Elemente heißen „%1“; eine versiegelte Datei enthält nur eines</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Nichts zu entfernen: Für diesen Benutzer gibt es keine Registrierung.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Mehr dazu mit „vaultwise --help“.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>„%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise verwandelt eine Datei oder die Dateien eines Ordners in eine
passwortgeschützte .vw3-Datei (oder eine versiegelte .vws-Datei) und zurück. Ohne
Argumente zeigt es sein Fenster; mit einem Pfad entschlüsselt es eine .vw3- oder
.vws-Datei und verschlüsselt alles andere.
Qts eigene Optionen (-style, -platform, ...) werden an Qt weitergegeben.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Die Datei oder den Ordner unter PATH verschlüsseln: fragt nach dem Ziel. Weitere Pfade bilden einen Stapel: eine Format- und Passwortfrage für alle.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Die .vw3- oder .vws-Datei unter PATH entschlüsseln; weitere Pfade ebenso, jede neben ihrer verschlüsselten Datei.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Die Dateityp-Registrierung und die Dateiverwaltungs-Aktionen dieses Benutzers rückgängig machen.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Eine zu verschlüsselnde Datei oder ein Ordner, oder eine zu entschlüsselnde Datei.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>geben Sie eines von --encrypt, --decrypt, --unregister oder einen Pfad an</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 ist fertig</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n Element ist fertig</numerusform>
            <numerusform>%n Elemente sind fertig</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise hat es in %1 geschrieben</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise hat sie in %1 geschrieben</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>Klassisches .vw3 schützt vor neugierigen Blicken: Wer die Datei hat, kann sie ohne Passwort lesen.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>Versiegeltes .vws hält den Inhalt geheim: Nur das Passwort öffnet es, und ein verändertes Byte wird als Beschädigung gemeldet.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Der Name entscheidet: Endet er auf .vws, entsteht eine versiegelte Datei, sonst eine klassische .vw3-Datei, die sich ohne Passwort öffnen lässt.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Hilfe zu Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Was jede Dateiart schützt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Klassische .vw3-Dateien&lt;/b&gt; schützen eine Datei vor neugierigen Blicken. Der Inhalt wird mit einer Tabelle verwürfelt, die in der Datei steht: Wer die Datei hat, kann sie ohne Passwort lesen, und ein verändertes Byte bleibt unbemerkt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Versiegelte .vws-Dateien&lt;/b&gt; halten den Inhalt geheim: Nur das Passwort öffnet sie (Argon2id und XChaCha20-Poly1305), nur die Größe ist zu sehen, und ein verändertes Byte wird als Beschädigung gemeldet. Wählen Sie im Speichern-Dialog den versiegelten Typ oder einen Namen, der auf .vws endet.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Wohin die Ergebnisse kommen</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Verschlüsseln: Der Speichern-Dialog öffnet sich neben der Datei oder dem Ordner, mit deren Namen und angehängtem .vw3 oder .vws. Eine Auswahl aus der Dateiverwaltung schreibt jedes Ergebnis neben seine Quelle.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Eine Datei entschlüsseln: Der Speichern-Dialog schlägt den gespeicherten Namen vor, neben der verschlüsselten Datei.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Einen Ordner entschlüsseln: Neben der verschlüsselten Datei wird ein neuer Ordner mit seinem Namen vorgeschlagen. Dateien, die ersetzt würden, werden genannt, und Sie werden vorher gefragt.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>Beim Abbrechen wird nichts geschrieben, und eine beschädigte Datei schreibt nichts.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, Pfeiltasten</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>zwischen den Symbolen wechseln</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Eingabe, Leertaste</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>das markierte Symbol ausführen</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Eingabe, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK und Abbrechen im Passwortdialog</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>die Arbeit im Fortschrittsfenster anhalten</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Die Handbuchseiten sagen den Rest: %1 für dieses Programm und %2 für den Befehl, der dasselbe im Terminal tut.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Eine Datei verschlüsseln...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Eine Datei oder einen Ordner entschlüsseln...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>Über Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Moravi Vaultwise beenden</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Einen Ordner verschlüsseln...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Willkommen bei Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Bitte wählen Sie unten eine Aktion:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Alle Rechte vorbehalten.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Bitte geben Sie Ihr Passwort ein:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>etwa %n Milliarde Jahre</numerusform>
            <numerusform>etwa %n Milliarden Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>etwa %n Million Jahre</numerusform>
            <numerusform>etwa %n Millionen Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>etwa %n tausend Jahre</numerusform>
            <numerusform>etwa %n tausend Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>etwa %n Jahr</numerusform>
            <numerusform>etwa %n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>etwa %n Tag</numerusform>
            <numerusform>etwa %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>mehr als tausend Milliarden Jahre</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Das Passwort bestätigen</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Abbrechen und zum Hauptfenster zurückkehren</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Bitte geben Sie ein Passwort ein oder wählen Sie Abbrechen.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Dieses Passwort schützt den Inhalt nicht: Wer die Datei hat, kann sie ohne Passwort lesen.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Eine zufällige Passphrase aus %n Wort einsetzen</numerusform>
            <numerusform>Eine zufällige Passphrase aus %n Wörtern einsetzen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Geben Sie ein Passwort ein oder wählen Sie „Erzeugen“ für eine Passphrase aus Wörtern.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Schwach: Bei %2 Versuchen pro Sekunde und Prozessor wäre es in %1 erraten.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Stark: Bei %2 Versuchen pro Sekunde und Prozessor bräuchte das Erraten %1.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Schreiben Sie diese Passphrase auf; nichts anderes öffnet die Datei:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise arbeitet</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Arbeite... Bitte warten</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Die Arbeit anhalten; nichts wird geschrieben</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 von %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2 %</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1 % erledigt...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Dateien werden bearbeitet, bitte warten</translation>
    </message>
</context>
</TS>
