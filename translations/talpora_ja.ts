<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>LoadError</name>
    <message>
        <source>file not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>読み取りのアクセス許可がありません</translation>
    </message>
    <message>
        <source>not a file (it is a directory)</source>
        <translation>ファイルではありません (フォルダーです)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>cannot read the file (%1)</source>
        <extracomment>%1 is the system&apos;s message</extracomment>
        <translation>ファイルを読み取れません (%1)</translation>
    </message>
    <message>
        <source>not XML (the file is empty)</source>
        <translation>XML ではありません (ファイルが空です)</translation>
    </message>
    <message>
        <source>not XML (the file holds binary data)</source>
        <translation>XML ではありません (バイナリ データが含まれています)</translation>
    </message>
    <message>
        <source>not XML (it does not start with markup)</source>
        <translation>XML ではありません (先頭がマークアップではありません)</translation>
    </message>
    <message>
        <source>unsupported encoding “%1”</source>
        <extracomment>%1 is the name of the encoding, such as GBK</extracomment>
        <translation>エンコード「%1」はサポートされていません</translation>
    </message>
    <message>
        <source>bytes that are not valid %1</source>
        <extracomment>%1 is the name of the encoding, such as GBK</extracomment>
        <translation>%1 として無効なバイトが含まれています</translation>
    </message>
    <message>
        <source>not enough memory to load the document</source>
        <translation>メモリが不足しているため、ドキュメントを読み込めません</translation>
    </message>
    <message>
        <source>mismatched tag: the open element is &lt;%1&gt;, started on line %2</source>
        <extracomment>%1 is an element name, %2 a line number</extracomment>
        <translation>終了タグが開始タグと一致しません: 開いている要素は %2 行目で始まる &lt;%1&gt; です</translation>
    </message>
    <message>
        <source>bytes that are not valid UTF-8; they read as %1, but the encoding declaration is missing (for example &lt;?xml version=&quot;1.0&quot; encoding=&quot;GBK&quot;?&gt;)</source>
        <extracomment>%1 is the names of the encodings the bytes read as, such as GBK/Shift_JIS</extracomment>
        <translation>UTF-8 として無効なバイトが含まれています。%1 としては読み取れますが、エンコード宣言がありません (例: &lt;?xml version=&quot;1.0&quot; encoding=&quot;GBK&quot;?&gt;)</translation>
    </message>
    <message>
        <source>namespace prefix “%1” is not declared</source>
        <translation>名前空間プレフィックス「%1」が宣言されていません</translation>
    </message>
    <message>
        <source>“%1” is not a valid name in a namespace-aware document</source>
        <translation>「%1」は名前空間を使うドキュメントでは有効な名前ではありません</translation>
    </message>
    <message>
        <source>entity “%1” is defined outside the document, which is not read</source>
        <translation>エンティティ「%1」はドキュメントの外で定義されています。外部の定義は読み込みません</translation>
    </message>
    <message>
        <source>the document is too large to load</source>
        <translation>ドキュメントが大きすぎるため、読み込めません</translation>
    </message>
    <message>
        <source>loading was stopped</source>
        <translation>読み込みが中止されました</translation>
    </message>
    <message>
        <source>the catalogue has no entry %1</source>
        <translation>カタログに項目 %1 はありません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>syntax error</source>
        <translation>構文エラーです</translation>
    </message>
    <message>
        <source>no element found</source>
        <translation>ルート要素がないか、要素が閉じる前にドキュメントが終わっています</translation>
    </message>
    <message>
        <source>not well-formed (invalid token)</source>
        <translation>形式が正しくありません (無効な文字またはトークン)</translation>
    </message>
    <message>
        <source>unclosed token</source>
        <translation>トークンが閉じていません</translation>
    </message>
    <message>
        <source>partial character</source>
        <translation>文字が不完全です</translation>
    </message>
    <message>
        <source>mismatched tag</source>
        <translation>終了タグが開始タグと一致しません</translation>
    </message>
    <message>
        <source>duplicate attribute</source>
        <translation>1 つの要素に同じ属性が重複しています</translation>
    </message>
    <message>
        <source>junk after document element</source>
        <translation>ルート要素の後に余分な内容があります</translation>
    </message>
    <message>
        <source>illegal parameter entity reference</source>
        <translation>パラメーター エンティティの参照が無効です</translation>
    </message>
    <message>
        <source>undefined entity</source>
        <translation>定義されていないエンティティです</translation>
    </message>
    <message>
        <source>recursive entity reference</source>
        <translation>エンティティが再帰的に参照されています</translation>
    </message>
    <message>
        <source>asynchronous entity</source>
        <translation>エンティティのマークアップが不完全です</translation>
    </message>
    <message>
        <source>reference to invalid character number</source>
        <translation>無効な文字番号を参照しています</translation>
    </message>
    <message>
        <source>reference to binary entity</source>
        <translation>バイナリ エンティティを参照しています</translation>
    </message>
    <message>
        <source>reference to external entity in attribute</source>
        <translation>属性値で外部エンティティを参照しています</translation>
    </message>
    <message>
        <source>XML or text declaration not at start of entity</source>
        <translation>XML 宣言またはテキスト宣言がエンティティの先頭にありません</translation>
    </message>
    <message>
        <source>unknown encoding</source>
        <translation>不明なエンコードです</translation>
    </message>
    <message>
        <source>encoding specified in XML declaration is incorrect</source>
        <translation>XML 宣言で指定されたエンコードが正しくありません</translation>
    </message>
    <message>
        <source>unclosed CDATA section</source>
        <translation>CDATA セクションが閉じていません</translation>
    </message>
    <message>
        <source>error in processing external entity reference</source>
        <translation>外部エンティティは読み込みません</translation>
    </message>
    <message>
        <source>entity declared in parameter entity</source>
        <translation>パラメーター エンティティの中でエンティティが宣言されています</translation>
    </message>
    <message>
        <source>must not undeclare prefix</source>
        <translation>プレフィックスの宣言は取り消せません</translation>
    </message>
    <message>
        <source>incomplete markup in parameter entity</source>
        <translation>パラメーター エンティティのマークアップが不完全です</translation>
    </message>
    <message>
        <source>XML declaration not well-formed</source>
        <translation>XML 宣言の形式が正しくありません</translation>
    </message>
    <message>
        <source>text declaration not well-formed</source>
        <translation>テキスト宣言の形式が正しくありません</translation>
    </message>
    <message>
        <source>illegal character(s) in public id</source>
        <translation>公開識別子に使用できない文字があります</translation>
    </message>
    <message>
        <source>reserved prefix (xml) must not be undeclared or bound to another namespace name</source>
        <translation>予約済みのプレフィックス xml は、宣言を取り消したり、別の名前空間名に割り当てたりできません</translation>
    </message>
    <message>
        <source>reserved prefix (xmlns) must not be declared or undeclared</source>
        <translation>予約済みのプレフィックス xmlns は、宣言したり、宣言を取り消したりできません</translation>
    </message>
    <message>
        <source>prefix must not be bound to one of the reserved namespace names</source>
        <translation>プレフィックスを予約済みの名前空間名に割り当てることはできません</translation>
    </message>
    <message>
        <source>limit on input amplification factor (from DTD and entities) breached</source>
        <translation>エンティティの展開が多すぎます (悪意のあるドキュメントの可能性があります)</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 is a line number, %2 a column number, %3 what is wrong there</extracomment>
        <translation>%1 行目、%2 列目: %3</translation>
    </message>
    <message>
        <source>the catalogue has no document with identifier %1 (valid: 101–157)</source>
        <translation>カタログに ID %1 のドキュメントはありません (有効な範囲: 101–157)</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>%1 is the XML parser&apos;s own English words for a fault that normal use never meets</extracomment>
        <translation>XML の形式が正しくありません (%1)</translation>
    </message>
</context>
<context>
    <name>SnippetFailure</name>
    <message>
        <source>there is no node at position %1</source>
        <translation>位置 %1 のノードはありません</translation>
    </message>
    <message>
        <source>cannot build a snippet: the root element %1 is not a customUI area (qat, tabs, contextualTabs, backstage, contextMenus)</source>
        <extracomment>%1 is the root element as the tree shows it, such as &lt;tabs xmlns=&quot;x&quot;&gt;</extracomment>
        <translation>スクリプトを作成できません: ルート要素 %1 は customUI の領域 (qat、tabs、contextualTabs、backstage、contextMenus) ではありません</translation>
    </message>
    <message>
        <source>cannot build a snippet: the name or idMso of the node on level %1 is longer than %2 characters</source>
        <translation>スクリプトを作成できません: %1 階層目のノードの名前または idMso が %2 文字を超えています</translation>
    </message>
    <message>
        <source>cannot build a snippet: the node is on level %1, and the snippet would be larger than 16 MiB</source>
        <translation>スクリプトを作成できません: ノードが %1 階層目にあり、スクリプトが 16 MiB を超えます</translation>
    </message>
</context>
<context>
    <name>UiTexts</name>
    <message>
        <source>XML files (*.xml)</source>
        <translation>XML ファイル (*.xml)</translation>
    </message>
    <message>
        <source>Enter a keyword to search for; F3 finds the next match.</source>
        <translation>検索するキーワードを入力してください。F3 キーで次を検索します。</translation>
    </message>
    <message>
        <source>Click an item in the list on the left to load it, or choose File &gt; Open to load a local XML file.</source>
        <translation>左の一覧で項目をクリックすると、その内容を読み込みます。ローカルの XML ファイルは [ファイル] メニューの [開く] で読み込めます。</translation>
    </message>
    <message>
        <source>About Talpora</source>
        <translation>Talpora のバージョン情報</translation>
    </message>
    <message>
        <source>Talpora: browse the Office 2013 Ribbon control identifiers (idMso) and build customUI snippets</source>
        <translation>Talpora: Office 2013 のリボン コントロール ID (idMso) を参照し、customUI スクリプトを作成します</translation>
    </message>
    <message>
        <source>talpora-cli knows the control identifiers of Access, Excel, PowerPoint, Word, Outlook, OneNote, Project, Publisher, Visio, InfoPath and SharePoint Designer in Office 2013, 2016, 2019 and Microsoft 365</source>
        <translation>talpora-cli は Office 2013、2016、2019、Microsoft 365 の Access、Excel、PowerPoint、Word、Outlook、OneNote、Project、Publisher、Visio、InfoPath、SharePoint Designer のコントロール ID を認識します</translation>
    </message>
    <message>
        <source>The identifiers come from the control lists Microsoft publishes (MIT licence); built with Qt 6, XML read by Expat</source>
        <translation>コントロール ID は Microsoft が公開しているコントロール一覧 (MIT ライセンス) に基づきます。Qt 6 で作成され、XML の解析には Expat を使用しています</translation>
    </message>
    <message>
        <source>Please report problems and suggestions to the project&apos;s issue tracker</source>
        <translation>不具合やご要望は、このプロジェクトの Issue トラッカーにお寄せください</translation>
    </message>
    <message>
        <source>Product name: %1</source>
        <translation>製品名: %1</translation>
    </message>
    <message>
        <source>Updated: 6 January 2018</source>
        <translation>更新日: 2018年1月6日</translation>
    </message>
    <message>
        <source>Cannot load “%1”:
%2</source>
        <extracomment>%1 is the file or catalogue entry, %2 why it cannot be loaded</extracomment>
        <translation>「%1」を読み込めません:
%2</translation>
    </message>
    <message>
        <source>Control identifier documents</source>
        <translation>コントロール ID ドキュメント</translation>
    </message>
    <message>
        <source>Document structure</source>
        <translation>ドキュメントの構造</translation>
    </message>
</context>
<context>
    <name>talpora::Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Scripts</source>
        <translation>スクリプト(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How to Use</source>
        <translation>使い方(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
</context>
</TS>
