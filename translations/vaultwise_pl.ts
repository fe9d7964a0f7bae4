<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
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
</context>
</TS>
