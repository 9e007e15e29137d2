#include "MainWindowFixture.h"
#include "UiTestSupport.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/NodeTreeView.h"

#include <QLabel>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

QString describe(const QRect& rect)
{
    return u"(%1,%2 %3x%4)"_s.arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstShowUsesTheDesignClientArea();
    void listTakesThirtyPercent_data();
    void listTakesThirtyPercent();
    void heightChangeKeepsTheWidths();
    void minimiseAndRestoreKeepTheRule();
    void tinyWindowHasNoNegativeSizes();
    void statusPanelSpansTheBar();

private:
    // The client area is the central widget and the status bar below it.
    void resizeClient(int width, int height);
    // Empty when the list is `listWidth` wide at the left, the tree fills the
    // rest and both reach down to the status bar.
    QString layoutFault(int listWidth) const;
    QWidget* client() const { return m_ui.form->centralWidget(); }

    MainWindowFixture m_ui;
};

void TestLayout::init()
{
    QVERIFY(m_ui.open());
    QCOMPARE(m_ui.list->parentWidget(), client());
    QCOMPARE(m_ui.tree->parentWidget(), client());
}

void TestLayout::cleanup()
{
    const QString unexpected = m_ui.unexpectedDialogs();
    m_ui.close();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void TestLayout::resizeClient(int width, int height)
{
    m_ui.form->resize(width, height + m_ui.form->menuBar()->height());
    QTRY_COMPARE(client()->width(), width);
    QTRY_COMPARE(client()->height() + m_ui.statusBar->height(), height);
}

QString TestLayout::layoutFault(int listWidth) const
{
    const int width = client()->width();
    const int height = client()->height();
    const QRect list(0, 0, listWidth, height);
    const QRect tree(listWidth, 0, width - listWidth, height);
    if (m_ui.list->geometry() == list && m_ui.tree->geometry() == tree)
        return {};
    return u"client %1x%2: list %3, expected %4; tree %5, expected %6"_s.arg(width).arg(height).arg(
        describe(m_ui.list->geometry()), describe(list), describe(m_ui.tree->geometry()),
        describe(tree));
}

void TestLayout::firstShowUsesTheDesignClientArea()
{
    QCOMPARE(client()->width(), 913);
    QCOMPARE(client()->height() + m_ui.statusBar->height(), 609);
    QCOMPARE(m_ui.statusBar->geometry().top(), client()->geometry().bottom() + 1);
    QVERIFY2(layoutFault(274).isEmpty(), qPrintable(layoutFault(274)));
}

void TestLayout::listTakesThirtyPercent_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("listWidth"); // 30 %, rounded to the nearest pixel
    QTest::newRow("400") << 400 << 120;
    QTest::newRow("913, rounded up") << 913 << 274;
    QTest::newRow("1001, rounded down") << 1001 << 300;
    QTest::newRow("1500") << 1500 << 450;
    QTest::newRow("1919") << 1919 << 576;
}

void TestLayout::listTakesThirtyPercent()
{
    QFETCH(int, width);
    QFETCH(int, listWidth);
    resizeClient(width, 609);
    QVERIFY2(layoutFault(listWidth).isEmpty(), qPrintable(layoutFault(listWidth)));
}

void TestLayout::heightChangeKeepsTheWidths()
{
    resizeClient(1000, 609);
    const int listWidth = m_ui.list->width();
    const int treeWidth = m_ui.tree->width();
    for (const int height : {300, 900, 610}) {
        resizeClient(1000, height);
        QVERIFY2(layoutFault(300).isEmpty(), qPrintable(layoutFault(300)));
        QCOMPARE(m_ui.list->width(), listWidth);
        QCOMPARE(m_ui.tree->width(), treeWidth);
        QCOMPARE(m_ui.list->height(), height - m_ui.statusBar->height());
    }
}

void TestLayout::minimiseAndRestoreKeepTheRule()
{
    resizeClient(1200, 700);
    const QRect list = m_ui.list->geometry();
    const QRect tree = m_ui.tree->geometry();

    m_ui.form->showMinimized();
    QTRY_VERIFY(m_ui.form->isMinimized());
    QCOMPARE(m_ui.list->geometry(), list);
    QCOMPARE(m_ui.tree->geometry(), tree);
    m_ui.form->showNormal();
    QTRY_VERIFY(!m_ui.form->isMinimized());
    QVERIFY2(layoutFault(360).isEmpty(), qPrintable(layoutFault(360)));

    // A size change that arrives while minimised is laid out on restore.
    m_ui.form->showMinimized();
    QTRY_VERIFY(m_ui.form->isMinimized());
    m_ui.form->resize(700, 500);
    QTRY_COMPARE(client()->width(), 700);
    m_ui.form->showNormal();
    QTRY_VERIFY(!m_ui.form->isMinimized());
    // Window systems restore the new size; the offscreen platform the old one.
    const auto listWidth = [this] { return client()->width() == 700 ? 210 : 360; };
    QTRY_VERIFY2(layoutFault(listWidth()).isEmpty(), qPrintable(layoutFault(listWidth())));
}

void TestLayout::tinyWindowHasNoNegativeSizes()
{
    m_ui.form->setMinimumSize(1, 1);
    m_ui.form->resize(60, m_ui.statusBar->sizeHint().height() / 2);
    QTRY_VERIFY(m_ui.form->height() <
                m_ui.form->menuBar()->height() + m_ui.statusBar->sizeHint().height());
    for (const QWidget* widget :
         {client(), static_cast<QWidget*>(m_ui.list), static_cast<QWidget*>(m_ui.tree),
          static_cast<QWidget*>(m_ui.statusBar)}) {
        QVERIFY2(widget->width() >= 0 && widget->height() >= 0,
                 qPrintable(u"%1 %2"_s.arg(widget->objectName(), describe(widget->geometry()))));
    }
    QCOMPARE(m_ui.tree->x(), m_ui.list->geometry().right() + 1);
    QVERIFY(m_ui.list->height() <= client()->height());

    resizeClient(800, 600); // and back to a normal size
    QVERIFY2(layoutFault(240).isEmpty(), qPrintable(layoutFault(240)));
}

void TestLayout::statusPanelSpansTheBar()
{
    m_ui.statusPanel->setText(QString(500, u'x')); // a long path must not widen the window
    for (const int width : {400, 913, 1919}) {
        resizeClient(width, 609);
        QCOMPARE(m_ui.statusBar->x(), 0);
        QCOMPARE(m_ui.statusBar->width(), width);
        QCOMPARE(m_ui.form->width(), width);
        // The panel starts at the bar's left edge and reaches its size grip.
        const QSizeGrip* grip = m_ui.statusBar->findChild<QSizeGrip*>();
        const int end = grip && grip->isVisible() ? grip->x() : width;
        const QRect panel = m_ui.statusPanel->geometry();
        QVERIFY2(panel.left() <= 4 && panel.right() < end && panel.right() >= end - 10,
                 qPrintable(u"bar width %1, panel %2"_s.arg(width).arg(describe(panel))));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
