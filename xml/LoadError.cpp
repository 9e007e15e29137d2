#include "xml/LoadError.h"

#include "xml/DisplayText.h"

#include <expat.h>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// What each kind of failure says, in English and in Chinese; "%1" stands
// for the error's detail.
struct ReasonFormats
{
    QStringView english;
    QStringView chinese;
};

ReasonFormats reasonFormats(LoadErrorKind kind)
{
    switch (kind) {
    case LoadErrorKind::None:
        return {};
    case LoadErrorKind::FileNotFound:
        return {u"file not found", u"找不到文件"};
    case LoadErrorKind::PermissionDenied:
        return {u"permission denied", u"没有读取权限"};
    case LoadErrorKind::Directory:
        return {u"not a file (it is a directory)", u"这是一个文件夹，不是文件"};
    case LoadErrorKind::NotRegularFile:
        return {u"not a regular file", u"这不是普通文件"};
    case LoadErrorKind::ReadFailed:
        return {u"cannot read the file (%1)", u"无法读取文件（%1）"};
    case LoadErrorKind::Empty:
        return {u"not XML (the file is empty)", u"不是 XML 文件（文件是空的）"};
    case LoadErrorKind::BinaryData:
        return {u"not XML (the file holds binary data)", u"不是 XML 文件（文件含有二进制数据）"};
    case LoadErrorKind::NotMarkup:
        return {u"not XML (it does not start with markup)", u"不是 XML 文件（开头不是标记）"};
    case LoadErrorKind::UnsupportedEncoding:
        return {u"unsupported encoding \u201C%1\u201D", u"不支持的编码“%1”"};
    case LoadErrorKind::InvalidEncodedText:
        return {u"bytes that are not valid %1", u"含有不符合 %1 编码的字节"};
    case LoadErrorKind::OutOfMemory:
        return {u"not enough memory to load the document", u"内存不足，无法载入文档"};
    case LoadErrorKind::Syntax: // in Chinese from the parser's code instead
        return {u"%1", {}};
    case LoadErrorKind::MismatchedTag:
        return {u"mismatched tag: the open element is <%1>, started on line %2",
                u"结束标记与开始标记不匹配：当前打开的元素是第 %2 行开始的 <%1>"};
    case LoadErrorKind::UndeclaredEncoding:
        return {u"bytes that are not valid UTF-8; they read as %1, but the encoding declaration "
                u"is missing (for example <?xml version=\"1.0\" encoding=\"GBK\"?>)",
                u"含有不符合 UTF-8 编码的字节，可按 %1 编码读取，但缺少编码声明（例如 "
                u"<?xml version=\"1.0\" encoding=\"GBK\"?>）"};
    case LoadErrorKind::UnboundPrefix:
        return {u"namespace prefix \u201C%1\u201D is not declared", u"命名空间前缀“%1”没有声明"};
    case LoadErrorKind::BadQualifiedName:
        return {u"\u201C%1\u201D is not a valid name in a namespace-aware document",
                u"“%1”不是合法的限定名"};
    case LoadErrorKind::ExternalEntity:
        return {u"entity \u201C%1\u201D is defined outside the document, which is not read",
                u"实体“%1”定义在文档之外，不会被读取"};
    case LoadErrorKind::TooLarge:
        return {u"the document is too large to load", u"文档太大，无法载入"};
    case LoadErrorKind::Stopped:
        return {u"loading was stopped", u"载入已中止"};
    case LoadErrorKind::MissingStoredDocument:
        return {u"the catalogue has no document with identifier %1 (valid: 101\u2013157)",
                u"目录中没有标识符为 %1 的文档（有效范围 101–157）"};
    case LoadErrorKind::NoSuchEntry:
        return {u"the catalogue has no entry %1", u"目录中没有第 %1 项"};
    }
    return {};
}

QString filledIn(QStringView format, const LoadError& error)
{
    // A detail comes from the file (a name, an entity): shown whole it could be
    // megabytes long or span lines.
    // The number first: a detail holding "%2" must stay as it is.
    QString text = format.toString();
    text.replace(u"%2"_s, QString::number(error.relatedLine));
    return format.contains(u"%1") ? text.arg(displayLine(error.detail)) : text;
}

// The parser's faults in the interface's language; codes not listed here
// cannot arise from the way the reader drives the parser.
QString chineseSyntaxReason(int parserCode)
{
    switch (parserCode) {
    case XML_ERROR_NO_MEMORY:
        return u"内存不足"_s;
    case XML_ERROR_SYNTAX:
        return u"语法错误"_s;
    case XML_ERROR_NO_ELEMENTS:
        return u"文档没有根元素，或在元素结束前就结束了"_s;
    case XML_ERROR_INVALID_TOKEN:
        return u"格式不正确（无效的字符或标记）"_s;
    case XML_ERROR_UNCLOSED_TOKEN:
        return u"标记没有结束"_s;
    case XML_ERROR_PARTIAL_CHAR:
        return u"字符不完整"_s;
    case XML_ERROR_TAG_MISMATCH:
        return u"结束标记与开始标记不匹配"_s;
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
        return u"同一元素中属性重复"_s;
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
        return u"根元素之后还有内容"_s;
    case XML_ERROR_PARAM_ENTITY_REF:
        return u"非法的参数实体引用"_s;
    case XML_ERROR_UNDEFINED_ENTITY:
        return u"未定义的实体"_s;
    case XML_ERROR_RECURSIVE_ENTITY_REF:
        return u"递归的实体引用"_s;
    case XML_ERROR_ASYNC_ENTITY:
        return u"实体的标记不完整"_s;
    case XML_ERROR_BAD_CHAR_REF:
        return u"引用了无效的字符编号"_s;
    case XML_ERROR_BINARY_ENTITY_REF:
        return u"引用了二进制实体"_s;
    case XML_ERROR_ATTRIBUTE_EXTERNAL_ENTITY_REF:
        return u"属性值中引用了外部实体"_s;
    case XML_ERROR_MISPLACED_XML_PI:
        return u"XML 声明或文本声明不在实体的开头"_s;
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING:
        return u"编码错误"_s;
    case XML_ERROR_UNCLOSED_CDATA_SECTION:
        return u"CDATA 段没有结束"_s;
    case XML_ERROR_EXTERNAL_ENTITY_HANDLING:
        return u"不读取外部实体"_s;
    case XML_ERROR_ENTITY_DECLARED_IN_PE:
        return u"实体在参数实体中声明"_s;
    case XML_ERROR_UNDECLARING_PREFIX:
        return u"不能取消命名空间前缀的声明"_s;
    case XML_ERROR_INCOMPLETE_PE:
        return u"参数实体不完整"_s;
    case XML_ERROR_XML_DECL:
        return u"XML 声明格式不正确"_s;
    case XML_ERROR_TEXT_DECL:
        return u"文本声明格式不正确"_s;
    case XML_ERROR_PUBLICID:
        return u"公共标识符中有非法字符"_s;
    case XML_ERROR_RESERVED_PREFIX_XML:
    case XML_ERROR_RESERVED_PREFIX_XMLNS:
    case XML_ERROR_RESERVED_NAMESPACE_URI:
        return u"误用了保留的命名空间前缀或名称"_s;
    case XML_ERROR_AMPLIFICATION_LIMIT_BREACH:
        return u"实体展开过多（可能是恶意文档）"_s;
    default:
        return u"XML 格式不正确"_s;
    }
}

} // namespace

QString describeInEnglish(const LoadError& error)
{
    const QString reason = filledIn(reasonFormats(error.kind).english, error);
    if (error.line <= 0)
        return reason;
    return u"line %1, column %2: %3"_s.arg(error.line).arg(error.column).arg(reason);
}

QString describeInChinese(const LoadError& error)
{
    const QString reason = error.kind == LoadErrorKind::Syntax
                               ? chineseSyntaxReason(error.parserCode)
                               : filledIn(reasonFormats(error.kind).chinese, error);
    if (error.line <= 0)
        return reason;
    return u"第 %1 行第 %2 列：%3"_s.arg(error.line).arg(error.column).arg(reason);
}

} // namespace talpora
