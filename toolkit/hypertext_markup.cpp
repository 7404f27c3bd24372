#include "toolkit/hypertext_markup.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view kLinkStart = "<a ";
constexpr std::string_view kEventAttribute = "event=";
constexpr std::string_view kAddressAttribute = "href=";

// The value of the attribute that starts a link's tag right after "<a ": the bytes up to the
// tag's closing ">", without quotes. No trail byte of a GBK character is '>' or '"'.
std::string_view AttributeValue(std::string_view rest, std::size_t& tag_length) {
    const std::size_t close = rest.find('>');
    tag_length = close == std::string_view::npos ? rest.size() : close + 1;
    std::string_view value = rest.substr(0, close);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

struct Link {
    std::size_t start;   // of "<a "
    std::size_t length;  // of the whole opening tag
    Text address;        // as the HTML view takes it
};

// The opening tags of the markup's links, in order: event links and address links.
std::vector<Link> LinksOf(std::string_view markup) {
    std::vector<Link> links;
    for (std::size_t at = markup.find(kLinkStart); at != std::string_view::npos;
         at = markup.find(kLinkStart, at + 1)) {
        const std::string_view rest = markup.substr(at + kLinkStart.size());
        const bool event = rest.starts_with(kEventAttribute);
        if (!event && !rest.starts_with(kAddressAttribute)) {
            continue;
        }
        std::size_t tag_length = 0;
        const std::string_view value = AttributeValue(
            rest.substr(event ? kEventAttribute.size() : kAddressAttribute.size()), tag_length);
        const std::size_t attribute = event ? kEventAttribute.size() : kAddressAttribute.size();
        links.push_back({at, kLinkStart.size() + attribute + tag_length,
                         event ? JoinTexts(kEventLinkPrefix, value) : Text(value)});
    }
    return links;
}

// The text an attribute value stands for, as the HTML view reads the entities EscapeMarkup
// writes.
Text Unescaped(std::string_view value) {
    constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
    Text text;
    for (std::size_t at = 0; at < value.size();) {
        const auto entity = std::find_if(
            std::begin(kEntities), std::end(kEntities),
            [&](const auto& known) { return value.substr(at).starts_with(known.first); });
        if (entity == std::end(kEntities)) {
            text += value[at++];
        } else {
            text += entity->second;
            at += entity->first.size();
        }
    }
    return text;
}

Text LinkStyle(int link, LinkMarks marks) {
    Text style;
    if (link == marks.underlined) {
        style += "text-decoration:underline;";
    }
    if (link == marks.current) {
        style += JoinTexts("background-color:", kCurrentLinkBackground, ";");
    }
    return style.empty() ? style : JoinTexts(" style=\"", style, "\"");
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

Text DisplayMarkup(std::string_view markup, LinkMarks marks) {
    Text body;
    std::size_t at = 0;
    int index = 0;
    for (const Link& link : LinksOf(markup)) {
        body.append(markup.substr(at, link.start - at));
        body.append(JoinTexts("<a href=\"", link.address, "\"", LinkStyle(index, marks), ">"));
        at = link.start + link.length;
        ++index;
    }
    body.append(markup.substr(at));
    return JoinTexts("<body text=\"#000000\" link=\"#0000FF\"><font face=\"宋体,Verdana\">", body,
                     "</font></body>");
}

TextList LinkAddresses(std::string_view markup) {
    TextList addresses;
    for (const Link& link : LinksOf(markup)) {
        addresses.push_back(Unescaped(link.address));
    }
    return addresses;
}

std::optional<Text> LinkEventName(std::string_view address) {
    if (!address.starts_with(kEventLinkPrefix)) {
        return std::nullopt;
    }
    return Text(address.substr(kEventLinkPrefix.size()));
}
