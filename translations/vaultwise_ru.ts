<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Индекс вне диапазона: таблица подстановки повреждена (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>элемент %1 равен %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>ни один элемент не содержит %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Недопустимый вызов процедуры или аргумент: в пароле есть символ, который нельзя сохранить (допустимы только символы Windows-1252)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Неверный формат файла: «%1» не является правильным зашифрованным файлом (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Неверный формат файла: «%1» не является файлом Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>у поля «%1» %2 измерений вместо 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>поле «%1» заявляет %2 байт — больше, чем вмещает зашифрованный файл</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>у поля «%1» нижняя граница %2 вместо 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Недопустимый вызов процедуры или аргумент: «%1» не вместит %2 байт; зашифрованный файл вмещает не более 2 147 483 647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Недопустимый вызов процедуры или аргумент: имя источника слишком длинное</translation>
    </message>
</context>
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
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Ошибка доступа к пути или файлу: «%1» — не обычный файл</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Чтение за концом файла: «%1» повреждён или другого вида (%2 требует %3 байт, осталось только %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Не удаётся открыть</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Не удаётся прочитать</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Ошибка доступа к пути или файлу: «%1» не сообщает размер, но содержит данные</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Не удаётся записать</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Ошибка доступа к пути или файлу: «%1» — сокет, а не файл для записи</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Ошибка доступа к пути или файлу: «%1» — папка, а не файл для записи</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Ошибка доступа к пути или файлу: «%1» — устройство, а не файл для записи</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Ошибка доступа к пути или файлу: «%1» — FIFO, а не файл для записи</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>системный источник случайных чисел</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Не удаётся создать папку в</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Отказано в доступе: не удаётся заблокировать собственную папку в «%1»</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Нельзя создать файл без имени</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Отказано в доступе: нет личной папки, чтобы проверить содержимое перед записью в «%1» (%2 не принадлежит этому пользователю)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>«%1» — папка; файл её не заменит</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>«%1» — ссылка; папка её не заменит</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>«%1» — файл; папка его не заменит</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Ошибка доступа к пути или файлу: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; в папке ничего не изменено</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; эти файлы уже были записаны и остаются заменёнными: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Не удаётся записать «%1»</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Не удаётся заменить</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>Файл уже существует: «%1» появился во время записи и не был заменён</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Не удаётся создать временный файл для сжатых записей в</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>буфер сжатых записей</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Не удаётся создать папку</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Не удалось установить права доступа для «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>записанное содержимое</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>блок</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>сигнатура</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>заголовок</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>содержимое</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>длина сообщения</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>сообщение</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>содержимое записи</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>исходный файл</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>таблица записей</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>число измерений записи</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>длина записи</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>нижняя граница записи</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>длина имени записи</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>имя записи</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>размер файла записи</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>признак сжатия записи</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>зарезервированный текст записи</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>зарезервированные байты записи</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>длина описания</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>описание</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>число измерений таблицы записей</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>число ячеек таблицы записей</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>нижняя граница таблицы записей</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>длина метки формата</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>метка формата</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>длина зарезервированного текста</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>зарезервированный текст</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>зарезервированное число</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>данные</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>пароль</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>вид источника</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>имя источника</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>таблица подстановки</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>результат не помещается</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>данные повреждены</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>недопустимый параметр</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>потоку нужен заданный словарь</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>ошибка %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>Сжатая запись повреждена: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>Сжатая запись %1 повреждена: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>уровень сжатия %1 вне диапазона от 1 до 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Не удаётся сжать файл: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>её записанная длина %1 отрицательна</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 сжатых байт не могут развернуться в записанные %2 байт</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib сообщает: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>она разворачивается в %1 байт, а не в записанные %2</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Не удаётся развернуть запись: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>она разворачивается больше чем в записанные %1 байт</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>поток zlib обрезан</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Файл пакета «%1» был изменён кем-то другим после начала сеанса</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>Буфер сжатых записей обрезан</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Запись ссылается на файл пакета, который не был прочитан</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Сжатая запись потеряла свои байты</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>Исходный файл «%1» изменился после добавления: было %2 байт, стало %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>его имя пусто</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>его имя «%1» обозначает переход по папкам</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>его имя «%1» содержит разделитель папок</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>его имя содержит символ NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>Файл %1 не извлекается: имя «%2» программа оставляет для своих файлов</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>Файл %1 не извлекается: %2, и он мог бы быть записан вне папки назначения</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Недопустимое имя файла: у файла %1 «%2» имя длиной %3 байт; место назначения допускает не более %4 байт</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Диск заполнен: пакет содержит %1 байт, а в «%2» свободно только %3</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Ячейка %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>у содержимого записи %1 измерений; возможно только 0 или 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Текст длиной %1 байт не помещается в пакет (не более 65 535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Не удалось полностью прочитать байты записи</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Не удаётся прочитать «%1»: это не обычный файл</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>«%1» изменился во время открытия</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>у таблицы записей %1 измерений; возможно только 0 или 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>Файл %1 не извлекается: имя «%2» есть и у файла %3, и один заменил бы другой</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Неверный формат файла: «%1» повреждён или не является пакетом: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>таблица записей начинается с ячейки %1, а не с ячейки 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>таблица записей заявляет %1 ячеек, но дальше только %2 байт, а каждая ячейка занимает не меньше 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>запись заявляет %1 байт; запись пакета вмещает не более 2 147 483 647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>он заявляет %1 файлов, но в его таблице записей %2 ячеек</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Не удаётся добавить «%1»: в нём %2 байт; запись пакета вмещает не более 2 147 483 647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>Исходный файл «%1» изменился после составления списка: было %2 байт, теперь меньше</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Не удаётся добавить «%1»: это не обычный файл</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>Исходный файл «%1» изменился после составления списка: было %2 байт, стало %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Исходный файл не найден</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Папка назначения не указана</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Неверный номер файла</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Индекс вне диапазона: в пакете нет ячейки %1 (его последний файл имеет номер %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>Пакет не может вместить больше файлов</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Неверный номер файла %1: в пакете %2 файлов</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Индекс вне диапазона: содержимому ячейки %1 так и не задан размер</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>Длина описания %1 байт; пакет вмещает не более 65 535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Замена файла</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Зашифровать %n элемент как классический файл .vw3 (его содержимое не защищено), как запечатанный файл .vws рядом с ним или как один запечатанный файл .vws, содержащий его?</numerusform>
            <numerusform>Зашифровать %n элемента как классические файлы .vw3 (их содержимое не защищено), как запечатанные файлы .vws, каждый рядом со своим, или как один запечатанный файл .vws, содержащий их все?</numerusform>
            <numerusform>Зашифровать %n элементов как классические файлы .vw3 (их содержимое не защищено), как запечатанные файлы .vws, каждый рядом со своим, или как один запечатанный файл .vws, содержащий их все?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Зашифрованный файл назначения</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>«%1» уже существует. Заменить?
(«Отмена» сохранит его, а этот элемент будет пропущен.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Шифрование %n элемента</numerusform>
            <numerusform>Шифрование %n элементов</numerusform>
            <numerusform>Шифрование %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Классические файлы .vw3</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Запечатанные файлы .vws</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Один запечатанный файл .vws</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... и ещё %1</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Не зашифровано: классический файл .vw3 хранит только собственные файлы папки, поэтому вложенные папки, символические ссылки, специальные файлы и имена, начинающиеся с точки, пропускаются:%1
Запечатанные файлы .vws сохраняют целые деревья папок.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Шифрование папки</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n файл в %1 «%2» будет заменён расшифрованным:%3</numerusform>
            <numerusform>%n файла в %1 «%2» будут заменены расшифрованными:%3</numerusform>
            <numerusform>%n файлов в %1 «%2» будут заменены расшифрованными:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n папке</numerusform>
            <numerusform>%n папках</numerusform>
            <numerusform>%n папках</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n файл в «%1» будет заменён расшифрованным:%2</numerusform>
            <numerusform>%n файла в «%1» будут заменены расшифрованными:%2</numerusform>
            <numerusform>%n файлов в «%1» будут заменены расшифрованными:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Замена файлов</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Введите пароль зашифрованного файла:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Нет дерева</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Недопустимый вызов процедуры или аргумент: файлы «%1» дают пакет размером %2 байт; зашифрованный файл вмещает не более 2 147 483 647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Выберите папку для шифрования:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Чтение за концом файла: данные заканчиваются на %1 байт раньше</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Файлы Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Введите пароль для зашифрованного файла:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Подтвердите пароль для зашифрованного файла:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Новый пароль запечатанного файла (регистр букв важен):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Подтвердите пароль (регистр букв важен):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Ошибка: введённые пароли не совпадают.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Ошибка: введён неверный пароль.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Не зашифровано (специальные файлы пропускаются):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Файл назначения</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Выберите папку, куда поместить зашифрованные файлы:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Файлы %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Запечатанные файлы Vaultwise (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Слабый пароль</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Шифрование файла</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Исходный зашифрованный файл</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Пароль запечатанного файла (регистр букв важен):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Запечатанному файлу нужен пароль</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Недопустимое имя файла: «%1» нельзя зашифровать: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>его имя не является правильным UTF-8 и вернулось бы другим именем</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>он вернулся бы под именем «%1»</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Отказано в доступе: нет личной папки для временного пакета (папка программы недоступна для записи, а %1 не принадлежит этому пользователю)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Недопустимый вызов процедуры или аргумент: запечатанный файл читается только с его паролем</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... и ещё %1</translation>
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
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>Нет списка слов</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Недопустимый вызов процедуры или аргумент: пароль нельзя привести к нормальной форме Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>Содержимое слишком велико для запечатывания</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>Запечатанный файл «%1» повреждён</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>Стоимость выработки ключа вне допустимых пределов</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>Имя файла слишком длинное для сохранения</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>Не удаётся запустить криптографическую библиотеку</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Недопустимый вызов процедуры или аргумент: пароль запечатанного файла должен быть текстом UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>меньше минуты</translation>
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
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>около %n дня</numerusform>
            <numerusform>около %n дней</numerusform>
            <numerusform>около %n дней</numerusform>
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
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>около %n тысячи лет</numerusform>
            <numerusform>около %n тысяч лет</numerusform>
            <numerusform>около %n тысяч лет</numerusform>
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
    <message>
        <source>more than a billion years</source>
        <translation>более миллиарда лет</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>при %2 попытках в секунду на процессор подбор занял бы %1</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Этот пароль слабый: %1, а у злоумышленника много процессоров. Более длинный пароль или созданную фразу из нескольких слов подобрать гораздо труднее.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Не удаётся прочитать «%1»: неизвестный сбой</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Не удаётся прочитать «%1»: файл вырос во время шифрования</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Нельзя назвать «%1» в запечатанном файле</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Два элемента называются «%1»; запечатанный файл вмещает только один</translation>
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
    <message>
        <source>Working on your files, please wait</source>
        <translation>Идёт работа с файлами, подождите</translation>
    </message>
</context>
</TS>
