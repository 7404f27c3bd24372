#include "toolkit/hypertext_markup.h"

#include <gtest/gtest.h>

#include "build_settings.h"
#include "ui/window_texts.h"

namespace {

// The body of DisplayMarkup's result, without the shared style around it.
Text Body(std::string_view markup) {
    const Text shown = DisplayMarkup(markup);
    const Text start = "<font face=\"宋体,Verdana\">";
    const std::size_t begin = shown.find(start) + start.size();
    return shown.substr(begin, shown.rfind("</font>") - begin);
}

struct MarkupCase {
    const char* label;
    const char* markup;
    const char* body;
};

class DisplayMarkupCases : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(DisplayMarkupCases, TurnsEventLinksIntoEventAddresses) {
    EXPECT_EQ(Body(GetParam().markup), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, DisplayMarkupCases,
    ::testing::Values(
        MarkupCase{"plain", "或粘贴运单号↓", "或粘贴运单号↓"},
        MarkupCase{"batch_links", "<a event=导入>导入</a>或粘贴运单号↓<a event=清空>清空</a>",
                   "<a href=\"event:导入\">导入</a>或粘贴运单号↓<a href=\"event:清空\">清空</a>"},
        MarkupCase{"quoted_name", "<a event=\"帮助\">软件帮助</a>",
                   "<a href=\"event:帮助\">软件帮助</a>"},
        MarkupCase{"address_link_kept", "<a href=\"http://a.example/\">站</a>",
                   "<a href=\"http://a.example/\">站</a>"},
        MarkupCase{"unclosed_tag", "x<a event=半", "x<a href=\"event:半\">"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(HypertextMarkup, StyleMakesTextBlackAndLinksBlue) {
    const Text shown = DisplayMarkup("x");
    EXPECT_NE(shown.find("text=\"#000000\""), Text::npos);
    EXPECT_NE(shown.find("link=\"#0000FF\""), Text::npos);
}

TEST(HypertextMarkup, MarksStyleTheirLinksByPlace) {
    const char* markup = "<a event=导入>导入</a>或<a href=\"http://a.example/\">站</a>";
    EXPECT_EQ(DisplayMarkup(markup).find("style="), Text::npos);
    const Text shown = DisplayMarkup(markup, {1, 0});
    EXPECT_NE(shown.find("<a href=\"event:导入\" style=\"background-color:#CCE4FF;\">导入</a>"),
              Text::npos);
    EXPECT_NE(
        shown.find("<a href=\"http://a.example/\" style=\"text-decoration:underline;\">站</a>"),
        Text::npos);
    EXPECT_NE(DisplayMarkup(markup, {0, 0})
                  .find("style=\"text-decoration:underline;background-color:#CCE4FF;\">导入"),
              Text::npos);
}

TEST(HypertextMarkup, LinkAddressesInOrderAsTheViewReadsThem) {
    EXPECT_EQ(LinkAddresses(BatchLinkMarkup()), (TextList{"event:导入", "event:清空"}));
    EXPECT_EQ(LinkAddresses("<a href=\"http://a.example/?a=1&amp;b=2\">站</a> <b>x</b>"),
              TextList{"http://a.example/?a=1&b=2"});
    EXPECT_EQ(LinkAddresses(FooterMarkup()),
              (TextList{Text(kMakerSite), "event:帮助", ChatPageAddress()}));
}

TEST(HypertextMarkup, LinkEventNameOnlyForEventAddresses) {
    EXPECT_EQ(LinkEventName("event:帮助"), Text("帮助"));
    EXPECT_EQ(LinkEventName("event:"), Text());
    EXPECT_EQ(LinkEventName("http://event:80/"), std::nullopt);
    EXPECT_EQ(LinkEventName("Event:x"), std::nullopt);
}

TEST(HypertextMarkup, EscapeKeepsGbkAndWritesEntities) {
    EXPECT_EQ(EscapeMarkup("a&b<c>\"d\"工作室"), "a&amp;b&lt;c&gt;&quot;d&quot;工作室");
}

TEST(HypertextMarkup, FooterLinksTheSiteTheHelpEventAndTheChatPage) {
    const Text body = Body(FooterMarkup());
    EXPECT_EQ(body.find("获取或定制更多软件，请访问：<a href=\""), 0U);
    EXPECT_NE(body.find(JoinTexts("<a href=\"", EscapeMarkup(kMakerSite), "\">",
                                  EscapeMarkup(kStudioName), "</a><br>")),
              Text::npos);
    EXPECT_NE(body.find("<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<a "
                        "href=\"event:帮助\">软件帮助</a>&nbsp;&nbsp;&nbsp;作者QQ：<a href=\""),
              Text::npos);
    EXPECT_NE(body.find(JoinTexts(EscapeMarkup(ChatPageAddress()), "\">", kImAccount, "</a>")),
              Text::npos);
}

}  // namespace
