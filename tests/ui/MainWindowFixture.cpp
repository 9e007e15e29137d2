#include "MainWindowFixture.h"

#include "UiTestSupport.h"
#include "catalogue/CatalogueEntries.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QLabel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace talpora::test {

MainWindowFixture::MainWindowFixture() = default;
MainWindowFixture::~MainWindowFixture() = default;

bool MainWindowFixture::open()
{
    m_unexpected = std::make_unique<ModalDialogs>(ModalDialogs::Answer::Reject);
    m_form = std::make_unique<Form1>();
    form = m_form.get();
    form->show();
    if (!QTest::qWaitForWindowActive(form))
        return false;
    list = form->findChild<QListWidget*>(u"List1"_s);
    tree = form->findChild<NodeTreeView*>(u"TreeView1"_s);
    statusBar = form->findChild<QStatusBar*>(u"StatusBar1"_s);
    statusPanel = form->findChild<QLabel*>(u"statusPanel1"_s);
    model = form->treeModel();
    return list && tree && statusBar && statusPanel && tree->model() == model;
}

QString MainWindowFixture::unexpectedDialogs() const
{
    QStringList boxes;
    if (m_unexpected) {
        for (const SeenDialog& dialog : m_unexpected->seen())
            boxes.append(u"%1 \u201C%2\u201D: %3"_s.arg(dialog.kind, dialog.title, dialog.text));
    }
    return boxes.join(u'\n');
}

void MainWindowFixture::close()
{
    m_form.reset();
    m_unexpected.reset();
    form = nullptr;
    list = nullptr;
    tree = nullptr;
    model = nullptr;
    statusBar = nullptr;
    statusPanel = nullptr;
}

void MainWindowFixture::loadEntry(const char* name) const
{
    const auto entry = catalogue::findEntryByName(QString::fromLatin1(name));
    QVERIFY2(entry, name);
    clickEntry(list, entry->index);
    QCOMPARE(form->windowTitle(), executableName() + u" - "_s + QString::fromLatin1(name));
}

} // namespace talpora::test
