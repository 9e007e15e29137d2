#include "registrar/platform/qt/MessageBoxReporter.h"

#include "registrar/reporting/ReportText.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quillet {

void MessageBoxReporter::show(const Report& report)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromStdString(reportText(report)), QMessageBox::Ok);
    box.exec();
}

} // namespace quillet
