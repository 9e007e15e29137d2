<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Finding</name>
    <message>
        <source>cannot read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both id and idMso; a control is either your own or a built-in one</source>
        <translation>&lt;%1&gt; に id と idMso の両方があります。コントロールは独自のものか組み込みのもののどちらかです</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a known identifier</source>
        <translation>%1: 「%2」は既知の識別子ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known identifier</source>
        <translation>「%1」は既知の識別子ではありません</translation>
    </message>
    <message>
        <source>id &quot;%1&quot; is already used at line %2, column %3; Office rejects the whole customisation</source>
        <translation>id「%1」は %2 行目、%3 列目で既に使われています。Office はカスタマイズ全体を拒否します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a group, not of a tab</source>
        <translation>「%1」はグループの識別子で、タブの識別子ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a tab, not of a group</source>
        <translation>「%1」はタブの識別子で、グループの識別子ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a tab, not of a control</source>
        <translation>「%1」はタブの識別子で、コントロールの識別子ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a group, not of a control</source>
        <translation>「%1」はグループの識別子で、コントロールの識別子ではありません</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both %2 and %3; a control takes one of id, idQ and idMso</source>
        <translation>&lt;%1&gt; に %2 と %3 の両方があります。コントロールに指定できるのは id、idQ、idMso のうち 1 つだけです</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has none of id, idQ and idMso; Office needs one to tell it apart</source>
        <translation>&lt;%1&gt; に id、idQ、idMso のいずれもありません。Office が区別するにはどれか 1 つが必要です</translation>
    </message>
    <message>
        <source>%1: the prefix &quot;%2&quot; is not declared; declare it with xmlns:%2=&quot;...&quot; on this element or one around it</source>
        <translation>%1: プレフィックス「%2」が宣言されていません。この要素かその外側の要素で xmlns:%2=&quot;...&quot; と宣言してください</translation>
    </message>
    <message>
        <source>image: the part has no image relationship with the id &quot;%1&quot; and the root no loadImage callback, so the control shows no image</source>
        <translation>image: このパーツには id「%1」の画像リレーションシップがなく、ルートにも loadImage コールバックがないため、コントロールに画像は表示されません</translation>
    </message>
    <message>
        <source>Office ignores this part: its root is &lt;%1&gt; in no namespace, not &lt;customUI&gt; in %2 or %3</source>
        <translation>Office はこのパーツを無視します: ルートが名前空間なしの &lt;%1&gt; で、%2 または %3 の &lt;customUI&gt; ではありません</translation>
    </message>
    <message>
        <source>Office ignores this part: its root is &lt;%1&gt; in namespace &quot;%2&quot;, not &lt;customUI&gt; in %3 or %4</source>
        <translation>Office はこのパーツを無視します: ルートが名前空間「%2」の &lt;%1&gt; で、%3 または %4 の &lt;customUI&gt; ではありません</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is in namespace &quot;%2&quot;, not in this part&apos;s customUI namespace; the schema allows no other elements</source>
        <translation>&lt;%1&gt; は名前空間「%2」に属し、このパーツの customUI 名前空間ではありません。スキーマはほかの要素を許可していません</translation>
    </message>
    <message>
        <source>too many &lt;%1&gt; in &lt;%2&gt;: at most %3</source>
        <translation>&lt;%2&gt; 内の &lt;%1&gt; が多すぎます: 最大 %3 個です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt; in the %3 namespace; the %4 namespace (%5) has it</source>
        <translation>%3 名前空間の &lt;%2&gt; 内では &lt;%1&gt; は使えません。%4 名前空間 (%5) にはあります</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt;, which holds no elements</source>
        <translation>&lt;%2&gt; 内では &lt;%1&gt; は使えません。&lt;%2&gt; は要素を含められません</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt;; it may hold %3</source>
        <translation>&lt;%2&gt; 内では &lt;%1&gt; は使えません。含められるのは %3 です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs at least one %2</source>
        <translation>&lt;%1&gt; には少なくとも 1 つの %2 が必要です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs at least %2 %3</source>
        <translation>&lt;%1&gt; には少なくとも %2 個の %3 が必要です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both %2 and %3; Office takes one or the other</source>
        <translation>&lt;%1&gt; に %2 と %3 の両方があります。Office が使うのはどちらか一方だけです</translation>
    </message>
    <message>
        <source>attribute %1 is not allowed on &lt;%2&gt; in the %3 namespace; the %4 namespace (%5) has it</source>
        <translation>%3 名前空間の &lt;%2&gt; では属性 %1 は使えません。%4 名前空間 (%5) にはあります</translation>
    </message>
    <message>
        <source>unknown attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>&lt;%2&gt; の属性「%1」は不明です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs the attribute %2</source>
        <translation>&lt;%1&gt; には属性 %2 が必要です</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use %3</source>
        <translation>%1: 「%2」は使えません。%3 を使ってください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use true, false, 1 or 0</source>
        <translation>%1: 「%2」は使えません。true、false、1、0 のいずれかを使ってください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a whole number from %3 to %4</source>
        <translation>%1: 「%2」は使えません。%3 から %4 までの整数を使ってください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a name of letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos; that starts with a letter or &apos;_&apos;</source>
        <translation>%1: 「%2」は使えません。英字、数字、「_」、「-」、「.」からなり、英字か「_」で始まる名前を使ってください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a name, or a prefix and a name (&quot;x:name&quot;)</source>
        <translation>%1: 「%2」は使えません。名前か、プレフィックスと名前 (「x:name」) を使ってください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use at least %3 characters</source>
        <translation>%1: 「%2」は使えません。%3 文字以上にしてください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use %3 to %4 characters</source>
        <translation>%1: 「%2」は使えません。%3 ～ %4 文字にしてください</translation>
    </message>
    <message>
        <source>no relationship in %1 names this customUI part; Office ignores it</source>
        <translation>%1 のどのリレーションシップもこの customUI パーツを指していません。Office はこれを無視します</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation>（%1）</translation>
    </message>
    <message>
        <source> (assumed from the file&apos;s identifiers)</source>
        <translation>（ファイルの識別子から推定）</translation>
    </message>
    <message>
        <source> (assumed from &quot;%1&quot;)</source>
        <translation>（「%1」から推定）</translation>
    </message>
    <message>
        <source> in Office %1</source>
        <translation>（Office %1）</translation>
    </message>
    <message>
        <source> (it is in %1)</source>
        <translation>（%1 にはあります）</translation>
    </message>
    <message>
        <source>; known in %1; use --app %2</source>
        <translation>。%1 では既知の識別子です。%2 で確認してください (--app %2)</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>。%1 のことですか?</translation>
    </message>
    <message>
        <source>the package has no customUI part</source>
        <translation>このパッケージには customUI パーツがありません</translation>
    </message>
    <message>
        <source>checked against %1, assumed from its identifiers; --app chooses another</source>
        <translation>識別子から推定した %1 で確認しました。別のアプリケーションも選べます (--app)</translation>
    </message>
    <message>
        <source>%1 more findings in the file not shown (at most %2 a part)</source>
        <translation>ファイル内の残り %1 件の指摘は表示していません (1 パーツにつき最大 %2 件)</translation>
    </message>
    <message>
        <source>%1 more findings in %2 not shown (at most %3 a part)</source>
        <translation>%2 内の残り %1 件の指摘は表示していません (1 パーツにつき最大 %3 件)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A name from the file, quoted</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of several alternatives</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins names that are all meant</extracomment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a built-in identifier but the id at line %3, column %4; to name your own element, use %5</source>
        <translation>%1: 「%2」は組み込みの識別子ではなく、%3 行 %4 列の id です。自分の要素を指すには %5 を使ってください</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is in no namespace, not in this part&apos;s customUI namespace %2; the schema allows no other elements</source>
        <translation>&lt;%1&gt; は名前空間に属しておらず、このパーツの customUI 名前空間 %2 ではありません。スキーマはほかの要素を許可していません</translation>
    </message>
    <message>
        <source>text is not allowed in &lt;%1&gt;; remove &quot;%2&quot;</source>
        <translation>&lt;%1&gt; 内にテキストは使えません。「%2」を削除してください</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must come before &lt;%3&gt; in &lt;%2&gt;</source>
        <translation>&lt;%2&gt; 内では &lt;%1&gt; は &lt;%3&gt; より前に置く必要があります</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must come after &lt;%3&gt; in &lt;%2&gt;</source>
        <translation>&lt;%2&gt; 内では &lt;%1&gt; は &lt;%3&gt; より後に置く必要があります</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must be the last child of &lt;%2&gt;</source>
        <translation>&lt;%1&gt; は &lt;%2&gt; の最後の子要素である必要があります</translation>
    </message>
    <message>
        <source>%1: customUI attributes take no prefix; write %2</source>
        <translation>%1: customUI の属性にはプレフィックスを付けません。%2 と書いてください</translation>
    </message>
    <message>
        <source>%1 is not an attribute of the customUI schema (it is in namespace &quot;%3&quot;); remove it from &lt;%2&gt;</source>
        <translation>%1 は customUI スキーマの属性ではありません (名前空間「%3」に属します)。&lt;%2&gt; から削除してください</translation>
    </message>
    <message>
        <source>the entry&apos;s name is not UTF-8, so it is no part of the package and is not read</source>
        <translation>このエントリの名前は UTF-8 ではないため、パッケージのパーツではなく、読み取られません</translation>
    </message>
    <message>
        <source>a &quot;talpora-cli: accept&quot; comment counts only before the root element; move it there</source>
        <translation>「talpora-cli: accept」コメントはルート要素より前にある場合にのみ有効です。そこへ移動してください</translation>
    </message>
    <message>
        <source>, nor a name of letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos; that starts with a letter or &apos;_&apos;</source>
        <translation>。英字、数字、「_」、「-」、「.」からなり、英字か「_」で始まる名前でもありません</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by --accept)</source>
        <translation>既知の識別子として受け入れました: %1 (--accept による)</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by a &quot;talpora-cli: accept&quot; comment)</source>
        <translation>既知の識別子として受け入れました: %1 (「talpora-cli: accept」コメントによる)</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by --accept) and %2 (by a &quot;talpora-cli: accept&quot; comment)</source>
        <translation>既知の識別子として受け入れました: %1 (--accept による) と %2 (「talpora-cli: accept」コメントによる)</translation>
    </message>
</context>
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
    <name>PackageError</name>
    <message>
        <source>not an Office Open XML package: %1</source>
        <translation>Office Open XML パッケージではありません: %1</translation>
    </message>
    <message>
        <source>cannot open the package: %1</source>
        <translation>パッケージを開けません: %1</translation>
    </message>
    <message>
        <source>not an Office Open XML package: it has no %1</source>
        <translation>Office Open XML パッケージではありません: %1 がありません</translation>
    </message>
    <message>
        <source>ambiguous part name: %1 are one name to Office, which may read any of them</source>
        <translation>パーツ名があいまいです: Office にとって %1 は同じ名前で、どれが読まれるかわかりません</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is missing</source>
        <translation>パーツ「%1」がありません</translation>
    </message>
    <message>
        <source>ambiguous part name: several parts are named &quot;%1&quot; to Office, which may read any of them</source>
        <translation>パーツ名があいまいです: Office にとって「%1」という名前のパーツが複数あり、どれが読まれるかわかりません</translation>
    </message>
    <message>
        <source>refused: the part inflates to more than %1 MiB (a zip bomb?)</source>
        <translation>拒否しました: このパーツは展開すると %1 MiB を超えます (zip 爆弾の可能性があります)</translation>
    </message>
    <message>
        <source>cannot read the part: %1</source>
        <translation>パーツを読み取れません: %1</translation>
    </message>
    <message>
        <source>the customUI part &quot;%1&quot; named in %2 is missing</source>
        <translation>%2 で指定された customUI パーツ「%1」がありません</translation>
    </message>
    <message>
        <source>refused: the customUI target &quot;%1&quot; leaves the package</source>
        <translation>拒否しました: customUI のターゲット「%1」はパッケージの外を指しています</translation>
    </message>
    <message>
        <source>refused: the package&apos;s zip structure is inconsistent at byte %1, so zip readers may find different parts in it</source>
        <translation>拒否しました: パッケージの zip 構造がバイト %1 で矛盾しており、zip リーダーによって異なるパーツが見つかる可能性があります</translation>
    </message>
    <message>
        <source>refused: the parts read from the package inflate to more than %1 MiB together (a zip bomb?)</source>
        <translation>拒否しました: パッケージから読み取るパーツは展開すると合計 %1 MiB を超えます (zip 爆弾の可能性があります)</translation>
    </message>
    <message>
        <source>refused: the customUI target &quot;%1&quot; has a malformed percent-escape</source>
        <translation>拒否しました: customUI のターゲット「%1」のパーセント エスケープが不正です</translation>
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
    <message>
        <source>customUI files and Office documents (%1)</source>
        <extracomment>%1 lists the patterns of the files</extracomment>
        <translation>customUI ファイルと Office ドキュメント (%1)</translation>
    </message>
    <message>
        <source>Office documents, templates and add-ins (%1)</source>
        <extracomment>%1 lists the patterns of the files</extracomment>
        <translation>Office ドキュメント、テンプレート、アドイン (%1)</translation>
    </message>
    <message>
        <source>“%1” holds several customUI parts. Which one should Talpora show?</source>
        <extracomment>%1 is the package&apos;s file</extracomment>
        <translation>「%1」には customUI パーツが複数あります。どれを表示しますか?</translation>
    </message>
    <message>
        <source>the Ribbon of Office 2007</source>
        <translation>Office 2007 のリボン</translation>
    </message>
    <message>
        <source>the Ribbon of Office 2010 and later</source>
        <translation>Office 2010 以降のリボン</translation>
    </message>
    <message>
        <source>the Quick Access Toolbar</source>
        <translation>クイック アクセス ツール バー</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the part&apos;s name, %2 what it customises</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the count of errors and the count of warnings</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>エラー %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>警告 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talpora::FindingsModel</name>
    <message>
        <source>note</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) not listed</source>
        <translation>
            <numerusform>ほかに %n 件は一覧にありません</numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重要度</translation>
    </message>
    <message>
        <source>Line:column</source>
        <translation>行:列</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
</context>
<context>
    <name>talpora::FindingsWindow</name>
    <message>
        <source>Findings</source>
        <translation>チェック結果</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Identifiers are judged against what check chooses without --app</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>すべてのバージョン</translation>
    </message>
    <message>
        <source>&amp;Application:</source>
        <translation>アプリケーション(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>バージョン(&amp;V):</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>チェックしています…</translation>
    </message>
    <message>
        <source>No customUI document is open.</source>
        <translation>customUI ドキュメントが開かれていません。</translation>
    </message>
    <message>
        <source>Catalogue documents list Office&apos;s own controls; they are not checked.</source>
        <translation>カタログ ドキュメントは Office の組み込みコントロールの一覧のため、チェックしません。</translation>
    </message>
    <message>
        <source>Not checked: the root of this file is not customUI in either customUI namespace.</source>
        <translation>チェックしていません: このファイルのルートは、どちらの customUI 名前空間の customUI でもありません。</translation>
    </message>
    <message>
        <source>Identifiers checked against Access, Excel, PowerPoint and Word</source>
        <translation>ID を Access、Excel、PowerPoint、Word に照らしてチェック</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, as chosen</source>
        <translation>ID を選択した %1 に照らしてチェック</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, assumed from the file&apos;s identifiers</source>
        <translation>ID を %1 に照らしてチェック (ファイル内の ID から推定)</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, the package&apos;s kind</source>
        <translation>ID を %1 に照らしてチェック (パッケージの種類)</translation>
    </message>
    <message>
        <source>%1, in Office %2</source>
        <extracomment>%1 says what identifiers were checked against, %2 the Office version</extracomment>
        <translation>%1、Office %2</translation>
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
    <message>
        <source>Loading… (Esc stops)</source>
        <translation>読み込み中…（Esc で中止）</translation>
    </message>
    <message>
        <source>Loading… %1 % (Esc stops)</source>
        <translation>読み込み中… %1 %（Esc で中止）</translation>
    </message>
    <message>
        <source>F&amp;indings</source>
        <translation>チェック結果(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
    <message>
        <source>Show in &amp;Catalogue</source>
        <translation>カタログで表示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was deleted or renamed.</source>
        <translation>%1 が見つかりません。削除されたか、名前が変更されました。</translation>
    </message>
    <message>
        <source>No application has a built-in control named %1.</source>
        <translation>%1 という名前の組み込みコントロールを持つアプリケーションはありません。</translation>
    </message>
    <message>
        <source>%1 is in no catalogue document; the identifier index places it: %2</source>
        <translation>%1 はどのカタログ ドキュメントにもありません。識別子インデックスでの位置: %2</translation>
    </message>
</context>
<context>
    <name>talpora::Form2</name>
    <message>
        <source>Snippet</source>
        <translation>スニペット</translation>
    </message>
</context>
<context>
    <name>talpora::NodeTreeModel</name>
    <message>
        <source>%1, error</source>
        <extracomment>What a screen reader says of a tree row whose element has an error</extracomment>
        <translation>%1、エラー</translation>
    </message>
    <message>
        <source>%1, warning</source>
        <extracomment>... and of one with a warning</extracomment>
        <translation>%1、警告</translation>
    </message>
</context>
</TS>
