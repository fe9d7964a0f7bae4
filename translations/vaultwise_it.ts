<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Indice fuori intervallo: la tabella di sostituzione è danneggiata (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>la voce %1 vale %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>nessuna voce contiene %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Chiamata di procedura o argomento non valido: la password contiene un carattere che non può essere memorizzato (sono ammessi solo caratteri Windows-1252)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Formato di file non valido: «%1» non è un file cifrato valido (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Formato di file non valido: «%1» non è un file Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 ha %2 dimensioni invece di 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 dichiara %2 byte, più di quanti ne possa contenere un file cifrato</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 ha limite inferiore %2 invece di 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Chiamata di procedura o argomento non valido: «%1» non può contenere %2 byte; un file cifrato ne contiene al massimo 2.147.483.647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Chiamata di procedura o argomento non valido: il nome di origine è troppo lungo</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Cifratura di file</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Cifra e decifra file e cartelle</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>cifrare;decifrare;password;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>File cifrato</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>File cifrato di Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>File sigillato di Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Cifra con Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Decifra con Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Trasforma i file o le cartelle selezionati in file .vw3 o .vws protetti da password</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Riporta i file .vw3 o .vws selezionati al loro contenuto</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>File cifrati</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Qualsiasi file o cartella</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Proteggi un file o una cartella dagli sguardi curiosi con una password</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise trasforma un file, o i file che stanno direttamente in una cartella, in un unico file .vw3 protetto da password, e viceversa. Trascina un file o una cartella sulla sua finestra, scegli un’azione o apri un file .vw3 dal gestore di file.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Che cosa protegge un file .vw3 e che cosa no: il contenuto viene rimescolato con una tabella di sostituzione dei byte conservata nel file stesso. La password decide solo se il programma prosegue; chiunque abbia il file può recuperarne il contenuto senza password. Usalo contro gli sguardi curiosi, mai come cifratura forte.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Per contenuti che devono restare segreti scrive anche file sigillati .vws: la password passa per Argon2id e il contenuto è cifrato con XChaCha20-Poly1305, così senza password si vede solo la dimensione, e un byte modificato fa rifiutare l’apertura invece di ripristinare dati errati.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>«Cifra con Vaultwise» e «Decifra con Vaultwise» compaiono nei menu contestuali di Dolphin, Nemo, Nautilus, Caja e Thunar. La finestra principale si usa anche solo con la tastiera, e una notifica avvisa quando un lavoro lungo è finito.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>Il comando vw3 fa lo stesso da un terminale, e vw3 info mostra che cosa contiene un file senza chiedere la password.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>La finestra principale con le sue cinque azioni</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Errore %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Errore di accesso al percorso o al file: «%1» non è un file normale</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Lettura oltre la fine del file: «%1» è danneggiato o non è di questo tipo (%2 richiede %3 byte, ne restano solo %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Impossibile leggere</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Errore di accesso al percorso o al file: «%1» non indica dimensioni ma contiene dati</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Impossibile scrivere</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Errore di accesso al percorso o al file: «%1» è un socket, non un file in cui scrivere</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Errore di accesso al percorso o al file: «%1» è una cartella, non un file in cui scrivere</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Errore di accesso al percorso o al file: «%1» è un dispositivo, non un file in cui scrivere</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Errore di accesso al percorso o al file: «%1» è una FIFO, non un file in cui scrivere</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>la sorgente casuale del sistema</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Impossibile creare una cartella in</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Permesso negato: impossibile bloccare una cartella propria in «%1»</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Impossibile creare un file senza nome</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Permesso negato: nessuna cartella privata in cui controllare il contenuto prima di scriverlo in «%1» (%2 non appartiene a questo utente)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>«%1» è una cartella; nessun file la sostituisce</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>«%1» è un collegamento; nessuna cartella lo sostituisce</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>«%1» è un file; nessuna cartella lo sostituisce</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Errore di accesso al percorso o al file: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; nella cartella non è cambiato nulla</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; questi file erano già stati scritti e restano sostituiti: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Impossibile scrivere «%1»</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Impossibile sostituire</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>Il file esiste già: «%1» è comparso durante la scrittura e non è stato sostituito</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Impossibile creare un file temporaneo per le voci compresse in</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>il buffer delle voci compresse</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Non è stato possibile impostare i permessi di «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>il contenuto scritto</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>un blocco</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>la firma</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>l’intestazione</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>il contenuto</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>una lunghezza di messaggio</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un messaggio</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>il contenuto di una voce</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>il file di origine</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>la tabella delle voci</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>il numero di dimensioni di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>la lunghezza di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>il limite inferiore di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>la lunghezza del nome di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>il nome di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>la dimensione del file di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>l’indicatore di compressione di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>il testo riservato di una voce</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>i byte riservati di una voce</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>la lunghezza della descrizione</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>la descrizione</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>il numero di dimensioni della tabella delle voci</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>il numero di posizioni della tabella delle voci</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>il limite inferiore della tabella delle voci</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>la lunghezza dell’etichetta di formato</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>l’etichetta di formato</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>la lunghezza di un testo riservato</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>un testo riservato</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>un numero riservato</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>i dati</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>la password</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>il tipo di origine</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>il nome di origine</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>la tabella di sostituzione</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>l’output non ci sta</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>i dati sono danneggiati</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parametro non valido</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>il flusso richiede un dizionario predefinito</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>errore %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>La voce compressa è danneggiata: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>La voce compressa %1 è danneggiata: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>il livello di compressione %1 non è tra 1 e 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Impossibile comprimere il file: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>la sua lunghezza registrata %1 è negativa</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 byte compressi non possono dare i %2 byte registrati</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib dice: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>si espande in %1 byte, non nei %2 registrati</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Impossibile espandere la voce: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>si espande oltre i %1 byte registrati</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>il flusso zlib è troncato</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Il file pacchetto «%1» è stato modificato da qualcun altro dall’inizio della sessione</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>Il buffer delle voci compresse è troncato</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Una voce rimanda a un file pacchetto mai letto</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Una voce compressa ha perso i suoi byte</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>Il file di origine «%1» è cambiato dopo l’aggiunta: conteneva %2 byte, ora %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>il suo nome è vuoto</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>il suo nome «%1» è un passo di cartella</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>il suo nome «%1» contiene un separatore di cartelle</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>il suo nome contiene un carattere NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>Il file %1 non viene estratto: il suo nome «%2» è riservato da questo programma ai propri file</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>Il file %1 non viene estratto: %2 e potrebbe essere scritto fuori dalla cartella di destinazione</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Nome di file non valido: il file %1 «%2» ha un nome di %3 byte; la destinazione ne accetta al massimo %4</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Disco pieno: il pacchetto contiene %1 byte, ma «%2» ne ha liberi solo %3</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Posizione %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>il contenuto di una voce ha %1 dimensioni; sono possibili solo 0 o 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Un testo di %1 byte non sta in un pacchetto (al massimo 65.535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Non è stato possibile leggere per intero i byte di una voce</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Impossibile leggere «%1»: non è un file normale</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>«%1» è cambiato durante l’apertura</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>la tabella delle voci ha %1 dimensioni; sono possibili solo 0 o 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>Il file %1 non viene estratto: il suo nome «%2» è anche quello del file %3, e uno sostituirebbe l’altro</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Formato di file non valido: «%1» è danneggiato o non è un pacchetto: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>la tabella delle voci inizia dalla posizione %1, non dalla 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>la tabella delle voci dichiara %1 posizioni, ma seguono solo %2 byte e ogni posizione ne occupa almeno 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>una voce dichiara %1 byte; una voce di pacchetto ne contiene al massimo 2.147.483.647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>dichiara di contenere %1 file, ma la sua tabella delle voci ha %2 posizioni</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Impossibile aggiungere «%1»: contiene %2 byte; una voce di pacchetto ne contiene al massimo 2.147.483.647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>Il file di origine «%1» è cambiato dopo l’elenco: conteneva %2 byte, ora meno</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Impossibile aggiungere «%1»: non è un file normale</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>Il file di origine «%1» è cambiato dopo l’elenco: conteneva %2 byte, ora %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Impossibile trovare il file di origine</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Cartella di destinazione non indicata</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Numero di file non valido</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Indice fuori intervallo: il pacchetto non ha la posizione %1 (il suo ultimo file è il numero %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>Il pacchetto non può contenere altri file</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Numero di file %1 non valido: il pacchetto contiene %2 file</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Indice fuori intervallo: al contenuto della posizione %1 non è mai stata data una dimensione</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>La descrizione è lunga %1 byte; un pacchetto ne contiene al massimo 65.535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Sostituisci file</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Cifrare questo elemento (%n) come file .vw3 classico (il contenuto non è protetto), come file .vws sigillato accanto a esso, o come un file .vws sigillato che lo contenga?</numerusform>
            <numerusform>Cifrare questi %n elementi come file .vw3 classici (il contenuto non è protetto), come file .vws sigillati, ciascuno accanto al suo, o come un unico file .vws sigillato che li contenga tutti?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>File cifrato di destinazione</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>«%1» esiste già. Sostituirlo?
(Annulla lo mantiene, e questo elemento viene escluso.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Cifra %n elemento</numerusform>
            <numerusform>Cifra %n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>File .vw3 classici</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>File .vws sigillati</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Un solo file .vws sigillato</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... e altri %1</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Non cifrati: un file .vw3 classico contiene solo i file propri della cartella; sottocartelle, collegamenti simbolici, file speciali e nomi che iniziano con un punto vengono esclusi:%1
I file .vws sigillati conservano interi alberi di cartelle.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Cifra cartella</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n file in %1 di «%2» sarà sostituito da quello decifrato:%3</numerusform>
            <numerusform>%n file in %1 di «%2» saranno sostituiti da quelli decifrati:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n cartella</numerusform>
            <numerusform>%n cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n file in «%1» sarà sostituito da quello decifrato:%2</numerusform>
            <numerusform>%n file in «%1» saranno sostituiti da quelli decifrati:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Sostituisci file</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Inserisci la password del file cifrato:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Nessun albero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Chiamata di procedura o argomento non valido: i file di «%1» formano un pacchetto di %2 byte; un file cifrato ne contiene al massimo 2.147.483.647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Scegli una cartella da cifrare:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Lettura oltre la fine del file: i dati finiscono %1 byte prima</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>File Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Inserisci una password per il file cifrato:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Conferma la password del file cifrato:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Nuova password del file sigillato (maiuscole e minuscole contano):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Conferma la password (maiuscole e minuscole contano):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Errore: le password inserite non coincidono.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Errore: hai inserito una password errata.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Non cifrati (i file speciali vengono esclusi):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>File di destinazione</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Scegli la cartella in cui mettere i file cifrati:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>File %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>File Vaultwise sigillati (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Password debole</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Cifra file</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>File cifrato di origine</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Password del file sigillato (maiuscole e minuscole contano):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Un file sigillato richiede una password</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Nome di file non valido: «%1» non può essere cifrato: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>il suo nome non è UTF-8 valido e tornerebbe con un altro nome</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>tornerebbe con il nome di «%1»</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Permesso negato: nessuna cartella privata per il pacchetto temporaneo (la cartella del programma non è scrivibile e %1 non appartiene a questo utente)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Chiamata di procedura o argomento non valido: un file sigillato si legge solo con la sua password</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... e altri %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>Nessun elenco di parole</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Chiamata di procedura o argomento non valido: la password non può essere portata nella sua forma normale Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>Il contenuto è troppo grande per essere sigillato</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>Il file sigillato «%1» è danneggiato</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>Il costo di derivazione della chiave è fuori dai limiti</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>Il nome del file è troppo lungo per essere memorizzato</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>La libreria crittografica non può avviarsi</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Chiamata di procedura o argomento non valido: la password di un file sigillato deve essere testo UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>circa %n minuto</numerusform>
            <numerusform>circa %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>circa %n ora</numerusform>
            <numerusform>circa %n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>circa %n giorno</numerusform>
            <numerusform>circa %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>circa %n anno</numerusform>
            <numerusform>circa %n anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>circa %n migliaio di anni</numerusform>
            <numerusform>circa %n migliaia di anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>circa %n milione di anni</numerusform>
            <numerusform>circa %n milioni di anni</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>più di un miliardo di anni</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>richiederebbe %1 per essere indovinata a %2 tentativi al secondo per processore</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Questa password è debole: %1, e un attaccante ha molti processori. Una password più lunga, o una passphrase generata di più parole, è molto più difficile da indovinare.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Impossibile leggere «%1»: errore sconosciuto</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Impossibile leggere «%1»: è cresciuto durante la cifratura</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Impossibile nominare «%1» in un file sigillato</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Due degli elementi si chiamano «%1»; un file sigillato ne contiene uno solo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Rimosso: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Niente da rimuovere: nessuna registrazione per questo utente.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Prova «vaultwise --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>impossibile trovare «%1»</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise trasforma un file, o i file di una cartella, in un file .vw3 protetto
da password (o un file sigillato .vws) e viceversa. Senza argomenti mostra la sua
finestra; con un percorso decifra un file .vw3 o .vws e cifra qualsiasi altra cosa.
Le opzioni proprie di Qt (-style, -platform, ...) vengono passate a Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Cifra il file o la cartella in PATH: chiede la destinazione. Altri percorsi formano un lotto: una sola domanda di formato e password per tutti.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Decifra il file .vw3 o .vws in PATH; anche gli altri percorsi, ciascuno accanto al suo file cifrato.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Annulla la registrazione del tipo di file e le azioni del gestore di file di questo utente.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Un file o una cartella da cifrare, o un file da decifrare.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>indica --encrypt, --decrypt, --unregister o un percorso</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 è pronto</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n elemento è pronto</numerusform>
            <numerusform>%n elementi sono pronti</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise lo ha scritto in %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise li ha scritti in %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>Il .vw3 classico protegge dagli sguardi curiosi: chiunque abbia il file può leggerlo senza password.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>Il .vws sigillato mantiene segreto il contenuto: solo la password lo apre, e un byte modificato viene segnalato come danno.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Decide il nome: uno che finisce in .vws crea un file sigillato, qualsiasi altro un file .vw3 classico, che si apre senza password.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Guida di Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Che cosa protegge ogni tipo di file</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;I file .vw3 classici&lt;/b&gt; proteggono un file dagli sguardi curiosi. Il contenuto è rimescolato con una tabella conservata nel file: chiunque abbia il file può leggerlo senza password, e un byte modificato passa inosservato.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;I file .vws sigillati&lt;/b&gt; mantengono segreto il contenuto: solo la password li apre (Argon2id e XChaCha20-Poly1305), si vede solo la dimensione, e un byte modificato viene segnalato come danno. Scegli il tipo sigillato nella finestra di salvataggio, o un nome che finisce in .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Dove vanno i risultati</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Cifratura: la finestra di salvataggio si apre accanto al file o alla cartella, con il suo nome più .vw3 o .vws. Una selezione dal gestore di file scrive ogni risultato accanto alla sua origine.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Decifrare un file: la finestra di salvataggio propone il nome memorizzato, accanto al file cifrato.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Decifrare una cartella: accanto al file cifrato viene proposta una nuova cartella con il suo nome. I file che verrebbero sostituiti vengono elencati e ti viene chiesto prima.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>Se annulli non viene scritto nulla, e un file danneggiato non scrive nulla.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, frecce</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>spostarsi tra le icone</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Invio, Spazio</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>eseguire l’icona evidenziata</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>questa guida</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>uscire</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Invio, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK e Annulla nella finestra della password</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>fermare il lavoro nella finestra di avanzamento</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Le pagine di manuale dicono il resto: %1 per questo programma e %2 per il comando che fa lo stesso da un terminale.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Cifra un file...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Decifra un file o una cartella...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>Informazioni su Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Esci da Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Cifra una cartella...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Benvenuto in Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Scegli un’azione qui sotto:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Tutti i diritti riservati.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Inserisci la password:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>circa %n miliardo di anni</numerusform>
            <numerusform>circa %n miliardi di anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>circa %n milione di anni</numerusform>
            <numerusform>circa %n milioni di anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>circa %n migliaio di anni</numerusform>
            <numerusform>circa %n migliaia di anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>circa %n anno</numerusform>
            <numerusform>circa %n anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>circa %n giorno</numerusform>
            <numerusform>circa %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>circa %n ora</numerusform>
            <numerusform>circa %n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>circa %n minuto</numerusform>
            <numerusform>circa %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>più di mille miliardi di anni</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Conferma la password</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Annulla e torna alla finestra principale</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Inserisci una password, o scegli Annulla.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Questa password non protegge il contenuto: chiunque abbia il file può leggerlo senza password.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Inserisci una passphrase casuale di %n parola</numerusform>
            <numerusform>Inserisci una passphrase casuale di %n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Inserisci una password, o scegli Genera per una passphrase di parole.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Debole: servirebbero %1 per indovinarla a %2 tentativi al secondo per processore.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Forte: servirebbero %1 per indovinarla a %2 tentativi al secondo per processore.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Annota questa passphrase; nient’altro apre il file:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise è al lavoro</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Al lavoro... Attendere</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Ferma il lavoro; non viene scritto nulla</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 di %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1% completato...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Elaborazione dei file in corso, attendere</translation>
    </message>
</context>
</TS>
