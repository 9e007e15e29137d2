<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Finding</name>
    <message>
        <source>cannot read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both id and idMso; a control is either your own or a built-in one</source>
        <translation>&lt;%1&gt; 同时有 id 和 idMso；控件要么是自定义的，要么是内置的</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a known identifier</source>
        <translation>%1：“%2”不是已知的标识符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a known identifier</source>
        <translation>“%1”不是已知的标识符</translation>
    </message>
    <message>
        <source>id &quot;%1&quot; is already used at line %2, column %3; Office rejects the whole customisation</source>
        <translation>id“%1”已在第 %2 行第 %3 列使用；Office 会拒绝整个自定义</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a group, not of a tab</source>
        <translation>“%1”是组的标识符，不是选项卡的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a tab, not of a group</source>
        <translation>“%1”是选项卡的标识符，不是组的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a tab, not of a control</source>
        <translation>“%1”是选项卡的标识符，不是控件的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the identifier of a group, not of a control</source>
        <translation>“%1”是组的标识符，不是控件的</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both %2 and %3; a control takes one of id, idQ and idMso</source>
        <translation>&lt;%1&gt; 同时有 %2 和 %3；控件只能有 id、idQ 和 idMso 中的一个</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has none of id, idQ and idMso; Office needs one to tell it apart</source>
        <translation>&lt;%1&gt; 没有 id、idQ 或 idMso；Office 需要其中一个来区分它</translation>
    </message>
    <message>
        <source>%1: the prefix &quot;%2&quot; is not declared; declare it with xmlns:%2=&quot;...&quot; on this element or one around it</source>
        <translation>%1：前缀“%2”没有声明；请在此元素或其外层元素上用 xmlns:%2=&quot;...&quot; 声明</translation>
    </message>
    <message>
        <source>image: the part has no image relationship with the id &quot;%1&quot; and the root no loadImage callback, so the control shows no image</source>
        <translation>image：该部件没有 id 为“%1”的图像关系，根元素也没有 loadImage 回调，因此控件不显示图像</translation>
    </message>
    <message>
        <source>Office ignores this part: its root is &lt;%1&gt; in no namespace, not &lt;customUI&gt; in %2 or %3</source>
        <translation>Office 会忽略此部件：其根元素是不在任何命名空间中的 &lt;%1&gt;，而不是 %2 或 %3 中的 &lt;customUI&gt;</translation>
    </message>
    <message>
        <source>Office ignores this part: its root is &lt;%1&gt; in namespace &quot;%2&quot;, not &lt;customUI&gt; in %3 or %4</source>
        <translation>Office 会忽略此部件：其根元素是命名空间“%2”中的 &lt;%1&gt;，而不是 %3 或 %4 中的 &lt;customUI&gt;</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is in namespace &quot;%2&quot;, not in this part&apos;s customUI namespace; the schema allows no other elements</source>
        <translation>&lt;%1&gt; 属于命名空间“%2”，不属于此部件的 customUI 命名空间；架构不允许其他元素</translation>
    </message>
    <message>
        <source>too many &lt;%1&gt; in &lt;%2&gt;: at most %3</source>
        <translation>&lt;%2&gt; 中的 &lt;%1&gt; 太多：最多 %3 个</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt; in the %3 namespace; the %4 namespace (%5) has it</source>
        <translation>%3 命名空间中的 &lt;%2&gt; 不允许 &lt;%1&gt;；%4 命名空间（%5）中有它</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt;, which holds no elements</source>
        <translation>&lt;%2&gt; 中不允许 &lt;%1&gt;，&lt;%2&gt; 不能包含元素</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not allowed in &lt;%2&gt;; it may hold %3</source>
        <translation>&lt;%2&gt; 中不允许 &lt;%1&gt;；它可以包含 %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs at least one %2</source>
        <translation>&lt;%1&gt; 至少需要一个 %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs at least %2 %3</source>
        <translation>&lt;%1&gt; 至少需要 %2 个 %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has both %2 and %3; Office takes one or the other</source>
        <translation>&lt;%1&gt; 同时有 %2 和 %3；Office 只会采用其中一个</translation>
    </message>
    <message>
        <source>attribute %1 is not allowed on &lt;%2&gt; in the %3 namespace; the %4 namespace (%5) has it</source>
        <translation>%3 命名空间中的 &lt;%2&gt; 不允许属性 %1；%4 命名空间（%5）中有它</translation>
    </message>
    <message>
        <source>unknown attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>&lt;%2&gt; 上的属性“%1”未知</translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs the attribute %2</source>
        <translation>&lt;%1&gt; 需要属性 %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use %3</source>
        <translation>%1：不允许“%2”；请使用 %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use true, false, 1 or 0</source>
        <translation>%1：不允许“%2”；请使用 true、false、1 或 0</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a whole number from %3 to %4</source>
        <translation>%1：不允许“%2”；请使用 %3 到 %4 之间的整数</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a name of letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos; that starts with a letter or &apos;_&apos;</source>
        <translation>%1：不允许“%2”；请使用由字母、数字、“_”、“-”和“.”组成并以字母或“_”开头的名称</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use a name, or a prefix and a name (&quot;x:name&quot;)</source>
        <translation>%1：不允许“%2”；请使用名称，或前缀加名称（“x:name”）</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use at least %3 characters</source>
        <translation>%1：不允许“%2”；请至少使用 %3 个字符</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; use %3 to %4 characters</source>
        <translation>%1：不允许“%2”；请使用 %3 到 %4 个字符</translation>
    </message>
    <message>
        <source>no relationship in %1 names this customUI part; Office ignores it</source>
        <translation>%1 中没有关系指向此 customUI 部件；Office 会忽略它</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation>（%1）</translation>
    </message>
    <message>
        <source> (assumed from the file&apos;s identifiers)</source>
        <translation>（根据文件中的标识符推断）</translation>
    </message>
    <message>
        <source> (assumed from &quot;%1&quot;)</source>
        <translation>（根据“%1”推断）</translation>
    </message>
    <message>
        <source> in Office %1</source>
        <translation>（Office %1）</translation>
    </message>
    <message>
        <source> (it is in %1)</source>
        <translation>（它属于 %1）</translation>
    </message>
    <message>
        <source>; known in %1; use --app %2</source>
        <translation>；%1 中有此标识符，请改用 %2（--app %2）</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>；您是否指的是 %1？</translation>
    </message>
    <message>
        <source>the package has no customUI part</source>
        <translation>该包没有 customUI 部件</translation>
    </message>
    <message>
        <source>checked against %1, assumed from its identifiers; --app chooses another</source>
        <translation>已按 %1 检查（根据其中的标识符推断）；可以选择其他应用程序（--app）</translation>
    </message>
    <message>
        <source>%1 more findings in the file not shown (at most %2 a part)</source>
        <translation>文件中还有 %1 个问题未列出（每个部件最多 %2 个）</translation>
    </message>
    <message>
        <source>%1 more findings in %2 not shown (at most %3 a part)</source>
        <translation>%2 中还有 %1 个问题未列出（每个部件最多 %3 个）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A name from the file, quoted</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of several alternatives</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins names that are all meant</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a built-in identifier but the id at line %3, column %4; to name your own element, use %5</source>
        <translation>%1：“%2”不是内置标识符，而是第 %3 行第 %4 列的 id；要指向您自己的元素，请使用 %5</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is in no namespace, not in this part&apos;s customUI namespace %2; the schema allows no other elements</source>
        <translation>&lt;%1&gt; 不在任何命名空间中，不属于此部件的 customUI 命名空间 %2；架构不允许其他元素</translation>
    </message>
    <message>
        <source>text is not allowed in &lt;%1&gt;; remove &quot;%2&quot;</source>
        <translation>&lt;%1&gt; 中不允许文本；请删除“%2”</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must come before &lt;%3&gt; in &lt;%2&gt;</source>
        <translation>在 &lt;%2&gt; 中，&lt;%1&gt; 必须位于 &lt;%3&gt; 之前</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must come after &lt;%3&gt; in &lt;%2&gt;</source>
        <translation>在 &lt;%2&gt; 中，&lt;%1&gt; 必须位于 &lt;%3&gt; 之后</translation>
    </message>
    <message>
        <source>&lt;%1&gt; must be the last child of &lt;%2&gt;</source>
        <translation>&lt;%1&gt; 必须是 &lt;%2&gt; 的最后一个子元素</translation>
    </message>
    <message>
        <source>%1: customUI attributes take no prefix; write %2</source>
        <translation>%1：customUI 属性不带前缀；请写作 %2</translation>
    </message>
    <message>
        <source>%1 is not an attribute of the customUI schema (it is in namespace &quot;%3&quot;); remove it from &lt;%2&gt;</source>
        <translation>%1 不是 customUI 架构的属性（它属于命名空间“%3”）；请从 &lt;%2&gt; 中删除它</translation>
    </message>
    <message>
        <source>the entry&apos;s name is not UTF-8, so it is no part of the package and is not read</source>
        <translation>该条目的名称不是 UTF-8，因此不属于包的部件，不会被读取</translation>
    </message>
    <message>
        <source>a &quot;talpora-cli: accept&quot; comment counts only before the root element; move it there</source>
        <translation>“talpora-cli: accept”注释只有在根元素之前才有效；请将它移到那里</translation>
    </message>
    <message>
        <source>, nor a name of letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos; that starts with a letter or &apos;_&apos;</source>
        <translation>，也不是由字母、数字、“_”、“-”和“.”组成并以字母或“_”开头的名称</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by --accept)</source>
        <translation>已作为已知标识符接受：%1（通过 --accept）</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by a &quot;talpora-cli: accept&quot; comment)</source>
        <translation>已作为已知标识符接受：%1（通过“talpora-cli: accept”注释）</translation>
    </message>
    <message>
        <source>accepted as known identifiers: %1 (by --accept) and %2 (by a &quot;talpora-cli: accept&quot; comment)</source>
        <translation>已作为已知标识符接受：%1（通过 --accept）和 %2（通过“talpora-cli: accept”注释）</translation>
    </message>
</context>
<context>
    <name>LoadError</name>
    <message>
        <source>file not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>not a file (it is a directory)</source>
        <translation>这是一个文件夹，不是文件</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>cannot read the file (%1)</source>
        <extracomment>%1 is the system&apos;s message</extracomment>
        <translation>无法读取文件（%1）</translation>
    </message>
    <message>
        <source>not XML (the file is empty)</source>
        <translation>不是 XML 文件（文件是空的）</translation>
    </message>
    <message>
        <source>not XML (the file holds binary data)</source>
        <translation>不是 XML 文件（文件含有二进制数据）</translation>
    </message>
    <message>
        <source>not XML (it does not start with markup)</source>
        <translation>不是 XML 文件（开头不是标记）</translation>
    </message>
    <message>
        <source>unsupported encoding “%1”</source>
        <extracomment>%1 is the name of the encoding, such as GBK</extracomment>
        <translation>不支持的编码“%1”</translation>
    </message>
    <message>
        <source>bytes that are not valid %1</source>
        <extracomment>%1 is the name of the encoding, such as GBK</extracomment>
        <translation>含有不符合 %1 编码的字节</translation>
    </message>
    <message>
        <source>not enough memory to load the document</source>
        <translation>内存不足，无法载入文档</translation>
    </message>
    <message>
        <source>mismatched tag: the open element is &lt;%1&gt;, started on line %2</source>
        <extracomment>%1 is an element name, %2 a line number</extracomment>
        <translation>结束标记与开始标记不匹配：当前打开的元素是第 %2 行开始的 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>bytes that are not valid UTF-8; they read as %1, but the encoding declaration is missing (for example &lt;?xml version=&quot;1.0&quot; encoding=&quot;GBK&quot;?&gt;)</source>
        <extracomment>%1 is the names of the encodings the bytes read as, such as GBK/Shift_JIS</extracomment>
        <translation>含有不符合 UTF-8 编码的字节，可按 %1 编码读取，但缺少编码声明（例如 &lt;?xml version=&quot;1.0&quot; encoding=&quot;GBK&quot;?&gt;）</translation>
    </message>
    <message>
        <source>namespace prefix “%1” is not declared</source>
        <translation>命名空间前缀“%1”没有声明</translation>
    </message>
    <message>
        <source>“%1” is not a valid name in a namespace-aware document</source>
        <translation>“%1”不是合法的限定名</translation>
    </message>
    <message>
        <source>entity “%1” is defined outside the document, which is not read</source>
        <translation>实体“%1”定义在文档之外，不会被读取</translation>
    </message>
    <message>
        <source>the document is too large to load</source>
        <translation>文档太大，无法载入</translation>
    </message>
    <message>
        <source>loading was stopped</source>
        <translation>载入已中止</translation>
    </message>
    <message>
        <source>the catalogue has no entry %1</source>
        <translation>目录中没有第 %1 项</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>syntax error</source>
        <translation>语法错误</translation>
    </message>
    <message>
        <source>no element found</source>
        <translation>文档没有根元素，或在元素结束前就结束了</translation>
    </message>
    <message>
        <source>not well-formed (invalid token)</source>
        <translation>格式不正确（无效的字符或标记）</translation>
    </message>
    <message>
        <source>unclosed token</source>
        <translation>标记没有结束</translation>
    </message>
    <message>
        <source>partial character</source>
        <translation>字符不完整</translation>
    </message>
    <message>
        <source>mismatched tag</source>
        <translation>结束标记与开始标记不匹配</translation>
    </message>
    <message>
        <source>duplicate attribute</source>
        <translation>同一元素中属性重复</translation>
    </message>
    <message>
        <source>junk after document element</source>
        <translation>根元素之后还有内容</translation>
    </message>
    <message>
        <source>illegal parameter entity reference</source>
        <translation>非法的参数实体引用</translation>
    </message>
    <message>
        <source>undefined entity</source>
        <translation>未定义的实体</translation>
    </message>
    <message>
        <source>recursive entity reference</source>
        <translation>递归的实体引用</translation>
    </message>
    <message>
        <source>asynchronous entity</source>
        <translation>实体的标记不完整</translation>
    </message>
    <message>
        <source>reference to invalid character number</source>
        <translation>引用了无效的字符编号</translation>
    </message>
    <message>
        <source>reference to binary entity</source>
        <translation>引用了二进制实体</translation>
    </message>
    <message>
        <source>reference to external entity in attribute</source>
        <translation>属性值中引用了外部实体</translation>
    </message>
    <message>
        <source>XML or text declaration not at start of entity</source>
        <translation>XML 声明或文本声明不在实体的开头</translation>
    </message>
    <message>
        <source>unknown encoding</source>
        <translation>编码错误</translation>
    </message>
    <message>
        <source>encoding specified in XML declaration is incorrect</source>
        <translation>编码错误</translation>
    </message>
    <message>
        <source>unclosed CDATA section</source>
        <translation>CDATA 段没有结束</translation>
    </message>
    <message>
        <source>error in processing external entity reference</source>
        <translation>不读取外部实体</translation>
    </message>
    <message>
        <source>entity declared in parameter entity</source>
        <translation>实体在参数实体中声明</translation>
    </message>
    <message>
        <source>must not undeclare prefix</source>
        <translation>不能取消命名空间前缀的声明</translation>
    </message>
    <message>
        <source>incomplete markup in parameter entity</source>
        <translation>参数实体不完整</translation>
    </message>
    <message>
        <source>XML declaration not well-formed</source>
        <translation>XML 声明格式不正确</translation>
    </message>
    <message>
        <source>text declaration not well-formed</source>
        <translation>文本声明格式不正确</translation>
    </message>
    <message>
        <source>illegal character(s) in public id</source>
        <translation>公共标识符中有非法字符</translation>
    </message>
    <message>
        <source>reserved prefix (xml) must not be undeclared or bound to another namespace name</source>
        <translation>误用了保留的命名空间前缀或名称</translation>
    </message>
    <message>
        <source>reserved prefix (xmlns) must not be declared or undeclared</source>
        <translation>误用了保留的命名空间前缀或名称</translation>
    </message>
    <message>
        <source>prefix must not be bound to one of the reserved namespace names</source>
        <translation>误用了保留的命名空间前缀或名称</translation>
    </message>
    <message>
        <source>limit on input amplification factor (from DTD and entities) breached</source>
        <translation>实体展开过多（可能是恶意文档）</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <extracomment>%1 is a line number, %2 a column number, %3 what is wrong there</extracomment>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
    <message>
        <source>the catalogue has no document with identifier %1 (valid: 101–157)</source>
        <translation>目录中没有标识符为 %1 的文档（有效范围 101–157）</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>%1 is the XML parser&apos;s own English words for a fault that normal use never meets</extracomment>
        <translation>XML 格式不正确（%1）</translation>
    </message>
</context>
<context>
    <name>PackageError</name>
    <message>
        <source>not an Office Open XML package: %1</source>
        <translation>不是 Office Open XML 包：%1</translation>
    </message>
    <message>
        <source>cannot open the package: %1</source>
        <translation>无法打开该包：%1</translation>
    </message>
    <message>
        <source>not an Office Open XML package: it has no %1</source>
        <translation>不是 Office Open XML 包：其中没有 %1</translation>
    </message>
    <message>
        <source>ambiguous part name: %1 are one name to Office, which may read any of them</source>
        <translation>部件名称有歧义：对 Office 来说 %1 是同一个名称，它可能读取其中任何一个</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is missing</source>
        <translation>缺少部件“%1”</translation>
    </message>
    <message>
        <source>ambiguous part name: several parts are named &quot;%1&quot; to Office, which may read any of them</source>
        <translation>部件名称有歧义：对 Office 来说有多个部件名为“%1”，它可能读取其中任何一个</translation>
    </message>
    <message>
        <source>refused: the part inflates to more than %1 MiB (a zip bomb?)</source>
        <translation>已拒绝：该部件解压后超过 %1 MiB（可能是 zip 炸弹）</translation>
    </message>
    <message>
        <source>cannot read the part: %1</source>
        <translation>无法读取该部件：%1</translation>
    </message>
    <message>
        <source>the customUI part &quot;%1&quot; named in %2 is missing</source>
        <translation>%2 中指定的 customUI 部件“%1”不存在</translation>
    </message>
    <message>
        <source>refused: the customUI target &quot;%1&quot; leaves the package</source>
        <translation>已拒绝：customUI 目标“%1”指向包之外</translation>
    </message>
    <message>
        <source>refused: the package&apos;s zip structure is inconsistent at byte %1, so zip readers may find different parts in it</source>
        <translation>已拒绝：包的 zip 结构在第 %1 字节处不一致，不同的 zip 读取程序可能会在其中找到不同的部件</translation>
    </message>
    <message>
        <source>refused: the parts read from the package inflate to more than %1 MiB together (a zip bomb?)</source>
        <translation>已拒绝：从包中读取的部件解压后总计超过 %1 MiB（可能是 zip 炸弹）</translation>
    </message>
    <message>
        <source>refused: the customUI target &quot;%1&quot; has a malformed percent-escape</source>
        <translation>已拒绝：customUI 目标“%1”含有格式错误的百分号转义</translation>
    </message>
</context>
<context>
    <name>SnippetFailure</name>
    <message>
        <source>there is no node at position %1</source>
        <translation>没有位置为 %1 的节点</translation>
    </message>
    <message>
        <source>cannot build a snippet: the root element %1 is not a customUI area (qat, tabs, contextualTabs, backstage, contextMenus)</source>
        <extracomment>%1 is the root element as the tree shows it, such as &lt;tabs xmlns=&quot;x&quot;&gt;</extracomment>
        <translation>无法生成脚本：根元素 %1 不是 customUI 的区域（qat、tabs、contextualTabs、backstage、contextMenus）</translation>
    </message>
    <message>
        <source>cannot build a snippet: the name or idMso of the node on level %1 is longer than %2 characters</source>
        <translation>无法生成脚本：第 %1 层节点的名称或 idMso 超过 %2 个字符</translation>
    </message>
    <message>
        <source>cannot build a snippet: the node is on level %1, and the snippet would be larger than 16 MiB</source>
        <translation>无法生成脚本：节点位于第 %1 层，脚本将超过 16 MiB</translation>
    </message>
</context>
<context>
    <name>UiTexts</name>
    <message>
        <source>XML files (*.xml)</source>
        <translation>XML文件(*.xml)</translation>
    </message>
    <message>
        <source>Enter a keyword to search for; F3 finds the next match.</source>
        <translation>请输入检索关键词；【F3】继续搜索下一处。</translation>
    </message>
    <message>
        <source>Click an item in the list on the left to load it, or choose File &gt; Open to load a local XML file.</source>
        <translation>单击左侧导航栏中的项目加载内容，或者点击菜单【文件/打开】加载本地XML文件。</translation>
    </message>
    <message>
        <source>About Talpora</source>
        <translation>产品信息 &amp; 联系方式</translation>
    </message>
    <message>
        <source>Talpora: browse the Office 2013 Ribbon control identifiers (idMso) and build customUI snippets</source>
        <translation>Talpora：查看 Office 2013 功能区控件标识（idMso）并生成 customUI 脚本</translation>
    </message>
    <message>
        <source>talpora-cli knows the control identifiers of Access, Excel, PowerPoint, Word, Outlook, OneNote, Project, Publisher, Visio, InfoPath and SharePoint Designer in Office 2013, 2016, 2019 and Microsoft 365</source>
        <translation>talpora-cli 可识别 Office 2013、2016、2019 和 Microsoft 365 中 Access、Excel、PowerPoint、Word、Outlook、OneNote、Project、Publisher、Visio、InfoPath 和 SharePoint Designer 的控件标识</translation>
    </message>
    <message>
        <source>The identifiers come from the control lists Microsoft publishes (MIT licence); built with Qt 6, XML read by Expat</source>
        <translation>控件标识来自 Microsoft 公布的控件列表（MIT 许可）；界面基于 Qt 6，XML 解析使用 Expat</translation>
    </message>
    <message>
        <source>Please report problems and suggestions to the project&apos;s issue tracker</source>
        <translation>问题与建议请提交到本项目的问题跟踪</translation>
    </message>
    <message>
        <source>Product name: %1</source>
        <translation>产品名称：%1</translation>
    </message>
    <message>
        <source>Updated: 6 January 2018</source>
        <translation>更新日期：2018年1月6日</translation>
    </message>
    <message>
        <source>Cannot load “%1”:
%2</source>
        <extracomment>%1 is the file or catalogue entry, %2 why it cannot be loaded</extracomment>
        <translation>无法加载“%1”：
%2</translation>
    </message>
    <message>
        <source>Control identifier documents</source>
        <translation>控件标识文档</translation>
    </message>
    <message>
        <source>Document structure</source>
        <translation>文档结构</translation>
    </message>
    <message>
        <source>customUI files and Office documents (%1)</source>
        <extracomment>%1 lists the patterns of the files</extracomment>
        <translation>customUI文件和Office文档(%1)</translation>
    </message>
    <message>
        <source>Office documents, templates and add-ins (%1)</source>
        <extracomment>%1 lists the patterns of the files</extracomment>
        <translation>Office文档、模板和加载项(%1)</translation>
    </message>
    <message>
        <source>“%1” holds several customUI parts. Which one should Talpora show?</source>
        <extracomment>%1 is the package&apos;s file</extracomment>
        <translation>“%1”包含多个customUI部件，要显示哪一个？</translation>
    </message>
    <message>
        <source>the Ribbon of Office 2007</source>
        <translation>Office 2007 的功能区</translation>
    </message>
    <message>
        <source>the Ribbon of Office 2010 and later</source>
        <translation>Office 2010 及更高版本的功能区</translation>
    </message>
    <message>
        <source>the Quick Access Toolbar</source>
        <translation>快速访问工具栏</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the part&apos;s name, %2 what it customises</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the count of errors and the count of warnings</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talpora::FindingsModel</name>
    <message>
        <source>note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message numerus="yes">
        <source>%n more finding(s) not listed</source>
        <translation>
            <numerusform>另有 %n 个问题未列出</numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重性</translation>
    </message>
    <message>
        <source>Line:column</source>
        <translation>行:列</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>talpora::FindingsWindow</name>
    <message>
        <source>Findings</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Identifiers are judged against what check chooses without --app</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>所有版本</translation>
    </message>
    <message>
        <source>&amp;Application:</source>
        <translation>应用程序(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>版本(&amp;V)：</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>No customUI document is open.</source>
        <translation>没有打开customUI文档。</translation>
    </message>
    <message>
        <source>Catalogue documents list Office&apos;s own controls; they are not checked.</source>
        <translation>目录文档列出的是Office的内置控件，不做检查。</translation>
    </message>
    <message>
        <source>Not checked: the root of this file is not customUI in either customUI namespace.</source>
        <translation>未检查：此文件的根元素不是两个customUI命名空间中的customUI。</translation>
    </message>
    <message>
        <source>Identifiers checked against Access, Excel, PowerPoint and Word</source>
        <translation>按Access、Excel、PowerPoint和Word检查标识</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, as chosen</source>
        <translation>按所选的%1检查标识</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, assumed from the file&apos;s identifiers</source>
        <translation>按%1检查标识（根据文件中的标识推断）</translation>
    </message>
    <message>
        <source>Identifiers checked against %1, the package&apos;s kind</source>
        <translation>按%1检查标识（文档包的类型）</translation>
    </message>
    <message>
        <source>%1, in Office %2</source>
        <extracomment>%1 says what identifiers were checked against, %2 the Office version</extracomment>
        <translation>%1，Office %2</translation>
    </message>
</context>
<context>
    <name>talpora::Form1</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Scripts</source>
        <translation>脚本(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How to Use</source>
        <translation>使用教程</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Loading… (Esc stops)</source>
        <translation>正在载入…（按 Esc 停止）</translation>
    </message>
    <message>
        <source>Loading… %1 % (Esc stops)</source>
        <translation>正在载入… %1 %（按 Esc 停止）</translation>
    </message>
    <message>
        <source>F&amp;indings</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>转到(&amp;G)</translation>
    </message>
    <message>
        <source>Show in &amp;Catalogue</source>
        <translation>在目录中显示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was deleted or renamed.</source>
        <translation>%1 已不存在：文件已被删除或重命名。</translation>
    </message>
    <message>
        <source>No application has a built-in control named %1.</source>
        <translation>没有任何应用程序有名为 %1 的内置控件。</translation>
    </message>
    <message>
        <source>%1 is in no catalogue document; the identifier index places it: %2</source>
        <translation>%1 不在任何目录文档中；标识符索引中的位置：%2</translation>
    </message>
</context>
<context>
    <name>talpora::Form2</name>
    <message>
        <source>Snippet</source>
        <translation>代码片段</translation>
    </message>
</context>
<context>
    <name>talpora::NodeTreeModel</name>
    <message>
        <source>%1, error</source>
        <extracomment>What a screen reader says of a tree row whose element has an error</extracomment>
        <translation>%1，错误</translation>
    </message>
    <message>
        <source>%1, warning</source>
        <extracomment>... and of one with a warning</extracomment>
        <translation>%1，警告</translation>
    </message>
</context>
</TS>
