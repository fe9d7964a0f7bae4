<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>下标越界：替换表已损坏（%1）</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>第 %1 项的值为 %2</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>没有任何项包含 %1</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>过程调用或参数无效：密码中有无法存储的字符（只允许 Windows-1252 字符）</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>文件格式无效：“%1”不是有效的加密文件（%2）</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>文件格式无效：“%1”不是 Vaultwise 文件</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 有 %2 维，而不是 1 维</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 声称有 %2 字节，超过加密文件的容量</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 的下界为 %2，而不是 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>过程调用或参数无效：“%1”无法容纳 %2 字节；加密文件最多容纳 2,147,483,647 字节</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>过程调用或参数无效：源名称太长</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>文件加密</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>加密和解密文件及文件夹</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>加密;解密;密码;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>加密文件</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Moravi Vaultwise 加密文件</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Moravi Vaultwise 密封文件</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>用 Vaultwise 加密</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>用 Vaultwise 解密</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>将选中的文件或文件夹变成受密码保护的 .vw3 或 .vws 文件</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>将选中的 .vw3 或 .vws 文件还原为其内容</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>加密文件</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>任意文件或文件夹</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>用密码挡住他人对文件或文件夹的随意窥看</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise 将一个文件，或一个文件夹中直接包含的文件，变成单个受密码保护的 .vw3 文件，也能还原。把文件或文件夹拖到它的窗口上、选择一个操作，或在文件管理器中打开 .vw3 文件即可。</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>.vw3 文件能保护什么、不能保护什么：内容用存放在文件内部的字节替换表打乱。密码只决定程序是否继续；任何持有该文件的人都能不用密码恢复其内容。请用它挡住随意的窥看，切勿当作强加密。</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>对于必须保密的内容，它也能写入密封的 .vws 文件：密码经过 Argon2id 处理，内容用 XChaCha20-Poly1305 加密，因此没有密码时只能看到大小；任何一个字节被改动，文件都会拒绝打开，而不会错误地还原。</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>“用 Vaultwise 加密”和“用 Vaultwise 解密”出现在 Dolphin、Nemo、Nautilus、Caja 和 Thunar 的右键菜单中。主窗口可只用键盘操作，长时间的任务完成时会有通知。</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>vw3 命令在终端中完成同样的工作，vw3 info 无需密码即可显示文件中的内容。</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>主窗口及其五个操作</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>错误 %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1“%2”：%3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>路径/文件访问错误：“%1”不是普通文件</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>读取超出文件末尾：“%1”已损坏或不是此类文件（%2 需要 %3 字节，只剩 %4 字节）</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>路径/文件访问错误：“%1”没有报告大小却包含数据</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>路径/文件访问错误：“%1”是套接字，不是可写入的文件</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>路径/文件访问错误：“%1”是文件夹，不是可写入的文件</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>路径/文件访问错误：“%1”是设备，不是可写入的文件</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>路径/文件访问错误：“%1”是 FIFO，不是可写入的文件</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>系统随机源</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>无法在以下位置创建文件夹</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>权限不足：无法在“%1”中锁定自己的文件夹</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>无法创建没有名称的文件</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>权限不足：在写入“%1”之前没有可用于检查内容的私有文件夹（%2 不属于此用户）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>“%1”是文件夹；不会用文件替换它</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>“%1”是链接；不会用文件夹替换它</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>“%1”是文件；不会用文件夹替换它</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 个</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>路径/文件访问错误：%1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>；文件夹中没有任何改动</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>；这些文件已经写入并保持替换：%1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>无法写入“%1”</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>无法替换</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>文件已存在：“%1”在写入期间出现，未被替换</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>无法为压缩条目创建临时文件，位置</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>压缩条目缓冲区</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>无法设置“%1”的权限：%2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>已写入的内容</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>一个数据块</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>文件标识</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>文件头</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>消息长度</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>一条消息</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>条目内容</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>条目表</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>条目的维数</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>条目长度</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>条目下界</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>条目名称长度</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>条目名称</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>条目的文件大小</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>条目的压缩标志</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>条目的保留文本</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>条目的保留字节</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>描述长度</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>条目表的维数</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>条目表的槽数</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>条目表的下界</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>格式标签长度</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>格式标签</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>保留文本长度</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>保留文本</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>保留数字</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>源类型</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>源名称</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>替换表</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>输出放不下</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>数据已损坏</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>参数无效</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>数据流需要预设字典</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>压缩条目已损坏：%1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>压缩条目 %1 已损坏：%2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>压缩级别 %1 不在 1 到 9 之间</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>无法压缩文件：%1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>其记录的长度 %1 为负数</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 个压缩字节无法展开为记录的 %2 字节</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib 报告：%1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>它展开为 %1 字节，而不是记录的 %2 字节</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>无法展开条目：%1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>它展开后超过记录的 %1 字节</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>zlib 数据流被截断</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>会话开始后，包文件“%1”被他人修改</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>压缩条目缓冲区被截断</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>某个条目指向从未读取过的包文件</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>某个压缩条目丢失了字节</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>源文件“%1”在添加后发生了变化：原有 %2 字节，现在 %3 字节</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>其名称为空</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>其名称“%1”是文件夹跳转</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>其名称“%1”包含文件夹分隔符</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>其名称包含 NUL 字符</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>拒绝解出文件 %1：其名称“%2”是本程序为自身文件保留的名称</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>拒绝解出文件 %1：%2，可能被写到目标文件夹之外</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>文件名无效：文件 %1“%2”的名称有 %3 字节；目标位置最多接受 %4 字节</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>磁盘已满：包含有 %1 字节，但“%2”只有 %3 可用</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>槽 %1：</translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>条目内容有 %1 维；只能是 0 或 1</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>%1 字节的文本放不进包（最多 65,535）</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>无法完整读取条目的字节</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>无法读取“%1”：不是普通文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>“%1”在打开时发生了变化</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>条目表有 %1 维；只能是 0 或 1</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>拒绝解出文件 %1：其名称“%2”与文件 %3 相同，一个会替换另一个</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>文件格式无效：“%1”已损坏或不是包：%2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>条目表从槽 %1 开始，而不是从槽 0 开始</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>条目表声称有 %1 个槽，但后面只有 %2 字节，而每个槽至少占 22 字节</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>某条目声称有 %1 字节；包条目最多容纳 2,147,483,647 字节</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>它声称包含 %1 个文件，但其条目表有 %2 个槽</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>无法添加“%1”：它有 %2 字节；包条目最多容纳 2,147,483,647 字节</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>源文件“%1”在列出后发生了变化：原有 %2 字节，现在更少</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>无法添加“%1”：不是普通文件</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>源文件“%1”在列出后发生了变化：原有 %2 字节，现在 %3 字节</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>找不到源文件</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>未指定目标文件夹</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>文件编号无效</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>下标越界：包中没有槽 %1（最后一个文件的编号为 %2）</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>包无法容纳更多文件</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>文件编号 %1 无效：包中有 %2 个文件</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>下标越界：槽 %1 的内容从未指定大小</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>描述长 %1 字节；包最多容纳 65,535 字节</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>替换文件</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>将这 %n 个项目加密为经典 .vw3 文件（内容不受保护）、各自旁边的密封 .vws 文件，还是一个包含全部项目的密封 .vws 文件？</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>目标加密文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>“%1”已存在。要替换吗？
（取消会保留它，并跳过此项目。）</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>加密 %n 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>经典 .vw3 文件</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>密封 .vws 文件</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>一个密封 .vws 文件</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ……以及另外 %1 个</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>未加密：经典 .vw3 文件只包含文件夹本身的文件，因此子文件夹、符号链接、特殊文件以及以点开头的名称都会被跳过：%1
密封 .vws 文件可保留整个文件夹树。</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>加密文件夹</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>“%2”的%1中有 %n 个文件将被解密后的文件替换：%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>“%1”中有 %n 个文件将被解密后的文件替换：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>替换文件</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>请输入加密文件的密码：</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>没有目录树</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>过程调用或参数无效：“%1”中的文件组成的包有 %2 字节；加密文件最多容纳 2,147,483,647 字节</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>请选择要加密的文件夹：</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>读取超出文件末尾：数据提前 %1 字节结束</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Moravi Vaultwise 3.5 文件 (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>请为加密文件输入密码：</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>请确认加密文件的密码：</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>新的密封文件密码（区分大小写）：</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>确认密码（区分大小写）：</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>错误：两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>错误：您输入的密码不正确。</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>未加密（特殊文件被跳过）：%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>目标文件</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>请选择放置加密文件的文件夹：</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 文件 (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>密封的 Vaultwise 文件 (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>弱密码</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>加密文件</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>源加密文件</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>密封文件密码（区分大小写）：</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>密封文件需要密码</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>文件名无效：无法加密“%1”：%2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>其名称不是有效的 UTF-8，还原时会变成另一个名称</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>它还原时会使用“%1”的名称</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>权限不足：没有用于临时包的私有文件夹（程序所在文件夹不可写，且 %1 不属于此用户）</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>过程调用或参数无效：密封文件只能用其密码读取</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
……以及另外 %1 个</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>没有单词表</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>过程调用或参数无效：无法将密码转换为 Unicode 规范形式（%1）</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>内容太大，无法密封</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>密封文件“%1”已损坏</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>密钥派生开销超出范围</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>文件名太长，无法存储</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>加密库无法启动</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>过程调用或参数无效：密封文件的密码必须是 UTF-8 文本</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>不到一分钟</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>约 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>约 %n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>约 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>约 %n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>约 %n 千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>约 %n 百万年</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>超过十亿年</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>以每个处理器每秒 %2 次的速度需要%1才能猜出</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>此密码很弱：%1，而攻击者拥有许多处理器。更长的密码或由多个单词生成的密码短语要难猜得多。</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>无法读取“%1”：未知故障</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>无法读取“%1”：它在加密过程中变大了</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>无法在密封文件中命名“%1”</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>有两个项目都名为“%1”；一个密封文件只能容纳一个</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>已移除：%1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>没有可移除的内容：此用户没有注册。</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>更多信息请运行“vaultwise --help”。</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>找不到“%1”</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise 将一个文件或一个文件夹中的文件变成一个受密码保护的 .vw3 文件
（或密封的 .vws 文件），也能还原。不带参数时显示其窗口；给出路径时，
解密 .vw3 或 .vws 文件，加密其他任何文件。
Qt 自身的选项（-style、-platform 等）会交给 Qt 处理。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>加密 PATH 处的文件或文件夹：会询问保存位置。更多路径组成一批：所有项目只问一次格式和密码。</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>解密 PATH 处的 .vw3 或 .vws 文件；其余路径也一样，各自写在其加密文件旁边。</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>撤销此用户的文件类型注册和文件管理器操作。</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>要加密的文件或文件夹，或要解密的文件。</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>请给出 --encrypt、--decrypt、--unregister 之一或一个路径</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 已完成</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n 个项目已完成</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise 已将其写入 %1</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise 已将它们写入 %1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>经典 .vw3 只能挡住随意窥看：任何持有文件的人都能不用密码读取。</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>密封 .vws 为内容保密：只有密码能打开它，任何字节被改动都会报告为损坏。</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>由名称决定：以 .vws 结尾的生成密封文件，其他名称生成经典 .vw3 文件，无需密码即可打开。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Moravi Vaultwise 帮助</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>每种文件保护什么</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;经典 .vw3 文件&lt;/b&gt;只能挡住随意窥看。内容用存放在文件内的表打乱：任何持有文件的人都能不用密码读取，字节被改动也不会被发现。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;密封 .vws 文件&lt;/b&gt;为内容保密：只有密码能打开（Argon2id 与 XChaCha20-Poly1305），外人只能看到大小，任何字节被改动都会报告为损坏。请在保存对话框中选择密封类型，或使用以 .vws 结尾的名称。</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>结果保存在哪里</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>加密：保存对话框在文件或文件夹旁边打开，名称为原名加上 .vw3 或 .vws。从文件管理器选中多项时，每个结果写在其来源旁边。</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>解密文件：保存对话框在加密文件旁边建议使用存储的名称。</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>解密文件夹：在加密文件旁边建议一个以其命名的新文件夹。会被替换的文件会先列出并询问你。</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>取消时不会写入任何内容，损坏的文件也不会写出任何内容。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab、方向键</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>在图标之间移动</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter、空格</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>运行标记的图标</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>本帮助</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Enter、Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>密码对话框中的确定和取消</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>在进度窗口中停止工作</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>其余内容见手册页：本程序见 %1，在终端中完成同样工作的命令见 %2。</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>加密文件...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>解密文件或文件夹...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>关于 Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>退出 Moravi Vaultwise</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>加密文件夹...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>欢迎使用 Moravi Vaultwise 3.5</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>请从下方选择一个操作：</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. 保留所有权利。<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>请输入密码：</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>约 %n0 亿年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>约 %n 百万年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>约 %n 千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>约 %n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>约 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>约 %n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>约 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>超过一万亿年</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>不到一分钟</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>取消并返回主窗口</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>请输入密码，或选择取消。</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>此密码不保护内容：任何持有文件的人都能不用密码读取。</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>填入由 %n 个单词组成的随机密码短语</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>请输入密码，或选择“生成”得到由单词组成的密码短语。</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>弱：以每个处理器每秒 %2 次的速度，%1即可猜出。</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>强：以每个处理器每秒 %2 次的速度，需要%1才能猜出。</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>请记下此密码短语；除此之外没有任何办法打开文件：</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise 正在工作</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>正在工作... 请稍候</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>停止工作；不会写入任何内容</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1/%2：</translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>已完成 %1%...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>正在处理您的文件，请稍候</translation>
    </message>
</context>
</TS>
