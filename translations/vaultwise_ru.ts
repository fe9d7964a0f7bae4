<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Шифрование файлов</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Шифрование и расшифровка файлов и папок</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>шифровать;расшифровать;пароль;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Зашифрованный файл</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Файл, зашифрованный Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Запечатанный файл Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Зашифровать с Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Расшифровать с Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Превратить выбранные файлы или папки в защищённые паролем файлы .vw3 или .vws</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Вернуть выбранным файлам .vw3 или .vws их содержимое</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Зашифрованные файлы</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Любой файл или папка</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Скрыть файл или папку паролем от любопытных глаз</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise превращает файл или файлы, лежащие прямо в одной папке, в один защищённый паролем файл .vw3 и обратно. Перетащите файл или папку на его окно, выберите действие или откройте файл .vw3 из файлового менеджера.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Что защищает файл .vw3, а что нет: содержимое перемешивается таблицей подстановки байтов, которая хранится в самом файле. Пароль лишь решает, продолжит ли программа работу; любой, у кого есть файл, может восстановить содержимое без пароля. Используйте его против любопытных глаз, но не как стойкое шифрование.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Для содержимого, которое должно остаться тайной, программа пишет и запечатанные файлы .vws: пароль проходит через Argon2id, а содержимое шифруется XChaCha20-Poly1305, так что без пароля виден только размер, а изменённый байт заставляет файл отказаться открываться, вместо того чтобы восстановиться неверно.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>«Зашифровать с Vaultwise» и «Расшифровать с Vaultwise» появляются в контекстных меню Dolphin, Nemo, Nautilus, Caja и Thunar. Главное окно работает с одной клавиатурой, а уведомление сообщает об окончании долгой работы.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>Команда vw3 делает то же в терминале, а vw3 info показывает содержимое файла, не спрашивая пароль.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>Главное окно с пятью действиями</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Ошибка %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Нечего удалять: для этого пользователя нет регистрации.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Подробнее: «vaultwise --help».</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>не удаётся найти «%1»</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise превращает файл или файлы папки в один защищённый паролем файл .vw3
(или запечатанный файл .vws) и обратно. Без аргументов показывает своё окно; с путём
расшифровывает файл .vw3 или .vws и шифрует всё остальное.
Собственные параметры Qt (-style, -platform, ...) передаются Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Зашифровать файл или папку PATH: спрашивает место назначения. Дальнейшие пути образуют пакет: один вопрос о формате и пароле для всех.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Расшифровать файл .vw3 или .vws PATH; дальнейшие пути тоже, каждый рядом со своим зашифрованным файлом.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Отменить регистрацию типа файла и действия файловых менеджеров для этого пользователя.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Файл или папка для шифрования либо файл для расшифровки.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>укажите одно из --encrypt, --decrypt, --unregister или путь</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 готов</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n элемент готов</numerusform>
            <numerusform>%n элемента готовы</numerusform>
            <numerusform>%n элементов готовы</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise записал его в %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise записал их в %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>Классический .vw3 скрывает от любопытных глаз: любой, у кого есть файл, прочтёт его без пароля.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>Запечатанный .vws хранит содержимое в тайне: открывает его только пароль, а изменённый байт считается повреждением.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Решает имя: оканчивающееся на .vws даёт запечатанный файл, любое другое — классический файл .vw3, который открывается без пароля.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Справка Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Что защищает каждый вид файлов</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Классические файлы .vw3&lt;/b&gt; скрывают файл от любопытных глаз. Содержимое перемешивается таблицей, хранящейся в файле: любой, у кого есть файл, прочтёт его без пароля, а изменённый байт останется незамеченным.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Запечатанные файлы .vws&lt;/b&gt; хранят содержимое в тайне: открывает их только пароль (Argon2id и XChaCha20-Poly1305), виден лишь размер, а изменённый байт считается повреждением. Выберите запечатанный тип в диалоге сохранения или имя, оканчивающееся на .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Куда попадают результаты</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Шифрование: диалог сохранения открывается рядом с файлом или папкой, с их именем и добавленным .vw3 или .vws. Выделение в файловом менеджере записывает каждый результат рядом с его источником.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Расшифровка файла: диалог сохранения предлагает сохранённое имя рядом с зашифрованным файлом.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Расшифровка папки: рядом с зашифрованным файлом предлагается новая папка с её именем. Файлы, которые были бы заменены, перечисляются, и сначала задаётся вопрос.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>При отмене ничего не записывается, а из повреждённого файла ничего не пишется.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, стрелки</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>переход между значками</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, пробел</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>запуск отмеченного значка</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>эта справка</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Enter, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK и Отмена в окне пароля</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>остановка работы в окне хода работы</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Остальное — в страницах руководства: %1 для этой программы и %2 для команды, которая делает то же в терминале.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Зашифровать файл...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Расшифровать файл или папку...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>О программе Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Выйти из Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Зашифровать папку...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Добро пожаловать в Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Выберите действие ниже:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Все права защищены.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Введите пароль:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>около %n миллиарда лет</numerusform>
            <numerusform>около %n миллиардов лет</numerusform>
            <numerusform>около %n миллиардов лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>около %n миллиона лет</numerusform>
            <numerusform>около %n миллионов лет</numerusform>
            <numerusform>около %n миллионов лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>около %n тысячи лет</numerusform>
            <numerusform>около %n тысяч лет</numerusform>
            <numerusform>около %n тысяч лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>около %n года</numerusform>
            <numerusform>около %n лет</numerusform>
            <numerusform>около %n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>около %n дня</numerusform>
            <numerusform>около %n дней</numerusform>
            <numerusform>около %n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>около %n часа</numerusform>
            <numerusform>около %n часов</numerusform>
            <numerusform>около %n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>около %n минуты</numerusform>
            <numerusform>около %n минут</numerusform>
            <numerusform>около %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>более тысячи миллиардов лет</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>меньше минуты</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Подтвердить пароль</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Отменить и вернуться в главное окно</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Введите пароль или выберите «Отмена».</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Этот пароль не защищает содержимое: любой, у кого есть файл, прочтёт его без пароля.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Создать</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Вставить случайную парольную фразу из %n слова</numerusform>
            <numerusform>Вставить случайную парольную фразу из %n слов</numerusform>
            <numerusform>Вставить случайную парольную фразу из %n слов</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Введите пароль или выберите «Создать», чтобы получить фразу из слов.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Слабый: при %2 попытках в секунду на процессор подбор займёт %1.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Надёжный: при %2 попытках в секунду на процессор подбор займёт %1.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Запишите эту фразу; ничто другое не откроет файл:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise работает</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Идёт работа... Подождите</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход работы</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Остановить работу; ничего не будет записано</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 из %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>Выполнено %1%...</translation>
    </message>
</context>
</TS>
