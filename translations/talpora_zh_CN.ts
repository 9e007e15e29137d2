<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</context>
</TS>
