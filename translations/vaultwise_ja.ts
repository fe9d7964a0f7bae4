<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Classic</name>
    <message>
        <source>Subscript out of range: the substitution table is damaged (%1)</source>
        <translation>インデックスが範囲外です: 置換表が破損しています (%1)</translation>
    </message>
    <message>
        <source>entry %1 is %2</source>
        <translation>エントリ %1 の値が %2 です</translation>
    </message>
    <message>
        <source>no entry holds %1</source>
        <translation>%1 を含むエントリがありません</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password holds a character that cannot be stored (only Windows-1252 characters are allowed)</source>
        <translation>無効なプロシージャ呼び出しまたは引数: パスワードに保存できない文字が含まれています (Windows-1252 の文字のみ使用できます)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a valid encrypted file (%2)</source>
        <translation>無効なファイル形式: 「%1」は有効な暗号化ファイルではありません (%2)</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is not a Vaultwise file</source>
        <translation>無効なファイル形式: 「%1」は Vaultwise のファイルではありません</translation>
    </message>
    <message>
        <source>%1 has %2 dimensions instead of 1</source>
        <translation>%1 が 1 次元ではなく %2 次元です</translation>
    </message>
    <message>
        <source>%1 claims %2 bytes, more than an encrypted file can hold</source>
        <translation>%1 は %2 バイトを示していますが、暗号化ファイルに収まる量を超えています</translation>
    </message>
    <message>
        <source>%1 has lower bound %2 instead of 0</source>
        <translation>%1 の下限が 0 ではなく %2 です</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &apos;%1&apos; cannot hold %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>無効なプロシージャ呼び出しまたは引数: 「%1」に %2 バイトは収まりません。暗号化ファイルは最大 2,147,483,647 バイトです</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the source name is too long</source>
        <translation>無効なプロシージャ呼び出しまたは引数: 元の名前が長すぎます</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File Encryption</source>
        <translation>ファイル暗号化</translation>
    </message>
    <message>
        <source>Encrypt and decrypt files and folders</source>
        <translation>ファイルとフォルダーを暗号化・復号します</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;vw3;</source>
        <translation>暗号化;復号;パスワード;vw3;</translation>
    </message>
    <message>
        <source>Encrypted file</source>
        <translation>暗号化ファイル</translation>
    </message>
    <message>
        <source>Moravi Vaultwise encrypted file</source>
        <translation>Moravi Vaultwise 暗号化ファイル</translation>
    </message>
    <message>
        <source>Moravi Vaultwise sealed file</source>
        <translation>Moravi Vaultwise 封印ファイル</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise</source>
        <translation>Vaultwise で暗号化</translation>
    </message>
    <message>
        <source>Decrypt with Vaultwise</source>
        <translation>Vaultwise で復号</translation>
    </message>
    <message>
        <source>Turn the selected files or folders into password-protected .vw3 or .vws files</source>
        <translation>選択したファイルやフォルダーをパスワードで保護された .vw3 または .vws ファイルにします</translation>
    </message>
    <message>
        <source>Turn the selected .vw3 or .vws files back into what they hold</source>
        <translation>選択した .vw3 または .vws ファイルを元の内容に戻します</translation>
    </message>
    <message>
        <source>Encrypted files</source>
        <translation>暗号化ファイル</translation>
    </message>
    <message>
        <source>Any file or folder</source>
        <translation>すべてのファイルとフォルダー</translation>
    </message>
    <message>
        <source>Keep casual eyes off a file or a folder with a password</source>
        <translation>パスワードでファイルやフォルダーを何気ないのぞき見から守ります</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns one file, or the files directly inside one folder, into a single password-protected .vw3 file, and turns it back. Drop a file or folder on its window, pick an action, or open a .vw3 file from the file manager.</source>
        <translation>Moravi Vaultwise は、1 つのファイル、または 1 つのフォルダーの直下にあるファイルを、パスワードで保護された 1 つの .vw3 ファイルにし、元に戻します。ファイルやフォルダーをウィンドウにドロップするか、操作を選ぶか、ファイルマネージャーから .vw3 ファイルを開いてください。</translation>
    </message>
    <message>
        <source>What a .vw3 file protects, and what it does not: the contents are scrambled with a byte substitution table that is stored inside the file. The password only decides whether the program goes on; anyone who holds the file can recover its contents without the password. Use it to keep casual eyes off a file, never as strong encryption.</source>
        <translation>.vw3 ファイルが守るもの、守らないもの：内容はファイル自体に保存されたバイト置換表でかき混ぜられます。パスワードはプログラムが処理を続けるかどうかを決めるだけで、ファイルを持つ人は誰でもパスワードなしで内容を取り出せます。何気ないのぞき見を防ぐために使い、強力な暗号化としては決して使わないでください。</translation>
    </message>
    <message>
        <source>For contents that must stay secret it also writes sealed .vws files: the password goes through Argon2id and the contents are encrypted with XChaCha20-Poly1305, so without the password nothing but the size shows, and a changed byte makes the file refuse to open rather than restore wrong.</source>
        <translation>秘密にしておく必要がある内容のために、封印された .vws ファイルも作成します。パスワードは Argon2id を通り、内容は XChaCha20-Poly1305 で暗号化されるので、パスワードがなければサイズしか分からず、1 バイトでも変わるとファイルは誤って復元されるのではなく開くことを拒みます。</translation>
    </message>
    <message>
        <source>Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works with the keyboard alone, and a notification says when a long run is done.</source>
        <translation>「Vaultwise で暗号化」と「Vaultwise で復号」は Dolphin、Nemo、Nautilus、Caja、Thunar のコンテキストメニューに表示されます。メインウィンドウはキーボードだけで操作でき、長い処理が終わると通知が届きます。</translation>
    </message>
    <message>
        <source>The vw3 command does the same from a terminal, and vw3 info shows what a file holds without asking for the password.</source>
        <translation>vw3 コマンドは同じことを端末から行い、vw3 info はパスワードを尋ねずにファイルの中身を表示します。</translation>
    </message>
    <message>
        <source>The main window with its five actions</source>
        <translation>5 つの操作があるメインウィンドウ</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>エラー %1 - %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>「%2」%1: %3</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a regular file</source>
        <translation>パス/ファイル アクセス エラー: 「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos; is damaged or not of this kind (%2 needs %3 bytes, only %4 remain)</source>
        <translation>ファイルの終わりを超えた読み込み: 「%1」は破損しているか、この種類のファイルではありません (%2 には %3 バイト必要ですが、残りは %4 バイトです)</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>を開けません</translation>
    </message>
    <message>
        <source>Cannot read</source>
        <translation>を読み込めません</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; reports no size but holds data</source>
        <translation>パス/ファイル アクセス エラー: 「%1」はサイズを示しませんがデータを含んでいます</translation>
    </message>
    <message>
        <source>Cannot write</source>
        <translation>に書き込めません</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a socket, not a file to write</source>
        <translation>パス/ファイル アクセス エラー: 「%1」はソケットで、書き込めるファイルではありません</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a folder, not a file to write</source>
        <translation>パス/ファイル アクセス エラー: 「%1」はフォルダーで、書き込めるファイルではありません</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a device, not a file to write</source>
        <translation>パス/ファイル アクセス エラー: 「%1」はデバイスで、書き込めるファイルではありません</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is a FIFO, not a file to write</source>
        <translation>パス/ファイル アクセス エラー: 「%1」は FIFO で、書き込めるファイルではありません</translation>
    </message>
    <message>
        <source>the system&apos;s random source</source>
        <translation>システムの乱数源</translation>
    </message>
    <message>
        <source>Cannot create a folder in</source>
        <translation>にフォルダーを作成できません</translation>
    </message>
    <message>
        <source>Permission denied: cannot lock a folder of its own in &apos;%1&apos;</source>
        <translation>アクセスが拒否されました: 「%1」に専用フォルダーをロックできません</translation>
    </message>
    <message>
        <source>Cannot create a file without a name</source>
        <translation>名前のないファイルは作成できません</translation>
    </message>
    <message>
        <source>Permission denied: no private folder to check the contents in before they are written to &apos;%1&apos; (%2 is not this user&apos;s own)</source>
        <translation>アクセスが拒否されました: 「%1」に書き込む前に内容を確認する専用フォルダーがありません (%2 はこのユーザーのものではありません)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; no file replaces it</source>
        <translation>「%1」はフォルダーです。ファイルで置き換えることはありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; no folder replaces it</source>
        <translation>「%1」はリンクです。フォルダーで置き換えることはありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file; no folder replaces it</source>
        <translation>「%1」はファイルです。フォルダーで置き換えることはありません</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>パス/ファイル アクセス エラー: %1</translation>
    </message>
    <message>
        <source>; nothing in the folder was changed</source>
        <translation>。フォルダー内は何も変更されていません</translation>
    </message>
    <message>
        <source>; these files were already written and stay replaced: %1</source>
        <translation>。次のファイルは既に書き込まれ、置き換えられたままです: %1</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;</source>
        <translation>「%1」に書き込めません</translation>
    </message>
    <message>
        <source>Cannot replace</source>
        <translation>を置き換えられません</translation>
    </message>
    <message>
        <source>File already exists: &apos;%1&apos; appeared while it was written and was not replaced</source>
        <translation>ファイルは既に存在します: 「%1」は書き込み中に現れたため、置き換えませんでした</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for compressed entries in</source>
        <translation>に圧縮エントリ用の一時ファイルを作成できません</translation>
    </message>
    <message>
        <source>the spool of compressed entries</source>
        <translation>圧縮エントリのバッファー</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>というフォルダーを作成できません</translation>
    </message>
    <message>
        <source>The permissions of &apos;%1&apos; could not be set: %2</source>
        <translation>「%1」のアクセス権を設定できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>the written contents</source>
        <translation>書き込んだ内容</translation>
    </message>
    <message>
        <source>a chunk</source>
        <translation>チャンク</translation>
    </message>
    <message>
        <source>the magic</source>
        <translation>識別子</translation>
    </message>
    <message>
        <source>the header</source>
        <translation>ヘッダー</translation>
    </message>
    <message>
        <source>the content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>a message length</source>
        <translation>メッセージの長さ</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>an entry&apos;s contents</source>
        <translation>エントリの内容</translation>
    </message>
    <message>
        <source>the source file</source>
        <translation>元のファイル</translation>
    </message>
    <message>
        <source>the entry table</source>
        <translation>エントリ表</translation>
    </message>
    <message>
        <source>EntryCount</source>
        <translation>EntryCount</translation>
    </message>
    <message>
        <source>an entry&apos;s dimension count</source>
        <translation>エントリの次元数</translation>
    </message>
    <message>
        <source>an entry&apos;s length</source>
        <translation>エントリの長さ</translation>
    </message>
    <message>
        <source>an entry&apos;s lower bound</source>
        <translation>エントリの下限</translation>
    </message>
    <message>
        <source>an entry&apos;s name length</source>
        <translation>エントリ名の長さ</translation>
    </message>
    <message>
        <source>an entry&apos;s name</source>
        <translation>エントリ名</translation>
    </message>
    <message>
        <source>an entry&apos;s file size</source>
        <translation>エントリのファイルサイズ</translation>
    </message>
    <message>
        <source>an entry&apos;s compression flag</source>
        <translation>エントリの圧縮フラグ</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved text</source>
        <translation>エントリの予約テキスト</translation>
    </message>
    <message>
        <source>an entry&apos;s reserved bytes</source>
        <translation>エントリの予約バイト</translation>
    </message>
    <message>
        <source>the description&apos;s length</source>
        <translation>説明の長さ</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>the entry table&apos;s dimension count</source>
        <translation>エントリ表の次元数</translation>
    </message>
    <message>
        <source>the entry table&apos;s slot count</source>
        <translation>エントリ表のスロット数</translation>
    </message>
    <message>
        <source>the entry table&apos;s lower bound</source>
        <translation>エントリ表の下限</translation>
    </message>
    <message>
        <source>the format tag&apos;s length</source>
        <translation>形式タグの長さ</translation>
    </message>
    <message>
        <source>the format tag</source>
        <translation>形式タグ</translation>
    </message>
    <message>
        <source>a reserved text&apos;s length</source>
        <translation>予約テキストの長さ</translation>
    </message>
    <message>
        <source>a reserved text</source>
        <translation>予約テキスト</translation>
    </message>
    <message>
        <source>a reserved number</source>
        <translation>予約数値</translation>
    </message>
    <message>
        <source>the payload</source>
        <translation>データ本体</translation>
    </message>
    <message>
        <source>the password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>the source kind</source>
        <translation>元の種類</translation>
    </message>
    <message>
        <source>the source name</source>
        <translation>元の名前</translation>
    </message>
    <message>
        <source>the substitution table</source>
        <translation>置換表</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>not enough memory</source>
        <translation>メモリ不足</translation>
    </message>
    <message>
        <source>the output does not fit</source>
        <translation>出力が収まりません</translation>
    </message>
    <message>
        <source>the data is damaged</source>
        <translation>データが破損しています</translation>
    </message>
    <message>
        <source>invalid parameter</source>
        <translation>無効なパラメーター</translation>
    </message>
    <message>
        <source>the stream needs a preset dictionary</source>
        <translation>ストリームには事前設定の辞書が必要です</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>エラー %1</translation>
    </message>
    <message>
        <source>Compressed entry is damaged: %1</source>
        <translation>圧縮エントリが破損しています: %1</translation>
    </message>
    <message>
        <source>Compressed entry %1 is damaged: %2</source>
        <translation>圧縮エントリ %1 が破損しています: %2</translation>
    </message>
    <message>
        <source>compression level %1 is outside 1 to 9</source>
        <translation>圧縮レベル %1 が 1～9 の範囲外です</translation>
    </message>
    <message>
        <source>Cannot compress the file: %1</source>
        <translation>ファイルを圧縮できません: %1</translation>
    </message>
    <message>
        <source>its recorded length %1 is negative</source>
        <translation>記録された長さ %1 が負です</translation>
    </message>
    <message>
        <source>%1 compressed bytes cannot expand to the recorded %2 bytes</source>
        <translation>%1 バイトの圧縮データは記録された %2 バイトに展開できません</translation>
    </message>
    <message>
        <source>zlib says %1</source>
        <translation>zlib の報告: %1</translation>
    </message>
    <message>
        <source>it expands to %1 bytes, not the recorded %2</source>
        <translation>記録された %2 バイトではなく %1 バイトに展開されます</translation>
    </message>
    <message>
        <source>Cannot expand the entry: %1</source>
        <translation>エントリを展開できません: %1</translation>
    </message>
    <message>
        <source>it expands to more than the recorded %1 bytes</source>
        <translation>記録された %1 バイトを超えて展開されます</translation>
    </message>
    <message>
        <source>the zlib stream is cut short</source>
        <translation>zlib ストリームが途中で切れています</translation>
    </message>
    <message>
        <source>The package file &apos;%1&apos; was changed by someone else since the session started</source>
        <translation>セッション開始後に、パッケージファイル「%1」がほかの誰かによって変更されました</translation>
    </message>
    <message>
        <source>The spool of compressed entries is cut short</source>
        <translation>圧縮エントリのバッファーが途中で切れています</translation>
    </message>
    <message>
        <source>An entry refers to a package file that was never read</source>
        <translation>エントリが、読み込まれていないパッケージファイルを参照しています</translation>
    </message>
    <message>
        <source>A compressed entry lost its bytes</source>
        <translation>圧縮エントリのバイトが失われました</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was added: it held %2 bytes, now %3</source>
        <translation>元のファイル「%1」が追加後に変わりました: %2 バイトだったものが %3 バイトになっています</translation>
    </message>
    <message>
        <source>its name is empty</source>
        <translation>名前が空です</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; is a folder step</source>
        <translation>名前「%1」はフォルダーの移動を表します</translation>
    </message>
    <message>
        <source>its name &quot;%1&quot; contains a folder separator</source>
        <translation>名前「%1」にフォルダーの区切り文字が含まれています</translation>
    </message>
    <message>
        <source>its name contains a NUL character</source>
        <translation>名前に NUL 文字が含まれています</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is one this program keeps for its own files</source>
        <translation>ファイル %1 は展開しません: 名前「%2」はこのプログラムが自身のファイル用に予約しています</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: %2 and could be written outside the destination folder</source>
        <translation>ファイル %1 は展開しません: %2。保存先フォルダーの外に書き込まれる可能性があります</translation>
    </message>
    <message>
        <source>Bad file name: file %1 &quot;%2&quot; has a %3-byte name; the destination takes %4 bytes at most</source>
        <translation>無効なファイル名: ファイル %1「%2」の名前は %3 バイトですが、保存先では最大 %4 バイトです</translation>
    </message>
    <message>
        <source>Disk full: the package holds %1 bytes, but &apos;%2&apos; has only %3 free</source>
        <translation>ディスクがいっぱいです: パッケージは %1 バイトですが、「%2」の空きは %3 しかありません</translation>
    </message>
    <message>
        <source>Slot %1: </source>
        <translation>スロット %1: </translation>
    </message>
    <message>
        <source>an entry&apos;s contents have %1 dimensions; only 0 or 1 are possible</source>
        <translation>エントリの内容が %1 次元です。0 または 1 のみ可能です</translation>
    </message>
    <message>
        <source>A text of %1 bytes does not fit a package (65,535 at most)</source>
        <translation>%1 バイトのテキストはパッケージに収まりません (最大 65,535)</translation>
    </message>
    <message>
        <source>An entry&apos;s bytes could not be read whole</source>
        <translation>エントリのバイトをすべて読み込めませんでした</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: not a regular file</source>
        <translation>「%1」を読み込めません: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; changed while it was opened</source>
        <translation>「%1」は開いている間に変更されました</translation>
    </message>
    <message>
        <source>the entry table has %1 dimensions; only 0 or 1 are possible</source>
        <translation>エントリ表が %1 次元です。0 または 1 のみ可能です</translation>
    </message>
    <message>
        <source>Refusing to extract file %1: its name &quot;%2&quot; is also file %3&apos;s, and one would replace the other</source>
        <translation>ファイル %1 は展開しません: 名前「%2」はファイル %3 の名前でもあり、一方が他方を置き換えてしまいます</translation>
    </message>
    <message>
        <source>Invalid file format: &apos;%1&apos; is damaged or not a package: %2</source>
        <translation>無効なファイル形式: 「%1」は破損しているか、パッケージではありません: %2</translation>
    </message>
    <message>
        <source>the entry table starts at slot %1, not at slot 0</source>
        <translation>エントリ表がスロット 0 ではなくスロット %1 から始まっています</translation>
    </message>
    <message>
        <source>the entry table claims %1 slots, but only %2 bytes follow and every slot takes at least 22</source>
        <translation>エントリ表は %1 個のスロットを示していますが、後続は %2 バイトしかなく、各スロットは最低 22 バイト必要です</translation>
    </message>
    <message>
        <source>an entry claims %1 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>エントリは %1 バイトを示していますが、パッケージのエントリは最大 2,147,483,647 バイトです</translation>
    </message>
    <message>
        <source>it says it holds %1 files, but its entry table has %2 slots</source>
        <translation>%1 個のファイルを含むと示していますが、エントリ表のスロットは %2 個です</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: it holds %2 bytes; a package entry holds at most 2,147,483,647</source>
        <translation>「%1」を追加できません: %2 バイトあり、パッケージのエントリは最大 2,147,483,647 バイトです</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now fewer</source>
        <translation>元のファイル「%1」が一覧作成後に変わりました: %2 バイトだったものが少なくなっています</translation>
    </message>
    <message>
        <source>Cannot add &apos;%1&apos;: not a regular file</source>
        <translation>「%1」を追加できません: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>The source file &apos;%1&apos; changed after it was listed: it held %2 bytes, now %3</source>
        <translation>元のファイル「%1」が一覧作成後に変わりました: %2 バイトだったものが %3 バイトになっています</translation>
    </message>
    <message>
        <source>Cannot find source file</source>
        <translation>元のファイルが見つかりません</translation>
    </message>
    <message>
        <source>Destination directory not specified</source>
        <translation>保存先フォルダーが指定されていません</translation>
    </message>
    <message>
        <source>Invalid file number</source>
        <translation>無効なファイル番号</translation>
    </message>
    <message>
        <source>Subscript out of range: the package has no slot %1 (its last file is number %2)</source>
        <translation>インデックスが範囲外です: パッケージにスロット %1 はありません (最後のファイルは %2 番です)</translation>
    </message>
    <message>
        <source>The package cannot hold more files</source>
        <translation>パッケージにはこれ以上ファイルを入れられません</translation>
    </message>
    <message>
        <source>Invalid file number %1: the package holds %2 files</source>
        <translation>無効なファイル番号 %1: パッケージのファイルは %2 個です</translation>
    </message>
    <message>
        <source>Subscript out of range: the contents of slot %1 were never given a size</source>
        <translation>インデックスが範囲外です: スロット %1 の内容にサイズが設定されていません</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a package holds at most 65,535</source>
        <translation>説明は %1 バイトです。パッケージには最大 65,535 バイトまでです</translation>
    </message>
</context>
<context>
    <name>Procedures</name>
    <message>
        <source>Replace File</source>
        <translation>ファイルの置き換え</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt these %n items as classic .vw3 files (their contents are not protected), as sealed .vws files, one beside each, or as one sealed .vws file holding them all?</source>
        <comment>Encrypt this %n item as a classic .vw3 file (its contents are not protected), as a sealed .vws file beside it, or as one sealed .vws file holding it?</comment>
        <translation>
            <numerusform>この %n 個の項目を、従来の .vw3 ファイル (内容は保護されません)、それぞれの隣に置く封印 .vws ファイル、またはすべてを含む 1 つの封印 .vws ファイルのどれで暗号化しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Destination encrypted file</source>
        <translation>保存先の暗号化ファイル</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?
(Cancel keeps it, and this item is left out.)</source>
        <translation>「%1」は既に存在します。置き換えますか?
(キャンセルすると残し、この項目は除外します。)</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n Items</source>
        <comment>Encrypt %n Item</comment>
        <translation>
            <numerusform>%n 個の項目を暗号化</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic .vw3 files</source>
        <translation>従来の .vw3 ファイル</translation>
    </message>
    <message>
        <source>Sealed .vws files</source>
        <translation>封印 .vws ファイル</translation>
    </message>
    <message>
        <source>One sealed .vws file</source>
        <translation>1 つの封印 .vws ファイル</translation>
    </message>
    <message>
        <source>
  ... and %1 more</source>
        <translation>
  ... ほか %1 件</translation>
    </message>
    <message>
        <source>Not encrypted: a classic .vw3 file holds only the folder&apos;s own files, so sub-folders, symbolic links, special files and names beginning with a dot are left out:%1
Sealed .vws files keep whole folder trees.</source>
        <translation>暗号化されないもの: 従来の .vw3 ファイルにはフォルダー直下のファイルしか入らないため、サブフォルダー、シンボリックリンク、特殊ファイル、ドットで始まる名前は除外されます:%1
封印 .vws ファイルならフォルダーツリー全体を保存できます。</translation>
    </message>
    <message>
        <source>Encrypt Folder</source>
        <translation>フォルダーの暗号化</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1 of &apos;%2&apos; will be replaced by the decrypted ones:%3</source>
        <comment>%n file in %1 of &apos;%2&apos; will be replaced by the decrypted one:%3</comment>
        <translation>
            <numerusform>「%2」の%1にある %n 個のファイルが復号したファイルで置き換えられます:%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <comment>%n folder</comment>
        <translation>
            <numerusform>%n 個のフォルダー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files in &apos;%1&apos; will be replaced by the decrypted ones:%2</source>
        <comment>%n file in &apos;%1&apos; will be replaced by the decrypted one:%2</comment>
        <translation>
            <numerusform>「%1」にある %n 個のファイルが復号したファイルで置き換えられます:%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace Files</source>
        <translation>ファイルの置き換え</translation>
    </message>
    <message>
        <source>Please enter the password for the encrypted file:</source>
        <translation>暗号化ファイルのパスワードを入力してください:</translation>
    </message>
    <message>
        <source>No tree</source>
        <translation>ツリーがありません</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the files of &apos;%1&apos; make a package of %2 bytes; an encrypted file holds at most 2,147,483,647</source>
        <translation>無効なプロシージャ呼び出しまたは引数: 「%1」のファイルは %2 バイトのパッケージになります。暗号化ファイルは最大 2,147,483,647 バイトです</translation>
    </message>
    <message>
        <source>Please select a folder to encrypt:</source>
        <translation>暗号化するフォルダーを選んでください:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Input past end of file: the payload ends %1 bytes early</source>
        <translation>ファイルの終わりを超えた読み込み: データ本体が %1 バイト早く終わっています</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5 files (*.vw3)</source>
        <translation>Moravi Vaultwise 3.5 ファイル (*.vw3)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please enter a password for the encrypted file:</source>
        <translation>暗号化ファイルのパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Please confirm the password for the encrypted file:</source>
        <translation>暗号化ファイルのパスワードをもう一度入力してください:</translation>
    </message>
    <message>
        <source>New sealed file password (letter case matters):</source>
        <translation>封印ファイルの新しいパスワード (大文字と小文字は区別されます):</translation>
    </message>
    <message>
        <source>Confirm the password (letter case matters):</source>
        <translation>パスワードの確認 (大文字と小文字は区別されます):</translation>
    </message>
    <message>
        <source>Error: The passwords you have typed do not match.</source>
        <translation>エラー: 入力したパスワードが一致しません。</translation>
    </message>
    <message>
        <source>Error: You have entered an incorrect password.</source>
        <translation>エラー: パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Not encrypted (special files are left out):%1</source>
        <translation>暗号化されないもの (特殊ファイルは除外されます):%1</translation>
    </message>
    <message>
        <source>Destination file</source>
        <translation>保存先ファイル</translation>
    </message>
    <message>
        <source>Please select the folder in which to place the encrypted files:</source>
        <translation>暗号化されていたファイルを置くフォルダーを選んでください:</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 ファイル (*.%2)</translation>
    </message>
    <message>
        <source>Sealed Vaultwise files (*.vws)</source>
        <translation>Vaultwise 封印ファイル (*.vws)</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>弱いパスワード</translation>
    </message>
    <message>
        <source>Encrypt File</source>
        <translation>ファイルの暗号化</translation>
    </message>
    <message>
        <source>Source encrypted file</source>
        <translation>元の暗号化ファイル</translation>
    </message>
    <message>
        <source>Sealed file password (letter case matters):</source>
        <translation>封印ファイルのパスワード (大文字と小文字は区別されます):</translation>
    </message>
    <message>
        <source>A sealed file needs a password</source>
        <translation>封印ファイルにはパスワードが必要です</translation>
    </message>
    <message>
        <source>Bad file name: &apos;%1&apos; cannot be encrypted: %2</source>
        <translation>無効なファイル名: 「%1」は暗号化できません: %2</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 and would come back as another name</source>
        <translation>名前が有効な UTF-8 ではないため、別の名前で戻ってしまいます</translation>
    </message>
    <message>
        <source>it would come back under the name of &apos;%1&apos;</source>
        <translation>「%1」の名前で戻ってしまいます</translation>
    </message>
    <message>
        <source>Permission denied: no private folder for the temporary package (the program&apos;s folder is not writable and %1 is not this user&apos;s own)</source>
        <translation>アクセスが拒否されました: 一時パッケージ用の専用フォルダーがありません (プログラムのフォルダーに書き込めず、%1 はこのユーザーのものではありません)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file is read only with its password</source>
        <translation>無効なプロシージャ呼び出しまたは引数: 封印ファイルはそのパスワードでのみ読み込めます</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... ほか %1 件</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
</context>
<context>
    <name>Sealed</name>
    <message>
        <source>No wordlist</source>
        <translation>単語リストがありません</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the password cannot be brought into its Unicode normal form (%1)</source>
        <translation>無効なプロシージャ呼び出しまたは引数: パスワードを Unicode 正規形にできません (%1)</translation>
    </message>
    <message>
        <source>The content is too large to seal</source>
        <translation>内容が大きすぎて封印できません</translation>
    </message>
    <message>
        <source>The sealed file &apos;%1&apos; is damaged</source>
        <translation>封印ファイル「%1」は破損しています</translation>
    </message>
    <message>
        <source>The key derivation cost is out of bounds</source>
        <translation>鍵導出のコストが範囲外です</translation>
    </message>
    <message>
        <source>The file name is too long to store</source>
        <translation>ファイル名が長すぎて保存できません</translation>
    </message>
    <message>
        <source>The cryptography library cannot start</source>
        <translation>暗号ライブラリを開始できません</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: a sealed file&apos;s password must be UTF-8 text</source>
        <translation>無効なプロシージャ呼び出しまたは引数: 封印ファイルのパスワードは UTF-8 テキストでなければなりません</translation>
    </message>
</context>
<context>
    <name>Strength</name>
    <message>
        <source>less than a minute</source>
        <translation>1 分未満</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>約 %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>約 %n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>約 %n 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>約 %n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>約 %n 千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>約 %n 百万年</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>10 億年以上</translation>
    </message>
    <message>
        <source>would take %1 to guess at %2 guesses a second per processor</source>
        <translation>プロセッサー 1 台あたり毎秒 %2 回の推測で当てるのに %1かかります</translation>
    </message>
    <message>
        <source>This password is weak: it %1, and an attacker has many processors. A longer password, or a generated passphrase of several words, is much harder to guess.</source>
        <translation>このパスワードは弱いです: %1。しかも攻撃者は多数のプロセッサーを持っています。より長いパスワードや、複数の単語から生成したパスフレーズは、はるかに推測されにくくなります。</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: unknown failure</source>
        <translation>「%1」を読み込めません: 不明なエラー</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: it grew while it was being encrypted</source>
        <translation>「%1」を読み込めません: 暗号化中にサイズが増えました</translation>
    </message>
    <message>
        <source>Cannot name &apos;%1&apos; in a sealed file</source>
        <translation>封印ファイル内で「%1」という名前を付けられません</translation>
    </message>
    <message>
        <source>Two of the items are named &apos;%1&apos;; one sealed file holds one</source>
        <translation>2 つの項目が「%1」という名前です。1 つの封印ファイルには 1 つしか入れられません</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Removed %1</source>
        <translation>削除しました: %1</translation>
    </message>
    <message>
        <source>Nothing to remove: no registration for this user.</source>
        <translation>削除するものはありません: このユーザーの登録はありません。</translation>
    </message>
</context>
<context>
    <name>vwui::CommandLine</name>
    <message>
        <source>Try &apos;vaultwise --help&apos; for more information.</source>
        <translation>詳しくは「vaultwise --help」を実行してください。</translation>
    </message>
    <message>
        <source>cannot find &apos;%1&apos;</source>
        <translation>「%1」が見つかりません</translation>
    </message>
    <message>
        <source>Moravi Vaultwise turns a file, or the files of a folder, into one password-protected
.vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;
given a path it decrypts a .vw3 or .vws file and encrypts anything else.
Qt&apos;s own options (-style, -platform, ...) are passed to Qt.</source>
        <translation>Moravi Vaultwise は、ファイルまたはフォルダー内のファイルを、パスワードで保護された
1 つの .vw3 ファイル（または封印された .vws ファイル）にし、元に戻します。引数なしでは
ウィンドウを表示し、パスを与えると .vw3 または .vws ファイルを復号し、それ以外は暗号化します。
Qt 自身のオプション (-style、-platform など) は Qt に渡されます。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Encrypt the file or folder at PATH: asks for the destination. Further paths make a batch: one format and password question for all.</source>
        <translation>PATH のファイルまたはフォルダーを暗号化します: 保存先を尋ねます。さらにパスを与えるとまとめて処理し、形式とパスワードは全体で 1 回だけ尋ねます。</translation>
    </message>
    <message>
        <source>Decrypt the .vw3 or .vws file at PATH; further paths too, each beside its encrypted file.</source>
        <translation>PATH の .vw3 または .vws ファイルを復号します。ほかのパスも同様に、それぞれ暗号化ファイルの隣に書き出します。</translation>
    </message>
    <message>
        <source>Undo this user&apos;s file-type registration and file-manager actions.</source>
        <translation>このユーザーのファイル形式の登録とファイルマネージャーの操作を元に戻します。</translation>
    </message>
    <message>
        <source>A file or folder to encrypt, or a file to decrypt.</source>
        <translation>暗号化するファイルまたはフォルダー、あるいは復号するファイル。</translation>
    </message>
    <message>
        <source>give one of --encrypt, --decrypt, --unregister or a path</source>
        <translation>--encrypt、--decrypt、--unregister のいずれか、またはパスを 1 つ指定してください</translation>
    </message>
</context>
<context>
    <name>vwui::DoneNotifier</name>
    <message>
        <source>%1 is ready</source>
        <translation>%1 ができました</translation>
    </message>
    <message numerus="yes">
        <source>%n items are ready</source>
        <comment>%n item is ready</comment>
        <translation>
            <numerusform>%n 個の項目ができました</numerusform>
        </translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote it in %1</source>
        <translation>Moravi Vaultwise が %1 に書き出しました</translation>
    </message>
    <message>
        <source>Moravi Vaultwise wrote them in %1</source>
        <translation>Moravi Vaultwise が %1 に書き出しました</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
</context>
<context>
    <name>vwui::VwFileDialog</name>
    <message>
        <source>Classic .vw3 keeps casual eyes off: anyone who holds the file can read it without the password.</source>
        <translation>従来の .vw3 は何気ないのぞき見を防ぐだけです: ファイルを持つ人は誰でもパスワードなしで読めます。</translation>
    </message>
    <message>
        <source>Sealed .vws keeps the contents secret: only the password opens it, and a changed byte is reported as damage.</source>
        <translation>封印された .vws は内容を秘密にします: パスワードだけが開くことができ、変更されたバイトは破損として報告されます。</translation>
    </message>
    <message>
        <source>The name decides: one ending in .vws makes a sealed file, any other a classic .vw3 file, which opens without the password.</source>
        <translation>名前で決まります: .vws で終わる名前は封印ファイルに、それ以外はパスワードなしで開ける従来の .vw3 ファイルになります。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
</context>
<context>
    <name>vwui::frmHelp</name>
    <message>
        <source>Moravi Vaultwise Help</source>
        <translation>Moravi Vaultwise ヘルプ</translation>
    </message>
    <message>
        <source>What each kind of file protects</source>
        <translation>各ファイル形式が守るもの</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classic .vw3 files&lt;/b&gt; keep casual eyes off a file. The contents are scrambled with a table stored inside the file: anyone who holds the file can read it without the password, and a changed byte goes unnoticed.</source>
        <translation>&lt;b&gt;従来の .vw3 ファイル&lt;/b&gt;は何気ないのぞき見を防ぎます。内容はファイル内に保存された表でかき混ぜられるだけなので、ファイルを持つ人は誰でもパスワードなしで読め、バイトが変更されても気付かれません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sealed .vws files&lt;/b&gt; keep the contents secret: only the password opens them (Argon2id and XChaCha20-Poly1305), nothing but the size shows, and a changed byte is reported as damage. Choose the sealed type in the save dialog, or a name ending in .vws.</source>
        <translation>&lt;b&gt;封印された .vws ファイル&lt;/b&gt;は内容を秘密にします: パスワードだけが開くことができ (Argon2id と XChaCha20-Poly1305)、分かるのはサイズだけで、変更されたバイトは破損として報告されます。保存ダイアログで封印形式を選ぶか、.vws で終わる名前にしてください。</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>出力の保存先</translation>
    </message>
    <message>
        <source>Encrypting: the save dialog opens beside the file or folder, with its name and .vw3 or .vws added. A selection from a file manager writes each output beside its source.</source>
        <translation>暗号化: 保存ダイアログはファイルやフォルダーの場所で開き、名前に .vw3 または .vws が付きます。ファイルマネージャーで選択した場合は、各出力を元の項目の隣に書き出します。</translation>
    </message>
    <message>
        <source>Decrypting a file: the save dialog proposes the stored name, beside the encrypted file.</source>
        <translation>ファイルの復号: 保存ダイアログは暗号化ファイルの隣に、保存されている名前を提案します。</translation>
    </message>
    <message>
        <source>Decrypting a folder: a new folder named after it is proposed beside the encrypted file. Files that would be replaced are named, and you are asked first.</source>
        <translation>フォルダーの復号: 暗号化ファイルの隣に、その名前の新しいフォルダーを提案します。置き換えられるファイルは一覧で示され、先に確認されます。</translation>
    </message>
    <message>
        <source>Nothing is written when you cancel, and a damaged file writes nothing.</source>
        <translation>キャンセルすると何も書き込まれず、破損したファイルからは何も書き出されません。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Tab, arrow keys</source>
        <translation>Tab、矢印キー</translation>
    </message>
    <message>
        <source>move between the icons</source>
        <translation>アイコン間の移動</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter、Space</translation>
    </message>
    <message>
        <source>run the marked icon</source>
        <translation>選択中のアイコンを実行</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Enter, Esc</source>
        <translation>Enter、Esc</translation>
    </message>
    <message>
        <source>OK and Cancel in the password dialog</source>
        <translation>パスワードダイアログの OK とキャンセル</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>stop the work in the progress window</source>
        <translation>進行状況ウィンドウで処理を中止</translation>
    </message>
    <message>
        <source>More</source>
        <translation>詳しくは</translation>
    </message>
    <message>
        <source>The manual pages say the rest: %1 for this program, and %2 for the command that does the same from a terminal.</source>
        <translation>そのほかはマニュアルページにあります: このプログラムは %1、同じことを端末から行うコマンドは %2 を参照してください。</translation>
    </message>
</context>
<context>
    <name>vwui::frmMain</name>
    <message>
        <source>Encrypt a file...</source>
        <translation>ファイルを暗号化...</translation>
    </message>
    <message>
        <source>Decrypt a file or folder...</source>
        <translation>ファイルまたはフォルダーを復号...</translation>
    </message>
    <message>
        <source>About Moravi Vaultwise</source>
        <translation>Moravi Vaultwise について</translation>
    </message>
    <message>
        <source>Exit Moravi Vaultwise</source>
        <translation>Moravi Vaultwise を終了</translation>
    </message>
    <message>
        <source>Encrypt a folder...</source>
        <translation>フォルダーを暗号化...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Welcome to Moravi Vaultwise 3.5</source>
        <translation>Moravi Vaultwise 3.5 へようこそ</translation>
    </message>
    <message>
        <source>Please select an action from below:</source>
        <translation>下から操作を選んでください:</translation>
    </message>
    <message>
        <source>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</source>
        <translation>Moravi Vaultwise 3.5.<byte value="xd"/>Copyright (C) 2002-2026 Moravi Software. All rights reserved.<byte value="xd"/><byte value="xd"/>https://vaultwise.moravi.example</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>vwui::frmPass</name>
    <message>
        <source>Please enter your password:</source>
        <translation>パスワードを入力してください:</translation>
    </message>
    <message numerus="yes">
        <source>about %n billion years</source>
        <comment>about %n billion year</comment>
        <translation>
            <numerusform>約 %n0 億年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n million years</source>
        <comment>about %n million year</comment>
        <translation>
            <numerusform>約 %n 百万年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n thousand years</source>
        <comment>about %n thousand year</comment>
        <translation>
            <numerusform>約 %n 千年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <comment>about %n year</comment>
        <translation>
            <numerusform>約 %n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <comment>about %n day</comment>
        <translation>
            <numerusform>約 %n 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <comment>about %n hour</comment>
        <translation>
            <numerusform>約 %n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <comment>about %n minute</comment>
        <translation>
            <numerusform>約 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a thousand billion years</source>
        <translation>1 兆年以上</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>1 分未満</translation>
    </message>
    <message>
        <source>Confirm the password</source>
        <translation>パスワードを確定</translation>
    </message>
    <message>
        <source>Cancel and return to the main window</source>
        <translation>キャンセルしてメインウィンドウに戻る</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Please type a password, or choose Cancel.</source>
        <translation>パスワードを入力するか、キャンセルを選んでください。</translation>
    </message>
    <message>
        <source>%1 - Moravi Vaultwise</source>
        <translation>%1 - Moravi Vaultwise</translation>
    </message>
    <message>
        <source>This password does not protect the contents: anyone who has the file can read it without the password.</source>
        <translation>このパスワードは内容を守りません: ファイルを持つ人は誰でもパスワードなしで読めます。</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message numerus="yes">
        <source>Fill in a random passphrase of %n words</source>
        <comment>Fill in a random passphrase of %n word</comment>
        <translation>
            <numerusform>%n 語のランダムなパスフレーズを入力します</numerusform>
        </translation>
    </message>
    <message>
        <source>Type a password, or choose Generate for a passphrase of words.</source>
        <translation>パスワードを入力するか、「生成」を選んで単語のパスフレーズを作ってください。</translation>
    </message>
    <message>
        <source>Weak: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>弱い: プロセッサー 1 台あたり毎秒 %2 回の推測で %1で当てられます。</translation>
    </message>
    <message>
        <source>Strong: would take %1 to guess at %2 guesses a second per processor.</source>
        <translation>強い: プロセッサー 1 台あたり毎秒 %2 回の推測で当てるのに %1かかります。</translation>
    </message>
    <message>
        <source>Write this passphrase down; nothing else opens the file:</source>
        <translation>このパスフレーズを書き留めてください。ほかにファイルを開く方法はありません:</translation>
    </message>
</context>
<context>
    <name>vwui::frmWait</name>
    <message>
        <source>Moravi Vaultwise is working</source>
        <translation>Moravi Vaultwise が処理中です</translation>
    </message>
    <message>
        <source>Working...Please Wait</source>
        <translation>処理中... お待ちください</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop the work; nothing is written</source>
        <translation>処理を中止します。何も書き込まれません</translation>
    </message>
    <message>
        <source>%1 of %2: </source>
        <translation>%1/%2: </translation>
    </message>
    <message>
        <source>%1 - %2%</source>
        <translation>%1 - %2%</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>%1% complete...</source>
        <translation>%1% 完了...</translation>
    </message>
    <message>
        <source>Working on your files, please wait</source>
        <translation>ファイルを処理しています。お待ちください</translation>
    </message>
</context>
</TS>
