<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Subíndice fuera de rango: la tabla de sustitución está dañada (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>la entrada %1 vale %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>ninguna entrada contiene %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Llamada a procedimiento o argumento no válido: la contraseña tiene un carácter que no se puede guardar (solo se admiten caracteres Windows-1252)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Formato de archivo no válido: «%1» no es un archivo cifrado válido (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Formato de archivo no válido: «%1» no es un archivo de Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 tiene %2 dimensiones en lugar de 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 declara %2 bytes, más de los que cabe en un archivo cifrado</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 tiene límite inferior %2 en lugar de 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Llamada a procedimiento o argumento no válido: «%1» no puede contener %2 bytes; un archivo cifrado contiene como máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Llamada a procedimiento o argumento no válido: el nombre de origen es demasiado largo</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Cifrado de archivos</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Cifrar y descifrar archivos y carpetas</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>cifrar;descifrar;contraseña;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Archivo cifrado</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Archivo cifrado de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Archivo sellado de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Cifrar con Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Descifrar con Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Convertir los archivos o carpetas seleccionados en archivos .vw3 o .vws protegidos con contraseña</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Devolver los archivos .vw3 o .vws seleccionados a lo que contienen</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Archivos cifrados</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Cualquier archivo o carpeta</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Proteger un archivo o una carpeta de miradas curiosas con una contraseña</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise convierte un archivo, o los archivos que están directamente en una carpeta, en un único archivo .vw3 protegido con contraseña, y lo devuelve a su estado. Suelte un archivo o una carpeta en su ventana, elija una acción o abra un archivo .vw3 desde el gestor de archivos.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>Lo que protege un archivo .vw3 y lo que no: el contenido se revuelve con una tabla de sustitución de bytes guardada dentro del propio archivo. La contraseña solo decide si el programa continúa; quien tenga el archivo puede recuperar su contenido sin la contraseña. Úselo contra miradas curiosas, nunca como cifrado fuerte.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Para contenidos que deben seguir siendo secretos también escribe archivos sellados .vws: la contraseña pasa por Argon2id y el contenido se cifra con XChaCha20-Poly1305, de modo que sin la contraseña solo se ve el tamaño, y un byte cambiado hace que el archivo se niegue a abrirse en lugar de restaurarse mal.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>«Cifrar con Vaultwise» y «Descifrar con Vaultwise» aparecen en los menús contextuales de Dolphin, Nemo, Nautilus, Caja y Thunar. La ventana principal funciona solo con el teclado, y una notificación avisa cuando termina un trabajo largo.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>La orden vw3 hace lo mismo desde una terminal, y vw3 info muestra lo que contiene un archivo sin pedir la contraseña.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>La ventana principal con sus cinco acciones</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Error de acceso a ruta o archivo: «%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Lectura más allá del final del archivo: «%1» está dañado o no es de este tipo (%2 necesita %3 bytes, solo quedan %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>No se puede abrir</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Error de acceso a ruta o archivo: «%1» no indica tamaño pero contiene datos</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>No se puede escribir</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Error de acceso a ruta o archivo: «%1» es un socket, no un archivo donde escribir</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Error de acceso a ruta o archivo: «%1» es una carpeta, no un archivo donde escribir</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Error de acceso a ruta o archivo: «%1» es un dispositivo, no un archivo donde escribir</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Error de acceso a ruta o archivo: «%1» es un FIFO, no un archivo donde escribir</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>la fuente aleatoria del sistema</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>No se puede crear una carpeta en</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Permiso denegado: no se puede bloquear una carpeta propia en «%1»</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>No se puede crear un archivo sin nombre</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Permiso denegado: no hay carpeta privada donde comprobar el contenido antes de escribirlo en «%1» (%2 no es de este usuario)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>«%1» es una carpeta; ningún archivo la reemplaza</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>«%1» es un enlace; ninguna carpeta lo reemplaza</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>«%1» es un archivo; ninguna carpeta lo reemplaza</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Error de acceso a ruta o archivo: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; no se cambió nada en la carpeta</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; estos archivos ya se habían escrito y quedan reemplazados: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>No se puede escribir «%1»</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>No se puede reemplazar</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>El archivo ya existe: «%1» apareció mientras se escribía y no se reemplazó</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>No se puede crear un archivo temporal para las entradas comprimidas en</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>el búfer de entradas comprimidas</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>No se pudieron establecer los permisos de «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>el contenido escrito</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>un bloque</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>la firma</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>la cabecera</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>el contenido</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>una longitud de mensaje</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un mensaje</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>el contenido de una entrada</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>el archivo de origen</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>la tabla de entradas</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>el número de dimensiones de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>la longitud de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>el límite inferior de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>la longitud del nombre de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>el nombre de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>el tamaño de archivo de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>el indicador de compresión de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>el texto reservado de una entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>los bytes reservados de una entrada</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>la longitud de la descripción</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>la descripción</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>el número de dimensiones de la tabla de entradas</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>el número de posiciones de la tabla de entradas</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>el límite inferior de la tabla de entradas</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>la longitud de la etiqueta de formato</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>la etiqueta de formato</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>la longitud de un texto reservado</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>un texto reservado</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>un número reservado</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>los datos</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>la contraseña</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>el tipo de origen</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>el nombre de origen</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>la tabla de sustitución</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>la salida no cabe</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>los datos están dañados</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parámetro no válido</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>el flujo necesita un diccionario predefinido</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>La entrada comprimida está dañada: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>La entrada comprimida %1 está dañada: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>el nivel de compresión %1 no está entre 1 y 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>No se puede comprimir el archivo: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>su longitud registrada %1 es negativa</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 bytes comprimidos no pueden dar los %2 bytes registrados</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib dice: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>se expande a %1 bytes, no a los %2 registrados</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>No se puede expandir la entrada: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>se expande a más de los %1 bytes registrados</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>el flujo zlib está cortado</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>Otra persona cambió el archivo de paquete «%1» desde que empezó la sesión</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>El búfer de entradas comprimidas está cortado</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Una entrada remite a un archivo de paquete que nunca se leyó</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Una entrada comprimida perdió sus bytes</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>El archivo de origen «%1» cambió después de añadirse: tenía %2 bytes, ahora %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>su nombre está vacío</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>su nombre «%1» es un paso de carpeta</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>su nombre «%1» contiene un separador de carpetas</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>su nombre contiene un carácter NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>No se extrae el archivo %1: su nombre «%2» es uno que este programa reserva para sus propios archivos</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>No se extrae el archivo %1: %2 y podría escribirse fuera de la carpeta de destino</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Nombre de archivo incorrecto: el archivo %1 «%2» tiene un nombre de %3 bytes; el destino admite %4 bytes como máximo</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Disco lleno: el paquete contiene %1 bytes, pero «%2» solo tiene %3 libres</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Posición %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>el contenido de una entrada tiene %1 dimensiones; solo son posibles 0 o 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Un texto de %1 bytes no cabe en un paquete (65.535 como máximo)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>No se pudieron leer enteros los bytes de una entrada</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>No se puede leer «%1»: no es un archivo normal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>«%1» cambió mientras se abría</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>la tabla de entradas tiene %1 dimensiones; solo son posibles 0 o 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>No se extrae el archivo %1: su nombre «%2» es también el del archivo %3, y uno reemplazaría al otro</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Formato de archivo no válido: «%1» está dañado o no es un paquete: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>la tabla de entradas empieza en la posición %1, no en la 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>la tabla de entradas declara %1 posiciones, pero solo siguen %2 bytes y cada posición ocupa al menos 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>una entrada declara %1 bytes; una entrada de paquete contiene como máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>dice contener %1 archivos, pero su tabla de entradas tiene %2 posiciones</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>No se puede añadir «%1»: contiene %2 bytes; una entrada de paquete contiene como máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>El archivo de origen «%1» cambió después de listarse: tenía %2 bytes, ahora menos</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>No se puede añadir «%1»: no es un archivo normal</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>El archivo de origen «%1» cambió después de listarse: tenía %2 bytes, ahora %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>No se encuentra el archivo de origen</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>No se indicó la carpeta de destino</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Número de archivo no válido</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Subíndice fuera de rango: el paquete no tiene la posición %1 (su último archivo es el número %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>El paquete no admite más archivos</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Número de archivo %1 no válido: el paquete contiene %2 archivos</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Subíndice fuera de rango: el contenido de la posición %1 nunca recibió un tamaño</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>La descripción tiene %1 bytes; un paquete admite como máximo 65.535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Reemplazar archivo</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>¿Cifrar este elemento (%n) como archivo .vw3 clásico (su contenido no queda protegido), como archivo .vws sellado a su lado, o como un archivo .vws sellado que lo contenga?</numerusform>
            <numerusform>¿Cifrar estos %n elementos como archivos .vw3 clásicos (su contenido no queda protegido), como archivos .vws sellados, cada uno junto al suyo, o como un único archivo .vws sellado que los contenga todos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Archivo cifrado de destino</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>«%1» ya existe. ¿Reemplazarlo?
(Cancelar lo conserva, y este elemento queda fuera.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Cifrar %n elemento</numerusform>
            <numerusform>Cifrar %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Archivos .vw3 clásicos</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Archivos .vws sellados</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Un solo archivo .vws sellado</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... y %1 más</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Sin cifrar: un archivo .vw3 clásico solo contiene los archivos propios de la carpeta; las subcarpetas, los enlaces simbólicos, los archivos especiales y los nombres que empiezan por punto quedan fuera:%1
Los archivos .vws sellados conservan árboles de carpetas enteros.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Cifrar carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n archivo en %1 de «%2» se reemplazará por el descifrado:%3</numerusform>
            <numerusform>%n archivos en %1 de «%2» se reemplazarán por los descifrados:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n archivo en «%1» se reemplazará por el descifrado:%2</numerusform>
            <numerusform>%n archivos en «%1» se reemplazarán por los descifrados:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Reemplazar archivos</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Escriba la contraseña del archivo cifrado:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>No hay árbol</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Llamada a procedimiento o argumento no válido: los archivos de «%1» forman un paquete de %2 bytes; un archivo cifrado contiene como máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Seleccione una carpeta para cifrar:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Lectura más allá del final del archivo: los datos terminan %1 bytes antes de tiempo</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Archivos de Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Escriba una contraseña para el archivo cifrado:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Confirme la contraseña del archivo cifrado:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Nueva contraseña del archivo sellado (distingue mayúsculas y minúsculas):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Confirme la contraseña (distingue mayúsculas y minúsculas):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Error: las contraseñas escritas no coinciden.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Error: ha escrito una contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Sin cifrar (los archivos especiales quedan fuera):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Archivo de destino</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Seleccione la carpeta donde colocar los archivos cifrados:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Archivos de Vaultwise sellados (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Contraseña débil</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Cifrar archivo</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Archivo cifrado de origen</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Contraseña del archivo sellado (distingue mayúsculas y minúsculas):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Un archivo sellado necesita una contraseña</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Nombre de archivo incorrecto: «%1» no se puede cifrar: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>su nombre no es UTF-8 válido y volvería con otro nombre</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>volvería con el nombre de «%1»</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Permiso denegado: no hay carpeta privada para el paquete temporal (la carpeta del programa no admite escritura y %1 no es de este usuario)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Llamada a procedimiento o argumento no válido: un archivo sellado solo se lee con su contraseña</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... y %1 más</translation>
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
        <translation>No hay lista de palabras</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Llamada a procedimiento o argumento no válido: la contraseña no se puede llevar a su forma normal Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>El contenido es demasiado grande para sellarlo</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>El archivo sellado «%1» está dañado</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>El coste de derivación de clave está fuera de los límites</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>El nombre de archivo es demasiado largo para guardarlo</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>La biblioteca criptográfica no puede iniciarse</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Llamada a procedimiento o argumento no válido: la contraseña de un archivo sellado debe ser texto UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>alrededor de %n minuto</numerusform>
            <numerusform>unos %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>alrededor de %n hora</numerusform>
            <numerusform>unas %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>alrededor de %n día</numerusform>
            <numerusform>unos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>alrededor de %n año</numerusform>
            <numerusform>unos %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>unos %n mil años</numerusform>
            <numerusform>unos %n mil años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>alrededor de %n millón de años</numerusform>
            <numerusform>unos %n millones de años</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>más de mil millones de años</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>tardaría %1 en adivinarse a %2 intentos por segundo y procesador</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Esta contraseña es débil: %1, y un atacante tiene muchos procesadores. Una contraseña más larga, o una frase generada de varias palabras, es mucho más difícil de adivinar.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>No se puede leer «%1»: fallo desconocido</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>No se puede leer «%1»: creció mientras se cifraba</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>No se puede nombrar «%1» en un archivo sellado</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Dos de los elementos se llaman «%1»; un archivo sellado solo contiene uno</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Nada que eliminar: no hay registro para este usuario.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Pruebe «vaultwise --help» para más información.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>no se encuentra «%1»</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise convierte un archivo, o los archivos de una carpeta, en un archivo .vw3
protegido con contraseña (o un archivo sellado .vws) y viceversa. Sin argumentos muestra
su ventana; con una ruta descifra un archivo .vw3 o .vws y cifra cualquier otra cosa.
Las opciones propias de Qt (-style, -platform, ...) se pasan a Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Cifrar el archivo o la carpeta de PATH: pregunta el destino. Más rutas forman un lote: una sola pregunta de formato y contraseña para todas.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Descifrar el archivo .vw3 o .vws de PATH; también las demás rutas, cada una junto a su archivo cifrado.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Deshacer el registro del tipo de archivo y las acciones del gestor de archivos de este usuario.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Un archivo o carpeta que cifrar, o un archivo que descifrar.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>indique --encrypt, --decrypt, --unregister o una ruta</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 está listo</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n elemento está listo</numerusform>
            <numerusform>%n elementos están listos</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise lo escribió en %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise los escribió en %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>El .vw3 clásico protege de miradas curiosas: quien tenga el archivo puede leerlo sin la contraseña.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>El .vws sellado mantiene el contenido en secreto: solo la contraseña lo abre, y un byte cambiado se informa como daño.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>Decide el nombre: uno que termine en .vws crea un archivo sellado; cualquier otro, un archivo .vw3 clásico, que se abre sin la contraseña.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Ayuda de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>Qué protege cada tipo de archivo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Los archivos .vw3 clásicos&lt;/b&gt; protegen un archivo de miradas curiosas. El contenido se revuelve con una tabla guardada dentro del archivo: quien tenga el archivo puede leerlo sin la contraseña, y un byte cambiado pasa inadvertido.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Los archivos .vws sellados&lt;/b&gt; mantienen el contenido en secreto: solo la contraseña los abre (Argon2id y XChaCha20-Poly1305), solo se ve el tamaño, y un byte cambiado se informa como daño. Elija el tipo sellado en el diálogo de guardar, o un nombre que termine en .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Dónde van los resultados</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Al cifrar: el diálogo de guardar se abre junto al archivo o la carpeta, con su nombre y .vw3 o .vws añadido. Una selección hecha en un gestor de archivos escribe cada resultado junto a su origen.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Al descifrar un archivo: el diálogo de guardar propone el nombre guardado, junto al archivo cifrado.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Al descifrar una carpeta: se propone una carpeta nueva con su nombre junto al archivo cifrado. Los archivos que se reemplazarían se nombran y se le pregunta antes.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>No se escribe nada si cancela, y un archivo dañado no escribe nada.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, flechas</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>moverse entre los iconos</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>ejecutar el icono marcado</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Intro, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>Aceptar y Cancelar en el diálogo de contraseña</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>detener el trabajo en la ventana de progreso</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>Las páginas del manual cuentan el resto: %1 para este programa y %2 para la orden que hace lo mismo desde una terminal.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Cifrar un archivo...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Descifrar un archivo o carpeta...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>Acerca de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Salir de Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Cifrar una carpeta...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Bienvenido a Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Seleccione una acción de abajo:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Todos los derechos reservados.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Escriba su contraseña:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>unos %n mil millones de años</numerusform>
            <numerusform>unos %n mil millones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>alrededor de %n millón de años</numerusform>
            <numerusform>unos %n millones de años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>unos %n mil años</numerusform>
            <numerusform>unos %n mil años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>alrededor de %n año</numerusform>
            <numerusform>unos %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>alrededor de %n día</numerusform>
            <numerusform>unos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>alrededor de %n hora</numerusform>
            <numerusform>unas %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>alrededor de %n minuto</numerusform>
            <numerusform>unos %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>más de un billón de años</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Confirmar la contraseña</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Cancelar y volver a la ventana principal</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Escriba una contraseña o elija Cancelar.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Esta contraseña no protege el contenido: quien tenga el archivo puede leerlo sin la contraseña.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Rellenar con una frase de contraseña aleatoria de %n palabra</numerusform>
            <numerusform>Rellenar con una frase de contraseña aleatoria de %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Escriba una contraseña o elija Generar para obtener una frase de palabras.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Débil: se tardaría %1 en adivinarla a %2 intentos por segundo y procesador.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Fuerte: se tardaría %1 en adivinarla a %2 intentos por segundo y procesador.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Anote esta frase de contraseña; nada más abre el archivo:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise está trabajando</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Trabajando... Espere</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Detener el trabajo; no se escribe nada</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 de %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2 %</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1 % completado...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Trabajando en sus archivos, espere</translation>
    </message>
</context>
</TS>
