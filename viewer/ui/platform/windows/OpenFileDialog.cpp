// The system's Open dialog, called directly: Qt's file dialog writes its
// history under HKCU\Software\QtProject whenever it closes, a key that every
// Qt program shares and that no uninstall may remove, so Talpora never uses it.
#include "viewer/ui/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <shobjidl.h>
#include <string>
#include <vector>
#include <windows.h>

namespace talpora {

QString chooseFileToOpen(QWidget* parent, const QString& filter)
{
    // Another platform than the system's windows (offscreen, in tests) has no
    // window handle to own the system's dialog: Qt's stands in.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    IFileOpenDialog* dialog = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog))))
        return {};
    // Filters as Qt writes them, ";;" between them: "Name(*.a *.b)" gives the
    // name shown and the patterns, separated by ";" for the system.
    std::vector<std::wstring> names;
    std::vector<std::wstring> patterns;
    const QRegularExpression namedPatterns(QStringLiteral("^(.*)\\((.*)\\)\\s*$"));
    for (const QString& one : filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch parts = namedPatterns.match(one);
        names.push_back((parts.hasMatch() ? parts.captured(1) : one).toStdWString());
        patterns.push_back((parts.hasMatch() ? parts.captured(2).simplified().replace(
                                                   QLatin1Char(' '), QLatin1Char(';'))
                                             : QStringLiteral("*.*"))
                               .toStdWString());
    }
    std::vector<COMDLG_FILTERSPEC> types;
    for (std::size_t i = 0; i < names.size(); ++i)
        types.push_back({names[i].c_str(), patterns[i].c_str()});
    if (!types.empty())
        dialog->SetFileTypes(static_cast<UINT>(types.size()), types.data());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_FILEMUSTEXIST | FOS_FORCEFILESYSTEM);

    QString path;
    const HWND owner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    IShellItem* chosen = nullptr;
    if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&chosen))) {
        PWSTR file = nullptr;
        if (SUCCEEDED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &file))) {
            path = QDir::fromNativeSeparators(QString::fromWCharArray(file));
            CoTaskMemFree(file);
        }
        chosen->Release();
    }
    dialog->Release();
    return path;
}

} // namespace talpora
