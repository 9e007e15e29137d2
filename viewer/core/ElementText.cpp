#include "ElementText.h"

namespace talpora {

void appendElementText(std::string& out, pugi::xml_node element)
{
    out += '<';
    out += element.name();
    for (const pugi::xml_attribute attribute : element.attributes()) {
        out += ' ';
        out += attribute.name();
        out += "=\"";
        out += attribute.value();
        out += '"';
    }
    out += '>';
}

QString ElementText(pugi::xml_node element)
{
    std::string text;
    appendElementText(text, element);
    return QString::fromStdString(text);
}

QString elementTag(pugi::xml_node element, bool isRoot)
{
    QString tag = QString::fromUtf8(element.name());
    if (isRoot)
        return tag;
    tag += QLatin1Char('|');
    tag += QString::fromUtf8(element.attribute("idMso").value());
    return tag;
}

} // namespace talpora
