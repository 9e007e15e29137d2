#include "ElementText.h"

#include <cstring>

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

const char* repeatedAttributeName(pugi::xml_node element)
{
    const pugi::xml_attribute first = element.first_attribute();
    if (!first || !first.next_attribute())
        return nullptr; // the usual case, decided without comparing names
    for (pugi::xml_attribute a = first; a; a = a.next_attribute()) {
        for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute()) {
            if (std::strcmp(a.name(), b.name()) == 0)
                return a.name();
        }
    }
    return nullptr;
}

} // namespace talpora
