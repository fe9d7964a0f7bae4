<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
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
</context>
</TS>
