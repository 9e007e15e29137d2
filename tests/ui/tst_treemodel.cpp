#include "UiTestSupport.h"
#include "viewer/core/DocumentLoader.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/Pictures.h"
#include "viewer/ui/ToolTipText.h"
#include "xml/DisplayText.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

// Positions: 1 tabs, 2 tab TabHome, 3 group, 4 splitButton, 5 menu,
// 6 gallery, 7 tab TabInsert, 8 qat, 9 button. The comment and the text make
// no nodes.
const QByteArray smallDocument = R"(<?xml version="1.0" encoding="UTF-8"?>
<tabs xmlns:x="urn:x">
  <tab idMso="TabHome" label="Home &amp; Co">
    <group idMso="GroupClipboard">
      <splitButton idMso="PasteMenu">
        <menu>
          <gallery idMso="PasteGallery" label="Paste"/>
        </menu>
      </splitButton>
    </group>
  </tab>
  <!-- a comment -->
  <tab idMso="TabInsert"/>
  <qat>only text</qat>
  <button label="one&#10;two&#9;three&#13;&#x85;" x="&#x202E;evil&#x2067;"/>
</tabs>
)";

std::shared_ptr<const NodeTree> treeOfFile(const QString& path)
{
    const LoadResult result = loadXmlFile(path);
    return result.tree;
}

QImage pictureImage(const QVariant& decoration)
{
    return decoration.value<QIcon>().pixmap(32, 32).toImage();
}

} // namespace

class TestTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyModelHasNoRows();
    void nodeRoles_data();
    void nodeRoles();
    void everyCatalogueDocumentPassesTheModelTester();
    void picturesFollowExpansion();
    void deeplyNestedFileRoundTrips();
    void longTextIsCutWhereItIsDrawn();
    void picturesAreSharpAtTheScreensScale_data();
    void picturesAreSharpAtTheScreensScale();

private:
    QTemporaryDir m_dir;
    std::shared_ptr<const NodeTree> m_small;
};

void TestTreeModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_small = treeOfFile(writeFile(m_dir, u"small.xml"_s, smallDocument));
    QVERIFY(m_small);
}

void TestTreeModel::emptyModelHasNoRows()
{
    NodeTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.index(0, 0).isValid());
    QVERIFY(!model.indexOf(1).isValid());
    QCOMPARE(model.positionOf({}), NodeTree::noNode);
    QVERIFY(!model.data({}, Qt::DisplayRole).isValid());
    QCOMPARE(model.flags({}), Qt::NoItemFlags);
}

void TestTreeModel::nodeRoles_data()
{
    QTest::addColumn<uint>("position");
    QTest::addColumn<QList<int>>("rows"); // the rows leading from the top to the node
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QVariant>("colour");
    QTest::addColumn<int>("childCount");

    const QVariant red = QColor(255, 0, 0);
    const QVariant blue = QColor(0, 0, 255);
    QTest::newRow("root with namespace declaration")
        << 1u << QList<int>{0} << u"<tabs xmlns:x=\"urn:x\">"_s << u"tabs"_s << red << 4;
    QTest::newRow("child of root, entity resolved")
        << 2u << QList<int>{0, 0} << u"<tab idMso=\"TabHome\" label=\"Home & Co\">"_s
        << u"tab|TabHome"_s << blue << 1;
    QTest::newRow("no attributes")
        << 5u << QList<int>{0, 0, 0, 0, 0} << u"<menu>"_s << u"menu|"_s << QVariant() << 1;
    QTest::newRow("empty element, deepest") << 6u << QList<int>{0, 0, 0, 0, 0, 0}
                                            << u"<gallery idMso=\"PasteGallery\" label=\"Paste\">"_s
                                            << u"gallery|PasteGallery"_s << QVariant() << 0;
    QTest::newRow("sibling after a comment")
        << 7u << QList<int>{0, 1} << u"<tab idMso=\"TabInsert\">"_s << u"tab|TabInsert"_s << blue
        << 0;
    QTest::newRow("only text inside")
        << 8u << QList<int>{0, 2} << u"<qat>"_s << u"qat|"_s << blue << 0;
    QTest::newRow("control characters and direction overrides as marks")
        << 9u << QList<int>{0, 3}
        << u"<button label=\"one\u240Atwo\u2409three\u240D\u2424\" x=\"\u2426evil\u2426\">"_s
        << u"button|"_s << blue << 0;
}

void TestTreeModel::nodeRoles()
{
    QFETCH(uint, position);
    QFETCH(QList<int>, rows);
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(QVariant, colour);
    QFETCH(int, childCount);

    NodeTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const std::array<QIcon, 4> pictures = treePictures();
    model.setPictureIcons(pictures);
    model.setTree(m_small);
    QCOMPARE(model.rowCount(), 1);

    // Down by rows, and back up by parent(): both ways meet the same indexes.
    QModelIndexList chain;
    QModelIndex index;
    for (const int row : rows) {
        index = model.index(row, 0, index);
        QVERIFY(index.isValid());
        chain.append(index);
    }
    QCOMPARE(model.indexOf(position), index);
    QCOMPARE(model.positionOf(index), position);
    for (qsizetype level = chain.size() - 1; level > 0; --level)
        QCOMPARE(model.parent(chain[level]), chain[level - 1]);
    QVERIFY(!model.parent(chain.first()).isValid());

    QCOMPARE(index.data(Qt::DisplayRole).toString(), text);
    QCOMPARE(index.data(NodeTreeModel::TagRole).toString(), tag);
    QCOMPARE(index.data(NodeTreeModel::KeyRole).toString(), u"k_"_s + QString::number(position));
    QCOMPARE(index.data(NodeTreeModel::PositionRole).toUInt(), position);
    QCOMPARE(index.data(Qt::ForegroundRole), colour);
    QCOMPARE(model.rowCount(index), childCount);
    QCOMPARE(model.flags(index), Qt::ItemIsEnabled | Qt::ItemIsSelectable);

    const int picture = position == 1 ? 1 : 2;
    QCOMPARE(index.data(NodeTreeModel::PictureRole).toInt(), picture);
    QCOMPARE(pictureImage(index.data(Qt::DecorationRole)),
             pictures[static_cast<std::size_t>(picture - 1)].pixmap(32, 32).toImage());
}

void TestTreeModel::everyCatalogueDocumentPassesTheModelTester()
{
    NodeTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const catalogue::CatalogueEntry& entry : catalogue::catalogueEntries()) {
        const LoadResult result = loadStoredDocument(entry.identifier());
        QVERIFY2(result, qPrintable(entry.displayName()));
        model.setTree(result.tree);

        const QModelIndexList indexes = allIndexes(model);
        QCOMPARE(indexes.size(), catalogueElementCount(entry.index));
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            // Pre-order walk order is the order of positions and keys.
            const uint position = static_cast<uint>(i + 1);
            QCOMPARE(indexes[i].data(NodeTreeModel::PositionRole).toUInt(), position);
            QCOMPARE(model.indexOf(position), indexes[i]);
            const QString tag = indexes[i].data(NodeTreeModel::TagRole).toString();
            QCOMPARE(tag.contains(u'|'), i > 0);
        }
    }
}

void TestTreeModel::picturesFollowExpansion()
{
    NodeTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setTree(m_small);
    const auto picture = [&](uint position) {
        return model.indexOf(position).data(NodeTreeModel::PictureRole).toInt();
    };
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.nodeExpanded(model.indexOf(1));
    model.nodeCollapsed(model.indexOf(1));
    QCOMPARE(picture(1), 1); // the globe in both states

    // The view repaints a node's picture on dataChanged for the decoration.
    model.nodeExpanded(model.indexOf(3));
    QCOMPARE(picture(3), 3);
    QCOMPARE(changed.last().at(0).value<QModelIndex>(), model.indexOf(3));
    QVERIFY(changed.last().at(2).value<QList<int>>().contains(Qt::DecorationRole));
    model.nodeCollapsed(model.indexOf(3));
    QCOMPARE(picture(3), 2);
    QCOMPARE(changed.size(), 4);
}

void TestTreeModel::deeplyNestedFileRoundTrips()
{
    constexpr int depth = 100'000;
    const auto tree = treeOfFile(writeFile(m_dir, u"deep.xml"_s, nestedDocument(depth)));
    QVERIFY(tree);
    NodeTreeModel model;
    model.setTree(tree);

    QModelIndex index = model.index(0, 0);
    for (int level = 1; level < depth; ++level) {
        QCOMPARE(model.rowCount(index), 1);
        const QModelIndex child = model.index(0, 0, index);
        if (model.parent(child) != index)
            QFAIL(qPrintable(u"parent() of level %1 is not level %2"_s.arg(level + 1).arg(level)));
        index = child;
    }
    QCOMPARE(model.rowCount(index), 0);
    QCOMPARE(index.data(NodeTreeModel::PositionRole).toUInt(), uint(depth));
    QCOMPARE(index.data(NodeTreeModel::KeyRole).toString(), u"k_100000"_s);
    QCOMPARE(index.data().toString(), u"<n>"_s);
    QCOMPARE(index.data(NodeTreeModel::TagRole).toString(), u"n|"_s);
    QVERIFY(!index.data(Qt::ForegroundRole).isValid());
    QCOMPARE(model.indexOf(depth), index);

    int steps = 0;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        ++steps;
    QCOMPARE(steps, depth - 1);
}

// A row draws a few thousand characters and "…", never half a character;
// the node's own text stays whole for search, path and snippet.
void TestTreeModel::longTextIsCutWhereItIsDrawn()
{
    const QString start = u"<b v=\""_s + QString(maximumDisplayLength - 7, u'x');
    const QString emoji = u"\U0001F600"_s; // its first half is the last character that fits
    const QString value = start.mid(6) + emoji + QString(100'000, u'y');
    const auto tree =
        treeOfFile(writeFile(m_dir, u"long.xml"_s, u"<b v=\"%1\"/>"_s.arg(value).toUtf8()));
    QVERIFY(tree);
    NodeTreeModel model;
    model.setTree(tree);
    const QModelIndex root = model.index(0, 0);

    QCOMPARE(tree->text(1), u"<b v=\""_s + value + u"\">"_s);
    QCOMPARE(root.data(Qt::DisplayRole).toString(), start + u"\u2026"_s);
    QTextDocument tooltip;
    tooltip.setHtml(root.data(Qt::ToolTipRole).toString());
    // The tooltip shows less still: some twenty lines of it fit any screen.
    QCOMPARE(tooltip.toPlainText().remove(u'\n'), start.first(maximumToolTipLength) + u"\u2026"_s);
}

void TestTreeModel::picturesAreSharpAtTheScreensScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

// Each picture is drawn from its SVG at the screen's pixels, not scaled up
// from a small rendering, and a selected row shows the very same picture.
void TestTreeModel::picturesAreSharpAtTheScreensScale()
{
    QFETCH(qreal, scale);
    const QStringList sources{u":/icons/globe.svg"_s, u":/icons/folder-closed.svg"_s,
                              u":/icons/folder-open.svg"_s, u":/icons/books.svg"_s};
    const std::array<QIcon, 4> pictures = treePictures();
    const int devicePixels = qCeil(32 * scale);
    // What a row draws: the picture painted into a 32-pixel square of a
    // surface at the screen's scale.
    const auto painted = [&](const QIcon& icon, QIcon::Mode mode) {
        QImage image(devicePixels, devicePixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, QRect(0, 0, 32, 32), Qt::AlignCenter, mode);
        return image;
    };
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        QImage direct(devicePixels, devicePixels, QImage::Format_ARGB32_Premultiplied);
        direct.fill(Qt::transparent);
        QPainter painter(&direct);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(sources.at(qsizetype(i))).render(&painter);
        painter.end();
        direct.setDevicePixelRatio(scale);
        const QImage shown = painted(pictures[i], QIcon::Normal);
        QCOMPARE(shown, direct);
        QCOMPARE(painted(pictures[i], QIcon::Selected), shown);
    }
}

QTEST_MAIN(TestTreeModel)
#include "tst_treemodel.moc"
