#include "Form1.h"
#include "QtTranslation.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Talpora"_s);
    QApplication::setApplicationVersion(u"1.00"_s);
    talpora::installQtTranslation();

    auto* window = new talpora::Form1;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
