<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Indeks poza zakresem: tablica podstawień jest uszkodzona (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>wpis %1 ma wartość %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>żaden wpis nie zawiera %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: hasło zawiera znak, którego nie można zapisać (dozwolone są tylko znaki Windows-1252)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Nieprawidłowy format pliku: „%1” nie jest prawidłowym zaszyfrowanym plikiem (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Nieprawidłowy format pliku: „%1” nie jest plikiem Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 ma %2 wymiarów zamiast 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 podaje %2 bajtów, więcej niż mieści zaszyfrowany plik</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 ma dolną granicę %2 zamiast 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: „%1” nie pomieści %2 bajtów; zaszyfrowany plik mieści najwyżej 2 147 483 647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: nazwa źródła jest zbyt długa</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Szyfrowanie plików</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Szyfrowanie i odszyfrowywanie plików i folderów</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>szyfrowanie;odszyfrowanie;hasło;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Zaszyfrowany plik</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Plik zaszyfrowany Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Plik zapieczętowany Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Zaszyfruj za pomocą Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Odszyfruj za pomocą Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Zamień zaznaczone pliki lub foldery w chronione hasłem pliki .vw3 lub .vws</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Przywróć zaznaczonym plikom .vw3 lub .vws ich zawartość</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Zaszyfrowane pliki</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Dowolny plik lub folder</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Chroń plik lub folder hasłem przed ciekawskimi spojrzeniami</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise zamienia jeden plik albo pliki leżące bezpośrednio w jednym folderze w pojedynczy plik .vw3 chroniony hasłem i z powrotem. Upuść plik lub folder na jego okno, wybierz czynność albo otwórz plik .vw3 z menedżera plików.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Co chroni plik .vw3, a czego nie: zawartość jest mieszana tablicą podstawień bajtów zapisaną w samym pliku. Hasło decyduje tylko o tym, czy program działa dalej; każdy, kto ma plik, może odzyskać jego zawartość bez hasła. Używaj go przeciw ciekawskim spojrzeniom, nigdy jako silnego szyfrowania.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Dla treści, które muszą pozostać tajne, zapisuje też zapieczętowane pliki .vws: hasło przechodzi przez Argon2id, a zawartość jest szyfrowana XChaCha20-Poly1305, więc bez hasła widać tylko rozmiar, a zmieniony bajt sprawia, że plik odmawia otwarcia zamiast przywrócić błędne dane.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>„Zaszyfruj za pomocą Vaultwise” i „Odszyfruj za pomocą Vaultwise” pojawiają się w menu kontekstowych Dolphina, Nemo, Nautilusa, Caji i Thunara. Główne okno działa z samą klawiaturą, a powiadomienie informuje o zakończeniu długiej pracy.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>Polecenie vw3 robi to samo w terminalu, a vw3 info pokazuje zawartość pliku bez pytania o hasło.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>Główne okno z pięcioma czynnościami</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Błąd %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 „%2”: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Odczyt poza końcem pliku: „%1” jest uszkodzony lub nie jest tego rodzaju (%2 potrzebuje %3 bajtów, zostało tylko %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Nie można otworzyć</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Nie można odczytać</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” nie podaje rozmiaru, ale zawiera dane</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Nie można zapisać</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” jest gniazdem, a nie plikiem do zapisu</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” jest folderem, a nie plikiem do zapisu</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” jest urządzeniem, a nie plikiem do zapisu</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Błąd dostępu do ścieżki lub pliku: „%1” jest kolejką FIFO, a nie plikiem do zapisu</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>systemowe źródło losowości</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Nie można utworzyć folderu w</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Brak uprawnień: nie można zablokować własnego folderu w „%1”</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Nie można utworzyć pliku bez nazwy</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Brak uprawnień: brak prywatnego folderu do sprawdzenia zawartości przed zapisaniem jej do „%1” (%2 nie należy do tego użytkownika)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>„%1” jest folderem; żaden plik go nie zastąpi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>„%1” jest dowiązaniem; żaden folder go nie zastąpi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>„%1” jest plikiem; żaden folder go nie zastąpi</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Błąd dostępu do ścieżki lub pliku: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; w folderze nic nie zmieniono</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; te pliki były już zapisane i pozostają zastąpione: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Nie można zapisać „%1”</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Nie można zastąpić</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>Plik już istnieje: „%1” pojawił się podczas zapisu i nie został zastąpiony</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Nie można utworzyć pliku tymczasowego dla skompresowanych wpisów w</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>bufor skompresowanych wpisów</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Nie udało się ustawić uprawnień „%1”: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>zapisana zawartość</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>blok</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>sygnatura</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>nagłówek</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>zawartość</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>długość wiadomości</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>wiadomość</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>zawartość wpisu</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>plik źródłowy</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>tablica wpisów</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>liczba wymiarów wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>długość wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>dolna granica wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>długość nazwy wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>nazwa wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>rozmiar pliku wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>znacznik kompresji wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>zarezerwowany tekst wpisu</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>zarezerwowane bajty wpisu</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>długość opisu</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>opis</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>liczba wymiarów tablicy wpisów</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>liczba miejsc tablicy wpisów</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>dolna granica tablicy wpisów</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>długość znacznika formatu</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>znacznik formatu</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>długość zarezerwowanego tekstu</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>zarezerwowany tekst</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>zarezerwowana liczba</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>dane</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>hasło</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>rodzaj źródła</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>nazwa źródła</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>tablica podstawień</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>wynik się nie mieści</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>dane są uszkodzone</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>nieprawidłowy parametr</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>strumień wymaga ustalonego słownika</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>błąd %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>Skompresowany wpis jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>Skompresowany wpis %1 jest uszkodzony: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>poziom kompresji %1 nie mieści się w zakresie od 1 do 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Nie można skompresować pliku: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>jego zapisana długość %1 jest ujemna</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 skompresowanych bajtów nie może dać zapisanych %2 bajtów</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib zgłasza: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>rozwija się do %1 bajtów, a nie zapisanych %2</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Nie można rozwinąć wpisu: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>rozwija się do więcej niż zapisanych %1 bajtów</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>strumień zlib jest ucięty</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Plik pakietu „%1” został zmieniony przez kogoś innego od początku sesji</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>Bufor skompresowanych wpisów jest ucięty</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Wpis odwołuje się do pliku pakietu, którego nigdy nie odczytano</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Skompresowany wpis utracił swoje bajty</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>Plik źródłowy „%1” zmienił się po dodaniu: miał %2 bajtów, teraz %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>jego nazwa jest pusta</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>jego nazwa „%1” jest krokiem folderu</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>jego nazwa „%1” zawiera separator folderów</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>jego nazwa zawiera znak NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>Odmowa rozpakowania pliku %1: jego nazwa „%2” jest zarezerwowana przez ten program dla własnych plików</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>Odmowa rozpakowania pliku %1: %2 i mógłby zostać zapisany poza folderem docelowym</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Nieprawidłowa nazwa pliku: plik %1 „%2” ma nazwę o długości %3 bajtów; miejsce docelowe przyjmuje najwyżej %4 bajtów</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Dysk pełny: pakiet zawiera %1 bajtów, a „%2” ma wolnych tylko %3</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Miejsce %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>zawartość wpisu ma %1 wymiarów; możliwe jest tylko 0 lub 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Tekst o długości %1 bajtów nie mieści się w pakiecie (najwyżej 65 535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Nie udało się odczytać w całości bajtów wpisu</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Nie można odczytać „%1”: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>„%1” zmienił się podczas otwierania</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>tablica wpisów ma %1 wymiarów; możliwe jest tylko 0 lub 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>Odmowa rozpakowania pliku %1: jego nazwa „%2” jest też nazwą pliku %3 i jeden zastąpiłby drugi</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Nieprawidłowy format pliku: „%1” jest uszkodzony lub nie jest pakietem: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>tablica wpisów zaczyna się od miejsca %1, a nie od miejsca 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>tablica wpisów podaje %1 miejsc, ale następuje tylko %2 bajtów, a każde miejsce zajmuje co najmniej 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>wpis podaje %1 bajtów; wpis pakietu mieści najwyżej 2 147 483 647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>podaje, że zawiera %1 plików, ale jego tablica wpisów ma %2 miejsc</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Nie można dodać „%1”: zawiera %2 bajtów; wpis pakietu mieści najwyżej 2 147 483 647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>Plik źródłowy „%1” zmienił się po wypisaniu: miał %2 bajtów, teraz mniej</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Nie można dodać „%1”: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>Plik źródłowy „%1” zmienił się po wypisaniu: miał %2 bajtów, teraz %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Nie można znaleźć pliku źródłowego</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Nie podano folderu docelowego</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Nieprawidłowy numer pliku</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Indeks poza zakresem: pakiet nie ma miejsca %1 (jego ostatni plik ma numer %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>Pakiet nie pomieści więcej plików</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Nieprawidłowy numer pliku %1: pakiet zawiera %2 plików</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Indeks poza zakresem: zawartość miejsca %1 nigdy nie otrzymała rozmiaru</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>Opis ma %1 bajtów; pakiet mieści najwyżej 65 535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Zastąp plik</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Zaszyfrować ten %n element jako klasyczny plik .vw3 (jego zawartość nie jest chroniona), jako zapieczętowany plik .vws obok niego, czy jako jeden zapieczętowany plik .vws, który go zawiera?</numerusform>
            <numerusform>Zaszyfrować te %n elementy jako klasyczne pliki .vw3 (ich zawartość nie jest chroniona), jako zapieczętowane pliki .vws, każdy obok swojego, czy jako jeden zapieczętowany plik .vws, który zawiera je wszystkie?</numerusform>
            <numerusform>Zaszyfrować tych %n elementów jako klasyczne pliki .vw3 (ich zawartość nie jest chroniona), jako zapieczętowane pliki .vws, każdy obok swojego, czy jako jeden zapieczętowany plik .vws, który zawiera je wszystkie?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Docelowy zaszyfrowany plik</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>„%1” już istnieje. Zastąpić?
(Anuluj zachowa go, a ten element zostanie pominięty.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Zaszyfruj %n element</numerusform>
            <numerusform>Zaszyfruj %n elementy</numerusform>
            <numerusform>Zaszyfruj %n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Klasyczne pliki .vw3</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Zapieczętowane pliki .vws</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Jeden zapieczętowany plik .vws</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... i %1 więcej</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Nie zaszyfrowano: klasyczny plik .vw3 zawiera tylko własne pliki folderu, więc podfoldery, dowiązania symboliczne, pliki specjalne i nazwy zaczynające się od kropki są pomijane:%1
Zapieczętowane pliki .vws zachowują całe drzewa folderów.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Zaszyfruj folder</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n plik w %1 „%2” zostanie zastąpiony odszyfrowanym:%3</numerusform>
            <numerusform>%n pliki w %1 „%2” zostaną zastąpione odszyfrowanymi:%3</numerusform>
            <numerusform>%n plików w %1 „%2” zostanie zastąpionych odszyfrowanymi:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n folderze</numerusform>
            <numerusform>%n folderach</numerusform>
            <numerusform>%n folderach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n plik w „%1” zostanie zastąpiony odszyfrowanym:%2</numerusform>
            <numerusform>%n pliki w „%1” zostaną zastąpione odszyfrowanymi:%2</numerusform>
            <numerusform>%n plików w „%1” zostanie zastąpionych odszyfrowanymi:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Zastąp pliki</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Wpisz hasło zaszyfrowanego pliku:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Brak drzewa</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: pliki „%1” tworzą pakiet o rozmiarze %2 bajtów; zaszyfrowany plik mieści najwyżej 2 147 483 647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Wybierz folder do zaszyfrowania:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Odczyt poza końcem pliku: dane kończą się o %1 bajtów za wcześnie</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Pliki Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Wpisz hasło dla zaszyfrowanego pliku:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Potwierdź hasło dla zaszyfrowanego pliku:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Nowe hasło zapieczętowanego pliku (wielkość liter ma znaczenie):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Potwierdź hasło (wielkość liter ma znaczenie):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Błąd: wpisane hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Błąd: wpisano nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Nie zaszyfrowano (pliki specjalne są pomijane):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Plik docelowy</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Wybierz folder, w którym umieścić zaszyfrowane pliki:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Pliki %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Zapieczętowane pliki Vaultwise (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Słabe hasło</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Zaszyfruj plik</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Źródłowy zaszyfrowany plik</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Hasło zapieczętowanego pliku (wielkość liter ma znaczenie):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Zapieczętowany plik wymaga hasła</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Nieprawidłowa nazwa pliku: nie można zaszyfrować „%1”: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>jego nazwa nie jest prawidłowym UTF-8 i wróciłaby jako inna nazwa</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>wróciłby pod nazwą „%1”</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Brak uprawnień: brak prywatnego folderu na tymczasowy pakiet (folder programu nie jest zapisywalny, a %1 nie należy do tego użytkownika)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: zapieczętowany plik czyta się tylko z jego hasłem</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... i %1 więcej</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>Brak listy słów</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: hasła nie można sprowadzić do postaci normalnej Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>Zawartość jest zbyt duża, by ją zapieczętować</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>Zapieczętowany plik „%1” jest uszkodzony</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>Koszt wyprowadzenia klucza jest poza granicami</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>Nazwa pliku jest zbyt długa, by ją zapisać</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>Nie można uruchomić biblioteki kryptograficznej</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: hasło zapieczętowanego pliku musi być tekstem UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>mniej niż minuta</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>około %n minuty</numerusform>
            <numerusform>około %n minut</numerusform>
            <numerusform>około %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>około %n godziny</numerusform>
            <numerusform>około %n godzin</numerusform>
            <numerusform>około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>około %n dnia</numerusform>
            <numerusform>około %n dni</numerusform>
            <numerusform>około %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>około %n roku</numerusform>
            <numerusform>około %n lat</numerusform>
            <numerusform>około %n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>około %n tysiąca lat</numerusform>
            <numerusform>około %n tysięcy lat</numerusform>
            <numerusform>około %n tysięcy lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>około %n miliona lat</numerusform>
            <numerusform>około %n milionów lat</numerusform>
            <numerusform>około %n milionów lat</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>ponad miliard lat</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>odgadnięcie go przy %2 próbach na sekundę na procesor zajęłoby %1</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>To hasło jest słabe: %1, a atakujący ma wiele procesorów. Dłuższe hasło albo wygenerowane hasło z kilku słów jest znacznie trudniejsze do odgadnięcia.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Nie można odczytać „%1”: nieznany błąd</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Nie można odczytać „%1”: plik urósł podczas szyfrowania</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Nie można nazwać „%1” w zapieczętowanym pliku</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Dwa elementy nazywają się „%1”; zapieczętowany plik mieści tylko jeden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Usunięto: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Nie ma nic do usunięcia: brak rejestracji dla tego użytkownika.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Więcej informacji: „vaultwise --help”.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>nie można znaleźć „%1”</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise zamienia plik lub pliki folderu w jeden chroniony hasłem plik .vw3
(albo zapieczętowany plik .vws) i z powrotem. Bez argumentów pokazuje swoje okno;
z podaną ścieżką odszyfrowuje plik .vw3 lub .vws, a wszystko inne szyfruje.
Własne opcje Qt (-style, -platform, ...) są przekazywane do Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Zaszyfruj plik lub folder PATH: pyta o miejsce docelowe. Kolejne ścieżki tworzą partię: jedno pytanie o format i hasło dla wszystkich.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Odszyfruj plik .vw3 lub .vws PATH; kolejne ścieżki też, każdą obok jej zaszyfrowanego pliku.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Cofnij rejestrację typu pliku i czynności menedżera plików dla tego użytkownika.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Plik lub folder do zaszyfrowania albo plik do odszyfrowania.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>podaj jedno z --encrypt, --decrypt, --unregister albo ścieżkę</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 jest gotowy</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n element jest gotowy</numerusform>
            <numerusform>%n elementy są gotowe</numerusform>
            <numerusform>%n elementów jest gotowych</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise zapisał go w %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise zapisał je w %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>Klasyczny .vw3 chroni przed ciekawskimi: każdy, kto ma plik, może go przeczytać bez hasła.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>Zapieczętowany .vws utrzymuje zawartość w tajemnicy: otwiera go tylko hasło, a zmieniony bajt jest zgłaszany jako uszkodzenie.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Decyduje nazwa: kończąca się na .vws tworzy plik zapieczętowany, każda inna klasyczny plik .vw3, który otwiera się bez hasła.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Pomoc Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Co chroni każdy rodzaj pliku</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Klasyczne pliki .vw3&lt;/b&gt; chronią plik przed ciekawskimi spojrzeniami. Zawartość jest mieszana tablicą zapisaną w pliku: każdy, kto ma plik, może go przeczytać bez hasła, a zmieniony bajt pozostaje niezauważony.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Zapieczętowane pliki .vws&lt;/b&gt; utrzymują zawartość w tajemnicy: otwiera je tylko hasło (Argon2id i XChaCha20-Poly1305), widać jedynie rozmiar, a zmieniony bajt jest zgłaszany jako uszkodzenie. Wybierz typ zapieczętowany w oknie zapisu albo nazwę kończącą się na .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Dokąd trafiają wyniki</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Szyfrowanie: okno zapisu otwiera się obok pliku lub folderu, z jego nazwą i dodanym .vw3 lub .vws. Zaznaczenie w menedżerze plików zapisuje każdy wynik obok jego źródła.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Odszyfrowanie pliku: okno zapisu proponuje zapisaną nazwę, obok zaszyfrowanego pliku.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Odszyfrowanie folderu: obok zaszyfrowanego pliku proponowany jest nowy folder o jego nazwie. Pliki, które zostałyby zastąpione, są wymieniane i najpierw padnie pytanie.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>Po anulowaniu nic nie jest zapisywane, a uszkodzony plik niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, strzałki</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>przechodzenie między ikonami</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Spacja</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>uruchomienie zaznaczonej ikony</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>ta pomoc</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>zakończenie</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Enter, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK i Anuluj w oknie hasła</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>zatrzymanie pracy w oknie postępu</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Resztę mówią strony podręcznika: %1 dla tego programu i %2 dla polecenia, które robi to samo w terminalu.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Zaszyfruj plik...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Odszyfruj plik lub folder...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>O programie Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Zakończ Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Zaszyfruj folder...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Witamy w Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Wybierz czynność poniżej:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Wszelkie prawa zastrzeżone.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Wpisz hasło:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>około %n miliarda lat</numerusform>
            <numerusform>około %n miliardów lat</numerusform>
            <numerusform>około %n miliardów lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>około %n miliona lat</numerusform>
            <numerusform>około %n milionów lat</numerusform>
            <numerusform>około %n milionów lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>około %n tysiąca lat</numerusform>
            <numerusform>około %n tysięcy lat</numerusform>
            <numerusform>około %n tysięcy lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>około %n roku</numerusform>
            <numerusform>około %n lat</numerusform>
            <numerusform>około %n lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>około %n dnia</numerusform>
            <numerusform>około %n dni</numerusform>
            <numerusform>około %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>około %n godziny</numerusform>
            <numerusform>około %n godzin</numerusform>
            <numerusform>około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>około %n minuty</numerusform>
            <numerusform>około %n minut</numerusform>
            <numerusform>około %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>ponad tysiąc miliardów lat</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>mniej niż minuta</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Anuluj i wróć do głównego okna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Wpisz hasło albo wybierz Anuluj.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>To hasło nie chroni zawartości: każdy, kto ma plik, może go przeczytać bez hasła.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Wstaw losowe hasło z %n słowa</numerusform>
            <numerusform>Wstaw losowe hasło z %n słów</numerusform>
            <numerusform>Wstaw losowe hasło z %n słów</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Wpisz hasło albo wybierz Generuj, aby dostać hasło ze słów.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Słabe: przy %2 próbach na sekundę na procesor odgadnięcie zajęłoby %1.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Silne: przy %2 próbach na sekundę na procesor odgadnięcie zajęłoby %1.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Zapisz to hasło; nic innego nie otworzy pliku:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise pracuje</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Praca w toku... Proszę czekać</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Zatrzymaj pracę; nic nie zostanie zapisane</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 z %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>Ukończono %1%...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Trwa praca na plikach, proszę czekać</translation>
    </message>
</context>
</TS>
