#include "Form1.h"
#include "NodeTreeView.h"
#include "UiTestSupport.h"

#include <QLabel>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTest>
#include <memory>

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
    QString layoutFault() const;

    std::unique_ptr<Form1> m_form;
    QWidget* m_client = nullptr;
    QListWidget* m_list = nullptr;
    NodeTreeView* m_tree = nullptr;
    QStatusBar* m_bar = nullptr;
    QLabel* m_panel = nullptr;
};

void TestLayout::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_client = m_form->centralWidget();
    m_list = m_form->findChild<QListWidget*>(u"List1"_s);
    m_tree = m_form->findChild<NodeTreeView*>(u"TreeView1"_s);
    m_bar = m_form->findChild<QStatusBar*>(u"StatusBar1"_s);
    m_panel = m_form->findChild<QLabel*>(u"statusPanel1"_s);
    QVERIFY(m_client && m_list && m_tree && m_bar && m_panel);
    QCOMPARE(m_list->parentWidget(), m_client);
    QCOMPARE(m_tree->parentWidget(), m_client);
}

void TestLayout::cleanup()
{
    m_form.reset();
}

void TestLayout::resizeClient(int width, int height)
{
    m_form->resize(width, height + m_form->menuBar()->height());
    QTRY_COMPARE(m_client->width(), width);
    QTRY_COMPARE(m_client->height() + m_bar->height(), height);
}

QString TestLayout::layoutFault() const
{
    const int width = m_client->width();
    const int height = m_client->height();
    const QRect list(0, 0, qRound(width * 0.3), height);
    const QRect tree(list.right() + 1, 0, width - list.width(), height);
    if (m_list->geometry() == list && m_tree->geometry() == tree &&
        m_tree->x() == m_list->geometry().right() + 1)
        return {};
    return u"client %1x%2: list %3, expected %4; tree %5, expected %6"_s.arg(width).arg(height).arg(
        describe(m_list->geometry()), describe(list), describe(m_tree->geometry()), describe(tree));
}

void TestLayout::firstShowUsesTheDesignClientArea()
{
    QCOMPARE(m_client->width(), 913);
    QCOMPARE(m_client->height() + m_bar->height(), 609);
    QCOMPARE(m_bar->geometry().top(), m_client->geometry().bottom() + 1);
    QVERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));
}

void TestLayout::listTakesThirtyPercent_data()
{
    QTest::addColumn<int>("width");
    for (const int width : {400, 913, 1001, 1500, 1919})
        QTest::addRow("%d", width) << width;
}

void TestLayout::listTakesThirtyPercent()
{
    QFETCH(int, width);
    resizeClient(width, 609);
    QVERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));
    QCOMPARE(m_list->width(), qRound(width * 0.3));
    QCOMPARE(m_tree->geometry().right() + 1, width);
}

void TestLayout::heightChangeKeepsTheWidths()
{
    resizeClient(1000, 609);
    const int listWidth = m_list->width();
    const int treeWidth = m_tree->width();
    for (const int height : {300, 900, 610}) {
        resizeClient(1000, height);
        QVERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));
        QCOMPARE(m_list->width(), listWidth);
        QCOMPARE(m_tree->width(), treeWidth);
        QCOMPARE(m_list->height(), height - m_bar->height());
    }
}

void TestLayout::minimiseAndRestoreKeepTheRule()
{
    resizeClient(1200, 700);
    const QRect list = m_list->geometry();
    const QRect tree = m_tree->geometry();

    m_form->showMinimized();
    QTRY_VERIFY(m_form->isMinimized());
    QCOMPARE(m_list->geometry(), list);
    QCOMPARE(m_tree->geometry(), tree);
    m_form->showNormal();
    QTRY_VERIFY(!m_form->isMinimized());
    QVERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));

    // A size change that arrives while minimised is laid out on restore.
    m_form->showMinimized();
    QTRY_VERIFY(m_form->isMinimized());
    m_form->resize(700, 500);
    QTRY_COMPARE(m_client->width(), 700);
    m_form->showNormal();
    QTRY_VERIFY(!m_form->isMinimized());
    QTRY_VERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));
}

void TestLayout::tinyWindowHasNoNegativeSizes()
{
    m_form->setMinimumSize(1, 1);
    m_form->resize(60, m_bar->sizeHint().height() / 2);
    QTRY_VERIFY(m_form->height() < m_form->menuBar()->height() + m_bar->sizeHint().height());
    for (const QWidget* widget : {m_client, static_cast<QWidget*>(m_list),
                                  static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_bar)}) {
        QVERIFY2(widget->width() >= 0 && widget->height() >= 0,
                 qPrintable(u"%1 %2"_s.arg(widget->objectName(), describe(widget->geometry()))));
    }
    QCOMPARE(m_tree->x(), m_list->geometry().right() + 1);
    QVERIFY(m_list->height() <= m_client->height());

    resizeClient(800, 600); // and back to a normal size
    QVERIFY2(layoutFault().isEmpty(), qPrintable(layoutFault()));
}

void TestLayout::statusPanelSpansTheBar()
{
    m_panel->setText(QString(500, u'x')); // a long path must not widen the window
    for (const int width : {400, 913, 1919}) {
        resizeClient(width, 609);
        QCOMPARE(m_bar->x(), 0);
        QCOMPARE(m_bar->width(), width);
        QCOMPARE(m_form->width(), width);
        // The panel starts at the bar's left edge and reaches its size grip.
        const QSizeGrip* grip = m_bar->findChild<QSizeGrip*>();
        const int end = grip && grip->isVisible() ? grip->x() : width;
        const QRect panel = m_panel->geometry();
        QVERIFY2(panel.left() <= 4 && panel.right() < end && panel.right() >= end - 10,
                 qPrintable(u"bar width %1, panel %2"_s.arg(width).arg(describe(panel))));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
