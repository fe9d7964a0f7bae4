<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Indice hors limites : la table de substitution est endommagée (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>l’entrée %1 vaut %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>aucune entrée ne contient %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Appel de procédure ou argument non valide : le mot de passe contient un caractère qui ne peut pas être stocké (seuls les caractères Windows-1252 sont admis)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Format de fichier non valide : « %1 » n’est pas un fichier chiffré valide (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Format de fichier non valide : « %1 » n’est pas un fichier Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 a %2 dimensions au lieu de 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 annonce %2 octets, plus qu’un fichier chiffré ne peut en contenir</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 a la borne inférieure %2 au lieu de 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Appel de procédure ou argument non valide : « %1 » ne peut pas contenir %2 octets ; un fichier chiffré en contient au plus 2 147 483 647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Appel de procédure ou argument non valide : le nom de la source est trop long</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Chiffrement de fichiers</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Chiffrer et déchiffrer des fichiers et des dossiers</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>chiffrer;déchiffrer;mot de passe;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Fichier chiffré</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Fichier chiffré Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Fichier scellé Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Chiffrer avec Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Déchiffrer avec Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Transformer les fichiers ou dossiers sélectionnés en fichiers .vw3 ou .vws protégés par mot de passe</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Rendre aux fichiers .vw3 ou .vws sélectionnés leur contenu</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Fichiers chiffrés</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Tout fichier ou dossier</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Protéger un fichier ou un dossier des regards indiscrets par un mot de passe</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise transforme un fichier, ou les fichiers placés directement dans un dossier, en un seul fichier .vw3 protégé par mot de passe, et inversement. Déposez un fichier ou un dossier sur sa fenêtre, choisissez une action ou ouvrez un fichier .vw3 depuis le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Ce qu’un fichier .vw3 protège, et ce qu’il ne protège pas : le contenu est brouillé par une table de substitution d’octets stockée dans le fichier lui-même. Le mot de passe décide seulement si le programme continue ; quiconque possède le fichier peut en retrouver le contenu sans le mot de passe. Utilisez-le contre les regards indiscrets, jamais comme un chiffrement fort.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Pour un contenu qui doit rester secret, il écrit aussi des fichiers scellés .vws : le mot de passe passe par Argon2id et le contenu est chiffré avec XChaCha20-Poly1305 ; sans le mot de passe, seule la taille apparaît, et un octet modifié fait refuser l’ouverture au lieu de restaurer un contenu faux.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>« Chiffrer avec Vaultwise » et « Déchiffrer avec Vaultwise » apparaissent dans les menus contextuels de Dolphin, Nemo, Nautilus, Caja et Thunar. La fenêtre principale s’utilise entièrement au clavier, et une notification signale la fin d’un long travail.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>La commande vw3 fait de même depuis un terminal, et vw3 info montre ce que contient un fichier sans demander le mot de passe.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>La fenêtre principale et ses cinq actions</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Erreur %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 « %2 » : %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Lecture au-delà de la fin du fichier : « %1 » est endommagé ou n’est pas de ce type (%2 demande %3 octets, il n’en reste que %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossible d’ouvrir</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Impossible de lire</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » n’indique aucune taille mais contient des données</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Impossible d’écrire</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » est un socket, pas un fichier où écrire</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » est un dossier, pas un fichier où écrire</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » est un périphérique, pas un fichier où écrire</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Erreur d’accès au chemin ou au fichier : « %1 » est un FIFO, pas un fichier où écrire</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>la source aléatoire du système</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Impossible de créer un dossier dans</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Permission refusée : impossible de verrouiller un dossier à soi dans « %1 »</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Impossible de créer un fichier sans nom</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Permission refusée : aucun dossier privé où vérifier le contenu avant de l’écrire dans « %1 » (%2 n’appartient pas à cet utilisateur)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>« %1 » est un dossier ; aucun fichier ne le remplace</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>« %1 » est un lien ; aucun dossier ne le remplace</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>« %1 » est un fichier ; aucun dossier ne le remplace</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d’accès au chemin ou au fichier : %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation> ; rien n’a été modifié dans le dossier</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation> ; ces fichiers étaient déjà écrits et restent remplacés : %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Impossible d’écrire « %1 »</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Impossible de remplacer</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>Le fichier existe déjà : « %1 » est apparu pendant l’écriture et n’a pas été remplacé</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Impossible de créer un fichier temporaire pour les entrées compressées dans</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>le tampon des entrées compressées</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Les permissions de « %1 » n’ont pas pu être définies : %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>le contenu écrit</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>un bloc</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>la signature</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>l’en-tête</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>le contenu</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>une longueur de message</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un message</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>le contenu d’une entrée</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>le fichier source</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>la table des entrées</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>le nombre de dimensions d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>la longueur d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>la borne inférieure d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>la longueur du nom d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>le nom d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>la taille de fichier d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>l’indicateur de compression d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>le texte réservé d’une entrée</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>les octets réservés d’une entrée</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>la longueur de la description</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>la description</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>le nombre de dimensions de la table des entrées</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>le nombre d’emplacements de la table des entrées</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>la borne inférieure de la table des entrées</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>la longueur de l’étiquette de format</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>l’étiquette de format</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>la longueur d’un texte réservé</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>un texte réservé</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>un nombre réservé</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>les données utiles</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>le mot de passe</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>le type de source</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>le nom de la source</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>la table de substitution</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>la sortie ne tient pas</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>les données sont endommagées</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>paramètre non valide</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>le flux demande un dictionnaire prédéfini</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>L’entrée compressée est endommagée : %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>L’entrée compressée %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>le niveau de compression %1 n’est pas entre 1 et 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Impossible de compresser le fichier : %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>sa longueur enregistrée %1 est négative</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 octets compressés ne peuvent pas donner les %2 octets enregistrés</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib indique : %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>elle donne %1 octets, et non les %2 enregistrés</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Impossible de décompresser l’entrée : %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>elle donne plus que les %1 octets enregistrés</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>le flux zlib est tronqué</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Le fichier paquet « %1 » a été modifié par quelqu’un d’autre depuis le début de la session</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>Le tampon des entrées compressées est tronqué</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Une entrée renvoie à un fichier paquet qui n’a jamais été lu</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Une entrée compressée a perdu ses octets</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>Le fichier source « %1 » a changé après son ajout : il contenait %2 octets, maintenant %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>son nom est vide</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>son nom « %1 » désigne un dossier relatif</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>son nom « %1 » contient un séparateur de dossiers</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>son nom contient un caractère NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>Refus d’extraire le fichier %1 : son nom « %2 » est réservé par ce programme à ses propres fichiers</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>Refus d’extraire le fichier %1 : %2 et il pourrait être écrit hors du dossier de destination</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Nom de fichier incorrect : le fichier %1 « %2 » a un nom de %3 octets ; la destination en accepte %4 au plus</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Disque plein : le paquet contient %1 octets, mais « %2 » n’en a que %3 de libres</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Emplacement %1 : </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>le contenu d’une entrée a %1 dimensions ; seules 0 ou 1 sont possibles</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Un texte de %1 octets ne tient pas dans un paquet (65 535 au plus)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Les octets d’une entrée n’ont pas pu être lus en entier</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Impossible de lire « %1 » : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>« %1 » a changé pendant son ouverture</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>la table des entrées a %1 dimensions ; seules 0 ou 1 sont possibles</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>Refus d’extraire le fichier %1 : son nom « %2 » est aussi celui du fichier %3, et l’un remplacerait l’autre</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Format de fichier non valide : « %1 » est endommagé ou n’est pas un paquet : %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>la table des entrées commence à l’emplacement %1, et non à l’emplacement 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>la table des entrées annonce %1 emplacements, mais seuls %2 octets suivent et chaque emplacement en prend au moins 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>une entrée annonce %1 octets ; une entrée de paquet en contient au plus 2 147 483 647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>il annonce %1 fichiers, mais sa table des entrées a %2 emplacements</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Impossible d’ajouter « %1 » : il contient %2 octets ; une entrée de paquet en contient au plus 2 147 483 647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>Le fichier source « %1 » a changé après avoir été listé : il contenait %2 octets, maintenant moins</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Impossible d’ajouter « %1 » : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>Le fichier source « %1 » a changé après avoir été listé : il contenait %2 octets, maintenant %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Fichier source introuvable</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Dossier de destination non indiqué</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Numéro de fichier non valide</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Indice hors limites : le paquet n’a pas d’emplacement %1 (son dernier fichier porte le numéro %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>Le paquet ne peut pas contenir plus de fichiers</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Numéro de fichier %1 non valide : le paquet contient %2 fichiers</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Indice hors limites : le contenu de l’emplacement %1 n’a jamais reçu de taille</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>La description fait %1 octets ; un paquet en contient au plus 65 535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Remplacer le fichier</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Chiffrer cet élément (%n) en fichier .vw3 classique (son contenu n’est pas protégé), en fichier .vws scellé à côté de lui, ou en un fichier .vws scellé qui le contient ?</numerusform>
            <numerusform>Chiffrer ces %n éléments en fichiers .vw3 classiques (leur contenu n’est pas protégé), en fichiers .vws scellés, chacun à côté du sien, ou en un seul fichier .vws scellé qui les contient tous ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Fichier chiffré de destination</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>« %1 » existe déjà. Le remplacer ?
(Annuler le garde, et cet élément est laissé de côté.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Chiffrer %n élément</numerusform>
            <numerusform>Chiffrer %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Fichiers .vw3 classiques</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Fichiers .vws scellés</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Un seul fichier .vws scellé</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... et %1 de plus</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Non chiffrés : un fichier .vw3 classique ne contient que les fichiers propres du dossier ; les sous-dossiers, liens symboliques, fichiers spéciaux et noms commençant par un point sont laissés de côté :%1
Les fichiers .vws scellés gardent des arborescences entières.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Chiffrer un dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n fichier dans %1 de « %2 » sera remplacé par le fichier déchiffré :%3</numerusform>
            <numerusform>%n fichiers dans %1 de « %2 » seront remplacés par les fichiers déchiffrés :%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n fichier dans « %1 » sera remplacé par le fichier déchiffré :%2</numerusform>
            <numerusform>%n fichiers dans « %1 » seront remplacés par les fichiers déchiffrés :%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Remplacer des fichiers</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Veuillez saisir le mot de passe du fichier chiffré :</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Aucune arborescence</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Appel de procédure ou argument non valide : les fichiers de « %1 » forment un paquet de %2 octets ; un fichier chiffré en contient au plus 2 147 483 647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Veuillez choisir un dossier à chiffrer :</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Lecture au-delà de la fin du fichier : les données utiles finissent %1 octets trop tôt</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Fichiers Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Veuillez saisir un mot de passe pour le fichier chiffré :</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Veuillez confirmer le mot de passe du fichier chiffré :</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Nouveau mot de passe du fichier scellé (majuscules et minuscules comptent) :</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Confirmez le mot de passe (majuscules et minuscules comptent) :</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Erreur : les mots de passe saisis ne correspondent pas.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Erreur : vous avez saisi un mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Non chiffrés (les fichiers spéciaux sont laissés de côté) :%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Fichier de destination</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Veuillez choisir le dossier où placer les fichiers chiffrés :</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Fichiers Vaultwise scellés (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Mot de passe faible</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Chiffrer un fichier</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Fichier chiffré source</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Mot de passe du fichier scellé (majuscules et minuscules comptent) :</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Un fichier scellé demande un mot de passe</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Nom de fichier incorrect : « %1 » ne peut pas être chiffré : %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>son nom n’est pas de l’UTF-8 valide et reviendrait sous un autre nom</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>il reviendrait sous le nom de « %1 »</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Permission refusée : aucun dossier privé pour le paquet temporaire (le dossier du programme n’est pas accessible en écriture et %1 n’appartient pas à cet utilisateur)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Appel de procédure ou argument non valide : un fichier scellé ne se lit qu’avec son mot de passe</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... et %1 de plus</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Usage : %1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>Aucune liste de mots</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Appel de procédure ou argument non valide : le mot de passe ne peut pas être mis dans sa forme normale Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>Le contenu est trop grand pour être scellé</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>Le fichier scellé « %1 » est endommagé</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>Le coût de dérivation de clé est hors limites</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>Le nom de fichier est trop long pour être stocké</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>La bibliothèque de cryptographie ne peut pas démarrer</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Appel de procédure ou argument non valide : le mot de passe d’un fichier scellé doit être du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>environ %n minute</numerusform>
            <numerusform>environ %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>environ %n jour</numerusform>
            <numerusform>environ %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>environ %n an</numerusform>
            <numerusform>environ %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>environ %n millier d’années</numerusform>
            <numerusform>environ %n milliers d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>environ %n million d’années</numerusform>
            <numerusform>environ %n millions d’années</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>plus d’un milliard d’années</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>demanderait %1 pour être deviné à %2 essais par seconde et par processeur</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Ce mot de passe est faible : il %1, et un attaquant a de nombreux processeurs. Un mot de passe plus long, ou une phrase de passe générée de plusieurs mots, est bien plus difficile à deviner.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Impossible de lire « %1 » : échec inconnu</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Impossible de lire « %1 » : il a grandi pendant son chiffrement</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Impossible de nommer « %1 » dans un fichier scellé</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Deux des éléments s’appellent « %1 » ; un fichier scellé n’en contient qu’un</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Supprimé : %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Rien à supprimer : aucun enregistrement pour cet utilisateur.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Essayez « vaultwise --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>« %1 » introuvable</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise transforme un fichier, ou les fichiers d’un dossier, en un fichier .vw3
protégé par mot de passe (ou un fichier scellé .vws), et inversement. Sans argument, il
affiche sa fenêtre ; avec un chemin, il déchiffre un fichier .vw3 ou .vws et chiffre
tout le reste. Les options propres à Qt (-style, -platform, ...) sont passées à Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Chiffrer le fichier ou le dossier PATH : demande la destination. D’autres chemins forment un lot : une seule question de format et de mot de passe pour tous.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Déchiffrer le fichier .vw3 ou .vws PATH ; les autres chemins aussi, chacun à côté de son fichier chiffré.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Annuler l’enregistrement du type de fichier et les actions du gestionnaire de fichiers pour cet utilisateur.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Un fichier ou un dossier à chiffrer, ou un fichier à déchiffrer.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>indiquez --encrypt, --decrypt, --unregister ou un chemin</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 est prêt</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n élément est prêt</numerusform>
            <numerusform>%n éléments sont prêts</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise l’a écrit dans %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise les a écrits dans %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>Le .vw3 classique protège des regards indiscrets : quiconque possède le fichier peut le lire sans le mot de passe.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>Le .vws scellé garde le contenu secret : seul le mot de passe l’ouvre, et un octet modifié est signalé comme un dommage.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Le nom décide : un nom finissant par .vws donne un fichier scellé, tout autre un fichier .vw3 classique, qui s’ouvre sans le mot de passe.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Aide de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Ce que protège chaque type de fichier</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Les fichiers .vw3 classiques&lt;/b&gt; protègent un fichier des regards indiscrets. Le contenu est brouillé par une table stockée dans le fichier : quiconque possède le fichier peut le lire sans le mot de passe, et un octet modifié passe inaperçu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Les fichiers .vws scellés&lt;/b&gt; gardent le contenu secret : seul le mot de passe les ouvre (Argon2id et XChaCha20-Poly1305), seule la taille apparaît, et un octet modifié est signalé comme un dommage. Choisissez le type scellé dans la boîte d’enregistrement, ou un nom finissant par .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Où vont les résultats</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Chiffrement : la boîte d’enregistrement s’ouvre à côté du fichier ou du dossier, avec son nom suivi de .vw3 ou .vws. Une sélection faite dans un gestionnaire de fichiers écrit chaque résultat à côté de sa source.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Déchiffrement d’un fichier : la boîte d’enregistrement propose le nom stocké, à côté du fichier chiffré.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Déchiffrement d’un dossier : un nouveau dossier portant son nom est proposé à côté du fichier chiffré. Les fichiers qui seraient remplacés sont nommés, et la question vous est posée d’abord.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>Rien n’est écrit si vous annulez, et un fichier endommagé n’écrit rien.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, flèches</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>passer d’une icône à l’autre</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>lancer l’icône marquée</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Entrée, Échap</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK et Annuler dans la boîte du mot de passe</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>arrêter le travail dans la fenêtre de progression</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Pour en savoir plus</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Les pages de manuel disent le reste : %1 pour ce programme, et %2 pour la commande qui fait de même depuis un terminal.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Chiffrer un fichier...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Déchiffrer un fichier ou un dossier...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>À propos de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Quitter Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Chiffrer un dossier...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Bienvenue dans Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Veuillez choisir une action ci-dessous :</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Tous droits réservés.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Veuillez saisir votre mot de passe :</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>environ %n milliard d’années</numerusform>
            <numerusform>environ %n milliards d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>environ %n million d’années</numerusform>
            <numerusform>environ %n millions d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>environ %n millier d’années</numerusform>
            <numerusform>environ %n milliers d’années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>environ %n an</numerusform>
            <numerusform>environ %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>environ %n jour</numerusform>
            <numerusform>environ %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>environ %n minute</numerusform>
            <numerusform>environ %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>plus de mille milliards d’années</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Annuler et revenir à la fenêtre principale</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Veuillez saisir un mot de passe, ou choisissez Annuler.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Ce mot de passe ne protège pas le contenu : quiconque possède le fichier peut le lire sans le mot de passe.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Insérer une phrase de passe aléatoire de %n mot</numerusform>
            <numerusform>Insérer une phrase de passe aléatoire de %n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Saisissez un mot de passe, ou choisissez Générer pour une phrase de passe faite de mots.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Faible : il faudrait %1 pour le deviner à %2 essais par seconde et par processeur.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Fort : il faudrait %1 pour le deviner à %2 essais par seconde et par processeur.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Notez cette phrase de passe ; rien d’autre n’ouvre le fichier :</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise travaille</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Travail en cours... Veuillez patienter</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Arrêter le travail ; rien n’est écrit</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 sur %2 : </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2 %</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1 % effectués...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Traitement de vos fichiers, veuillez patienter</translation>
    </message>
</context>
</TS>
