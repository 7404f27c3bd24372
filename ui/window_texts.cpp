#include "ui/window_texts.h"

#include "build_settings.h"
#include "toolkit/hypertext_markup.h"

std::string_view HelpText() {
    return "单条查询：\r\n"
           "    在单号输入框输入单号，点击查询，可显示此件的操作流程和操作时间。\r\n"
           "    右键单击可导出结果或清空结果；\r\n"
           "\r\n"
           "批量查询：\r\n"
           "    点击查询按钮后面的【批量】按钮，可跳转到批量查询界面。\r\n"
           "    在左下方的输入框中，粘贴或导入单号，点击查询按钮，可显示每票快件的最终状态。\r\n"
           "    右键单击某条信息，可复制或删除结果。\r\n"
           "    点击右键菜单中的【查看快件流程】可单独显示此票快件的详细操作流程。\r\n"
           "\r\n"
           "注意：\r\n"
           "    导入单号的文件必须是TXT文本文档格式，每行一个单号。\r\n"
           "    可把EXCEL表格中的单号复制到文本文档中保存，然后引用。";
}

std::string_view AboutText() {
    static const Text text = JoinTexts(
        "    本软件由", kStudioName,
        "开发。本工作室承接各类软件的定制开发，并不定期推出实用的小软件供大家免费下载使用。\r\n"
        "\r\n"
        "    软件中出现的各快递公司的名称及其相关权利，均归各快递公司所有。\r\n"
        "\r\n"
        "    使用中遇到任何问题，欢迎与作者联系。");
    return text;
}

std::string_view FooterMarkup() {
    static const Text markup = JoinTexts(
        "获取或定制更多软件，请访问：<a href=\"", EscapeMarkup(kMakerSite), "\">",
        EscapeMarkup(kStudioName), "</a><br>", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;",
        "<a event=帮助>软件帮助</a>&nbsp;&nbsp;&nbsp;作者QQ：<a href=\"",
        EscapeMarkup(ChatPageAddress()), "\">", EscapeMarkup(kImAccount), "</a>");
    return markup;
}

std::string_view BatchLinkMarkup() {
    return "<a event=导入>导入</a>或粘贴运单号↓<a event=清空>清空</a>";
}

Text PresencePictureAddress() {
    return JoinTexts("http://", kImHost, "/pa?p=2:", kImAccount, ":53");
}

Text ChatPageAddress() {
    return JoinTexts("http://", kImHost, "/msgrd?V=1&Uin=", kImAccount,
                     "&Exe=QQ&Site=", kProgramName, "&Menu=yes");
}
