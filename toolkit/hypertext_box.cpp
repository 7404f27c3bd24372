#include "toolkit/hypertext_box.h"

#include <wx/html/htmlwin.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "toolkit/control_factory.h"
#include "toolkit/gbk_text.h"
#include "toolkit/hypertext_markup.h"

void ShowHypertext(wxHtmlWindow& box, std::string_view markup) {
    box.SetBorders(0);
    box.SetStandardFonts(9, SongFaceName());
    box.SetPage(GbkToWx(DisplayMarkup(markup)));
    // After the page, which resets it: the box blends into its parent, which shows the
    // window's colour unless it has one of its own.
    const wxWindow* parent = box.GetParent();
    box.SetBackgroundColour(parent != nullptr && parent->UseBackgroundColour()
                                ? parent->GetBackgroundColour()
                                : wxGetTopLevelParent(&box)->GetBackgroundColour());
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
