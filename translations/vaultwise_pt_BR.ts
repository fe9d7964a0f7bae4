<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>Índice fora do intervalo: a tabela de substituição está danificada (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>a entrada %1 vale %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>nenhuma entrada contém %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>Chamada de procedimento ou argumento inválido: a senha contém um caractere que não pode ser guardado (só caracteres Windows-1252 são permitidos)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>Formato de arquivo inválido: “%1” não é um arquivo criptografado válido (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>Formato de arquivo inválido: “%1” não é um arquivo do Vaultwise</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 tem %2 dimensões em vez de 1</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 declara %2 bytes, mais do que um arquivo criptografado comporta</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 tem limite inferior %2 em vez de 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Chamada de procedimento ou argumento inválido: “%1” não comporta %2 bytes; um arquivo criptografado comporta no máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>Chamada de procedimento ou argumento inválido: o nome de origem é longo demais</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>Criptografia de arquivos</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>Criptografar e descriptografar arquivos e pastas</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>criptografar;descriptografar;senha;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>Arquivo criptografado</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Arquivo criptografado do Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Arquivo selado do Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Criptografar com o Vaultwise</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Descriptografar com o Vaultwise</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>Transformar os arquivos ou pastas selecionados em arquivos .vw3 ou .vws protegidos por senha</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>Devolver os arquivos .vw3 ou .vws selecionados ao que eles contêm</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>Arquivos criptografados</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>Qualquer arquivo ou pasta</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>Proteger um arquivo ou uma pasta de olhares curiosos com uma senha</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>O Moravi Vaultwise transforma um arquivo, ou os arquivos que estão diretamente em uma pasta, em um único arquivo .vw3 protegido por senha, e o transforma de volta. Solte um arquivo ou uma pasta na janela, escolha uma ação ou abra um arquivo .vw3 no gerenciador de arquivos.</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>O que um arquivo .vw3 protege e o que não protege: o conteúdo é embaralhado com uma tabela de substituição de bytes guardada dentro do próprio arquivo. A senha só decide se o programa continua; quem tem o arquivo pode recuperar o conteúdo sem a senha. Use-o contra olhares curiosos, nunca como criptografia forte.</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>Para conteúdos que precisam continuar secretos, ele também grava arquivos selados .vws: a senha passa pelo Argon2id e o conteúdo é criptografado com XChaCha20-Poly1305, de modo que sem a senha só aparece o tamanho, e um byte alterado faz o arquivo se recusar a abrir em vez de restaurar errado.</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>“Criptografar com o Vaultwise” e “Descriptografar com o Vaultwise” aparecem nos menus de contexto do Dolphin, Nemo, Nautilus, Caja e Thunar. A janela principal funciona só com o teclado, e uma notificação avisa quando um trabalho longo termina.</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>O comando vw3 faz o mesmo em um terminal, e vw3 info mostra o que um arquivo contém sem pedir a senha.</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>A janela principal com suas cinco ações</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Erro %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 “%2”: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” não é um arquivo comum</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>Leitura além do fim do arquivo: “%1” está danificado ou não é deste tipo (%2 precisa de %3 bytes, restam só %4)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Não foi possível abrir</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>Não foi possível ler</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” não informa tamanho, mas contém dados</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>Não foi possível gravar</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” é um socket, não um arquivo para gravar</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” é uma pasta, não um arquivo para gravar</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” é um dispositivo, não um arquivo para gravar</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>Erro de acesso a caminho ou arquivo: “%1” é um FIFO, não um arquivo para gravar</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>a fonte aleatória do sistema</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>Não foi possível criar uma pasta em</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>Permissão negada: não foi possível bloquear uma pasta própria em “%1”</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>Não é possível criar um arquivo sem nome</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>Permissão negada: não há pasta privada para verificar o conteúdo antes de gravá-lo em “%1” (%2 não pertence a este usuário)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>“%1” é uma pasta; nenhum arquivo a substitui</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>“%1” é um link; nenhuma pasta o substitui</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>“%1” é um arquivo; nenhuma pasta o substitui</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erro de acesso a caminho ou arquivo: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>; nada na pasta foi alterado</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>; estes arquivos já tinham sido gravados e continuam substituídos: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>Não foi possível gravar “%1”</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>Não foi possível substituir</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>O arquivo já existe: “%1” apareceu durante a gravação e não foi substituído</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>Não foi possível criar um arquivo temporário para as entradas compactadas em</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>o buffer de entradas compactadas</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>Não foi possível definir as permissões de “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>o conteúdo gravado</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>um bloco</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>a assinatura</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>o cabeçalho</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>o conteúdo</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>um comprimento de mensagem</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>uma mensagem</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>o conteúdo de uma entrada</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>o arquivo de origem</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>a tabela de entradas</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>o número de dimensões de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>o comprimento de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>o limite inferior de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>o comprimento do nome de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>o nome de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>o tamanho de arquivo de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>o indicador de compactação de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>o texto reservado de uma entrada</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>os bytes reservados de uma entrada</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>o comprimento da descrição</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>a descrição</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>o número de dimensões da tabela de entradas</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>o número de posições da tabela de entradas</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>o limite inferior da tabela de entradas</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>o comprimento da etiqueta de formato</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>a etiqueta de formato</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>o comprimento de um texto reservado</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>um texto reservado</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>um número reservado</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>os dados</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>a senha</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>o tipo de origem</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>o nome de origem</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>a tabela de substituição</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>a saída não cabe</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>os dados estão danificados</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>parâmetro inválido</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>o fluxo precisa de um dicionário predefinido</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erro %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>A entrada compactada está danificada: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>A entrada compactada %1 está danificada: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>o nível de compactação %1 não está entre 1 e 9</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>Não foi possível compactar o arquivo: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>seu comprimento registrado %1 é negativo</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 bytes compactados não podem resultar nos %2 bytes registrados</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib diz: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>ela se expande para %1 bytes, não os %2 registrados</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>Não foi possível expandir a entrada: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>ela se expande para mais que os %1 bytes registrados</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>o fluxo zlib está truncado</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>O arquivo de pacote “%1” foi alterado por outra pessoa desde o início da sessão</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>O buffer de entradas compactadas está truncado</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>Uma entrada se refere a um arquivo de pacote que nunca foi lido</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>Uma entrada compactada perdeu seus bytes</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>O arquivo de origem “%1” mudou depois de adicionado: tinha %2 bytes, agora %3</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>seu nome está vazio</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>seu nome “%1” é um passo de pasta</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>seu nome “%1” contém um separador de pastas</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>seu nome contém um caractere NUL</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>O arquivo %1 não será extraído: seu nome “%2” é reservado por este programa para seus próprios arquivos</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>O arquivo %1 não será extraído: %2 e poderia ser gravado fora da pasta de destino</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>Nome de arquivo inválido: o arquivo %1 “%2” tem um nome de %3 bytes; o destino aceita no máximo %4 bytes</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>Disco cheio: o pacote contém %1 bytes, mas “%2” tem só %3 livres</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>Posição %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>o conteúdo de uma entrada tem %1 dimensões; só 0 ou 1 são possíveis</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>Um texto de %1 bytes não cabe em um pacote (no máximo 65.535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>Não foi possível ler por inteiro os bytes de uma entrada</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>Não foi possível ler “%1”: não é um arquivo comum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>“%1” mudou enquanto era aberto</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>a tabela de entradas tem %1 dimensões; só 0 ou 1 são possíveis</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>O arquivo %1 não será extraído: seu nome “%2” também é o do arquivo %3, e um substituiria o outro</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>Formato de arquivo inválido: “%1” está danificado ou não é um pacote: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>a tabela de entradas começa na posição %1, não na 0</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>a tabela de entradas declara %1 posições, mas só seguem %2 bytes e cada posição ocupa pelo menos 22</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>uma entrada declara %1 bytes; uma entrada de pacote contém no máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>ele diz conter %1 arquivos, mas sua tabela de entradas tem %2 posições</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>Não foi possível adicionar “%1”: contém %2 bytes; uma entrada de pacote contém no máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>O arquivo de origem “%1” mudou depois de listado: tinha %2 bytes, agora menos</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>Não foi possível adicionar “%1”: não é um arquivo comum</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>O arquivo de origem “%1” mudou depois de listado: tinha %2 bytes, agora %3</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>Arquivo de origem não encontrado</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>Pasta de destino não informada</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>Número de arquivo inválido</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>Índice fora do intervalo: o pacote não tem a posição %1 (seu último arquivo é o número %2)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>O pacote não comporta mais arquivos</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>Número de arquivo %1 inválido: o pacote contém %2 arquivos</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>Índice fora do intervalo: o conteúdo da posição %1 nunca recebeu um tamanho</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>A descrição tem %1 bytes; um pacote comporta no máximo 65.535</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>Substituir arquivo</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>Criptografar este item (%n) como arquivo .vw3 clássico (seu conteúdo não fica protegido), como arquivo .vws selado ao lado dele, ou como um arquivo .vws selado que o contenha?</numerusform>
            <numerusform>Criptografar estes %n itens como arquivos .vw3 clássicos (seu conteúdo não fica protegido), como arquivos .vws selados, cada um ao lado do seu, ou como um único arquivo .vws selado que contenha todos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>Arquivo criptografado de destino</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>“%1” já existe. Substituir?
(Cancelar o mantém, e este item fica de fora.)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>Criptografar %n item</numerusform>
            <numerusform>Criptografar %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>Arquivos .vw3 clássicos</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>Arquivos .vws selados</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>Um único arquivo .vws selado</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... e mais %1</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>Não criptografados: um arquivo .vw3 clássico contém só os arquivos próprios da pasta; subpastas, links simbólicos, arquivos especiais e nomes que começam com ponto ficam de fora:%1
Arquivos .vws selados guardam árvores de pastas inteiras.</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>Criptografar pasta</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>%n arquivo em %1 de “%2” será substituído pelo descriptografado:%3</numerusform>
            <numerusform>%n arquivos em %1 de “%2” serão substituídos pelos descriptografados:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n pasta</numerusform>
            <numerusform>%n pastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>%n arquivo em “%1” será substituído pelo descriptografado:%2</numerusform>
            <numerusform>%n arquivos em “%1” serão substituídos pelos descriptografados:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>Substituir arquivos</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>Digite a senha do arquivo criptografado:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>Nenhuma árvore</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>Chamada de procedimento ou argumento inválido: os arquivos de “%1” formam um pacote de %2 bytes; um arquivo criptografado comporta no máximo 2.147.483.647</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>Selecione uma pasta para criptografar:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>Leitura além do fim do arquivo: os dados terminam %1 bytes antes</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Arquivos do Moravi Vaultwise 3.5 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>Digite uma senha para o arquivo criptografado:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>Confirme a senha do arquivo criptografado:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>Nova senha do arquivo selado (maiúsculas e minúsculas contam):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>Confirme a senha (maiúsculas e minúsculas contam):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>Erro: as senhas digitadas não coincidem.</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>Erro: você digitou uma senha incorreta.</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>Não criptografados (arquivos especiais ficam de fora):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>Arquivo de destino</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>Selecione a pasta onde colocar os arquivos criptografados:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Arquivos %1 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Arquivos selados do Vaultwise (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Senha fraca</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>Criptografar arquivo</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>Arquivo criptografado de origem</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>Senha do arquivo selado (maiúsculas e minúsculas contam):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>Um arquivo selado precisa de uma senha</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>Nome de arquivo inválido: “%1” não pode ser criptografado: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>seu nome não é UTF-8 válido e voltaria com outro nome</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>ele voltaria com o nome de “%1”</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>Permissão negada: não há pasta privada para o pacote temporário (a pasta do programa não permite gravação e %1 não pertence a este usuário)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>Chamada de procedimento ou argumento inválido: um arquivo selado só é lido com sua senha</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... e mais %1</translation>
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
        <translation>Nenhuma lista de palavras</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>Chamada de procedimento ou argumento inválido: a senha não pode ser levada à sua forma normal Unicode (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>O conteúdo é grande demais para ser selado</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>O arquivo selado “%1” está danificado</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>O custo de derivação da chave está fora dos limites</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>O nome do arquivo é longo demais para ser guardado</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>A biblioteca de criptografia não consegue iniciar</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>Chamada de procedimento ou argumento inválido: a senha de um arquivo selado deve ser texto UTF-8</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>cerca de %n minuto</numerusform>
            <numerusform>cerca de %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>cerca de %n hora</numerusform>
            <numerusform>cerca de %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>cerca de %n dia</numerusform>
            <numerusform>cerca de %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>cerca de %n ano</numerusform>
            <numerusform>cerca de %n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>cerca de %n mil anos</numerusform>
            <numerusform>cerca de %n mil anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>cerca de %n milhão de anos</numerusform>
            <numerusform>cerca de %n milhões de anos</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>mais de um bilhão de anos</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>levaria %1 para ser adivinhada a %2 tentativas por segundo por processador</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>Esta senha é fraca: %1, e um atacante tem muitos processadores. Uma senha mais longa, ou uma frase-senha gerada de várias palavras, é muito mais difícil de adivinhar.</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Não foi possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>Não foi possível ler “%1”: falha desconhecida</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>Não foi possível ler “%1”: ele cresceu enquanto era criptografado</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>Não é possível nomear “%1” em um arquivo selado</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>Dois dos itens se chamam “%1”; um arquivo selado contém apenas um</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>Removido: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>Nada a remover: não há registro para este usuário.</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>Tente “vaultwise --help” para mais informações.</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>não foi possível encontrar “%1”</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>O Moravi Vaultwise transforma um arquivo, ou os arquivos de uma pasta, em um arquivo .vw3
protegido por senha (ou um arquivo selado .vws) e vice-versa. Sem argumentos mostra sua
janela; com um caminho descriptografa um arquivo .vw3 ou .vws e criptografa todo o resto.
As opções próprias do Qt (-style, -platform, ...) são passadas ao Qt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>Criptografar o arquivo ou a pasta em PATH: pergunta o destino. Outros caminhos formam um lote: uma só pergunta de formato e senha para todos.</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>Descriptografar o arquivo .vw3 ou .vws em PATH; os outros caminhos também, cada um ao lado do seu arquivo criptografado.</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>Desfazer o registro do tipo de arquivo e as ações do gerenciador de arquivos deste usuário.</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>Um arquivo ou pasta para criptografar, ou um arquivo para descriptografar.</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>informe --encrypt, --decrypt, --unregister ou um caminho</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 está pronto</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n item está pronto</numerusform>
            <numerusform>%n itens estão prontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>O Moravi Vaultwise o gravou em %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>O Moravi Vaultwise os gravou em %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>O .vw3 clássico protege de olhares curiosos: quem tem o arquivo pode lê-lo sem a senha.</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>O .vws selado mantém o conteúdo em segredo: só a senha o abre, e um byte alterado é informado como dano.</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>O nome decide: um que termina em .vws cria um arquivo selado; qualquer outro, um arquivo .vw3 clássico, que abre sem a senha.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Ajuda do Moravi Vaultwise</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>O que cada tipo de arquivo protege</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;Arquivos .vw3 clássicos&lt;/b&gt; protegem um arquivo de olhares curiosos. O conteúdo é embaralhado com uma tabela guardada dentro do arquivo: quem tem o arquivo pode lê-lo sem a senha, e um byte alterado passa despercebido.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;Arquivos .vws selados&lt;/b&gt; mantêm o conteúdo em segredo: só a senha os abre (Argon2id e XChaCha20-Poly1305), só o tamanho aparece, e um byte alterado é informado como dano. Escolha o tipo selado na janela de salvar, ou um nome que termine em .vws.</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Para onde vão os resultados</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>Ao criptografar: a janela de salvar abre ao lado do arquivo ou da pasta, com o nome dele acrescido de .vw3 ou .vws. Uma seleção feita em um gerenciador de arquivos grava cada resultado ao lado da sua origem.</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>Ao descriptografar um arquivo: a janela de salvar propõe o nome guardado, ao lado do arquivo criptografado.</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>Ao descriptografar uma pasta: uma nova pasta com o nome dela é proposta ao lado do arquivo criptografado. Os arquivos que seriam substituídos são listados, e você é consultado antes.</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>Nada é gravado quando você cancela, e um arquivo danificado não grava nada.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab, setas</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>mover entre os ícones</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Espaço</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>executar o ícone marcado</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ajuda</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>sair</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Enter, Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>OK e Cancelar na janela de senha</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>parar o trabalho na janela de progresso</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>As páginas de manual dizem o resto: %1 para este programa e %2 para o comando que faz o mesmo em um terminal.</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>Criptografar um arquivo...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>Descriptografar um arquivo ou pasta...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>Sobre o Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Sair do Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>Criptografar uma pasta...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Bem-vindo ao Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>Selecione uma ação abaixo:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. Todos os direitos reservados.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>Digite sua senha:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>cerca de %n bilhão de anos</numerusform>
            <numerusform>cerca de %n bilhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>cerca de %n milhão de anos</numerusform>
            <numerusform>cerca de %n milhões de anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>cerca de %n mil anos</numerusform>
            <numerusform>cerca de %n mil anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>cerca de %n ano</numerusform>
            <numerusform>cerca de %n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>cerca de %n dia</numerusform>
            <numerusform>cerca de %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>cerca de %n hora</numerusform>
            <numerusform>cerca de %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>cerca de %n minuto</numerusform>
            <numerusform>cerca de %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>mais de mil bilhões de anos</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de um minuto</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>Confirmar a senha</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>Cancelar e voltar à janela principal</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>Digite uma senha ou escolha Cancelar.</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>Esta senha não protege o conteúdo: quem tem o arquivo pode lê-lo sem a senha.</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>Preencher com uma frase-senha aleatória de %n palavra</numerusform>
            <numerusform>Preencher com uma frase-senha aleatória de %n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>Digite uma senha ou escolha Gerar para uma frase-senha de palavras.</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Fraca: levaria %1 para ser adivinhada a %2 tentativas por segundo por processador.</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>Forte: levaria %1 para ser adivinhada a %2 tentativas por segundo por processador.</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>Anote esta frase-senha; nada mais abre o arquivo:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>O Moravi Vaultwise está trabalhando</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>Trabalhando... Aguarde</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>Parar o trabalho; nada é gravado</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1 de %2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1% concluído...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>Trabalhando nos seus arquivos, aguarde</translation>
    </message>
</context>
</TS>
