#include "toolkit/hypertext_markup.h"

namespace {

constexpr std::string_view kEventLinkStart = "<a event=";

// The event name of an event link's tag, which starts right after "<a event=": the bytes up to
// the tag's closing ">", without quotes. No trail byte of a GBK character is '>' or '"'.
std::string_view EventNameAt(std::string_view rest, std::size_t& tag_length) {
    const std::size_t close = rest.find('>');
    tag_length = close == std::string_view::npos ? rest.size() : close + 1;
    std::string_view name = rest.substr(0, close);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

}  // namespace

Text EscapeMarkup(std::string_view text) {
    Text escaped;
    escaped.reserve(text.size());
    for (const char byte : text) {
        switch (byte) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += byte;
        }
    }
    return escaped;
}

Text DisplayMarkup(std::string_view markup) {
    Text body;
    std::size_t at = 0;
    for (std::size_t link = markup.find(kEventLinkStart); link != std::string_view::npos;
         link = markup.find(kEventLinkStart, at)) {
        body.append(markup.substr(at, link - at));
        std::size_t tag_length = 0;
        const std::string_view name =
            EventNameAt(markup.substr(link + kEventLinkStart.size()), tag_length);
        body.append(JoinTexts("<a href=\"", kEventLinkPrefix, name, "\">"));
        at = link + kEventLinkStart.size() + tag_length;
    }
    body.append(markup.substr(at));
    return JoinTexts("<body text=\"#000000\" link=\"#0000FF\"><font face=\"宋体,Verdana\">", body,
                     "</font></body>");
}

std::optional<Text> LinkEventName(std::string_view address) {
    if (!address.starts_with(kEventLinkPrefix)) {
        return std::nullopt;
    }
    return Text(address.substr(kEventLinkPrefix.size()));
}
