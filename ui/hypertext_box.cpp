#include "ui/hypertext_box.h"

#include <wx/html/htmlwin.h>
#include <wx/utils.h>

#include "ui/gbk_text.h"
#include "ui/hypertext_markup.h"

void ShowHypertext(wxHtmlWindow& box, std::string_view markup) {
    box.SetBorders(0);
    box.SetStandardFonts(9);
    if (box.GetParent() != nullptr) {
        box.SetBackgroundColour(box.GetParent()->GetBackgroundColour());
    }
    box.SetPage(GbkToWx(DisplayMarkup(markup)));
}

void HandleHypertextLinks(wxHtmlWindow& box, LinkEventHandler on_event) {
    // Not skipped: a skipped link event makes the window load the link as a page of its own.
    box.Bind(wxEVT_HTML_LINK_CLICKED, [on_event](wxHtmlLinkEvent& event) {
        const wxString address = event.GetLinkInfo().GetHref();
        if (const auto name = LinkEventName(WxToGbk(address))) {
            if (on_event) {
                on_event(*name);
            }
        } else {
            wxLaunchDefaultBrowser(address);
        }
    });
}
