#include "viewer/ui/UiTexts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora::texts {

QString programTitle()
{
    return u"Talpora"_s;
}

QString openFileFilter()
{
    return u"XML文件(*.xml)"_s;
}

QString findPrompt()
{
    return u"请输入检索关键词；【F3】继续搜索下一处。"_s;
}

QString manual()
{
    return u"单击左侧导航栏中的项目加载内容，或者点击菜单【文件/打开】加载本地XML文件。"_s;
}

QString aboutTitle()
{
    return u"产品信息 & 联系方式"_s;
}

QString aboutText(const QString& productName)
{
    return QStringList{
        u"Talpora：查看 Office 2013 功能区控件标识（idMso）并生成 customUI 脚本"_s,
        u"控件标识来自 Microsoft 公布的 Office 2013 控件列表（MIT 许可）"_s,
        u"界面基于 Qt 6，XML 解析使用 Expat"_s,
        u"问题与建议请提交到本项目的问题跟踪"_s,
        QString(),
        u"产品名称："_s + productName,
        u"更新日期：2018年1月6日"_s,
    }
        .join(QLatin1Char('\n'));
}

QString loadFailure(const QString& documentName, const QString& reason)
{
    return u"无法加载\u201C%1\u201D：\n%2"_s.arg(documentName, reason);
}

QString catalogueListName()
{
    return u"控件标识文档"_s;
}

QString documentTreeName()
{
    return u"文档结构"_s;
}

} // namespace talpora::texts
