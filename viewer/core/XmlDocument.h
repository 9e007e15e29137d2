#pragma once

#include <QString>
#include <memory>
#include <pugixml.hpp>

namespace talpora {

// A parsed XML document. It owns the buffer its strings point into, so node
// handles stay valid for as long as the document lives.
class XmlDocument
{
public:
    pugi::xml_node rootElement() const { return m_document.document_element(); }

private:
    friend class XmlParser;
    pugi::xml_document m_document;
};

class NodeTree;

// The outcome of a load: a document and its node tree, or why there is none.
struct LoadResult
{
    std::shared_ptr<const XmlDocument> document;
    std::shared_ptr<const NodeTree> tree;
    QString error; // a reason a person understands; empty on success

    explicit operator bool() const { return document != nullptr; }
};

} // namespace talpora
