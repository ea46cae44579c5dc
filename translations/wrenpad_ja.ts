<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>BoxCommand</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>A property of a style rule: "padding of .my_box".</extracomment>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>These values of the page cannot be read; the dialog keeps its earlier values for them: %1</source>
        <translation>次の値は読み取れないため、ダイアログでは前の値のままです: %1</translation>
    </message>
</context>
<context>
    <name>BoxSetting</name>
    <message>
        <source>Example</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Example</translation>
    </message>
</context>
<context>
    <name>BracketMatching</name>
    <message>
        <source>No matching bracket or tag was found near the caret.</source>
        <translation>カーソルの近くに対応する括弧やタグが見つかりませんでした。</translation>
    </message>
    <message>
        <source>This bracket or tag has no partner.</source>
        <translation>この括弧やタグには対応する相手がありません。</translation>
    </message>
</context>
<context>
    <name>CgiLogWatch</name>
    <message>
        <source>The error log "%1" cannot be read; the script's errors will not be shown.</source>
        <translation>エラーログ "%1" を読めません。スクリプトのエラーは表示されません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: wrenpad [options] [file...]
Edit text files, web pages and small programs.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
  --             Take every argument after it as a file name.

Each file opens in a window of its own. A file that does not exist yet
opens as an empty document and is made when it is saved.
</source>
        <translation>使い方: wrenpad [オプション] [ファイル...]
テキストファイル、Webページ、小さなプログラムを編集します。

オプション:
  -h, --help     このヘルプを表示して終了します。
  -v, --version  バージョンを表示して終了します。
  --             これより後の引数をすべてファイル名として扱います。

ファイルはそれぞれ別のウィンドウで開きます。まだないファイルは空の文書として開き、
保存したときに作られます。
</translation>
    </message>
    <message>
        <source>wrenpad: unknown option "%1". A file name that begins with "-" goes after "--" (wrenpad -- %1).
See "wrenpad --help".
</source>
        <translation>wrenpad: "%1" というオプションはありません。"-" で始まるファイル名は "--" の後に書いてください（wrenpad -- %1）。
"wrenpad --help" を見てください。
</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Auto File Naming</source>
        <translation>ファイル名の自動設定(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>背景色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Break Point</source>
        <translation>ブレークポイント(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;C/C++</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>&amp;C/C++</translation>
    </message>
    <message>
        <source>&amp;CR LF</source>
        <translation>CR LF(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>中央揃え(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Count</source>
        <translation>文字数のカウント(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Default folder</source>
        <translation>既定のフォルダへ移動(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Display as a Web Page</source>
        <translation>Webページとして表示(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;EUC</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>&amp;EUC</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Enable Multi Undo</source>
        <translation>複数回のアンドゥを可能にする(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>English(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>実行(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>フォント(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>指定行へ移動(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Heading...</source>
        <translation>見出し(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Input Wizard</source>
        <translation>入力ウィザード(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Japanese</source>
        <translation>日本語(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;LF</source>
        <translation>LF(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左揃え(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>リンク(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;List of Code Template</source>
        <translation>コードテンプレート一覧(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Macro Replace</source>
        <translation>マクロ置換(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Modify as a HTML file</source>
        <translation>HTMLファイルに変換(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Multiple Line TextArea</source>
        <translation>複数行テキスト入力欄(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;New Form</source>
        <translation>新しいフォーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Numbering</source>
        <translation>段落番号(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Linked File</source>
        <translation>リンク先のファイルを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Output Kanji code</source>
        <translation>保存時の漢字コード(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Page Settings</source>
        <translation>ページの設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>画像(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Programming Options</source>
        <translation>プログラミングの設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Refer</source>
        <translation>辞書を引く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Refer Dictionary</source>
        <translation>辞書を引く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Relate an extension to this software</source>
        <translation>拡張子の設定(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Rename As Top Line</source>
        <translation>先頭行をファイル名に(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右揃え(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Save -&gt; Exit</source>
        <translation>保存→終了(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>ヘルプの検索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択リスト(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Borland C++ Compiler</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>&amp;Set Borland C++ Compiler</translation>
    </message>
    <message>
        <source>&amp;Shift-JIS</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>&amp;Shift-JIS</translation>
    </message>
    <message>
        <source>&amp;Show Line Numbers</source>
        <translation>行番号の表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Tab Width...</source>
        <translation>タブ幅(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>UTF-8(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Webpage-Editing Options</source>
        <translation>Webページ編集の設定(&amp;W)</translation>
    </message>
    <message>
        <source>&lt;&amp;div ... &gt;.....&lt;/div&gt;</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>&lt;&amp;div ... &gt;.....&lt;/div&gt;</translation>
    </message>
    <message>
        <source>A&amp;uto Repaint</source>
        <translation>自動着色(&amp;U)</translation>
    </message>
    <message>
        <source>Add Ro&amp;w</source>
        <translation>行の追加(&amp;W)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Browse as WebPage</source>
        <translation>Webページとして表示</translation>
    </message>
    <message>
        <source>Bullet &amp;List</source>
        <translation>箇条書き(&amp;L)</translation>
    </message>
    <message>
        <source>Bullet List</source>
        <translation>箇条書き</translation>
    </message>
    <message>
        <source>C&amp;ompiler Option</source>
        <translation>コンパイラオプション(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <translation>切り取り(&amp;U)</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Chec&amp;k Page</source>
        <translation>ページのチェック(&amp;K)</translation>
    </message>
    <message>
        <source>CheckBo&amp;x</source>
        <translation>チェックボックス(&amp;X)</translation>
    </message>
    <message>
        <source>Co&amp;mpile</source>
        <translation>コンパイル(&amp;M)</translation>
    </message>
    <message>
        <source>Code &amp;Template</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>Code &amp;Template</translation>
    </message>
    <message>
        <source>Com&amp;pile and Execute</source>
        <translation>コンパイル＆実行(&amp;C)</translation>
    </message>
    <message>
        <source>Commenti&amp;ze the selected text</source>
        <translation>選択範囲をコメントにする(&amp;Z)</translation>
    </message>
    <message>
        <source>Compile and execute current program</source>
        <translation>現在のプログラムをコンパイルして実行</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Create or edit a box</source>
        <translation>ボックスの作成・編集</translation>
    </message>
    <message>
        <source>Create/Edit a Bo&amp;x</source>
        <translation>ボックスの作成・編集(&amp;X)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>フォント(&amp;O)</translation>
    </message>
    <message>
        <source>F&amp;orm</source>
        <translation>フォーム(&amp;O)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Go to &amp;Matching Bracket</source>
        <translation>対応する括弧へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>HT&amp;ML</source>
        <translation>Webページ(&amp;W)</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>見出し 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>見出し 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>見出し 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>見出し 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>見出し 5</translation>
    </message>
    <message>
        <source>In&amp;sert &lt;br&gt; on [Enter]</source>
        <translation>[Enter]で&lt;br&gt;を挿入(&amp;S)</translation>
    </message>
    <message>
        <source>Input Wizard</source>
        <translation>入力ウィザード</translation>
    </message>
    <message>
        <source>Insert a Table</source>
        <translation>表の挿入</translation>
    </message>
    <message>
        <source>It&amp;alic</source>
        <translation>斜体(&amp;A)</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Line Ends of New Do&amp;cuments</source>
        <translation>新規文書の改行コード(&amp;C)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Link Tar&amp;get</source>
        <translation>リンク先アンカー(&amp;G)</translation>
    </message>
    <message>
        <source>Locate shortcut　at "Se&amp;nd to"</source>
        <translation>「送る」ポップアップメニューに追加(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>段落番号</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>プリンタの設定(&amp;U)</translation>
    </message>
    <message>
        <source>Putting a breakpoint and inspecting value of a variable.</source>
        <translation>ブレークポイントを置いて変数の値を調べる</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>置換(&amp;E)...</translation>
    </message>
    <message>
        <source>Refer dictionary</source>
        <translation>辞書を引く</translation>
    </message>
    <message>
        <source>Repaint</source>
        <translation>再着色</translation>
    </message>
    <message>
        <source>Repaint Ta&amp;gs</source>
        <translation>エディタの再着色(&amp;G)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Select &amp;Dictionary</source>
        <translation>辞書ソフトの選択(&amp;D)</translation>
    </message>
    <message>
        <source>Select Default &amp;Folder</source>
        <translation>既定のフォルダの選択(&amp;F)</translation>
    </message>
    <message>
        <source>Select to Matching Brac&amp;ket</source>
        <translation>対応する括弧まで選択(&amp;K)</translation>
    </message>
    <message>
        <source>Single &amp;Line Text Area</source>
        <translation>1行テキスト入力欄(&amp;L)</translation>
    </message>
    <message>
        <source>Subscrip&amp;t</source>
        <translation>下付き文字(&amp;T)</translation>
    </message>
    <message>
        <source>Sup&amp;erscript</source>
        <translation>上付き文字(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>insert "&lt;BR&gt;" on pressing [Enter]</source>
        <translation>[Enter]で改行タグ&lt;br&gt;を挿入</translation>
    </message>
</context>
<context>
    <name>DictionaryCommand</name>
    <message>
        <source>"%1" is not a program that can be started.</source>
        <translation>「%1」は起動できるプログラムではありません。</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>プログラム (*)</translation>
    </message>
    <message>
        <source>Select Dictionary</source>
        <translation>辞書ソフトの選択</translation>
    </message>
    <message>
        <source>The dictionary program "%1" could not be started.</source>
        <translation>辞書ソフト「%1」を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>EditingTools</name>
    <message>
        <source>Please input the tab width you like.</source>
        <translation>お好きなタブ幅を入力してください。</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>Another program changed the file while it was open here, so part of its text could no longer be read as it was.</source>
        <translation>開いている間にファイルが別のプログラムに変更されたため、元の文章の一部を読めなくなりました。</translation>
    </message>
    <message>
        <source>It is not an ordinary file but a folder, a device, a FIFO or a socket. Wrenpad reads and writes ordinary files only.</source>
        <translation>通常のファイルではありません（フォルダー、デバイス、FIFO、ソケットのいずれかです）。Wrenpadが読み書きするのは通常のファイルだけです。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The file could not be put back as it was; its old content is in "%1".</source>
        <translation>ファイルを元に戻せませんでした。元の内容は"%1"にあります。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>The file has to be written over where it lies (it has other links, or attributes a new file would not keep), and the note that lets Wrenpad repair it after a crash in the middle could not be written in "%1" (is that disk full?). The file was left as it was.</source>
        <translation>このファイルはその場で上書きする必要があります（別のリンクがあるか、新しいファイルでは保てない属性があります）。途中で異常終了したときに修復するための記録を"%1"に書き込めませんでした（ディスクがいっぱいではありませんか）。ファイルは元のままです。</translation>
    </message>
    <message>
        <source>The file is read-only: you have no permission to write it.</source>
        <translation>ファイルは読み取り専用です（書き込む権限がありません）。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>ファイルが大きすぎます。</translation>
    </message>
    <message>
        <source>The file lies on a disk that is read-only.</source>
        <translation>ファイルは読み取り専用のディスクにあります。</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>ファイル名が長すぎます。</translation>
    </message>
    <message>
        <source>The file was not saved.</source>
        <translation>ファイルは保存されませんでした。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーがありません。</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>メモリが足りません。</translation>
    </message>
    <message>
        <source>You have no permission to create files in the folder.</source>
        <translation>フォルダーにファイルを作る権限がありません。</translation>
    </message>
</context>
<context>
    <name>FindReplace</name>
    <message>
        <source>%1 of the words have been replaced.
Would you like to continue replacing from start to current cursor?</source>
        <translation>%1 個の文字列が置換されました。
文書の先頭から現在のカーソル位置までさらに置換を行いますか？</translation>
    </message>
    <message>
        <source>Additional %1 of the words have been replaced.</source>
        <translation>新たに%1 個の文字列が置換されました。</translation>
    </message>
    <message>
        <source>Could not find the word</source>
        <translation>単語が見つかりませんでした</translation>
    </message>
</context>
<context>
    <name>FormMarkup</name>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;O K</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>&amp;O K</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IntegerInput</name>
    <message>
        <source>%1 is not within the valid range of %2..%3</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>%1 is not within the valid range of %2..%3</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>'%1' is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Please restart this software to change language.</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>Please restart this software to change language.</translation>
    </message>
</context>
<context>
    <name>LargeCount</name>
    <message>
        <source> Lines: %1.</source>
        <translation>行数は%1行です。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>数えています...</translation>
    </message>
</context>
<context>
    <name>LargeFileCommands</name>
    <message>
        <source>Not available for large files: %1</source>
        <translation>大きなファイルでは使えません: %1</translation>
    </message>
    <message>
        <source>colouring is off</source>
        <translation>色分けはオフです</translation>
    </message>
    <message>
        <source>copy the part to print into a new document</source>
        <translation>印刷する部分を新しい文書にコピーしてください</translation>
    </message>
    <message>
        <source>in-page rendering is off</source>
        <translation>ページ表示はオフです</translation>
    </message>
    <message>
        <source>it works in the editor only</source>
        <translation>エディタでのみ使えます</translation>
    </message>
    <message>
        <source>page commands work in the editor only</source>
        <translation>HTMLのコマンドはエディタでのみ使えます</translation>
    </message>
    <message>
        <source>program commands work in the editor only</source>
        <translation>プログラムのコマンドはエディタでのみ使えます</translation>
    </message>
    <message>
        <source>the file keeps its own code</source>
        <translation>ファイルは元の文字コードのままです</translation>
    </message>
    <message>
        <source>the tools work in the editor only</source>
        <translation>ツールはエディタでのみ使えます</translation>
    </message>
    <message>
        <source>the view always keeps every undo step</source>
        <translation>表示は常に全てのアンドゥを保ちます</translation>
    </message>
    <message>
        <source>the view shows one face</source>
        <translation>表示は一つのフォントだけです</translation>
    </message>
    <message>
        <source>the view shows the system's colours</source>
        <translation>表示はシステムの色です</translation>
    </message>
</context>
<context>
    <name>LargeRecovery</name>
    <message>
        <source>The kept edits of "%1" (%2) could not be read.
The files stay for the next start.</source>
        <translation>"%1"の残っている編集（%2）を読み込めませんでした。
ファイルは次回の起動のために残しておきます。</translation>
    </message>
    <message>
        <source>Wrenpad ended before the edits of the large file "%1" were saved, and the file was changed after that, so the edits cannot be made on it again.
Open the text typed up to %2 as a new document?</source>
        <translation>Wrenpadは大きなファイル"%1"の編集を保存しないまま終了しましたが、その後ファイルが変更されたため、編集をやり直すことはできません。
%2までに入力した文字列を新しい文書として開きますか？</translation>
    </message>
    <message>
        <source>Wrenpad ended before the edits of the large file "%1" were saved.
The edits up to %2 are kept. Open the file and make them again?</source>
        <translation>Wrenpadは大きなファイル"%1"の編集を保存しないまま終了しました。
%2までの編集が残っています。ファイルを開いて編集をやり直しますか？</translation>
    </message>
</context>
<context>
    <name>MacroReplace</name>
    <message>
        <source>All (*)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>Do you save the list?</source>
        <translation>リストをファイルに保存しますか？</translation>
    </message>
    <message>
        <source>Please save the list to a new file.</source>
        <translation>リストをファイルに保存してください。</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Text File (*.txt)</translation>
    </message>
    <message>
        <source>The list "%1" could not be read: %2</source>
        <translation>リスト"%1"を読み込めません: %2</translation>
    </message>
    <message>
        <source>The list could not be saved to "%1": %2
It is still in the dialog; save it to another file with Load or New.</source>
        <translation>リストを"%1"に保存できませんでした: %2
リストはダイアログに残っています。別のファイルに保存してください。</translation>
    </message>
</context>
<context>
    <name>MessageTable</name>
    <message>
        <source> including spaces.</source>
        <translation>個です。</translation>
    </message>
    <message>
        <source>Current Folder : </source>
        <translation>カレントフォルダ：</translation>
    </message>
    <message>
        <source>GIF image cannot be previewed.</source>
        <translation>GIF画像はプレビューできません。</translation>
    </message>
    <message>
        <source>Just a moment, please.</source>
        <translation>少々お待ちください</translation>
    </message>
    <message>
        <source>Number of letters in the selected text = </source>
        <translation>選択された範囲の文字数は，スペースを含め</translation>
    </message>
    <message>
        <source>OK to overwrite %s</source>
        <translation>%sに上書きしてよろしいですか？</translation>
    </message>
    <message>
        <source>Please decide name and location of the program.</source>
        <translation>プログラムの名称と保存場所を設定してください</translation>
    </message>
    <message>
        <source>Please input string of the extension without ".".</source>
        <translation>拡張子を"."を付けずに入力してください。</translation>
    </message>
    <message>
        <source>Please input the compiler option (e.g.: -O2)</source>
        <translation>コンパイラオプションを入力してください（例: -O2）。</translation>
    </message>
    <message>
        <source>Please restart this computer.</source>
        <translation>お手数ですが，コンピュータを再起動してください。</translation>
    </message>
    <message>
        <source>Please select the folder which is the document-root of the test-server.</source>
        <translation>テスト用サーバーのドキュメントルートとなるフォルダを指定してください。</translation>
    </message>
    <message>
        <source>Please select(double-click) the dictionary software(*.exe)</source>
        <translation>辞書ソフト(*.exe)を選択（ダブルクリック）してください</translation>
    </message>
    <message>
        <source>Relating an extension to this software</source>
        <translation>拡張子の本ソフトウェアへの関連付け</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>%sへの変更を保存しますか？</translation>
    </message>
    <message>
        <source>Since the file size is large (&gt;50KB), autorepaint function has been turned off.</source>
        <translation>ファイルサイズが大きいため(&gt;50KB)，自動着色機能をオフにします。</translation>
    </message>
    <message>
        <source>The file "%s" does not exist.</source>
        <translation>ファイル "%s" は存在しません。</translation>
    </message>
    <message>
        <source>The following is the last line of "error.log".</source>
        <translation>"error.log"の末尾行です。うまくCGIが実行されない場合に参考にして下さい。</translation>
    </message>
    <message>
        <source>This document has been modified. Save?</source>
        <translation>この文書は変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>compiler</source>
        <translation>コンパイラ</translation>
    </message>
</context>
<context>
    <name>PageCheck</name>
    <message>
        <source>%1: the name "%2" is already used by another element.</source>
        <translation>%1: 名前 "%2" はすでに別の要素で使われています。</translation>
    </message>
    <message>
        <source>%1: "%3" is not a valid value of the attribute "%2".</source>
        <translation>%1: "%3" は属性 "%2" の値として正しくありません。</translation>
    </message>
    <message>
        <source>%1 cannot stand inside another %1.</source>
        <translation>%1 の中に %1 を入れることはできません。</translation>
    </message>
    <message>
        <source>This &lt;%1&gt; was probably meant to be the end tag &lt;/%1&gt;.</source>
        <translation>この &lt;%1&gt; は終了タグ &lt;/%1&gt; の書き間違いのようです。</translation>
    </message>
    <message>
        <source>Something follows the end of &lt;body&gt;.</source>
        <translation>&lt;body&gt; の終わりより後に内容があります。</translation>
    </message>
    <message>
        <source>%1 does not belong here and is left out.</source>
        <translation>%1 はここに置けないため、無視されます。</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE&gt; must come before every element.</source>
        <translation>&lt;!DOCTYPE&gt; はすべての要素より前に書きます。</translation>
    </message>
    <message>
        <source>%1 is not closed, or holds something it may not hold.</source>
        <translation>%1 が閉じられていないか、入れられない内容を含んでいます。</translation>
    </message>
    <message>
        <source>%1 cannot be used in %2.</source>
        <translation>%1 は %2 では使えません。</translation>
    </message>
    <message>
        <source>&lt;style&gt; belongs in &lt;head&gt;, not in &lt;body&gt;.</source>
        <translation>&lt;style&gt; は &lt;body&gt; ではなく &lt;head&gt; に書きます。</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is missing here; it is taken as if written.</source>
        <translation>ここに &lt;%1&gt; がないため、書かれているものとみなします。</translation>
    </message>
    <message>
        <source>%1: "%2" cannot be the name of an attribute.</source>
        <translation>%1: "%2" は属性名として使えません。</translation>
    </message>
    <message>
        <source>A comment holds "--" inside it.</source>
        <translation>コメントの中に "--" があります。</translation>
    </message>
    <message>
        <source>The &lt;!DOCTYPE&gt; cannot be read and is ignored.</source>
        <translation>&lt;!DOCTYPE&gt; の書き方が正しくないため、無視されます。</translation>
    </message>
    <message>
        <source>%1: the attribute "%2" cannot be used in %3.</source>
        <translation>%1: 属性 "%2" は %3 では使えません。</translation>
    </message>
    <message>
        <source>%1: the attribute "%2" has no value.</source>
        <translation>%1: 属性 "%2" に値がありません。</translation>
    </message>
    <message>
        <source>%1 needs the attribute "%2".</source>
        <translation>%1 には属性 "%2" が必要です。</translation>
    </message>
    <message>
        <source>The page does not begin with &lt;!DOCTYPE ...&gt;.</source>
        <translation>ページの先頭に &lt;!DOCTYPE ...&gt; がありません。</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; should come before %2.</source>
        <translation>%2 の前に &lt;/%1&gt; が必要です。</translation>
    </message>
    <message>
        <source>The end tag &lt;/%1&gt; is missing.</source>
        <translation>終了タグ &lt;/%1&gt; がありません。</translation>
    </message>
    <message>
        <source>%1: an attribute value lacks its closing quote mark.</source>
        <translation>%1: 属性の値を閉じる引用符がありません。</translation>
    </message>
    <message>
        <source>The value of the attribute "%1" is not in quote marks.</source>
        <translation>属性 "%1" の値が引用符で囲まれていません。</translation>
    </message>
    <message>
        <source>The character reference "%1" should end with ";".</source>
        <translation>文字参照 "%1" の最後には ";" が必要です。</translation>
    </message>
    <message>
        <source>The start tag &lt;%1&gt; is missing.</source>
        <translation>開始タグ &lt;%1&gt; がありません。</translation>
    </message>
    <message>
        <source>The page has no &lt;title&gt;.</source>
        <translation>ページに &lt;title&gt; がありません。</translation>
    </message>
    <message>
        <source>%1 stands inside another %1 that already does the same.</source>
        <translation>%1 が、同じ働きをする別の %1 の中にあります。</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; does not close the element open here: the tags cross.</source>
        <translation>&lt;/%1&gt; はここで開いている要素を閉じていません（タグが交差しています）。</translation>
    </message>
    <message>
        <source>%1 is out of date and is taken as %2.</source>
        <translation>%1 は古い要素のため、%2 として扱われます。</translation>
    </message>
    <message>
        <source>%1: the attribute "%2" is not in the HTML standard.</source>
        <translation>%1: 属性 "%2" はHTMLの規格にありません。</translation>
    </message>
    <message>
        <source>%1 is not in the HTML standard.</source>
        <translation>%1 はHTMLの規格にない要素です。</translation>
    </message>
    <message>
        <source>%1 was dropped from HTML5.</source>
        <translation>%1 はHTML5で廃止されました。</translation>
    </message>
    <message>
        <source>%1: the attribute "%3" is written twice; the value "%2" is not used.</source>
        <translation>%1: 属性 "%3" が二度書かれているため、値 "%2" は使われません。</translation>
    </message>
    <message>
        <source>An attribute value seems to lack a quote mark.</source>
        <translation>属性の値の引用符が欠けているようです。</translation>
    </message>
    <message>
        <source>%1 may not stand inside &lt;%2&gt;.</source>
        <translation>%1 は &lt;%2&gt; の中に置けません。</translation>
    </message>
    <message>
        <source>There are more &lt;%1&gt; elements than allowed.</source>
        <translation>&lt;%1&gt; 要素が許される数より多くあります。</translation>
    </message>
    <message>
        <source>There are more &lt;%1&gt; elements than allowed in &lt;%2&gt;.</source>
        <translation>&lt;%2&gt; の中の &lt;%1&gt; 要素が許される数より多くあります。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 の中身が空です。</translation>
    </message>
    <message>
        <source>A lone "&amp;" should be written "&amp;amp;".</source>
        <translation>"&amp;" だけを書くときは "&amp;amp;" と書きます。</translation>
    </message>
    <message>
        <source>The page ends inside %1.</source>
        <translation>%1 の途中でページが終わっています。</translation>
    </message>
    <message>
        <source>The page ends inside the attributes of %1.</source>
        <translation>%1 の属性の途中でページが終わっています。</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; has no start tag to close.</source>
        <translation>&lt;/%1&gt; に対応する開始タグがありません。</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; has no start tag to close inside &lt;%2&gt;.</source>
        <translation>&lt;%2&gt; の中に &lt;/%1&gt; に対応する開始タグがありません。</translation>
    </message>
    <message>
        <source>%1: an "=" stands where an attribute name belongs.</source>
        <translation>%1: 属性名を書く場所に "=" があります。</translation>
    </message>
    <message>
        <source>%1 lacks the "&gt;" that ends the tag.</source>
        <translation>%1 にタグを閉じる "&gt;" がありません。</translation>
    </message>
    <message>
        <source>%1 has a quote mark where none belongs.</source>
        <translation>%1 に余分な引用符があります。</translation>
    </message>
    <message>
        <source>%1 is not an HTML element.</source>
        <translation>%1 はHTMLの要素ではありません。</translation>
    </message>
    <message>
        <source>"%1" is no known character reference; a lone "&amp;" should be written "&amp;amp;".</source>
        <translation>"%1" は文字参照として知られていません。"&amp;" だけを書くときは "&amp;amp;" と書きます。</translation>
    </message>
    <message>
        <source>%1 is taken as &lt;br&gt;.</source>
        <translation>%1 は &lt;br&gt; として扱われます。</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The page check found no errors and no warnings.</source>
        <translation>ページのチェックでは、エラーも警告も見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Cannot write file "%1": %2</source>
        <translation>ファイル"%1"に書き込めません: %2</translation>
    </message>
    <message>
        <source>No web browser is installed (not even xdg-open).</source>
        <translation>Webブラウザがインストールされていません（xdg-openもありません）。</translation>
    </message>
    <message>
        <source>Open this address in a browser: %1</source>
        <translation>次のアドレスをブラウザで開いてください: %1</translation>
    </message>
    <message>
        <source>The folder already holds a file named "%1" that Wrenpad did not write in this session.
Replace it with the preview of this page? (No or Cancel keeps the file and shows nothing.)</source>
        <translation>このフォルダには、今回Wrenpadが書いたものではない"%1"というファイルがあります。
このページのプレビューで置き換えますか？（「いいえ」「キャンセル」ではファイルを残し、何も表示しません）</translation>
    </message>
    <message>
        <source>The page is shown in the preview window instead. Its address: %1</source>
        <translation>代わりにプレビューウィンドウで表示します。アドレス: %1</translation>
    </message>
    <message>
        <source>The preview page "%1" cannot be written: the folder "%2" does not let this program write there.
The page refers to pictures or other files beside it, so it cannot be shown from elsewhere. Save the page in a folder you can write to and display it again.</source>
        <translation>プレビュー用のページ"%1"を書き込めません。フォルダ"%2"に書き込む権限がありません。
このページは同じ場所にある画像などのファイルを参照しているため、別の場所からは表示できません。書き込めるフォルダにページを保存してから、もう一度表示してください。</translation>
    </message>
    <message>
        <source>The preview page cannot be written: no temporary folder can be made in "%1": %2</source>
        <translation>プレビュー用のページを書き込めません。"%1"に一時フォルダを作れません: %2</translation>
    </message>
    <message>
        <source>The web browser "%1" could not be started.</source>
        <translation>Webブラウザ"%1"を起動できませんでした。</translation>
    </message>
    <message>
        <source>The web browser "%1" could not be started: it ended with status %2.</source>
        <translation>Webブラウザ"%1"を起動できませんでした（終了コード %2 で終了しました）。</translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <source>These colours of the page cannot be read; the dialog keeps its earlier values for them: %1</source>
        <translation>次の色は読み取れないため、ダイアログでは前の値のままです: %1</translation>
    </message>
    <message>
        <source>background-color of the body rule</source>
        <translation>スタイルシートのbodyのbackground-color</translation>
    </message>
    <message>
        <source>bgcolor of &lt;body&gt;</source>
        <translation>&lt;body&gt;のbgcolor</translation>
    </message>
    <message>
        <source>color of the body rule</source>
        <translation>スタイルシートのbodyのcolor</translation>
    </message>
    <message>
        <source>text of &lt;body&gt;</source>
        <translation>&lt;body&gt;のtext</translation>
    </message>
</context>
<context>
    <name>PictureInfo</name>
    <message>
        <source> Its size is not known.</source>
        <translation>大きさもわかりません。</translation>
    </message>
    <message>
        <source>A Windows metafile cannot be shown here.</source>
        <translation>Windowsメタファイルはここでは表示できません。</translation>
    </message>
    <message>
        <source>Part of the JPEG picture may be missing: %1.</source>
        <translation>JPEGの画像は一部が欠けている可能性があります: %1。</translation>
    </message>
    <message>
        <source>The %1 picture cannot be shown: %2.</source>
        <translation>%1の画像を表示できません: %2。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>ファイルを開けません: %1。</translation>
    </message>
    <message>
        <source>The file is not a picture of a known kind (PNG, JPEG, GIF, BMP or Windows metafile).</source>
        <translation>このファイルは対応している種類の画像（PNG、JPEG、GIF、BMP、Windowsメタファイル）ではありません。</translation>
    </message>
    <message>
        <source>The file is too large to show (more than %1 MiB).</source>
        <translation>ファイルが大きすぎるため表示できません（%1 MiBを超えています）。</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>the file is damaged or ends early</source>
        <translation>ファイルが壊れているか途中で終わっています</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>画像が大きすぎます</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
</context>
<context>
    <name>PreviewRules</name>
    <message>
        <source>%1 (not installed: the default browser opens)</source>
        <translation>%1（未インストール: 既定のブラウザで開きます）</translation>
    </message>
    <message>
        <source>Built-in preview</source>
        <translation>内蔵プレビュー</translation>
    </message>
    <message>
        <source>Chromium</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Chromium</translation>
    </message>
    <message>
        <source>Firefox</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Firefox</translation>
    </message>
    <message>
        <source>Opera</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Opera</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <source>"%1" is not inside the document root "%2" of the test server, so the server cannot run it.</source>
        <translation>"%1" はテスト用サーバーのドキュメントルート "%2" の中にないため、実行できません。</translation>
    </message>
    <message>
        <source>"%1" is not on PATH. Wrenpad runs %2 from this folder by its full path.</source>
        <translation>"%1" は PATH に含まれていません。Wrenpad は %2 をこのフォルダから直接実行します。</translation>
    </message>
    <message>
        <source>%1 was not found in "%2". The setting stays as it was.</source>
        <translation>%1 が "%2" に見つかりません。設定は変更しません。</translation>
    </message>
    <message>
        <source>A compile is still running. Please wait until it has finished.</source>
        <translation>コンパイル中です。終了するまでお待ちください。</translation>
    </message>
    <message>
        <source>No terminal program was found to run the program in. Please install one (for example xterm) or name it in the TERMINAL environment variable.</source>
        <translation>プログラムを実行する端末が見つかりません。xterm などをインストールするか、環境変数 TERMINAL で指定してください。</translation>
    </message>
    <message>
        <source>Please input the compiler option (e.g.: -O2)</source>
        <translation>コンパイラオプションを入力してください（例: -O2）。</translation>
    </message>
    <message>
        <source>Setting of Compiler Option</source>
        <translation>コンパイラオプションの設定</translation>
    </message>
    <message>
        <source>The compiler "%1" could not be started: %2</source>
        <translation>コンパイラ "%1" を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>The compiler "%1" was not found. It was looked for in the folder set with "%2" (if any) and in the folders of PATH: %3.
Please install it, or choose its folder with "%2".</source>
        <translation>コンパイラ "%1" が見つかりません。「%2」で設定したフォルダ（設定があれば）と PATH のフォルダを探しました: %3。
インストールするか、「%2」でフォルダを指定してください。</translation>
    </message>
    <message>
        <source>The document root of the test server is not set. Please choose it with "%1".</source>
        <translation>テスト用サーバーのドキュメントルートが設定されていません。「%1」で指定してください。</translation>
    </message>
    <message>
        <source>The terminal "%1" could not be started.</source>
        <translation>端末 "%1" を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>ProgramSnippets</name>
    <message>
        <source>The class name "%1" cannot be used: a Java class name must start with a letter.</source>
        <translation>クラス名「%1」は数字で始まるため使えません。</translation>
    </message>
    <message>
        <source>The class name "%1" cannot be used: it is a reserved word of Java.</source>
        <translation>クラス名「%1」は Java の予約語のため使えません。</translation>
    </message>
    <message>
        <source>The class name "%1" cannot be used: it may hold only the letters A to Z, digits, "_" and "$".</source>
        <translation>クラス名「%1」は半角英数字と「_」「$」以外の文字を含むため使えません。</translation>
    </message>
    <message>
        <source>The class name is empty: enter a name for the Java class.</source>
        <translation>クラス名が空です。クラス名を入力してください。</translation>
    </message>
    <message>
        <source>The program name "%1" cannot be used: a Pascal name must start with a letter.</source>
        <translation>プログラム名「%1」は数字で始まるため使えません。</translation>
    </message>
    <message>
        <source>The program name "%1" cannot be used: it is a reserved word of Pascal.</source>
        <translation>プログラム名「%1」は Pascal の予約語のため使えません。</translation>
    </message>
    <message>
        <source>The program name "%1" cannot be used: it may hold only the letters A to Z, digits and "_".</source>
        <translation>プログラム名「%1」は半角英数字と「_」以外の文字を含むため使えません。</translation>
    </message>
    <message>
        <source>The program name is empty: enter a name for the Pascal program.</source>
        <translation>プログラム名が空です。プログラム名を入力してください。</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open as read-only</source>
        <translation>読み取り専用で開く</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The kept text of "%1" (%2) could not be read.
The files stay for the next start.</source>
        <translation>"%1"の残っている文書（%2）を読み込めませんでした。
ファイルは次回の起動のために残しておきます。</translation>
    </message>
    <message>
        <source>Wrenpad ended before the changes to "%1" were saved, but the file was changed after that.
The kept text is from %2; the file was changed at %3. Recover the kept text?</source>
        <translation>Wrenpadは"%1"の変更を保存しないまま終了しましたが、その後ファイルが変更されています。
残っている文書は%2の時点のもので、ファイルは%3に変更されました。残っている文書を復元しますか？</translation>
    </message>
    <message>
        <source>Wrenpad ended before the changes to "%1" were saved.
The text as it was at %2 is kept. Recover it?</source>
        <translation>Wrenpadは"%1"の変更を保存しないまま終了しました。
%2の時点の文書が残っています。復元しますか？</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>&amp;Kanji code:</source>
        <translation>漢字コード(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Line ends:</source>
        <translation>改行コード(&amp;L):</translation>
    </message>
    <message>
        <source>CR (old Mac OS)</source>
        <translation>CR（旧Mac OS）</translation>
    </message>
    <message>
        <source>CR LF (Windows)</source>
        <translation>CR LF（Windows）</translation>
    </message>
    <message>
        <source>EUC-JP</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>EUC-JP</translation>
    </message>
    <message>
        <source>JIS (ISO-2022-JP)</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>JIS (ISO-2022-JP)</translation>
    </message>
    <message>
        <source>LF (Linux, macOS)</source>
        <translation>LF（Linux、macOS）</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 (BOM付き)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>"%1" could not be put back.</source>
        <translation>"%1"を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>"%1" is not a settings file of Wrenpad, so the settings are not saved over it (the file is left as it is).</source>
        <translation>"%1" はWrenpadの設定ファイルではないため、設定は保存されません（ファイルはそのままです）。</translation>
    </message>
    <message>
        <source>Keep the text for the next start? (No deletes it.)</source>
        <translation>残っている文書を次回の起動のために残しますか？（「いいえ」で削除します）</translation>
    </message>
    <message>
        <source>The settings could not be saved in "%1"; the previous settings file is left as it was.
</source>
        <translation>設定を "%1" に保存できませんでした（前の設定ファイルはそのままです）。
</translation>
    </message>
    <message>
        <source>The settings file "%1" cannot be read, so the settings are not saved over it.</source>
        <translation>設定ファイル "%1" を読み込めないため、設定は保存されません。</translation>
    </message>
    <message>
        <source>Wrenpad was stopped while it was saving "%1", so the file may be half written.
Its content from before that save is kept in "%2".
Put that content back into the file? (No leaves the file as it is and keeps the copy; Cancel asks again at the next start.)</source>
        <translation>Wrenpadは"%1"を保存している途中で終了したため、ファイルが途中まで書き換えられているおそれがあります。
保存する前の内容は"%2"に残っています。
その内容をファイルに戻しますか？（「いいえ」ではファイルをそのままにし、コピーを残します。「キャンセル」では次回の起動時にもう一度尋ねます）</translation>
    </message>
</context>
<context>
    <name>SnippetCommands</name>
    <message>
        <source>Creating a new Java code</source>
        <translation>新しいJavaのコード</translation>
    </message>
    <message>
        <source>Please decide name and location of the program.</source>
        <translation>プログラムの名称と保存場所を設定してください</translation>
    </message>
    <message>
        <source>Please input the class name.</source>
        <translation>クラス名を入力してください。</translation>
    </message>
</context>
<context>
    <name>Subsystems</name>
    <message>
        <source>All (*)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>GIF file cannot be browsed here.</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>GIF file cannot be browsed here.</translation>
    </message>
    <message>
        <source>GIF(*.gif)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>GIF(*.gif)</translation>
    </message>
    <message>
        <source>GIF(*.gif) (*.gif)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>GIF(*.gif) (*.gif)</translation>
    </message>
    <message>
        <source>Graphic File (*bmp, *.jpg, *.png, *.gif) (*.bmp *.jpg *.png *.gif)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Graphic File (*bmp, *.jpg, *.png, *.gif) (*.bmp *.jpg *.png *.gif)</translation>
    </message>
    <message>
        <source>HTML File(*.htm, *.html) (*.htm *.html)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>HTML File(*.htm, *.html) (*.htm *.html)</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>JPEG (*.jpg), Portable Network Graphics(*.png), Windows Metafile(*.wmf, *.emf), BitMap(*.bmp) (*.jpg *.jpeg *.png *.emf *.wmf *.bmp)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>JPEG (*.jpg), Portable Network Graphics(*.png), Windows Metafile(*.wmf, *.emf), BitMap(*.bmp) (*.jpg *.jpeg *.png *.emf *.wmf *.bmp)</translation>
    </message>
    <message>
        <source>Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp)</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <source>The template list could not be saved to "%1": %2
It is used until the program ends.</source>
        <translation>テンプレートのリストを"%1"に保存できませんでした: %2
このリストはプログラムの終了まで使われます。</translation>
    </message>
</context>
<context>
    <name>ToolProfile</name>
    <message>
        <source>&amp;C/C++</source>
        <translation>コーディング(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Java</source>
        <translation>コーディング(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Pascal</source>
        <translation>コーディング(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Perl</source>
        <translation>コーディング(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Set ActivePerl and Test-server</source>
        <translation>ActivePerlおよびテスト用サーバーの設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Borland C++ Compiler</source>
        <translation>&amp;Borland C++コンパイラの設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Free Pascal Compiler</source>
        <translation>Free Pascalコンパイラの設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set GNU C/C++ Compiler</source>
        <translation>GNU C/C++コンパイラの設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Java Compiler</source>
        <translation>Javaコンパイラの設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Perl Test-server</source>
        <translation>Perlのテスト用サーバーの設定(&amp;S)</translation>
    </message>
    <message>
        <source>Borland C++ compiler (bcc32.exe)</source>
        <translation>Borland C++ コンパイラ (bcc32.exe)</translation>
    </message>
    <message>
        <source>Free Pascal compiler (fpc)</source>
        <translation>Free Pascal コンパイラ (fpc)</translation>
    </message>
    <message>
        <source>Free Pascal compiler (ppc386.exe)</source>
        <translation>Free Pascal コンパイラ (ppc386.exe)</translation>
    </message>
    <message>
        <source>GNU C/C++ compiler (g++)</source>
        <translation>GNU C/C++ コンパイラ (g++)</translation>
    </message>
    <message>
        <source>Java compiler (javac)</source>
        <translation>Java コンパイラ (javac)</translation>
    </message>
    <message>
        <source>Java compiler (javac.exe)</source>
        <translation>Java コンパイラ (javac.exe)</translation>
    </message>
    <message>
        <source>Please select folder where %1 is located.</source>
        <translation>%1が置かれているフォルダを選んでください</translation>
    </message>
    <message>
        <source>Please select the folder which is the document-root of the test-server.</source>
        <translation>テスト用サーバーのドキュメントルートとなるフォルダを指定してください。</translation>
    </message>
</context>
<context>
    <name>wrenpad::DocumentCommands</name>
    <message>
        <source>"%1" does not look like a text file: it holds control bytes.
Open it as text anyway? Saving it after changes would change its bytes.</source>
        <translation>"%1"はテキストファイルではないようです（制御文字を含みます）。
テキストとして開きますか？ 変更して保存するとファイルの内容が変わります。</translation>
    </message>
    <message>
        <source>"%1" is large (%2 MiB). Opening it takes much memory and editing it is slow.
Open it anyway?</source>
        <translation>"%1"は大きなファイルです（%2 MiB）。開くと多くのメモリを使い、編集も遅くなります。
開きますか？</translation>
    </message>
    <message>
        <source>"%1" was changed by another program after Wrenpad read or saved it.
Overwrite those changes with this text? (No or Cancel does not save.)</source>
        <translation>"%1"は、Wrenpadが読み込んだ（保存した）後に別のプログラムによって変更されています。
その変更をこの文書で上書きしますか？（「いいえ」「キャンセル」では保存しません）</translation>
    </message>
    <message>
        <source>"%1" was opened from a file that is not text.
Saving the edited text will change its bytes. Save anyway?</source>
        <translation>"%1"はテキストではないファイルから開かれました。
編集したテキストを保存するとファイルの内容が変わります。保存しますか？</translation>
    </message>
    <message>
        <source>All(*.*) (*)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>All(*.*) (*)</translation>
    </message>
    <message>
        <source>Another program changed "%1" while it was open here, so your edits can no longer be put into it. The text you typed is now in a new document: save it under a name of its own, then open the file again.</source>
        <translation>「%1」は開いている間に別のプログラムに変更されたため、編集をそのファイルに反映できません。入力した文章を新しい文書に移しました。別の名前で保存してから、ファイルを開き直してください。</translation>
    </message>
    <message>
        <source>Another program changed "%1" while it was open here. It is read again as it is now.</source>
        <translation>「%1」は開いている間に別のプログラムに変更されました。今の内容を読み直します。</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>ファイルに書き込めません</translation>
    </message>
    <message>
        <source>Change the page's declaration to UTF-8 and save it as UTF-8?
(No or Cancel does not save.)</source>
        <translation>ページの文字コードの宣言をUTF-8に変えて、UTF-8で保存しますか？
（「いいえ」「キャンセル」では保存しません）</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>ファイルの変更</translation>
    </message>
    <message>
        <source>HTML File(*.htm, *.html) (*.htm *.html)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>HTML File(*.htm, *.html) (*.htm *.html)</translation>
    </message>
    <message>
        <source>Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp *.java *.pas *.cgi)</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp *.java *.pas *.cgi)</translation>
    </message>
    <message>
        <source>The page declares the code %1, which cannot hold characters such as "%2".
Write such characters as character references ("%3" for "%2") and keep the code? (No offers to declare UTF-8 instead; Cancel does not save.)</source>
        <translation>このページは文字コード%1を宣言していますが、%1で保存できない文字（"%2"など）が含まれています。
それらの文字を文字参照（"%2"は"%3"）で書き込み、文字コードはそのままにしますか？（「いいえ」ではUTF-8の宣言に変えるかを尋ねます。「キャンセル」では保存しません）</translation>
    </message>
    <message>
        <source>The text holds characters that %1 cannot hold, such as "%2".
Save it as UTF-8 instead? (No or Cancel does not save.)</source>
        <translation>この文書には%1で保存できない文字（"%2"など）が含まれています。
UTF-8で保存しますか？（「いいえ」「キャンセル」では保存しません）</translation>
    </message>
    <message>
        <source>Wrenpad opens files of up to %1 MiB.</source>
        <translation>Wrenpadで開けるファイルは%1 MiBまでです。</translation>
    </message>
</context>
<context>
    <name>wrenpad::FindFormDialog</name>
    <message>
        <source>&amp;Find Next</source>
        <translation>次を検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置換して次に(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>検索する文字列(&amp;N):</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>置換後の文字列(&amp;P):</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>すべて置換(&amp;A)</translation>
    </message>
</context>
<context>
    <name>wrenpad::LargeFiles</name>
    <message>
        <source>, read-only</source>
        <translation>、読み取り専用</translation>
    </message>
    <message>
        <source>Large file (%1, %2%3): no colouring, no page view</source>
        <translation>大きなファイル（%1、%2%3）: 色分け・ページ表示なし</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>This file is written over in place (it has other links or attributes), and there is no room to keep its old text for Undo. Save anyway? Undo will not reach back before this save.</source>
        <translation>このファイルはその場で上書きされます（ほかのリンクや属性があるため）。元に戻すために古い文章を残しておく場所がありません。それでも保存しますか？ この保存より前には元に戻せなくなります。</translation>
    </message>
</context>
<context>
    <name>wrenpad::ShellIntegration</name>
    <message>
        <source>"%1" could not be run; is it installed?</source>
        <translation>「%1」を実行できませんでした。インストールされていますか？</translation>
    </message>
    <message>
        <source>"%1" failed (exit code %2).</source>
        <translation>「%1」が失敗しました（終了コード %2）。</translation>
    </message>
    <message>
        <source>"exe" must not be resistered.</source>
        <extracomment>Stays English in the Japanese interface.</extracomment>
        <translation>"exe" must not be resistered.</translation>
    </message>
    <message>
        <source>An extension may hold only letters (a-z), digits and "_", "-" or "+".</source>
        <translation>拡張子に使えるのは英字(a-z)、数字と「_」「-」「+」だけです。</translation>
    </message>
    <message>
        <source>Could not remove "%1".</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>「%1」を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Files "*.%1" (%2) are opened by %3 now.
Open them with Wrenpad instead?</source>
        <translation>「*.%1」のファイル（%2）は現在 %3 で開かれます。
Wrenpadで開くように変更しますか？</translation>
    </message>
    <message>
        <source>Please input an extension.</source>
        <translation>拡張子を入力してください。</translation>
    </message>
    <message>
        <source>did not finish</source>
        <translation>時間内に終わらなかったため止めました</translation>
    </message>
</context>
<context>
    <name>wrenpad::TAboutBox</name>
    <message>
        <source>      Version %1</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>      Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser.</source>
        <translation>ホームページをWebブラウザで開きます。</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author.</source>
        <translation>作者にメールを書きます。</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <extracomment>The box's caption is Japanese in both interfaces, as designed.</extracomment>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>wrenpad::TBoxSetting</name>
    <message>
        <source>     Color</source>
        <translation>     色</translation>
    </message>
    <message>
        <source>   Default Font   </source>
        <translation>既定のフォント</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Border Style</source>
        <translation>境界スタイル</translation>
    </message>
    <message>
        <source>BoxSetting</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>BoxSetting</translation>
    </message>
    <message>
        <source>Class Name :</source>
        <translation>クラス名</translation>
    </message>
    <message>
        <source>Padding</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>pt</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>pt</translation>
    </message>
</context>
<context>
    <name>wrenpad::TBrowser</name>
    <message>
        <source>&amp;Live</source>
        <translation>ライブ(&amp;L)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>Downloaded.</source>
        <translation>読み込みました。</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Live preview</source>
        <translation>ライブプレビュー</translation>
    </message>
    <message>
        <source>Not loaded.</source>
        <translation>読み込めませんでした。</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Reloads the page a moment after you stop typing in the editor, at the place it is scrolled to</source>
        <translation>エディタでの入力が止まると、少しおいてページを読み込み直します。スクロール位置はそのまま保ちます</translation>
    </message>
    <message>
        <source>The page view stopped; Refresh loads the page again.</source>
        <translation>ページの表示が止まりました。「更新」で読み込み直します。</translation>
    </message>
</context>
<context>
    <name>wrenpad::TCheckDialog</name>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Common-Name</source>
        <translation>フィールド名の共通部分</translation>
    </message>
    <message>
        <source>Enter questions</source>
        <translation>質問内容を入力してください</translation>
    </message>
    <message>
        <source>Properties of CheckBox</source>
        <translation>チェックボックスの属性</translation>
    </message>
</context>
<context>
    <name>wrenpad::TCodeTemplateList</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Insert "==&gt;&gt;"</source>
        <translation>"==&gt;&gt;"を挿入</translation>
    </message>
    <message>
        <source>Code templates</source>
        <translation>コードテンプレート</translation>
    </message>
    <message>
        <source>Left hand side of "==&gt;&gt;" is changed to the right hand side by Ctrl + J.</source>
        <translation>[Ctrl]+J のキープレスにより，"==&gt;&gt;"の左側の文字列が右側のそれに置き換わります。</translation>
    </message>
    <message>
        <source>List of Code Template</source>
        <translation>コードテンプレートのリスト</translation>
    </message>
</context>
<context>
    <name>wrenpad::TDivDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Alignment :</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Alignment :</translation>
    </message>
    <message>
        <source>DivDialog</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>DivDialog</translation>
    </message>
    <message>
        <source>ID : </source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>ID : </translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>wrenpad::TDocType</name>
    <message>
        <source> Select type of document </source>
        <translation> 文書の種類を選択して下さい </translation>
    </message>
    <message>
        <source>C/C++ program</source>
        <translation>C/C++プログラム</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML文書</translation>
    </message>
    <message>
        <source>Java program</source>
        <translation>Javaプログラム</translation>
    </message>
    <message>
        <source>Pascal program</source>
        <translation>Pascalプログラム</translation>
    </message>
    <message>
        <source>Perl script</source>
        <translation>Perlスクリプト</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>テキスト文書</translation>
    </message>
</context>
<context>
    <name>wrenpad::TEventFrame</name>
    <message>
        <source> JavaScript of "Submit" Button</source>
        <translation> 「送信」ボタンのJavaScript</translation>
    </message>
    <message>
        <source>Name of the event</source>
        <translation>イベント処理の名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
</context>
<context>
    <name>wrenpad::TFontFrame</name>
    <message>
        <source>   Default Font   </source>
        <translation>  既定のフォント</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Default font</source>
        <translation>既定のフォント</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Unit of the font size</source>
        <translation>文字サイズの単位</translation>
    </message>
</context>
<context>
    <name>wrenpad::TFormDialog</name>
    <message>
        <source>Name</source>
        <translation>フォーム名</translation>
    </message>
    <message>
        <source>Property of the Form</source>
        <translation>フォームの属性</translation>
    </message>
    <message>
        <source>Submitted to: </source>
        <translation>送信先</translation>
    </message>
</context>
<context>
    <name>wrenpad::THelpSearch</name>
    <message>
        <source>Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Enter a key word here.</source>
        <translation>ここに検索したい単語を入力してください</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>キーワード(&amp;I)</translation>
    </message>
    <message>
        <source>Key word</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Please double-click topics you want to read.</source>
        <translation>検索したい項目をダブルクリックしてください</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>button</comment>
        <translation>検 索</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>tab</comment>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Sorry, failed to load contents file.</source>
        <translation>目次のファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>項目</translation>
    </message>
</context>
<context>
    <name>wrenpad::THtmlFontDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Class name</source>
        <translation>クラス名</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>Font face</source>
        <translation>フォント名</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Please set font.</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Please set font.</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Size</translation>
    </message>
    <message>
        <source>Size: </source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Size: </translation>
    </message>
    <message>
        <source>Size: +</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Size: +</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>class =</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>class =</translation>
    </message>
</context>
<context>
    <name>wrenpad::THtmlPageSetting</name>
    <message>
        <source>   Margin   </source>
        <translation>  余白  </translation>
    </message>
    <message>
        <source> Background </source>
        <translation>背景</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Background image file</source>
        <translation>背景画像のファイル</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Bottom margin</source>
        <translation>下余白</translation>
    </message>
    <message>
        <source>Choose an image file</source>
        <translation>画像ファイルの選択</translation>
    </message>
    <message>
        <source>Click Here</source>
        <translation>ここをクリック</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>It will contain JavaScript</source>
        <translation>JavaScriptを用いる</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>左余白</translation>
    </message>
    <message>
        <source>Line Height</source>
        <translation>行間</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Right margin</source>
        <translation>右余白</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>画像の選択</translation>
    </message>
    <message>
        <source>Setting property of the HTML page.</source>
        <translation>HTMLページの属性</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>タイトル：</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>上余白</translation>
    </message>
    <message>
        <source>Underline below link appear only if mouse cursor comes</source>
        <translation>マウスカーソルが乗った場合にのみリンクに下線</translation>
    </message>
    <message>
        <source>Unit of the line height</source>
        <translation>行間の単位</translation>
    </message>
    <message>
        <source>Unit of the margins</source>
        <translation>余白の単位</translation>
    </message>
</context>
<context>
    <name>wrenpad::TImageProperty</name>
    <message>
        <source> Alignment </source>
        <translation>画像の位置</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Alignment of Image</source>
        <translation>画像の配置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>None</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>Preview of the image</source>
        <translation>画像のプレビュー</translation>
    </message>
    <message>
        <source>Ratio to the original size</source>
        <translation>元のサイズに対する比率</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右揃え</translation>
    </message>
</context>
<context>
    <name>wrenpad::TInputWizardDialog</name>
    <message>
        <source>Input Wizard</source>
        <translation>入力ウィザード</translation>
    </message>
    <message>
        <source>Prompt : </source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Variable :</source>
        <translation>対象変数</translation>
    </message>
</context>
<context>
    <name>wrenpad::TInspectionDialog</name>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>InspectionDialog</source>
        <translation>監視行の作成</translation>
    </message>
    <message>
        <source>Please write valiables that you want to inspect the values.</source>
        <translation>値を表示させたい変数を入力してください。</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>変数%1</translation>
    </message>
</context>
<context>
    <name>wrenpad::TLinkDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Please select the file of type the URL</source>
        <translation>URLを入力するか，ファイルを選択してください</translation>
    </message>
    <message>
        <source>Setting of Link</source>
        <translation>リンクの作成</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>Target</translation>
    </message>
    <message>
        <source>URL or</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>URL or</translation>
    </message>
    <message>
        <source>URL or file name</source>
        <translation>URLまたはファイル名</translation>
    </message>
</context>
<context>
    <name>wrenpad::TMacroReplaceDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Execute</source>
        <translation>実行(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Insert "==&gt;&gt;"</source>
        <translation>"==&gt;&gt;"を挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>読み込み(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>For Help, press [F1]</source>
        <extracomment>Stays English in the Japanese interface, as designed.</extracomment>
        <translation>For Help, press [F1]</translation>
    </message>
    <message>
        <source>Left hand side of "==&gt;&gt;" is changed to the right hand side.</source>
        <translation>"==&gt;&gt;"の左側の文字列が，右側のそれに置き換わります。</translation>
    </message>
    <message>
        <source>List of Macro Replacing - %1</source>
        <translation>マクロ置換のリスト - %1</translation>
    </message>
    <message>
        <source>Macro list</source>
        <translation>マクロ置換のリスト</translation>
    </message>
    <message>
        <source>Save the list file &amp;automatically</source>
        <translation>リストファイルを自動的に保存(&amp;A)</translation>
    </message>
</context>
<context>
    <name>wrenpad::TMain</name>
    <message>
        <source>Enter goes to the line typed here.</source>
        <translation>ここに入力した行へEnterキーで移動します。</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>Heading level of the caret's line</source>
        <translation>カーソルのある行の見出しレベル</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>行番号</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>本文</translation>
    </message>
    <message>
        <source>The selection is too large for the clipboard (over %1 MiB).</source>
        <translation>選択範囲が大きすぎてクリップボードに入りません（%1 MiBを超えています）。</translation>
    </message>
    <message>
        <source>This file's code cannot hold "%1": nothing was written.</source>
        <translation>このファイルの文字コードでは"%1"を保存できません。入力しませんでした。</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Tool Bar for Making HTML</source>
        <translation>HTML作成用ツールバー</translation>
    </message>
    <message>
        <source>What the compiler or the page check reported; a double click on a line goes to the place it names.</source>
        <translation>コンパイラやページのチェックの報告です。行をダブルクリックすると、その行が示す場所へ移動します。</translation>
    </message>
    <message>
        <source>line number</source>
        <translation>行番号</translation>
    </message>
</context>
<context>
    <name>wrenpad::TProgrammingOptions</name>
    <message>
        <source> Programming Language  </source>
        <translation>プログラミング言語</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Height of Applet</source>
        <translation>アプレットの高さ</translation>
    </message>
    <message>
        <source>Options on Programming</source>
        <translation>プログラミング関連のオプション</translation>
    </message>
    <message>
        <source>Width of Applet</source>
        <translation>アプレットの幅</translation>
    </message>
    <message>
        <source>Width of Tab</source>
        <translation>タブ幅</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>ピクセル</translation>
    </message>
</context>
<context>
    <name>wrenpad::TSelectDialog</name>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Enter items of the ComboBox / ListBox</source>
        <translation>選択肢の項目をこの下に入力してください</translation>
    </message>
    <message>
        <source>Field-Name</source>
        <translation>フィールド名</translation>
    </message>
    <message>
        <source>Properties of ComboBox / ListBox</source>
        <translation>コンボボックス／リストボックスの属性</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>wrenpad::TSingleLineInputDialog</name>
    <message>
        <source>Field-Name</source>
        <translation>フィールド名</translation>
    </message>
    <message>
        <source>Properties of OneLineInput</source>
        <translation>１行入力テキストエリアの属性</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>wrenpad::TTableDialog</name>
    <message>
        <source>     Color</source>
        <translation>     色</translation>
    </message>
    <message>
        <source> Alignment</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add comment of cell address</source>
        <translation>セル番地のコメントを付ける</translation>
    </message>
    <message>
        <source>Attributes of the Table</source>
        <translation>表の属性</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Border Width :</source>
        <translation>境界の幅</translation>
    </message>
    <message>
        <source>Caption :</source>
        <translation>表題</translation>
    </message>
    <message>
        <source>Cell Padding :</source>
        <translation>セルの空白部分</translation>
    </message>
    <message>
        <source>Cell Spacing :</source>
        <translation>セル仕切りの幅</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中寄せ</translation>
    </message>
    <message>
        <source>Column whose width is set</source>
        <translation>幅を設定する列</translation>
    </message>
    <message>
        <source>Height of Row    </source>
        <translation>行の高さ</translation>
    </message>
    <message>
        <source>Height of the row</source>
        <translation>行の高さ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左寄せ</translation>
    </message>
    <message>
        <source>Number of Column :</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Number of Row :</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右寄せ</translation>
    </message>
    <message>
        <source>Row whose height is set</source>
        <translation>高さを設定する行</translation>
    </message>
    <message>
        <source>Set background color :</source>
        <translation>背景色を設定する：</translation>
    </message>
    <message>
        <source>Width of Column   </source>
        <translation>列の幅</translation>
    </message>
    <message>
        <source>Width of the column</source>
        <translation>列の幅</translation>
    </message>
</context>
<context>
    <name>wrenpad::TTextArea</name>
    <message>
        <source>Cols</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Properties of TextArea</source>
        <translation>複数入力テキストエリアの属性</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>field-name</source>
        <translation>フィールド名</translation>
    </message>
</context>
<context>
    <name>wrenpad::TWebPageEditOptions</name>
    <message>
        <source> Browser for Preview </source>
        <translation>テスト用ブラウザ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Options for Webpage Editing</source>
        <translation>Webページ編集の設定</translation>
    </message>
    <message>
        <source>Realize (a part of) the Webpage Attiributes</source>
        <translation>（一部の）Webページ書式のエディタ内での具現</translation>
    </message>
</context>
<context>
    <name>wrenpad::TestServer</name>
    <message>
        <source>"%1" could not be started: %2</source>
        <translation>"%1" を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>No document root is set for the test web server.</source>
        <translation>テスト用サーバーのドキュメントルートが設定されていません。</translation>
    </message>
    <message>
        <source>The document root "%1" does not exist.</source>
        <translation>ドキュメントルート "%1" がありません。</translation>
    </message>
    <message>
        <source>The document root "%1" is not a folder.</source>
        <translation>ドキュメントルート "%1" はフォルダではありません。</translation>
    </message>
    <message>
        <source>The error log cannot be written in the folder "%1": %2</source>
        <translation>フォルダ "%1" にエラーログを書き込めません: %2</translation>
    </message>
    <message>
        <source>The log folder "%1" cannot be created.</source>
        <translation>ログのフォルダ "%1" を作成できません。</translation>
    </message>
    <message>
        <source>The test web server (%1) did not answer on 127.0.0.1:%2 within %3 seconds.</source>
        <translation>テスト用サーバー（%1）が %3 秒以内に 127.0.0.1:%2 で応答しませんでした。</translation>
    </message>
    <message>
        <source>The test web server (%1) stopped as it started (exit code %2). It said:
%3</source>
        <translation>テスト用サーバー（%1）が起動直後に終了しました（終了コード %2）。出力:
%3</translation>
    </message>
    <message>
        <source>The test web server cannot run CGI scripts: the program "perl" was not found on PATH (%1). The package "perl" provides it.</source>
        <translation>テスト用サーバーで CGI スクリプトを実行できません。プログラム "perl" が PATH（%1）に見つかりません。パッケージ "perl" に含まれています。</translation>
    </message>
    <message>
        <source>The test web server cannot start: the program "%1" was found neither on PATH (%2) nor in /usr/local/sbin, /usr/sbin or /sbin. The package "lighttpd" provides it.</source>
        <translation>テスト用サーバーを起動できません。プログラム "%1" が PATH（%2）にも /usr/local/sbin、/usr/sbin、/sbin にも見つかりません。パッケージ "lighttpd" に含まれています。</translation>
    </message>
    <message>
        <source>The test web server found no free port on 127.0.0.1.</source>
        <translation>テスト用サーバーが 127.0.0.1 に空いているポートを見つけられません。</translation>
    </message>
    <message>
        <source>The test web server's configuration "%1" cannot be written: %2</source>
        <translation>テスト用サーバーの設定 "%1" を書き込めません: %2</translation>
    </message>
    <message>
        <source>The test web server's configuration cannot be written in "%1": %2</source>
        <translation>テスト用サーバーの設定を "%1" に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>wrenpad::UndoCommands</name>
    <message>
        <source>An undo step could not be saved (%1): %2
Editing goes on; Undo may not reach this state.</source>
        <translation>アンドゥ用の記録を保存できませんでした（%1）: %2
編集は続けられますが、この状態には戻れない場合があります。</translation>
    </message>
    <message>
        <source>The undo step "%1" could not be read; the text stays as it is.</source>
        <translation>アンドゥ用の記録"%1"を読み込めません。文書はそのままです。</translation>
    </message>
</context>
</TS>
