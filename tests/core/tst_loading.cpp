#include "EncodedText.h"
#include "TestDocuments.h"
#include "TreeText.h"
#include "viewer/core/DocumentLoader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <expat.h>
#include <future>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

const QString everyScript = u"粘贴板 貼り付け Вставить Café crème"_s;

// A small document with `label` in an attribute of the root and of its child.
QString document(const QString& declaration, const QString& label)
{
    return declaration + u"\n<root name=\"%1\">\n\t<item label=\"%1\"/>\n</root>\n"_s.arg(label);
}

QString declaring(const QString& encoding)
{
    return u"<?xml version=\"1.0\" encoding=\"%1\"?>"_s.arg(encoding);
}

QString expectedTree(const QString& label)
{
    return u"<root name=\"%1\">\n  <item label=\"%1\">"_s.arg(label);
}

QByteArray encoded(const QString& text, const char* encoding)
{
    return encodedText(text, encoding);
}

} // namespace

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void encodings_data();
    void encodings();
    void malformedFiles_data();
    void malformedFiles();
    void parserFaultsInExpatsWords();
    void unloadableFiles_data();
    void unloadableFiles();
    void entitiesAndDtdsAreNotFollowed_data();
    void entitiesAndDtdsAreNotFollowed();
    void billionLaughs();
    void deepNesting();
    void manyAttributesOnOneElement();
    void moreElementsThanSixteenBitPositions();

    void storedDocuments_data();
    void storedDocuments();
    void unknownIdentifiers_data();
    void unknownIdentifiers();

private:
    QTemporaryDir m_dir;
};

void TestLoading::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestLoading::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QByteArray& bytes, const QString& label) {
        QTest::newRow(name) << bytes << expectedTree(label);
    };
    const auto inEncoding = [&](const char* name, const char* encoding, const QString& label) {
        const QString text = document(declaring(QString::fromLatin1(encoding)), label);
        row(name, encoded(text, encoding), label);
    };
    const QByteArray bom8("\xEF\xBB\xBF");

    row("UTF-8, no mark, no declaration", document({}, everyScript).toUtf8(), everyScript);
    row("UTF-8 with mark", bom8 + document(declaring(u"UTF-8"_s), everyScript).toUtf8(),
        everyScript);
    row("UTF-8 declared in lower case", document(declaring(u"utf-8"_s), everyScript).toUtf8(),
        everyScript);
    const QString utf16 = document(declaring(u"UTF-16"_s), everyScript);
    row("UTF-16LE with mark", "\xFF\xFE" + encoded(utf16, "UTF-16LE"), everyScript);
    row("UTF-16BE with mark", "\xFE\xFF" + encoded(utf16, "UTF-16BE"), everyScript);
    row("UTF-16LE without mark", encoded(utf16, "UTF-16LE"), everyScript);
    row("UTF-16BE without mark", encoded(utf16, "UTF-16BE"), everyScript);
    row("UTF-16LE mark beats an ASCII declaration",
        "\xFF\xFE" + encoded(document(declaring(u"GBK"_s), everyScript), "UTF-16LE"), everyScript);

    row("internal entity expanded",
        "<!DOCTYPE root [<!ENTITY e \"" + everyScript.toUtf8() + "\">]>" +
            document({}, u"&e;"_s).toUtf8(),
        everyScript);
    inEncoding("GBK", "GBK", u"粘贴 剪切板 格式刷"_s);
    inEncoding("GB18030", "GB18030", everyScript + u" €"_s);
    inEncoding("Shift_JIS", "Shift_JIS", u"貼り付け クリップボード"_s);
    inEncoding("Big5", "Big5", u"剪貼簿 複製"_s);
    inEncoding("ISO-8859-1", "ISO-8859-1", u"Café crème à la carte"_s);
    inEncoding("ISO-8859-5", "ISO-8859-5", u"Вставить Вырезать"_s);
    inEncoding("ISO-8859-15", "ISO-8859-15", u"Œuvre 5 €"_s);
    inEncoding("windows-1250", "windows-1250", u"Żółć gęślą jaźń"_s);
    inEncoding("windows-1251", "windows-1251", u"Вставить"_s);
    inEncoding("windows-1252", "windows-1252", u"naïve “quotes” €"_s);

    // Byte literals, so that a decoder fault cannot hide behind the same encoder.
    row("gbk in single quotes, lower case",
        "<?xml version='1.0' encoding='gbk'?><root name=\"" + QByteArray::fromHex("D6D0CEC4") +
            "\"><item label=\"" + QByteArray::fromHex("D6D0CEC4") + "\"/></root>",
        u"中文"_s);
    row("Shift_JIS bytes",
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><root name=\"" +
            QByteArray::fromHex("93FA967B") + "\"><item label=\"" +
            QByteArray::fromHex("93FA967B") + "\"/></root>",
        u"日本"_s);
    row("Big5 bytes",
        "<?xml version=\"1.0\" encoding=\"Big5\"?><root name=\"" + QByteArray::fromHex("A4A4A4E5") +
            "\"><item label=\"" + QByteArray::fromHex("A4A4A4E5") + "\"/></root>",
        u"中文"_s);
    row("windows-1251 bytes, blanks around =",
        "<?xml version=\"1.0\" encoding = 'windows-1251' ?><root name=\"\xC4\xE0\"><item "
        "label=\"\xC4\xE0\"/></root>",
        u"Да"_s);
    row("UTF-16BE bytes with mark",
        QByteArray::fromHex("FEFF003C0072006F006F00740020006E0061006D0065003D00224E2D0022003E"
                            "003C006900740065006D0020006C006100620065006C003D00224E2D0022002F"
                            "003E003C002F0072006F006F0074003E"),
        u"中"_s);
    // Tokens longer than the chunks the file is read in; a ">" inside the value
    // looks like the end of the start tag.
    const QString longValue = u"a>b"_s + QString(3 << 20, u'x') + u"粘贴"_s;
    row("comment and value longer than a read",
        u"<!--"_s.toUtf8() + QByteArray(3 << 20, '-').replace("--", "-x") + "-->" +
            document({}, longValue).toUtf8(),
        longValue);
    // The value starts at an odd offset, so every read ends inside a character.
    inEncoding("GBK value longer than a read", "GBK", QString(3 << 19, u'中'));
    row("NUL padding after the root", document({}, everyScript).toUtf8() + QByteArray(9000, '\0'),
        everyScript);
    // The node table is sized from the file's size, at four bytes an element;
    // elements from an entity outnumber that, and the table outgrows its size.
    QTest::newRow("more elements than the file's size holds")
        << "<!DOCTYPE r [<!ENTITY a \"" + QByteArray("<a/>").repeated(100) + "\">]><r><!--" +
               QByteArray(600'000, '-').replace("--", "- ") + "-->" +
               QByteArray("&a;").repeated(2000) + "</r>"
        << u"<r>"_s + u"\n  <a>"_s.repeated(200'000);
}

void TestLoading::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    if (bytes.isEmpty() && systemLacksEncoding(QTest::currentDataTag()))
        QSKIP("this system has no converter for the encoding");
    QVERIFY2(!bytes.isEmpty(), "the system cannot encode the test text in this encoding");

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"encoded.xml"_s, bytes));
    QVERIFY2(result, qPrintable(describe(result.error)));
    QCOMPARE(printTree(*result.tree), expected);
}

void TestLoading::malformedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("where");

    QTest::newRow("mismatched end tag")
        << QByteArray("<root>\n  <child>\n</root>\n")
        << u"line 3, column 3: mismatched tag: the open element is <child>, started on line 2"_s;
    QTest::newRow("unquoted attribute")
        << QByteArray("<a>\n<b c=d/></a>") << u"line 2, column 6: "_s;
    QTest::newRow("end of file inside the root") << QByteArray("<root>\n<c>") << u"line 2, "_s;
    QTest::newRow("columns count characters, not bytes")
        << u"<r>中文</x>"_s.toUtf8() << u"line 1, column 8: "_s;
    QTest::newRow("GBK columns count characters")
        << encoded(u"<?xml version=\"1.0\" encoding=\"GBK\"?>\n<r>中文</x>"_s, "GBK")
        << u"line 2, column 8: "_s;
    QTest::newRow("UTF-8 mark is not a column")
        << QByteArray("\xEF\xBB\xBF<r>\n<a></b></r>") << u"line 2, column 6: "_s;
    QTest::newRow("UTF-16 positions are in characters")
        << "\xFF\xFE" + encoded(u"<r>\n<a></b></r>"_s, "UTF-16LE") << u"line 2, column 6: "_s;
    QTest::newRow("CR LF line ends") << QByteArray("<r>\r\n<a></b></r>") << u"line 2, column 6: "_s;
    QTest::newRow("only a comment") << QByteArray("<!-- nothing -->") << u"line 1, "_s;
    QTest::newRow("two root elements") << QByteArray("<a/>\n<b/>") << u"line 2, column 1: "_s;
    QTest::newRow("two roots after a comment")
        << QByteArray("<a>\n</a>\n<!-- c -->\n  <b/>") << u"line 4, column 3: "_s;
    QTest::newRow("text after the root") << QByteArray("<a/>trailing") << u"line 1, column 5: "_s;
    QTest::newRow("text between declaration and root")
        << QByteArray("<?xml version=\"1.0\"?>stray<a/>") << u"line 1, column "_s;
    QTest::newRow("repeated attribute")
        << QByteArray("<a>\n<b x=\"1\" x=\"2\"/></a>") << u"line 2, "_s;
    QTest::newRow("undeclared entity") << QByteArray("<a>\n<b x=\"&foo;\"/></a>") << u"line 2, "_s;
    QTest::newRow("< in an attribute value")
        << QByteArray("<a>\n<b x=\"1<2\"/></a>") << u"line 2, column 8: "_s;
    QTest::newRow("bare & in an attribute value")
        << QByteArray("<a>\n<b x=\"R & D\"/></a>") << u"line 2, column 10: "_s;
    QTest::newRow("unbound element prefix")
        << QByteArray("<a>\n  <q:tab/></a>") << u"line 2, column 3: "_s;
    QTest::newRow("unbound attribute prefix, prefix bound only in a sibling")
        << QByteArray("<a><b xmlns:q=\"urn:q\"/>\n<c q:x=\"1\"/></a>") << u"line 2, column 1: "_s;
    QTest::newRow("two colons in a name")
        << QByteArray("<a xmlns:q=\"urn:q\">\n<q:b:c/></a>") << u"line 2, column 1: "_s;
    QTest::newRow("-- inside a comment") << QByteArray("<a>\n<!-- x -- y --></a>") << u"line 2, "_s;
    QTest::newRow("]]> in text") << QByteArray("<a>\nx ]]> y</a>") << u"line 2, "_s;
    QTest::newRow("second XML declaration")
        << QByteArray("<?xml version=\"1.0\"?>\n<?xml version=\"1.0\"?><a/>")
        << u"line 2, column 1: "_s;
    QTest::newRow("invalid UTF-8")
        << QByteArray("<a>\n<b x=\"\xFF\"/></a>") << u"line 2, column 7: "_s;
    QTest::newRow("overlong UTF-8") << QByteArray("<a>\nx\xC0\xAF</a>") << u"line 2, column 2: "_s;
    QTest::newRow("GBK bytes without a declaration")
        << QByteArray("<a>\n<b x=\"\xD6\xD0\xCE\xC4\"/></a>")
        << u"line 2, column 7: bytes that are not valid UTF-8; they read as GBK/Shift_JIS, but "
           "the encoding declaration is missing"_s;
    QTest::newRow("Latin-1 bytes without a declaration")
        << QByteArray("<a>\n<b label=\"caf\xE9 cr\xE8me\"/></a>") << u"line 2, column 14: "_s;
    QTest::newRow("reference to U+0000")
        << QByteArray("<a>\n<b x=\"1&#0;2\"/></a>") << u"line 2, "_s;
    QTest::newRow("reference to a lone surrogate")
        << QByteArray("<a>\n<b x=\"&#xD800;\"/></a>") << u"line 2, "_s;
    QTest::newRow("NUL after the first 8 KiB")
        << QByteArray("<a>\n") + QByteArray(9000, ' ') + QByteArray("\0<b/></a>", 9)
        << u"line 2, column 9001: "_s;
    QTest::newRow("NUL padding before the root ends")
        << QByteArray("<a>\n") + QByteArray(9000, ' ') + QByteArray("<b/>\0\0", 6)
        << u"line 2, column 9005: "_s;
    const QByteArray u16Start = encoded(u"<a>\n<b x=\""_s, "UTF-16LE");
    const QByteArray u16End = encoded(u"\"/></a>"_s, "UTF-16LE");
    QTest::newRow("UTF-16 lone high surrogate")
        << u16Start + QByteArray("\x00\xD8", 2) + u16End << u"line 2, column 7: "_s;
    QTest::newRow("UTF-16 lone low surrogate")
        << u16Start + QByteArray("\x00\xDC", 2) + u16End << u"line 2, column 7: "_s;
    QTest::newRow("UTF-16 trailing odd byte")
        << encoded(u"<a>\n</a>\n"_s, "UTF-16LE") + "x" << u"line 3, column 1: "_s;
    QTest::newRow("UTF-32 code point above U+10FFFF")
        << encoded(u"<a>\n<b x=\""_s, "UTF-32BE") + QByteArray("\0\x11\0\0", 4) +
               encoded(u"\"/></a>"_s, "UTF-32BE")
        << u"line 2, column 7: "_s;
    QTest::newRow("GBK character cut at the end")
        << QByteArray("<?xml version=\"1.0\" encoding=\"GBK\"?>\n<a/>\xD6")
        << u"line 2, column 5: "_s;
    QTest::newRow("Shift_JIS character cut at the end")
        << QByteArray("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<a/>\x93")
        << u"line 2, column 5: "_s;
    QTest::newRow("Big5 character cut at the end")
        << QByteArray("<?xml version=\"1.0\" encoding=\"Big5\"?>\n<a/>\xA4")
        << u"line 2, column 5: "_s;
    QTest::newRow("entity left to an external DTD")
        << QByteArray("<!DOCTYPE a SYSTEM \"a.dtd\">\n<a x=\"&e;\"/>") << u"line 2, column 1: "_s;
    QTest::newRow("invalid Shift_JIS bytes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<a x=\"\x93\xFA\x82\xFF\"/>")
        << u"line 2, column 8: "_s;
}

void TestLoading::malformedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, where);

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"malformed.xml"_s, bytes));
    QVERIFY2(!result, "a malformed file loaded");
    const QString reason = describe(result.error);
    QVERIFY2(reason.startsWith(where), qPrintable(reason));
    QVERIFY2(reason.size() > where.size() || reason == where, "the parser's message is missing");
}

// Without a translation (talpora-cli) a parser fault reads exactly as the
// Expat the program is built with words it, for each of its error codes: the
// program's own words for the faults the reader meets are Expat's.
void TestLoading::parserFaultsInExpatsWords()
{
    int code = 1;
    int ownWords = 0;
    for (; const XML_LChar* words = XML_ErrorString(static_cast<XML_Error>(code)); ++code) {
        const QString expat = QString::fromUtf8(words);
        QCOMPARE(describe(LoadError{LoadErrorKind::Syntax, 0, 0, code, expat}), expat);
        const QString own = describe(LoadError{LoadErrorKind::Syntax, 0, 0, code, u"?"_s});
        QVERIFY2(own == expat || own == u"?"_s, qPrintable(own));
        ownWords += own == expat;
    }
    QVERIFY(code > XML_ERROR_AMPLIFICATION_LIMIT_BREACH);
    QVERIFY(ownWords > 0);
}

void TestLoading::unloadableFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");

    const auto file = [this](const char* name, const QByteArray& bytes) {
        return writeFile(m_dir, QString::fromLatin1(name), bytes);
    };
    QVERIFY(QDir(m_dir.path()).mkpath(u"folder.xml"_s));

    QTest::newRow("missing file") << m_dir.filePath(u"missing.xml"_s) << u"file not found"_s;
    QTest::newRow("missing folder")
        << m_dir.filePath(u"nowhere/missing.xml"_s) << u"file not found"_s;
    QTest::newRow("file used as a folder")
        << file("plain.xml", "<r/>") + u"/inner.xml"_s << u"file not found"_s;
    QTest::newRow("empty path") << QString() << u"file not found"_s;
    QTest::newRow("directory") << m_dir.filePath(u"folder.xml"_s) << u"directory"_s;
    QTest::newRow("device") << QProcess::nullDevice() << u"regular file"_s;
    QTest::newRow("empty file") << file("empty.xml", {}) << u"not XML ("_s;
    QTest::newRow("blanks only") << file("blank.xml", " \r\n\t ") << u"not XML ("_s;
    QTest::newRow("byte-order mark only") << file("bom.xml", "\xEF\xBB\xBF") << u"not XML ("_s;
    QTest::newRow("binary") << file("picture.xml",
                                    QByteArray::fromHex("89504E470D0A1A0A0000000D494844520000"))
                            << u"not XML ("_s;
    QTest::newRow("binary after markup")
        << file("markup.xml", QByteArray("<r>\0\0\0\x01</r>", 11)) << u"not XML ("_s;
    QTest::newRow("plain text") << file("text.xml", "hello, world\n") << u"not XML ("_s;
    QTest::newRow("unknown encoding")
        << file("charset.xml", "<?xml version=\"1.0\" encoding=\"x-no-such-charset\"?><r/>")
        << u"x-no-such-charset"_s;
}

void TestLoading::unloadableFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);

    const LoadResult result = loadXmlFile(path);
    QVERIFY(!result);
    QVERIFY2(describe(result.error).contains(reason), qPrintable(describe(result.error)));
}

void TestLoading::entitiesAndDtdsAreNotFollowed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tree");

    QTest::newRow("external entity in content")
        << QByteArray("<!DOCTYPE r [<!ENTITY x SYSTEM \"secret.txt\">]>\n<r><c/>&x;</r>")
        << u"<r>\n  <c>"_s;
    QTest::newRow("external DTD with an attribute default")
        << QByteArray("<!DOCTYPE r SYSTEM \"defaults.dtd\">\n<r><c/></r>") << u"<r>\n  <c>"_s;
    QTest::newRow("DTD on an unreachable host")
        << QByteArray("<!DOCTYPE r SYSTEM \"http://192.0.2.1/x.dtd\"><r/>") << u"<r>"_s;
    QTest::newRow("parameter entity")
        << QByteArray("<!DOCTYPE r [<!ENTITY % p SYSTEM \"defaults.dtd\"> %p;]><r><c/></r>")
        << u"<r>\n  <c>"_s;
}

void TestLoading::entitiesAndDtdsAreNotFollowed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tree);
    QVERIFY(!writeFile(m_dir, u"secret.txt"_s, "<injected/>").isEmpty());
    QVERIFY(!writeFile(m_dir, u"defaults.dtd"_s,
                       "<!ATTLIST r from CDATA \"dtd\"><!ATTLIST c from CDATA \"dtd\">")
                 .isEmpty());

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"entities.xml"_s, bytes));
    if (!result) { // refusing the document is as safe as ignoring the DTD
        QVERIFY(result.error);
        return;
    }
    QCOMPARE(printTree(*result.tree), tree);
}

void TestLoading::billionLaughs()
{
    QByteArray xml = "<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        xml += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            xml += "&lol" + (level > 1 ? QByteArray::number(level - 1) : QByteArray()) + ";";
        xml += "\">\n";
    }
    xml += "]>\n<lolz a=\"&lol9;\">&lol9;<b/></lolz>\n";

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"laughs.xml"_s, xml));
    if (!result) {
        QVERIFY(result.error);
        return;
    }
    const auto tree = result.tree;
    QCOMPARE(printTree(*tree), u"<lolz a=\"&lol9;\">\n  <b>"_s);
}

void TestLoading::deepNesting()
{
    constexpr int levels = 100'000;
    QByteArray xml;
    xml.reserve(levels * 7 + 32);
    for (int i = 0; i < levels; ++i)
        xml += "<e>";
    xml += "<e id=\"last\"/>";
    for (int i = 0; i < levels; ++i)
        xml += "</e>";

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"deep.xml"_s, xml));
    QVERIFY2(result, qPrintable(describe(result.error)));
    const auto tree = result.tree;
    const NodeTree::Position last = levels + 1;
    QCOMPARE(tree->size(), last);
    QCOMPARE(tree->depth(last), std::uint32_t(levels));
    QCOMPARE(tree->text(last), u"<e id=\"last\">"_s);
    QCOMPARE(tree->parent(last), last - 1);
    QCOMPARE(tree->childCount(last), 0u);
    QCOMPARE(tree->childCount(1), 1u);
    QCOMPARE(treeLinkFault(*tree), QString());
    QCOMPARE(tree->tagsUpToRoot(last).size(), qsizetype(levels));
    QCOMPARE(tree->fullPath(last).count(QLatin1Char('/')), qsizetype(levels));
}

// Repeated attribute names are found by hashing, not by comparing every pair.
void TestLoading::manyAttributesOnOneElement()
{
    constexpr int count = 100'000;
    QByteArray xml = "<root>\n<e";
    for (int i = 0; i < count; ++i)
        xml += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\"";
    const LoadResult result = loadXmlBytes(xml + "/></root>");
    QVERIFY2(result, qPrintable(describe(result.error)));
    QVERIFY(result.tree->text(2).endsWith(u" a99999=\"99999\">"_s));

    const LoadResult repeated = loadXmlBytes(xml + " a0=\"again\"/></root>");
    QVERIFY(!repeated);
    QVERIFY2(describe(repeated.error).startsWith(u"line 2, "_s),
             qPrintable(describe(repeated.error)));
}

void TestLoading::moreElementsThanSixteenBitPositions()
{
    constexpr int children = 40'000;
    QByteArray xml = "<root>\n";
    for (int i = 1; i <= children; ++i)
        xml += "  <i n=\"" + QByteArray::number(i) + "\"/>\n";
    xml += "</root>\n";

    const LoadResult result = loadXmlFile(writeFile(m_dir, u"wide.xml"_s, xml));
    QVERIFY2(result, qPrintable(describe(result.error)));
    const auto tree = result.tree;
    QCOMPARE(tree->size(), NodeTree::Position(children + 1));
    QCOMPARE(tree->childCount(1), NodeTree::Position(children));
    QCOMPARE(tree->text(32'768), u"<i n=\"32767\">"_s);
    QCOMPARE(tree->key(32'768), u"k_32768"_s);
    QCOMPARE(tree->text(children + 1), u"<i n=\"40000\">"_s);
    QCOMPARE(tree->row(children + 1), NodeTree::Position(children - 1));
    QCOMPARE(tree->colour(children + 1), NodeColour::Blue);
}

void TestLoading::storedDocuments_data()
{
    QTest::addColumn<int>("identifier");
    QTest::addColumn<QString>("root");

    const QStringList apps{u"Access"_s, u"Excel"_s, u"PowerPoint"_s, u"Word"_s};
    const QList<QPair<QString, QString>> areas{{u"backstage"_s, u"backstage"_s},
                                               {u"contextMenus"_s, u"contextMenus"_s},
                                               {u"qat"_s, u"qat"_s},
                                               {u"tabSet"_s, u"contextualTabs"_s},
                                               {u"tabs"_s, u"tabs"_s}};
    int identifier = 101;
    for (const QString& app : apps) {
        for (const auto& [area, root] : areas) {
            if (app == u"Access"_s && area == u"contextMenus"_s)
                continue;
            for (const QString& language : {u"cn"_s, u"en"_s, u"jp"_s}) {
                const QString name = u"%1_2013_%2_%3"_s.arg(app, area, language);
                QTest::newRow(qPrintable(name)) << identifier++ << root;
            }
        }
    }
}

void TestLoading::storedDocuments()
{
    QFETCH(int, identifier);
    QFETCH(QString, root);

    const LoadResult result = loadStoredDocument(identifier);
    QVERIFY2(result, qPrintable(describe(result.error)));
    QCOMPARE(result.tree->text(1), u"<"_s + root + u">"_s);
}

void TestLoading::unknownIdentifiers_data()
{
    QTest::addColumn<int>("identifier");
    for (const int identifier : {-1, 0, 100, 158, 32'767})
        QTest::newRow(qPrintable(QString::number(identifier))) << identifier;
}

void TestLoading::unknownIdentifiers()
{
    QFETCH(int, identifier);
    const LoadResult result = loadStoredDocument(identifier);
    QVERIFY(!result);
    QVERIFY2(describe(result.error).contains(QString::number(identifier)),
             qPrintable(describe(result.error)));
}

QTEST_APPLESS_MAIN(TestLoading)
#include "tst_loading.moc"
