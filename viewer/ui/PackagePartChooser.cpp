#include "viewer/ui/PackagePartChooser.h"

#include "viewer/ui/UiTexts.h"

#include <QInputDialog>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace talpora {

std::optional<QString> choosePackagePart(QWidget* parent, const QString& packageName,
                                         const std::vector<PackagePartChoice>& parts)
{
    if (parts.empty())
        return std::nullopt;
    QStringList items;
    for (const PackagePartChoice& part : parts)
        items.append(texts::packagePartItem(part.name, part.type));
    QInputDialog box(parent);
    box.setObjectName(u"packagePartChooser"_s);
    box.setWindowTitle(texts::programTitle());
    box.setLabelText(texts::packagePartPrompt(packageName));
    // The file's name shows as written, even when it looks like markup, and
    // a long path wraps rather than being cut off.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    box.setInputMode(QInputDialog::TextInput);
    box.setComboBoxItems(items);
    box.setComboBoxEditable(false);
    box.setTextValue(items.at(static_cast<qsizetype>(preferredPart(parts))));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    const qsizetype chosen = items.indexOf(box.textValue());
    if (chosen < 0)
        return std::nullopt;
    return parts[static_cast<std::size_t>(chosen)].name;
}

} // namespace talpora
